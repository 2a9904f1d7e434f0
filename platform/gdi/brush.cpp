#include "platform/gdi/brush.h"

#include "platform/gdi/detail/object_table.h"

namespace platform::gdi {

using namespace detail;

HBRUSH CreateSolidBrush(COLORREF colour)
{
    return HBRUSH{Objects().Add(BrushData{false, colour & 0xFFFFFF, QImage()})};
}

HBRUSH CreatePatternBrush(HBITMAP bitmap)
{
    auto* data = Objects().Find<BitmapData>(bitmap.value);
    if (!data || data->image.isNull())
        return {};
    return HBRUSH{Objects().Add(BrushData{true, 0, data->image})};
}

} // namespace platform::gdi
