#include "frmImport.h"

#include "app/main_window/frmMain/stock_import.h"
#include "app/main_window/frmMain/window_controls.h"
#include "app/project_store/modFunctions.h"
#include "platform/errors/run_time_error.h"
#include "platform/files/files.h"
#include "platform/forms/forms.h"

namespace quorvel {

using namespace platform::forms;

namespace {

constexpr ControlDef kControls[] = {
    {Kind::FileListBox, "File1", "", 120, 120, 2775, 2820, "*."},
};

constexpr ControlDef kButtons[] = {
    {Kind::CommandButton, "btnImport", "", 3030, 120, 1215, 375, "Import", -1, 0, {"Tahoma", 8}},
    {Kind::CommandButton, "BreloButton1", "", 3030, 600, 1215, 375, "Close", -1, 0, {"Tahoma", 8}},
};

} // namespace

frmImport::frmImport(std::function<void()> loadFactionList)
    : Form("frmImport")
    , m_loadFactionList(std::move(loadFactionList))
{
    SetCaption("Import...");
    SetBorderStyle(BorderStyle::FixedDialog);
    SetClientSize(4365, 3060);
    Create(kControls);
    for (const ControlDef& row : kButtons)
        AddButton(*this, row);
    connectHandlers();
}

void frmImport::connectHandlers()
{
    Ctl<FileListBox>("File1").Click = [this] { File1_Click(); };
    Ctl<Control>("btnImport").Click = [this] { btnImport_Click(); };
    Ctl<Control>("BreloButton1").Click = [this] { BreloButton1_Click(); };
}

void frmImport::ShowOwnedBy(Form& owner)
{
    if (!Load() || !Loaded())
        return;
    Show(vbModeless, &owner);
}

void frmImport::Form_Load()
{
    m_sFaction.clear();
    try {
        Ctl<FileListBox>("File1").SetPath(platform::files::Resolve(StockEmpathyFolder()));
    } catch (const platform::RunTimeError& e) {
        MsgBox(std::to_string(e.number()) + ": " + e.description(), vbCritical, "Quorvel 2.0");
        Unload();
    }
}

void frmImport::File1_Click()
{
    m_sFaction = Ctl<FileListBox>("File1").FileName();
}

void frmImport::btnImport_Click()
{
    // With nothing picked the stock paths would name the folders themselves.
    if (m_sFaction.empty())
        return;
    ImportStockFaction(m_sFaction);
    auto& list = Ctl<FileListBox>("File1");
    list.Refresh();
    m_loadFactionList();
    WriteProtocol("Original imported...");
}

void frmImport::BreloButton1_Click()
{
    Unload();
}

} // namespace quorvel
