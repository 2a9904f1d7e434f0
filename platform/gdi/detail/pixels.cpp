#include "platform/gdi/detail/pixels.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform::gdi::detail {

namespace {

bool g_pixelCalls = false;

} // namespace

void ForcePixelCalls(bool on)
{
    g_pixelCalls = on;
}

bool PixelCallsForced()
{
    return g_pixelCalls;
}

void FillSpan(QImage& image, int y, int x0, int x1, QRgb rgb)
{
    if (y < 0 || y >= image.height())
        return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, image.width());
    if (x0 >= x1)
        return;
    if (IsWordFormat(image)) {
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        std::fill(line + x0, line + x1, StoredWord(image, rgb));
        return;
    }
    for (int x = x0; x < x1; ++x)
        image.setPixel(x, y, rgb);
}

void FillColumn(QImage& image, int x, int y0, int y1, QRgb rgb)
{
    if (x < 0 || x >= image.width())
        return;
    y0 = std::max(y0, 0);
    y1 = std::min(y1, image.height());
    if (y0 >= y1)
        return;
    if (!IsWordFormat(image) || PixelCallsForced()) {
        for (int y = y0; y < y1; ++y)
            image.setPixel(x, y, rgb);
        return;
    }
    const std::uint32_t word = StoredWord(image, rgb);
    const qsizetype stride = image.bytesPerLine();
    uchar* at = image.scanLine(y0) + std::size_t(x) * 4;
    for (int y = y0; y < y1; ++y, at += stride)
        *reinterpret_cast<std::uint32_t*>(at) = word;
}

void Plot(QImage& image, int x, int y, QRgb rgb)
{
    FillColumn(image, x, y, y + 1, rgb);
}

void CopyWords(std::uint32_t* __restrict to, const std::uint32_t* __restrict from, int count,
               std::uint32_t alpha)
{
    if (alpha == 0) {
        std::memcpy(to, from, std::size_t(count) * sizeof(std::uint32_t));
        return;
    }
    int i = 0;
#if defined(__SSE2__)
    // Four words at a time: the compiler leaves this loop scalar at our optimisation level.
    const __m128i high = _mm_set1_epi32(int(alpha));
    for (; i + 4 <= count; i += 4) {
        const __m128i words = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i), _mm_or_si128(high, words));
    }
#endif
    for (; i < count; ++i)
        to[i] = alpha | from[i];
}

void TileSpan(QImage& image, int y, int x0, int x1, const QImage& tile)
{
    if (y < 0 || y >= image.height() || tile.isNull())
        return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, image.width());
    if (x0 >= x1)
        return;
    const int width = tile.width();
    const int ty = y % tile.height();
    if (!IsWordFormat(image) || tile.format() != QImage::Format_RGB32 || PixelCallsForced()) {
        for (int x = x0; x < x1; ++x)
            image.setPixel(x, y, tile.pixel(x % width, ty));
        return;
    }
    // An RGB32 tile reads with alpha 255, which every word format then stores as it is. The
    // tile's row is copied in runs up to its right end, then again from its left.
    const auto* source = reinterpret_cast<const std::uint32_t*>(tile.constScanLine(ty));
    auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
    int x = x0;
    int from = x0 % width;
    while (x < x1) {
        const int run = std::min(width - from, x1 - x);
        CopyWords(line + x, source + from, run, 0xFF000000u);
        x += run;
        from = 0;
    }
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
