#pragma once

#include <string>

#include "platform/forms/control.h"

class QComboBox;

namespace platform::forms {

// A combo box, either a drop-down combo (free text) or a drop-down list (no free text).
// Click is raised when the user picks an entry or the program sets ListIndex, never when
// entries are added, removed or cleared and never for typing. Adding the first entry to an
// empty box selects nothing and leaves its text alone; Clear leaves a drop-down combo's text
// alone. Change (drop-down combo only) is raised on every programmatic Text set, even an
// unchanged one, and for every keystroke; picking an entry raises Click only. There is no
// completion and Enter inserts nothing.
class ComboBox : public Control {
public:
    enum Style { DropDownCombo = 0, DropDownList = 2 };

    explicit ComboBox(Style style = DropDownCombo, bool sorted = false);

    Style GetStyle() const { return m_style; }
    bool Sorted() const { return m_sorted; }

    // A sorted box puts the entry in its place (letter case ignored) unless an index is given.
    void AddItem(const std::string& item, int index = -1);
    // Error 5 for an index outside the list.
    void RemoveItem(int index);
    void Clear();
    int ListCount() const;
    // "" outside the list.
    std::string List(int index) const;
    void SetList(int index, const std::string& item);

    // -1 while nothing is selected. Setting an index outside -1..ListCount-1 raises 380;
    // setting 0 or more raises Click (also when that entry was selected already).
    int ListIndex() const;
    void SetListIndex(int index);

    std::string Text() const;
    // Drop-down combo: shows the text, selects the entry equal to it (letter case ignored) or
    // none, and raises Change. Drop-down list: selects the entry equal to it as ListIndex
    // does; "" selects none; any other text raises 383.
    void SetText(const std::string& text);

    std::function<void()> Change;

    // The design text of a drop-down combo raises no Change.
    void ApplyDesign(const ControlDef& def) override;

protected:
    bool SwallowKey(QKeyEvent* event) override;

private:
    int FindExact(const std::string& text) const;
    void SelectKeepingText(int index);
    void UserPicked(int index);
    void UserTyped();

    QComboBox* m_combo;
    Style m_style;
    bool m_sorted;
};

} // namespace platform::forms
