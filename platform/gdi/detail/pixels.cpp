#include "platform/gdi/detail/pixels.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace platform::gdi::detail {

namespace {

bool Is32Bit(const QImage& image)
{
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32 ||
           image.format() == QImage::Format_ARGB32_Premultiplied;
}

} // namespace

void FillSpan(QImage& image, int y, int x0, int x1, QRgb rgb)
{
    if (y < 0 || y >= image.height())
        return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, image.width());
    if (x0 >= x1)
        return;
    if (Is32Bit(image)) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line + x0, line + x1, rgb);
        return;
    }
    for (int x = x0; x < x1; ++x)
        image.setPixel(x, y, rgb);
}

void Plot(QImage& image, int x, int y, QRgb rgb)
{
    if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
        image.setPixel(x, y, rgb);
}

void Line(QImage& image, int x0, int y0, int x1, int y1, QRgb rgb)
{
    // A segment reaching far outside is cut down first, so huge coordinates cannot make the walk
    // below take billions of steps. Within the margin the walk is the exact one.
    constexpr double kMargin = 4096;
    const double left = -kMargin, top = -kMargin;
    const double right = image.width() + kMargin, bottom = image.height() + kMargin;
    auto outside = [&](int x, int y) { return x < left || y < top || x > right || y > bottom; };
    if (outside(x0, y0) || outside(x1, y1)) {
        double t0 = 0, t1 = 1;
        const double fx = x0, fy = y0, ddx = double(x1) - x0, ddy = double(y1) - y0;
        const double p[4] = {-ddx, ddx, -ddy, ddy};
        const double q[4] = {fx - left, right - fx, fy - top, bottom - fy};
        for (int i = 0; i < 4; ++i) {
            if (p[i] == 0) {
                if (q[i] < 0)
                    return;
                continue;
            }
            const double t = q[i] / p[i];
            if (p[i] < 0)
                t0 = std::max(t0, t);
            else
                t1 = std::min(t1, t);
        }
        if (t0 > t1)
            return;
        const int nx0 = static_cast<int>(std::lround(fx + t0 * ddx));
        const int ny0 = static_cast<int>(std::lround(fy + t0 * ddy));
        const int nx1 = static_cast<int>(std::lround(fx + t1 * ddx));
        const int ny1 = static_cast<int>(std::lround(fy + t1 * ddy));
        x0 = nx0;
        y0 = ny0;
        x1 = nx1;
        y1 = ny1;
    }
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        Plot(image, x0, y0, rgb);
        if (x0 == x1 && y0 == y1)
            return;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

} // namespace platform::gdi::detail
