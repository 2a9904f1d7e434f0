#pragma once

#include <functional>
#include <string>
#include <vector>

namespace platform::forms {

// Runs one event handler. The outermost handler of an event runs inside the boundary: a
// platform::RunTimeError that leaves it is shown as "Run-time error '<n>':" and its
// description in a message box (through the MsgBox sink) and the program goes on; any other
// exception is shown the same way as error 7 (out of memory) or 51 with its text. What the
// handler wrote before the error stays written. A handler raised inside another handler
// (a Text set that raises Change) is not a boundary of its own: its error travels out of the
// statement that raised it, so the outer handler ends at that statement, as it did in the
// original runtime. Returns false when an error was shown.
//
// An outermost handler is one transaction of the file layer (platform/files/files.h):
// everything it writes, the handlers it yields to included, is held and written when it
// ends, all or nothing. A write that cannot succeed fails at its statement; what the handler
// wrote before still lands, then its error is shown. A write that fails only as the action
// is written (an I/O error, a quota) lands nothing, and its error is shown naming the file.
// A handler that writes nothing costs no system call at its end.
bool RunHandler(const std::function<void()>& handler);

// Called when an action's commit failed and nothing of it landed, before its error shows,
// so that a window that showed the action's held state can show what the disk holds again.
void SetAfterFailedAction(std::function<void()> reload);

// RunHandler, and records `event` ("txtName_Change") in the active EventLog first, whether
// or not a handler is attached.
bool RaiseEvent(const std::string& event, const std::function<void()>& handler);

// Handles the pending events of the window system once, as the original DoEvents did.
// What the running handler holds is written first; handlers that run meanwhile are
// boundaries and transactions of their own. Returns 0.
int DoEvents();

// DoEvents for a control that yields inside a running handler: paints and timers run, user
// input waits, so a second click cannot start a handler inside the one that is running.
int DoEventsWithoutInput();

// While one lives, every raised event is recorded in order; tests compare the sequence.
// Logs nest: the newest one records.
class EventLog {
public:
    EventLog();
    ~EventLog();
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;

    const std::vector<std::string>& Events() const { return m_events; }
    // The events so far; the log starts empty again.
    std::vector<std::string> Take();
    void Clear() { m_events.clear(); }

private:
    friend bool RaiseEvent(const std::string&, const std::function<void()>&);
    std::vector<std::string> m_events;
    EventLog* m_outer;
};

// The text of the box the boundary shows for error `number`.
std::string RunTimeErrorText(int number, const std::string& description);

} // namespace platform::forms
