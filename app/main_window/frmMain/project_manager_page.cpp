#include "project_manager_page.h"

#include "frmMain.h"
#include "window_controls.h"

#include "app/image_button/artwork.h"
#include "app/project_store/modFunctions.h"
#include "app/project_store/project_paths.h"
#include "app/project_store/txtReadWrite.h"
#include "platform/arith/conversion.h"
#include "platform/errors/run_time_error.h"
#include "platform/files/files.h"
#include "platform/forms/forms.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace quorvel {

using namespace platform::forms;

namespace {

constexpr ControlDef kControls[] = {
    {Kind::Slider, "Slider1", "SSTab1", 360, 360, 9375, 255, "", 0},
    {Kind::Label,
     "Label4",
     "SSTab1",
     480,
     840,
     405,
     195,
     "-->",
     0,
     0,
     {"Lucida Console", 9.75, true},
     RGB(255, 128, 0)},
    {Kind::Label, "Label1", "SSTab1", 7680, 840, 975, 255, "Scroll-Tempo", 0},
    {Kind::TextBox, "txtZeit", "SSTab1", 8760, 840, 975, 285, "80", 0},
    {Kind::Frame, "Frame1", "SSTab1", 120, 1080, 9840, 4215, "Projektmanager", 0},
    {Kind::ListBox, "lstProjects", "Frame1", 120, 240, 2535, 3765},
    {Kind::Label,
     "lblNoProject",
     "Frame1",
     2760,
     1440,
     1455,
     615,
     "Kein Projekt ausgew\xE4hlt!",
     -1,
     kHidden | kTransparent,
     {},
     RGB(255, 0, 0)},
    {Kind::TextBox, "txtdateiname", "Frame1", 2760, 2880, 150, 285, "Projektname", -1, kHidden},
    {Kind::Label, "Label5", "Frame1", 4440, 240, 1335, 255, "Log:", -1, kTransparent},
    {Kind::RichTextBox, "rtfLog", "Frame1", 4440, 480, 5295, 3255},
    {Kind::DirListBox, "Dir1", "Frame1", 1200, 4320, 2535, 540, "", -1, kHidden},
};

constexpr ControlDef kButtons[] = {
    {Kind::CommandButton, "BreloButton4", "Frame1", 2760, 240, 1455, 255, "Aktualisieren", -1, 0,
     kButtonFont, kSysButtonText},
    {Kind::CommandButton, "BreloButton5", "Frame1", 2760, 600, 1455, 255, "L\xF6schen", -1, 0,
     kButtonFont, kSysButtonText},
    {Kind::CommandButton, "BreloButton7", "Frame1", 2760, 3360, 1455, 255, "Neu...", -1, 0,
     kButtonFont, kSysButtonText},
    {Kind::CommandButton, "BreloButton6", "Frame1", 2760, 3720, 1455, 255, "Laden", -1, 0,
     kButtonFont, kSysButtonText},
};

constexpr ControlDef kLoadBar = {
    Kind::PictureBox, "pgLoadProject", "Frame1", 4440, 3840, 5295, 255};

// The slide step as the runtime's Val read the box: blanks, tabs and line feeds dropped, then a
// leading decimal number (sign, digits, point, exponent with E or D), anything after it
// ignored, 0 when there is none. "inf", "nan" and "0x10" are no numbers here.
double StepOf(const std::string& text)
{
    std::string plain;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            plain.push_back(c);
    }
    std::size_t i = 0;
    auto digits = [&] {
        const std::size_t from = i;
        while (i < plain.size() && plain[i] >= '0' && plain[i] <= '9')
            ++i;
        return i > from;
    };
    if (i < plain.size() && (plain[i] == '+' || plain[i] == '-'))
        ++i;
    bool any = digits();
    if (i < plain.size() && plain[i] == '.') {
        ++i;
        any = digits() || any;
    }
    if (!any)
        return 0;
    std::string number = plain.substr(0, i);
    if (i < plain.size() && plain[i] != '\0' && std::strchr("eEdD", plain[i])) {
        const std::size_t marker = i++;
        if (i < plain.size() && (plain[i] == '+' || plain[i] == '-'))
            ++i;
        if (digits())
            number += "e" + plain.substr(marker + 1, i - marker - 1);
    }
    return std::strtod(number.c_str(), nullptr);
}

