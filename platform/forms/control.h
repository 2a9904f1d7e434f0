#pragma once

#include <functional>
#include <memory>
#include <string>

#include <QCursor>
#include <QPointer>
#include <QWidget>

#include "platform/forms/colour.h"
#include "platform/forms/control_def.h"
#include "platform/forms/events.h"
#include "platform/forms/font.h"

class QEvent;
class QKeyEvent;

namespace platform::forms {

class Control;

// Something controls sit in: a form, a frame, a picture box or a page of a tabbed dialog.
// Coordinates of a control are relative to its container's top-left corner.
class Container {
public:
    virtual ~Container() = default;
    // The widget children are placed on; `page` selects a page of a tabbed dialog and is -1
    // for every other container.
    virtual QWidget* ClientArea(int page) = 0;
};

// Mouse buttons and shift state of the mouse and key events, with the original values.
enum : int { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };
enum : int { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

// Mouse pointers; 99 shows the cursor given to SetMouseIcon.
enum : int { vbDefault = 0, vbArrow = 1, vbIbeam = 3, vbHourglass = 11, vbCustom = 99 };

// One control of a window, wrapping any QWidget. Geometry is kept in twips exactly as set,
// Visible and Enabled are the control's own flags (true even while a hidden container or an
// inactive tab page keeps it off the screen), and its events are raised through the one
// event boundary under "<Name>_<Event>".
// A user control (a custom widget) derives from this class, passes its widget to the
// constructor and raises its own events with Raise().
class Control {
public:
    explicit Control(QWidget* widget);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return m_name; }
    void SetName(const std::string& name) { m_name = name; }
    QWidget* Widget() const { return m_widget; }
    Container* Parent() const { return m_parent; }
    int Page() const { return m_page; }
    // Moves the control into `container` (on tab page `page`, -1 for other containers).
    void SetContainer(Container& container, int page = -1);

    // Twips. A negative width or height raises error 380 and changes nothing.
    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void SetLeft(int twips);
    void SetTop(int twips);
    void SetWidth(int twips);
    void SetHeight(int twips);
    void Move(int left, int top, int width, int height);

    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);

    const std::string& ToolTipText() const { return m_toolTip; }
    void SetToolTipText(const std::string& text);

    const Font& GetFont() const { return m_font; }
    void SetFont(const Font& font);
    void SetFontName(const std::string& name);
    void SetFontSize(double points);
    void SetFontBold(bool bold);

    // kDefaultColor restores the control's own default.
    OleColor ForeColor() const { return m_foreColor; }
    OleColor BackColor() const { return m_backColor; }
    void SetForeColor(OleColor colour);
    void SetBackColor(OleColor colour);

    int MousePointer() const { return m_mousePointer; }
    void SetMousePointer(int pointer);
    // Sets the pointer to vbCustom showing `cursor`.
    void SetMouseIcon(const QCursor& cursor);

    void SetFocus();

    // What a table row holds beyond place, font and colours (caption, flags); taken once
    // when the row builds the control.
    virtual void ApplyDesign(const ControlDef& def) {}
    // The row's place; a line reads its end points from it.
    virtual void ApplyDesignGeometry(const ControlDef& def);

    // Events. KeyPress may change its key (0 swallows it); mouse positions are twips from
    // the control's top-left corner.
    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void()> GotFocus;
    std::function<void()> LostFocus;
    std::function<void(int& keyAscii)> KeyPress;
    std::function<void(int& keyCode, int shift)> KeyDown;
    std::function<void(int& keyCode, int shift)> KeyUp;
    std::function<void(int button, int shift, double x, double y)> MouseDown;
    std::function<void(int button, int shift, double x, double y)> MouseMove;
    std::function<void(int button, int shift, double x, double y)> MouseUp;

    // Raises event `event` of this control ("Click" logs "<Name>_Click").
    bool Raise(const char* event, const std::function<void()>& handler);
    template <class F, class... Args>
    bool Raise(const char* event, const F& handler, Args&&... args)
    {
        if (!handler)
            return Raise(event, std::function<void()>());
        return Raise(event, std::function<void()>([&] { handler(args...); }));
    }

protected:
    // Receive mouse, key and focus events of `w` too (a viewport or an inner line edit).
    void WatchInput(QWidget* w);
    // A mouse release on the control raises Click and a double-click DblClick.
    void RaiseClicksFromMouse();

    // Hooks for kinds that show a property differently from a plain widget.
    virtual void ApplyGeometry();
    virtual void ApplyColours();
    virtual void ApplyFont();
    // A changed key of KeyPress is typed instead of the original one; kinds that take text
    // override this (the default swallows the key).
    virtual void TypeReplacement(QWidget* target, QKeyEvent* original, int keyAscii);
    // Keys the control must never see after KeyPress (an editable combo box's Enter).
    virtual bool SwallowKey(QKeyEvent* event) { return false; }

    // Blocks the widget's own signals while the program changes it, so that each event is
    // raised once, by the wrapper.
    class Quiet {
    public:
        explicit Quiet(QObject* object);
        Quiet(QObject* a, QObject* b);
        ~Quiet();

    private:
        QPointer<QObject> m_a, m_b;
        bool m_oldA = false, m_oldB = false;
    };

private:
    class Bridge;
    friend class Bridge;
    bool Filter(QObject* watched, QEvent* event);
    QWidget* FocusTarget() const;

    std::string m_name;
    QPointer<QWidget> m_widget;
    std::unique_ptr<Bridge> m_bridge;
    Container* m_parent = nullptr;
    int m_page = -1;
    int m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    bool m_visible = true;
    bool m_enabled = true;
    std::string m_toolTip;
    Font m_font = kFormFont;
    OleColor m_foreColor = kDefaultColor;
    OleColor m_backColor = kDefaultColor;
    int m_mousePointer = vbDefault;
    QCursor m_mouseIcon;
    bool m_clicksFromMouse = false;
    bool m_typingReplacement = false;
};

// The original key code of a toolkit key (vbKeyReturn 13, vbKeyA 65, vbKeyF1 112, ...);
// 0 for keys it had none for.
int VbKeyCode(int qtKey);

} // namespace platform::forms
