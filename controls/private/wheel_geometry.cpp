#include "controls/private/wheel_geometry.h"

#include <map>

#include "controls/private/paint_helpers.h"
#include "platform/arith/conversion.h"

namespace kolvetra {

using namespace platform::arith;
using platform::gdi::Point;

namespace {

constexpr double kPi = 3.14159265358979;

struct Ring {
    const Point& centre;
    double radius;

    // P(f, d): the point at d degrees on the circle of f x R.
    Point At(double fraction, double degrees) const
    {
        Point p;
        GetCirclePoint(centre, degrees * kPi / 180, fraction * radius, p);
        return p;
    }

    void Build(std::vector<WheelCell>& cells, double inner, double outer, Point first,
               std::int32_t from, std::int32_t to, std::int32_t closing, std::int32_t step) const
    {
        auto corner = [](const Point& p) { return Coordinate{double(p.x), double(p.y)}; };
        std::map<std::int32_t, Point> innerEdge;
        std::int32_t k = 0;
        WheelCell open{corner(first)};
        for (std::int32_t i = from; i <= to; ++i) {
            if (k == step) {
                const std::int32_t n = std::int32_t(open.size()) - 5;
                for (std::int32_t j = 1; j <= n; ++j)
                    open.push_back(corner(innerEdge[i - j]));
                cells.push_back(std::move(open));
                k = 0;
                open = {corner(At(inner, i + 1))};
            }
            innerEdge[i] = At(inner, i);
            open.push_back(corner(At(outer, i)));
            ++k;
        }
        open.push_back(corner(At(inner, closing)));
        const std::int32_t n = std::int32_t(open.size()) - 5;
        for (std::int32_t j = 0; j < n; ++j)
            open.push_back(corner(innerEdge[to - j]));
        cells.push_back(std::move(open));
    }
};

} // namespace

std::int32_t WheelStep(std::int32_t fields)
{
    std::int32_t step = 0;
    Assign(step, [&] { return CLng(Div(361.0 - fields, fields)); });
    // A product outside 32 bits fails in the original and leaves the step as it is.
    const double left = 360.0 - double(fields) * step;
    if (double(fields) * step >= -2147483648.0 && double(fields) * step <= 2147483647.0 && left > 0)
        ++step;
    return step;
}

WheelGeometry BuildWheelGeometry(std::int32_t fields, std::int32_t turn, double radius,
                                 const Point& centre)
{
    const std::int32_t step = WheelStep(fields);
    const Ring ring{centre, radius};
    WheelGeometry g;
    ring.Build(g.outer, 0.7, 0.9, ring.At(0.7, 1), 1, 359, 359, step);
    ring.Build(g.inner, 0.5, 0.65, ring.At(0.5, turn), turn, turn + 360, turn - 1, step);
    return g;
}

std::vector<Point> CellPoints(const WheelCell& cell)
{
    std::vector<Point> points;
    points.reserve(cell.size());
    for (const Coordinate& c : cell)
        points.push_back({std::int32_t(c.X), std::int32_t(c.Y)});
    return points;
}

} // namespace kolvetra