// A statement of a tick that fails (a size the frame refuses) is skipped; the tick goes on.
void Try(const std::function<void()>& statement)
{
    try {
        statement();
    } catch (const platform::RunTimeError&) {
    }
}

} // namespace

ProjectManagerPage::ProjectManagerPage(frmMain& form)
    : m_form(form)
    , m_timer1(&form.AddTimer("Timer1", 1))
    , m_timer2(&form.AddTimer("Timer2", 1))
    , m_timer3(&form.AddTimer("Timer3", 1))
    , m_timer4(&form.AddTimer("Timer4", 1))
    , m_timer7(&form.AddTimer("Timer7", 2000))
{
    form.Create(kControls);
    for (const ControlDef& row : kButtons)
        AddButton(form, row);
    AddProgressBar(form, kLoadBar);

    auto& slider = form.Ctl<Slider>("Slider1");
    slider.SetMax(100);
    slider.SetSmallChange(1);
    slider.SetLargeChange(5);
    slider.SetValue(80);

    auto& arrow = form.Ctl<Label>("Label4");
    arrow.SetToolTipText("Zwischen 'Projektexplorer' und 'Fraktionen bearbeiten' wechseln");
    arrow.SetMouseIcon(MakeWindowCursor());
    form.Ctl<Frame>("Frame1").SetMouseIcon(MakeWindowCursor());

    connectHandlers();
}

void ProjectManagerPage::connectHandlers()
{
    m_form.Ctl<ListBox>("lstProjects").Click = [this] { lstProjects_Click(); };
    m_form.Ctl<Control>("BreloButton4").Click = [this] { BreloButton4_Click(); };
    m_form.Ctl<Control>("BreloButton5").Click = [this] { BreloButton5_Click(); };
    m_form.Ctl<Control>("BreloButton6").Click = [this] { BreloButton6_Click(); };
    m_form.Ctl<Control>("BreloButton7").Click = [this] { BreloButton7_Click(); };
    m_form.Ctl<TextBox>("txtdateiname").KeyPress = [this](int& key) { txtdateiname_KeyPress(key); };
    m_form.Ctl<Label>("Label4").Click = [this] { Label4_Click(); };
    m_form.Ctl<Slider>("Slider1").Scroll = [this] { Slider1_Scroll(); };
    m_timer1->Timer = [this] { Timer1_Timer(); };
    m_timer2->Timer = [this] { Timer2_Timer(); };
    m_timer3->Timer = [this] { Timer3_Timer(); };
    m_timer4->Timer = [this] { Timer4_Timer(); };
    m_timer7->Timer = [this] { Timer7_Timer(); };
    SetProjectListSink([this](const std::vector<std::string>& names) { FillProjectList(names); });
}

void ProjectManagerPage::Load()
{
    m_form.Ctl<DirListBox>("Dir1").SetPath(platform::files::Resolve(ProjectsFolder()));
}

void ProjectManagerPage::FillProjectList(const std::vector<std::string>& names)
{
    auto& list = m_form.Ctl<ListBox>("lstProjects");
    list.Clear();
    for (const std::string& name : names)
        list.AddItem(name);
}

void ProjectManagerPage::ShowNotice()
{
    m_form.Ctl<Label>("lblNoProject").SetVisible(true);
    m_timer7->SetEnabled(true);
}

void ProjectManagerPage::lstProjects_Click()
{
    const std::string name = m_form.Ctl<ListBox>("lstProjects").Text();
    m_form.Ctl<RichTextBox>("rtfLog").SetText(ReadTextFile(ProtocolFileOf(name)));
}

void ProjectManagerPage::BreloButton4_Click()
{
    RefreshProjectList();
}

void ProjectManagerPage::BreloButton5_Click()
{
    auto& list = m_form.Ctl<ListBox>("lstProjects");
    if (list.ListIndex() < 0) {
        ShowNotice();
        return;
    }
    const std::string name = list.Text();
    if (name == ActiveProject())
        m_form.SetActiveProject("");
    try {
        platform::files::DeleteFolderTree(ProjectFolder(name));
    } catch (const platform::RunTimeError&) {
        // Whatever could not be deleted stays.
    }
    DoEvents();
    RefreshProjectList();
}

void ProjectManagerPage::BreloButton6_Click()
{
    auto& list = m_form.Ctl<ListBox>("lstProjects");
    if (list.ListIndex() < 0) {
        ShowNotice();
        return;
    }
    m_form.Ctl<ListView>("lv_emphaty").ListItems().Clear();
    m_form.SetActiveProject(list.Text());
    m_form.LoadFactionList();
    DoEvents();
    m_form.Ctl<Label>("lblFactionsGesamt")
        .SetCaption(std::to_string(m_form.Ctl<ListView>("lv_newfactions").ListItems().Count()));
    Label4_Click();
}

