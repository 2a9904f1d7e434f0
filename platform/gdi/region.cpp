#include "platform/gdi/region.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/gdi/detail/object_table.h"
#include "platform/gdi/detail/pixels.h"
#include "platform/gdi/detail/polygon_fill.h"

namespace platform::gdi {

using namespace detail;

HRGN CreatePolygonRgn(const Point* points, int count, int fillMode)
{
    if (!points || count < 2 || (fillMode != ALTERNATE && fillMode != WINDING))
        return {};
    return HRGN{Objects().Add(RegionData{PolygonPixels(points, count, fillMode == WINDING)})};
}

HRGN CreateRectRgn(int left, int top, int right, int bottom)
{
    const int x0 = std::min(left, right), x1 = std::max(left, right);
    const int y0 = std::min(top, bottom), y1 = std::max(top, bottom);
    QRegion pixels;
    if (x0 < x1 && y0 < y1)
        pixels = QRegion(x0, y0, x1 - x0, y1 - y0);
    return HRGN{Objects().Add(RegionData{pixels})};
}

int CombineRgn(HRGN destination, HRGN source1, HRGN source2, int mode)
{
    auto* target = Objects().Find<RegionData>(destination.value);
    auto* a = Objects().Find<RegionData>(source1.value);
    auto* b = Objects().Find<RegionData>(source2.value);
    if (!target || !a || (mode != RGN_COPY && !b))
        return ERROR_REGION;
    QRegion result;
    switch (mode) {
    case RGN_AND:
        result = a->pixels.intersected(b->pixels);
        break;
    case RGN_OR:
        result = a->pixels.united(b->pixels);
        break;
    case RGN_XOR:
        result = a->pixels.xored(b->pixels);
        break;
    case RGN_DIFF:
        result = a->pixels.subtracted(b->pixels);
        break;
    case RGN_COPY:
        result = a->pixels;
        break;
    default:
        return ERROR_REGION;
    }
    target->pixels = result;
    if (result.isEmpty())
        return NULLREGION;
    return result.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

bool FillRgn(HDC hdc, HRGN region, HBRUSH brush)
{
    DcData* dc = FindDc(hdc);
    auto* area = Objects().Find<RegionData>(region.value);
    auto* paint = Objects().Find<BrushData>(brush.value);
    if (!dc || !area || !paint)
        return false;
    QImage* image = DrawTarget(*dc);
    if (!image || brush == NullBrush())
        return true;
    FillPixels(*image, area->pixels, *paint);
    return true;
}

QRegion RegionPixels(HRGN region)
{
    auto* data = Objects().Find<RegionData>(region.value);
    return data ? data->pixels : QRegion();
}

bool PtInRegion(HRGN region, int x, int y)
{
    return RegionPixels(region).contains(QPoint(x, y));
}

} // namespace platform::gdi
