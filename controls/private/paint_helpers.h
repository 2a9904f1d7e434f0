#pragma once

#include <cstdint>
#include <vector>

#include "controls/progress_bar/paint_surface.h"
#include "platform/gdi/types.h"

// Drawing steps the private indicators share. Like every painter of the library they run
// under the resume-next rule: a failing step is skipped and painting goes on.
namespace kolvetra {

using platform::gdi::Point;

// The surface's fixed scale: 15 twips a pixel, both ways.
constexpr float kTwipsPerPixel = 15;

// ScaleX / ScaleY from twips to pixels, unrounded (single precision).
inline float TwipsToPixels(float twips)
{
    return twips / kTwipsPerPixel;
}

// The pixel point at `angle` (radians from 12 o'clock, clockwise) on the circle of `radius`
// twips around the pixel point `centre`, each coordinate rounded half to even. A coordinate
// that cannot be computed keeps the value `result` held.
void GetCirclePoint(const Point& centre, double angle, double radius, Point& result);

// The value-text font made from the surface's font: height -MulDiv(size rounded half to even,
// LOGPIXELSY, 72), weight 700 when bold else 0, the style flags, the surface's face name.
// The caller deletes it.
platform::gdi::HFONT CreateValueTextFont(PaintSurface& surface, int escapement);

// Selects the font, writes the text with the DC's alignment, selects the surface's own font
// back and deletes ours.
void WriteText(PaintSurface& surface, platform::gdi::HFONT font, int x, int y,
               const std::string& text);

// Fills the polygon with a solid brush of the colour. A system colour is translated to its RGB
// value first, as the pen's colour is, so that it draws the colour it names.
void FillSolid(PaintSurface& surface, const std::vector<Point>& points, OLE_COLOR colour);
// Fills the polygon with a brush that tiles the bitmap; nothing for a bitmap handle of 0.
void FillPattern(PaintSurface& surface, const std::vector<Point>& points,
                 platform::gdi::HBITMAP bitmap);

// The outline of a circle, centre and radius in twips, with the surface's pen; not filled.
void DrawCircle(PaintSurface& surface, float x, float y, float radius);

// Rounds half to even into 32 bits; a value that does not fit leaves `target` unchanged.
void SetRounded(std::int32_t& target, double value);

} // namespace kolvetra

namespace kolvetra {

// Where Value stands in the range, counted from Min: (Value - Min) / (Max - Min). Raises
// error 11 or 6 when Max equals Min or the result is not finite, so that a caller skipping the
// statement never sees a NaN.
double RangeFraction(double value, double min, double max);

// The percentage Value stands at in the range, counted from Min: 100 * (Value - Min) /
// (Max - Min), multiplied before dividing as ProgressBar does, so that a whole percentage
// (29 of 100) is not shown one below. Raises as RangeFraction does.
double RangePercent(double value, double min, double max);

} // namespace kolvetra
