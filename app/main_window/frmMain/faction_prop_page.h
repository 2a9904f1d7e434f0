#pragma once

#include "platform/forms/forms.h"

#include <memory>
#include <string>

// Page 2 of frmMain's SSTab1, "Faction_Prop.ini": the properties of one faction at a time,
// loaded from "faction_prop\grp.ini" and the faction's five list files when the faction is
// picked in cboFP_group, and written back on every edit; the body-parts dialog; the compile
// button with its bar. frmMain's faction-list loader fills cboFP_group by name; the language
// switch sets the captions of the page's controls by name.
namespace quorvel {

class frmFPBodyparts;

class FactionPropPage {
public:
    // The page of SSTab1 the controls are placed on.
    static constexpr int kPage = 2;

    // Places every control of the page on page kPage of the form's SSTab1 (which must exist
    // already) and connects its handlers.
    explicit FactionPropPage(platform::forms::Form& form);
    ~FactionPropPage();
    FactionPropPage(const FactionPropPage&) = delete;
    FactionPropPage& operator=(const FactionPropPage&) = delete;

    // The one body-parts dialog of the window (open or not).
    frmFPBodyparts& BodypartsDialog() { return *m_bodyparts; }

private:
    void connectHandlers();

    void cboFP_group_Click();
    void cboFPprefix_Change();
    void cboFPprefix_Click();
    void cboFPmc_Change();
    void cboFPmc_Click();
    void txtFPNameMale_Change();
    void txtFPFemale_Change();
    void txtFPLastname_Change();
    void txtFPrank_Change();
    void txtFPformation_Change();
    void txtFPlsd_Change();
    void txtFPlsn_Change();
    void txtFPScan_Change();
    void cboFPScanFracht_Click();
    void cboFPScanFracht_Change();
    void Option_Click(int option);
    void BreloButton9_Click();
    void BreloButton10_Click();
    void BreloButton11_Click();
    void BreloButton12_Click();
    void lstFPShips_DblClick();
    void lstFPVoice_DblClick();
    void lstFPBodyparts_DblClick();
    void lstFPscan_DblClick();
    void lstFPformation_DblClick();
    void BreloButton8_Click();
    void btnCompileFP_Click();

    // Sets the box's text from the stored value; its Change then writes the value back,
    // unless the read cut it short.
    template <class Box>
    void ShowValue(Box& box, const char* key, const char* fallback, const std::string& g);
    void WriteValue(const platform::forms::Control& box, const char* key, const std::string& text);

    platform::forms::Form& m_form;
    platform::forms::ComboBox& cboFP_group;
    platform::forms::ComboBox& cboFPprefix;
    platform::forms::ComboBox& cboFPmc;
    platform::forms::TextBox& txtFPNameMale;
    platform::forms::TextBox& txtFPFemale;
    platform::forms::TextBox& txtFPLastname;
    platform::forms::TextBox& txtFPrank;
    platform::forms::TextBox& txtFPformation;
    platform::forms::TextBox& txtFPlsd;
    platform::forms::TextBox& txtFPlsn;
    platform::forms::ComboBox& cboFPScanFracht;
    platform::forms::TextBox& txtFPScan;
    platform::forms::ListBox& lstFPShips;
    platform::forms::ListBox& lstFPVoice;
    platform::forms::ListBox& lstFPBodyparts;
    platform::forms::ListBox& lstFPscan;
    platform::forms::ListBox& lstFPformation;
    platform::forms::ComboBox& cboFPShips;
    platform::forms::ComboBox& cboFPVoice;
    platform::forms::ComboBox& cboFPScan;
    platform::forms::ComboBox& cboFPFormation;
    platform::forms::ComboBox& cboFPformation2;
    platform::forms::Control& pgFP2;
    std::unique_ptr<frmFPBodyparts> m_bodyparts;
    // The box whose text a load is setting to a value that the read cut short: its Change
    // must not store the shortened text over the whole one.
    const platform::forms::Control* m_showingCut = nullptr;
};

} // namespace quorvel
