#include "distinct_names.h"

#include "names.h"
#include "platform/text/cp1252.h"

#include <QString>
#include <cerrno>
#include <dirent.h>
#include <unordered_map>

namespace platform::files {

namespace {

bool IsUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::size_t len;
        char32_t cp;
        if (b < 0x80) {
            ++i;
            continue;
        }
        if ((b & 0xE0) == 0xC0) {
            len = 2;
            cp = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            len = 3;
            cp = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            len = 4;
            cp = b & 0x07;
        } else {
            return false;
        }
        if (i + len > text.size())
            return false;
        for (std::size_t k = 1; k < len; ++k) {
            const auto cont = static_cast<unsigned char>(text[i + k]);
            if ((cont & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (cont & 0x3F);
        }
        const bool overlong =
            (len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000);
        if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
    }
    return true;
}

} // namespace

std::optional<std::string> ProgramName(std::string_view raw)
{
    if (!IsUtf8(raw))
        return std::string(raw);
    const QString composed = QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size()))
                                 .normalized(QString::NormalizationForm_C);
    std::string name;
    name.reserve(static_cast<std::size_t>(composed.size()));
    for (const QChar ch : composed) {
        const char16_t u = ch.unicode();
        const char c = UnicodeToCp1252(u);
        if (c == '?' && u != u'?')
            return std::nullopt;
        name.push_back(c);
    }
    return name;
}

namespace detail {

int ReadNames(const std::string& folder, std::vector<std::string>& raws)
{
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return errno;
    while (dirent* entry = readdir(dir)) {
        std::string raw = entry->d_name;
        if (raw != "." && raw != "..")
            raws.push_back(std::move(raw));
    }
    closedir(dir);
    return 0;
}

std::vector<NamedEntry> NameEntries(const std::vector<std::string>& raws)
{
    std::vector<NamedEntry> named;
    named.reserve(raws.size());
    std::unordered_map<std::string, int> spellings; // folded name -> entries bearing it
    for (const std::string& raw : raws) {
        if (auto name = ProgramName(raw)) {
            ++spellings[FoldCase(*name)];
            named.push_back({std::move(*name), raw});
        }
    }
    std::erase_if(named, [&](const NamedEntry& entry) {
        const bool asWritten = Cp1252ToUtf8(entry.name) == entry.raw;
        return !asWritten && spellings[FoldCase(entry.name)] > 1;
    });
    return named;
}

} // namespace detail

} // namespace platform::files
