#include "controls/private/ProgressCounter.h"

#include <cmath>

#include "controls/private/paint_helpers.h"
#include "platform/arith/conversion.h"
#include "platform/arith/number_text.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/font.h"

namespace kolvetra {

using namespace platform::arith;
using platform::com::Variant;
namespace gdi = platform::gdi;

namespace {

constexpr double kPi = 3.14159265358979;

// px(v): twips to whole pixels, half to even.
std::int32_t Px(float twips)
{
    std::int32_t pixels = 0;
    SetRounded(pixels, TwipsToPixels(twips));
    return pixels;
}

void Line(PaintSurface& s, std::initializer_list<Point> points)
{
    const std::vector<Point> list(points);
    gdi::Polyline(s.hDC(), list.data(), int(list.size()));
}

} // namespace

std::vector<Point> SweepPolygon(double angle, const Point& C, const Point& T, const Point& P,
                                std::int32_t Wp, std::int32_t Hp)
{
    if (angle >= 1.75 * kPi)
        return {C, T, P};
    if (angle >= 1.25 * kPi)
        return {C, T, {0, 0}, P};
    if (angle >= 0.75 * kPi)
        return {C, T, {0, 0}, {0, Hp}, P};
    if (angle >= 0.25 * kPi)
        return {C, T, {0, 0}, {0, Hp}, {Wp, Hp}, P};
    return {C, T, {0, 0}, {0, Hp}, {Wp, Hp}, {Wp, 0}, P};
}

void ProgressCounter::SetFillColor(OLE_COLOR colour)
{
    m_fillColor = colour;
    Changed("FillColor");
}

void ProgressCounter::SetMaxCount(std::int32_t value)
{
    m_maxCount = value;
    Changed("MaxCount");
}

void ProgressCounter::UserControl_InitProperties()
{
    UseAmbientFont();
    SetValue(0);
    SetMin(0);
    SetMax(100);
    SetMaxCount(10);
    SetBorderColor(0x80000006);
    SetBackColor(0x8000000F);
    SetFillColor(0x808080);
    SetForeColor(0x80000012);
}

void ProgressCounter::UserControl_ReadProperties(const platform::com::PropertyBag& bag)
{
    ReadFont(bag);
    SetBorderColor(ReadColour(bag, "BorderColor", 0x80000006));
    SetBackColor(ReadColour(bag, "BackColor", 0x8000000F));
    SetFillColor(ReadColour(bag, "FillColor", 0x808080));
    SetForeColor(ReadColour(bag, "ForeColor", 0x80000012));
    m_min = bag.ReadProperty("Min", Variant(std::int16_t(0))).ToDouble();
    m_max = bag.ReadProperty("Max", Variant(std::int16_t(100))).ToDouble();
    SetValue(bag.ReadProperty("Value", Variant(std::int16_t(0))).ToDouble());
    m_maxCount = bag.ReadProperty("MaxCount", Variant(std::int16_t(10))).ToInt32();
    ReadPicture(bag);
}

void ProgressCounter::UserControl_WriteProperties(platform::com::PropertyBag& bag) const
{
    WriteFont(bag);
    WriteColour(bag, "BorderColor", BorderColor(), 0x80000006);
    WriteColour(bag, "BackColor", BackColor(), 0x8000000F);
    WriteColour(bag, "FillColor", m_fillColor, 0x808080);
    WriteColour(bag, "ForeColor", ForeColor(), 0x80000012);
    bag.WriteProperty("Value", Variant(Value()), Variant(std::int16_t(0)));
    bag.WriteProperty("Min", Variant(Min()), Variant(std::int16_t(0)));
    bag.WriteProperty("Max", Variant(Max()), Variant(std::int16_t(100)));
    bag.WriteProperty("MaxCount", Variant(m_maxCount), Variant(std::int16_t(10)));
    WritePicture(bag);
}

void ProgressCounter::UserControl_Resize()
{
    SquareToHeight();
    IndicatorControl::UserControl_Resize();
}

void ProgressCounter::Paint(PaintSurface& s)
{
    const float W = s.ScaleWidth() * kTwipsPerPixel, H = s.ScaleHeight() * kTwipsPerPixel;
    DrawSweep(s);

    const OLE_COLOR fore = s.ForeColor();
    s.SetForeColor(BorderColor());
    DrawCircle(s, W / 2, H / 2, H / 2 * 0.8f);
    DrawCircle(s, W / 2, H / 2, H / 2 * 0.7f);
    Line(s, {{0, Px(H / 2)}, {Px(W), Px(H / 2)}});
    Line(s, {{Px(W / 2), 0}, {Px(W / 2), Px(H)}});
    const float near = 0.05f * H, arm = 0.15f * H, armW = 0.15f * W;
    Line(s, {{Px(near), Px(arm)}, {Px(near), Px(near)}, {Px(armW), Px(near)}});
    Line(s, {{Px(H - near), Px(arm)}, {Px(H - near), Px(near)}, {Px(H - armW), Px(near)}});
    Line(s,
         {{Px(H - near), Px(H - arm)}, {Px(H - near), Px(H - near)}, {Px(H - armW), Px(H - near)}});
    Line(s, {{Px(near), Px(H - arm)}, {Px(near), Px(H - near)}, {Px(armW), Px(H - near)}});
    s.SetForeColor(fore);
    s.SetDrawWidth(1);

    double percent = 0;
    if (Assign(percent, [&] { return RangePercent(m_value, m_min, m_max); }))
        DrawValueText(s, percent);
}

void ProgressCounter::DrawSweep(PaintSurface& s)
{
    if (m_value == m_max)
        return;
    const float W = s.ScaleWidth() * kTwipsPerPixel, H = s.ScaleHeight() * kTwipsPerPixel;
    const Point C{Px(W / 2), Px(W / 2)};
    const Point T{Px(W / 2), 0};
    double unit = 0, rest = 0, angle = 0;
    Assign(unit, [&] { return Div(Sub(m_max, m_min), m_maxCount); });
    // The share of the current unit that has run, counted from Min like the percentage.
    Assign(rest, [&] {
        const double run = Sub(m_value, m_min);
        return Sub(run, Mul(Fix(Div(run, unit)), unit));
    });
    Assign(rest, [&] { return Div(Mul(rest, 100), unit); });
    angle = 2 * kPi * rest / 100;
    Point P;
    GetCirclePoint(C, angle, std::sqrt(double(W) * W + double(W) * W), P);
    const std::vector<Point> vertices = SweepPolygon(angle, C, T, P, Px(W), Px(H));
    if (HasPicture())
        FillPattern(s, vertices, PictureBitmap());
    else
        FillSolid(s, vertices, m_fillColor);
}

void ProgressCounter::DrawValueText(PaintSurface& s, const double& percent)
{
    const float W = s.ScaleWidth() * kTwipsPerPixel, H = s.ScaleHeight() * kTwipsPerPixel;
    std::string text;
    Skip(
        [&] { text = GeneralNumberText(Fix(Div(Mul(Sub(100, percent), m_maxCount), 100)) + 0.0); });
    const double size = s.Font().size;
    std::int32_t x = Px(W / 2), y = 0;
    SetRounded(y, TwipsToPixels(H / 2) + size / 2);
    const gdi::HFONT font = CreateValueTextFont(s, 0);
    gdi::SetTextAlign(s.hDC(), gdi::TA_CENTER | gdi::TA_BASELINE);
    WriteText(s, font, x, y, text);
}

} // namespace kolvetra
