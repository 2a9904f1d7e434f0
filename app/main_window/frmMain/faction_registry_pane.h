#pragma once

namespace quorvel {

class frmMain;

// The faction registry pane Frame2 on page 0: the registry's list, new/save, delete, reload
// and the two imports of stock factions.
class FactionRegistryPane {
public:
    explicit FactionRegistryPane(frmMain& form);

private:
    void connectHandlers();

    void lv_newfactions_Click();
    void btnnewfactionnew_Click();
    void btnnewfactiondel_Click();
    void btnnewfactionreload_Click();
    void btnImport_Click();
    void btnImportAll_Click();

    frmMain& m_form;
};

} // namespace quorvel
