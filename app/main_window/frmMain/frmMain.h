#pragma once

#include "platform/forms/form.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quorvel {

class FactionRegistryPane;
class ProjectManagerPage;
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
    // active project's registry (a picker of a page not built is skipped).
    void LoadFactionList();

    // Shows the import dialog, modeless, owned by this window.
    void ShowImport();
    frmImport& ImportDialog();
    frmAbout& AboutBox();

    ProjectManagerPage& ProjectManager() { return *m_projectManager; }
    FactionRegistryPane& Registry() { return *m_registry; }

    // Ends the program at once; tests replace it.
    std::function<void()> EndProgram;

protected:
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

private:
    void connectHandlers();
    void BreloButton1_Click();
    void BreloButton3_Click();

    std::unique_ptr<ProjectManagerPage> m_projectManager;
    std::unique_ptr<FactionRegistryPane> m_registry;
    std::vector<std::shared_ptr<void>> m_pages; // the page classes of pages 1 to 4
    std::unique_ptr<frmAbout> m_about;
    std::unique_ptr<frmImport> m_import;
};

} // namespace quorvel
