#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "controls/private/indicator_site.h"
#include "controls/progress_bar/paint_surface.h"
#include "platform/com/picture.h"
#include "platform/com/property_bag.h"
#include "platform/com/std_font.h"
#include "platform/gdi/picture.h"

namespace kolvetra {

// What the three private indicators share: the setter pattern (store, report under the
// property's name, repaint the whole control), Value never stored above Max, the surface's
// events raised again, and the surface-held Font, BackColor and ForeColor.
//
// Until InitProperties or ReadProperties runs, every field is zero (Max too): ReadProperties
// relies on it.
class IndicatorControl {
public:
    IndicatorControl();
    virtual ~IndicatorControl();
    IndicatorControl(const IndicatorControl&) = delete;
    IndicatorControl& operator=(const IndicatorControl&) = delete;

    // Puts the control on a surface (null takes it off). The site outlives the control's use
    // of it.
    void SetSite(IndicatorSite* site);
    IndicatorSite* Site() const { return m_site; }

    // Held by the surface.
    const platform::com::StdFont& Font() const { return m_font; }
    void SetFont(const platform::com::StdFont& font);
    OLE_COLOR BackColor() const { return m_backColor; }
    void SetBackColor(OLE_COLOR colour);
    OLE_COLOR ForeColor() const { return m_foreColor; }
    void SetForeColor(OLE_COLOR colour);

    const platform::com::Picture& Picture() const { return m_picture; }
    void SetPicture(const platform::com::Picture& picture);
    OLE_COLOR BorderColor() const { return m_borderColor; }
    void SetBorderColor(OLE_COLOR colour);
    double Min() const { return m_min; }
    // No check: Min may exceed Max or Value.
    void SetMin(double value);
    double Max() const { return m_max; }
    // No check; Value is not pulled down to a smaller Max.
    void SetMax(double value);
    double Value() const { return m_value; }
    // Stored only when not above Max (nothing is compared with Min); reported and repainted
    // whether or not it was stored.
    void SetValue(double value);

    // Shows the library's about dialog; errors are ignored.
    void ShowAboutBox();

    // The host's lifecycle calls.
    virtual void UserControl_InitProperties() = 0;
    virtual void UserControl_ReadProperties(const platform::com::PropertyBag& bag) = 0;
    virtual void UserControl_WriteProperties(platform::com::PropertyBag& bag) const = 0;
    // A tick of the child timer `Timer1` (only the wheel starts it).
    virtual void Timer1_Timer() {}
    // The slider measures in pixels; the dials in twips.
    virtual bool MeasuresInPixels() const { return false; }

    // The surface's events, as the host delivers them: raised again as events 1 to 5.
    void UserControl_Click();
    void UserControl_DblClick();
    void UserControl_MouseDown(std::int16_t& button, std::int16_t& shift, float& x, float& y);
    void UserControl_MouseMove(std::int16_t& button, std::int16_t& shift, float& x, float& y);
    void UserControl_MouseUp(std::int16_t& button, std::int16_t& shift, float& x, float& y);
    // Repaints, then raises Resize (event 6).
    virtual void UserControl_Resize();
    void UserControl_Show();

    // Clears the surface and repaints the whole control; nothing without a site. Every
    // drawing object made for the paint is deleted before it returns.
    void DrawProgress();

protected:
    // Reports the change and repaints.
    void Changed(const char* name);
    // The control's own painting onto a cleared surface.
    virtual void Paint(PaintSurface& surface) = 0;
    // Squares the control (width := height), for the dials.
    void SquareToHeight();

    // The surface's font := the host's ambient font, without a report (InitProperties).
    void UseAmbientFont();
    // "Font" and "Picture" through their setters, with the defaults that writing uses (the
    // ambient font, no picture).
    void ReadFont(const platform::com::PropertyBag& bag);
    void WriteFont(platform::com::PropertyBag& bag) const;
    void ReadPicture(const platform::com::PropertyBag& bag);
    void WritePicture(platform::com::PropertyBag& bag) const;
    // The bitmap of Picture; 0 when there is none.
    platform::gdi::HBITMAP PictureBitmap() const;
    bool HasPicture() const { return !m_picture.IsNone(); }

    double m_value = 0;
    double m_min = 0;
    double m_max = 0;
    OLE_COLOR m_borderColor = 0;

private:
    IndicatorSite* m_site = nullptr;
    std::unique_ptr<PaintSurface> m_surface;
    platform::com::StdFont m_font;
    // The surface's own colours until the control sets them.
    OLE_COLOR m_backColor = 0x8000000F;
    OLE_COLOR m_foreColor = 0x80000012;
    platform::com::Picture m_picture;
    std::shared_ptr<platform::gdi::Picture> m_pictureBitmap;
};

// A colour stored as a 32-bit integer, read and written with the same default.
OLE_COLOR ReadColour(const platform::com::PropertyBag& bag, const char* key, OLE_COLOR fallback);
void WriteColour(platform::com::PropertyBag& bag, const char* key, OLE_COLOR colour,
                 OLE_COLOR fallback);

} // namespace kolvetra
