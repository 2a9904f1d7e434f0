#pragma once

#include <QImage>
#include <cstdint>

#include "controls/progress_bar/paint_surface.h"
#include "controls/progress_bar/progress_bar_properties.h"
#include "controls/progress_bar/progress_painter.h"

namespace kolvetra {

// Everything a repaint of a ProgressBar reads: the properties (Value, Min and Max through
// their footprint), the animation position, the surface's size and the state a paint finds on
// it and its DC, and the text measure. Two repaints with equal keys paint the same pixels.
struct PictureKey {
    ProgressBarProperties properties; // Value, Min and Max zero: `value` stands for them
    ValueFootprint value;
    AnimationState animation;
    int width = 0;
    int height = 0;
    OLE_COLOR fillColor = 0;
    unsigned textAlign = 0;
    char decimalSeparator = 0;
    unsigned textMeasure = 0;
    bool operator==(const PictureKey&) const = default;
};

// The key of a repaint about to run on the surface over `image`.
PictureKey KeyOf(const ProgressBarProperties& properties, const AnimationState& animation,
                 const PaintSurface& surface, const QImage& image);

} // namespace kolvetra
