#include "list_view.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QTreeWidget>

#include "platform/errors/run_time_error.h"
#include "platform/forms/names.h"
#include "platform/forms/qt_text.h"
#include "platform/forms/twips.h"

namespace platform::forms {

ListItem::ListItem(ListView& view, QTreeWidgetItem* item, std::string key)
    : m_view(view)
    , m_item(item)
    , m_key(std::move(key))
{
}

int ListItem::Index() const
{
    return m_view.m_tree->indexOfTopLevelItem(m_item) + 1;
}

std::string ListItem::Text() const
{
    return FromQt(m_item->text(0));
}

void ListItem::SetText(const std::string& text)
{
    m_item->setText(0, ToQt(text));
}

void ListItem::CheckSubItem(int index) const
{
    if (index < 1 || index >= m_view.m_columns.Count())
        platform::Raise(380);
}

std::string ListItem::SubItem(int index) const
{
    CheckSubItem(index);
    return FromQt(m_item->text(index));
}

void ListItem::SetSubItem(int index, const std::string& text)
{
    CheckSubItem(index);
    m_item->setText(index, ToQt(text));
}

bool ListItem::Selected() const
{
    return m_item->isSelected();
}

void ListItem::SetSelected(bool selected)
{
    if (selected) {
        m_view.SetSelectedItem(this);
    } else {
        Control::Quiet quiet(m_view.m_tree);
        m_item->setSelected(false);
    }
}

ListItem& ListItemCollection::Add(int index, const std::string& key, const std::string& text)
{
    if (index < 0 || index > Count() + 1)
        throw platform::RunTimeError(35600, "Index out of bounds");
    if (!key.empty() && Find(key))
        throw platform::RunTimeError(35602, "Key is not unique in collection");
    int pos = index == 0 ? Count() : index - 1;
    auto* row = new QTreeWidgetItem;
    row->setText(0, ToQt(text));
    {
        Control::Quiet quiet(m_view.m_tree);
        m_view.m_tree->insertTopLevelItem(pos, row);
    }
    m_items.insert(m_items.begin() + pos, std::make_unique<ListItem>(m_view, row, key));
    return *m_items[pos];
}

ListItem& ListItemCollection::operator()(int index) const
{
    if (index < 1 || index > Count())
        throw platform::RunTimeError(35600, "Index out of bounds");
    return *m_items[index - 1];
}

ListItem* ListItemCollection::Find(const std::string& key) const
{
    for (const auto& item : m_items) {
        if (item->Key() == key)
            return item.get();
    }
    return nullptr;
}

void ListItemCollection::Remove(int index)
{
    ListItem& item = (*this)(index);
    const bool wasSelected = item.Selected();
    Control::Quiet quiet(m_view.m_tree);
    delete item.Item();
    m_items.erase(m_items.begin() + (index - 1));
    // The toolkit hands the selection to a neighbour; the original left no row selected.
    if (wasSelected)
        m_view.m_tree->clearSelection();
}

void ListItemCollection::Clear()
{
    Control::Quiet quiet(m_view.m_tree);
    m_view.m_tree->clear();
    m_items.clear();
}

void ColumnHeaderCollection::Add(const std::string& text, int widthTwips)
{
    QTreeWidget* tree = m_view.m_tree;
    QTreeWidgetItem* header = tree->headerItem();
    int column = Count();
    m_widths.push_back(widthTwips);
    tree->setColumnCount(column + 1);
    header->setText(column, ToQt(text));
    tree->setColumnWidth(column, TwipsToPixels(widthTwips));
}

int ColumnHeaderCollection::Count() const
{
    return static_cast<int>(m_widths.size());
}

std::string ColumnHeaderCollection::Text(int index) const
{
    if (index < 1 || index > Count())
        platform::Raise(9);
    return FromQt(m_view.m_tree->headerItem()->text(index - 1));
}

int ColumnHeaderCollection::Width(int index) const
{
    if (index < 1 || index > Count())
        platform::Raise(9);
    return m_widths[index - 1];
}

void ColumnHeaderCollection::SetWidth(int index, int widthTwips)
{
    if (index < 1 || index > Count())
        platform::Raise(9);
    if (widthTwips < 0)
        platform::Raise(380);
    m_widths[index - 1] = widthTwips;
    m_view.m_tree->setColumnWidth(index - 1, TwipsToPixels(widthTwips));
}

void ColumnHeaderCollection::Clear()
{
    m_widths.clear();
    m_view.m_tree->setColumnCount(0);
}

ListView::ListView()
    : Control(new QTreeWidget)
    , m_tree(static_cast<QTreeWidget*>(Widget()))
    , m_items(*this)
    , m_columns(*this)
{
    m_tree->setRootIsDecorated(false);
    m_tree->setItemsExpandable(false);
    m_tree->setUniformRowHeights(true);
    m_tree->setAllColumnsShowFocus(true);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tree->header()->setStretchLastSection(false);
    m_tree->header()->setSectionsMovable(false);
    m_tree->setColumnCount(0);
    WatchInput(m_tree->viewport());
    RaiseClicksFromMouse();
    // A click comes after the press has selected the row, as the handlers expect.
    QObject::connect(m_tree, &QTreeWidget::itemClicked, m_tree, [this](QTreeWidgetItem* row) {
        if (ListItem* item = ItemOf(row))
            Raise("ItemClick", ItemClick, *item);
    });
}

ListView::~ListView()
{
    Control::Quiet quiet(m_tree);
    m_items.m_items.clear();
}

void ListView::ApplyDesign(const ControlDef& def)
{
    for (const std::string& name : SplitBars(def.caption))
        m_columns.Add(name);
}

ListItem* ListView::ItemOf(QTreeWidgetItem* row) const
{
    for (const auto& item : m_items.m_items) {
        if (item->Item() == row)
            return item.get();
    }
    return nullptr;
}

ListItem* ListView::SelectedItem() const
{
    const QList<QTreeWidgetItem*> selected = m_tree->selectedItems();
    return selected.isEmpty() ? nullptr : ItemOf(selected.front());
}

void ListView::SetSelectedItem(ListItem* item)
{
    Quiet quiet(m_tree);
    if (!item) {
        m_tree->clearSelection();
        return;
    }
    m_tree->setCurrentItem(item->Item(), 0,
                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

} // namespace platform::forms
