#pragma once

#include "tests/support/pixels.h"

#include <QImage>
#include <algorithm>
#include <map>
#include <string>

#include "platform/gdi/dc.h"
#include "platform/gdi/types.h"

namespace gdi_test {

// A small image with a DC over it, filled with a colour no drawing call uses, and a way to read
// the pixels back as one letter each.
constexpr platform::gdi::COLORREF kBackground = platform::gdi::Rgb(1, 2, 3);

struct Canvas {
    explicit Canvas(int width, int height)
        : image(Blank(width, height))
        , dc(image)
    {
    }
    static QImage Blank(int width, int height)
    {
        QImage blank(width, height, QImage::Format_RGB32);
        blank.fill(QColor(1, 2, 3));
        return blank;
    }
    platform::gdi::HDC hdc() const { return dc.hdc(); }

    // Rows joined by '\n'; '.' is the background, '?' a colour missing from the legend.
    std::string Map(const std::map<platform::gdi::COLORREF, char>& legend) const
    {
        std::string out;
        for (int y = 0; y < image.height(); ++y) {
            if (y)
                out += '\n';
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                const platform::gdi::COLORREF c = platform::gdi::Rgb(qRed(p), qGreen(p), qBlue(p));
                if (c == kBackground) {
                    out += '.';
                    continue;
                }
                auto it = legend.find(c);
                out += it == legend.end() ? '?' : it->second;
            }
        }
        return out;
    }

    // The smallest rectangle holding every pixel that is not background, right and bottom
    // exclusive; left > right when nothing was painted.
    platform::gdi::Rect PaintedBox() const
    {
        platform::gdi::Rect box{1 << 20, 1 << 20, -1, -1};
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (At(x, y) == kBackground)
                    continue;
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
        }
        return box;
    }

    platform::gdi::COLORREF At(int x, int y) const { return testing_support::PixelAt(image, x, y); }

    QImage image;
    platform::gdi::ImageDC dc;
};

// Joins picture rows for readable expectations.
inline std::string Rows(std::initializer_list<const char*> rows)
{
    std::string out;
    for (const char* row : rows) {
        if (!out.empty())
            out += '\n';
        out += row;
    }
    return out;
}

} // namespace gdi_test
