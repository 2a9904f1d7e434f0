#include "platform/gdi/font_family.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <map>

namespace platform::gdi {

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

std::string FirstInstalled(const Replacement& r)
{
    const QStringList families = QFontDatabase::families();
    for (const char* candidate : r.installed) {
        if (families.contains(QString::fromLatin1(candidate), Qt::CaseInsensitive))
            return candidate;
    }
    return *r.installed.begin();
}

} // namespace

std::string DrawingFamily(const std::string& name)
{
    for (const Replacement& r : kReplacements) {
        if (!SameName(name, r.original))
            continue;
        // The program installs no fonts of its own, so what is installed is looked up once per
        // name: each bar repaint creates a font.
        static std::map<const Replacement*, std::string> chosen;
        auto it = chosen.find(&r);
        if (it == chosen.end())
            it = chosen.emplace(&r, FirstInstalled(r)).first;
        return it->second;
    }
    return name;
}

} // namespace platform::gdi
