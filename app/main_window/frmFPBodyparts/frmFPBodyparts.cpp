#include "frmFPBodyparts.h"

#include "app/main_window/frmMain/edit_rule.h"
#include "app/main_window/frmMain/pick_lists.h"
#include "app/main_window/frmMain/window_controls.h"
#include "app/project_store/txtReadWrite.h"
#include "platform/forms/forms.h"

namespace quorvel {

using namespace platform::forms;

namespace {

// clang-format off
constexpr ControlDef kControls[] = {
    {Kind::Label,    "Label1", "",  120,  120, 2535, 255, "Head"},
    {Kind::Label,    "Label2", "", 2775,  120, 2535, 255, "Body"},
    {Kind::Label,    "Label3", "", 5430,  120, 2535, 255, "Hatcher"},
    {Kind::ComboBox, "Combo1", "",  120,  360, 2535, 315},
    {Kind::ComboBox, "Combo2", "", 2775,  360, 2535, 315},
    {Kind::ComboBox, "Combo3", "", 5430,  360, 2535, 315},
};
constexpr ControlDef kButtons[] = {
    {Kind::CommandButton, "BreloButton2", "", 5430, 840, 1215, 375, "Cancel"},
    {Kind::CommandButton, "BreloButton1", "", 6750, 840, 1215, 375, "OK"},
};
// clang-format on

void Fill(ComboBox& box, pick_lists::PickList entries)
{
    for (const char* entry : entries)
        box.AddItem(entry);
}

} // namespace

void WriteListFile(const Path& file, const ListBox& list)
{
    std::string text;
    for (int i = 0; i < list.ListCount(); ++i)
        text += list.List(i) + "\r\n";
    WriteTextFile(file, text);
}

frmFPBodyparts::frmFPBodyparts(ListBox& list, ComboBox& group)
    : Form("frmFPBodyparts")
    , m_list(list)
    , m_group(group)
{
    SetCaption("Bodyparts");
    SetBorderStyle(BorderStyle::FixedDialog);
    SetClientSize(8085, 1335);
    Create(kControls);
    for (const ControlDef& row : kButtons)
        AddButton(*this, row);
    Fill(Ctl<ComboBox>("Combo1"), pick_lists::Heads());
    Fill(Ctl<ComboBox>("Combo2"), pick_lists::Bodies());
    Fill(Ctl<ComboBox>("Combo3"), pick_lists::ThirdParts());
    connectHandlers();
}

void frmFPBodyparts::connectHandlers()
{
    Ctl<ComboBox>("Combo1").Change = [this] { Combo1_Change(); };
    Ctl<ComboBox>("Combo1").Click = [this] { Combo1_Click(); };
    Ctl<ComboBox>("Combo2").Change = [this] { Combo2_Change(); };
    Ctl<ComboBox>("Combo2").Click = [this] { Combo2_Click(); };
    Ctl<ComboBox>("Combo3").Change = [this] { Combo3_Change(); };
    Ctl<ComboBox>("Combo3").Click = [this] { Combo3_Click(); };
    Ctl<Control>("BreloButton1").Click = [this] { BreloButton1_Click(); };
    Ctl<Control>("BreloButton2").Click = [this] { BreloButton2_Click(); };
}

// A dialog opened anew starts empty, with OK disabled.
void frmFPBodyparts::Form_Load()
{
    for (const char* name : {"Combo1", "Combo2", "Combo3"}) {
        ComboBox& box = Ctl<ComboBox>(name);
        box.SetListIndex(-1);
        box.SetText("");
    }
    SetButtonEnabled(Ctl<Control>("BreloButton1"), false);
}

void frmFPBodyparts::Combo1_Change()
{
    ApplyOkRule();
}

void frmFPBodyparts::Combo1_Click()
{
    Combo1_Change();
}

void frmFPBodyparts::Combo2_Change()
{
    ApplyOkRule();
}

void frmFPBodyparts::Combo2_Click()
{
    Combo2_Change();
}

void frmFPBodyparts::Combo3_Change()
{
    ApplyOkRule();
}

void frmFPBodyparts::Combo3_Click()
{
    Combo3_Change();
}

// A text of blanks counts as filled.
void frmFPBodyparts::ApplyOkRule()
{
    bool filled = true;
    for (const char* name : {"Combo1", "Combo2", "Combo3"})
        filled = filled && !Ctl<ComboBox>(name).Text().empty();
    SetButtonEnabled(Ctl<Control>("BreloButton1"), filled);
}

void frmFPBodyparts::BreloButton1_Click()
{
    // With no project or no faction picked there is no list the entry could belong to:
    // nothing is added or written and the dialog stays open.
    const std::string g = m_group.Text();
    if (!EditMayWrite(g))
        return;
    // The file first, so that a faction key that cannot name a file leaves the list alone.
    const Path file = FactionListFile(FactionList::Body, g);
    m_list.AddItem(Ctl<ComboBox>("Combo1").Text() + ", " + Ctl<ComboBox>("Combo2").Text() + ", " +
                   Ctl<ComboBox>("Combo3").Text());
    WriteListFile(file, m_list);
    Unload();
}

void frmFPBodyparts::BreloButton2_Click()
{
    Unload();
}

} // namespace quorvel
