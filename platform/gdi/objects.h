#pragma once

#include <cstddef>

#include "platform/gdi/types.h"

// Lifetime of drawing objects: selection into a DC, deletion and the count of live objects.
namespace platform::gdi {

// Stock objects: never counted as live, never deleted.
constexpr int NULL_BRUSH = 5;
constexpr int DEFAULT_GUI_FONT = 17;
// NULL_BRUSH and DEFAULT_GUI_FONT; any other index gives a null handle.
HGDIOBJ GetStockObject(int index);

// Makes a brush, font or bitmap the DC's current one of its kind and returns the one it
// replaces. Fails with a null handle for an invalid DC or object, for a region, and for a bitmap
// on a DC that draws on a control's image (only a memory DC takes a bitmap).
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object);

// Frees a brush, region, font or bitmap. Fails (false, and the object stays alive) for a null or
// stale handle and for an object that is selected into a DC: select the previous object back
// first. A stock object is left alone and true returned.
bool DeleteObject(HGDIOBJ object);

ObjectKind KindOf(HGDIOBJ object);

// Objects made and not yet deleted: brushes, regions, fonts, bitmaps and memory DCs. A test
// takes the count before and after a paint to show the paint deleted everything it made.
struct LiveObjects {
    std::size_t brushes = 0;
    std::size_t regions = 0;
    std::size_t fonts = 0;
    std::size_t bitmaps = 0;
    std::size_t memoryDcs = 0;
    std::size_t total() const { return brushes + regions + fonts + bitmaps + memoryDcs; }
    bool operator==(const LiveObjects&) const = default;
};
LiveObjects CountLiveObjects();

} // namespace platform::gdi
