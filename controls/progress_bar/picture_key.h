#pragma once

#include <QImage>
#include <cstdint>

#include "controls/progress_bar/paint_surface.h"
#include "controls/progress_bar/progress_bar_properties.h"
#include "controls/progress_bar/progress_painter.h"

namespace kolvetra {

// Everything a repaint of a ProgressBar reads: the properties (Value, Min and Max through
// their footprint), the animation position, the surface's size and the state a paint finds on
// it and its DC, the text measure, and the image's contents revision. A repaint whose key
// equals that of the picture on the surface would paint the same pixels again.
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
    qint64 image = 0; // QImage::cacheKey: any write to the image changes it
    bool operator==(const PictureKey&) const = default;
};

// The key of a repaint about to run on the surface over `image` (the image revision left 0:
// the repaint changes it; set it once the picture is on the image).
PictureKey KeyOf(const ProgressBarProperties& properties, const AnimationState& animation,
                 const PaintSurface& surface, const QImage& image);

} // namespace kolvetra
