#pragma once

#include <QImage>
#include <functional>
#include <string>
#include <string_view>

#include "controls/progress_bar/progress_bar_properties.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/font.h"

namespace kolvetra {

// The user locale's decimal separator as one CP1252 character ("." when it has none such):
// the bar's value text and the property page's numbers follow the same rule.
char SystemDecimalSeparator();

// The user-control surface a painter draws on: the control's persistent backing image with a
// device context over it, and the surface state the painters read and change (back, fore and
// fill colour, pen width, font). The scale mode is pixels: ScaleWidth and ScaleHeight are the
// image's size. The surface owns one font object, its current font, selected into the DC; it is
// made again only when the font changes, so a paint with an unchanged font makes no object here.
class PaintSurface {
public:
    explicit PaintSurface(QImage& image);
    ~PaintSurface();
    PaintSurface(const PaintSurface&) = delete;
    PaintSurface& operator=(const PaintSurface&) = delete;

    platform::gdi::HDC hDC() const { return m_dc.hdc(); }
    float ScaleWidth() const { return float(m_image.width()); }
    float ScaleHeight() const { return float(m_image.height()); }

    // Fills the whole surface with BackColor (a system colour is translated).
    void Cls();
    OLE_COLOR BackColor() const { return m_backColor; }
    void SetBackColor(OLE_COLOR colour) { m_backColor = colour; }
    // The pen and text colour of the DC.
    OLE_COLOR ForeColor() const { return m_foreColor; }
    void SetForeColor(OLE_COLOR colour);
    // Kept only for the painters to read back; it starts black and lasts between paints.
    OLE_COLOR FillColor() const { return m_fillColor; }
    void SetFillColor(OLE_COLOR colour) { m_fillColor = colour; }
    void SetDrawWidth(int width);

    const StdFont& Font() const { return m_font; }
    void SetFont(const StdFont& font);
    const std::string& FontName() const { return m_font.name; }
    // The width in pixels of a string written in the surface's font, unrotated.
    float TextWidth(std::string_view text) const;

    // The user locale's decimal separator, for the value text.
    char DecimalSeparator() const { return m_decimalSeparator; }
    void SetDecimalSeparator(char separator) { m_decimalSeparator = separator; }

    // Called at the end of every paint to let the host's pending paints and timers run. The
    // host installs it; nothing happens without one.
    std::function<void()> DoEvents;

private:
    void MakeFont();

    QImage& m_image;
    platform::gdi::ImageDC m_dc;
    OLE_COLOR m_backColor = 0x8000000F;
    OLE_COLOR m_foreColor = 0x80000012;
    OLE_COLOR m_fillColor = 0;
    StdFont m_font = kPainterFont;
    platform::gdi::LogFont m_logFont;
    platform::gdi::HFONT m_hfont;
    platform::gdi::HGDIOBJ m_stockFont;
    char m_decimalSeparator = '.';
};

} // namespace kolvetra
