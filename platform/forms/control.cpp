#include "control.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/errors/run_time_error.h"
#include "platform/forms/mouse_codes.h"
#include "platform/forms/qt_text.h"
#include "platform/forms/twips.h"
#include "platform/text/cp1252.h"

namespace platform::forms {

class Control::Bridge : public QObject {
public:
    explicit Bridge(Control& owner)
        : m_owner(owner)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        return m_owner.Filter(watched, event);
    }

private:
    Control& m_owner;
};

namespace {

// The character code KeyPress reports for a key, 0 for keys that type nothing.
int KeyAscii(const QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0; // moves the focus; the original raised no KeyPress
    default:
        break;
    }
    const QString text = e->text();
    if (text.size() != 1)
        return 0;
    return static_cast<unsigned char>(UnicodeToCp1252(text.at(0).unicode()));
}

} // namespace

int ShiftState(Qt::KeyboardModifiers mods)
{
    int shift = 0;
    if (mods & Qt::ShiftModifier)
        shift |= vbShiftMask;
    if (mods & Qt::ControlModifier)
        shift |= vbCtrlMask;
    if (mods & Qt::AltModifier)
        shift |= vbAltMask;
    return shift;
}

int ButtonsOf(Qt::MouseButtons buttons)
{
    int out = 0;
    if (buttons & Qt::LeftButton)
        out |= vbLeftButton;
    if (buttons & Qt::RightButton)
        out |= vbRightButton;
    if (buttons & Qt::MiddleButton)
        out |= vbMiddleButton;
    return out;
}

int VbKeyCode(int key)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F16)
        return 112 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    default:
        return 0;
    }
}

Control::Quiet::Quiet(QObject* object)
    : Quiet(object, nullptr)
{
}

Control::Quiet::Quiet(QObject* a, QObject* b)
    : m_a(a)
    , m_b(b)
{
    if (a)
        m_oldA = a->blockSignals(true);
    if (b)
        m_oldB = b->blockSignals(true);
}

Control::Quiet::~Quiet()
{
    if (m_b)
        m_b->blockSignals(m_oldB);
    if (m_a)
        m_a->blockSignals(m_oldA);
}

Control::Control(QWidget* widget)
    : m_widget(widget)
    , m_bridge(std::make_unique<Bridge>(*this))
{
    m_widget->installEventFilter(m_bridge.get());
}

Control::~Control()
{
    delete m_widget.data();
}

void Control::SetContainer(Container& container, int page)
{
    QWidget* area = container.ClientArea(page);
    m_parent = &container;
    m_page = page;
    m_widget->setParent(area);
    ApplyGeometry();
    ApplyFont();
    ApplyColours();
    m_widget->setEnabled(m_enabled);
    m_widget->setVisible(m_visible);
}

void Control::SetLeft(int twips)
{
    Move(twips, m_top, m_width, m_height);
}

void Control::SetTop(int twips)
{
    Move(m_left, twips, m_width, m_height);
}

void Control::SetWidth(int twips)
{
    Move(m_left, m_top, twips, m_height);
}

void Control::SetHeight(int twips)
{
    Move(m_left, m_top, m_width, twips);
}

void Control::Move(int left, int top, int width, int height)
{
    if (width < 0 || height < 0)
        platform::Raise(380);
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    ApplyGeometry();
}

void Control::ApplyDesignGeometry(const ControlDef& def)
{
    Move(def.left, def.top, def.width, def.height);
}

void Control::ApplyGeometry()
{
    m_widget->setGeometry(TwipsToPixels(m_left), TwipsToPixels(m_top), TwipsToPixels(m_width),
                          TwipsToPixels(m_height));
}

void Control::SetVisible(bool visible)
{
    m_visible = visible;
    // A control not yet placed has no parent; showing it would open a window of its own.
    if (m_widget->parentWidget())
        m_widget->setVisible(visible);
}

void Control::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    m_widget->setEnabled(enabled);
}

void Control::SetToolTipText(const std::string& text)
{
    m_toolTip = text;
    m_widget->setToolTip(ToQt(text));
}

void Control::SetFont(const Font& font)
{
    m_font = font;
    ApplyFont();
}

void Control::SetFontName(const std::string& name)
{
    m_font.name = name;
    ApplyFont();
}

void Control::SetFontSize(double points)
{
    m_font.size = points;
    ApplyFont();
}

void Control::SetFontBold(bool bold)
{
    m_font.SetBold(bold);
    ApplyFont();
}

void Control::ApplyFont()
{
    Quiet quiet(m_widget);
    m_widget->setFont(ToQFont(m_font));
}

void Control::SetForeColor(OleColor colour)
{
    m_foreColor = colour;
    ApplyColours();
}

void Control::SetBackColor(OleColor colour)
{
    m_backColor = colour;
    ApplyColours();
}

