#pragma once

#include <string>

#include "platform/forms/control.h"

class QListWidget;

namespace platform::forms {

// A list box. Click is raised when the user clicks an entry (also the one selected already)
// or picks one with the keys, and when the program sets ListIndex to 0 or more (also to the
// value it has), never by AddItem, RemoveItem or Clear; DblClick by a double-click, after
// which the selection stays as the handler left it.
// Nothing is selected until the user or the program selects it (the toolkit's focus
// cursor does not count as a selection).
class ListBox : public Control {
public:
    explicit ListBox(bool sorted = false);

    void AddItem(const std::string& item, int index = -1);
    // Error 5 for an index outside the list.
    void RemoveItem(int index);
    void Clear();
    int ListCount() const;
    // "" outside the list.
    std::string List(int index) const;
    void SetList(int index, const std::string& item);
    // -1 while nothing is selected; 380 for an index outside -1..ListCount-1.
    int ListIndex() const;
    void SetListIndex(int index);
    // The selected entry, "" when none.
    std::string Text() const;

protected:
    QListWidget* ListWidget() const { return m_list; }

private:
    QListWidget* m_list;
    bool m_sorted;
};

} // namespace platform::forms
