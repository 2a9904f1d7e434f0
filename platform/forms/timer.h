#pragma once

#include <functional>
#include <memory>
#include <string>

class QTimer;

namespace platform::forms {

// The original platform's timer tick, about 15.6 ms; shorter intervals run at this pace,
// which the windows' animations are tuned to.
constexpr int kTimerTickMs = 16;

// A timer with the original's behaviour: it runs while Enabled and Interval > 0; setting
// Enabled = True on a running timer does not restart it; changing Interval restarts it.
// Timer is raised through the event boundary as "<Name>_Timer".
class TimerControl {
public:
    explicit TimerControl(std::string name = "", int interval = 0, bool enabled = false);
    ~TimerControl();
    TimerControl(const TimerControl&) = delete;
    TimerControl& operator=(const TimerControl&) = delete;

    const std::string& Name() const { return m_name; }

    int Interval() const { return m_interval; }
    // Error 380 for a negative interval.
    void SetInterval(int ms);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);

    bool Running() const { return m_enabled && m_interval > 0; }
    // The interval the ticks really come at, in ms.
    int TickInterval() const;
    // How often the tick has been (re)started; a restart shows as a new count.
    int Starts() const { return m_starts; }

    // Raises Timer now, as the next tick would, if the timer runs; tests drive animations
    // with it instead of waiting. Returns whether it was raised.
    bool FireTick();

    std::function<void()> Timer;

private:
    void Update(bool restart);

    std::string m_name;
    std::unique_ptr<QTimer> m_timer;
    int m_interval;
    bool m_enabled;
    int m_starts = 0;
};

} // namespace platform::forms
