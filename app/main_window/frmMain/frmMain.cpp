#include "frmMain.h"

#include "faction_registry_pane.h"
#include "project_manager_page.h"
#include "stock_import.h"
#include "window_controls.h"

#include "app/image_button/artwork.h"
#include "app/main_window/frmAbout/frmAbout.h"
#include "app/main_window/frmImport/frmImport.h"
#include "app/project_store/modFunctions.h"
#include "app/project_store/project_paths.h"
#include "platform/files/files.h"
#include "platform/forms/forms.h"

// The page classes of pages 1 to 3 are built by their own units; each is constructed below
// when it is part of the build, and its page otherwise holds only the faction lists.
#if __has_include("app/main_window/frmMain/empathy_page.h")
#include "app/main_window/frmMain/empathy_page.h"
#define QV_HAS_EMPATHY_PAGE 1
#endif
#if __has_include("app/main_window/frmMain/faction_prop_page.h")
#include "app/main_window/frmMain/faction_prop_page.h"
#define QV_HAS_FACTION_PROP_PAGE 1
#endif
#if __has_include("app/main_window/frmMain/initial_world_page.h")
#include "app/main_window/frmMain/initial_world_page.h"
#define QV_HAS_INITIAL_WORLD_PAGE 1
#endif

#include "app/main_window/frmMain/language_switch.h"
#include "app/main_window/frmMain/xml_script_page.h"

#include <QCoreApplication>
#include <QWidget>

