#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QImage>

#include "platform/com/guid.h"
#include "platform/com/property_bag.h"
#include "platform/com/std_font.h"
#include "platform/forms/control.h"
#include "platform/forms/timer.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/window_region.h"
#include "platform/hosting/window_handle.h"

namespace platform::hosting {

using forms::OleColor;

// Scale modes of the surface, with the original values.
enum : int { vbTwips = 1, vbPoints = 2, vbPixels = 3 };

// What a control learns from the form it sits on.
struct AmbientProperties {
    bool userMode = true;    // false while a form is designed
    std::string displayName; // the instance's name in its host; "" means the extender name
    com::StdFont font;
    OleColor backColor = forms::kSysButtonFace;
    OleColor foreColor = forms::kSysButtonText;
};

// The surface a user control draws on and the events it raises to the control's code.
//
// The surface keeps a persistent backing image that its widget shows; hDC() draws straight
// onto it, so painting is immediate and survives without a paint handler. The surface events
// (the virtual UserControl_* handlers) run inside the forms event boundary under
// "<extender name>.UserControl_<Event>", so an EventLog records their order.
//
// Lifecycle, in the original order: Initialize, then InitProperties for a newly placed
// instance or ReadProperties for a stored one (Load), Resize, Show when the widget is first
// shown, WriteProperties whenever the host saves (Save), Terminate when the host lets go
// (Terminate; a control that handles it calls Terminate() in its own destructor as well,
// since the base cannot reach a derived handler from its destructor).
class UserControl : public forms::Control {
public:
    UserControl();
    ~UserControl() override;

    // Host side.
    // Initialize, InitProperties (stored == nullptr) or ReadProperties(*stored), then Resize;
    // Show follows at once when the widget is already on the screen. Runs once.
    void Load(const com::PropertyBag* stored);
    bool Loaded() const { return m_loaded; }
    // Runs WriteProperties into `bag`.
    void Save(com::PropertyBag& bag);
    // Runs Terminate once; the control stops its timers.
    void Terminate();

    void SetAmbient(const AmbientProperties& ambient) { m_ambient = ambient; }
    // DisplayName filled in from the extender name when the host gave none.
    AmbientProperties Ambient() const;
    // The name the host knows the instance by (the form's row name, or a site's).
    std::string ExtenderName() const;
    void SetExtenderName(const std::string& name) { m_extenderName = name; }

    // The control's PropertyChanged reports, in order, also handed to the sink when one is
    // set. Only the latest kChangeRecordLimit are kept: a compile of a large mod reports
    // millions of changes, and a record that only grew would hold them all.
    static constexpr std::size_t kChangeRecordLimit = 4096;
    const std::vector<std::string>& ChangedProperties() const { return m_changed; }
    void ClearChangedProperties() { m_changed.clear(); }
    std::function<void(const std::string& name)> PropertyChangedSink;

    // The pages the control's property-page frame shows, in order (class identifiers).
    virtual std::vector<com::Guid> PropertyPages() const { return {}; }

    // Surface.
    int ScaleMode() const { return m_scaleMode; }
    // vbTwips or vbPixels; any other value raises error 380.
    void SetScaleMode(int mode);
    // The inner size in the scale mode.
    float ScaleWidth() const;
    float ScaleHeight() const;
    // Converts a horizontal or vertical length between twips, points and pixels (15 twips a
    // pixel, 20 a point); error 380 for any other unit.
    float ScaleX(float value, int fromScale, int toScale) const;
    float ScaleY(float value, int fromScale, int toScale) const;
    // The inner size in whole pixels.
    int PixelWidth() const { return m_image.width(); }
    int PixelHeight() const { return m_image.height(); }

    // The device context over the backing image. Asking for it schedules the widget's repaint,
    // since whoever asks is about to draw (inside UserControl_Paint that paint shows it).
    gdi::HDC hDC();
    HWND hWnd() const;

