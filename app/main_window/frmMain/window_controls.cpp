#include "window_controls.h"

#include "app/image_button/brelo_button.h"
#include "platform/errors/run_time_error.h"
#include "platform/forms/buttons.h"
#include "platform/forms/colour.h"
#include "platform/forms/font.h"

#include "platform/com/late_bound.h"
#include "platform/hosting/control_site.h"

#include <QFile>

namespace quorvel {

namespace com = platform::com;
namespace forms = platform::forms;
namespace hosting = platform::hosting;

constexpr const char* kProgressBarProgId = "Kolvetra.ProgressBar";
// The two members of the bar the windows use, late-bound as the component library publishes
// them.
constexpr com::DispId kDispIdMax = 0x68030006;
constexpr com::DispId kDispIdValue = 0x68030003;

namespace {

com::IDispatch* BarObject(const Control& bar)
{
    return dynamic_cast<const hosting::ControlSite&>(bar).Object();
}

BreloButton& AsButton(const Control& button)
{
    return const_cast<BreloButton&>(dynamic_cast<const BreloButton&>(button));
}

} // namespace

Control& AddButton(Form& form, const ControlDef& row)
{
    // The row carries what the window stores beside the caption: its font (the main window's
    // "MS Sans Serif" with the button-text colour, or the button's own Tahoma default) and
    // whether it starts disabled.
    StoredButton stored;
    if (row.font.name) {
        stored.fontName = row.font.name;
        stored.fontSize = row.font.size > 0 ? row.font.size : 8;
        stored.bold = row.font.bold;
    }
    if (row.fore != forms::kDefaultColor)
        stored.foreColor = row.fore;
    stored.enabled = (row.flags & forms::kDisabled) == 0;
    return AddBreloButton(form, row, stored);
}

std::string ButtonCaption(const Control& button)
{
    return AsButton(button).Caption();
}

void SetButtonCaption(Control& button, const std::string& caption)
{
    quorvel::SetButtonCaption(AsButton(button), caption);
}

void SetButtonEnabled(Control& button, bool enabled)
{
    quorvel::SetButtonEnabled(AsButton(button), enabled);
}

const com::StoredLayout& MainWindowLayout()
{
    static const com::StoredLayout layout = [] {
        QFile file(":/quorvel/frmMain.layout");
        if (!file.open(QIODevice::ReadOnly))
            throw platform::RunTimeError(53, "File not found: the stored layout of frmMain");
        const QByteArray text = file.readAll();
        return com::ParseStoredLayout(std::string_view(text.constData(), text.size()));
    }();
    return layout;
}

Control& AddProgressBar(Form& form, const ControlDef& row)
{
    // The bar is the component library's, created by the class its stored layout names and
    // loaded from that layout through its own ReadProperties.
    const com::StoredControl* stored = MainWindowLayout().Find(row.name);
    const std::string classId = stored ? stored->classId : std::string(kProgressBarProgId);
    return hosting::AddControlObject(form, row, classId,
                                     hosting::Placement{stored ? &stored->properties : nullptr});
}

double BarMax(const Control& bar)
{
    return com::GetProperty(BarObject(bar), kDispIdMax).ToDouble();
}

double BarValue(const Control& bar)
{
    return com::GetProperty(BarObject(bar), kDispIdValue).ToDouble();
}

void SetBarMax(Control& bar, double max)
{
    com::PutProperty(BarObject(bar), kDispIdMax, com::Variant(max));
}

void SetBarValue(Control& bar, double value)
{
    com::PutProperty(BarObject(bar), kDispIdValue, com::Variant(value));
}

} // namespace quorvel
