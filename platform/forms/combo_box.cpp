#include "combo_box.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "platform/errors/run_time_error.h"
#include "platform/forms/names.h"
#include "platform/forms/qt_text.h"

namespace platform::forms {

ComboBox::ComboBox(Style style, bool sorted)
    : Control(new QComboBox)
    , m_combo(static_cast<QComboBox*>(Widget()))
    , m_style(style)
    , m_sorted(sorted)
{
    m_combo->setMaxVisibleItems(8);
    if (style == DropDownCombo) {
        m_combo->setEditable(true);
        m_combo->setInsertPolicy(QComboBox::NoInsert);
        m_combo->setDuplicatesEnabled(true);
        m_combo->setCompleter(nullptr);
        QLineEdit* edit = m_combo->lineEdit();
        // The toolkit picks the entry equal to the typed text when editing ends and on Enter;
        // the original did neither.
        QObject::disconnect(edit, &QLineEdit::editingFinished, m_combo, nullptr);
        QObject::disconnect(edit, &QLineEdit::returnPressed, m_combo, nullptr);
        QObject::connect(edit, &QLineEdit::textEdited, m_combo, [this] { UserTyped(); });
        WatchInput(edit);
    }
    QObject::connect(m_combo, qOverload<int>(&QComboBox::activated), m_combo,
                     [this](int index) { UserPicked(index); });
}

void ComboBox::ApplyDesign(const ControlDef& def)
{
    if (QLineEdit* edit = m_combo->lineEdit()) {
        Quiet quiet(m_combo, edit);
        edit->setText(ToQt(def.caption));
        edit->setCursorPosition(0);
    }
}

namespace {

// Puts the edit's text back as it was, with its cursor and selection, after the toolkit has
// replaced it while changing the selected entry; the user may be typing in the middle of it.
class KeepEditText {
public:
    explicit KeepEditText(QLineEdit* edit)
        : m_edit(edit)
    {
        if (!edit)
            return;
        m_text = edit->text();
        m_cursor = edit->cursorPosition();
        m_selStart = edit->selectionStart();
        m_selLength = edit->selectionLength();
    }
    KeepEditText(const KeepEditText&) = delete;
    KeepEditText& operator=(const KeepEditText&) = delete;
    ~KeepEditText()
    {
        if (!m_edit || m_edit->text() == m_text)
            return;
        m_edit->setText(m_text);
        if (m_selStart >= 0 && m_selLength > 0) {
            // The cursor sits at the end the user moved last.
            if (m_cursor == m_selStart)
                m_edit->setSelection(m_selStart + m_selLength, -m_selLength);
            else
                m_edit->setSelection(m_selStart, m_selLength);
        } else {
            m_edit->setCursorPosition(m_cursor);
        }
    }

private:
    QLineEdit* m_edit;
    QString m_text;
    int m_cursor = 0;
    int m_selStart = -1;
    int m_selLength = 0;
};

} // namespace

int ComboBox::FindExact(const std::string& text) const
{
    for (int i = 0; i < m_combo->count(); ++i) {
        if (SameText(List(i), text))
            return i;
    }
    return -1;
}

void ComboBox::SelectKeepingText(int index)
{
    QLineEdit* edit = m_combo->lineEdit();
    Quiet quiet(m_combo, edit);
    KeepEditText keep(edit);
    m_combo->setCurrentIndex(index);
}

void ComboBox::AddItem(const std::string& item, int index)
{
    int count = m_combo->count();
    if (index > count || index < -1)
        platform::Raise(5);
    int pos = index;
    if (pos < 0)
        pos = m_sorted ? SortedPosition(item, count, [this](int i) { return List(i); }) : count;
    int selected = m_combo->currentIndex();
    QLineEdit* edit = m_combo->lineEdit();
    Quiet quiet(m_combo, edit);
    KeepEditText keep(edit);
    m_combo->insertItem(pos, ToQt(item));
    // The toolkit selects the first entry put into an empty box; the original did not.
    if (selected < 0)
        m_combo->setCurrentIndex(-1);
}

void ComboBox::RemoveItem(int index)
{
    if (index < 0 || index >= m_combo->count())
        platform::Raise(5);
    bool wasSelected = index == m_combo->currentIndex();
    QLineEdit* edit = m_combo->lineEdit();
    Quiet quiet(m_combo, edit);
    KeepEditText keep(edit);
    m_combo->removeItem(index);
    if (wasSelected)
        m_combo->setCurrentIndex(-1);
}

void ComboBox::Clear()
{
    QLineEdit* edit = m_combo->lineEdit();
    Quiet quiet(m_combo, edit);
    KeepEditText keep(edit);
    m_combo->clear();
}

int ComboBox::ListCount() const
{
    return m_combo->count();
}

std::string ComboBox::List(int index) const
{
    if (index < 0 || index >= m_combo->count())
        return "";
    return FromQt(m_combo->itemText(index));
}

void ComboBox::SetList(int index, const std::string& item)
{
    if (index < 0 || index >= m_combo->count())
        platform::Raise(381);
    QLineEdit* edit = m_combo->lineEdit();
    Quiet quiet(m_combo, edit);
    KeepEditText keep(edit);
    m_combo->setItemText(index, ToQt(item));
}

int ComboBox::ListIndex() const
{
    return m_combo->currentIndex();
}

void ComboBox::SetListIndex(int index)
{
    if (index < -1 || index >= m_combo->count())
        platform::Raise(380);
    {
        QLineEdit* edit = m_combo->lineEdit();
        Quiet quiet(m_combo, edit);
        m_combo->setCurrentIndex(index);
        // Selecting nothing empties the text, as the original's combo box did.
        if (edit)
            edit->setText(index < 0 ? QString() : m_combo->itemText(index));
    }
    if (index >= 0)
        Raise("Click", Click);
}

std::string ComboBox::Text() const
{
    if (QLineEdit* edit = m_combo->lineEdit())
        return FromQt(edit->text());
    return List(m_combo->currentIndex());
}

void ComboBox::SetText(const std::string& text)
{
    if (m_style == DropDownList) {
        if (text.empty()) {
            SelectKeepingText(-1);
            return;
        }
        int index = FindExact(text);
        if (index < 0)
            throw RunTimeError(383, "'Text' property is read-only");
        SetListIndex(index);
        return;
    }
    QLineEdit* edit = m_combo->lineEdit();
    {
        Quiet quiet(m_combo, edit);
        edit->setText(ToQt(text));
        edit->setCursorPosition(0);
    }
    SelectKeepingText(FindExact(text));
    Raise("Change", Change);
}

void ComboBox::UserPicked(int index)
{
    if (QLineEdit* edit = m_combo->lineEdit()) {
        Quiet quiet(m_combo, edit);
        edit->setText(m_combo->itemText(index));
    }
    Raise("Click", Click);
}

void ComboBox::UserTyped()
{
    // Typing leaves no entry selected, as in the original.
    if (m_combo->currentIndex() >= 0)
        SelectKeepingText(-1);
    Raise("Change", Change);
}

bool ComboBox::SwallowKey(QKeyEvent* event)
{
    return m_style == DropDownCombo &&
           (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter);
}

} // namespace platform::forms
