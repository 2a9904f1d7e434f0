#include "main_buttons.h"

#include <stdexcept>

#include "app/image_button/brelo_button.h"
#include "platform/com/late_bound.h"
#include "platform/com/variant.h"
#include "platform/forms/buttons.h"
#include "platform/forms/colour.h"

namespace quorvel::page_buttons {

using platform::forms::CommandButton;
using platform::forms::Control;
using platform::forms::ControlDef;
using platform::forms::Form;

namespace {

// The button's Caption, as the windows reach it late bound.
constexpr platform::com::DispId kDispCaption = 0x68030008;

[[noreturn]] void NoButton(const Control& control)
{
    throw std::logic_error("control " + control.Name() + " is no button");
}

} // namespace

Control& Add(Form& form, const ControlDef& def)
{
    StoredButton stored;
    stored.fontName = "MS Sans Serif";
    stored.foreColor = platform::forms::kSysButtonText;
    stored.bold = def.font.bold;
    return AddBreloButton(form, def, stored);
}

std::string Caption(const Control& button)
{
    if (auto* image = dynamic_cast<const BreloButton*>(&button))
        return platform::com::GetProperty(image->Object(), kDispCaption).ToString();
    if (auto* push = dynamic_cast<const CommandButton*>(&button))
        return push->Caption();
    NoButton(button);
}

void SetCaption(Control& button, const std::string& caption)
{
    if (auto* image = dynamic_cast<BreloButton*>(&button))
        SetButtonCaption(*image, caption);
    else if (auto* push = dynamic_cast<CommandButton*>(&button))
        push->SetCaption(caption);
    else
        NoButton(button);
}

} // namespace quorvel::page_buttons
