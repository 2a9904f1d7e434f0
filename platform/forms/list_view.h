#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/forms/control.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace platform::forms {

class ListView;

// One row of a list view. Index counts from 1; SubItem(i) is the text of column i + 1
// (sub-item 1 is the second column).
class ListItem {
public:
    ListItem(ListView& view, QTreeWidgetItem* item, std::string key);

    const std::string& Key() const { return m_key; }
    int Index() const;
    std::string Text() const;
    void SetText(const std::string& text);
    // Error 380 for a sub-item outside 1..columns - 1.
    std::string SubItem(int index) const;
    void SetSubItem(int index, const std::string& text);
    bool Selected() const;
    void SetSelected(bool selected);

    QTreeWidgetItem* Item() const { return m_item; }

private:
    void CheckSubItem(int index) const;
    ListView& m_view;
    QTreeWidgetItem* m_item;
    std::string m_key;
};

// The rows of a list view, counted from 1.
class ListItemCollection {
public:
    explicit ListItemCollection(ListView& view)
        : m_view(view)
    {
    }
    // Adds a row at `index` (0: at the end). A key that another row has raises 35602.
    ListItem& Add(int index = 0, const std::string& key = "", const std::string& text = "");
    int Count() const { return static_cast<int>(m_items.size()); }
    // Error 35600 for an index outside 1..Count.
    ListItem& operator()(int index) const;
    // nullptr when no row has the key.
    ListItem* Find(const std::string& key) const;
    void Remove(int index);
    void Clear();

private:
    friend class ListItem;
    friend class ListView;
    ListView& m_view;
    std::vector<std::unique_ptr<ListItem>> m_items;
};

// The column headers of a list view, counted from 1; widths in twips.
class ColumnHeaderCollection {
public:
    explicit ColumnHeaderCollection(ListView& view)
        : m_view(view)
    {
    }
    void Add(const std::string& text, int widthTwips = 1440);
    int Count() const;
    std::string Text(int index) const;
    int Width(int index) const;
    void SetWidth(int index, int widthTwips);
    void Clear();

private:
    ListView& m_view;
    std::vector<int> m_widths;
};

// A list view in report mode: column headers, rows with sub-items, one selected row at most.
// SelectedItem is nullptr (nothing) while no row is selected; adding rows selects none.
// Click is raised by a mouse click on the list (after the row under it is selected),
// ItemClick by a click on a row, DblClick by a double-click.
class ListView : public Control {
public:
    ListView();
    ~ListView() override;

    ListItemCollection& ListItems() { return m_items; }
    const ListItemCollection& ListItems() const { return m_items; }
    ColumnHeaderCollection& ColumnHeaders() { return m_columns; }
    const ColumnHeaderCollection& ColumnHeaders() const { return m_columns; }

    ListItem* SelectedItem() const;
    // nullptr selects no row.
    void SetSelectedItem(ListItem* item);

    // Caption "Faction|Description|REP" adds the columns with the default width.
    void ApplyDesign(const ControlDef& def) override;

    std::function<void(ListItem& item)> ItemClick;

    QTreeWidget* Tree() const { return m_tree; }

private:
    friend class ListItemCollection;
    friend class ColumnHeaderCollection;
    friend class ListItem;
    ListItem* ItemOf(QTreeWidgetItem* item) const;

    QTreeWidget* m_tree;
    ListItemCollection m_items;
    ColumnHeaderCollection m_columns;
};

} // namespace platform::forms
