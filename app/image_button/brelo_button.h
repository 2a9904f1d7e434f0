#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include <QRect>

#include "app/image_button/artwork.h"
#include "app/image_button/hover_poll.h"
#include "platform/com/com_ptr.h"
#include "platform/com/dispatch.h"
#include "platform/com/std_font.h"
#include "platform/forms/control_def.h"
#include "platform/forms/form.h"
#include "platform/gdi/types.h"
#include "platform/hosting/user_control.h"

namespace quorvel {

class ButtonObject;

// The caption label of the button: windowless, transparent, text centred with its mnemonic
// drawn. The button keeps no copies of its properties; they all live here.
struct CaptionLabel {
    std::string caption = "Button";
    platform::com::StdFont font;
    std::int32_t foreColor = 0;
    bool enabled = true;
    int heightTwips = 300;
};

// The picture-faced push button of every window. Its face is one of three pictures (imgUp,
// imgDown, imgOver), its caption a label on top; it raises Click when the left button is
// released after a press on the label, and it finds out whether the pointer is over it by
// polling the cursor every 150 ms (tmrChkStatus, only in a running program; one clock and one
// look at the display per tick serve all buttons).
//
// Its properties are the label's: Caption, FontName, FontSize, Bold, Italic, Underline,
// ForeColor and Enabled hide the extender's members of those names on purpose, so a window
// that holds a BreloButton& reaches the button's own. The windows set Caption and Enabled late
// bound by dispatch identifier (SetButtonCaption, SetButtonEnabled) and handle only Click,
// which runs inside the forms event boundary as "<name>_Click".
class BreloButton : public platform::hosting::UserControl {
public:
    BreloButton();
    ~BreloButton() override;

    // The dispatch interface, in slot order 0x68030009 (URLGoTo) down to 0x68030000 (GoURL).
    platform::com::IDispatch* Object() const;

    // Opens the address with the desktop's handler, the busy pointer showing meanwhile. Only
    // http, https and mailto addresses are handed on; anything else is ignored, since an
    // arbitrary string would let the desktop run programs and open local files.
    void URLGoTo(std::int32_t hWnd, const std::string& url);
    const std::string& Caption() const { return m_label.caption; }
    void SetCaption(const std::string& caption);
    const std::string& FontName() const { return m_label.font.name; }
    void SetFontName(const std::string& name);
    // The label's size rounded to a whole number, a half to the even one (8.25 -> 8).
    std::int16_t FontSize() const;
    void SetFontSize(std::int16_t points);
    bool Bold() const { return m_label.font.bold; }
    void SetBold(bool bold);
    bool Italic() const { return m_label.font.italic; }
    void SetItalic(bool italic);
    bool Underline() const { return m_label.font.underline; }
    void SetUnderline(bool underline);
    std::int32_t ForeColor() const { return m_label.foreColor; }
    void SetForeColor(std::int32_t colour);
    // Reports no change to the host, unlike every other property.
    bool Enabled() const { return m_label.enabled; }
    void SetEnabled(bool enabled);
    // Accepts a string and keeps nothing.
    void SetGoURL(const std::string&) {}

    // Events 1 to 4 (Click is the extender's member).
    std::function<void()> ButtonDown;
    std::function<void()> ButtonUp;
    std::function<void()> MouseOver;

    ButtonFace Face() const { return m_face; }
    bool MouseIsOver() const { return m_bMouseOver; }
    const CaptionLabel& lblCaption() const { return m_label; }
    CaptionLabel& lblCaption() { return m_label; }
    HoverTimer& tmrChkStatus() { return m_tmrChkStatus; }
    // The label's place inside the control, in pixels.
    QRect CaptionRect() const;

    // The poll, as one tick of tmrChkStatus runs it.
    void tmrChkStatus_Timer();

protected:
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(const platform::com::PropertyBag& bag) override;
    void UserControl_WriteProperties(platform::com::PropertyBag& bag) override;
    void UserControl_Resize() override;
    void UserControl_Show() override { Paint(); }
    void UserControl_MouseDown(std::int16_t& button, std::int16_t& shift, float& x,
                               float& y) override;
    void UserControl_MouseMove(std::int16_t& button, std::int16_t& shift, float& x,
                               float& y) override;
    void UserControl_MouseUp(std::int16_t& button, std::int16_t& shift, float& x,
                             float& y) override;
    void UserControl_DblClick() override;
    void UserControl_Terminate() override;

private:
    void lblCaption_MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void lblCaption_MouseUp(std::int16_t button, std::int16_t shift, float x, float y);
    void ShowUp();
    void ShowDown();
    void ShowOver();
    void RaiseButtonEvent(int id, const char* name, const std::function<void()>& handler);
    bool OverLabel(float x, float y) const;
    void Paint();

    platform::com::ComPtr<ButtonObject> m_object;
    CaptionLabel m_label;
    HoverTimer m_tmrChkStatus;
    ButtonFace m_face = ButtonFace::Normal;
    bool m_bMouseOver = false;
    platform::gdi::Point m_ptCursor;
    // The mouse buttons (vbLeftButton, ...) held since they went down on the label.
    int m_labelButtons = 0;
    bool m_lastPressOnLabel = false;
    int m_labelTopTwips = 0;
};

// A button as the windows store it; what is left out takes the button's default.
struct StoredButton {
    const char* caption = nullptr; // nullptr: the row's caption
    const char* fontName = "Tahoma";
    double fontSize = 8;
    platform::forms::OleColor foreColor = 0;
    bool bold = false;
    bool enabled = true;
};

// Places a button from a window's table row and its stored settings, read through the
// button's own ReadProperties as a stored layout would be.
BreloButton& AddBreloButton(platform::forms::Form& form, const platform::forms::ControlDef& row,
                            const StoredButton& stored = {});

// The windows' two late-bound calls: Caption (0x68030008) and Enabled (0x68030001).
void SetButtonCaption(BreloButton& button, const std::string& caption);
void SetButtonEnabled(BreloButton& button, bool enabled);

} // namespace quorvel
