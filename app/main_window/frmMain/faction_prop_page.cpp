#include "faction_prop_page.h"

#include "edit_rule.h"
#include "faction_prop_compiler.h"
#include "language_switch.h"
#include "pick_lists.h"
#include "window_controls.h"

#include "app/main_window/frmFPBodyparts/frmFPBodyparts.h"
#include "app/project_store/modFunctions.h"
#include "app/project_store/modINI.h"
#include "app/project_store/project_paths.h"
#include "platform/errors/run_time_error.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

namespace quorvel {

namespace forms = platform::forms;
using forms::ControlDef;
using forms::Kind;
using forms::kSysButtonText;

namespace {

constexpr const char* kTab = "SSTab1";
constexpr const char* kLists = "SSTab2";
constexpr int kP = FactionPropPage::kPage;
constexpr unsigned kOn = forms::kChecked;
constexpr const char* kRemoveHint = "Doppelklicken um den selektierten Eintrag zu entfernen.";

// The left column: a caption and its control per row. The inner tabs hold the five lists,
// each page with its list box, its hint, its pick list(s) and its add button.
// clang-format off
constexpr ControlDef kControls[] = {
    {Kind::Label,     "Label10",         kTab,   120,  465, 1935,  255, "Affiliation",          kP},
    {Kind::ComboBox,  "cboFP_group",     kTab,  2115,  420, 3045,  315, "",                     kP},
    {Kind::Label,     "Label11",         kTab,   120,  795, 1935,  255, "Legality",             kP},
    {Kind::Frame,     "Frame4",          kTab,  2115,  765, 3045,  285, "", kP, forms::kNoBorder},
    {Kind::OptionButton, "Option1",      "Frame4",  0,    0, 1110,  285, "Lawful",   -1, kOn},
    {Kind::OptionButton, "Option2",      "Frame4", 1110,  0, 1200,  285, "Unlawful"},
    {Kind::Label,     "Label12",         kTab,   120, 1095, 1935,  255, "nickname_plurality",   kP},
    {Kind::Frame,     "Frame5",          kTab,  2115, 1065, 3045,  285, "", kP, forms::kNoBorder},
    {Kind::OptionButton, "Option3",      "Frame5",  0,    0, 1110,  285, "Singular", -1, kOn},
    {Kind::OptionButton, "Option4",      "Frame5", 1110,  0, 1200,  285, "Plural"},
    {Kind::Label,     "Label14",         kTab,   120, 1395, 1935,  255, "jump_preference",      kP},
    {Kind::Frame,     "Frame6",          kTab,  2115, 1365, 3045,  285, "", kP, forms::kNoBorder},
    {Kind::OptionButton, "Option5",      "Frame6",  0,    0, 1110,  285, "Jumpgate", -1, kOn},
    {Kind::OptionButton, "Option6",      "Frame6", 1110,  0, 1110,  285, "Jumphole"},
    {Kind::OptionButton, "Option7",      "Frame6", 2220,  0,  825,  285, "Both"},
    {Kind::Label,     "Label13",         kTab,   120, 1725, 1935,  255, "msg_id_prefix",        kP},
    {Kind::ComboBox,  "cboFPprefix",     kTab,  2115, 1680, 3045,  315, "",                     kP},
    {Kind::Label,     "Label18",         kTab,   120, 2055, 1935,  255, "mc_costume",           kP},
    {Kind::ComboBox,  "cboFPmc",         kTab,  2115, 2010, 3045,  315, "",                     kP},
    {Kind::Label,     "Label20",         kTab,   120, 2385, 1935,  255, "Vorname m\xE4nnlich (IDS)", kP},
    {Kind::TextBox,   "txtFPNameMale",   kTab,  2115, 2340, 3045,  285, "",                     kP},
    {Kind::Label,     "Label21",         kTab,   120, 2685, 1935,  255, "Vorname weiblich (IDS)", kP},
    {Kind::TextBox,   "txtFPFemale",     kTab,  2115, 2640, 3045,  285, "",                     kP},
    {Kind::Label,     "Label22",         kTab,   120, 2985, 1935,  255, "Nachname (IDS)",       kP},
    {Kind::TextBox,   "txtFPLastname",   kTab,  2115, 2940, 3045,  285, "",                     kP},
    {Kind::Label,     "Label23",         kTab,   120, 3285, 1935,  255, "Rank_desig (IDS)",     kP},
    {Kind::TextBox,   "txtFPrank",       kTab,  2115, 3240, 3045,  285, "",                     kP},
    {Kind::Label,     "Label24",         kTab,   120, 3585, 1935,  255, "Formation_desig (IDS)", kP},
    {Kind::TextBox,   "txtFPformation",  kTab,  2115, 3540, 3045,  285, "",                     kP},
    {Kind::Label,     "Label27",         kTab,   120, 3885, 1935,  255, "large_ship_desig (IDS)", kP},
    {Kind::TextBox,   "txtFPlsd",        kTab,  2115, 3840, 3045,  285, "",                     kP},
    {Kind::Label,     "Label28",         kTab,   120, 4185, 1935,  255, "large_ship_names (IDS)", kP},
    {Kind::TextBox,   "txtFPlsn",        kTab,  2115, 4140, 3045,  285, "",                     kP},
    {Kind::Label,     "Label29",         kTab,   120, 4485, 1935,  255, "Fracht scannen?",      kP},
    {Kind::ComboBox,  "cboFPScanFracht", kTab,  2115, 4440, 1125,  315, "False",                kP},
    {Kind::Label,     "Label30",         kTab,  3330, 4485, 1110,  255, "Scan chance",          kP},
    {Kind::TextBox,   "txtFPScan",       kTab,  4500, 4440,  660,  285, "0.0",                  kP},
    {Kind::Label,     "Label26",         kTab,  2280, 5055,  735,  225, "Gesamt",               kP},

    {Kind::TabDialog, "SSTab2",          kTab,  5280,  420, 4680, 4455,
     "Schiffe|Stimmen|K\xF6rper|Scan|Formation", kP},
    {Kind::ListBox,   "lstFPShips",      kLists, 120,  480, 4440, 2880, "",  0},
    {Kind::Label,     "Label15",         kLists, 120, 3435, 4440,  255, kRemoveHint, 0},
    {Kind::ComboBox,  "cboFPShips",      kLists, 120, 3840, 3135,  315, "",  0},
    {Kind::ListBox,   "lstFPVoice",      kLists, 120,  480, 4440, 2880, "",  1},
    {Kind::Label,     "Label16",         kLists, 120, 3435, 4440,  255, kRemoveHint, 1},
    {Kind::ComboBox,  "cboFPVoice",      kLists, 120, 3840, 3135,  315, "",  1},
    {Kind::ListBox,   "lstFPBodyparts",  kLists, 120,  480, 4440, 2880, "",  2},
    {Kind::Label,     "Label17",         kLists, 120, 3435, 4440,  255, kRemoveHint, 2},
    {Kind::ListBox,   "lstFPscan",       kLists, 120,  480, 4440, 2880, "",  3},
    {Kind::Label,     "Label19",         kLists, 120, 3435, 4440,  255, kRemoveHint, 3},
    {Kind::ComboBox,  "cboFPScan",       kLists, 120, 3840, 3135,  315, "",  3},
    {Kind::ListBox,   "lstFPformation",  kLists, 120,  480, 4440, 2880, "",  4},
    {Kind::ComboBox,  "cboFPFormation",  kLists, 120, 3450, 3135,  315, "",  4},
    {Kind::ComboBox,  "cboFPformation2", kLists, 120, 3840, 3135,  315, "",  4},
};
constexpr ControlDef kButtons[] = {
    {Kind::CommandButton, "BreloButton9",  kLists, 3375, 3840, 1185, 315, "Neu",    0, 0,
     kButtonFont, kSysButtonText},
    {Kind::CommandButton, "BreloButton10", kLists, 3375, 3840, 1185, 315, "Neu",    1, 0,
     kButtonFont, kSysButtonText},
    {Kind::CommandButton, "BreloButton8",  kLists, 3375, 3840, 1185, 315, "Neu...", 2, 0,
     kButtonFont, kSysButtonText},
    {Kind::CommandButton, "BreloButton11", kLists, 3375, 3840, 1185, 315, "Neu",    3, 0,
     kButtonFont, kSysButtonText},
    {Kind::CommandButton, "BreloButton12", kLists, 3375, 3840, 1185, 315, "Neu",    4, 0,
     kButtonFont, kSysButtonText},
    {Kind::CommandButton, "btnCompileFP",  kTab,    120, 4980, 1935, 375, "INI erstellen", kP, 0,
     kButtonFont, kSysButtonText},
};
constexpr ControlDef kBar =
    {Kind::PictureBox,    "pgFP2",         kTab,   3120, 5040, 6735, 255, "", kP};
// clang-format on

// The value each option stands for, and the key it writes.
struct OptionValue {
    const char* key;
    const char* value;
};
constexpr OptionValue kOptions[] = {
    {"Legality", "lawful"},  {"Legality", "unlawful"}, {"plurality", "singular"},
    {"plurality", "plural"}, {"jump", "jumpgate"},     {"jump", "jumphole"},
    {"jump", "both"},
};

// Stored option values are matched without regard to case, a deliberate mend: compared
// exactly, a file that says "Lawful" or "Jumpgate" (the stock files' own spelling) would select
// the other option, and the write-back of loading would store "unlawful" or "both" over the
// modder's value merely because the faction was viewed.
bool SameIgnoringCase(const std::string& a, const char* b)
{
    return std::equal(a.begin(), a.end(), b, b + std::char_traits<char>::length(b),
                      [](char x, char y) {
                          return std::tolower(static_cast<unsigned char>(x)) ==
                                 std::tolower(static_cast<unsigned char>(y));
                      });
}

void Fill(forms::ComboBox& box, pick_lists::PickList entries)
{
    for (const char* entry : entries)
        box.AddItem(entry);
}

forms::Form& Build(forms::Form& form)
{
    form.Create(kControls);
    for (const ControlDef& row : kButtons)
        AddButton(form, row);
    AddProgressBar(form, kBar);
    Fill(form.Ctl<forms::ComboBox>("cboFPmc"), pick_lists::MissionCostumes());
    Fill(form.Ctl<forms::ComboBox>("cboFPShips"), pick_lists::ShipLoadouts());
    Fill(form.Ctl<forms::ComboBox>("cboFPVoice"), pick_lists::Voices());
    Fill(form.Ctl<forms::ComboBox>("cboFPScan"), pick_lists::CargoNames());
    Fill(form.Ctl<forms::ComboBox>("cboFPFormation"), pick_lists::FirstFormationValues());
    Fill(form.Ctl<forms::ComboBox>("cboFPformation2"), pick_lists::SecondFormationValues());
    Fill(form.Ctl<forms::ComboBox>("cboFPScanFracht"), pick_lists::ScanAnnounceValues());
    return form;
}

// Resets the page's marker of a box being shown with a cut value when the set is over,
// also when a handler it raised failed.
class ShowingCut {
public:
    ShowingCut(const forms::Control*& marker, const forms::Control* box)
        : m_marker(marker)
    {
        m_marker = box;
    }
    ~ShowingCut() { m_marker = nullptr; }
    ShowingCut(const ShowingCut&) = delete;
    ShowingCut& operator=(const ShowingCut&) = delete;

private:
    const forms::Control*& m_marker;
};

// The faction's list file; none for a key that cannot be part of a file name, whose lists
// are then as empty as those of a missing file.
std::optional<Path> ListFileOf(FactionList kind, const std::string& g)
{
    try {
        return FactionListFile(kind, g);
    } catch (const platform::RunTimeError& e) {
        if (e.number() == 52)
            return std::nullopt;
        throw;
    }
}

// Appends the entry to the list of faction g and rewrites its file. The file's name is made
// first, so that a key that cannot name a file leaves the list as it was.
void AddEntry(forms::ListBox& list, FactionList kind, const std::string& g,
              const std::string& entry)
{
    const Path file = FactionListFile(kind, g);
    list.AddItem(entry);
    WriteListFile(file, list);
}

// Removes the selected entry (none selected: nothing) and rewrites the file from the list.
void RemoveSelected(forms::ListBox& list, FactionList kind, const std::string& g)
{
    // With no project or no faction the list belongs to no file: nothing is removed or written.
    if (!EditMayWrite(g))
        return;
    const Path file = FactionListFile(kind, g);
    if (list.ListIndex() >= 0)
        list.RemoveItem(list.ListIndex());
    WriteListFile(file, list);
}

} // namespace

FactionPropPage::FactionPropPage(forms::Form& form)
    : m_form(Build(form))
    , cboFP_group(form.Ctl<forms::ComboBox>("cboFP_group"))
    , cboFPprefix(form.Ctl<forms::ComboBox>("cboFPprefix"))
    , cboFPmc(form.Ctl<forms::ComboBox>("cboFPmc"))
    , txtFPNameMale(form.Ctl<forms::TextBox>("txtFPNameMale"))
    , txtFPFemale(form.Ctl<forms::TextBox>("txtFPFemale"))
    , txtFPLastname(form.Ctl<forms::TextBox>("txtFPLastname"))
    , txtFPrank(form.Ctl<forms::TextBox>("txtFPrank"))
    , txtFPformation(form.Ctl<forms::TextBox>("txtFPformation"))
    , txtFPlsd(form.Ctl<forms::TextBox>("txtFPlsd"))
    , txtFPlsn(form.Ctl<forms::TextBox>("txtFPlsn"))
    , cboFPScanFracht(form.Ctl<forms::ComboBox>("cboFPScanFracht"))
    , txtFPScan(form.Ctl<forms::TextBox>("txtFPScan"))
    , lstFPShips(form.Ctl<forms::ListBox>("lstFPShips"))
    , lstFPVoice(form.Ctl<forms::ListBox>("lstFPVoice"))
    , lstFPBodyparts(form.Ctl<forms::ListBox>("lstFPBodyparts"))
    , lstFPscan(form.Ctl<forms::ListBox>("lstFPscan"))
    , lstFPformation(form.Ctl<forms::ListBox>("lstFPformation"))
    , cboFPShips(form.Ctl<forms::ComboBox>("cboFPShips"))
    , cboFPVoice(form.Ctl<forms::ComboBox>("cboFPVoice"))
    , cboFPScan(form.Ctl<forms::ComboBox>("cboFPScan"))
    , cboFPFormation(form.Ctl<forms::ComboBox>("cboFPFormation"))
    , cboFPformation2(form.Ctl<forms::ComboBox>("cboFPformation2"))
    , pgFP2(*form.Find("pgFP2"))
    , m_bodyparts(std::make_unique<frmFPBodyparts>(lstFPBodyparts, cboFP_group))
{
    connectHandlers();
}

FactionPropPage::~FactionPropPage() = default;

void FactionPropPage::connectHandlers()
{
    cboFP_group.Click = [this] { cboFP_group_Click(); };
    cboFPprefix.Change = [this] { cboFPprefix_Change(); };
    cboFPprefix.Click = [this] { cboFPprefix_Click(); };
    cboFPmc.Change = [this] { cboFPmc_Change(); };
    cboFPmc.Click = [this] { cboFPmc_Click(); };
    txtFPNameMale.Change = [this] { txtFPNameMale_Change(); };
    txtFPFemale.Change = [this] { txtFPFemale_Change(); };
    txtFPLastname.Change = [this] { txtFPLastname_Change(); };
    txtFPrank.Change = [this] { txtFPrank_Change(); };
    txtFPformation.Change = [this] { txtFPformation_Change(); };
    txtFPlsd.Change = [this] { txtFPlsd_Change(); };
    txtFPlsn.Change = [this] { txtFPlsn_Change(); };
    txtFPScan.Change = [this] { txtFPScan_Change(); };
    cboFPScanFracht.Click = [this] { cboFPScanFracht_Click(); };
    cboFPScanFracht.Change = [this] { cboFPScanFracht_Change(); };
    for (int i = 1; i <= 7; ++i)
        m_form.Ctl<forms::OptionButton>("Option" + std::to_string(i)).Click = [this, i] {
            Option_Click(i);
        };
    m_form.Ctl<forms::Control>("BreloButton9").Click = [this] { BreloButton9_Click(); };
    m_form.Ctl<forms::Control>("BreloButton10").Click = [this] { BreloButton10_Click(); };
    m_form.Ctl<forms::Control>("BreloButton11").Click = [this] { BreloButton11_Click(); };
    m_form.Ctl<forms::Control>("BreloButton12").Click = [this] { BreloButton12_Click(); };
    lstFPShips.DblClick = [this] { lstFPShips_DblClick(); };
    lstFPVoice.DblClick = [this] { lstFPVoice_DblClick(); };
    lstFPBodyparts.DblClick = [this] { lstFPBodyparts_DblClick(); };
    lstFPscan.DblClick = [this] { lstFPscan_DblClick(); };
    lstFPformation.DblClick = [this] { lstFPformation_DblClick(); };
    m_form.Ctl<forms::Control>("BreloButton8").Click = [this] { BreloButton8_Click(); };
    m_form.Ctl<forms::Control>("btnCompileFP").Click = [this] { btnCompileFP_Click(); };
}

// Every selection and text set below goes through the control as a user edit does, so each
// control's own handler writes the shown value back at once (defaults included).
void FactionPropPage::cboFP_group_Click()
{
    const std::string g = cboFP_group.Text();
    if (!EditMayWrite(g))
        return;

    // Rebuilding the pick list is no edit of the box's text and writes nothing.
    cboFPprefix.Clear();
    if (g.size() >= 4 && g.compare(g.size() - 4, 4, "_grp") == 0)
        cboFPprefix.AddItem("gcs_refer_faction_" + g.substr(0, g.size() - 4));
    cboFPprefix.AddItem("ignore");

    const Path file = FactionPropertiesFile();
    const std::string legality = ReadIni(g, "Legality", "lawful", file);
    m_form.Ctl<forms::OptionButton>(SameIgnoringCase(legality, "lawful") ? "Option1" : "Option2")
        .SetValue(true);
    const std::string plurality = ReadIni(g, "plurality", "singular", file);
    m_form.Ctl<forms::OptionButton>(SameIgnoringCase(plurality, "singular") ? "Option3" : "Option4")
        .SetValue(true);
    const std::string jump = ReadIni(g, "jump", "jumpgate", file);
    const char* jumpOption = SameIgnoringCase(jump, "jumpgate")   ? "Option5"
                             : SameIgnoringCase(jump, "jumphole") ? "Option6"
                                                                  : "Option7";
    m_form.Ctl<forms::OptionButton>(jumpOption).SetValue(true);

    ShowValue(cboFPprefix, "msg_id_prefix", "", g);
    ShowValue(cboFPmc, "mc_costume", "", g);
    ShowValue(txtFPNameMale, "firstname_male", "", g);
    ShowValue(txtFPFemale, "firstname_female", "", g);
    ShowValue(txtFPLastname, "lastname", "", g);
    ShowValue(txtFPrank, "rank_desig", "", g);
    ShowValue(txtFPformation, "formation_desig", "", g);
    ShowValue(txtFPScan, "scan_chance", "0.0", g);
    ShowValue(cboFPScanFracht, "scan_announce", "False", g);
    ShowValue(txtFPlsd, "large_ship_desig", "", g);
    ShowValue(txtFPlsn, "large_ship_names", "", g);

    const struct {
        forms::ListBox& box;
        FactionList kind;
    } lists[] = {
        {lstFPShips, FactionList::Ship},          {lstFPVoice, FactionList::Voice},
        {lstFPBodyparts, FactionList::Body},      {lstFPscan, FactionList::Scan},
        {lstFPformation, FactionList::Formation},
    };
    for (const auto& list : lists)
        list.box.Clear();
    for (const auto& list : lists) {
        const std::optional<Path> file = ListFileOf(list.kind, g);
        if (!file)
            continue;
        for (const std::string& entry : LoadListFromFile(*file))
            list.box.AddItem(entry);
    }
}

template <class Box>
void FactionPropPage::ShowValue(Box& box, const char* key, const char* fallback,
                                const std::string& g)
{
    const IniValue value = ReadIniValue(g, key, fallback, FactionPropertiesFile());
    ShowingCut showing(m_showingCut, value.cut ? &box : nullptr);
    box.SetText(value.text);
}

void FactionPropPage::WriteValue(const forms::Control& box, const char* key,
                                 const std::string& text)
{
    if (&box == m_showingCut)
        return;
    const std::string g = cboFP_group.Text();
    if (!EditMayWrite(g))
        return;
    WriteIni(g, key, text, FactionPropertiesFile());
}

void FactionPropPage::cboFPprefix_Change()
{
    WriteValue(cboFPprefix, "msg_id_prefix", cboFPprefix.Text());
}

void FactionPropPage::cboFPprefix_Click()
{
    cboFPprefix_Change();
}

void FactionPropPage::cboFPmc_Change()
{
    WriteValue(cboFPmc, "mc_costume", cboFPmc.Text());
}

void FactionPropPage::cboFPmc_Click()
{
    cboFPmc_Change();
}

void FactionPropPage::txtFPNameMale_Change()
{
    WriteValue(txtFPNameMale, "firstname_male", txtFPNameMale.Text());
}

void FactionPropPage::txtFPFemale_Change()
{
    WriteValue(txtFPFemale, "firstname_female", txtFPFemale.Text());
}

void FactionPropPage::txtFPLastname_Change()
{
    WriteValue(txtFPLastname, "lastname", txtFPLastname.Text());
}

void FactionPropPage::txtFPrank_Change()
{
    WriteValue(txtFPrank, "rank_desig", txtFPrank.Text());
}

void FactionPropPage::txtFPformation_Change()
{
    WriteValue(txtFPformation, "formation_desig", txtFPformation.Text());
}

void FactionPropPage::txtFPlsd_Change()
{
    WriteValue(txtFPlsd, "large_ship_desig", txtFPlsd.Text());
}

void FactionPropPage::txtFPlsn_Change()
{
    WriteValue(txtFPlsn, "large_ship_names", txtFPlsn.Text());
}

void FactionPropPage::txtFPScan_Change()
{
    WriteValue(txtFPScan, "scan_chance", txtFPScan.Text());
}

// With "False" (exactly) no cargo is scanned, so the chance becomes "0.0"; nothing locks
// txtFPScan, and a chance typed afterwards is stored as typed.
void FactionPropPage::cboFPScanFracht_Click()
{
    if (!EditMayWrite(cboFP_group.Text()))
        return;
    WriteValue(cboFPScanFracht, "scan_announce", cboFPScanFracht.Text());
    if (cboFPScanFracht.Text() == "False")
        txtFPScan.SetText("0.0");
}

void FactionPropPage::cboFPScanFracht_Change()
{
    cboFPScanFracht_Click();
}

void FactionPropPage::Option_Click(int option)
{
    const OptionValue& o = kOptions[option - 1];
    const std::string g = cboFP_group.Text();
    if (EditMayWrite(g))
        WriteIni(g, o.key, o.value, FactionPropertiesFile());
}

void FactionPropPage::BreloButton9_Click()
{
    if (EditMayWrite(cboFP_group.Text()) && !cboFPShips.Text().empty())
        AddEntry(lstFPShips, FactionList::Ship, cboFP_group.Text(), cboFPShips.Text());
}

void FactionPropPage::BreloButton10_Click()
{
    if (EditMayWrite(cboFP_group.Text()) && !cboFPVoice.Text().empty())
        AddEntry(lstFPVoice, FactionList::Voice, cboFP_group.Text(), cboFPVoice.Text());
}

void FactionPropPage::BreloButton11_Click()
{
    if (EditMayWrite(cboFP_group.Text()) && !cboFPScan.Text().empty())
        AddEntry(lstFPscan, FactionList::Scan, cboFP_group.Text(), cboFPScan.Text());
}

void FactionPropPage::BreloButton12_Click()
{
    if (EditMayWrite(cboFP_group.Text()) && !cboFPFormation.Text().empty() &&
        !cboFPformation2.Text().empty())
        AddEntry(lstFPformation, FactionList::Formation, cboFP_group.Text(),
                 cboFPFormation.Text() + ", " + cboFPformation2.Text());
}

void FactionPropPage::lstFPShips_DblClick()
{
    RemoveSelected(lstFPShips, FactionList::Ship, cboFP_group.Text());
}

void FactionPropPage::lstFPVoice_DblClick()
{
    RemoveSelected(lstFPVoice, FactionList::Voice, cboFP_group.Text());
}

void FactionPropPage::lstFPBodyparts_DblClick()
{
    RemoveSelected(lstFPBodyparts, FactionList::Body, cboFP_group.Text());
}

void FactionPropPage::lstFPscan_DblClick()
{
    RemoveSelected(lstFPscan, FactionList::Scan, cboFP_group.Text());
}

void FactionPropPage::lstFPformation_DblClick()
{
    RemoveSelected(lstFPformation, FactionList::Formation, cboFP_group.Text());
}

// One dialog: shown again while open, it comes forward with its texts as they are.
void FactionPropPage::BreloButton8_Click()
{
    if (!ActiveProject().empty())
        m_bodyparts->Show(forms::vbModeless, &m_form);
}

void FactionPropPage::btnCompileFP_Click()
{
    std::vector<std::string> factions;
    factions.reserve(static_cast<std::size_t>(cboFP_group.ListCount()));
    for (int i = 0; i < cboFP_group.ListCount(); ++i)
        factions.push_back(cboFP_group.List(i));
    CompileProgress progress;
    progress.setMax = [this](double v) { SetBarMax(pgFP2, v); };
    progress.setValue = [this](double v) { SetBarValue(pgFP2, v); };
    CompileFactionProperties(factions, progress, language::WindowLanguage(m_form));
}

} // namespace quorvel
