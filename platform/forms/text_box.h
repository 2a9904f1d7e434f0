#pragma once

#include <string>

#include "platform/forms/control.h"

class QLineEdit;
class QPlainTextEdit;

namespace platform::forms {

// A text box. Text is held exactly as the program set it (CR LF included) and read back
// unchanged; what the user types is read with CR LF line ends. Positions (SelStart) count
// CR LF as two characters, as the original did.
// Change is raised on every programmatic Text set, even one that changes nothing (the
// write-through handlers of the windows rely on it), and for every keystroke that edits.
class TextBox : public Control {
public:
    explicit TextBox(bool multiLine = false);

    bool MultiLine() const { return m_edit != nullptr; }

    const std::string& Text() const { return m_text; }
    void SetText(const std::string& text);

    int SelStart() const;
    int SelLength() const;
    std::string SelText() const;
    void SetSelStart(int start);
    void SetSelLength(int length);
    // Replaces the selection (or inserts at the caret); raises Change.
    void SetSelText(const std::string& text);

    bool Locked() const { return m_locked; }
    void SetLocked(bool locked);

    std::function<void()> Change;

    // The design text raises no Change.
    void ApplyDesign(const ControlDef& def) override;

protected:
    void TypeReplacement(QWidget* target, QKeyEvent* original, int keyAscii) override;

private:
    void ShowText();
    void TakeUserText();
    void SelectTextRange(int start, int length);
    int WidgetToText(int pos) const;
    int TextToWidget(int pos) const;

    QLineEdit* m_line = nullptr;
    QPlainTextEdit* m_edit = nullptr;
    std::string m_text;
    bool m_locked = false;
};

// A rich text box used as plain text: multi-line, with the text box's behaviour.
class RichTextBox : public TextBox {
public:
    RichTextBox()
        : TextBox(true)
    {
    }
};

} // namespace platform::forms
