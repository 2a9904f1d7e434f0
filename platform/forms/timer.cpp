#include "timer.h"

#include <algorithm>

#include <QTimer>

#include "platform/errors/run_time_error.h"
#include "platform/forms/events.h"

namespace platform::forms {

TimerControl::TimerControl(std::string name, int interval, bool enabled)
    : m_name(std::move(name))
    , m_timer(std::make_unique<QTimer>())
    , m_interval(std::max(interval, 0))
    , m_enabled(enabled)
{
    m_timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(m_timer.get(), &QTimer::timeout, m_timer.get(), [this] { FireTick(); });
    Update(true);
}

TimerControl::~TimerControl() = default;

int TimerControl::TickInterval() const
{
    return std::max(m_interval, kTimerTickMs);
}

void TimerControl::SetInterval(int ms)
{
    if (ms < 0)
        platform::Raise(380);
    m_interval = ms;
    Update(true);
}

void TimerControl::SetEnabled(bool enabled)
{
    bool wasRunning = Running();
    m_enabled = enabled;
    Update(!wasRunning);
}

void TimerControl::Update(bool restart)
{
    if (!Running()) {
        m_timer->stop();
        return;
    }
    if (restart || !m_timer->isActive()) {
        m_timer->start(TickInterval());
        ++m_starts;
    }
}

bool TimerControl::FireTick()
{
    if (!Running())
        return false;
    RaiseEvent(m_name + "_Timer", Timer);
    return true;
}

} // namespace platform::forms
