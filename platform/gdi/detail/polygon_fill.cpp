#include "platform/gdi/detail/polygon_fill.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/gdi/detail/pixels.h"

namespace platform::gdi::detail {

namespace {

// Rows and columns far outside any image cannot be painted; keeping them out bounds the work.
constexpr std::int64_t kLimit = 1 << 20;

// A region straight from its rows, in the banded form the toolkit's regions hold: each row's
// spans sorted, apart and not touching, and a run of rows with the same spans one band.
class BandBuilder {
public:
    // Spans of row y, left to right, none touching the next; rows come in rising order.
    void AddRow(int y, const std::vector<std::pair<int, int>>& spans)
    {
        if (spans.empty())
            return;
        if (m_bandRows > 0 && y == m_bandTop + m_bandRows && spans == m_bandSpans) {
            ++m_bandRows;
            return;
        }
        Flush();
        m_bandTop = y;
        m_bandRows = 1;
        m_bandSpans = spans;
    }
    QRegion Finish()
    {
        Flush();
        QRegion region;
        if (!m_rects.empty())
            region.setRects(m_rects.data(), int(m_rects.size()));
        return region;
    }

private:
    void Flush()
    {
        for (const auto& [from, to] : m_bandSpans)
            m_rects.emplace_back(from, m_bandTop, to - from, m_bandRows);
        m_bandSpans.clear();
        m_bandRows = 0;
    }

    std::vector<QRect> m_rects;
    std::vector<std::pair<int, int>> m_bandSpans;
    int m_bandTop = 0;
    int m_bandRows = 0;
};

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
    BandBuilder bands;
    std::vector<Crossing> crossings;
    std::vector<std::pair<int, int>> spans;
    for (std::int64_t y = minY; y < maxY; ++y) {
        crossings.clear();
        spans.clear();
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
            if (first >= last)
                return;
            // Spans come left to right; one that meets the last continues it.
            if (!spans.empty() && spans.back().second >= int(first))
                spans.back().second = std::max(spans.back().second, int(last));
            else
                spans.emplace_back(int(first), int(last));
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
        bands.AddRow(int(y), spans);
    }
    return bands.Finish();
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
            TileSpan(image, y, r.left(), r.right() + 1, brush.image);
        }
    }
}

} // namespace platform::gdi::detail
