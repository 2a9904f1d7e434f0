#include "platform/forms/events.h"

#include <gtest/gtest.h>

#include <chrono>

#include <QEventLoop>
#include <QTimer>

#include "platform/errors/run_time_error.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/form.h"
#include "platform/forms/text_box.h"
#include "tests/platform/forms/app.h"

namespace {

using namespace platform::forms;
using formstest::Events;

class BoundaryTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { formstest::App(); }
    ScriptedDialogs dialogs;
};

TEST_F(BoundaryTest, RunTimeErrorIsShownAndWhatWasWrittenStays)
{
    std::vector<std::string> written;
    bool ok = RunHandler([&] {
        written.push_back("first");
        throw platform::RunTimeError(53);
        written.push_back("second");
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(written, std::vector<std::string>{"first"});
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_FALSE(dialogs.shown[0].input);
    EXPECT_EQ(dialogs.shown[0].prompt, "Run-time error '53':\r\n\r\nFile not found");
    EXPECT_EQ(dialogs.shown[0].buttons, vbOKOnly | vbCritical);
    EXPECT_EQ(dialogs.shown[0].title, AppTitle());
}

TEST_F(BoundaryTest, OtherExceptionsAreShownAsGenericErrors)
{
    struct Case {
        const char* name;
        std::function<void()> thrower;
        std::string prompt;
    };
    const Case cases[] = {
        {"std exception", [] { throw std::runtime_error("bad thing"); },
         "Run-time error '51':\r\n\r\nbad thing"},
        {"out of memory", [] { throw std::bad_alloc(); },
         "Run-time error '7':\r\n\r\nOut of memory"},
        {"anything", [] { throw 42; }, "Run-time error '51':\r\n\r\nInternal error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.shown.clear();
        EXPECT_FALSE(RunHandler(c.thrower));
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].prompt, c.prompt);
    }
}

TEST_F(BoundaryTest, ErrorOfANestedHandlerEndsTheOuterHandlerWithOneBox)
{
    Form form("frmTest");
    auto& txt = static_cast<TextBox&>(form.Create({Kind::TextBox, "txtA", "", 0, 0, 900, 285}));
    std::vector<std::string> steps;
    txt.Change = [&] {
        steps.push_back("change " + txt.Text());
        if (txt.Text() == "bad")
            platform::Raise(5);
    };
    RaiseEvent("cboFP_group_Click", [&] {
        txt.SetText("good");
        txt.SetText("bad");
        steps.push_back("after bad");
    });
    EXPECT_EQ(steps, (std::vector<std::string>{"change good", "change bad"}));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].prompt,
              "Run-time error '5':\r\n\r\nInvalid procedure call or argument");
    EXPECT_EQ(txt.Text(), "bad");
}

TEST_F(BoundaryTest, TheLoopKeepsRunningAfterAnErrorInATimerTick)
{
    // Real ticks from the loop: the failing handler must not stop the loop or the timer.
    TimerControl failing("Timer1", 1, true);
    int ticks = 0;
    failing.Timer = [&] {
        ++ticks;
        throw platform::RunTimeError(76);
    };
    QEventLoop loop;
    QTimer::singleShot(200, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_GE(ticks, 2);
    EXPECT_EQ(dialogs.shown.size(), static_cast<size_t>(ticks));
    EXPECT_EQ(dialogs.shown.front().prompt, "Run-time error '76':\r\n\r\nPath not found");
}

TEST_F(BoundaryTest, EventsHandledByDoEventsAreBoundariesOfTheirOwn)
{
    std::vector<std::string> steps;
    RaiseEvent("BreloButton6_Click", [&] {
        QTimer::singleShot(0, [&] {
            RaiseEvent("Timer7_Timer", [&] {
                steps.push_back("tick");
                platform::Raise(9);
            });
        });
        DoEvents();
        steps.push_back("load goes on");
    });
    EXPECT_EQ(steps, (std::vector<std::string>{"tick", "load goes on"}));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].prompt, "Run-time error '9':\r\n\r\nSubscript out of range");
}

