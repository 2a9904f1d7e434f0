#include "main_buttons.h"

#include <stdexcept>

#include "platform/forms/buttons.h"
#include "platform/forms/colour.h"

namespace quorvel {

using platform::forms::CommandButton;
using platform::forms::Control;
using platform::forms::ControlDef;
using platform::forms::Form;

namespace {

CommandButton& AsButton(const Control& control)
{
    auto* button = dynamic_cast<const CommandButton*>(&control);
    if (!button)
        throw std::logic_error("control " + control.Name() + " is no button");
    return const_cast<CommandButton&>(*button);
}

} // namespace

Control& AddMainButton(Form& form, const ControlDef& def)
{
    ControlDef row = def;
    row.kind = platform::forms::Kind::CommandButton;
    if (!row.font.name)
        row.font.name = "MS Sans Serif";
    // The push button draws its caption in the button-text colour already; naming that colour
    // explicitly would also paint a disabled caption in it, and "Generiere XML" would look
    // clickable.
    return form.Create(row);
}

std::string ButtonCaption(const Control& button)
{
    return AsButton(button).Caption();
}

void SetButtonCaption(Control& button, const std::string& caption)
{
    AsButton(button).SetCaption(caption);
}

} // namespace quorvel
