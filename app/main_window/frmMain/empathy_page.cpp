#include "empathy_page.h"

#include <algorithm>
#include <optional>

#include "app/main_window/frmMain/edit_rule.h"
#include "app/main_window/frmMain/empathy_compiler.h"
#include "app/main_window/frmMain/language_switch.h"
#include "app/main_window/frmMain/window_controls.h"
#include "app/project_store/modINI.h"
#include "app/project_store/project_paths.h"
#include "platform/errors/run_time_error.h"
#include "platform/forms/forms.h"

namespace quorvel {

namespace forms = platform::forms;
using forms::CheckBox;
using forms::ComboBox;
using forms::Control;
using forms::ControlDef;
using forms::Form;
using forms::Kind;
using forms::ListItem;
using forms::ListView;

namespace {

constexpr int kPage = 1;
constexpr forms::OleColor kOrange = forms::RGB(255, 128, 0);

// The page as designed: twips on SSTab1, in the order the controls are made.
// clang-format off
constexpr ControlDef kControls[] = {
    {Kind::Label,        "Label3",                         "SSTab1",  240,  600, 1215,  255, "Gruppenname:", kPage},
    {Kind::DropDownList, "cboemphaty_group",               "SSTab1", 1440,  540, 2535,  315, "", kPage},
    {Kind::Label,        "lbl_emphaty_object_destruction", "SSTab1",  240, 1260, 2175,  255, "object_destruction", kPage, 0, {}, kOrange},
    {Kind::ComboBox,     "Combo1",                         "SSTab1", 2520, 1200, 1455,  315, "0.0", kPage},
    {Kind::Label,        "lbl_emphaty_rms",                "SSTab1",  240, 1740, 2175,  255, "random_mission_success", kPage, 0, {}, kOrange},
    {Kind::ComboBox,     "Combo2",                         "SSTab1", 2520, 1680, 1455,  315, "0.0", kPage},
    {Kind::Label,        "lbl_emphaty_rmf",                "SSTab1",  240, 2220, 2175,  255, "random_mission_failure", kPage, 0, {}, kOrange},
    {Kind::ComboBox,     "Combo3",                         "SSTab1", 2520, 2160, 1455,  315, "0.0", kPage},
    {Kind::Label,        "lbl_emphaty_rma",                "SSTab1",  240, 2700, 2175,  255, "random_mission_abortion", kPage, 0, {}, kOrange},
    {Kind::ComboBox,     "Combo4",                         "SSTab1", 2520, 2640, 1455,  315, "0.0", kPage},
    {Kind::Label,        "lblEmphatyList",                 "SSTab1", 4320,  600, 5535,  255, "Es ist normal, das sich die aktive Fraktion auch in der Liste befindet", kPage},
    {Kind::ListView,     "lv_emphaty",                     "SSTab1", 4320,  900, 5535, 3255, "Faction|Description|REP", kPage},
    {Kind::CheckBox,     "chkForceREP",                    "SSTab1", 4320, 4260, 2535,  255, "Force-reputation", kPage, forms::kChecked},
    {Kind::Label,        "lblAktuellEmp",                  "SSTab1", 2400, 4800,  855,  255, "Aktuell", kPage, forms::kAlignRight},
    {Kind::Label,        "lblGesamtEmp",                   "SSTab1", 2400, 5040,  855,  255, "Gesamt", kPage, forms::kAlignRight},
};
constexpr ControlDef kSaveButton =
    {Kind::CommandButton, "btnEmphatySave",                "SSTab1", 7680, 4800, 1695,  495, "INI erstellen", kPage, 0, kButtonFont, forms::kSysButtonText};
constexpr ControlDef kCurrentBar =
    {Kind::PictureBox,   "pgEmphaty1",                     "SSTab1", 3360, 4800, 4095,  255, "", kPage};
constexpr ControlDef kOverallBar =
    {Kind::PictureBox,   "pgEmphaty2",                     "SSTab1", 3360, 5040, 4095,  255, "", kPage};
// clang-format on

// Columns of lv_emphaty: the key, the group name, the REP value; twips.
constexpr int kColumnWidths[] = {1800, 2520, 1095};

// The factor keys of Combo1 to Combo4, and the list each combo offers.
constexpr const char* kFactorKeys[] = {"o_d", "r_m_s", "r_m_f", "r_m_a"};
constexpr const char* kFactorChoices[] = {"-0.9", "-0.8", "-0.7", "-0.6", "-0.5", "-0.4", "-0.3",
                                          "-0.2", "-0.1", "0.0",  "0.1",  "0.2",  "0.3",  "0.4",
                                          "0.5",  "0.6",  "0.7",  "0.8",  "0.9"};

Form& WithControls(Form& form)
{
    form.Create(kControls);
    return form;
}

// The faction's reputation file; none for a key that cannot be part of a file name.
std::optional<Path> ReputationsOf(const std::string& key)
{
    try {
        return ReputationFile(key);
    } catch (const platform::RunTimeError& e) {
        if (e.number() == 52)
            return std::nullopt;
        throw;
    }
}

} // namespace

EmpathyPage::EmpathyPage(Form& form)
    : m_form(WithControls(form))
    , m_group(form.Ctl<ComboBox>("cboemphaty_group"))
    , m_factors{&form.Ctl<ComboBox>("Combo1"), &form.Ctl<ComboBox>("Combo2"),
                &form.Ctl<ComboBox>("Combo3"), &form.Ctl<ComboBox>("Combo4")}
    , m_list(form.Ctl<ListView>("lv_emphaty"))
    , m_forceRep(form.Ctl<CheckBox>("chkForceREP"))
    , m_save(AddButton(form, kSaveButton))
    , m_current(AddProgressBar(form, kCurrentBar))
    , m_overall(AddProgressBar(form, kOverallBar))
{
    m_form.Ctl<Control>("lbl_emphaty_object_destruction")
        .SetToolTipText("Wert\xE4nderung bei zerst\xF6rtem Schiff dieser Fraktion");
    m_form.Ctl<Control>("lbl_emphaty_rms")
        .SetToolTipText("Wert\xE4nderung bei einer erfolgreich ausgef\xFChrten Zufalls-Mission");
    m_form.Ctl<Control>("lbl_emphaty_rmf")
        .SetToolTipText("Wert\xE4nderung bei fehlgeschlagener Zufalls-Mission");
    m_form.Ctl<Control>("lbl_emphaty_rma")
        .SetToolTipText("Wert\xE4nderung bei abgebrochener Zufalls-Mission");
    for (ComboBox* combo : m_factors) {
        for (const char* choice : kFactorChoices)
            combo->AddItem(choice);
    }
    for (int i = 0; i < 3; ++i)
        m_list.ColumnHeaders().SetWidth(i + 1, kColumnWidths[i]);
    connectHandlers();
}

void EmpathyPage::connectHandlers()
{
    m_group.Click = [this] { cboemphaty_group_Click(); };
    m_factors[0]->Change = [this] { Combo1_Change(); };
    m_factors[0]->Click = [this] { Combo1_Click(); };
    m_factors[1]->Change = [this] { Combo2_Change(); };
    m_factors[1]->Click = [this] { Combo2_Click(); };
    m_factors[2]->Change = [this] { Combo3_Change(); };
    m_factors[2]->Click = [this] { Combo3_Click(); };
    m_factors[3]->Change = [this] { Combo4_Change(); };
    m_factors[3]->Click = [this] { Combo4_Click(); };
    m_list.Click = [this] { lv_emphaty_Click(); };
    m_list.DblClick = [this] { lv_emphaty_DblClick(); };
    m_save.Click = [this] { btnEmphatySave_Click(); };
}

// Shows the picked faction's stored values. Each shown factor is written back through its
// Change handler, so a missing key is stored as "0.0"; a value the read cut is shown but
// not written back, which would shorten it for good.
void EmpathyPage::cboemphaty_group_Click()
{
    if (ActiveProject().empty() || m_group.ListIndex() < 0)
        return;
    const std::string g = m_group.List(m_group.ListIndex());
    const Path factors = EmpathyFile();
    for (int k = 0; k < 4; ++k) {
        const IniValue v = ReadIniValue(g, kFactorKeys[k], "0.0", factors);
        m_showingCutValue = v.cut;
        struct Reset {
            bool& flag;
            ~Reset() { flag = false; }
        } reset{m_showingCutValue};
        m_factors[k]->SetText(v.text);
    }

    const std::optional<Path> reps = ReputationsOf(g);
    const int n = std::min(m_group.ListCount(), m_list.ListItems().Count());
    for (int i = 0; i < n; ++i) {
        m_list.ListItems()(i + 1).SetSubItem(2, reps ? ReadIni(m_group.List(i), "rep", "0.0", *reps)
                                                     : std::string("0.0"));
    }
}

void EmpathyPage::WriteFactor(const char* key, const ComboBox& combo)
{
    if (m_showingCutValue || !EditMayWrite(m_group.Text()))
        return;
    WriteIni(m_group.Text(), key, combo.Text(), EmpathyFile());
}

void EmpathyPage::Combo1_Change()
{
    WriteFactor(kFactorKeys[0], *m_factors[0]);
}
void EmpathyPage::Combo1_Click()
{
    Combo1_Change();
}
void EmpathyPage::Combo2_Change()
{
    WriteFactor(kFactorKeys[1], *m_factors[1]);
}
void EmpathyPage::Combo2_Click()
{
    Combo2_Change();
}
void EmpathyPage::Combo3_Change()
{
    WriteFactor(kFactorKeys[2], *m_factors[2]);
}
void EmpathyPage::Combo3_Click()
{
    Combo3_Change();
}
void EmpathyPage::Combo4_Change()
{
    WriteFactor(kFactorKeys[3], *m_factors[3]);
}
void EmpathyPage::Combo4_Click()
{
    Combo4_Change();
}

void EmpathyPage::lv_emphaty_Click() {}

// Stores a typed reputation toward the selected row's faction, and the whole REP column
// with it, into the picked faction's file; with chkForceREP ticked also the mirrored value
// into the selected faction's file. With no row selected nothing is asked.
void EmpathyPage::lv_emphaty_DblClick()
{
    const std::string g = m_group.Text();
    ListItem* selected = m_list.SelectedItem();
    if (!EditMayWrite(g) || !selected)
        return;
    const std::string v = forms::InputBox("Reputation", "REP", "0.0");
    if (v.empty())
        return;
    // Both files first: a key that cannot name a file raises 52 before anything changes.
    const Path reps = ReputationFile(g);
    const bool mirror = m_forceRep.Value() == forms::vbChecked;
    const Path mirrored = mirror ? ReputationFile(selected->Text()) : Path();
    selected->SetSubItem(2, v);

    for (int j = 1; j <= m_list.ListItems().Count(); ++j) {
        const ListItem& row = m_list.ListItems()(j);
        const std::string shown = row.SubItem(2);
        // A value the load cut shows only its start; writing it would lose the rest.
        if (&row != selected) {
            const IniValue stored = ReadIniValue(row.Text(), "rep", "0.0", reps);
            if (stored.cut && stored.text == shown)
                continue;
        }
        WriteIni(row.Text(), "rep", shown, reps);
    }
    if (mirror)
        WriteIni(g, "rep", selected->SubItem(2), mirrored);
}

void EmpathyPage::btnEmphatySave_Click()
{
    if (ActiveProject().empty())
        return;
    forms::DoEvents();
    std::vector<std::string> factions;
    for (int i = 0; i < m_group.ListCount(); ++i)
        factions.push_back(m_group.List(i));
    std::vector<std::string> rows;
    for (int j = 1; j <= m_list.ListItems().Count(); ++j)
        rows.push_back(m_list.ListItems()(j).Text());
    EmpathyProgress progress;
    progress.setOverallMax = [this](double v) { SetBarMax(m_overall, v); };
    progress.setOverallValue = [this](double v) { SetBarValue(m_overall, v); };
    progress.setCurrentMax = [this](double v) { SetBarMax(m_current, v); };
    progress.setCurrentValue = [this](double v) { SetBarValue(m_current, v); };
    CompileEmpathy(factions, rows, progress, language::WindowLanguage(m_form));
}

} // namespace quorvel
