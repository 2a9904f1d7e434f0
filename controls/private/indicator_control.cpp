#include "controls/private/indicator_control.h"

#include <exception>

namespace kolvetra {

IndicatorControl::IndicatorControl() = default;

IndicatorControl::~IndicatorControl() = default;

void IndicatorControl::SetSite(IndicatorSite* site)
{
    m_surface.reset();
    m_site = site;
    if (m_site)
        m_surface = std::make_unique<PaintSurface>(m_site->Image());
}

void IndicatorControl::Changed(const char* name)
{
    if (m_site)
        m_site->PropertyChanged(name);
    DrawProgress();
}

void IndicatorControl::SetFont(const platform::com::StdFont& font)
{
    m_font = font;
    Changed("Font");
}

void IndicatorControl::SetBackColor(OLE_COLOR colour)
{
    m_backColor = colour;
    Changed("BackColor");
}

void IndicatorControl::SetForeColor(OLE_COLOR colour)
{
    m_foreColor = colour;
    Changed("ForeColor");
}

void IndicatorControl::SetPicture(const platform::com::Picture& picture)
{
    m_picture = picture;
    m_pictureBitmap.reset();
    if (!picture.IsNone())
        m_pictureBitmap = platform::gdi::Picture::FromImage(picture.Image());
    Changed("Picture");
}

platform::gdi::HBITMAP IndicatorControl::PictureBitmap() const
{
    return m_pictureBitmap ? m_pictureBitmap->Handle() : platform::gdi::HBITMAP{};
}

void IndicatorControl::SetBorderColor(OLE_COLOR colour)
{
    m_borderColor = colour;
    Changed("BorderColor");
}

void IndicatorControl::SetMin(double value)
{
    m_min = value;
    Changed("Min");
}

void IndicatorControl::SetMax(double value)
{
    m_max = value;
    Changed("Max");
}

void IndicatorControl::SetValue(double value)
{
    if (!(value > m_max))
        m_value = value;
    Changed("Value");
}

void IndicatorControl::ShowAboutBox()
{
    try {
        if (m_site)
            m_site->ShowAboutBox();
    } catch (const std::exception&) {
    }
}

void IndicatorControl::UserControl_Click()
{
    if (m_site)
        m_site->RaiseEvent(1, "Click", nullptr);
}

void IndicatorControl::UserControl_DblClick()
{
    if (m_site)
        m_site->RaiseEvent(2, "DblClick", nullptr);
}

void IndicatorControl::UserControl_MouseDown(std::int16_t& button, std::int16_t& shift, float& x,
                                             float& y)
{
    MouseEventArgs args{button, shift, x, y};
    if (m_site)
        m_site->RaiseEvent(3, "MouseDown", &args);
}

void IndicatorControl::UserControl_MouseMove(std::int16_t& button, std::int16_t& shift, float& x,
                                             float& y)
{
    MouseEventArgs args{button, shift, x, y};
    if (m_site)
        m_site->RaiseEvent(4, "MouseMove", &args);
}

void IndicatorControl::UserControl_MouseUp(std::int16_t& button, std::int16_t& shift, float& x,
                                           float& y)
{
    MouseEventArgs args{button, shift, x, y};
    if (m_site)
        m_site->RaiseEvent(5, "MouseUp", &args);
}

void IndicatorControl::UserControl_Resize()
{
    DrawProgress();
    if (m_site)
        m_site->RaiseEvent(6, "Resize", nullptr);
}

void IndicatorControl::UserControl_Show()
{
    DrawProgress();
}

void IndicatorControl::SquareToHeight()
{
    if (m_site)
        m_site->SetWidth(m_site->Height());
}

void IndicatorControl::DrawProgress()
{
    if (!m_site || !m_surface)
        return;
    PaintSurface& s = *m_surface;
    s.SetBackColor(m_backColor);
    s.SetForeColor(m_foreColor);
    s.SetFont(m_font);
    s.Cls();
    Paint(s);
    m_site->Refresh();
}

void IndicatorControl::UseAmbientFont()
{
    if (m_site)
        m_font = m_site->AmbientFont();
}

namespace {

platform::com::StdFont AmbientOf(const IndicatorSite* site)
{
    return site ? site->AmbientFont() : platform::com::StdFont{};
}

} // namespace

void IndicatorControl::ReadFont(const platform::com::PropertyBag& bag)
{
    SetFont(bag.ReadProperty("Font", platform::com::Variant(AmbientOf(m_site))).ToFont());
}

void IndicatorControl::WriteFont(platform::com::PropertyBag& bag) const
{
    bag.WriteProperty("Font", platform::com::Variant(m_font),
                      platform::com::Variant(AmbientOf(m_site)));
}

void IndicatorControl::ReadPicture(const platform::com::PropertyBag& bag)
{
    const platform::com::Variant none{platform::com::Picture()};
    SetPicture(bag.ReadProperty("Picture", none).ToPicture());
}

void IndicatorControl::WritePicture(platform::com::PropertyBag& bag) const
{
    bag.WriteProperty("Picture", platform::com::Variant(m_picture),
                      platform::com::Variant(platform::com::Picture()));
}

OLE_COLOR ReadColour(const platform::com::PropertyBag& bag, const char* key, OLE_COLOR fallback)
{
    return bag.ReadProperty(key, platform::com::Variant(std::int32_t(fallback))).ToColor().value;
}

void WriteColour(platform::com::PropertyBag& bag, const char* key, OLE_COLOR colour,
                 OLE_COLOR fallback)
{
    bag.WriteProperty(key, platform::com::Variant(std::int32_t(colour)),
                      platform::com::Variant(std::int32_t(fallback)));
}

} // namespace kolvetra
