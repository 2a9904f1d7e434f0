#pragma once

#include "platform/gdi/types.h"

// Outlines with the DC's pen.
namespace platform::gdi {

// A closed outline through the points. With the pen width 1 it covers every vertex and every
// pixel on the segments between them, the closing one included. The inside is filled with the
// DC's selected brush first, by the region rule of CreatePolygonRgn; the stock null brush that
// every DC starts with fills nothing. False for an invalid DC or fewer than two points.
bool Polygon(HDC hdc, const Point* points, int count);

// An open line through the points, covering every vertex the same way (the last point too).
bool Polyline(HDC hdc, const Point* points, int count);

} // namespace platform::gdi
