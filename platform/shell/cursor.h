#pragma once

#include <functional>

#include <QPoint>

#include "platform/gdi/types.h"
#include "platform/hosting/window_handle.h"

// Where the pointer is and which window lies under a point of the screen.
namespace platform::shell {

// Fills `point` with the cursor's position in screen pixels. False (and `point` untouched)
// for a null pointer.
bool GetCursorPos(gdi::Point* point);

// The window under a point of the screen, in the original's terms (platform::hosting::
// OwningWindow): over any part of a user control, its own window, also over its inner labels
// and pictures; 0 when no window of the program lies there. A user control whose window shape
// leaves the point out is not under it.
hosting::HWND WindowFromPoint(gdi::Point point);

// Replaces where GetCursorPos reads the position from, so tests move a cursor of their own;
// an empty function gives the real cursor back.
using CursorSource = std::function<QPoint()>;
void SetCursorSource(CursorSource source);

} // namespace platform::shell
