#include "platform/gdi/detail/polygon_fill.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/gdi/detail/pixels.h"

namespace platform::gdi::detail {

namespace {

// Rows and columns far outside any image cannot be painted; keeping them out bounds the work.
constexpr std::int64_t kLimit = 1 << 20;

// Unites in halves, so that many one-row spans cost n log n rather than n squared.
QRegion UniteAll(const std::vector<QRect>& rects, std::size_t from, std::size_t to)
{
    if (to - from == 0)
        return {};
    if (to - from == 1)
        return QRegion(rects[from]);
    const std::size_t middle = from + (to - from) / 2;
    return UniteAll(rects, from, middle).united(UniteAll(rects, middle, to));
}

// An axis-parallel rectangle in any vertex order: every region the progress painters make. Its
// pixels are columns min..max-1 and rows min..max-1 whichever the fill mode, so it needs no
// walk over its rows, which for a bar reaching far off the surface are a million.
bool IsAxisRectangle(const Point* p, int count)
{
    if (count != 4)
        return false;
    return (p[0].y == p[1].y && p[1].x == p[2].x && p[2].y == p[3].y && p[3].x == p[0].x) ||
           (p[0].x == p[1].x && p[1].y == p[2].y && p[2].x == p[3].x && p[3].y == p[0].y);
}

} // namespace

QRegion PolygonPixels(const Point* points, int count, bool winding)
{
    if (IsAxisRectangle(points, count)) {
        auto clamp = [](std::int64_t v) { return std::clamp(v, -kLimit, kLimit); };
        const std::int64_t x0 = clamp(std::min(points[0].x, points[2].x));
        const std::int64_t x1 = clamp(std::max(points[0].x, points[2].x));
        const std::int64_t y0 = clamp(std::min(points[0].y, points[2].y));
        const std::int64_t y1 = clamp(std::max(points[0].y, points[2].y));
        if (x0 >= x1 || y0 >= y1)
            return {};
        return QRegion(int(x0), int(y0), int(x1 - x0), int(y1 - y0));
    }
    std::int64_t minY = points[0].y, maxY = points[0].y;
    for (int i = 1; i < count; ++i) {
        minY = std::min<std::int64_t>(minY, points[i].y);
        maxY = std::max<std::int64_t>(maxY, points[i].y);
    }
    minY = std::max(minY, -kLimit);
    maxY = std::min(maxY, kLimit);

    struct Crossing {
        double x;
        int direction;
    };
    std::vector<QRect> rects;
    std::vector<Crossing> crossings;
    for (std::int64_t y = minY; y < maxY; ++y) {
        crossings.clear();
        for (int i = 0; i < count; ++i) {
            const Point& a = points[i];
            const Point& b = points[(i + 1) % count];
            if (a.y == b.y)
                continue;
            const std::int64_t lo = std::min(a.y, b.y), hi = std::max(a.y, b.y);
            if (y < lo || y >= hi)
                continue;
            const double x = a.x + double(y - a.y) * (double(b.x) - a.x) / (double(b.y) - a.y);
            crossings.push_back({x, b.y > a.y ? 1 : -1});
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
        // A pixel is in when its centre x + 0.5 lies in [from, to): columns ceil(from - 0.5)
        // to ceil(to - 0.5) - 1.
        auto addSpan = [&](double from, double to) {
            const double first = std::max(std::ceil(from - 0.5), -double(kLimit));
            const double last = std::min(std::ceil(to - 0.5), double(kLimit));
            if (first < last)
                rects.emplace_back(int(first), int(y), int(last - first), 1);
        };
        if (!winding) {
            for (std::size_t i = 0; i + 1 < crossings.size(); i += 2)
                addSpan(crossings[i].x, crossings[i + 1].x);
        } else {
            int number = 0;
            for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
                number += crossings[i].direction;
                if (number != 0)
                    addSpan(crossings[i].x, crossings[i + 1].x);
            }
        }
    }
    return UniteAll(rects, 0, rects.size());
}

void FillPixels(QImage& image, const QRegion& pixels, const BrushData& brush)
{
    const QRegion visible = pixels.intersected(image.rect());
    for (const QRect& r : visible) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            if (!brush.pattern) {
                FillSpan(image, y, r.left(), r.right() + 1, ToQRgb(brush.colour));
                continue;
            }
            const QImage& tile = brush.image;
            const int ty = y % tile.height();
            for (int x = r.left(); x <= r.right(); ++x)
                image.setPixel(x, y, tile.pixel(x % tile.width(), ty));
        }
    }
}

} // namespace platform::gdi::detail
