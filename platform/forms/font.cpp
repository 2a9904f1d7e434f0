#include "font.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>

#include <QFontDatabase>
#include <QStringList>

namespace platform::forms {

namespace {

struct Replacement {
    const char* original;
    std::initializer_list<const char*> installed; // first installed one wins
};

const Replacement kReplacements[] = {
    {"MS Sans Serif", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
    {"Arial", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
    {"Tahoma", {"DejaVu Sans Condensed", "Liberation Sans", "DejaVu Sans"}},
    {"Lucida Console", {"DejaVu Sans Mono", "Liberation Mono", "Noto Mono"}},
    {"Courier New", {"Liberation Mono", "DejaVu Sans Mono"}},
    {"Times New Roman", {"Liberation Serif", "DejaVu Serif"}},
};

bool SameName(const std::string& a, const char* b)
{
    return std::equal(a.begin(), a.end(), b, b + std::char_traits<char>::length(b),
                      [](char x, char y) {
                          return std::tolower(static_cast<unsigned char>(x)) ==
                                 std::tolower(static_cast<unsigned char>(y));
                      });
}

} // namespace

std::string DrawingFamily(const std::string& name)
{
    for (const Replacement& r : kReplacements) {
        if (!SameName(name, r.original))
            continue;
        const QStringList families = QFontDatabase::families();
        for (const char* candidate : r.installed) {
            if (families.contains(QString::fromLatin1(candidate), Qt::CaseInsensitive))
                return candidate;
        }
        return *r.installed.begin();
    }
    return name;
}

QFont ToQFont(const Font& font)
{
    QFont f(QString::fromStdString(DrawingFamily(font.name)));
    f.setPointSizeF(font.size > 0 ? font.size : 8.25);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    return f;
}

} // namespace platform::forms
