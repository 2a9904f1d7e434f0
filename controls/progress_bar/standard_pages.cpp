#include "controls/progress_bar/standard_pages.h"

#include <QImage>
#include <QPixmap>

#include <cstdio>
#include <limits>

#include "controls/progress_bar/PgbAllgemein.h"
#include "platform/errors/run_time_error.h"
#include "platform/forms/forms.h"
#include "platform/forms/qt_text.h"

namespace kolvetra {

using namespace platform::forms;
using platform::com::Variant;

namespace {

constexpr int kPageWidth = 5925;
constexpr int kPageHeight = 3480;

// clang-format off
constexpr ControlDef kPropertyList[] = {
    {Kind::Label,        "lblProperty", "", 120, 120, 1500, 240, "Eigenschaften:"},
    {Kind::DropDownList, "cboProperty", "", 120, 360, 2400, 315},
};

constexpr ControlDef kFontControls[] = {
    {Kind::Label,    "lblName",          "", 2760, 120,  1500, 240, "Schriftart:"},
    {Kind::TextBox,  "txtName",          "", 2760, 360,  2400, 330},
    {Kind::Label,    "lblSize",          "", 2760, 780,  1500, 240, "Gr\xF6\xDF" "e:"},
    {Kind::TextBox,  "txtSize",          "", 2760, 1020, 1000, 330},
    {Kind::CheckBox, "chkBold",          "", 120,  900,  2400, 285, "Fett"},
    {Kind::CheckBox, "chkItalic",        "", 120,  1200, 2400, 285, "Kursiv"},
    {Kind::CheckBox, "chkUnderline",     "", 120,  1500, 2400, 285, "Unterstrichen"},
    {Kind::CheckBox, "chkStrikethrough", "", 120,  1800, 2400, 285, "Durchgestrichen"},
    {Kind::Frame,    "fraSample",        "", 2760, 1500, 3000, 1200, "Beispiel"},
    {Kind::Label,    "lblSample",   "fraSample", 120, 300, 2760, 780, "AaBbYyZz", -1, kAlignCenter},
};

constexpr ControlDef kColourControls[] = {
    {Kind::Label,      "lblColour", "", 2760, 120, 1500, 240, "Farbwert:"},
    {Kind::TextBox,    "txtColour", "", 2760, 360, 2400, 330},
    {Kind::PictureBox, "picColour", "", 2760, 840, 2400, 1200},
};

constexpr ControlDef kPictureControls[] = {
    {Kind::Label,         "lblFile",    "", 120,  900,  1500, 240, "Datei:"},
    {Kind::TextBox,       "txtFile",    "", 120,  1140, 2400, 330},
    {Kind::CommandButton, "cmdLoad",    "", 120,  1560, 1155, 345, "Laden"},
    {Kind::CommandButton, "cmdClear",   "", 1365, 1560, 1155, 345, "Entfernen"},
    {Kind::PictureBox,    "picPreview", "", 2760, 360,  2400, 2400},
};
// clang-format on

bool Checked(const Form& page, const char* name)
{
    return page.Ctl<CheckBox>(name).Value() == vbChecked;
}

void SetChecked(Form& page, const char* name, bool on)
{
    page.Ctl<CheckBox>(name).SetValue(on ? vbChecked : vbUnchecked);
}

} // namespace

std::string ColourText(std::uint32_t colour)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "&H%08X&", colour);
    return buf;
}

std::uint32_t ParseColourText(const std::string& text)
{
    std::string t = text;
    if (t.size() >= 2 && (t[0] == '&') && (t[1] == 'H' || t[1] == 'h')) {
        t = t.substr(2);
        if (!t.empty() && t.back() == '&')
            t.pop_back();
        if (t.empty() || t.size() > 8 || t.find_first_not_of("0123456789abcdefABCDEF") != t.npos)
            throw platform::RunTimeError(13, "Type mismatch: \"" + text + "\" is no colour");
        return static_cast<std::uint32_t>(std::stoul(t, nullptr, 16));
    }
    try {
        return Variant(platform::com::ParseNumber(t)).ToColor().value;
    } catch (const platform::RunTimeError&) {
        throw platform::RunTimeError(13, "Type mismatch: \"" + text + "\" is no colour");
    }
}

