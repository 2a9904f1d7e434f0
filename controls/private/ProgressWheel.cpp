#include "controls/private/ProgressWheel.h"

#include <algorithm>

#include "controls/private/paint_helpers.h"
#include "controls/private/window_shaping.h"
#include "controls/progress_bar/colour_helpers.h"
#include "platform/arith/conversion.h"
#include "platform/arith/number_text.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/font.h"
#include "platform/gdi/objects.h"

namespace kolvetra {

using namespace platform::arith;
using platform::com::Variant;
namespace gdi = platform::gdi;

namespace {

constexpr double kPi = 3.14159265358979;

// The wheel's radius R in twips and its centre C in pixels.
struct Hub {
    double radius = 0;
    Point centre;

    explicit Hub(const PaintSurface& s)
    {
        const float R = s.ScaleWidth() * kTwipsPerPixel / 2;
        radius = R;
        SetRounded(centre.x, TwipsToPixels(R));
        SetRounded(centre.y, TwipsToPixels(R));
    }
    // P(f, d): the point at d degrees on the circle of f x R.
    Point At(double fraction, double degrees) const
    {
        Point p;
        GetCirclePoint(centre, degrees * kPi / 180, fraction * radius, p);
        return p;
    }
};

void Outline(PaintSurface& s, const std::vector<Point>& points)
{
    gdi::Polygon(s.hDC(), points.data(), int(points.size()));
}

// A channel of the ramp brought into 0..255: cells numbered above Fields run past the start
// colour.
std::int32_t Channel(double value)
{
    std::int32_t channel = 0;
    Assign(channel, [&] { return CLng(std::clamp(value, 0.0, 255.0)); });
    return channel;
}

} // namespace

void ProgressWheel::SetBackStyle(std::int32_t value)
{
    m_backStyle = value;
    Changed("BackStyle");
}

void ProgressWheel::SetStartFillColor(OLE_COLOR colour)
{
    m_startFillColor = colour;
    Changed("StartFillColor");
}

void ProgressWheel::SetEndFillColor(OLE_COLOR colour)
{
    m_endFillColor = colour;
    Changed("EndFillColor");
}

void ProgressWheel::SetCounterColor(OLE_COLOR colour)
{
    m_counterColor = colour;
    Changed("CounterColor");
}

void ProgressWheel::SetFontColor(OLE_COLOR colour)
{
    m_fontColor = colour;
    Changed("FontColor");
}

void ProgressWheel::SetFields(std::int32_t value)
{
    m_fields = value;
    Changed("Fields");
}

void ProgressWheel::SetMouseIcon(const platform::com::Picture& icon)
{
    m_mouseIcon = icon;
    if (Site())
        Site()->SetMouseIcon(icon);
    if (Site())
        Site()->PropertyChanged("MouseIcon");
}

void ProgressWheel::SetMousePointer(std::int32_t value)
{
    if (value < -32768 || value > 32767)
        platform::Raise(6);
    m_mousePointer = value;
    if (Site())
        Site()->SetMousePointer(std::int16_t(value));
    if (Site())
        Site()->PropertyChanged("MousePointer");
}

void ProgressWheel::SetTimer(std::int32_t interval)
{
    m_timerInterval = interval;
    if (Site())
        Site()->SetTimerInterval(interval);
}

void ProgressWheel::StartTimer(std::int32_t timerLength)
{
    Skip([&] { SetMin(0); });
    Skip([&] { SetMax(timerLength); });
    Skip([&] { SetValue(0); });
    Skip([&] { SetTimer(1); });
}

void ProgressWheel::Timer1_Timer()
{
    SetTimer(0);
    const double before = m_value;
    const double offered = Add(m_value, 1);
    SetValue(offered);
    // From 2^53 on, Value + 1 is Value again: a step that lands where it started is refused too.
    if (m_value == offered && offered != before && m_value != m_max)
        SetTimer(1);
}

void ProgressWheel::UserControl_InitProperties()
{
    UseAmbientFont();
    SetValue(0);
    SetMin(0);
    SetMax(100);
    m_borderColor = 0xC0C0C0;
    SetBackColor(0xE0E0E0);
    m_startFillColor = 0xFF;
    m_endFillColor = 0xFF;
    m_counterColor = 0x80;
    m_fontColor = 0xFFFFFF;
    SetForeColor(0x808080);
    m_fields = 18;
}

void ProgressWheel::UserControl_ReadProperties(const platform::com::PropertyBag& bag)
{
    ReadFont(bag);
    ReadPicture(bag);
    m_borderColor = ReadColour(bag, "BorderColor", 0xC0C0C0);
    SetBackColor(ReadColour(bag, "BackColor", 0xE0E0E0));
    m_startFillColor = ReadColour(bag, "StartFillColor", 255);
    m_endFillColor = ReadColour(bag, "EndFillColor", 255);
    m_counterColor = ReadColour(bag, "CounterColor", 128);
    m_fontColor = ReadColour(bag, "FontColor", 0xFFFFFF);
    SetForeColor(ReadColour(bag, "ForeColor", 0x808080));
    m_min = bag.ReadProperty("Min", Variant(std::int16_t(0))).ToDouble();
    m_max = bag.ReadProperty("Max", Variant(std::int16_t(100))).ToDouble();
    SetValue(bag.ReadProperty("Value", Variant(std::int16_t(0))).ToDouble());
    m_fields = bag.ReadProperty("Fields", Variant(std::int16_t(18))).ToInt32();
    m_backStyle = bag.ReadProperty("BackStyle", Variant(std::int16_t(0))).ToInt32();
}

void ProgressWheel::UserControl_WriteProperties(platform::com::PropertyBag& bag) const
{
    WriteFont(bag);
    WritePicture(bag);
    WriteColour(bag, "BorderColor", m_borderColor, 0xC0C0C0);
    WriteColour(bag, "BackColor", BackColor(), 0xE0E0E0);
    WriteColour(bag, "StartFillColor", m_startFillColor, 255);
    WriteColour(bag, "EndFillColor", m_endFillColor, 255);
    WriteColour(bag, "CounterColor", m_counterColor, 128);
    WriteColour(bag, "FontColor", m_fontColor, 0xFFFFFF);
    WriteColour(bag, "ForeColor", ForeColor(), 0x808080);
    bag.WriteProperty("Value", Variant(Value()), Variant(std::int16_t(0)));
    bag.WriteProperty("Min", Variant(m_min), Variant(std::int16_t(0)));
    bag.WriteProperty("Max", Variant(m_max), Variant(std::int16_t(100)));
    bag.WriteProperty("Fields", Variant(m_fields), Variant(std::int16_t(18)));
    bag.WriteProperty("BackStyle", Variant(m_backStyle), Variant(std::int16_t(0)));
}

void ProgressWheel::UserControl_Resize()
{
    SquareToHeight();
    IndicatorControl::UserControl_Resize();
}

void ProgressWheel::Paint(PaintSurface& s)
{
    double t = 0;
    std::int32_t turn = 0;
    Assign(t, [&] { return Mul(RangeFraction(m_value, m_min, m_max), 360); });
    Assign(turn, [&] { return CLng(Fix(Mul(Sub(t, Fix(t)), 360))); });
    const Hub hub(s);
    m_cells = BuildWheelGeometry(m_fields, turn, hub.radius, hub.centre);

    DrawRing(s);
    auto drawEmpty = [&](const WheelCell& cell) {
        const std::vector<Point> points = CellPoints(cell);
        const OLE_COLOR fore = s.ForeColor();
        s.SetForeColor(m_borderColor);
        Outline(s, points);
        s.SetForeColor(fore);
        FillSolid(s, points, s.ForeColor());
    };
    for (std::size_t i = 0; i < m_cells.inner.size(); ++i) {
        if (i < m_cells.outer.size())
            drawEmpty(m_cells.outer[i]);
        drawEmpty(m_cells.inner[i]);
    }
    s.SetDrawWidth(1);
    DrawHubBand(s);

    double percent = 0;
    Assign(percent, [&] { return RangePercent(m_value, m_min, m_max); });
    DrawValueText(s, percent);
    DrawFields(s);
    if (m_backStyle == 1)
        MakeTransparent(s, BackColor());
    else if (m_shaped)
        Unshape();
}

void ProgressWheel::DrawRing(PaintSurface& s)
{
    const Hub hub(s);
    std::vector<Point> points{hub.At(0.95, 0)};
    for (int d = 1; d <= 360; ++d)
        points.push_back(hub.At(0.95, d));
    for (int d = 359; d >= 0; --d)
        points.push_back(hub.At(0.42, d));
    FillSolid(s, points, m_borderColor);
}

void ProgressWheel::DrawHubBand(PaintSurface& s)
{
    const Hub hub(s);
    std::vector<Point> points{hub.At(0.45, 240)};
    for (int d = 241; d <= 300; ++d)
        points.push_back(hub.At(0.45, d));
    for (int d = 60; d <= 120; ++d)
        points.push_back(hub.At(0.45, d));
    FillSolid(s, points, s.ForeColor());
}

void ProgressWheel::DrawValueText(PaintSurface& s, const double& percent)
{
    const Hub hub(s);
    const OLE_COLOR fore = s.ForeColor();
    s.SetForeColor(m_fontColor);
    const gdi::HFONT font = CreateValueTextFont(s, 0);
    // + 0.0 keeps a truncated -0.5 from showing as "-0".
    const std::string text = GeneralNumberText(Fix(percent) + 0.0) + "%";
    const double size = s.Font().size;
    std::int32_t x = 0, y = 0;
    SetRounded(x, TwipsToPixels(s.ScaleWidth() * kTwipsPerPixel / 2));
    SetRounded(y, TwipsToPixels(s.ScaleHeight() * kTwipsPerPixel / 2) + size / 2 * 0.75);
    gdi::SetTextAlign(s.hDC(), gdi::TA_CENTER | gdi::TA_BASELINE);
    WriteText(s, font, x, y, text);
    s.SetForeColor(fore);

    const std::vector<Point> band{hub.At(0.65, 250), hub.At(0.65, 290), hub.At(0.65, 70),
                                  hub.At(0.65, 110)};
    s.SetDrawWidth(2);
    s.SetForeColor(BackColor());
    Outline(s, band);
    s.SetDrawWidth(1);
    s.SetForeColor(fore);
}

void ProgressWheel::DrawFields(PaintSurface& s)
{
    double f = 0;
    Assign(f, [&] { return Mul(RangeFraction(m_value, m_min, m_max), m_fields); });
    double empty = 0, counter = 0;
    Assign(empty, [&] { return Sub(m_fields, Fix(f)); });
    Assign(counter, [&] { return Fix(Mul(Sub(f, Fix(f)), m_fields)); });
    if (counter < empty)
        empty += 1;

    std::int32_t Re = 0, Ge = 0, Be = 0, Rs = 0, Gs = 0, Bs = 0;
    SplitColor(TranslateColor(m_endFillColor), Re, Ge, Be);
    SplitColor(TranslateColor(m_startFillColor), Rs, Gs, Bs);
    double dR = 0, dG = 0, dB = 0;
    Assign(dR, [&] { return Div(Rs - Re, m_fields); });
    Assign(dG, [&] { return Div(Gs - Ge, m_fields); });
    Assign(dB, [&] { return Div(Bs - Be, m_fields); });

    const auto& outer = m_cells.outer;
    for (std::size_t n = outer.size(); n >= 1; --n) {
        const double i = double(n);
        if (i < empty)
            break;
        const std::vector<Point> points = CellPoints(outer[n - 1]);
        if (HasPicture()) {
            FillPattern(s, points, PictureBitmap());
        } else {
            Skip([&] {
                s.SetFillColor(
                    RGB(Channel(Re + i * dR), Channel(Ge + i * dG), Channel(Be + i * dB)));
            });
            FillSolid(s, points, s.FillColor());
        }
    }

    if (counter == 0 && empty <= m_fields)
        counter = m_fields;
    if (m_min < m_value && m_value < m_max && counter >= 1 && counter <= double(outer.size()))
        FillSolid(s, CellPoints(outer[std::size_t(counter) - 1]), m_counterColor);

    const OLE_COLOR fore = s.ForeColor();
    s.SetForeColor(m_borderColor);
    for (std::size_t i = 0; i < m_cells.inner.size() && i < outer.size(); ++i)
        Outline(s, CellPoints(outer[i]));
    s.SetForeColor(fore);
}

void ProgressWheel::MakeTransparent(PaintSurface& s, OLE_COLOR colour)
{
    std::int32_t width = 0, height = 0;
    SetRounded(width, s.ScaleWidth());
    SetRounded(height, s.ScaleHeight());
    const gdi::HRGN region = CreateRegionFromDC(s.hDC(), width, height, TransparentColour(colour));
    // The window owns a region it took; one it refused would otherwise be left behind.
    if (Site()->SetWindowRgn(region, true))
        m_shaped = true;
    else
        gdi::DeleteObject(region);
}

void ProgressWheel::Unshape()
{
    // The original kept the last cut after BackStyle went back to 0, so an opaque wheel grown
    // later stayed clipped to its old outline and unclickable outside it.
    if (Site()->SetWindowRgn(gdi::HRGN{}, true))
        m_shaped = false;
}

} // namespace kolvetra
