#pragma once

#include <QImage>

#include <cstdint>
#include <string_view>

#include "platform/com/picture.h"
#include "platform/com/std_font.h"
#include "platform/gdi/types.h"

namespace kolvetra {

// The mouse arguments of MouseDown, MouseMove and MouseUp, passed on by reference: a handler
// may change them.
struct MouseEventArgs {
    std::int16_t& Button;
    std::int16_t& Shift;
    float& X;
    float& Y;
};

// The user-control surface that a host gives one of the private indicators. The control calls
// it; the host calls the control's UserControl_... and Timer1_Timer entries for its events.
class IndicatorSite {
public:
    virtual ~IndicatorSite() = default;

    // The surface's persistent backing image, one pixel per device pixel at 15 twips a pixel.
    // The same object for the life of the site (a resize assigns a new image to it).
    virtual QImage& Image() = 0;
    // The backing image has been painted: show it on the screen.
    virtual void Refresh() = 0;
    // Reports a change of a persisted property (the name is also its bag key).
    virtual void PropertyChanged(std::string_view name) = 0;
    virtual platform::com::StdFont AmbientFont() const = 0;
    // Raises the control's event `index` (1 Click, 2 DblClick, 3 MouseDown, 4 MouseMove,
    // 5 MouseUp, 6 Resize) to the host; `mouse` is null for the events without arguments.
    virtual void RaiseEvent(int index, std::string_view name, MouseEventArgs* mouse) = 0;
    // The control's outer height in twips, as the host keeps it (not rounded to pixels).
    virtual float Height() const = 0;
    // Sets the control's outer width in twips; the host resizes the surface (and raises its
    // Resize again when the size changed).
    virtual void SetWidth(float twips) = 0;
    // The child timer `Timer1`: 0 stops it, any other interval (ms) starts it; every tick
    // calls the control's Timer1_Timer.
    virtual void SetTimerInterval(std::int32_t milliseconds) = 0;
    virtual void SetMousePointer(std::int16_t pointer) = 0;
    virtual void SetMouseIcon(const platform::com::Picture& icon) = 0;
    // Makes the region the window's shape (platform::gdi::SetWindowRgn's contract: the window
    // owns the region from then on; 0 when the handle names no region).
    virtual int SetWindowRgn(platform::gdi::HRGN region, bool redraw) = 0;
    // Shows the library's about dialog modally without an owner window, a fresh one each time.
    virtual void ShowAboutBox() = 0;
};

} // namespace kolvetra
