#include "text_box.h"

#include <algorithm>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include "platform/forms/qt_text.h"

namespace platform::forms {

namespace {

// The editor shows a line break as one character.
std::string CollapseLineEnds(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out.push_back(text[i]);
    }
    return out;
}

std::string ExpandLineEnds(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            out.push_back('\r');
        out.push_back(c);
    }
    return out;
}

} // namespace

TextBox::TextBox(bool multiLine)
    : Control(multiLine ? static_cast<QWidget*>(new QPlainTextEdit)
                        : static_cast<QWidget*>(new QLineEdit))
{
    if (multiLine) {
        m_edit = static_cast<QPlainTextEdit*>(Widget());
        m_edit->setTabChangesFocus(true);
        m_edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        QObject::connect(m_edit, &QPlainTextEdit::textChanged, m_edit, [this] { TakeUserText(); });
        WatchInput(m_edit->viewport());
    } else {
        m_line = static_cast<QLineEdit*>(Widget());
        m_line->setFrame(true);
        QObject::connect(m_line, &QLineEdit::textEdited, m_line, [this] { TakeUserText(); });
    }
}

void TextBox::TakeUserText()
{
    if (m_line)
        m_text = FromQt(m_line->text());
    else
        m_text = ExpandLineEnds(FromQt(m_edit->toPlainText()));
    Raise("Change", Change);
}

void TextBox::ShowText()
{
    Quiet quiet(Widget());
    if (m_line) {
        m_line->setText(ToQt(m_text));
        m_line->setCursorPosition(0);
    } else {
        m_edit->setPlainText(ToQt(CollapseLineEnds(m_text)));
    }
}

void TextBox::ApplyDesign(const ControlDef& def)
{
    m_text = def.caption;
    ShowText();
    if (def.flags & kLocked)
        SetLocked(true);
    if (m_line && (def.flags & kNoBorder))
        m_line->setFrame(false);
}

void TextBox::SetText(const std::string& text)
{
    m_text = text;
    ShowText();
    Raise("Change", Change);
}

int TextBox::WidgetToText(int pos) const
{
    if (m_line)
        return pos;
    int shown = 0;
    size_t i = 0;
    for (; i < m_text.size() && shown < pos; ++i) {
        if (m_text[i] == '\r' && i + 1 < m_text.size() && m_text[i + 1] == '\n')
            continue;
        ++shown;
    }
    return static_cast<int>(i);
}

int TextBox::TextToWidget(int pos) const
{
    if (m_line)
        return pos;
    int shown = 0;
    for (int i = 0; i < pos && i < static_cast<int>(m_text.size()); ++i) {
        if (m_text[i] == '\r' && i + 1 < static_cast<int>(m_text.size()) && m_text[i + 1] == '\n')
            continue;
        ++shown;
    }
    return shown;
}

int TextBox::SelStart() const
{
    if (m_line)
        return m_line->hasSelectedText() ? m_line->selectionStart() : m_line->cursorPosition();
    QTextCursor c = m_edit->textCursor();
    return WidgetToText(c.selectionStart());
}

int TextBox::SelLength() const
{
    if (m_line)
        return m_line->hasSelectedText() ? m_line->selectionLength() : 0;
    QTextCursor c = m_edit->textCursor();
    return WidgetToText(c.selectionEnd()) - WidgetToText(c.selectionStart());
}

std::string TextBox::SelText() const
{
    int start = SelStart();
    return m_text.substr(std::min<size_t>(start, m_text.size()), SelLength());
}

void TextBox::SelectTextRange(int start, int length)
{
    int size = static_cast<int>(m_text.size());
    start = std::clamp(start, 0, size);
    length = std::clamp(length, 0, size - start);
    if (m_line) {
        m_line->setSelection(start, length);
        if (length == 0)
            m_line->setCursorPosition(start);
        return;
    }
    QTextCursor c = m_edit->textCursor();
    c.setPosition(TextToWidget(start));
    c.setPosition(TextToWidget(start + length), QTextCursor::KeepAnchor);
    m_edit->setTextCursor(c);
}

void TextBox::SetSelStart(int start)
{
    SelectTextRange(start, 0);
}

void TextBox::SetSelLength(int length)
{
    SelectTextRange(SelStart(), length);
}

void TextBox::SetSelText(const std::string& text)
{
    int start = SelStart();
    int length = SelLength();
    m_text.replace(start, length, text);
    ShowText();
    SelectTextRange(start + static_cast<int>(text.size()), 0);
    Raise("Change", Change);
}

void TextBox::SetLocked(bool locked)
{
    m_locked = locked;
    if (m_line)
        m_line->setReadOnly(locked);
    else
        m_edit->setReadOnly(locked);
}

void TextBox::TypeReplacement(QWidget* target, QKeyEvent* original, int keyAscii)
{
    // The changed key is typed as if the user had pressed it.
    std::string typed(1, static_cast<char>(keyAscii));
    int key = keyAscii == 13 ? Qt::Key_Return : keyAscii == 8 ? Qt::Key_Backspace : 0;
    QKeyEvent replacement(QEvent::KeyPress, key, original->modifiers(), ToQt(typed));
    QApplication::sendEvent(target, &replacement);
}

} // namespace platform::forms
