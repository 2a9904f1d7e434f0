#include "frmMain.h"

#include "stock_import.h"
#include "window_controls.h"

#include "app/image_button/artwork.h"
#include "app/main_window/frmAbout/frmAbout.h"
#include "app/main_window/frmImport/frmImport.h"
#include "app/main_window/frmMain/language_switch.h"
#include "app/project_store/modFunctions.h"
#include "app/project_store/project_paths.h"
#include "platform/files/files.h"
#include "platform/forms/forms.h"

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

void AddRow(ListView& view, const std::vector<std::string>& texts)
{
    ListItem& item = view.ListItems().Add(0, "", texts[0]);
    for (std::size_t i = 1; i < texts.size(); ++i)
        item.SetSubItem(static_cast<int>(i), texts[i]);
}

} // namespace

frmMain::OwnControls::OwnControls(frmMain& window)
{
    window.SetCaption("Quorvel 2.0 beta 2 || Ternhallow");
    window.SetBorderStyle(BorderStyle::FixedSingle);
    window.SetClientSize(10125, 5985);
    window.Window()->setWindowIcon(MakeWindowIcon());
    window.Create(kControls);
    for (const ControlDef& row : kButtons)
        AddButton(window, row);
}

frmMain::frmMain()
    : Form("frmMain")
    , EndProgram([] { QCoreApplication::quit(); })
    , m_ownControls(*this)
    , m_projectManager(*this)
    , m_registry(*this)
    , m_empathy(*this)
    , m_factionProp(*this)
    , m_initialWorld(*this)
    , m_xmlScript(*this)
    , m_about(std::make_unique<frmAbout>())
    , m_import(std::make_unique<frmImport>([this] { LoadFactionList(); }))
{
    // An action whose writes did not land may have shown them: the lists follow the disk.
    SetAfterFailedAction([this] {
        if (!ActiveProject().empty())
            LoadFactionList();
    });
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
    m_projectManager.Load();
    ListStockFactions(StockEmpathyFolder()); // 76 when the stock folder is missing
    Ctl<TabDialog>("SSTab1").SetTab(0);
    Ctl<TabDialog>("SSTab2").SetTab(0);
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
    ComboBox* const pickers[] = {&Ctl<ComboBox>("cboemphaty_group"), &Ctl<ComboBox>("cboFP_group"),
                                 &Ctl<ComboBox>("cboInit_group")};
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
