#pragma once

#include <QImage>
#include <QRegion>

#include "platform/gdi/detail/object_table.h"
#include "platform/gdi/types.h"

namespace platform::gdi::detail {

// The pixel set of a polygon by the layer's region rule (see CreatePolygonRgn).
QRegion PolygonPixels(const Point* points, int count, bool winding);

// Paints the pixels with a solid or pattern brush; the pattern is tiled from (0, 0).
void FillPixels(QImage& image, const QRegion& pixels, const BrushData& brush);

} // namespace platform::gdi::detail
