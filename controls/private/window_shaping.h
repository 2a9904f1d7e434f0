#pragma once

#include <string>

#include "platform/gdi/types.h"

namespace kolvetra {

// The window region of every pixel of the drawing on `hdc` (width by height pixels) whose
// colour differs from `colour` (an RGB value): one rectangle, one pixel high, per maximal run
// of such pixels in a row. The drawing is copied once into a 24-bit bottom-up bitmap and read
// back as one block. Width or height 0 gives an empty region. The caller owns the region.
platform::gdi::HRGN CreateRegionFromDC(platform::gdi::HDC hdc, int width, int height,
                                       platform::gdi::COLORREF colour);

// The RGB value a back colour is cleared in: a system colour resolved, any other value's
// colour bytes.
platform::gdi::COLORREF TransparentColour(platform::gdi::OLE_COLOR colour);

// True when the module exports the function. A module that is not loaded yet is loaded for
// the look-up and released again; one that is loaded stays as it was. A module that cannot be
// loaded exports nothing.
bool IsFunctionExported(const std::string& functionName, const std::string& moduleName);

} // namespace kolvetra
