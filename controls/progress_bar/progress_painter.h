#pragma once

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

// One tick of the animated colour mode before its repaint: turns at the ends of the bar
// (ScaleHeight when vertical, else ScaleWidth) and steps by AnimatedInterval; a step that
// would overflow 32 bits leaves the offset where it is.
void AdvanceAnimation(AnimationState& animation, const ProgressBarProperties& properties,
                      float scaleWidth, float scaleHeight);

} // namespace kolvetra
