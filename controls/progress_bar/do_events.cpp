#include "controls/progress_bar/do_events.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace kolvetra {

void DoEventsWithoutInput()
{
    if (!QCoreApplication::instance())
        return;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace kolvetra
