#include "control_site.h"

#include <QWidget>

#include "platform/com/creation.h"
#include "platform/errors/run_time_error.h"
#include "platform/forms/events.h"

namespace platform::hosting {

namespace {

UserControl* SurfaceOf(const com::ComPtr<com::IUnknown>& object)
{
    com::ComPtr<IUserControl> control = object.As<IUserControl>();
    UserControl* surface = control ? control->GetUserControl() : nullptr;
    if (!surface)
        platform::Raise(13);
    return surface;
}

} // namespace

AmbientProperties AmbientOf(const forms::Form& form, bool designMode)
{
    AmbientProperties ambient;
    ambient.userMode = !designMode;
    ambient.font = form.GetFont();
    ambient.backColor = form.BackColor();
    return ambient;
}

ControlSite::ControlSite(com::ComPtr<com::IUnknown> object)
    : Control(new QWidget)
    , m_object(std::move(object))
    , m_dispatch(m_object.As<com::IDispatch>())
    , m_control(SurfaceOf(m_object))
{
    m_control->SetContainer(*this);
    if (auto source = m_object.As<com::IEventSource>()) {
        source->Advise(
            [this](const com::Event& e) {
                forms::RaiseEvent(Name() + "_" + std::string(e.name), [this, &e] {
                    if (ControlEvent)
                        ControlEvent(e);
                });
            },
            &m_cookie);
    }
}

ControlSite::~ControlSite()
{
    if (auto source = m_object.As<com::IEventSource>())
        source->Unadvise(m_cookie);
    m_control->Terminate();
    // Someone else may still hold the object; its surface must not die with the site's widget.
    QWidget* surface = m_control->Widget();
    surface->hide();
    surface->setParent(nullptr);
    m_dispatch.Reset();
    m_object.Reset();
}

QWidget* ControlSite::ClientArea(int)
{
    return Widget();
}

void ControlSite::ApplyDesignGeometry(const forms::ControlDef& def)
{
    m_control->SetExtenderName(def.name);
    Control::ApplyDesignGeometry(def);
}

void ControlSite::ApplyGeometry()
{
    Control::ApplyGeometry();
    m_control->Move(0, 0, Width(), Height());
}

ControlSite& AddControlObject(forms::Form& form, const forms::ControlDef& row,
                              com::ComPtr<com::IUnknown> object, Placement placement)
{
    ControlSite& site = form.Add<ControlSite>(row, std::move(object));
    UserControl& control = site.Surface();
    control.SetAmbient(AmbientOf(form, placement.designMode));
    control.Load(placement.stored);
    return site;
}

ControlSite& AddControlObject(forms::Form& form, const forms::ControlDef& row,
                              std::string_view classOrProgId, Placement placement)
{
    com::ComPtr<com::IDispatch> object = com::CreateObject(classOrProgId);
    return AddControlObject(form, row, object.As<com::IUnknown>(), placement);
}

} // namespace platform::hosting