namespace quorvel {

using namespace platform::forms;

namespace {

constexpr ControlDef kControls[] = {
    {Kind::TabDialog, "SSTab1", "", 0, 0, 10095, 5415,
     "Projektmanager|Emphaty.ini|Faction_Prop.ini|Initialworld.ini|XML-Script"},
    {Kind::Label, "lblActiveProject", "", 0, 5400, 2535, 255, "", -1, kHidden},
    {Kind::Label, "Label6", "", 5400, 5760, 135, 135, "\"", -1, kHidden},
};

constexpr ControlDef kButtons[] = {
    {Kind::CommandButton,
     "BreloButton3",
     "",
     6600,
     5520,
     375,
     375,
     "?",
     -1,
     0,
     {"MS Sans Serif", 8, true},
     kSysButtonText},
    {Kind::CommandButton, "BreloButton2", "", 7080, 5520, 1455, 375, "Englische Version", -1, 0,
     kButtonFont, kSysButtonText},
    {Kind::CommandButton, "BreloButton1", "", 8640, 5520, 1335, 375, "&Beenden", -1, 0, kButtonFont,
     kSysButtonText},
};

// The faction pickers and lists of the empathy (1) and initial-world (3) pages, which
// LoadFactionList fills, for a build without those pages' classes.
constexpr ControlDef kEmpathyStandIns[] = {
    {Kind::DropDownList, "cboemphaty_group", "SSTab1", 1560, 480, 2535, 315, "", 1},
    {Kind::ListView, "lv_emphaty", "SSTab1", 4440, 840, 5415, 3855, "Faction|Description|REP", 1},
};
constexpr ControlDef kInitialWorldStandIns[] = {
    {Kind::DropDownList, "cboInit_group", "SSTab1", 1560, 480, 2535, 315, "", 3},
    {Kind::ListView, "lv_Init", "SSTab1", 4440, 840, 5415, 3855, "Faction|Description|REP", 3},
};

void AddRow(ListView& view, const std::vector<std::string>& texts)
{
    ListItem& item = view.ListItems().Add(0, "", texts[0]);
    for (std::size_t i = 1; i < texts.size(); ++i)
        item.SetSubItem(static_cast<int>(i), texts[i]);
}

} // namespace

frmMain::frmMain()
    : Form("frmMain")
    , EndProgram([] { QCoreApplication::quit(); })
{
    SetCaption("Quorvel 2.0 beta 2 || Ternhallow");
    SetBorderStyle(BorderStyle::FixedSingle);
    SetClientSize(10125, 5985);
    Window()->setWindowIcon(MakeWindowIcon());
    Create(kControls);
    for (const ControlDef& row : kButtons)
        AddButton(*this, row);
    // An action whose writes did not land may have shown them: the lists follow the disk.
    SetAfterFailedAction([this] {
        if (!ActiveProject().empty())
            LoadFactionList();
    });

    // ---- The pages of SSTab1: every page class is constructed here, in page order. ----
    m_projectManager = std::make_unique<ProjectManagerPage>(*this); // page 0
    m_registry = std::make_unique<FactionRegistryPane>(*this);      // page 0, Frame2
#ifdef QV_HAS_EMPATHY_PAGE
    m_pages.push_back(std::make_shared<EmpathyPage>(*this)); // page 1
#else
    Create(kEmpathyStandIns);
#endif
#ifdef QV_HAS_FACTION_PROP_PAGE
    m_pages.push_back(std::make_shared<FactionPropPage>(*this)); // page 2
#endif
#ifdef QV_HAS_INITIAL_WORLD_PAGE
    m_pages.push_back(std::make_shared<InitialWorldPage>(*this)); // page 3
#else
    Create(kInitialWorldStandIns);
#endif
    m_pages.push_back(std::make_shared<XmlScriptPage>(*this)); // page 4
    // ---- end of the pages ----

    m_about = std::make_unique<frmAbout>();
    m_import = std::make_unique<frmImport>([this] { LoadFactionList(); });
    SetMessageSink([](const std::string& prompt, int buttons, const std::string& title) {
        MsgBox(prompt, buttons, title);
    });
    connectHandlers();
}

frmMain::~frmMain()
{
    SetMessageSink({});
    SetAfterFailedAction({});
    SetProjectListSink({});
}

void frmMain::connectHandlers()
{
    Ctl<Control>("BreloButton1").Click = [this] { BreloButton1_Click(); };
    Ctl<Control>("BreloButton3").Click = [this] { BreloButton3_Click(); };
    Ctl<Control>("BreloButton2").Click = [this] { language::BreloButton2_Click(*this); };
}

void frmMain::SetActiveProject(const std::string& name)
{
    quorvel::SetActiveProject(name);
    Ctl<Label>("lblActiveProject").SetCaption(name);
}

frmImport& frmMain::ImportDialog()
{
    return *m_import;
}

frmAbout& frmMain::AboutBox()
{
    return *m_about;
}

void frmMain::ShowImport()
{
    m_import->ShowOwnedBy(*this);
}

void frmMain::Form_Load()
{
    // A user action that a kill cut short is made whole or undone before anything is read.
    platform::files::RecoverInterruptedCommits(ProgramFolder());
    m_projectManager->Load();
    ListStockFactions(StockEmpathyFolder()); // 76 when the stock folder is missing
    Ctl<TabDialog>("SSTab1").SetTab(0);
    if (auto* inner = dynamic_cast<TabDialog*>(Find("SSTab2")))
        inner->SetTab(0);
    RefreshProjectList();
}

void frmMain::Form_QueryUnload(int& cancel, int unloadMode)
{
    EndProgram();
}

void frmMain::BreloButton1_Click()
{
    EndProgram();
}

void frmMain::BreloButton3_Click()
{
    m_about->Show(vbModeless);
}

void frmMain::LoadFactionList()
{
    auto& registry = Ctl<ListView>("lv_newfactions");
    auto& empathy = Ctl<ListView>("lv_emphaty");
    auto& initialWorld = Ctl<ListView>("lv_Init");
    std::vector<ComboBox*> pickers;
    for (const char* name : {"cboemphaty_group", "cboFP_group", "cboInit_group"}) {
        if (auto* picker = dynamic_cast<ComboBox*>(Find(name)))
            pickers.push_back(picker);
    }
    registry.ListItems().Clear();
    empathy.ListItems().Clear();
    initialWorld.ListItems().Clear();
    for (ComboBox* picker : pickers)
        picker->Clear();

    const auto rows = quorvel::LoadFactionList();
    if (!rows)
        return;
    for (const FactionRow& row : *rows)
        AddRow(registry, {row.key, row.groupName});
    Control& bar = Ctl<Control>("pgLoadProject");
    SetBarValue(bar, 0);
    SetBarMax(bar, static_cast<double>(rows->size()));
    for (std::size_t i = 0; i < rows->size(); ++i) {
        const FactionRow& row = (*rows)[i];
        AddRow(empathy, {row.key, row.groupName, row.reputation});
        AddRow(initialWorld, {row.key, row.groupName, "0.0"});
        for (ComboBox* picker : pickers)
            picker->AddItem(row.key);
        SetBarValue(bar, static_cast<double>(i + 1));
    }
    Ctl<Label>("lblFactionsGesamt").SetCaption(std::to_string(rows->size()));
}

} // namespace quorvel
