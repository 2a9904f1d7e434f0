#pragma once

#include <cstdint>
#include <vector>

#include "controls/private/Coordinate.h"
#include "platform/gdi/types.h"

namespace kolvetra {

// One cell of a wheel ring: the corners of a closed polygon, whole pixel values.
using WheelCell = std::vector<Coordinate>;

// The cells of both rings, numbered from 1 in the original (index 0 here).
struct WheelGeometry {
    std::vector<WheelCell> outer;
    std::vector<WheelCell> inner;
};

// The width of one cell in degrees, the 1-degree gap included: (361 - fields) / fields rounded
// half to even, plus 1 while fields cells of that width leave part of the circle over. 0
// fields leave the division undone, which gives a step of 1.
std::int32_t WheelStep(std::int32_t fields);

// Both rings of a wheel whose radius is `radius` twips around the pixel point `centre`: the
// outer ring (0.7 R to 0.9 R) from 1 to 359 degrees, the inner ring (0.5 R to 0.65 R) turned by
// `turn` degrees. Each cell runs clockwise along the outer edge for `step` points, one per
// degree, and comes back along the inner edge, stopping 4 degrees short; consecutive cells
// leave a gap of one degree.
WheelGeometry BuildWheelGeometry(std::int32_t fields, std::int32_t turn, double radius,
                                 const platform::gdi::Point& centre);

// The pixel points of a cell, for the drawing calls.
std::vector<platform::gdi::Point> CellPoints(const WheelCell& cell);

} // namespace kolvetra
