#include "controls/progress_bar/PgbAllgemein.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "controls/progress_bar/paint_surface.h"
#include "platform/errors/run_time_error.h"
#include "platform/forms/forms.h"

namespace kolvetra {

using namespace platform::forms;
using platform::com::Variant;

namespace {

// clang-format off
constexpr ControlDef kControls[] = {
    {Kind::Frame,        "Frame1",              "",       60,   60,   5775, 1035, "Texteigenschaften"},
    {Kind::Label,        "Label1",              "Frame1", 120,  300,  660,  240,  "Caption:"},
    {Kind::TextBox,      "txtCaption",          "Frame1", 1050, 240,  1380, 330},
    {Kind::Label,        "Label2",              "Frame1", 2460, 300,  660,  240,  "f\xFChrend:"},
    {Kind::TextBox,      "txtTextBeforeValue",  "Frame1", 3120, 240,  765,  330},
    {Kind::Label,        "Label3",              "Frame1", 3960, 300,  1005, 240,  "nachfolgend:"},
    {Kind::TextBox,      "txtTextAfterValue",   "Frame1", 4920, 240,  765,  330},
    {Kind::Label,        "Label4",              "Frame1", 120,  660,  660,  240,  "Show:"},
    {Kind::DropDownList, "cbValueType",         "Frame1", 1050, 600,  1815, 315},
    {Kind::Label,        "Label5",              "Frame1", 2940, 660,  900,  240,  "Ausrichtung:"},
    {Kind::DropDownList, "cbTextAlignment",     "Frame1", 3870, 600,  1815, 315},
    {Kind::Frame,        "Frame2",              "",       60,   1140, 2295, 1755, "Werte"},
    {Kind::Label,        "Label6",              "Frame2", 120,  300,  660,  240,  "Value:"},
    {Kind::TextBox,      "txtValue",            "Frame2", 1170, 240,  1020, 330},
    {Kind::Label,        "Label7",              "Frame2", 120,  660,  660,  240,  "Min:"},
    {Kind::TextBox,      "txtMin",              "Frame2", 1170, 600,  1020, 330},
    {Kind::Label,        "Label8",              "Frame2", 120,  1020, 660,  240,  "Max:"},
    {Kind::TextBox,      "txtMax",              "Frame2", 1170, 960,  1020, 330},
    {Kind::Label,        "Label9",              "Frame2", 120,  1380, 1020, 240,  "AspectRatio:"},
    {Kind::TextBox,      "txtAspectRatio",      "Frame2", 1170, 1320, 1020, 330},
    {Kind::Frame,        "Frame3",              "",       2400, 1140, 3435, 2115, "Darstellung"},
    {Kind::Label,        "Label10",             "Frame3", 120,  300,  1080, 240,  "Ausrichtung:"},
    {Kind::DropDownList, "cbAlignment",         "Frame3", 1230, 240,  2100, 315},
    {Kind::Label,        "Label11",             "Frame3", 120,  660,  1080, 240,  "Darstellung:"},
    {Kind::DropDownList, "cbSpecialEffects",    "Frame3", 1230, 600,  2100, 315},
    {Kind::Label,        "Label12",             "Frame3", 120,  1020, 1080, 240,  "Scrolling:"},
    {Kind::DropDownList, "cbScrolling",         "Frame3", 1230, 960,  2100, 315},
    {Kind::Label,        "Label13",             "Frame3", 120,  1380, 1080, 240,  "Farbgebung:"},
    {Kind::DropDownList, "cbBarColorType",      "Frame3", 1230, 1320, 2100, 315},
    {Kind::Label,        "Label14",             "Frame3", 120,  1740, 960,  240,  "Interval:"},
    {Kind::TextBox,      "txtAnimatedInterval", "Frame3", 1230, 1680, 2100, 330},
};
// clang-format on

struct ListDef {
    const char* control;
    std::initializer_list<const char*> items;
};

// In the order of the enumeration values 0, 1, 2, ...
const ListDef kLists[] = {
    {"cbValueType", {"Kein Text", "Prozent darstellen", "Wert darstellen", "Benutzerdefiniert"}},
    {"cbTextAlignment", {"Zentriert", "Links/Unten", "Rechts/Oben", "Mitlaufend"}},
    {"cbAlignment", {"Horizontal", "Vertikal"}},
    {"cbSpecialEffects",
     {"pgbFlat", "pgbRaised", "pgbSunken", "pgbRaisedDouble", "pgbSunkenDouble", "pgbEtched",
      "pgbBump", "pgbNone"}},
    {"cbScrolling", {"Standard", "Smooth"}},
    {"cbBarColorType", {"Gradient", "Colorize", "Buttonize", "Animierter Farbwechsel"}},
};

// One row of the page's property table, in the order it reads and writes them.
struct Row {
    const char* property;
    const char* control;
    enum Form { Text, Number, WholeNumber, ListIndex } form;
};

const Row kRows[] = {
    {"Value", "txtValue", Row::Number},
    {"TextBeforeValue", "txtTextBeforeValue", Row::Text},
    {"TextAfterValue", "txtTextAfterValue", Row::Text},
    {"Max", "txtMax", Row::Number},
    {"Min", "txtMin", Row::Number},
    {"AspectRatio", "txtAspectRatio", Row::Number},
    {"Caption", "txtCaption", Row::Text},
    {"ValueType", "cbValueType", Row::ListIndex},
    {"Alignment", "cbAlignment", Row::ListIndex},
    {"SpecialEffects", "cbSpecialEffects", Row::ListIndex},
    {"TextAlignment", "cbTextAlignment", Row::ListIndex},
    {"Scrolling", "cbScrolling", Row::ListIndex},
    {"BarColorType", "cbBarColorType", Row::ListIndex},
    {"AnimatedInterval", "txtAnimatedInterval", Row::WholeNumber},
};

bool IsNumber(const std::string& text, char separator)
{
    try {
        PageNumber(text, separator);
        return true;
    } catch (const platform::RunTimeError&) {
        return false;
    }
}

bool ReadsBack(const std::string& text, double value, char separator)
{
    return IsNumber(text, separator) && PageNumber(text, separator) == value;
}

// Error 13 naming the field, before anything is written.
void CheckNumber(const Row& row, const std::string& text, char separator)
{
    bool ok = IsNumber(text, separator);
    if (ok && row.form == Row::WholeNumber) {
        const double rounded = std::nearbyint(PageNumber(text, separator));
        ok = rounded >= std::numeric_limits<std::int32_t>::min() &&
             rounded <= std::numeric_limits<std::int32_t>::max();
    }
    if (!ok)
        throw platform::RunTimeError(
            13, std::string("Type mismatch: ") + row.property + " \"" + text + "\" is not " +
                    (row.form == Row::WholeNumber ? "a whole number from -2147483648 to 2147483647"
                                                  : "a number"));
}

} // namespace

std::string PageNumberText(double value, char decimalSeparator)
{
    std::string text = platform::com::FormatDouble(value);
    for (int digits = 16; digits <= 17 && std::isfinite(value) && !ReadsBack(text, value, '.');
         ++digits) {
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.*G", digits, value);
        text = buf;
    }
    std::replace(text.begin(), text.end(), '.', decimalSeparator);
    return text;
}

double PageNumber(const std::string& text, char decimalSeparator)
{
    std::string point = text;
    if (decimalSeparator != '.') {
        // A point is no decimal separator here; reading it as one would take "12.5" typed
        // under a comma locale for a number it may not mean.
        if (point.find('.') != std::string::npos)
            throw platform::RunTimeError(13);
        std::replace(point.begin(), point.end(), decimalSeparator, '.');
    }
    return platform::com::ParseNumber(point);
}

const platform::com::DispatchTable<PgbAllgemein>& PgbAllgemein::Members()
{
    // `_PgbAllgemein` has no members.
    static const platform::com::DispatchTable<PgbAllgemein> table{};
    return table;
}

PgbAllgemein::PgbAllgemein()
    : PropertyPageObject("PgbAllgemein", "Allgemein", 5925, 3480)
    , m_decimalSeparator(SystemDecimalSeparator())
{
    Create(kControls);
    for (const ListDef& list : kLists) {
        for (const char* item : list.items)
            List(list.control).AddItem(item);
    }
    connectHandlers();
}

platform::com::HRESULT PgbAllgemein::QueryInterface(const platform::com::Guid& iid, void** out)
{
    if (iid == kIID_PgbAllgemein)
        return PropertyPageObject::QueryInterface(platform::com::IDispatch::iid, out);
    return PropertyPageObject::QueryInterface(iid, out);
}

void PgbAllgemein::connectHandlers()
{
    List("cbAlignment").Click = [this] { cbAlignment_Click(); };
    List("cbSpecialEffects").Click = [this] { cbSpecialEffects_Click(); };
    List("cbBarColorType").Click = [this] { cbBarColorType_Click(); };
    List("cbScrolling").Click = [this] { cbScrolling_Click(); };
    List("cbTextAlignment").Click = [this] { cbTextAlignment_Click(); };
    List("cbValueType").Click = [this] { cbValueType_Click(); };
    Text("txtValue").Change = [this] { txtValue_Change(); };
    Text("txtTextBeforeValue").Change = [this] { txtTextBeforeValue_Change(); };
    Text("txtTextAfterValue").Change = [this] { txtTextAfterValue_Change(); };
    Text("txtMax").Change = [this] { txtMax_Change(); };
    Text("txtMin").Change = [this] { txtMin_Change(); };
    Text("txtAspectRatio").Change = [this] { txtAspectRatio_Change(); };
    Text("txtCaption").Change = [this] { txtCaption_Change(); };
    Text("txtAnimatedInterval").Change = [this] { txtAnimatedInterval_Change(); };
}

TextBox& PgbAllgemein::Text(const char* name) const
{
    return Ctl<TextBox>(name);
}

ComboBox& PgbAllgemein::List(const char* name) const
{
    return Ctl<ComboBox>(name);
}

void PgbAllgemein::PropertyPage_SelectionChanged()
{
    for (const Row& row : kRows) {
        const Variant value = GetSelectedProperty(row.property);
        switch (row.form) {
        case Row::Text:
            Text(row.control).SetText(value.ToString());
            break;
        case Row::Number:
        case Row::WholeNumber:
            Text(row.control).SetText(PageNumberText(value.ToDouble(), m_decimalSeparator));
            break;
        case Row::ListIndex: {
            // A value that no entry stands for leaves the list unselected; the original
            // refused it and the page did not open.
            ComboBox& list = List(row.control);
            const double index = value.ToDouble();
            list.SetListIndex(index >= 0 && index < list.ListCount() && index == std::floor(index)
                                  ? static_cast<int>(index)
                                  : -1);
            break;
        }
        }
    }
}

void PgbAllgemein::PropertyPage_ApplyChanges()
{
    // Every number is checked first, so a text that is not one changes nothing at all.
    for (const Row& row : kRows) {
        if (row.form == Row::Number || row.form == Row::WholeNumber)
            CheckNumber(row, Text(row.control).Text(), m_decimalSeparator);
    }
    for (const Row& row : kRows) {
        if (row.form == Row::ListIndex) {
            const int index = List(row.control).ListIndex();
            if (index >= 0)
                PutSelectedProperty(row.property, Variant(static_cast<std::int16_t>(index)));
        } else if (row.form == Row::Text) {
            PutSelectedProperty(row.property, Variant(Text(row.control).Text()));
        } else {
            // Read here under the page's locale: the control's own conversion of a text
            // knows only the point.
            PutSelectedProperty(row.property,
                                Variant(PageNumber(Text(row.control).Text(), m_decimalSeparator)));
        }
    }
    // Value went before Max and Min, so a higher Value typed with a higher Max was dropped
    // against the old Max: put it once more now that Max stands.
    PutSelectedProperty("Value", Variant(PageNumber(Text("txtValue").Text(), m_decimalSeparator)));
}

void PgbAllgemein::cbAlignment_Click()
{
    SetChanged(true);
}

void PgbAllgemein::cbSpecialEffects_Click()
{
    SetChanged(true);
}

void PgbAllgemein::cbBarColorType_Click()
{
    SetChanged(true);
}

void PgbAllgemein::cbScrolling_Click()
{
    SetChanged(true);
}

void PgbAllgemein::cbTextAlignment_Click()
{
    SetChanged(true);
}

void PgbAllgemein::cbValueType_Click()
{
    SetChanged(true);
}

void PgbAllgemein::txtValue_Change()
{
    SetChanged(true);
}

void PgbAllgemein::txtTextBeforeValue_Change()
{
    SetChanged(true);
}

void PgbAllgemein::txtTextAfterValue_Change()
{
    SetChanged(true);
}

void PgbAllgemein::txtMax_Change()
{
    SetChanged(true);
}

void PgbAllgemein::txtMin_Change()
{
    SetChanged(true);
}

void PgbAllgemein::txtAspectRatio_Change()
{
    SetChanged(true);
}

void PgbAllgemein::txtCaption_Change()
{
    SetChanged(true);
}

void PgbAllgemein::txtAnimatedInterval_Change()
{
    // Only a number is guarded: empty or other text stays for Apply to refuse.
    TextBox& box = Text("txtAnimatedInterval");
    if (IsNumber(box.Text(), m_decimalSeparator) &&
        std::nearbyint(PageNumber(box.Text(), m_decimalSeparator)) < 1)
        box.SetText("10");
    SetChanged(true);
}

} // namespace kolvetra
