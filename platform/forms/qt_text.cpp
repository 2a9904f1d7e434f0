#include "qt_text.h"

#include "platform/text/cp1252.h"

namespace platform::forms {

QString ToQt(std::string_view cp1252)
{
    std::u16string wide = DecodeCp1252(cp1252);
    return QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size()));
}

std::string FromQt(const QString& text)
{
    return EncodeCp1252(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), text.size()));
}

} // namespace platform::forms
