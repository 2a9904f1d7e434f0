#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/com/com_ptr.h"
#include "platform/com/dispatch.h"
#include "platform/com/events.h"
#include "platform/com/property_bag.h"
#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "platform/hosting/user_control.h"

namespace platform::hosting {

// What a control object made through the component model answers, so that a host can site
// its surface.
struct IUserControl : com::IUnknown {
    static constexpr com::Guid iid = com::MakeGuid("{3C8E2B71-5A0D-4F6E-9B14-7D2A60C5E819}");
    using Base = com::IUnknown;
    virtual UserControl* GetUserControl() = 0;
};

// The base of a control class that a library serves: a user control with a dispatch
// interface answered from `Derived::Members()` and an event source.
//
//     class Gauge : public ControlObject<Gauge> { ... static const DispatchTable<Gauge>& Members();
//     };
template <class Derived, class... Interfaces>
class ControlObject
    : public UserControl,
      public com::EventDispatchObject<Derived, com::IDispatch, IUserControl, Interfaces...> {
public:
    UserControl* GetUserControl() override { return this; }
};

// How a control is placed: from its stored property bag (ReadProperties) or new
// (InitProperties), in a running program or on a form being designed.
struct Placement {
    const com::PropertyBag* stored = nullptr;
    bool designMode = false;
};

// The ambient properties a form gives its controls.
AmbientProperties AmbientOf(const forms::Form& form, bool designMode = false);

// Places a user control class of the program as a table row places a control, gives it the
// form's ambient properties and loads it (Initialize, InitProperties or ReadProperties,
// Resize). Its events are raised through the forms boundary by the control itself.
template <class T, class... Args>
T& AddUserControl(forms::Form& form, const forms::ControlDef& row, Placement placement,
                  Args&&... args)
{
    T& control = form.Add<T>(row, std::forward<Args>(args)...);
    control.SetAmbient(AmbientOf(form, placement.designMode));
    control.Load(placement.stored);
    return control;
}

// The extender of a control object made through the component model: it takes the row's
// place, name, visibility and enabled state, keeps the control's surface filling it and
// raises each event of the control as "<row name>_<Event>" inside the forms boundary, where
// ControlEvent (when set) receives it with its arguments. The site holds one reference to the
// object; the control terminates when the site goes.
class ControlSite : public forms::Control, public forms::Container {
public:
    // Error 13 (type mismatch) when the object is no user control.
    explicit ControlSite(com::ComPtr<com::IUnknown> object);
    ~ControlSite() override;

    com::IDispatch* Object() const { return m_dispatch.get(); }
    UserControl& Surface() const { return *m_control; }
    QWidget* ClientArea(int page) override;

    std::function<void(const com::Event& event)> ControlEvent;

protected:
    void ApplyGeometry() override;
    void ApplyDesignGeometry(const forms::ControlDef& def) override;

private:
    com::ComPtr<com::IUnknown> m_object;
    com::ComPtr<com::IDispatch> m_dispatch;
    UserControl* m_control;
    std::uint32_t m_cookie = 0;
};

// Places a control object on a form through its site and loads it as AddUserControl does.
ControlSite& AddControlObject(forms::Form& form, const forms::ControlDef& row,
                              com::ComPtr<com::IUnknown> object, Placement placement);
// The same for a class created by programmatic identifier or braced class identifier (error
// 429 when it is not registered).
ControlSite& AddControlObject(forms::Form& form, const forms::ControlDef& row,
                              std::string_view classOrProgId, Placement placement);

} // namespace platform::hosting
