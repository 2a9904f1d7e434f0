// The writes of one handler reach each file when the handler ends: after the handlers
// it yields to, before its error shows and before the next event.
#include "platform/errors/run_time_error.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/events.h"
#include "platform/profile/profile.h"
#include "tests/platform/forms/app.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <QTimer>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace platform::forms;
using platform::files::Path;
using testing_support::TempFolder;
namespace profile = platform::profile;
using Strings = std::vector<std::string>;

class HandlerWrites : public ::testing::Test {
protected:
    static void SetUpTestSuite() { formstest::App(); }
    void SetUp() override { m_tmp.Put("t.ini", kBefore); }

    bool Write(const char* key, const char* value) const
    {
        return profile::WritePrivateProfileString("s", key, value, m_file);
    }
    std::string OnDisk() const { return m_tmp.Get("t.ini"); }

    static constexpr const char* kBefore = "[s]\r\nk=0\r\n";
    TempFolder m_tmp;
    Path m_file = Path::Native(m_tmp.path()) / "t.ini";
    ScriptedDialogs m_dialogs;
};

TEST_F(HandlerWrites, AHandlerRunWhileTheOuterYieldsJoinsItsWrites)
{
    Strings seen;
    QTimer::singleShot(0, [&] {
        RunHandler([&] {
            ASSERT_TRUE(Write("nested", "1"));
            seen.push_back(OnDisk());
        });
    });
    EXPECT_TRUE(RunHandler([&] {
        ASSERT_TRUE(Write("k", "1"));
        DoEventsWithoutInput(); // a bar repainting yields; the timer's handler runs
        seen.push_back(OnDisk());
        EXPECT_EQ(profile::FindProfileValue("s", "nested", m_file), "1");
    }));
    seen.push_back(OnDisk());
    EXPECT_EQ(seen, (Strings{kBefore, kBefore, "[s]\r\nk=1\r\nnested=1\r\n"}));
}

TEST_F(HandlerWrites, DoEventsWritesWhatIsHeldBeforeOtherHandlersRun)
{
    Strings seen;
    QTimer::singleShot(0, [&] { RunHandler([&] { seen.push_back(OnDisk()); }); });
    EXPECT_TRUE(RunHandler([&] {
        ASSERT_TRUE(Write("k", "1"));
        DoEvents();
        ASSERT_TRUE(Write("k", "2"));
        seen.push_back(OnDisk());
    }));
    EXPECT_EQ(seen, (Strings{"[s]\r\nk=1\r\n", "[s]\r\nk=1\r\n"}));
    EXPECT_EQ(OnDisk(), "[s]\r\nk=2\r\n");
}

TEST_F(HandlerWrites, TheWritesOfAFailingHandlerAreOnDiskWhenItsErrorShows)
{
    std::string atMessage;
    const MsgBoxSink saved = SetMsgBoxSink([&](const std::string&, int, const std::string&) {
        atMessage = OnDisk();
        return vbOK;
    });
    EXPECT_FALSE(RunHandler([&] {
        ASSERT_TRUE(Write("k", "1"));
        ASSERT_TRUE(Write("m", "2"));
        throw platform::RunTimeError(9);
    }));
    SetMsgBoxSink(saved);
    EXPECT_EQ(atMessage, "[s]\r\nk=1\r\nm=2\r\n");
}

// A box waits for the user, who may switch to the game or end the program meanwhile: what
// the running handler wrote before it is on disk while it shows, and what it writes after
// the box still reaches the file.
TEST_F(HandlerWrites, TheWritesHeldSoFarAreOnDiskWhileABoxShows)
{
    struct Case {
        const char* name;
        std::function<void()> showBox; // called inside the handler after its first write
    };
    const std::vector<Case> cases = {
        {"a message box of the handler", [] { MsgBox("Sure?", vbYesNo | vbQuestion); }},
        {"an input box of the handler", [] { InputBox("Name?"); }},
        {"the error box of a handler run while the outer one yields",
         [] {
             QTimer::singleShot(0, [] { RunHandler([] { throw platform::RunTimeError(9); }); });
             DoEventsWithoutInput();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_tmp.Put("t.ini", kBefore);
        Strings atBox;
        const MsgBoxSink savedMsg = SetMsgBoxSink([&](const std::string&, int, const std::string&) {
            atBox.push_back(OnDisk());
            return vbOK;
        });
        const InputBoxSink savedInput =
            SetInputBoxSink([&](const std::string&, const std::string&, const std::string&) {
                atBox.push_back(OnDisk());
                return std::string();
            });
        RunHandler([&] {
            ASSERT_TRUE(Write("k", "1"));
            c.showBox();
            ASSERT_TRUE(Write("m", "2"));
        });
        SetMsgBoxSink(savedMsg);
        SetInputBoxSink(savedInput);
        EXPECT_EQ(atBox, Strings{"[s]\r\nk=1\r\n"});
        EXPECT_EQ(OnDisk(), "[s]\r\nk=1\r\nm=2\r\n");
    }
}

// What only the end of the handler can meet is shown with the platform's error, naming the
// file, and nothing of the handler lands: not even the writes that could have been made.
TEST_F(HandlerWrites, AWriteThatFailsWhenTheHandlerEndsShowsItsErrorAndLandsNothing)
{
    std::filesystem::create_directory(m_tmp / "gone");
    const Path file = Path::Native(m_tmp.path()) / "gone" / "t.ini";
    EXPECT_FALSE(RunHandler([&] {
        ASSERT_TRUE(Write("k", "1"));
        ASSERT_TRUE(profile::WritePrivateProfileString("s", "k", "1", file));
        std::filesystem::remove_all(m_tmp / "gone"); // gone before the held write is made
    }));
    ASSERT_EQ(m_dialogs.shown.size(), 1u);
    EXPECT_EQ(
        m_dialogs.shown[0].prompt,
        RunTimeErrorText(76, platform::ErrorDescription(76) + " (" + (m_tmp / "gone/t.ini") + ")"));
    EXPECT_EQ(OnDisk(), kBefore);
    EXPECT_EQ(m_tmp.CountEntries(), 1) << "no temporary file or record is left";
}

} // namespace
