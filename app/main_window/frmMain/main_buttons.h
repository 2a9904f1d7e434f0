#pragma once

#include <string>

#include "platform/forms/control.h"
#include "platform/forms/control_def.h"
#include "platform/forms/form.h"

// How the XML script page and the language switch reach the main window's buttons, which
// they find by name. The buttons are image buttons whose Caption is set late bound; a plain
// push button (as a window under construction may still place) is served too.
namespace quorvel::page_buttons {

// Places a button of the main window from its table row (caption, kDisabled, bold), storing
// "MS Sans Serif" and the button-text system colour as every button of the window does.
platform::forms::Control& Add(platform::forms::Form& form, const platform::forms::ControlDef& def);

// The button's Caption (by its dispatch identifier for an image button); std::logic_error for
// a control that is no button.
std::string Caption(const platform::forms::Control& button);
void SetCaption(platform::forms::Control& button, const std::string& caption);

} // namespace quorvel::page_buttons