const platform::com::DispatchTable<StandardPage>& StandardPage::Members()
{
    static const platform::com::DispatchTable<StandardPage> table{};
    return table;
}

StandardPage::StandardPage(std::string name, std::string caption,
                           std::vector<std::string> properties)
    : PropertyPageObject(std::move(name), std::move(caption), kPageWidth, kPageHeight)
    , m_properties(std::move(properties))
{
    Create(kPropertyList);
    for (const std::string& p : m_properties)
        Ctl<ComboBox>("cboProperty").AddItem(p);
    Ctl<ComboBox>("cboProperty").Click = [this] { cboProperty_Click(); };
}

const Variant& StandardPage::Held(const std::string& property) const
{
    static const Variant none;
    auto it = m_held.find(property);
    return it == m_held.end() ? none : it->second;
}

std::string StandardPage::Picked() const
{
    const ComboBox& list = Ctl<ComboBox>("cboProperty");
    return list.ListIndex() < 0 ? std::string() : list.List(list.ListIndex());
}

void StandardPage::PropertyPage_SelectionChanged()
{
    m_held.clear();
    for (const std::string& p : m_properties)
        m_held[p] = GetSelectedProperty(p);
    ComboBox& list = Ctl<ComboBox>("cboProperty");
    if (list.ListCount() > 0 && list.ListIndex() < 0)
        list.SetListIndex(0); // shows it through Click
    else
        cboProperty_Click();
    SetChanged(false);
}

void StandardPage::PropertyPage_ApplyChanges()
{
    if (!Picked().empty())
        m_held[Picked()] = Edited(); // an editor text that does not convert fails here
    for (const std::string& p : m_properties)
        PutSelectedProperty(p, m_held[p]);
}

void StandardPage::cboProperty_Click()
{
    if (Picked().empty())
        return;
    m_showing = true;
    ShowValue(m_held[Picked()]);
    m_showing = false;
}

void StandardPage::EditorChanged()
{
    if (m_showing || Picked().empty())
        return;
    try {
        m_held[Picked()] = Edited();
    } catch (const platform::RunTimeError&) {
        // Half-typed input; Apply reads the editor again and reports it.
    }
    SetChanged(true);
}

void StandardPage::SetHeld(const Variant& value)
{
    if (!Picked().empty())
        m_held[Picked()] = value;
    SetChanged(true);
}

StandardFontPage::StandardFontPage(std::vector<std::string> properties)
    : StandardPage("StandardFont", "Schriftart", std::move(properties))
{
    Create(kFontControls);
    Ctl<TextBox>("txtName").Change = [this] { EditorChanged(); };
    Ctl<TextBox>("txtSize").Change = [this] { EditorChanged(); };
    for (const char* name : {"chkBold", "chkItalic", "chkUnderline", "chkStrikethrough"})
        Ctl<CheckBox>(name).Click = [this] { EditorChanged(); };
}

void StandardFontPage::ShowValue(const Variant& value)
{
    const platform::com::StdFont font = value.IsEmpty() ? platform::com::StdFont() : value.ToFont();
    Ctl<TextBox>("txtName").SetText(font.name);
    Ctl<TextBox>("txtSize").SetText(platform::com::FormatDouble(font.size));
    SetChecked(*this, "chkBold", font.bold);
    SetChecked(*this, "chkItalic", font.italic);
    SetChecked(*this, "chkUnderline", font.underline);
    SetChecked(*this, "chkStrikethrough", font.strikethrough);
    Label& sample = Ctl<Label>("lblSample");
    sample.SetFontName(font.name);
    sample.SetFontSize(font.size);
    sample.SetFontBold(font.bold);
}

