#pragma once

#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/forms/control.h"
#include "platform/forms/control_def.h"
#include "platform/forms/timer.h"

class QEventLoop;

namespace platform::forms {

enum class BorderStyle {
    None = 0,
    FixedSingle = 1, // no minimise and no maximise button
    Sizable = 2,
    FixedDialog = 3,
    FixedToolWindow = 4,
    SizableToolWindow = 5,
};

enum : int {
    vbStartUpManual = 0,
    vbStartUpOwner = 1,
    vbStartUpScreen = 2,
    vbStartUpWindowsDefault = 3,
};
enum : int { vbModeless = 0, vbModal = 1 };
// Why QueryUnload is raised.
enum : int { vbFormControlMenu = 0, vbFormCode = 1 };

// A window. A window class derives from Form, builds its controls from its table in the
// constructor, wires each control's events to its handlers and overrides the form events
// it handles (Form_Load, Form_QueryUnload, Form_Unload). Controls and timers live as long
// as the form object; Unload hides the window and marks it unloaded.
class Form : public Container {
public:
    explicit Form(std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& Name() const { return m_name; }
    QWidget* Window() const;
    QWidget* ClientArea(int page) override;

    // Builds one control of a table row, or a whole table in order (a container's row comes
    // before the rows inside it). A row naming an unknown container throws
    // std::invalid_argument.
    Control& Create(const ControlDef& def);
    void Create(std::span<const ControlDef> table);
    // Places a control made by the caller (a user control) as a table row places one.
    template <class T, class... Args> T& Add(const ControlDef& def, Args&&... args)
    {
        auto owned = std::make_unique<T>(std::forward<Args>(args)...);
        T& control = *owned;
        Place(std::move(owned), def);
        return control;
    }
    TimerControl& AddTimer(const std::string& name, int interval, bool enabled = false);

    // nullptr when the form has no control or timer of that name.
    Control* Find(const std::string& name) const;
    TimerControl* FindTimer(const std::string& name) const;
    // The control of that name as its kind; std::logic_error when there is none.
    template <class T> T& Ctl(const std::string& name) const
    {
        T* control = dynamic_cast<T*>(Find(name));
        if (!control)
            throw std::logic_error("form " + m_name + " has no control " + name + " of that kind");
        return *control;
    }

    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& caption);
    BorderStyle GetBorderStyle() const { return m_border; }
    void SetBorderStyle(BorderStyle style);
    int StartUpPosition() const { return m_startUp; }
    void SetStartUpPosition(int position) { m_startUp = position; }
    // The client area in twips.
    int ScaleWidth() const { return m_clientWidth; }
    int ScaleHeight() const { return m_clientHeight; }
    void SetClientSize(int widthTwips, int heightTwips);
    OleColor BackColor() const { return m_backColor; }
    void SetBackColor(OleColor colour);
    // The font that rows without a font of their own get.
    const Font& GetFont() const { return m_font; }
    void SetFont(const Font& font) { m_font = font; }

    // Raises Form_Load once; false when it raised an error (shown already). The focus goes
    // to the first control in tab order first, also when the form was unloaded before.
    bool Load();
    bool Loaded() const { return m_loaded; }
    // Loads the form if needed and shows it. A modal form returns when it is hidden or
    // unloaded; `owner` keeps the window above its owner.
    void Show(int modal = vbModeless, Form* owner = nullptr);
    void Hide();
    bool Visible() const;
    // QueryUnload and Unload, then the window is hidden; false when a handler cancelled.
    bool Unload();

protected:
    virtual void Form_Load() {}
    virtual void Form_QueryUnload(int& cancel, int unloadMode) {}
    virtual void Form_Unload(int& cancel) {}

private:
    class FormWindow;
    friend class FormWindow;
    void Place(std::unique_ptr<Control> control, const ControlDef& def);
    bool CloseRequested(int unloadMode);
    void ApplyWindowFlags();
    void FocusFirstControl();
    void PlaceOnScreen(Form* owner);
    bool RaiseForm(const char* event, const std::function<void()>& handler);

    std::string m_name;
    FormWindow* m_window;
    std::vector<std::unique_ptr<Control>> m_controls;
    std::vector<std::unique_ptr<TimerControl>> m_timers;
    std::string m_caption;
    BorderStyle m_border = BorderStyle::Sizable;
    int m_startUp = vbStartUpWindowsDefault;
    int m_clientWidth = 0;
    int m_clientHeight = 0;
    OleColor m_backColor = kSysButtonFace;
    Font m_font = kFormFont;
    bool m_loaded = false;
    bool m_placed = false;
    QEventLoop* m_modalLoop = nullptr;
};

} // namespace platform::forms