// A bar yields after each of its repaints, hundreds of thousands of times in a compile: every
// yield delivers what was posted (the repaints), the first of a handler also runs what is
// due, and timers keep ticking through a long run of yields.
TEST_F(BoundaryTest, YieldsInAHandlerDeliverPostedEventsAndKeepTimersRunning)
{
    QObject receiver;
    int due = 0, posted = 0, ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    EXPECT_TRUE(RunHandler([&] {
        QTimer::singleShot(0, [&] { ++due; });
        DoEventsWithoutInput();
        EXPECT_EQ(due, 1);
        for (int i = 1; i <= 200; ++i) {
            QMetaObject::invokeMethod(
                &receiver, [&] { ++posted; }, Qt::QueuedConnection);
            DoEventsWithoutInput();
            ASSERT_EQ(posted, i);
        }
        timer.start(2);
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(60);
        while (std::chrono::steady_clock::now() < until)
            DoEventsWithoutInput();
    }));
    EXPECT_GE(ticks, 3);
}

TEST_F(BoundaryTest, ModalShowReturnsWhenTheFormIsHidden)
{
    Form owner("frmMain");
    owner.Show();
    Form dialog("frmFPBodyparts");
    dialog.SetBorderStyle(BorderStyle::FixedToolWindow);
    bool shownWhileModal = false;
    QTimer::singleShot(0, [&] {
        shownWhileModal = dialog.Visible();
        dialog.Unload();
    });
    dialog.Show(vbModal, &owner);
    EXPECT_TRUE(shownWhileModal);
    EXPECT_FALSE(dialog.Visible());
    EXPECT_FALSE(dialog.Loaded());
}

TEST_F(BoundaryTest, EventsAreLoggedWhetherOrNotAHandlerIsAttached)
{
    EventLog outer;
    RaiseEvent("a_Click", nullptr);
    {
        EventLog inner;
        RaiseEvent("b_Click", [] {});
        EXPECT_EQ(inner.Take(), Events{"b_Click"});
    }
    RaiseEvent("c_Click", [] {});
    EXPECT_EQ(outer.Take(), (Events{"a_Click", "c_Click"}));
}

TEST(Dialogs, SinkAnswersAndRecords)
{
    formstest::App();
    ScriptedDialogs dialogs;
    dialogs.msgBoxAnswers = {vbNo};
    dialogs.inputBoxAnswers = {"0.3"};
    EXPECT_EQ(MsgBox("Sure?", vbYesNo | vbQuestion, "Quorvel 2.0"), vbNo);
    EXPECT_EQ(MsgBox("Again?", vbYesNo), vbYes);
    EXPECT_EQ(MsgBox("Fine", vbOKCancel), vbCancel);
    EXPECT_EQ(InputBox("Reputation", "REP", "0.0"), "0.3");
    EXPECT_EQ(InputBox("Reputation", "REP", "0.0"), "");
    ASSERT_EQ(dialogs.shown.size(), 5u);
    EXPECT_EQ(dialogs.shown[0].title, "Quorvel 2.0");
    EXPECT_EQ(dialogs.shown[1].title, AppTitle());
    EXPECT_TRUE(dialogs.shown[3].input);
    EXPECT_EQ(dialogs.shown[3].defaultText, "0.0");
    EXPECT_EQ(dialogs.shown[3].title, "REP");
}

TEST(Dialogs, DefaultSinkNeverBlocksOffscreen)
{
    formstest::App();
    EXPECT_EQ(MsgBox("x", vbYesNoCancel), vbCancel);
    EXPECT_EQ(MsgBox("x", vbAbortRetryIgnore), vbAbort);
    EXPECT_EQ(InputBox("x"), "");
}

} // namespace
