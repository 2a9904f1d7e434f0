#pragma once

#include "platform/forms/forms.h"

// Page 3 of frmMain's SSTab1, "Initialworld.ini": the initial world of one faction at a
// time (its three name IDs and its starting reputation toward every faction), written back
// to "initialworld\grp.ini" on every edit, and the compile button with its two bars.
// frmMain's faction-list loader fills lv_Init and cboInit_group by name; the language
// switch sets the captions of BreloButton13, Label31 and Label25 by name.
namespace quorvel {

class InitialWorldPage {
public:
    // The page of SSTab1 the controls are placed on.
    static constexpr int kPage = 3;

    // Places every control of the page on page kPage of the form's SSTab1 (which must exist
    // already) and connects its handlers.
    explicit InitialWorldPage(platform::forms::Form& form);
    InitialWorldPage(const InitialWorldPage&) = delete;
    InitialWorldPage& operator=(const InitialWorldPage&) = delete;

    // The bars' Max and Value as the compile left them.
    double BarMax(const char* bar) const;
    double BarValue(const char* bar) const;

private:
    void connectHandlers();

    void cboInit_group_Click();
    void txtInitName_Change();
    void txtInitShortName_Change();
    void txtInitInfo_Change();
    void lv_Init_DblClick();
    void BreloButton13_Click();

    void ShowId(platform::forms::TextBox& box, const char* key, const std::string& g);
    void WriteId(const platform::forms::TextBox& box, const char* key);

    platform::forms::Form& m_form;
    platform::forms::ComboBox& cboInit_group;
    platform::forms::TextBox& txtInitName;
    platform::forms::TextBox& txtInitShortName;
    platform::forms::TextBox& txtInitInfo;
    platform::forms::ListView& lv_Init;
    platform::forms::CheckBox& chkForceRep2;
    platform::forms::Control& BreloButton13;
    platform::forms::Control& pgInit1;
    platform::forms::Control& pgInit2;
    // The box whose text a load has just set to a value that the read cut short: its
    // Change must not store the shortened text over the whole one.
    const platform::forms::TextBox* m_showingCut = nullptr;
};

} // namespace quorvel
