#include "initial_world_page.h"

#include "app/main_window/frmMain/edit_rule.h"
#include "app/main_window/frmMain/initial_world_compiler.h"
#include "app/main_window/frmMain/language_switch.h"
#include "app/main_window/frmMain/window_controls.h"
#include "app/project_store/modINI.h"
#include "app/project_store/project_paths.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace forms = platform::forms;
using forms::ControlDef;
using forms::Kind;

namespace {

constexpr const char* kTab = "SSTab1";
constexpr int kP = InitialWorldPage::kPage;

// clang-format off
constexpr ControlDef kControls[] = {
    {Kind::Label,        "Label35",          kTab,  240,  540, 1335,  255, "Nickname",        kP},
    {Kind::DropDownList, "cboInit_group",    kTab, 1680,  495, 2655,  315, "",                kP},
    {Kind::Label,        "Label32",          kTab,  240, 1020, 1335,  255, "IDS Name",        kP},
    {Kind::TextBox,      "txtInitName",      kTab, 1680,  975, 2655,  285, "",                kP},
    {Kind::Label,        "Label33",          kTab,  240, 1440, 1335,  255, "IDS short name",  kP},
    {Kind::TextBox,      "txtInitShortName", kTab, 1680, 1395, 2655,  285, "",                kP},
    {Kind::Label,        "Label34",          kTab,  240, 1860, 1335,  255, "IDS Info",        kP},
    {Kind::TextBox,      "txtInitInfo",      kTab, 1680, 1815, 2655,  285, "",                kP},
    {Kind::ListView,     "lv_Init",          kTab, 4560,  495, 5295, 4095,
     "Faction|Description|REP", kP},
    {Kind::CheckBox,     "chkForceRep2",     kTab, 1680, 2280, 2655,  255, "Force-reputation",
     kP, forms::kChecked},
    {Kind::Label,        "Label31",          kTab, 2520, 4815,  735,  225, "Aktuell",         kP},
    {Kind::Label,        "Label25",          kTab, 2520, 5055,  735,  225, "Gesamt",          kP},
};
constexpr ControlDef kButton =
    {Kind::CommandButton, "BreloButton13",   kTab, 7680, 4800, 2175,  495, "INI erstellen",   kP, 0, kButtonFont, forms::kSysButtonText};
// The two bars overlap by one pixel, as the window was designed.
constexpr ControlDef kBars[] = {
    {Kind::PictureBox,   "pgInit1",          kTab, 3360, 4800, 4095,  255, "Aktuell",         kP},
    {Kind::PictureBox,   "pgInit2",          kTab, 3360, 5040, 4095,  255, "Gesamt",          kP},
};
// clang-format on

// Column widths of lv_Init, twips.
constexpr int kColumnWidths[] = {1500, 2535, 960};

forms::Form& Build(forms::Form& form)
{
    form.Create(kControls);
    auto& columns = form.Ctl<forms::ListView>("lv_Init").ColumnHeaders();
    for (int c = 0; c < columns.Count(); ++c)
        columns.SetWidth(c + 1, kColumnWidths[c]);
    AddButton(form, kButton);
    for (const ControlDef& row : kBars)
        AddProgressBar(form, row);
    return form;
}

} // namespace

InitialWorldPage::InitialWorldPage(forms::Form& form)
    : m_form(Build(form))
    , cboInit_group(form.Ctl<forms::ComboBox>("cboInit_group"))
    , txtInitName(form.Ctl<forms::TextBox>("txtInitName"))
    , txtInitShortName(form.Ctl<forms::TextBox>("txtInitShortName"))
    , txtInitInfo(form.Ctl<forms::TextBox>("txtInitInfo"))
    , lv_Init(form.Ctl<forms::ListView>("lv_Init"))
    , chkForceRep2(form.Ctl<forms::CheckBox>("chkForceRep2"))
    , BreloButton13(*form.Find("BreloButton13"))
    , pgInit1(*form.Find("pgInit1"))
    , pgInit2(*form.Find("pgInit2"))
{
    connectHandlers();
}

double InitialWorldPage::BarMax(const char* bar) const
{
    return quorvel::BarMax(*m_form.Find(bar));
}

