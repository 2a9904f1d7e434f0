#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "controls/progress_bar/control_site.h"
#include "controls/progress_bar/identity.h"
#include "controls/progress_bar/paint_surface.h"
#include "controls/progress_bar/picture_key.h"
#include "controls/progress_bar/progress_bar_properties.h"
#include "platform/com/com.h"
#include "platform/gdi/dc.h"
#include "platform/hosting/control_site.h"

namespace kolvetra {

// The published progress control. Every property setter stores, reports the change under
// the property's name to the site and repaints the whole control; in the animated colour
// mode most setters leave the repaint to the 10 ms tick. A setter's repaint is drawn when the
// screen is next updated (the site's paint, which the repaint's yield lets run): nobody sees
// the picture before, and the compilers set Value once per row, hundreds of thousands of
// times, so only the latest state of each screen update is drawn. A set after which the
// picture would be the same pixels (Value 10 to 11 of 1,000,000 on a 200-pixel bar) neither
// asks for a paint nor yields. Timer ticks, Resize, Show and BarColorType draw at once and
// yield. Until InitProperties or ReadProperties runs, every field is zero (Max too), which
// the second read of "Value" relies on.
//
// A host places it as any control object of the component model (platform/hosting), once
// `regsvr libKolvetra.so` has registered the library. From the window's stored layout:
//
//     Begin Kolvetra.ProgressBar pgbFP          (or the braced class identifier)
//         SpecialEffects = 2&
//         TextAfterValue = " %"
//         Picture = Picture("iVBORw0KGgo...")
//         Scrolling = 1&
//     End
//
//     const StoredControl& c = *layout.Find("pgbFP");
//     ControlSite& pgbFP = AddControlObject(form, {Kind::PictureBox, "pgbFP", "", left, top,
//                                                  width, height}, c.classId,
//                                           Placement{&c.properties});   // ReadProperties
//     PutProperty(pgbFP.Object(), 0x68030006, Variant(double(count)));  // Max first
//     PutProperty(pgbFP.Object(), 0x68030003, Variant(double(done)));   // then Value
//
// The site owns the instance; it is released when the window's controls go. The control
// draws on its own user-control surface; tests may put it on another site.
class ProgressBar : public platform::hosting::ControlObject<ProgressBar> {
public:
    static const platform::com::DispatchTable<ProgressBar>& Members();

    ProgressBar();
    ~ProgressBar() override;

    // Also answers the identifier of `_ProgressBar`, its default (dual) interface.
    platform::com::HRESULT QueryInterface(const platform::com::Guid& iid, void** out) override;
    // PgbAllgemein, then the standard font, colour and picture pages.
    std::vector<platform::com::Guid> PropertyPages() const override;

    // Puts the control on another surface (null: its own user-control surface again). The
    // site outlives the control's use of it; the control's timer interval, mouse pointer and
    // icon are handed to it.
    void SetSite(ControlSite* site);
    ControlSite* Site() const { return m_site; }

    // The surface's events, as the host's user-control hosting delivers them.
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(const platform::com::PropertyBag& bag) override;
    void UserControl_WriteProperties(platform::com::PropertyBag& bag) override;
    void UserControl_Click() override;
    void UserControl_DblClick() override;
    void UserControl_MouseDown(std::int16_t& button, std::int16_t& shift, float& x,
                               float& y) override;
    void UserControl_MouseMove(std::int16_t& button, std::int16_t& shift, float& x,
                               float& y) override;
    void UserControl_MouseUp(std::int16_t& button, std::int16_t& shift, float& x,
                             float& y) override;
    void UserControl_Resize() override;
    void UserControl_Show() override;
    void UserControl_Terminate() override;
    void Timer1_Timer();

    // What the painter reads, and the animation position.
    const ProgressBarProperties& Properties() const { return m_props; }
    const AnimationState& Animation() const { return m_anim; }
    std::int32_t TimerInterval() const { return m_timerInterval; }

    // The typed faces of the dispatch members (the table calls these).
    void SetFontProperty(const platform::com::StdFont& font);
    const platform::com::StdFont& FontProperty() const { return m_font; }
    void SetCaption(const std::string& value);
    void SetSpecialEffects(zemSpecialEffects value);
    void SetFieldEffects(zemFieldEffects value);
    void SetOnlyValueFields(bool value);
    void SetBarColorType(zemBarColorType value);
    void SetValueType(zemValueType value);
    void SetScrolling(zemScrolling value);
    void SetAspectRatio(double value);
    void SetPicture(const platform::com::Picture& picture);
    const platform::com::Picture& Picture() const { return m_picture; }
    void SetAlignment(zemAlignment value);
    void SetAnimatedInterval(std::int32_t value);
    void SetTextAlignment(zemTextAlignment value);
    void SetBorderColor(OLE_COLOR value);
    void SetStartFillColor(OLE_COLOR value);
    void SetEndFillColor(OLE_COLOR value);
    void SetBackColor(OLE_COLOR value);
    void SetMin(double value);
    void SetMax(double value);
    void SetTextAfterValue(const std::string& value);
    void SetTextBeforeValue(const std::string& value);
    void SetValue(double value);
    void SetForeColor(OLE_COLOR value);
    void SetMouseIcon(const platform::com::Picture& icon);
    const platform::com::Picture& MouseIcon() const { return m_mouseIcon; }
    // Error 6 (overflow) outside the 16-bit range: nothing is stored or reported.
    void SetMousePointer(std::int32_t value);
    // Shows the about dialog modally, owned by the control's window; errors are ignored.
    void ShowAboutBox();

    // Clears the surface and repaints the whole control at once, then lets the host's pending
    // paints and timers run.
    void DrawProgress();
    // The site is about to show the surface: draws the latest state on it when a setter's
    // repaint has not been drawn yet, and hands it to the site's Refresh; otherwise nothing.
    void Paint();
    // Off, a setter's repaint draws at once, before its yield, as every repaint did: for the
    // tests and the benchmark that hold the deferred drawing against it. On by default.
    static void SetPaintDeferred(bool on);

protected:
    // The own surface's paint.
    void UserControl_Paint() override;

private:
    class OwnSurface;
    enum class Repaint { UnlessAnimated, Always };
    // Stores, reports under `name` and repaints by the rule.
    template <class T> void Store(T& field, const T& value, const char* name, Repaint repaint);
    void Changed(const char* name, Repaint repaint);
    // A setter's repaint: asks the site for a paint and yields, unless the picture it would
    // paint is the one the surface shows or is about to show: a property set that changes no
    // pixel then neither paints nor yields.
    void RepaintChanged();
    // Whether the surface still holds what the last paint left on it.
    bool Untouched() const;
    void SetTimer(std::int32_t interval);
    void RaiseMouse(platform::com::DispId id, const char* name, std::int16_t& button,
                    std::int16_t& shift, float& x, float& y);

    ProgressBarProperties m_props;
    AnimationState m_anim;
    platform::com::StdFont m_font;
    platform::com::Picture m_picture;
    platform::com::Picture m_mouseIcon;
    std::int32_t m_timerInterval = 0;
    platform::forms::TimerControl* m_timer1;
    std::unique_ptr<OwnSurface> m_own;
    ControlSite* m_site = nullptr;
    std::unique_ptr<PaintSurface> m_surface;
    // The key of the latest picture asked for on this site: shown, or to be drawn by the next
    // Paint while m_due. None until a repaint on this site.
    std::optional<PictureKey> m_requested;
    bool m_due = false;
    qint64 m_drawn = 0; // the revision of the site's image after the last paint
};

} // namespace kolvetra
