#include "controls/progress_bar/do_events.h"

#include "platform/forms/events.h"

namespace kolvetra {

void DoEventsWithoutInput()
{
    platform::forms::DoEventsWithoutInput();
}

} // namespace kolvetra
