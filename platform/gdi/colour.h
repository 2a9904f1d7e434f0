#pragma once

#include <cstdint>

#include "platform/gdi/types.h"

// System colours of the classic scheme and the component model's colour translation.
namespace platform::gdi {

constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWFRAME = 6;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_BTNHIGHLIGHT = 20;
constexpr int COLOR_3DDKSHADOW = 21;
constexpr int COLOR_3DLIGHT = 22;
constexpr int COLOR_INFOBK = 24;

// The RGB value of system colour 0..24; 0 for any other index.
COLORREF GetSysColor(int index);

using HRESULT = std::int32_t;
constexpr HRESULT S_OK = 0;
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057);

// An OLE colour to RGB: 0x800000nn becomes system colour nn (E_INVALIDARG above 24); a value
// with top byte 0 or 2 (an RGB or palette-relative RGB value) gives its RGB bytes; any other
// top byte is E_INVALIDARG. `result` is left alone on failure and may be null.
HRESULT OleTranslateColor(OLE_COLOR colour, const void* palette, COLORREF* result);

} // namespace platform::gdi
