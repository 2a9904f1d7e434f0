#pragma once

#include "platform/forms/form.h"

#include <string>

namespace platform::forms {
class CheckBox;
class ComboBox;
class Control;
class ListView;
} // namespace platform::forms

namespace quorvel {

// Page 1 "Emphaty.ini" of SSTab1: the empathy of one faction at a time. Picking a faction in
// cboemphaty_group loads its four event factors from "emphaty\new\grp.ini" into Combo1 to
// Combo4 and its reputation toward every faction from its "reps_" file into lv_emphaty's
// REP column; every edit is written back at once. btnEmphatySave compiles the project.
// The page makes its controls on SSTab1 of `form`, which must exist; frmMain's faction-list
// loader fills lv_emphaty and cboemphaty_group, finding them by name.
class EmpathyPage {
public:
    explicit EmpathyPage(platform::forms::Form& form);

private:
    void connectHandlers();
    // Writes one factor of the picked faction; nothing while no faction is picked.
    void WriteFactor(const char* key, const platform::forms::ComboBox& combo);

    void cboemphaty_group_Click();
    void Combo1_Change();
    void Combo1_Click();
    void Combo2_Change();
    void Combo2_Click();
    void Combo3_Change();
    void Combo3_Click();
    void Combo4_Change();
    void Combo4_Click();
    void lv_emphaty_Click();
    void lv_emphaty_DblClick();
    void btnEmphatySave_Click();

    platform::forms::Form& m_form;
    platform::forms::ComboBox& m_group;
    platform::forms::ComboBox* m_factors[4];
    platform::forms::ListView& m_list;
    platform::forms::CheckBox& m_forceRep;
    platform::forms::Control& m_save;
    platform::forms::Control& m_current; // pgEmphaty1 "Aktuell"
    platform::forms::Control& m_overall; // pgEmphaty2 "Gesamt"
    // True while a load shows a value that the read cut: showing it must not store it.
    bool m_showingCutValue = false;
};

} // namespace quorvel
