#include "events.h"

#include <new>
#include <stdexcept>

#include <QCoreApplication>

#include "platform/errors/run_time_error.h"
#include "platform/forms/dialogs.h"

namespace platform::forms {

namespace {

int g_depth = 0; // handlers running on the one user-interface thread
EventLog* g_log = nullptr;

struct Depth {
    Depth() { ++g_depth; }
    ~Depth() { --g_depth; }
};

void ShowError(int number, const std::string& description)
{
    MsgBox(RunTimeErrorText(number, description), vbOKOnly | vbCritical);
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
    try {
        handler();
        return true;
    } catch (const RunTimeError& e) {
        ShowError(e.number(), e.description());
    } catch (const std::bad_alloc&) {
        ShowError(7, ErrorDescription(7));
    } catch (const std::exception& e) {
        ShowError(51, *e.what() ? e.what() : "Internal error");
    } catch (...) {
        ShowError(51, "Internal error");
    }
    return false;
}

bool RaiseEvent(const std::string& event, const std::function<void()>& handler)
{
    if (g_log)
        g_log->m_events.push_back(event);
    return RunHandler(handler);
}

int DoEvents()
{
    // Events handled here come from the loop, so each is an outermost handler again.
    int saved = g_depth;
    g_depth = 0;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    g_depth = saved;
    return 0;
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
    int saved = g_depth;
    g_depth = 0;
    return saved;
}

void ResumeHandlerDepth(int saved)
{
    g_depth = saved;
}

} // namespace detail

} // namespace platform::forms
