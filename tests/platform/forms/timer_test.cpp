#include "platform/forms/timer.h"

#include <gtest/gtest.h>

#include "platform/errors/run_time_error.h"
#include "platform/forms/events.h"
#include "tests/platform/forms/app.h"

namespace {

using namespace platform::forms;
using formstest::Events;

class TimerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { formstest::App(); }
};

TEST_F(TimerTest, EnablingARunningTimerDoesNotRestartIt)
{
    TimerControl timer("Timer7", 2000);
    EXPECT_FALSE(timer.Running());
    timer.SetEnabled(true);
    EXPECT_EQ(timer.Starts(), 1);
    timer.SetEnabled(true);
    timer.SetEnabled(true);
    EXPECT_EQ(timer.Starts(), 1);
    timer.SetEnabled(false);
    timer.SetEnabled(true);
    EXPECT_EQ(timer.Starts(), 2);
    timer.SetInterval(2000);
    EXPECT_EQ(timer.Starts(), 3);
}

TEST_F(TimerTest, ShortIntervalsRunAtThePlatformTick)
{
    struct Case {
        const char* name;
        int interval;
        int tick;
    };
    const Case cases[] = {
        {"1 ms", 1, kTimerTickMs},
        {"10 ms", 10, kTimerTickMs},
        {"150 ms", 150, 150},
        {"2000 ms", 2000, 2000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TimerControl timer("t", c.interval, true);
        EXPECT_EQ(timer.Interval(), c.interval);
        EXPECT_EQ(timer.TickInterval(), c.tick);
    }
}

TEST_F(TimerTest, TicksAreRaisedOnlyWhileRunning)
{
    TimerControl timer("Timer3", 1);
    int ticks = 0;
    timer.Timer = [&] {
        if (++ticks == 3)
            timer.SetEnabled(false);
    };
    EventLog log;
    EXPECT_FALSE(timer.FireTick());
    timer.SetEnabled(true);
    while (timer.FireTick()) {
    }
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(log.Take(), (Events{"Timer3_Timer", "Timer3_Timer", "Timer3_Timer"}));
    timer.SetEnabled(true);
    timer.SetInterval(0);
    EXPECT_FALSE(timer.FireTick());
}

TEST_F(TimerTest, NegativeIntervalIs380)
{
    TimerControl timer("t", 5, true);
    try {
        timer.SetInterval(-1);
        FAIL() << "no error";
    } catch (const platform::RunTimeError& e) {
        EXPECT_EQ(e.number(), 380);
    }
    EXPECT_EQ(timer.Interval(), 5);
}

} // namespace
