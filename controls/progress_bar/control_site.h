#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/com/picture.h"
#include "platform/com/std_font.h"

namespace kolvetra {

// The user-control surface that a host gives a progress control: its backing image, the
// change report, the ambient font, the child timer and the mouse pointer. The host's
// user-control hosting implements it; the control calls it, never the other way round, and
// the host calls the control's UserControl_... and Timer1_Timer entries for its events.
class ControlSite {
public:
    virtual ~ControlSite() = default;

    // The surface's persistent backing image: its size is ScaleWidth by ScaleHeight in
    // pixels. The same object for the life of the site (a resize assigns a new image to it).
    virtual QImage& Image() = 0;
    // The backing image has been painted: show it on the screen.
    virtual void Refresh() = 0;
    // The control's picture is out of date: before the site next shows the backing image (its
    // next paint, at the latest within the next DoEvents that paints), it calls `paint`, which
    // draws the latest state and calls Refresh.
    virtual void Invalidate(const std::function<void()>& paint) = 0;
    // Tells the host that a persisted property has changed (marks its form dirty).
    virtual void PropertyChanged(std::string_view name) = 0;
    virtual platform::com::StdFont AmbientFont() const = 0;
    // The child timer `Timer1`: 0 stops it, any other interval (ms) starts it; every tick
    // calls the control's Timer1_Timer.
    virtual void SetTimerInterval(std::int32_t milliseconds) = 0;
    virtual void SetMousePointer(std::int16_t pointer) = 0;
    virtual void SetMouseIcon(const platform::com::Picture& icon) = 0;
    // Lets the host's pending paints and timers run (the end of every repaint).
    virtual void DoEvents() = 0;
    // The window that owns the control's dialogs (null: none).
    virtual QWidget* Window() const = 0;
};

} // namespace kolvetra