Variant StandardFontPage::Edited() const
{
    platform::com::StdFont font;
    font.name = Ctl<TextBox>("txtName").Text();
    const double size = platform::com::ParseNumber(Ctl<TextBox>("txtSize").Text());
    if (!(size > 0 && size <= 2048))
        throw platform::RunTimeError(380, "Invalid property value: the size must lie between "
                                          "0 and 2048 points");
    font.SetSize(size);
    font.SetBold(Checked(*this, "chkBold"));
    font.italic = Checked(*this, "chkItalic");
    font.underline = Checked(*this, "chkUnderline");
    font.strikethrough = Checked(*this, "chkStrikethrough");
    return Variant(font);
}

StandardColorPage::StandardColorPage(std::vector<std::string> properties)
    : StandardPage("StandardColor", "Farbe", std::move(properties))
{
    Create(kColourControls);
    Ctl<TextBox>("txtColour").Change = [this] {
        EditorChanged();
        try {
            ShowSwatch(ParseColourText(Ctl<TextBox>("txtColour").Text()));
        } catch (const platform::RunTimeError&) {
        }
    };
}

void StandardColorPage::ShowSwatch(std::uint32_t colour)
{
    QPixmap swatch(160, 80);
    swatch.fill(ToQColor(colour));
    Ctl<PictureBox>("picColour").SetPicture(swatch);
}

void StandardColorPage::ShowValue(const Variant& value)
{
    const std::uint32_t colour = value.IsEmpty() ? 0 : value.ToColor().value;
    Ctl<TextBox>("txtColour").SetText(ColourText(colour));
    ShowSwatch(colour);
}

Variant StandardColorPage::Edited() const
{
    return Variant(platform::com::OleColor{ParseColourText(Ctl<TextBox>("txtColour").Text())});
}

StandardPicturePage::StandardPicturePage(std::vector<std::string> properties)
    : StandardPage("StandardPicture", "Bild", std::move(properties))
{
    Create(kPictureControls);
    Ctl<CommandButton>("cmdLoad").Click = [this] { cmdLoad_Click(); };
    Ctl<CommandButton>("cmdClear").Click = [this] { cmdClear_Click(); };
}

void StandardPicturePage::ShowValue(const Variant& value)
{
    m_picture = value.ToPicture();
    Ctl<PictureBox>("picPreview")
        .SetPicture(m_picture.IsNone() ? QPixmap() : QPixmap::fromImage(m_picture.Image()));
}

Variant StandardPicturePage::Edited() const
{
    return Variant(m_picture);
}

void StandardPicturePage::cmdLoad_Click()
{
    const std::string file = Ctl<TextBox>("txtFile").Text();
    QImage image(ToQt(file));
    if (image.isNull())
        throw platform::RunTimeError(481, "Invalid picture: \"" + file + "\"");
    ShowValue(Variant(platform::com::Picture(image)));
    SetHeld(Edited());
}

void StandardPicturePage::cmdClear_Click()
{
    ShowValue(Variant(platform::com::Picture()));
    SetHeld(Edited());
}

std::vector<platform::com::ComPtr<platform::com::IUnknown>> ProgressBarPages()
{
    using platform::com::IUnknown;
    using platform::com::MakeObject;
    return {
        MakeObject<PgbAllgemein>().As<IUnknown>(),
        MakeObject<StandardFontPage>(std::vector<std::string>{"Font"}).As<IUnknown>(),
        MakeObject<StandardColorPage>(std::vector<std::string>{"BackColor", "BorderColor",
                                                               "EndFillColor", "ForeColor",
                                                               "StartFillColor"})
            .As<IUnknown>(),
        MakeObject<StandardPicturePage>(std::vector<std::string>{"MouseIcon", "Picture"})
            .As<IUnknown>(),
    };
}

} // namespace kolvetra
