#pragma once

#include <QImage>
#include <QRgb>
#include <cstdint>

#include "platform/gdi/types.h"

// Pixel writes of the layer: exact, clipped to the image, no antialiasing. They work on the
// image's scan lines and store exactly the words QImage::setPixel would store, so a surface
// painted through them is the same to the last byte.
namespace platform::gdi::detail {

inline QRgb ToQRgb(COLORREF colour)
{
    return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

inline COLORREF FromQRgb(QRgb rgb)
{
    return Rgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

// The formats whose pixels are one 32-bit word each. Every surface of ours is one of them;
// any other format takes the toolkit's per-pixel calls.
inline bool IsWordFormat(const QImage& image)
{
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32 ||
           image.format() == QImage::Format_ARGB32_Premultiplied;
}

// What setPixel stores for a colour: the RGB32 format forces the alpha byte to 255 (as pixel()
// does on reading), the two alpha formats take the word as it is.
inline std::uint32_t StoredWord(const QImage& image, QRgb rgb)
{
    return image.format() == QImage::Format_RGB32 ? 0xFF000000u | rgb : rgb;
}

// The benchmark's baseline: plots, columns, tiles, copies and masks go through the toolkit's
// per-pixel calls again, as they did before the layer wrote scan lines. Off by default.
void ForcePixelCalls(bool on);
bool PixelCallsForced();

// Columns x0..x1-1 of row y.
void FillSpan(QImage& image, int y, int x0, int x1, QRgb rgb);
// Rows y0..y1-1 of column x.
void FillColumn(QImage& image, int x, int y0, int y1, QRgb rgb);
void Plot(QImage& image, int x, int y, QRgb rgb);
// A one-pixel line that covers both end points.
void Line(QImage& image, int x0, int y0, int x1, int y1, QRgb rgb);
// Words `alpha | from[i]` into `to`, for two ranges that do not overlap: alpha 0 copies,
// 0xFF000000 reads an RGB32 source as pixel() does.
void CopyWords(std::uint32_t* __restrict to, const std::uint32_t* __restrict from, int count,
               std::uint32_t alpha);
// Columns x0..x1-1 of row y take the tile's pixels (x mod w, y mod h): the tile lies from the
// image's origin, wherever the span is. The tile is RGB32.
void TileSpan(QImage& image, int y, int x0, int x1, const QImage& tile);

} // namespace platform::gdi::detail
