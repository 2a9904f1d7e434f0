#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "controls/private/indicator_control.h"
#include "platform/forms/timer.h"
#include "platform/hosting/user_control.h"

namespace kolvetra {

// One of the private indicators as a user control of the hosting layer: the surface, the
// change report, the ambient font, the child timer `Timer1`, the mouse pointer and the window
// shape come from the user control, and its surface events go to the indicator. A form places
// it with platform::hosting::AddUserControl.
class IndicatorHost : public platform::hosting::UserControl {
public:
    explicit IndicatorHost(std::unique_ptr<IndicatorControl> indicator);
    ~IndicatorHost() override;

    IndicatorControl& Indicator() const { return *m_indicator; }
    // The child timer; only ProgressWheel starts it.
    platform::forms::TimerControl& Timer1() const { return m_timer; }

    // The indicator's events (1 Click ... 5 MouseUp, 6 Resize) as its host receives them.
    std::function<void(int index, std::string_view name, MouseEventArgs* mouse)> ControlEvent;
    // Shows the library's about dialog; when unset, the library's own (LibraryAboutBox).
    std::function<void()> AboutBox;

protected:
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(const platform::com::PropertyBag& bag) override;
    void UserControl_WriteProperties(platform::com::PropertyBag& bag) override;
    void UserControl_Resize() override;
    void UserControl_Show() override;
    void UserControl_Click() override;
    void UserControl_DblClick() override;
    void UserControl_MouseDown(std::int16_t& button, std::int16_t& shift, float& x,
                               float& y) override;
    void UserControl_MouseMove(std::int16_t& button, std::int16_t& shift, float& x,
                               float& y) override;
    void UserControl_MouseUp(std::int16_t& button, std::int16_t& shift, float& x,
                             float& y) override;

private:
    class Bridge;

    std::unique_ptr<IndicatorControl> m_indicator;
    std::unique_ptr<Bridge> m_bridge;
    platform::forms::TimerControl& m_timer;
};

// The library's about dialog, shown modally without an owner; the library installs it when it
// is loaded (the dialog lives beside the published control, which links these indicators).
std::function<void()>& LibraryAboutBox();

// A hosted indicator of one kind: Hosted<ProgressWheel>.
template <class Kind> class Hosted : public IndicatorHost {
public:
    Hosted()
        : IndicatorHost(std::make_unique<Kind>())
    {
    }
    Kind& Control() const { return static_cast<Kind&>(Indicator()); }
};

} // namespace kolvetra