// The button waits while the box moves, as the header check box of the XML page does, and a
// call that still comes meanwhile (Enter in the opening box) turns the movement round: with
// both timers running their steps cancelled out and the box stayed part-open for good.
void ProjectManagerPage::BreloButton7_Click()
{
    SetButtonEnabled(m_form.Ctl<Control>("BreloButton7"), false);
    if (!m_form.Ctl<TextBox>("txtdateiname").Visible()) {
        m_timer2->SetEnabled(false);
        m_timer1->SetEnabled(true);
    } else {
        m_timer1->SetEnabled(false);
        m_timer2->SetEnabled(true);
    }
}

void ProjectManagerPage::txtdateiname_KeyPress(int& keyAscii)
{
    if (keyAscii != 13)
        return;
    CreateProject(m_form.Ctl<TextBox>("txtdateiname").Text());
    keyAscii = 0;
    BreloButton7_Click();
}

void ProjectManagerPage::Label4_Click()
{
    if (ActiveProject().empty())
        return;
    auto& arrow = m_form.Ctl<Label>("Label4");
    if (m_form.Ctl<Frame>("Frame1").Visible()) {
        m_timer3->SetEnabled(true);
        m_timer4->SetEnabled(false);
        arrow.SetCaption("<--");
    } else {
        m_timer4->SetEnabled(true);
        m_timer3->SetEnabled(false);
        arrow.SetCaption("-->");
    }
}

void ProjectManagerPage::Slider1_Scroll()
{
    m_form.Ctl<TextBox>("txtZeit").SetText(std::to_string(m_form.Ctl<Slider>("Slider1").Value()));
}

void ProjectManagerPage::Timer1_Timer()
{
    auto& box = m_form.Ctl<TextBox>("txtdateiname");
    box.SetVisible(true);
    box.SetWidth(box.Width() + 30);
    if (box.Width() >= 1455) {
        m_timer1->SetEnabled(false);
        SetButtonEnabled(m_form.Ctl<Control>("BreloButton7"), true);
    }
}

void ProjectManagerPage::Timer2_Timer()
{
    auto& box = m_form.Ctl<TextBox>("txtdateiname");
    Try([&] { box.SetWidth(box.Width() - 30); });
    if (box.Width() <= 150) {
        box.SetVisible(false);
        m_timer2->SetEnabled(false);
        SetButtonEnabled(m_form.Ctl<Control>("BreloButton7"), true);
    }
}

// One tick of the slide: `direction` -1 moves the common border towards the project manager
// side (the registry grows), +1 back.
void ProjectManagerPage::SlideTick(int direction)
{
    auto& frame1 = m_form.Ctl<Frame>("Frame1");
    auto& frame2 = m_form.Ctl<Frame>("Frame2");
    const double step = direction * StepOf(m_form.Ctl<TextBox>("txtZeit").Text());
    frame2.SetVisible(true);
    frame1.SetVisible(true);
    // A size out of range (error 6) or one the frame refuses (380) skips its statement.
    Try([&] { frame1.SetWidth(platform::arith::CLng(frame1.Width() + step)); });
    Try([&] { frame2.SetWidth(platform::arith::CLng(frame2.Width() - step)); });
    Try([&] { frame2.SetLeft(platform::arith::CLng(frame2.Left() + step)); });
}

void ProjectManagerPage::Timer3_Timer()
{
    SlideTick(-1);
    auto& frame1 = m_form.Ctl<Frame>("Frame1");
    if (frame1.Width() <= StepOf(m_form.Ctl<TextBox>("txtZeit").Text())) {
        frame1.SetVisible(false);
        m_timer3->SetEnabled(false);
    }
}

void ProjectManagerPage::Timer4_Timer()
{
    SlideTick(+1);
    if (m_form.Ctl<Frame>("Frame1").Width() >= 9840) {
        m_form.Ctl<Frame>("Frame2").SetVisible(false);
        m_timer4->SetEnabled(false);
    }
}

void ProjectManagerPage::Timer7_Timer()
{
    m_form.Ctl<Label>("lblNoProject").SetVisible(false);
    m_timer7->SetEnabled(false);
}

} // namespace quorvel
