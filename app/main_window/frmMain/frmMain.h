#pragma once

#include "app/main_window/frmMain/empathy_page.h"
#include "app/main_window/frmMain/faction_prop_page.h"
#include "app/main_window/frmMain/faction_registry_pane.h"
#include "app/main_window/frmMain/initial_world_page.h"
#include "app/main_window/frmMain/project_manager_page.h"
#include "app/main_window/frmMain/xml_script_page.h"
#include "platform/forms/form.h"

#include <functional>
#include <memory>
#include <string>

namespace quorvel {

class frmAbout;
class frmImport;

// The main window: the tabbed dialog SSTab1 with its pages, the bottom strip and the window
// state (the active project). Each page is its own class, put together here.
class frmMain : public platform::forms::Form {
public:
    frmMain();
    ~frmMain() override;

    // The active project: the one value every project path reads, shown in lblActiveProject.
    void SetActiveProject(const std::string& name);

    // Refills the six faction lists and pickers, pgLoadProject and lblFactionsGesamt from the
    // active project's registry.
    void LoadFactionList();

    // Shows the import dialog, modeless, owned by this window.
    void ShowImport();
    frmImport& ImportDialog();
    frmAbout& AboutBox();

    ProjectManagerPage& ProjectManager() { return m_projectManager; }
    FactionRegistryPane& Registry() { return m_registry; }

    // Ends the program at once; tests replace it.
    std::function<void()> EndProgram;

protected:
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

private:
    void connectHandlers();
    void BreloButton1_Click();
    void BreloButton3_Click();

    // The window's own controls (the tab dialog, the bottom strip), made before the pages,
    // which put theirs on it.
    struct OwnControls {
        explicit OwnControls(frmMain& window);
    } m_ownControls;
    // The pages of SSTab1, made in page order.
    ProjectManagerPage m_projectManager; // page 0
    FactionRegistryPane m_registry;      // page 0, Frame2
    EmpathyPage m_empathy;               // page 1
    FactionPropPage m_factionProp;       // page 2
    InitialWorldPage m_initialWorld;     // page 3
    XmlScriptPage m_xmlScript;           // page 4
    std::unique_ptr<frmAbout> m_about;
    std::unique_ptr<frmImport> m_import;
};

} // namespace quorvel
