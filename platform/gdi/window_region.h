#pragma once

#include <QImage>
#include <QRegion>
#include <QSize>

#include "platform/gdi/types.h"

// The shape of a control's window, given by SetWindowRgn and applied by the widget that hosts
// the control.
namespace platform::gdi {

// A window starts with its whole rectangle; each SetWindowRgn replaces the shape. Pixels outside
// the shape are not shown and take no mouse clicks; an empty shape hides the whole window and
// lets every click through to what lies below.
class WindowRegion {
public:
    bool IsShaped() const { return m_shaped; }
    // True for an empty shape: nothing shown, no clicks taken.
    bool IsHidden() const { return m_shaped && m_shape.isEmpty(); }
    // The shown pixels; meaningful only while IsShaped().
    const QRegion& Shape() const { return m_shape; }
    // Whether the window of the given size shows, and takes clicks at, the pixel.
    bool Shows(QPoint pixel, QSize size) const;
    // Grows with every accepted SetWindowRgn, so a host sees that it must apply the shape again.
    int Revision() const { return m_revision; }
    bool RedrawRequested() const { return m_redraw; }

private:
    friend int SetWindowRgn(WindowRegion& window, HRGN region, bool redraw);
    bool m_shaped = false;
    QRegion m_shape;
    int m_revision = 0;
    bool m_redraw = false;
};

// Gives the window the region's pixels as its shape, replacing the earlier one; a null handle
// gives the window its whole rectangle back. The window owns the region from then on: the handle
// is freed (it no longer counts as live) and must not be used again. Returns 0 and leaves the
// window's shape as it was for a handle that names no region.
int SetWindowRgn(WindowRegion& window, HRGN region, bool redraw);

// The shape as a one-bit mask of the window's size (1 = shown) for QBitmap::fromImage. The
// toolkit reads an empty mask as "no mask", so a host applies IsHidden() itself: it paints
// nothing and lets mouse events through instead of setting the mask.
QImage WindowMask(const WindowRegion& window, QSize size);

} // namespace platform::gdi
