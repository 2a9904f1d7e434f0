#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace platform::forms {

// Buttons (low bits) and icon (next bits) of MsgBox, and its answers, with the original values.
enum : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};
enum : int { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

// Shows a modal message box; returns the pressed button. An empty title shows AppTitle().
int MsgBox(const std::string& prompt, int buttons = vbOKOnly, const std::string& title = "");

// Asks for one line of text; returns it, or "" when cancelled.
std::string InputBox(const std::string& prompt, const std::string& title = "",
                     const std::string& defaultText = "");

// The title of message boxes that name none (the original used the program's title).
const std::string& AppTitle();
void SetAppTitle(const std::string& title);

// The answer of a box whose buttons are `buttons` when it is closed without a choice:
// its cancel button if it has one, else its first.
int DefaultAnswer(int buttons);

// Where the boxes go. The default shows real dialogs; on the offscreen platform, where
// nobody could answer, it answers DefaultAnswer() and "" instead of blocking, and writes
// each message box's title and text to standard error.
// Texts are CP1252; a title given to the sink is never empty (AppTitle() filled in).
using MsgBoxSink =
    std::function<int(const std::string& prompt, int buttons, const std::string& title)>;
using InputBoxSink = std::function<std::string(const std::string& prompt, const std::string& title,
                                               const std::string& defaultText)>;
// An empty function restores the default. Returns the sink it replaces.
MsgBoxSink SetMsgBoxSink(MsgBoxSink sink);
InputBoxSink SetInputBoxSink(InputBoxSink sink);

// For tests: while one lives, boxes are recorded instead of shown and answered from the
// queues (DefaultAnswer() and "" once a queue is empty).
class ScriptedDialogs {
public:
    struct Shown {
        bool input; // InputBox rather than MsgBox
        std::string prompt;
        std::string title;
        int buttons;             // MsgBox only
        std::string defaultText; // InputBox only
    };

    ScriptedDialogs();
    ~ScriptedDialogs();
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    std::deque<int> msgBoxAnswers;
    std::deque<std::string> inputBoxAnswers;
    std::vector<Shown> shown;

private:
    MsgBoxSink m_savedMsg;
    InputBoxSink m_savedInput;
};

} // namespace platform::forms
