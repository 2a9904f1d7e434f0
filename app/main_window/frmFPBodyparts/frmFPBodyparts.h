#pragma once

#include "app/project_store/project_paths.h"
#include "platform/forms/form.h"

namespace platform::forms {
class ComboBox;
class ListBox;
} // namespace platform::forms

namespace quorvel {

// Rewrites a faction list file whole from a list box: every entry followed by CR LF, in
// list order, and the one CR LF more that WriteTextFile adds (an empty list leaves CR LF
// alone). Entries are written as they stand, untrimmed.
void WriteListFile(const Path& file, const platform::forms::ListBox& list);

// The dialog that builds one entry of a faction's body-parts list: a head, a body and a
// third part, joined by ", ". OK appends the entry to the main window's lstFPBodyparts and
// rewrites the "Bodylist_" file of the faction in cboFP_group. Shown modeless; every
// opening after a close starts with empty texts and OK disabled.
class frmFPBodyparts : public platform::forms::Form {
public:
    // `list` and `group` are the main window's lstFPBodyparts and cboFP_group.
    frmFPBodyparts(platform::forms::ListBox& list, platform::forms::ComboBox& group);

protected:
    void Form_Load() override;

private:
    void connectHandlers();
    void Combo1_Change();
    void Combo1_Click();
    void Combo2_Change();
    void Combo2_Click();
    void Combo3_Change();
    void Combo3_Click();
    void BreloButton1_Click();
    void BreloButton2_Click();

    void ApplyOkRule();

    platform::forms::ListBox& m_list;
    platform::forms::ComboBox& m_group;
};

} // namespace quorvel
