#pragma once

namespace kolvetra {

// The DoEvents at the end of a repaint: pending paints, timers and posted events run, user
// input waits. The original yielded to everything, so a second click could start a handler
// inside one that sets Value in a loop (the compilers do); input now waits until that
// handler has returned to the event loop.
void DoEventsWithoutInput();

} // namespace kolvetra