    // Fills the surface with BackColor (BackStyle 1) or makes it see-through (BackStyle 0).
    void Cls();
    // A circle's outline around (x, y) with `radius`, in scale units, in ForeColor and
    // DrawWidth, not filled.
    void Circle(float x, float y, float radius);
    int DrawWidth() const { return m_drawWidth; }
    // At least 1; error 380 below.
    void SetDrawWidth(int width);
    OleColor FillColor() const { return m_fillColor; }
    void SetFillColor(OleColor colour) { m_fillColor = colour; }
    // ForeColor (Control's) is also the pen and text colour of the device context.
    // 0 transparent: the container shows where the surface is cleared; 1 opaque (default).
    int BackStyle() const { return m_backStyle; }
    void SetBackStyle(int style);

    com::StdFont SurfaceFont() const { return m_surfaceFont; }
    void SetSurfaceFont(const com::StdFont& font);
    // The width and height of a string in the surface's font, in scale units.
    float TextWidth(const std::string& text) const;
    float TextHeight(const std::string& text) const;

    // A timer owned by the control; its ticks are raised as "<name>_Timer".
    forms::TimerControl& AddTimer(const std::string& name, int interval, bool enabled = false);

    // The window shape (SetWindowRgn in platform/hosting/window_shape.h changes it).
    const gdi::WindowRegion& WindowShape() const { return m_shape; }
    // The backing image as drawn.
    const QImage& Image() const { return m_image; }

protected:
    // The backing image, for a control that paints with the toolkit's painter rather than
    // through hDC(); asking for it schedules the repaint as hDC() does.
    QImage& Canvas();

    // The widget is about to show the backing image on the screen (a paint of the window
    // system, or a grab of the widget): a control that leaves its drawing to the screen's next
    // update draws here, and this same paint shows it; drawing here (hDC(), Canvas(), Cls,
    // Circle) asks for no further paint. A control asks for that paint with its widget's
    // update(). Not an event of the forms layer: it runs outside any handler and is not
    // recorded; an error inside it is dropped.
    virtual void UserControl_Paint() {}

    // Reports a change to the host; the name is the property's and its bag key.
    void PropertyChanged(const std::string& name);

    virtual void UserControl_Initialize() {}
    virtual void UserControl_InitProperties() {}
    virtual void UserControl_ReadProperties(const com::PropertyBag& bag) {}
    virtual void UserControl_Resize() {}
    virtual void UserControl_Show() {}
    virtual void UserControl_WriteProperties(com::PropertyBag& bag) {}
    virtual void UserControl_Terminate() {}
    virtual void UserControl_Click() {}
    virtual void UserControl_DblClick() {}
    // Button and shift as the original's codes, x and y in the scale units; by reference.
    virtual void UserControl_MouseDown(std::int16_t& button, std::int16_t& shift, float& x,
                                       float& y)
    {
    }
    virtual void UserControl_MouseMove(std::int16_t& button, std::int16_t& shift, float& x,
                                       float& y)
    {
    }
    virtual void UserControl_MouseUp(std::int16_t& button, std::int16_t& shift, float& x, float& y)
    {
    }

    void ApplyGeometry() override;
    void ApplyColours() override;

private:
    class Surface;
    friend class Surface;
    friend int SetWindowRgn(HWND hwnd, gdi::HRGN region, bool redraw);
    bool RaiseSurface(const char* event, const std::function<void()>& handler);
    bool ResizeImage();
    void ApplyShape();
    void Shown();
    // Runs UserControl_Paint for the widget's paint.
    void RunPaint();
    // The backing image has been drawn on: the widget shows it at its next paint.
    void Drawn();
    void MouseEvent(int kind, int button, int buttons, int shift, QPointF pixel);
    float ToScale(float pixels) const;
    gdi::COLORREF Rgb(OleColor colour) const;

    Surface* m_surface;
    QImage m_image;
    std::unique_ptr<gdi::ImageDC> m_dc;
    gdi::WindowRegion m_shape;
    std::vector<std::unique_ptr<forms::TimerControl>> m_timers;
    AmbientProperties m_ambient;
    std::string m_extenderName;
    std::vector<std::string> m_changed;
    com::StdFont m_surfaceFont;
    int m_scaleMode = vbTwips;
    int m_drawWidth = 1;
    OleColor m_fillColor = 0;
    int m_backStyle = 1;
    bool m_initialized = false;
    bool m_loaded = false;
    bool m_shown = false;
    bool m_terminated = false;
    bool m_pressed = false;
    bool m_painting = false; // inside UserControl_Paint
};

} // namespace platform::hosting
