#include "controls/private/indicator_host.h"

#include <QCursor>
#include <QPixmap>

#include <cmath>

#include "platform/hosting/window_shape.h"

namespace kolvetra {

namespace hosting = platform::hosting;

// The site the indicator sees, answered by the user control. A separate object, because the
// site's members share their names with the user control's own.
class IndicatorHost::Bridge : public IndicatorSite {
public:
    explicit Bridge(IndicatorHost& host)
        : m_host(host)
    {
    }

    QImage& Image() override { return m_host.Canvas(); }
    void Refresh() override { m_host.Canvas(); }
    void PropertyChanged(std::string_view name) override
    {
        m_host.PropertyChanged(std::string(name));
    }
    platform::com::StdFont AmbientFont() const override { return m_host.Ambient().font; }
    void RaiseEvent(int index, std::string_view name, MouseEventArgs* mouse) override
    {
        if (m_host.ControlEvent)
            m_host.ControlEvent(index, name, mouse);
    }
    float Height() const override { return float(m_host.Height()); }
    void SetWidth(float twips) override { m_host.SetWidth(int(std::lround(twips))); }
    void SetTimerInterval(std::int32_t milliseconds) override
    {
        m_host.m_timer.SetInterval(milliseconds);
    }
    void SetMousePointer(std::int16_t pointer) override { m_host.SetMousePointer(pointer); }
    void SetMouseIcon(const platform::com::Picture& icon) override
    {
        m_host.SetMouseIcon(icon.IsNone() ? QCursor() : QCursor(QPixmap::fromImage(icon.Image())));
    }
    int SetWindowRgn(platform::gdi::HRGN region, bool redraw) override
    {
        return hosting::SetWindowRgn(m_host.hWnd(), region, redraw);
    }
    void ShowAboutBox() override
    {
        if (m_host.AboutBox)
            m_host.AboutBox();
        else if (LibraryAboutBox())
            LibraryAboutBox()();
    }

private:
    IndicatorHost& m_host;
};

std::function<void()>& LibraryAboutBox()
{
    static std::function<void()> about;
    return about;
}

IndicatorHost::IndicatorHost(std::unique_ptr<IndicatorControl> indicator)
    : m_indicator(std::move(indicator))
    , m_bridge(std::make_unique<Bridge>(*this))
    , m_timer(AddTimer("Timer1", 0, true))
{
    if (m_indicator->MeasuresInPixels())
        SetScaleMode(hosting::vbPixels);
    m_timer.Timer = [this] { m_indicator->Timer1_Timer(); };
    m_indicator->SetSite(m_bridge.get());
}

IndicatorHost::~IndicatorHost()
{
    m_timer.Timer = nullptr;
    m_indicator->SetSite(nullptr);
}

void IndicatorHost::UserControl_InitProperties()
{
    m_indicator->UserControl_InitProperties();
}

void IndicatorHost::UserControl_ReadProperties(const platform::com::PropertyBag& bag)
{
    m_indicator->UserControl_ReadProperties(bag);
}

void IndicatorHost::UserControl_WriteProperties(platform::com::PropertyBag& bag)
{
    m_indicator->UserControl_WriteProperties(bag);
}

void IndicatorHost::UserControl_Resize()
{
    m_indicator->UserControl_Resize();
}

void IndicatorHost::UserControl_Show()
{
    m_indicator->UserControl_Show();
}

void IndicatorHost::UserControl_Click()
{
    m_indicator->UserControl_Click();
}

void IndicatorHost::UserControl_DblClick()
{
    m_indicator->UserControl_DblClick();
}

void IndicatorHost::UserControl_MouseDown(std::int16_t& button, std::int16_t& shift, float& x,
                                          float& y)
{
    m_indicator->UserControl_MouseDown(button, shift, x, y);
}

void IndicatorHost::UserControl_MouseMove(std::int16_t& button, std::int16_t& shift, float& x,
                                          float& y)
{
    m_indicator->UserControl_MouseMove(button, shift, x, y);
}

void IndicatorHost::UserControl_MouseUp(std::int16_t& button, std::int16_t& shift, float& x,
                                        float& y)
{
    m_indicator->UserControl_MouseUp(button, shift, x, y);
}

} // namespace kolvetra