void Control::ApplyColours()
{
    QPalette pal = m_widget->palette();
    if (m_foreColor != kDefaultColor) {
        // A disabled control greys its text whatever its own colour, as the original did, so
        // the disabled group keeps the toolkit's grey.
        const QColor fore = ToQColor(m_foreColor);
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            pal.setColor(group, QPalette::WindowText, fore);
            pal.setColor(group, QPalette::Text, fore);
            pal.setColor(group, QPalette::ButtonText, fore);
        }
    }
    if (m_backColor != kDefaultColor) {
        QColor back = ToQColor(m_backColor);
        pal.setColor(QPalette::Window, back);
        pal.setColor(QPalette::Base, back);
        pal.setColor(QPalette::Button, back);
    }
    m_widget->setPalette(pal);
}

void Control::SetMousePointer(int pointer)
{
    m_mousePointer = pointer;
    switch (pointer) {
    case vbArrow:
        m_widget->setCursor(Qt::ArrowCursor);
        break;
    case 2:
        m_widget->setCursor(Qt::CrossCursor);
        break;
    case vbIbeam:
        m_widget->setCursor(Qt::IBeamCursor);
        break;
    case vbHourglass:
        m_widget->setCursor(Qt::WaitCursor);
        break;
    case vbCustom:
        m_widget->setCursor(m_mouseIcon);
        break;
    default:
        m_widget->unsetCursor();
        break;
    }
}

void Control::SetMouseIcon(const QCursor& cursor)
{
    m_mouseIcon = cursor;
    SetMousePointer(vbCustom);
}

void Control::SetFocus()
{
    m_widget->setFocus(Qt::OtherFocusReason);
}

bool Control::Raise(const char* event, const std::function<void()>& handler)
{
    return RaiseEvent(m_name + "_" + event, handler);
}

void Control::WatchInput(QWidget* w)
{
    w->installEventFilter(m_bridge.get());
}

void Control::RaiseClicksFromMouse()
{
    m_clicksFromMouse = true;
}

QWidget* Control::FocusTarget() const
{
    return m_widget;
}

void Control::TypeReplacement(QWidget*, QKeyEvent*, int) {}

bool Control::Filter(QObject* watched, QEvent* event)
{
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        if (w != m_widget || m_typingReplacement)
            return false;
        auto* ke = static_cast<QKeyEvent*>(event);
        int shift = ShiftState(ke->modifiers());
        int code = VbKeyCode(ke->key());
        if (code && KeyDown)
            Raise("KeyDown", KeyDown, code, shift);
        int ascii = KeyAscii(ke);
        if (ascii) {
            int typed = ascii;
            if (KeyPress)
                Raise("KeyPress", KeyPress, ascii);
            if (ascii == 0)
                return true;
            if (ascii != typed) {
                m_typingReplacement = true;
                TypeReplacement(w, ke, ascii);
                m_typingReplacement = false;
                return true;
            }
        }
        return SwallowKey(ke);
    }
    case QEvent::KeyRelease: {
        if (w != m_widget || m_typingReplacement || !KeyUp)
            return false;
        auto* ke = static_cast<QKeyEvent*>(event);
        int code = VbKeyCode(ke->key());
        if (code)
            Raise("KeyUp", KeyUp, code, ShiftState(ke->modifiers()));
        return false;
    }
    case QEvent::FocusIn:
        if (w == FocusTarget() && GotFocus)
            Raise("GotFocus", GotFocus);
        return false;
    case QEvent::FocusOut:
        if (w == FocusTarget() && LostFocus)
            Raise("LostFocus", LostFocus);
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        auto* me = static_cast<QMouseEvent*>(event);
        QPoint local = me->position().toPoint();
        // An event a child control ignored comes up to its container; it is not the
        // container's.
        if (w->childAt(local))
            return false;
        QPoint p = w == m_widget ? local : w->mapTo(m_widget, local);
        double x = PixelsToTwips(p.x());
        double y = PixelsToTwips(p.y());
        int shift = ShiftState(me->modifiers());
        if (event->type() == QEvent::MouseButtonPress) {
            if (MouseDown)
                Raise("MouseDown", MouseDown, ButtonsOf(me->button()), shift, x, y);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            if (MouseUp)
                Raise("MouseUp", MouseUp, ButtonsOf(me->button()), shift, x, y);
            if (m_clicksFromMouse && me->button() == Qt::LeftButton && m_widget &&
                m_widget->rect().contains(p))
                Raise("Click", Click);
        } else if (event->type() == QEvent::MouseButtonDblClick) {
            if (m_clicksFromMouse && me->button() == Qt::LeftButton)
                Raise("DblClick", DblClick);
        } else if (MouseMove) {
            Raise("MouseMove", MouseMove, ButtonsOf(me->buttons()), shift, x, y);
        }
        // Controls that only show something take their mouse events whole, so nothing
        // reaches the container behind them.
        return m_clicksFromMouse && w == m_widget;
    }
    default:
        return false;
    }
}

} // namespace platform::forms
