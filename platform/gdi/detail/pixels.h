#pragma once

#include <QImage>
#include <QRgb>

#include "platform/gdi/types.h"

// Pixel writes of the layer: exact, clipped to the image, no antialiasing.
namespace platform::gdi::detail {

inline QRgb ToQRgb(COLORREF colour)
{
    return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

inline COLORREF FromQRgb(QRgb rgb)
{
    return Rgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

// Columns x0..x1-1 of row y.
void FillSpan(QImage& image, int y, int x0, int x1, QRgb rgb);
void Plot(QImage& image, int x, int y, QRgb rgb);
// A one-pixel line that covers both end points.
void Line(QImage& image, int x0, int y0, int x1, int y1, QRgb rgb);

} // namespace platform::gdi::detail
