#include "bench_road_window.h"

#include "app/project_store/modFunctions.h"
#include "app/project_store/project_paths.h"
#include "platform/com/server.h"
#include "platform/files/files.h"
#include "platform/profile/profile.h"

#include <QWidget>

#include <climits>
#include <cstdlib>
#include <dlfcn.h>
#include <stdexcept>

namespace roadbench {

using namespace platform::forms;

namespace {

// The window creates its bars through the component model, so the library must be
// registered first, as the program's set-up does; the registry file is the bench's own.
void RegisterKolvetra(const std::string& programFolder, const std::string& kolvetra)
{
    ::setenv("QV_REGISTRY_FILE", (programFolder + "/registry.txt").c_str(), 1);
    char resolved[PATH_MAX];
    if (!::realpath(kolvetra.c_str(), resolved))
        throw std::runtime_error("no component library at " + kolvetra);
    void* library = ::dlopen(resolved, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        throw std::runtime_error(::dlerror());
    auto registerServer = reinterpret_cast<platform::com::DllRegisterServerFunction>(
        ::dlsym(library, "DllRegisterServer"));
    if (!registerServer || registerServer() != platform::com::S_OK)
        throw std::runtime_error("the component library did not register");
}

} // namespace

void SetFastPaths(bool on)
{
    platform::profile::SetIndexEnabled(on);
    platform::profile::SetBatchingEnabled(on);
    platform::files::SetListingCacheEnabled(on);
}

RoadWindow::RoadWindow(const std::string& programFolder, const std::string& kolvetra)
{
    RegisterKolvetra(programFolder, kolvetra);
    quorvel::SetProgramFolder(programFolder);
    quorvel::SetActiveProject("");
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_main = std::make_unique<quorvel::frmMain>();
    m_main->EndProgram = [] { throw std::runtime_error("the window ended the program"); };
    if (!m_main->Load())
        throw std::runtime_error("the main window did not load: " + TakeMessages());
    m_main->Show();
    m_main->Window()->repaint();
}

RoadWindow::~RoadWindow()
{
    m_main.reset();
    m_dialogs.reset();
    quorvel::SetActiveProject("");
}

Control& RoadWindow::Ctl(const std::string& name) const
{
    return m_main->Ctl<Control>(name);
}

void RoadWindow::ShowPageOf(const std::string& control)
{
    auto& tabs = m_main->Ctl<TabDialog>("SSTab1");
    const QWidget* widget = Ctl(control).Widget();
    for (int page = 0; page < tabs.Tabs(); ++page) {
        if (page != tabs.Tab() && tabs.ClientArea(page)->isAncestorOf(widget)) {
            tabs.SetTab(page);
            m_main->Window()->repaint();
            return;
        }
    }
}

void RoadWindow::Click(const std::string& control)
{
    ShowPageOf(control);
    Control& c = Ctl(control);
    c.Raise("Click", c.Click);
}

void RoadWindow::Tick(const std::string& timer, int most)
{
    for (int i = 0; i < most && m_main->FindTimer(timer)->FireTick(); ++i) {
    }
}

void RoadWindow::BackToManager()
{
    if (m_main->Ctl<Frame>("Frame1").Visible())
        return;
    Click("Label4");
    Tick("Timer4", 500);
}

void RoadWindow::CreateInNameBox(const std::string& name)
{
    BackToManager();
    auto& box = m_main->Ctl<TextBox>("txtdateiname");
    Click("BreloButton7");
    Tick("Timer1", 100);
    box.SetText(name);
    int key = 13;
    box.KeyPress(key);
    Tick("Timer2", 100);
}

void RoadWindow::SelectProject(const std::string& name)
{
    BackToManager();
    Click("BreloButton4");
    auto& list = m_main->Ctl<ListBox>("lstProjects");
    for (int i = 0; i < list.ListCount(); ++i) {
        if (list.List(i) == name) {
            list.SetListIndex(i);
            return;
        }
    }
    throw std::runtime_error("no project " + name + " in the list");
}

void RoadWindow::ClickLoad()
{
    Click("BreloButton6");
}

void RoadWindow::FinishSlide()
{
    Tick("Timer3", 500);
}

void RoadWindow::Pick(const std::string& picker, int entry)
{
    ShowPageOf(picker);
    m_main->Ctl<ComboBox>(picker).SetListIndex(entry);
}

void RoadWindow::SelectRow(const std::string& view, int row, const std::string& answer)
{
    ShowPageOf(view);
    auto& list = m_main->Ctl<ListView>(view);
    list.SetSelectedItem(&list.ListItems()(row));
    m_dialogs->inputBoxAnswers.assign(1, answer);
}

void RoadWindow::DoubleClick(const std::string& view)
{
    auto& list = m_main->Ctl<ListView>(view);
    list.Raise("DblClick", list.DblClick);
}

bool RoadWindow::Answered() const
{
    return m_dialogs->inputBoxAnswers.empty();
}

std::string RoadWindow::TakeMessages()
{
    std::string text;
    for (const ScriptedDialogs::Shown& shown : m_dialogs->shown) {
        if (!shown.input)
            text += (text.empty() ? "" : "\n") + shown.prompt;
    }
    m_dialogs->shown.clear();
    return text;
}

} // namespace roadbench
