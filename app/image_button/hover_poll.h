#pragma once

#include <functional>
#include <string>

#include "platform/gdi/types.h"
#include "platform/hosting/window_handle.h"

namespace quorvel {

// Where the pointer was and which window lay under it, as one tick of the hover poll saw it.
struct PointerSample {
    platform::gdi::Point point;
    platform::hosting::HWND under = 0;
};

// The hover poll's timer of one button (its tmrChkStatus): 150 ms, enabled and disabled as a
// timer is, but ticking from one clock that all buttons share. Asking the display where the
// pointer is costs a round trip to the display server, and a window holds many buttons, so the
// clock asks once per tick for all of them, and does not run at all while no button's poll is
// enabled.
class HoverTimer {
public:
    static constexpr int kIntervalMs = 150;

    explicit HoverTimer(std::string name);
    ~HoverTimer();
    HoverTimer(const HoverTimer&) = delete;
    HoverTimer& operator=(const HoverTimer&) = delete;

    const std::string& Name() const { return m_name; }
    int Interval() const { return kIntervalMs; }
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    bool Running() const { return m_enabled; }

    // Raises Timer now, as the next tick would, if the timer runs. Returns whether it was
    // raised.
    bool FireTick();

    std::function<void()> Timer;

private:
    std::string m_name;
    bool m_enabled = false;
};

// The pointer's place and the window under it: inside a tick of the shared clock, read from
// the display at most once for all buttons; outside one (a single timer's FireTick), read
// afresh.
PointerSample SamplePointer();

// Whether the shared clock runs, that is whether any button polls.
bool HoverClockRunning();

// Runs one tick of the shared clock now, as its timer would: every running HoverTimer ticks,
// in the order they were made. False when no poll runs.
bool FireHoverTick();

} // namespace quorvel
