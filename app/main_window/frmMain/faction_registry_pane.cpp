#include "faction_registry_pane.h"

#include "faction_registry.h"
#include "frmMain.h"
#include "language_switch.h"
#include "stock_import.h"
#include "window_controls.h"

#include "app/image_button/artwork.h"
#include "app/project_store/modFunctions.h"
#include "platform/forms/forms.h"

namespace quorvel {

using namespace platform::forms;

namespace {

constexpr ControlDef kControls[] = {
    {Kind::Frame, "Frame2", "SSTab1", 9960, 1080, 15, 4215, "Fraktionen bearbeiten", 0, kHidden},
    {Kind::ListView, "lv_newfactions", "Frame2", 120, 240, 9535, 1575, "Nickname|Description"},
    {Kind::Label, "lblFactions", "Frame2", 120, 1920, 1455, 255, "Fraktionen gesamt:", -1,
     kTransparent},
    {Kind::Label, "lblFactionsGesamt", "Frame2", 1620, 1920, 735, 255, "", -1, kTransparent},
    {Kind::Frame, "frmnewFaction", "Frame2", 120, 2160, 7575, 1935, "Eigenschaften"},
    {Kind::Label, "lblNewNick", "frmnewFaction", 120, 360, 1335, 255, "Nickname", -1, kTransparent},
    {Kind::TextBox, "txtNewNick", "frmnewFaction", 120, 600, 3255, 285},
    {Kind::Label, "lblNewDescr", "frmnewFaction", 3480, 360, 1335, 255, "Description", -1,
     kTransparent},
    {Kind::TextBox, "txtNewDescr", "frmnewFaction", 3480, 600, 3855, 285},
    {Kind::Label, "lblStatus", "frmnewFaction", 120, 1590, 615, 255, "Status:", -1, kTransparent},
};

constexpr ControlDef kButtons[] = {
    {Kind::CommandButton, "btnnewfactionnew", "Frame2", 7815, 2280, 1815, 255, "Neu/Speichern", -1,
     0, kButtonFont, kSysButtonText},
    {Kind::CommandButton, "btnnewfactiondel", "Frame2", 7815, 2640, 1815, 255, "&L\xF6schen", -1, 0,
     kButtonFont, kSysButtonText},
    {Kind::CommandButton, "btnnewfactionreload", "Frame2", 7815, 3000, 1815, 255, "Neu einlesen",
     -1, 0, kButtonFont, kSysButtonText},
    {Kind::CommandButton, "btnImport", "Frame2", 7815, 3480, 1815, 255, "Importiere Original", -1,
     0, kButtonFont, kSysButtonText},
    {Kind::CommandButton, "btnImportAll", "Frame2", 7815, 3840, 1815, 255, "Alle importieren", -1,
     0, kButtonFont, kSysButtonText},
};

constexpr ControlDef kImportBar = {
    Kind::PictureBox, "pgImportAll", "frmnewFaction", 840, 1560, 6495, 255};

} // namespace

FactionRegistryPane::FactionRegistryPane(frmMain& form)
    : m_form(form)
{
    form.Create(kControls);
    for (const ControlDef& row : kButtons)
        AddButton(form, row);
    AddProgressBar(form, kImportBar);
    auto& list = form.Ctl<ListView>("lv_newfactions");
    list.ColumnHeaders().SetWidth(1, 3000);
    list.ColumnHeaders().SetWidth(2, 6135);
    form.Ctl<Frame>("Frame2").SetMouseIcon(MakeWindowCursor());
    connectHandlers();
}

void FactionRegistryPane::connectHandlers()
{
    m_form.Ctl<ListView>("lv_newfactions").Click = [this] { lv_newfactions_Click(); };
    m_form.Ctl<Control>("btnnewfactionnew").Click = [this] { btnnewfactionnew_Click(); };
    m_form.Ctl<Control>("btnnewfactiondel").Click = [this] { btnnewfactiondel_Click(); };
    m_form.Ctl<Control>("btnnewfactionreload").Click = [this] { btnnewfactionreload_Click(); };
    m_form.Ctl<Control>("btnImport").Click = [this] { btnImport_Click(); };
    m_form.Ctl<Control>("btnImportAll").Click = [this] { btnImportAll_Click(); };
}

void FactionRegistryPane::lv_newfactions_Click()
{
    const ListItem* row = m_form.Ctl<ListView>("lv_newfactions").SelectedItem();
    if (!row)
        return;
    m_form.Ctl<TextBox>("txtNewNick").SetText(row->Text());
    m_form.Ctl<TextBox>("txtNewDescr").SetText(row->SubItem(1));
}

void FactionRegistryPane::btnnewfactionnew_Click()
{
    const std::string key = m_form.Ctl<TextBox>("txtNewNick").Text();
    auto& descriptionBox = m_form.Ctl<TextBox>("txtNewDescr");
    std::string description = descriptionBox.Text();
    // The box shows the key in place of a blank description before the write, so it does
    // so also when the write is refused.
    const auto showDescription = [&] {
        if (description != descriptionBox.Text())
            descriptionBox.SetText(description);
    };
    SaveResult result;
    try {
        result = SaveFaction(key, description);
    } catch (...) {
        showDescription();
        throw;
    }
    switch (result) {
    case SaveResult::NoProject:
    case SaveResult::BlankKey:
        return;
    case SaveResult::RefusedKey:
        MsgBox(FactionKeyProblem(key, language::WindowLanguage(m_form)), vbExclamation,
               kProgramTitle);
        return;
    case SaveResult::Saved:
        break;
    }
    showDescription();
    m_form.LoadFactionList();
}

void FactionRegistryPane::btnnewfactiondel_Click()
{
    const ListItem* row = m_form.Ctl<ListView>("lv_newfactions").SelectedItem();
    if (!row)
        return;
    DeleteFaction(row->Text(), row->SubItem(1));
    m_form.LoadFactionList();
}

void FactionRegistryPane::btnnewfactionreload_Click()
{
    m_form.LoadFactionList();
}

void FactionRegistryPane::btnImport_Click()
{
    m_form.ShowImport();
}

void FactionRegistryPane::btnImportAll_Click()
{
    // The names come from the empathy folder; each faction's other two files are found by
    // name, never by their place in another folder's listing. Each faction is checked just
    // before its own writes: one that cannot be imported whole ends the import there, with
    // the ones before it imported, the lists not reloaded and the bar at the last one.
    const std::vector<std::string> keys = ListStockFactions(StockEmpathyFolder());
    Control& bar = m_form.Ctl<Control>("pgImportAll");
    SetBarMax(bar, static_cast<double>(keys.size()) - 1);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        ImportStockFaction(keys[i]);
        SetBarValue(bar, static_cast<double>(i));
    }
    m_form.LoadFactionList();
    SetBarValue(bar, 0);
}

} // namespace quorvel
