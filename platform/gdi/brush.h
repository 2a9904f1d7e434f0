#pragma once

#include "platform/gdi/types.h"

namespace platform::gdi {

// A brush of one colour (the top byte of the value is ignored).
HBRUSH CreateSolidBrush(COLORREF colour);

// A brush that tiles a bitmap from the device origin: pixel (x, y) takes bitmap pixel
// (x mod w, y mod h), wherever the filled region lies. The brush keeps its own copy, so the
// bitmap may be deleted afterwards. Null when the handle names no bitmap.
HBRUSH CreatePatternBrush(HBITMAP bitmap);

} // namespace platform::gdi
