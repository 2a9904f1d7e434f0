#include "controls/progress_bar/paint_surface.h"

#include <QColor>
#include <QLocale>

#include "controls/progress_bar/colour_helpers.h"
#include "platform/arith/conversion.h"
#include "platform/gdi/objects.h"

namespace kolvetra {

namespace gdi = platform::gdi;

namespace {

QRgb ToQRgb(OLE_COLOR colour)
{
    const OLE_COLOR rgb = TranslateColor(colour);
    return qRgb(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

} // namespace

char SystemDecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 0x80 ? char(point[0].unicode()) : '.';
}

PaintSurface::PaintSurface(QImage& image)
    : m_image(image)
    , m_dc(image)
    , m_decimalSeparator(SystemDecimalSeparator())
{
    MakeFont();
    SetForeColor(m_foreColor);
}

PaintSurface::~PaintSurface()
{
    gdi::SelectObject(hDC(), m_stockFont);
    gdi::DeleteObject(m_hfont);
}

void PaintSurface::Cls()
{
    m_image.fill(QColor(ToQRgb(m_backColor)));
}

void PaintSurface::SetForeColor(OLE_COLOR colour)
{
    m_foreColor = colour;
    const OLE_COLOR rgb = TranslateColor(colour) & 0xFFFFFF;
    gdi::SetDCPenColor(hDC(), rgb);
    gdi::SetTextColor(hDC(), rgb);
}

void PaintSurface::SetDrawWidth(int width)
{
    gdi::SetDCPenWidth(hDC(), width);
}

void PaintSurface::SetFont(const StdFont& font)
{
    if (font == m_font && m_hfont)
        return;
    m_font = font;
    MakeFont();
}

void PaintSurface::MakeFont()
{
    gdi::LogFont lf;
    // The surface shows its font at its true size, 8.25 points as 11 pixels.
    platform::arith::Assign(lf.height,
                            [&] { return -platform::arith::CLng(m_font.size * 96 / 72); });
    lf.weight = m_font.bold ? 700 : 400;
    lf.italic = m_font.italic;
    lf.underline = m_font.underline;
    lf.strikeOut = m_font.strikethrough;
    lf.faceName = m_font.name;
    m_logFont = lf;
    const gdi::HFONT made = gdi::CreateFontA(lf.height, 0, 0, 0, lf.weight, lf.italic, lf.underline,
                                             lf.strikeOut, 0, 0, 0, 0, 0, lf.faceName);
    const gdi::HGDIOBJ previous = gdi::SelectObject(hDC(), made);
    if (!m_hfont)
        m_stockFont = previous;
    else
        gdi::DeleteObject(m_hfont);
    m_hfont = made;
}

float PaintSurface::TextWidth(std::string_view text) const
{
    return float(gdi::MeasureText(m_logFont, text).width);
}

} // namespace kolvetra
