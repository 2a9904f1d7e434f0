#pragma once

#include <cstdint>

class QWidget;

namespace platform::hosting {

class UserControl;

// A window handle: the 32-bit number the original platform gave each window, which controls
// pass around and compare (a button asks whether the window under the cursor is its own).
// 0 names no window.
using HWND = std::int32_t;

// The handle of a widget, given on first ask and kept for the widget's life; numbers are never
// reused, so a handle of a destroyed window names nothing. 0 for a null widget.
HWND HandleOf(QWidget* widget);
// The widget a handle names, or null once it is destroyed.
QWidget* WidgetOf(HWND hwnd);
// The user control whose surface the handle names, or null.
UserControl* UserControlOf(HWND hwnd);

// The window a point of `widget` belongs to in the original's terms: the nearest widget, the
// widget itself or one of its parents, that is a user control's surface or a top-level window.
// Children that the original drew without a window of their own (labels, pictures, a user
// control's inner parts) thus count as their container's window.
QWidget* OwningWindow(QWidget* widget);

namespace detail {
void RegisterSurface(QWidget* surface, UserControl* control);
void UnregisterSurface(QWidget* surface);
} // namespace detail

} // namespace platform::hosting
