#include "list_box.h"

#include <QListWidget>

#include "platform/errors/run_time_error.h"
#include "platform/forms/names.h"
#include "platform/forms/qt_text.h"

namespace platform::forms {

ListBox::ListBox(bool sorted)
    : Control(new QListWidget)
    , m_list(static_cast<QListWidget*>(Widget()))
    , m_sorted(sorted)
{
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setUniformItemSizes(true);
    QObject::connect(m_list, &QListWidget::itemSelectionChanged, m_list, [this] {
        if (ListIndex() >= 0)
            Raise("Click", Click);
    });
    WatchInput(m_list->viewport());
    RaiseClicksFromMouse(false, true);
}

void ListBox::AddItem(const std::string& item, int index)
{
    int count = m_list->count();
    if (index > count || index < -1)
        platform::Raise(5);
    int pos = index;
    if (pos < 0)
        pos = m_sorted ? SortedPosition(item, count, [this](int i) { return List(i); }) : count;
    Quiet quiet(m_list, m_list->selectionModel());
    m_list->insertItem(pos, ToQt(item));
}

void ListBox::RemoveItem(int index)
{
    if (index < 0 || index >= m_list->count())
        platform::Raise(5);
    Quiet quiet(m_list, m_list->selectionModel());
    delete m_list->takeItem(index);
    // The toolkit moves the selection to a neighbour; the original selected nothing.
    m_list->clearSelection();
}

void ListBox::Clear()
{
    Quiet quiet(m_list, m_list->selectionModel());
    m_list->clear();
}

int ListBox::ListCount() const
{
    return m_list->count();
}

std::string ListBox::List(int index) const
{
    if (index < 0 || index >= m_list->count())
        return "";
    return FromQt(m_list->item(index)->text());
}

void ListBox::SetList(int index, const std::string& item)
{
    if (index < 0 || index >= m_list->count())
        platform::Raise(381);
    m_list->item(index)->setText(ToQt(item));
}

int ListBox::ListIndex() const
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->row(selected.front());
}

void ListBox::SetListIndex(int index)
{
    if (index < -1 || index >= m_list->count())
        platform::Raise(380);
    {
        Quiet quiet(m_list, m_list->selectionModel());
        if (index < 0) {
            m_list->clearSelection();
        } else {
            m_list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
            m_list->scrollToItem(m_list->item(index));
        }
    }
    if (index >= 0)
        Raise("Click", Click);
}

std::string ListBox::Text() const
{
    return List(ListIndex());
}

} // namespace platform::forms
