#pragma once

#include <cstdint>
#include <string>

#include "controls/progress_bar/paint_surface.h"
#include "controls/progress_bar/progress_bar_properties.h"

// The painting of a ProgressBar, independent of the component model: properties in, pixels on
// the surface out. Each routine runs under the runtime's resume-next rule: a failing statement
// (a division by zero, a conversion out of range, a rejected colour channel) is skipped, its
// target keeps its earlier value and painting goes on; nothing reaches the caller.
namespace kolvetra {

// Repaints the whole control: hands Font, BackColor and ForeColor to the surface, clears it,
// paints the smooth bar or the fields, the frame chosen by SpecialEffects and the value text,
// then calls the surface's DoEvents. Every drawing object it makes is deleted before it returns.
// The percentage counts from Min: 100 x (Value - Min) / (Max - Min).
void DrawProgress(const ProgressBarProperties& properties, const AnimationState& animation,
                  PaintSurface& surface);

// The continuous bar of the smooth mode for a percentage (nothing at or below 0).
void DrawSmoothBar(const ProgressBarProperties& properties, const AnimationState& animation,
                   PaintSurface& surface, double pct);

// The segmented fields of the standard mode.
void DrawFields(const ProgressBarProperties& properties, const AnimationState& animation,
                PaintSurface& surface);

// Writes TextBeforeValue, the text and TextAfterValue as one string, placed by TextAlignment
// and turned upright on a vertical bar. On return `text` holds that full string.
void DrawValueText(const ProgressBarProperties& properties, PaintSurface& surface,
                   std::string& text);

// What the painters derive from Value, Min and Max, each as DrawProgress computes it; they read
// the three through these alone.
// The smooth bar's length in pixels for a percentage (0 when it cannot be computed).
std::int32_t SmoothLength(const ProgressBarProperties& properties, const PaintSurface& surface,
                          double pct);
// The number of segmented fields the bar has room for, and how many of them a value lights.
std::int32_t FieldCount(const ProgressBarProperties& properties, const PaintSurface& surface);
std::int32_t LitFields(const ProgressBarProperties& properties, std::int32_t fieldCount);
// The value text before TextBeforeValue and TextAfterValue go round it; false when none is
// written (an unknown ValueType, or a percentage that cannot be shown).
bool ValueText(const ProgressBarProperties& properties, const PaintSurface& surface,
               std::string& text);
// The percentage that places a text aligned by value (0 when it cannot be computed).
double TextPercent(const ProgressBarProperties& properties);

// Everything of Value, Min and Max that shows in the picture: two values with the same
// footprint and otherwise the same properties and surface paint the same pixels.
struct ValueFootprint {
    bool barShown = false;      // the smooth bar
    std::int32_t barLength = 0; // its length when shown
    std::int32_t litFields = 0; // the segmented mode
    bool textShown = false;
    std::string text;
    double textPercent = 0; // only for a text aligned by value
    bool operator==(const ValueFootprint&) const = default;
};
ValueFootprint FootprintOf(const ProgressBarProperties& properties, const PaintSurface& surface);

// One tick of the animated colour mode before its repaint: turns at the ends of the bar
// (ScaleHeight when vertical, else ScaleWidth) and steps by AnimatedInterval; a step that
// would overflow 32 bits leaves the offset where it is.
void AdvanceAnimation(AnimationState& animation, const ProgressBarProperties& properties,
                      float scaleWidth, float scaleHeight);

} // namespace kolvetra
