#pragma once

#include "platform/forms/form.h"

#include <functional>
#include <string>

namespace quorvel {

// The dialog that imports the one stock faction picked in its list into the active project.
class frmImport : public platform::forms::Form {
public:
    // `loadFactionList` refills the main window's faction lists after an import.
    explicit frmImport(std::function<void()> loadFactionList);

    // Loads the dialog and shows it modeless above `owner`; a dialog whose loading failed
    // (the stock folder is missing) has shown why and stays closed.
    void ShowOwnedBy(platform::forms::Form& owner);

    const std::string& PickedFaction() const { return m_sFaction; }

protected:
    void Form_Load() override;

private:
    void connectHandlers();
    void File1_Click();
    void btnImport_Click();
    void BreloButton1_Click();

    std::function<void()> m_loadFactionList;
    std::string m_sFaction;
};

} // namespace quorvel