double InitialWorldPage::BarValue(const char* bar) const
{
    return quorvel::BarValue(*m_form.Find(bar));
}

void InitialWorldPage::connectHandlers()
{
    cboInit_group.Click = [this] { cboInit_group_Click(); };
    txtInitName.Change = [this] { txtInitName_Change(); };
    txtInitShortName.Change = [this] { txtInitShortName_Change(); };
    txtInitInfo.Change = [this] { txtInitInfo_Change(); };
    lv_Init.DblClick = [this] { lv_Init_DblClick(); };
    BreloButton13.Click = [this] { BreloButton13_Click(); };
}

void InitialWorldPage::cboInit_group_Click()
{
    if (ActiveProject().empty())
        return;
    const std::string g = cboInit_group.Text();
    ShowId(txtInitName, "ids_name", g);
    ShowId(txtInitShortName, "ids_short_name", g);
    ShowId(txtInitInfo, "ids_info", g);
    const Path file = InitialWorldFile();
    auto& rows = lv_Init.ListItems();
    for (int j = 1; j <= rows.Count(); ++j) {
        forms::ListItem& row = rows(j);
        row.SetSubItem(2, ReadIni(g, row.Text(), "", file));
    }
}

void InitialWorldPage::txtInitName_Change()
{
    WriteId(txtInitName, "ids_name");
}

void InitialWorldPage::txtInitShortName_Change()
{
    WriteId(txtInitShortName, "ids_short_name");
}

void InitialWorldPage::txtInitInfo_Change()
{
    WriteId(txtInitInfo, "ids_info");
}

void InitialWorldPage::lv_Init_DblClick()
{
    if (!EditMayWrite(cboInit_group.Text()))
        return;
    // Without a selected row there is nothing the answer could be stored for.
    if (!lv_Init.SelectedItem())
        return;
    const std::string v = forms::InputBox("Reputation", "Initialworld", "0.0");
    if (v.empty())
        return;
    forms::ListItem* row = lv_Init.SelectedItem();
    if (!row)
        return;
    const std::string g = cboInit_group.Text();
    const std::string t = row->Text();
    const Path file = InitialWorldFile();
    WriteIni(g, t, v, file);
    if (chkForceRep2.Value() == forms::vbChecked)
        WriteIni(t, g, v, file);
    row->SetSubItem(2, v);
}

void InitialWorldPage::BreloButton13_Click()
{
    std::vector<std::string> factions;
    factions.reserve(cboInit_group.ListCount());
    for (int i = 0; i < cboInit_group.ListCount(); ++i)
        factions.push_back(cboInit_group.List(i));
    std::vector<std::string> rows;
    const auto& items = lv_Init.ListItems();
    rows.reserve(items.Count());
    for (int r = 1; r <= items.Count(); ++r)
        rows.push_back(items(r).Text());

    InitialWorldProgress progress;
    progress.setOverallMax = [this](double v) { SetBarMax(pgInit2, v); };
    progress.setOverallValue = [this](double v) { SetBarValue(pgInit2, v); };
    progress.setCurrentMax = [this](double v) { SetBarMax(pgInit1, v); };
    progress.setCurrentValue = [this](double v) { SetBarValue(pgInit1, v); };
    CompileInitialWorld(factions, rows, progress, language::WindowLanguage(m_form));
}

// Shows the stored value; the box's Change then writes it back (a missing key is thereby
// stored as "error"), unless the read cut it short.
void InitialWorldPage::ShowId(forms::TextBox& box, const char* key, const std::string& g)
{
    const IniValue value = ReadIniValue(g, key, "error", InitialWorldFile());
    m_showingCut = value.cut ? &box : nullptr;
    try {
        box.SetText(value.text);
    } catch (...) {
        m_showingCut = nullptr;
        throw;
    }
    m_showingCut = nullptr;
}

void InitialWorldPage::WriteId(const forms::TextBox& box, const char* key)
{
    const std::string g = cboInit_group.Text();
    if (&box == m_showingCut || !EditMayWrite(g))
        return;
    WriteIni(g, key, box.Text(), InitialWorldFile());
}

} // namespace quorvel
