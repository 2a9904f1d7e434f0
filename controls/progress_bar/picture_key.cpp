#include "controls/progress_bar/picture_key.h"

#include "platform/gdi/font.h"

namespace kolvetra {

PictureKey KeyOf(const ProgressBarProperties& properties, const AnimationState& animation,
                 const PaintSurface& surface, const QImage& image)
{
    PictureKey key;
    key.properties = properties;
    key.properties.Value = 0;
    key.properties.Min = 0;
    key.properties.Max = 0;
    key.value = FootprintOf(properties, surface);
    key.animation = animation;
    key.width = image.width();
    key.height = image.height();
    // A fill colour that fails to convert leaves the one from the paint before in use.
    key.fillColor = surface.FillColor();
    // A text of unknown alignment is written with the alignment the DC kept.
    key.textAlign = platform::gdi::GetTextAlign(surface.hDC());
    key.decimalSeparator = surface.DecimalSeparator();
    key.textMeasure = platform::gdi::TextMeasureRevision();
    return key;
}

} // namespace kolvetra
