#pragma once

#include <QRegion>

#include "platform/gdi/types.h"

// Regions: sets of whole pixels.
namespace platform::gdi {

constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;

// The pixels inside a polygon: row y meets an edge from y1 to y2 when y1 <= y < y2, and on a row
// the pixels whose centres lie inside are taken. An axis-parallel rectangle with corners
// (x1, y1), (x2, y2) thus covers columns min..max-1 and rows min..max-1, in any vertex order;
// a polygon of zero width or height is an empty region. Sides that do not cross give the same
// region in both fill modes. Null for fewer than two points or an unknown mode.
HRGN CreatePolygonRgn(const Point* points, int count, int fillMode);

// Columns min(l, r)..max(l, r)-1 and rows min(t, b)..max(t, b)-1; (0, 0, 0, 0) is empty.
HRGN CreateRectRgn(int left, int top, int right, int bottom);

constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;
// Result of CombineRgn.
constexpr int ERROR_REGION = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

// destination := source1 <mode> source2 (RGN_COPY ignores source2). The destination may be one
// of the sources. Returns the kind of the result, ERROR_REGION for a bad handle or mode.
int CombineRgn(HRGN destination, HRGN source1, HRGN source2, int mode);

// Paints exactly the region's pixels with the brush. False for a bad DC, region or brush.
bool FillRgn(HDC hdc, HRGN region, HBRUSH brush);

// The region's pixels; empty for a bad handle.
QRegion RegionPixels(HRGN region);
bool PtInRegion(HRGN region, int x, int y);

} // namespace platform::gdi
