#include "dialogs.h"

#include <QApplication>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>

#include "platform/forms/qt_text.h"

namespace platform::forms {

namespace detail {
int SuspendHandlerDepth();
void ResumeHandlerDepth(int saved);
} // namespace detail

namespace {

bool Offscreen()
{
    return QGuiApplication::platformName() == QLatin1String("offscreen");
}

int ShowMessageBox(const std::string& prompt, int buttons, const std::string& title)
{
    if (Offscreen()) {
        // Nobody could read the box, so what it says goes to standard error.
        std::fprintf(stderr, "%s: %s\n", ToQt(title).toStdString().c_str(),
                     ToQt(prompt).toStdString().c_str());
        return DefaultAnswer(buttons);
    }
    QMessageBox box;
    box.setWindowTitle(ToQt(title));
    box.setText(ToQt(prompt));
    switch (buttons & 0x70) {
    case vbCritical:
        box.setIcon(QMessageBox::Critical);
        break;
    case vbQuestion:
        box.setIcon(QMessageBox::Question);
        break;
    case vbExclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case vbInformation:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    struct Button {
        QMessageBox::StandardButton qt;
        int answer;
    };
    std::vector<Button> list;
    switch (buttons & 0x0F) {
    case vbOKCancel:
        list = {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}};
        break;
    case vbAbortRetryIgnore:
        list = {{QMessageBox::Abort, vbAbort},
                {QMessageBox::Retry, vbRetry},
                {QMessageBox::Ignore, vbIgnore}};
        break;
    case vbYesNoCancel:
        list = {
            {QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}, {QMessageBox::Cancel, vbCancel}};
        break;
    case vbYesNo:
        list = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}};
        break;
    case vbRetryCancel:
        list = {{QMessageBox::Retry, vbRetry}, {QMessageBox::Cancel, vbCancel}};
        break;
    default:
        list = {{QMessageBox::Ok, vbOK}};
        break;
    }
    for (const Button& b : list)
        box.addButton(b.qt);
    box.setDefaultButton(list.front().qt);
    box.exec();
    QAbstractButton* pressed = box.clickedButton();
    for (const Button& b : list) {
        if (pressed && pressed == box.button(b.qt))
            return b.answer;
    }
    return DefaultAnswer(buttons);
}

std::string ShowInputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText)
{
    if (Offscreen())
        return "";
    bool ok = false;
    QString text = QInputDialog::getText(QApplication::activeWindow(), ToQt(title), ToQt(prompt),
                                         QLineEdit::Normal, ToQt(defaultText), &ok);
    return ok ? FromQt(text) : "";
}

MsgBoxSink& MsgSink()
{
    static MsgBoxSink sink;
    return sink;
}

InputBoxSink& InputSink()
{
    static InputBoxSink sink;
    return sink;
}

std::string& Title()
{
    static std::string title = "Quorvel";
    return title;
}

// A box waits for the user, who may turn to another program or end this one meanwhile, so
// what the running handler wrote is put on disk first; events handled while the box shows
// are handlers of their own, as in a modal form.
class ModalBox {
public:
    ModalBox()
        : m_depth(detail::SuspendHandlerDepth())
    {
    }
    ~ModalBox() { detail::ResumeHandlerDepth(m_depth); }
    ModalBox(const ModalBox&) = delete;
    ModalBox& operator=(const ModalBox&) = delete;

private:
    int m_depth;
};

} // namespace

int DefaultAnswer(int buttons)
{
    switch (buttons & 0x0F) {
    case vbOKCancel:
    case vbYesNoCancel:
    case vbRetryCancel:
        return vbCancel;
    case vbAbortRetryIgnore:
        return vbAbort;
    case vbYesNo:
        return vbYes;
    default:
        return vbOK;
    }
}

int MsgBox(const std::string& prompt, int buttons, const std::string& title)
{
    const ModalBox box;
    const std::string& shownTitle = title.empty() ? Title() : title;
    if (MsgSink())
        return MsgSink()(prompt, buttons, shownTitle);
    return ShowMessageBox(prompt, buttons, shownTitle);
}

std::string InputBox(const std::string& prompt, const std::string& title,
                     const std::string& defaultText)
{
    const ModalBox box;
    const std::string& shownTitle = title.empty() ? Title() : title;
    if (InputSink())
        return InputSink()(prompt, shownTitle, defaultText);
    return ShowInputBox(prompt, shownTitle, defaultText);
}

const std::string& AppTitle()
{
    return Title();
}

void SetAppTitle(const std::string& title)
{
    Title() = title;
}

MsgBoxSink SetMsgBoxSink(MsgBoxSink sink)
{
    MsgBoxSink old = std::move(MsgSink());
    MsgSink() = std::move(sink);
    return old;
}

InputBoxSink SetInputBoxSink(InputBoxSink sink)
{
    InputBoxSink old = std::move(InputSink());
    InputSink() = std::move(sink);
    return old;
}

ScriptedDialogs::ScriptedDialogs()
{
    m_savedMsg =
        SetMsgBoxSink([this](const std::string& prompt, int buttons, const std::string& title) {
            shown.push_back({false, prompt, title, buttons, ""});
            if (msgBoxAnswers.empty())
                return DefaultAnswer(buttons);
            int answer = msgBoxAnswers.front();
            msgBoxAnswers.pop_front();
            return answer;
        });
    m_savedInput = SetInputBoxSink([this](const std::string& prompt, const std::string& title,
                                          const std::string& defaultText) {
        shown.push_back({true, prompt, title, 0, defaultText});
        if (inputBoxAnswers.empty())
            return std::string();
        std::string answer = inputBoxAnswers.front();
        inputBoxAnswers.pop_front();
        return answer;
    });
}

ScriptedDialogs::~ScriptedDialogs()
{
    SetMsgBoxSink(std::move(m_savedMsg));
    SetInputBoxSink(std::move(m_savedInput));
}

} // namespace platform::forms
