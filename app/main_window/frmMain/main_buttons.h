#pragma once

#include <string>

#include "platform/forms/control.h"
#include "platform/forms/control_def.h"
#include "platform/forms/form.h"

namespace quorvel {

// The main window's buttons, reached through these few calls only, so that the face of every
// button can change in one place. Every button of the main window stores "MS Sans Serif" and
// the button-text system colour beside its caption.
//
// Places a button of the main window from its table row (caption, kDisabled, font).
platform::forms::Control& AddMainButton(platform::forms::Form& form,
                                        const platform::forms::ControlDef& def);

// The caption of a button of the main window; std::logic_error for a control that is no button.
std::string ButtonCaption(const platform::forms::Control& button);
void SetButtonCaption(platform::forms::Control& button, const std::string& caption);

} // namespace quorvel
