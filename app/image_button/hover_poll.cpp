#include "app/image_button/hover_poll.h"

#include <algorithm>
#include <optional>
#include <vector>

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include "platform/forms/events.h"
#include "platform/shell/cursor.h"

namespace quorvel {

namespace {

struct Clock {
    // Every timer that exists, in the order made; the clock ticks them while enabled.
    std::vector<HoverTimer*> timers;
    int running = 0;
    QPointer<QTimer> timer;
    // The tick's sample, once a timer of the tick asked for it.
    bool inTick = false;
    std::optional<PointerSample> sample;
};

Clock& TheClock()
{
    static Clock clock;
    return clock;
}

void Tick()
{
    FireHoverTick();
}

// Starts or stops the shared timer after the number of running polls changed.
void Schedule()
{
    Clock& clock = TheClock();
    if (clock.running == 0) {
        if (clock.timer)
            clock.timer->stop();
        return;
    }
    if (!clock.timer) {
        // Owned by the application, so it never outlives the event loop it belongs to.
        clock.timer = new QTimer(QCoreApplication::instance());
        clock.timer->setTimerType(Qt::PreciseTimer);
        clock.timer->setInterval(HoverTimer::kIntervalMs);
        QObject::connect(clock.timer.data(), &QTimer::timeout, clock.timer.data(), &Tick);
    }
    if (!clock.timer->isActive())
        clock.timer->start();
}

bool IsMade(const HoverTimer* timer)
{
    const auto& timers = TheClock().timers;
    return std::find(timers.begin(), timers.end(), timer) != timers.end();
}

} // namespace

HoverTimer::HoverTimer(std::string name)
    : m_name(std::move(name))
{
    TheClock().timers.push_back(this);
}

HoverTimer::~HoverTimer()
{
    SetEnabled(false);
    auto& timers = TheClock().timers;
    timers.erase(std::find(timers.begin(), timers.end(), this));
}

void HoverTimer::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    TheClock().running += enabled ? 1 : -1;
    // A poll that stops and starts again within one tick keeps the clock as it is.
    if (!TheClock().inTick)
        Schedule();
}

bool HoverTimer::FireTick()
{
    if (!m_enabled)
        return false;
    platform::forms::RaiseEvent(m_name + "_Timer", Timer);
    return true;
}

PointerSample SamplePointer()
{
    Clock& clock = TheClock();
    if (clock.inTick && clock.sample)
        return *clock.sample;
    PointerSample sample;
    platform::shell::GetCursorPos(&sample.point);
    sample.under = platform::shell::WindowFromPoint(sample.point);
    if (clock.inTick)
        clock.sample = sample;
    return sample;
}

bool HoverClockRunning()
{
    return TheClock().running > 0;
}

bool FireHoverTick()
{
    Clock& clock = TheClock();
    if (clock.running == 0 || clock.inTick)
        return false;
    clock.inTick = true;
    clock.sample.reset();
    // A tick's handlers may make or destroy buttons; only those that were there when the
    // tick began and still are tick.
    const std::vector<HoverTimer*> ticking = clock.timers;
    for (HoverTimer* timer : ticking) {
        if (IsMade(timer))
            timer->FireTick();
    }
    clock.inTick = false;
    clock.sample.reset();
    Schedule();
    return true;
}

} // namespace quorvel
