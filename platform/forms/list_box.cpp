#include "list_box.h"

#include <QListWidget>
#include <QMouseEvent>

#include <functional>

#include "platform/errors/run_time_error.h"
#include "platform/forms/names.h"
#include "platform/forms/qt_text.h"

namespace platform::forms {

namespace {

// The toolkit's list with the original's clicks. A press on the entry that is selected
// already changes no selection, so the toolkit reports nothing; the original raised Click
// for every click on an entry. The second press of a double click is the original's: it
// selects the entry under the pointer only when that is not selected yet, then DblClick.
// The toolkit's own handling would run after DblClick and select whatever entry moved under
// the pointer when the handler removed the clicked one.
class ClickingList : public QListWidget {
public:
    std::function<void()> pressedSelected;
    std::function<void()> doubleClicked;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        const int row = indexAt(event->position().toPoint()).row();
        const bool wasSelected = row >= 0 && item(row)->isSelected();
        QListWidget::mousePressEvent(event);
        if (wasSelected && event->button() == Qt::LeftButton && row < count() &&
            item(row)->isSelected())
            pressedSelected();
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        event->accept();
        if (event->button() != Qt::LeftButton)
            return;
        const QListWidgetItem* hit = itemAt(event->position().toPoint());
        if (hit && !hit->isSelected()) {
            QMouseEvent press(QEvent::MouseButtonPress, event->position(), event->scenePosition(),
                              event->globalPosition(), event->button(), event->buttons(),
                              event->modifiers());
            QListWidget::mousePressEvent(&press);
        }
        doubleClicked();
    }
};

} // namespace

ListBox::ListBox(bool sorted)
    : Control(new ClickingList)
    , m_list(static_cast<QListWidget*>(Widget()))
    , m_sorted(sorted)
{
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setUniformItemSizes(true);
    QObject::connect(m_list, &QListWidget::itemSelectionChanged, m_list, [this] {
        if (ListIndex() >= 0)
            Raise("Click", Click);
    });
    auto* list = static_cast<ClickingList*>(m_list);
    list->pressedSelected = [this] { Raise("Click", Click); };
    list->doubleClicked = [this] { Raise("DblClick", DblClick); };
    WatchInput(m_list->viewport());
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
