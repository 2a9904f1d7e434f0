#include "platform/gdi/font.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/gdi/detail/object_table.h"
#include "platform/gdi/detail/pixels.h"
#include "platform/gdi/font_family.h"
#include "platform/text/cp1252.h"

namespace platform::gdi {

using namespace detail;

namespace {

TextMeasure& FixedMeasure()
{
    static TextMeasure measure;
    return measure;
}

QString ToQString(std::string_view text)
{
    const std::u16string wide = DecodeCp1252(text);
    return QString::fromUtf16(wide.data(), qsizetype(wide.size()));
}

} // namespace

QFont ToolkitFont(const LogFont& lf)
{
    QFont font(QString::fromStdString(DrawingFamily(lf.faceName)));
    font.setStyleStrategy(QFont::NoAntialias);
    const int weight = lf.weight == 0 ? 400 : std::clamp(lf.weight, 1, 1000);
    font.setWeight(QFont::Weight(weight));
    font.setItalic(lf.italic);
    font.setUnderline(lf.underline);
    font.setStrikeOut(lf.strikeOut);
    if (lf.height < 0) {
        font.setPixelSize(-lf.height);
    } else if (lf.height > 0) {
        // A cell height: find the em size whose ascent plus descent comes to it.
        font.setPixelSize(lf.height);
        const QFontMetrics metrics(font);
        const int cell = metrics.ascent() + metrics.descent();
        if (cell > 0)
            font.setPixelSize(std::max(1, lf.height * lf.height / cell));
    } else {
        font.setPixelSize(12);
    }
    return font;
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight,
                  std::uint32_t italic, std::uint32_t underline, std::uint32_t strikeOut,
                  std::uint32_t charSet, std::uint32_t outPrecision, std::uint32_t clipPrecision,
                  std::uint32_t quality, std::uint32_t pitchAndFamily, const std::string& faceName)
{
    LogFont lf;
    lf.height = height;
    lf.width = width;
    lf.escapement = escapement;
    lf.orientation = orientation;
    lf.weight = weight;
    lf.italic = italic != 0;
    lf.underline = underline != 0;
    lf.strikeOut = strikeOut != 0;
    lf.charSet = std::uint8_t(charSet);
    lf.outPrecision = std::uint8_t(outPrecision);
    lf.clipPrecision = std::uint8_t(clipPrecision);
    lf.quality = std::uint8_t(quality);
    lf.pitchAndFamily = std::uint8_t(pitchAndFamily);
    lf.faceName = faceName;
    return HFONT{Objects().Add(FontData{lf})};
}

bool GetFontInfo(HFONT font, LogFont& out)
{
    auto* data = Objects().Find<FontData>(font.value);
    if (!data)
        return false;
    out = data->font;
    return true;
}

unsigned SetTextAlign(HDC hdc, unsigned flags)
{
    DcData* dc = FindDc(hdc);
    return dc ? std::exchange(dc->align, flags) : GDI_ERROR;
}

unsigned GetTextAlign(HDC hdc)
{
    DcData* dc = FindDc(hdc);
    return dc ? dc->align : GDI_ERROR;
}

COLORREF SetTextColor(HDC hdc, COLORREF colour)
{
    DcData* dc = FindDc(hdc);
    return dc ? std::exchange(dc->text, colour & 0xFFFFFF) : 0;
}

TextExtent MeasureText(const LogFont& font, std::string_view text)
{
    if (FixedMeasure())
        return FixedMeasure()(font, text);
    const QFontMetrics metrics(ToolkitFont(font));
    return {metrics.horizontalAdvance(ToQString(text)), metrics.ascent(), metrics.descent()};
}

namespace {

unsigned& MeasureRevision()
{
    static unsigned revision = 0;
    return revision;
}

} // namespace

void SetTextMeasure(TextMeasure measure)
{
    FixedMeasure() = std::move(measure);
    ++MeasureRevision();
}

unsigned TextMeasureRevision()
{
    return MeasureRevision();
}

bool HasFixedTextMeasure()
{
    return bool(FixedMeasure());
}

bool TextOutA(HDC hdc, int x, int y, const std::string& text, int length)
{
    DcData* dc = FindDc(hdc);
    if (!dc || length < 0)
        return false;
    QImage* image = DrawTarget(*dc);
    const std::string_view shown = std::string_view(text).substr(0, std::size_t(length));
    if (!image || shown.empty())
        return true;
    LogFont lf;
    if (!GetFontInfo(dc->font, lf))
        return false;
    const TextExtent extent = MeasureText(lf, shown);

    // Offsets in the text's own frame: u along the reading direction, v downwards from the
    // baseline.
    int du = 0;
    switch (dc->align & TA_CENTER) {
    case TA_RIGHT:
        du = -extent.width;
        break;
    case TA_CENTER:
        du = -(extent.width / 2);
        break;
    default:
        break;
    }
    int dv = 0; // where the baseline lies against the reference point
    switch (dc->align & TA_BASELINE) {
    case TA_BOTTOM:
        dv = -extent.descent;
        break;
    case TA_BASELINE:
        dv = 0;
        break;
    default: // TA_TOP
        dv = extent.ascent;
        break;
    }
    const double angle = lf.escapement / 10.0;
    const QColor colour(ToQRgb(dc->text));

    if (HasFixedTextMeasure()) {
        const QRect box(du, dv - extent.ascent, extent.width, extent.ascent + extent.descent);
        const int quarter = ((lf.escapement % 3600) + 3600) % 3600;
        if (quarter % 900 == 0) {
            // Right angles map whole pixels onto whole pixels: paint the box exactly.
            const double radians = quarter / 10.0 * M_PI / 180.0;
            const int c = int(std::lround(std::cos(radians)));
            const int s = int(std::lround(std::sin(radians)));
            auto map = [&](int u, int v) { return QPoint(x + u * c + v * s, y - u * s + v * c); };
            const QPoint a = map(box.left(), box.top());
            const QPoint b = map(box.left() + box.width(), box.top() + box.height());
            // Corners in continuous coordinates; the pixels between them are the box.
            const int last = std::min(std::max(a.y(), b.y()), image->height());
            for (int row = std::max(std::min(a.y(), b.y()), 0); row < last; ++row)
                FillSpan(*image, row, std::min(a.x(), b.x()), std::max(a.x(), b.x()), colour.rgb());
            return true;
        }
        QPainter painter(image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.translate(x, y);
        painter.rotate(-angle);
        painter.fillRect(box, colour);
        return true;
    }

    QPainter painter(image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(ToolkitFont(lf));
    painter.setPen(colour);
    painter.translate(x, y);
    painter.rotate(-angle);
    painter.drawText(QPoint(du, dv), ToQString(shown));
    return true;
}

} // namespace platform::gdi
