#pragma once

#include <QtCore/qnamespace.h>

namespace platform::forms {

// The runtime's Shift argument of a mouse or key event: vbShiftMask, vbCtrlMask and
// vbAltMask of the toolkit's modifiers.
int ShiftState(Qt::KeyboardModifiers mods);

// The runtime's Button argument: vbLeftButton, vbRightButton and vbMiddleButton of the
// toolkit's buttons; other buttons count as none.
int ButtonsOf(Qt::MouseButtons buttons);

} // namespace platform::forms
