#include "main_buttons.h"

#include <stdexcept>

#include "app/image_button/brelo_button.h"
#include "platform/com/late_bound.h"
#include "platform/com/variant.h"
#include "platform/forms/colour.h"

namespace quorvel {

using platform::forms::Control;
using platform::forms::ControlDef;
using platform::forms::Form;

namespace {

// The button's Caption, as the windows reach it late bound.
constexpr platform::com::DispId kDispCaption = 0x68030008;

BreloButton& AsButton(const Control& control)
{
    auto* button = dynamic_cast<const BreloButton*>(&control);
    if (!button)
        throw std::logic_error("control " + control.Name() + " is no button");
    return const_cast<BreloButton&>(*button);
}

} // namespace

Control& AddMainButton(Form& form, const ControlDef& def)
{
    StoredButton stored;
    stored.fontName = "MS Sans Serif";
    stored.foreColor = platform::forms::kSysButtonText;
    stored.bold = def.font.bold;
    return AddBreloButton(form, def, stored);
}

std::string ButtonCaption(const Control& button)
{
    return platform::com::GetProperty(AsButton(button).Object(), kDispCaption).ToString();
}

void SetButtonCaption(Control& button, const std::string& caption)
{
    SetButtonCaption(AsButton(button), caption);
}

} // namespace quorvel
