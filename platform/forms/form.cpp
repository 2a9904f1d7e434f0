#include "form.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/errors/run_time_error.h"

#include "platform/forms/buttons.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/file_lists.h"
#include "platform/forms/frame.h"
#include "platform/forms/label.h"
#include "platform/forms/list_box.h"
#include "platform/forms/list_view.h"
#include "platform/forms/picture.h"
#include "platform/forms/qt_text.h"
#include "platform/forms/slider.h"
#include "platform/forms/tab_dialog.h"
#include "platform/forms/text_box.h"
#include "platform/forms/twips.h"

namespace platform::forms {

class Form::FormWindow : public QWidget {
public:
    explicit FormWindow(Form& form)
        : m_form(form)
    {
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        if (m_form.CloseRequested(vbFormControlMenu))
            event->accept();
        else
            event->ignore();
    }

    void hideEvent(QHideEvent* event) override
    {
        QWidget::hideEvent(event);
        if (m_form.m_modalLoop)
            m_form.m_modalLoop->quit();
    }

private:
    Form& m_form;
};

namespace detail {
int SuspendHandlerDepth();
void ResumeHandlerDepth(int saved);
} // namespace detail

namespace {

std::unique_ptr<Control> MakeControl(const ControlDef& def)
{
    switch (def.kind) {
    case Kind::Label:
        return std::make_unique<Label>();
    case Kind::TextBox:
        return std::make_unique<TextBox>((def.flags & kMultiLine) != 0);
    case Kind::RichTextBox:
        return std::make_unique<RichTextBox>();
    case Kind::ComboBox:
        return std::make_unique<ComboBox>(ComboBox::DropDownCombo, (def.flags & kSorted) != 0);
    case Kind::DropDownList:
        return std::make_unique<ComboBox>(ComboBox::DropDownList, (def.flags & kSorted) != 0);
    case Kind::ListBox:
        return std::make_unique<ListBox>((def.flags & kSorted) != 0);
    case Kind::Frame:
        return std::make_unique<Frame>((def.flags & kNoBorder) == 0);
    case Kind::CheckBox:
        return std::make_unique<CheckBox>();
    case Kind::OptionButton:
        return std::make_unique<OptionButton>();
    case Kind::PictureBox:
        return std::make_unique<PictureBox>((def.flags & kNoBorder) == 0);
    case Kind::Image:
        return std::make_unique<Image>();
    case Kind::Line:
        return std::make_unique<Line>();
    case Kind::CommandButton:
        return std::make_unique<CommandButton>();
    case Kind::Slider:
        return std::make_unique<Slider>();
    case Kind::ListView:
        return std::make_unique<ListView>();
    case Kind::TabDialog:
        return std::make_unique<TabDialog>();
    case Kind::DirListBox:
        return std::make_unique<DirListBox>();
    case Kind::FileListBox:
        return std::make_unique<FileListBox>();
    }
    throw std::invalid_argument(std::string("unknown control kind for ") + def.name);
}

} // namespace

Form::Form(std::string name)
    : m_name(std::move(name))
    , m_window(new FormWindow(*this))
{
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    ApplyWindowFlags();
    SetBackColor(m_backColor);
    m_window->setFont(ToQFont(m_font));
}

Form::~Form()
{
    // Children go before their containers, and all of them before the window.
    while (!m_controls.empty())
        m_controls.pop_back();
    m_timers.clear();
    delete m_window;
}

QWidget* Form::Window() const
{
    return m_window;
}

QWidget* Form::ClientArea(int)
{
    return m_window;
}

void Form::Place(std::unique_ptr<Control> owned, const ControlDef& def)
{
    Control& control = *owned;
    Container* container = this;
    if (def.container && *def.container) {
        container = dynamic_cast<Container*>(Find(def.container));
        if (!container)
            throw std::invalid_argument(std::string("no container ") + def.container + " for " +
                                        def.name);
    }
    control.SetName(def.name);
    Font font = m_font;
    if (def.font.name)
        font.name = def.font.name;
    if (def.font.size > 0)
        font.size = def.font.size;
    font.SetBold(def.font.bold);
    control.SetFont(font);
    if (def.fore != kDefaultColor)
        control.SetForeColor(def.fore);
    if (def.back != kDefaultColor)
        control.SetBackColor(def.back);
    control.ApplyDesignGeometry(def);
    control.ApplyDesign(def);
    control.SetVisible((def.flags & kHidden) == 0);
    control.SetEnabled((def.flags & kDisabled) == 0);
    m_controls.push_back(std::move(owned));
    control.SetContainer(*container, def.page);
}

Control& Form::Create(const ControlDef& def)
{
    std::unique_ptr<Control> owned = MakeControl(def);
    Control& control = *owned;
    Place(std::move(owned), def);
    return control;
}

void Form::Create(std::span<const ControlDef> table)
{
    for (const ControlDef& def : table)
        Create(def);
}

TimerControl& Form::AddTimer(const std::string& name, int interval, bool enabled)
{
    m_timers.push_back(std::make_unique<TimerControl>(name, interval, enabled));
    return *m_timers.back();
}

Control* Form::Find(const std::string& name) const
{
    for (const auto& control : m_controls) {
        if (control->Name() == name)
            return control.get();
    }
    return nullptr;
}

TimerControl* Form::FindTimer(const std::string& name) const
{
    for (const auto& timer : m_timers) {
        if (timer->Name() == name)
            return timer.get();
    }
    return nullptr;
}

void Form::SetCaption(const std::string& caption)
{
    m_caption = caption;
    m_window->setWindowTitle(ToQt(caption));
}

void Form::SetBorderStyle(BorderStyle style)
{
    m_border = style;
    ApplyWindowFlags();
}

void Form::ApplyWindowFlags()
{
    Qt::WindowFlags flags;
    switch (m_border) {
    case BorderStyle::None:
        flags = Qt::Window | Qt::FramelessWindowHint;
        break;
    case BorderStyle::FixedSingle:
        flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        break;
    case BorderStyle::FixedDialog:
        flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        break;
    case BorderStyle::FixedToolWindow:
    case BorderStyle::SizableToolWindow:
        flags =
            Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        break;
    case BorderStyle::Sizable:
        flags = Qt::Window;
        break;
    }
    bool shown = m_window->isVisible();
    m_window->setWindowFlags(flags);
    SetClientSize(m_clientWidth, m_clientHeight);
    if (shown)
        m_window->show();
}

void Form::SetClientSize(int widthTwips, int heightTwips)
{
    if (widthTwips < 0 || heightTwips < 0)
        platform::Raise(380);
    m_clientWidth = widthTwips;
    m_clientHeight = heightTwips;
    QSize size(TwipsToPixels(widthTwips), TwipsToPixels(heightTwips));
    bool fixed = m_border != BorderStyle::Sizable && m_border != BorderStyle::SizableToolWindow;
    if (fixed) {
        m_window->setFixedSize(size);
    } else {
        m_window->setMinimumSize(0, 0);
        m_window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        m_window->resize(size);
    }
}

void Form::SetBackColor(OleColor colour)
{
    m_backColor = colour;
    QPalette pal = m_window->palette();
    pal.setColor(QPalette::Window, ToQColor(colour));
    pal.setColor(QPalette::Button, ToQColor(colour));
    m_window->setPalette(pal);
    m_window->setAutoFillBackground(true);
}

bool Form::RaiseForm(const char* event, const std::function<void()>& handler)
{
    return RaiseEvent(m_name + ".Form_" + event, handler);
}

bool Form::Load()
{
    if (m_loaded)
        return true;
    m_loaded = true;
    FocusFirstControl();
    return RaiseForm("Load", [this] { Form_Load(); });
}

// A form loaded anew was a new instance, its focus on the first control in tab order; here
// the window outlives an unload and would keep the control that had the focus last.
void Form::FocusFirstControl()
{
    for (QWidget* w = m_window->nextInFocusChain(); w && w != m_window; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(m_window) &&
            m_window->isAncestorOf(w)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void Form::PlaceOnScreen(Form* owner)
{
    QRect frame = m_window->frameGeometry();
    QRect area;
    if (m_startUp == vbStartUpOwner && owner)
        area = owner->Window()->frameGeometry();
    else if (m_startUp == vbStartUpScreen || m_startUp == vbStartUpOwner)
        area = (m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen())
                   ->availableGeometry();
    if (area.isValid())
        m_window->move(area.center() - QPoint(frame.width() / 2, frame.height() / 2));
}

void Form::Show(int modal, Form* owner)
{
    if (!m_loaded && !Load())
        return;
    if (owner && m_window->parentWidget() != owner->Window()) {
        Qt::WindowFlags flags = m_window->windowFlags();
        m_window->setParent(owner->Window(), flags);
    }
    if (!m_placed) {
        m_placed = true;
        m_window->ensurePolished();
        PlaceOnScreen(owner);
    }
    if (modal == vbModal) {
        m_window->setWindowModality(Qt::ApplicationModal);
        m_window->show();
        QEventLoop loop;
        m_modalLoop = &loop;
        int depth = detail::SuspendHandlerDepth();
        loop.exec();
        detail::ResumeHandlerDepth(depth);
        m_modalLoop = nullptr;
        m_window->setWindowModality(Qt::NonModal);
        return;
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void Form::Hide()
{
    m_window->hide();
}

bool Form::Visible() const
{
    return m_window->isVisible();
}

bool Form::CloseRequested(int unloadMode)
{
    int cancel = 0;
    RaiseForm("QueryUnload", [&] { Form_QueryUnload(cancel, unloadMode); });
    if (cancel)
        return false;
    RaiseForm("Unload", [&] { Form_Unload(cancel); });
    if (cancel)
        return false;
    m_loaded = false;
    return true;
}

bool Form::Unload()
{
    if (!m_loaded)
        return true;
    if (!CloseRequested(vbFormCode))
        return false;
    m_window->hide();
    return true;
}

} // namespace platform::forms
