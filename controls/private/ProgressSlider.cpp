#include "controls/private/ProgressSlider.h"

#include <algorithm>

#include "controls/private/paint_helpers.h"
#include "platform/arith/conversion.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/edge.h"
#include "platform/gdi/font.h"

namespace kolvetra {

using namespace platform::arith;
using platform::com::Variant;
namespace gdi = platform::gdi;

namespace {

std::vector<Point> Corners(double left, double top, double right, double bottom)
{
    std::vector<Point> points(4);
    SetRounded(points[0].x, left);
    SetRounded(points[0].y, top);
    SetRounded(points[1].x, right);
    SetRounded(points[1].y, top);
    SetRounded(points[2].x, right);
    SetRounded(points[2].y, bottom);
    SetRounded(points[3].x, left);
    SetRounded(points[3].y, bottom);
    return points;
}

void Line(PaintSurface& s, const std::vector<Point>& points)
{
    gdi::Polyline(s.hDC(), points.data(), int(points.size()));
}

} // namespace

void ProgressSlider::SetSpecialEffects(zemSpecialEffects value)
{
    m_specialEffects = value;
    Changed("SpecialEffects");
}

void ProgressSlider::SetTextBackColor(OLE_COLOR colour)
{
    m_textBackColor = colour;
    Changed("TextBackColor");
}

void ProgressSlider::SetAlignment(zemAlignment value)
{
    m_alignment = value;
    Changed("Alignment");
}

void ProgressSlider::SetFillColor(OLE_COLOR colour)
{
    m_fillColor = colour;
    Changed("FillColor");
}

void ProgressSlider::UserControl_InitProperties()
{
    UseAmbientFont();
    SetValue(0);
    SetMin(0);
    SetMax(100);
    SetBorderColor(0x80000015);
    SetBackColor(0x8000000F);
    m_textBackColor = 0x4040;
    SetFillColor(0xFF0000);
    SetForeColor(0x8000000E);
}

void ProgressSlider::UserControl_ReadProperties(const platform::com::PropertyBag& bag)
{
    auto number = [&](const char* key) {
        return bag.ReadProperty(key, Variant(std::int32_t(0))).ToInt32();
    };
    ReadFont(bag);
    SetSpecialEffects(zemSpecialEffects(number("SpecialEffects")));
    SetAlignment(zemAlignment(number("Alignment")));
    SetBorderColor(ReadColour(bag, "BorderColor", 0x80000015));
    SetBackColor(ReadColour(bag, "BackColor", 0x8000000F));
    m_textBackColor = ReadColour(bag, "TextBackColor", 0x4040);
    SetFillColor(ReadColour(bag, "FillColor", 0xFF0000));
    SetForeColor(ReadColour(bag, "ForeColor", 0x8000000E));
    SetMin(bag.ReadProperty("Min", Variant(std::int32_t(0))).ToDouble());
    SetMax(bag.ReadProperty("Max", Variant(std::int32_t(100))).ToDouble());
    SetValue(bag.ReadProperty("Value", Variant(std::int32_t(0))).ToDouble());
    ReadPicture(bag);
}

void ProgressSlider::UserControl_WriteProperties(platform::com::PropertyBag& bag) const
{
    auto number = [](std::int32_t n) { return Variant(n); };
    WriteFont(bag);
    bag.WriteProperty("SpecialEffects", number(std::int32_t(m_specialEffects)), number(0));
    bag.WriteProperty("Alignment", number(std::int32_t(m_alignment)), number(0));
    WriteColour(bag, "BorderColor", BorderColor(), 0x80000015);
    WriteColour(bag, "BackColor", BackColor(), 0x8000000F);
    WriteColour(bag, "TextBackColor", m_textBackColor, 0x4040);
    WriteColour(bag, "FillColor", m_fillColor, 0xFF0000);
    WriteColour(bag, "ForeColor", ForeColor(), 0x8000000E);
    bag.WriteProperty("Value", Variant(Value()), number(0));
    bag.WriteProperty("Min", Variant(Min()), number(0));
    bag.WriteProperty("Max", Variant(Max()), number(100));
    WritePicture(bag);
}

void ProgressSlider::Paint(PaintSurface& s)
{
    double pct = 0;
    const bool known = Assign(pct, [&] { return RangePercent(m_value, m_min, m_max); });
    if (known)
        DrawBar(s, pct);
    const OLE_COLOR fore = s.ForeColor();
    DrawFrame(s);
    s.SetForeColor(fore);
    s.SetDrawWidth(1);
    if (known)
        DrawSlider(s, pct);
}

void ProgressSlider::DrawFrame(PaintSurface& s)
{
    const double W = s.ScaleWidth(), H = s.ScaleHeight();
    gdi::Rect rect;
    SetRounded(rect.top, 2);
    SetRounded(rect.right, W);
    SetRounded(rect.bottom, H - 2);
    const std::int32_t style = std::int32_t(m_specialEffects);
    if (style == 0) {
        // Drawn with whatever pen the last paint left: the thumb's 2 pixels from the second
        // paint on.
        s.SetForeColor(BorderColor());
        const std::vector<Point> outline = Corners(2, 2, W - 2, H - 2);
        gdi::Polygon(s.hDC(), outline.data(), 4);
        return;
    }
    static constexpr unsigned kEdges[] = {gdi::BDR_RAISEDINNER, gdi::BDR_SUNKENINNER,
                                          gdi::EDGE_RAISED,     gdi::EDGE_SUNKEN,
                                          gdi::EDGE_ETCHED,     gdi::EDGE_BUMP};
    if (style >= 1 && style <= 6)
        gdi::DrawEdge(s.hDC(), rect, kEdges[style - 1], gdi::BF_RECT);
}

void ProgressSlider::DrawBar(PaintSurface& s, double pct)
{
    if (!(pct > 0))
        return;
    const double W = s.ScaleWidth(), H = s.ScaleHeight();
    std::int32_t len = 0;
    std::vector<Point> bar;
    // A bar longer than the surface shows just what one pixel past its end shows; cutting it
    // there keeps a huge percentage from filling a million rows nobody sees.
    if (m_alignment == zemAlignment::zemHorizontal) {
        SetRounded(len, (W - 2) * pct / 100);
        len = std::min<std::int32_t>(len, std::int32_t(W) + 1);
        bar = Corners(2, 2, len, H - 2);
    } else {
        SetRounded(len, (H - 2) * pct / 100);
        len = std::min<std::int32_t>(len, std::int32_t(H) + 1);
        bar = Corners(2, H - 2, W - 2, H - len);
    }
    if (HasPicture())
        FillPattern(s, bar, PictureBitmap());
    else
        FillSolid(s, bar, m_fillColor);
}

void ProgressSlider::DrawSlider(PaintSurface& s, double pct)
{
    const double W = s.ScaleWidth(), H = s.ScaleHeight();
    const double T = s.TextWidth("100%");
    const double size = s.Font().size;
    const bool horizontal = m_alignment == zemAlignment::zemHorizontal;
    const OLE_COLOR fore = s.ForeColor();
    const gdi::HFONT font = CreateValueTextFont(s, horizontal ? 0 : 900);

    std::string text;
    Skip([&] { text = std::to_string(CLng(pct)) + "%"; });

    double c = 0, left = 0, top = 0, right = 0, bottom = 0;
    if (horizontal) {
        Assign(c, [&] { return Add(Div(Mul(Div(Mul(W, pct), 100), W - T), W), 1.1 * T / 2); });
        left = c - 1.1 * T / 2;
        right = left + 1.1 * T;
        top = 0;
        bottom = H;
    } else {
        Assign(c, [&] { return Add(Div(Mul(Div(Mul(H, pct), 100), H - T), H), 1.1 * T / 2); });
        bottom = H - (c - 1.1 * T / 2);
        top = H - (c - 1.1 * T / 2 + 1.1 * T);
        left = 0;
        right = W;
    }
    const std::vector<Point> thumb = Corners(left, top, right, bottom);
    FillSolid(s, thumb, m_textBackColor);

    s.SetForeColor(BorderColor());
    s.SetDrawWidth(2);
    Line(s, thumb);
    s.SetForeColor(0xFFFFFF);
    std::vector<Point> light(3);
    SetRounded(light[0].x, left + 2);
    SetRounded(light[0].y, bottom - 2);
    SetRounded(light[1].x, left + 2);
    SetRounded(light[1].y, top + 2);
    SetRounded(light[2].x, right - 2);
    SetRounded(light[2].y, top + 2);
    Line(s, light);
    s.SetForeColor(BorderColor());
    std::vector<Point> shadow(3);
    SetRounded(shadow[0].x, right - 2);
    SetRounded(shadow[0].y, top + 2);
    SetRounded(shadow[1].x, right - 2);
    SetRounded(shadow[1].y, bottom - 2);
    SetRounded(shadow[2].x, left + 2);
    SetRounded(shadow[2].y, bottom - 2);
    Line(s, shadow);

    std::int32_t x = 0, y = 0;
    if (horizontal) {
        SetRounded(x, (left + right) / 2);
        SetRounded(y, (top + bottom) / 2 + size / 2);
    } else {
        SetRounded(x, (left + right) / 2 + size / 2);
        SetRounded(y, (top + bottom) / 2);
    }
    gdi::SetTextAlign(s.hDC(), gdi::TA_CENTER | gdi::TA_BASELINE);
    s.SetForeColor(fore);
    WriteText(s, font, x, y, text);
}

} // namespace kolvetra
