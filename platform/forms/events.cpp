#include "events.h"

#include <chrono>
#include <new>
#include <stdexcept>

#include <QCoreApplication>

#include "platform/errors/run_time_error.h"
#include "platform/files/files.h"
#include "platform/forms/dialogs.h"

namespace platform::forms {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kFullPassEvery = std::chrono::milliseconds(1);

int g_depth = 0; // handlers running on the one user-interface thread
EventLog* g_log = nullptr;
Clock::time_point g_lastFullPass; // of the loop, by a yield inside a handler

struct Depth {
    Depth() { ++g_depth; }
    ~Depth() { --g_depth; }
};

std::function<void()>& AfterFailedAction()
{
    static std::function<void()> reload;
    return reload;
}

void ShowError(int number, const std::string& description)
{
    MsgBox(RunTimeErrorText(number, description), vbOKOnly | vbCritical);
}

// Everything one outermost handler writes, the handlers it yields to included, is one
// transaction of the file layer: written when it ends, before its error is shown and before
// the next event runs.
class Action {
public:
    Action() { platform::files::BeginAction(); }
    ~Action()
    {
        if (m_open) {
            try {
                platform::files::EndAction();
            } catch (...) {
            }
        }
    }
    Action(const Action&) = delete;
    Action& operator=(const Action&) = delete;

    // Raises the error of a write that failed while the action was written.
    void End()
    {
        m_open = false;
        platform::files::EndAction();
    }

private:
    bool m_open = true;
};

void ShowCommitFailure(const RunTimeError& e)
{
    if (AfterFailedAction()) {
        try {
            AfterFailedAction()();
        } catch (...) {
        }
    }
    ShowError(e.number(), e.description());
}

// Ends the action after the handler's own error: a failure of the commit, which means that
// nothing of the action landed, is shown in its place.
void EndAfter(Action& action, int number, const std::string& description)
{
    try {
        action.End();
    } catch (const RunTimeError& e) {
        ShowCommitFailure(e);
        return;
    }
    ShowError(number, description);
}

} // namespace

std::string RunTimeErrorText(int number, const std::string& description)
{
    return "Run-time error '" + std::to_string(number) + "':\r\n\r\n" + description;
}

bool RunHandler(const std::function<void()>& handler)
{
    if (!handler)
        return true;
    if (g_depth > 0) {
        Depth depth;
        handler();
        return true;
    }
    Depth depth;
    Action action;
    g_lastFullPass = {};
    try {
        handler();
    } catch (const RunTimeError& e) {
        EndAfter(action, e.number(), e.description());
        return false;
    } catch (const std::bad_alloc&) {
        EndAfter(action, 7, ErrorDescription(7));
        return false;
    } catch (const std::exception& e) {
        EndAfter(action, 51, *e.what() ? e.what() : "Internal error");
        return false;
    } catch (...) {
        EndAfter(action, 51, "Internal error");
        return false;
    }
    try {
        action.End();
    } catch (const RunTimeError& e) {
        ShowCommitFailure(e);
        return false;
    }
    return true;
}

void SetAfterFailedAction(std::function<void()> reload)
{
    AfterFailedAction() = std::move(reload);
}

bool RaiseEvent(const std::string& event, const std::function<void()>& handler)
{
    if (g_log)
        g_log->m_events.push_back(event);
    return RunHandler(handler);
}

namespace {

enum class Pass { Full, PostedOnly };

int ProcessPending(QEventLoop::ProcessEventsFlags flags, Pass pass = Pass::Full)
{
    if (!QCoreApplication::instance())
        return 0;
    // Events handled here come from the loop, so each is an outermost handler again.
    int saved = g_depth;
    g_depth = 0;
    if (pass == Pass::Full)
        QCoreApplication::processEvents(flags);
    else
        QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    g_depth = saved;
    return 0;
}

} // namespace

int DoEvents()
{
    // User input may start handlers of their own here: each is an action of its own.
    platform::files::SuspendAction();
    ProcessPending(QEventLoop::AllEvents);
    platform::files::ResumeAction();
    return 0;
}

int DoEventsWithoutInput()
{
    // A control yields after every repaint, and a compile of a large mod repaints hundreds of
    // thousands of times. A full pass of the loop asks the system for timers and the window
    // system; inside a handler it runs at its first yield and then at most once a
    // millisecond, far finer than a timer's tick or a screen frame. The yields in between
    // deliver the posted events, the repaints among them.
    const Clock::time_point now = Clock::now();
    if (g_depth > 0 && now - g_lastFullPass < kFullPassEvery)
        return ProcessPending(QEventLoop::ExcludeUserInputEvents, Pass::PostedOnly);
    g_lastFullPass = now;
    return ProcessPending(QEventLoop::ExcludeUserInputEvents);
}

EventLog::EventLog()
    : m_outer(g_log)
{
    g_log = this;
}

EventLog::~EventLog()
{
    g_log = m_outer;
}

std::vector<std::string> EventLog::Take()
{
    std::vector<std::string> out;
    out.swap(m_events);
    return out;
}

namespace detail {

// For the modal loop of a form: events inside it are outermost handlers.
int SuspendHandlerDepth()
{
    platform::files::SuspendAction();
    int saved = g_depth;
    g_depth = 0;
    return saved;
}

void ResumeHandlerDepth(int saved)
{
    g_depth = saved;
    platform::files::ResumeAction();
}

} // namespace detail

} // namespace platform::forms
