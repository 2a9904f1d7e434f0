#pragma once

#include "platform/gdi/types.h"
#include "platform/hosting/window_handle.h"

namespace platform::hosting {

// Makes the region the shape of the user control's window, replacing the earlier shape at
// once; the window owns the region from then on (the handle is freed). An empty region hides
// the whole control and lets every click through to what lies below; a null region gives the
// window its whole rectangle back. Returns 0 and changes nothing for a handle that names no
// user control or a handle that names no region.
// The original accepted any window; only user controls are shaped here.
int SetWindowRgn(HWND hwnd, gdi::HRGN region, bool redraw);

} // namespace platform::hosting
