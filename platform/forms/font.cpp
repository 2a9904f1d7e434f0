#include "font.h"

#include "platform/gdi/font_family.h"

namespace platform::forms {

QFont ToQFont(const Font& font)
{
    QFont f(QString::fromStdString(platform::gdi::DrawingFamily(font.name)));
    f.setPointSizeF(font.size > 0 ? font.size : 8.25);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    return f;
}

} // namespace platform::forms
