#pragma once

#include <string>

#include "platform/forms/control.h"
#include "platform/forms/control_def.h"
#include "platform/forms/form.h"

namespace quorvel {

// The main window's buttons are image buttons found by name; these calls reach them as the
// window does, late bound. Every button of the main window stores "MS Sans Serif" and the
// button-text system colour beside its caption.
//
// Places a button of the main window from its table row (caption, kDisabled, bold).
platform::forms::Control& AddMainButton(platform::forms::Form& form,
                                        const platform::forms::ControlDef& def);

// The button's Caption by its dispatch identifier; std::logic_error for a control that is no
// image button.
std::string ButtonCaption(const platform::forms::Control& button);
void SetButtonCaption(platform::forms::Control& button, const std::string& caption);

} // namespace quorvel
