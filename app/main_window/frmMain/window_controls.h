#pragma once

#include "platform/com/stored_layout.h"
#include "platform/forms/control.h"
#include "platform/forms/control_def.h"
#include "platform/forms/form.h"

#include <string>

// The one place where the windows make their buttons and progress displays and touch their
// properties. Every button of every window and every progress display is made here, and the
// windows set Caption, Enabled, Max and Value only through these helpers, so that the
// controls behind them can be swapped without touching a window.
namespace quorvel {

using platform::forms::Control;
using platform::forms::ControlDef;
using platform::forms::Form;

// The font every button of the main window stores (Tahoma is the buttons' own default).
constexpr platform::forms::FontDef kButtonFont = {"MS Sans Serif", 8};

// A button at its table row (caption, font, colours); the windows handle only its Click.
Control& AddButton(Form& form, const ControlDef& row);
std::string ButtonCaption(const Control& button);
void SetButtonCaption(Control& button, const std::string& caption);
void SetButtonEnabled(Control& button, bool enabled);

// The stored layout of the main window's progress displays (a resource of the program).
const platform::com::StoredLayout& MainWindowLayout();

// A progress display at its table row, with the stored settings of the layout's control of
// the same name (its font, border, fill picture and value text).
Control& AddProgressBar(Form& form, const ControlDef& row);
double BarMax(const Control& bar);
double BarValue(const Control& bar);
// Max first, then Value, as the windows always set them. A Value above Max is not taken;
// a Max below Value pulls Value down.
void SetBarMax(Control& bar, double max);
void SetBarValue(Control& bar, double value);

} // namespace quorvel
