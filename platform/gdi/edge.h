#pragma once

#include "platform/gdi/types.h"

// Three-dimensional borders in the classic system colours.
namespace platform::gdi {

constexpr unsigned BDR_RAISEDOUTER = 1;
constexpr unsigned BDR_SUNKENOUTER = 2;
constexpr unsigned BDR_RAISEDINNER = 4;
constexpr unsigned BDR_SUNKENINNER = 8;
constexpr unsigned EDGE_RAISED = 5;
constexpr unsigned EDGE_SUNKEN = 10;
constexpr unsigned EDGE_ETCHED = 6;
constexpr unsigned EDGE_BUMP = 9;

constexpr unsigned BF_LEFT = 1;
constexpr unsigned BF_TOP = 2;
constexpr unsigned BF_RIGHT = 4;
constexpr unsigned BF_BOTTOM = 8;
constexpr unsigned BF_RECT = 15;
constexpr unsigned BF_MIDDLE = 0x800;
constexpr unsigned BF_SOFT = 0x1000;
constexpr unsigned BF_ADJUST = 0x2000;
constexpr unsigned BF_FLAT = 0x4000;
constexpr unsigned BF_MONO = 0x8000;

// Draws up to two one-pixel rings on the sides the flags name. With both an outer and an inner
// band the outer one is the outermost ring and the inner one lies a pixel further in; a single
// band, inner or not, is drawn on the outermost ring. For (l, t, r, b): the top row t spans
// l..r-2 and the left column l rows t..b-2 in the top/left colour; the bottom row b-1 spans
// l..r-1 and the right column r-1 rows t..b-1 in the bottom/right colour, so the top-left corner
// is top/left and the other three corners bottom/right. BF_MIDDLE fills the inside with the
// button face (window when mono); BF_ADJUST shrinks `rect` by the bands on each painted side.
// BF_SOFT changes the top/left colours, BF_FLAT draws outer bands in the shadow and inner ones
// in the face colour, BF_MONO outer bands in the window frame and inner ones in the window
// colour; mono wins over flat, flat over soft. A flat or mono single inner band keeps its inner
// colour. False for an invalid DC.
bool DrawEdge(HDC hdc, Rect& rect, unsigned edge, unsigned flags);

} // namespace platform::gdi
