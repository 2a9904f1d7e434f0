#pragma once

#include "platform/gdi/types.h"

#include <QImage>
#include <QRect>

namespace testing_support {

// The pixel at x, y as a drawing-layer colour (0x00BBGGRR).
inline platform::gdi::COLORREF PixelAt(const QImage& image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return platform::gdi::Rgb(qRed(p), qGreen(p), qBlue(p));
}

// How many pixels have the colour.
inline int CountOf(const QImage& image, platform::gdi::COLORREF colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            n += PixelAt(image, x, y) == colour;
    }
    return n;
}

// The smallest rectangle holding every pixel of the colour; a null rectangle when none has it.
inline QRect BoxOf(const QImage& image, platform::gdi::COLORREF colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (PixelAt(image, x, y) == colour)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

} // namespace testing_support
