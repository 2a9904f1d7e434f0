#include "controls/private/paint_helpers.h"

#include <algorithm>
#include <cmath>

#include "controls/progress_bar/colour_helpers.h"
#include "platform/arith/conversion.h"
#include "platform/gdi/brush.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/font.h"
#include "platform/gdi/mul_div.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/region.h"

namespace kolvetra {

using namespace platform::arith;
namespace gdi = platform::gdi;

void SetRounded(std::int32_t& target, double value)
{
    Assign(target, [&] { return CLng(value); });
}

void GetCirclePoint(const Point& centre, double angle, double radius, Point& result)
{
    const float rx = TwipsToPixels(float(radius));
    SetRounded(result.x, centre.x + rx * std::sin(angle));
    const float ry = TwipsToPixels(float(radius));
    SetRounded(result.y, centre.y - ry * std::cos(angle));
}

gdi::HFONT CreateValueTextFont(PaintSurface& s, int escapement)
{
    const StdFont& font = s.Font();
    std::int32_t height = 0;
    Assign(height, [&] {
        return -gdi::MulDiv(CLng(font.size), gdi::GetDeviceCaps(s.hDC(), gdi::LOGPIXELSY), 72);
    });
    const std::uint32_t yes = 0xFFFFFFFF;
    return gdi::CreateFontA(height, 0, escapement, 0, font.bold ? 700 : 0, font.italic ? yes : 0,
                            font.underline ? yes : 0, font.strikethrough ? yes : 0, 0, 0, 0, 0, 0,
                            s.FontName());
}

void WriteText(PaintSurface& s, gdi::HFONT font, int x, int y, const std::string& text)
{
    const gdi::HGDIOBJ previous = gdi::SelectObject(s.hDC(), font);
    gdi::TextOutA(s.hDC(), x, y, text, int(text.size()));
    // A font still selected cannot be deleted: the surface's own goes back in first.
    if (previous)
        gdi::SelectObject(s.hDC(), previous);
    gdi::DeleteObject(font);
}

namespace {

void Fill(PaintSurface& s, const std::vector<Point>& points, gdi::HBRUSH brush)
{
    const gdi::HRGN region =
        gdi::CreatePolygonRgn(points.data(), int(points.size()), gdi::ALTERNATE);
    gdi::FillRgn(s.hDC(), region, brush);
    gdi::DeleteObject(brush);
    gdi::DeleteObject(region);
}

} // namespace

void FillSolid(PaintSurface& s, const std::vector<Point>& points, OLE_COLOR colour)
{
    Fill(s, points, gdi::CreateSolidBrush(TranslateColor(colour)));
}

void FillPattern(PaintSurface& s, const std::vector<Point>& points, gdi::HBITMAP bitmap)
{
    Fill(s, points, gdi::CreatePatternBrush(bitmap));
}

void DrawCircle(PaintSurface& s, float x, float y, float radius)
{
    const double cx = TwipsToPixels(x), cy = TwipsToPixels(y);
    const double r = std::abs(TwipsToPixels(radius));
    if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(r) || r > 1e6)
        return;
    // Points no more than half a pixel apart trace the circle pixel by pixel.
    const int count = std::max(8, int(std::ceil(4 * 3.14159265358979 * r)));
    std::vector<Point> points(std::size_t(count) + 1);
    for (int i = 0; i <= count; ++i) {
        const double a = 2 * 3.14159265358979 * i / count;
        SetRounded(points[std::size_t(i)].x, cx + r * std::sin(a));
        SetRounded(points[std::size_t(i)].y, cy - r * std::cos(a));
    }
    gdi::Polyline(s.hDC(), points.data(), int(points.size()));
}

} // namespace kolvetra

namespace kolvetra {

double RangeFraction(double value, double min, double max)
{
    using namespace platform::arith;
    return Div(Sub(value, min), Sub(max, min));
}

double RangePercent(double value, double min, double max)
{
    using namespace platform::arith;
    return Div(Mul(100, Sub(value, min)), Sub(max, min));
}

} // namespace kolvetra
