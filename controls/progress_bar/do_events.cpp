#include "controls/progress_bar/do_events.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace platform::forms::detail {
// The forms layer's own DoEvents and modal loops use these: what runs inside the loop is an
// outermost event handler again, so an error in a timer handler is shown there instead of
// travelling into the repaint that yielded.
int SuspendHandlerDepth();
void ResumeHandlerDepth(int saved);
} // namespace platform::forms::detail

namespace kolvetra {

void DoEventsWithoutInput() {
    if (!QCoreApplication::instance())
        return;
    const int depth = platform::forms::detail::SuspendHandlerDepth();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    platform::forms::detail::ResumeHandlerDepth(depth);
}

} // namespace kolvetra
