#include "faction_registry.h"

#include "app/project_store/modINI.h"
#include "app/project_store/project_paths.h"
#include "app/project_store/txtReadWrite.h"
#include "platform/errors/run_time_error.h"
#include "platform/files/files.h"
#include "platform/files/names.h"

#include <algorithm>
#include <string_view>
#include <sys/stat.h>
#include <vector>

namespace quorvel {

namespace {

bool IsBlank(const std::string& text)
{
    return text.find_first_not_of(' ') == std::string::npos;
}

// One line of a text: where its characters start and how many there are, its line end
// excluded.
struct LineSpan {
    std::size_t start;
    std::size_t length;
};

std::vector<LineSpan> LinesOf(const std::string& text)
{
    std::vector<LineSpan> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back({start, end - start});
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() &&
            text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

// The line the INI writer made for the value: its line breaks are stored escaped.
std::string StoredGroupLine(const std::string& groupName)
{
    std::string stored;
    for (std::size_t i = 0; i < groupName.size(); ++i) {
        if (groupName.compare(i, 2, "\r\n") == 0) {
            stored += "/20&\\";
            ++i;
        } else {
            stored += groupName[i];
        }
    }
    return "grp=" + stored;
}

std::string WithoutFactionLines(const std::string& text, const std::string& key,
                                const std::string& groupName)
{
    const std::string sectionLine = "[" + key + "]";
    const std::string groupLine = StoredGroupLine(groupName);
    std::vector<LineSpan> cut;
    bool inSection = false;
    bool groupFound = false;
    for (const LineSpan& line : LinesOf(text)) {
        const std::string_view chars(text.data() + line.start, line.length);
        if (!inSection) {
            if (chars == sectionLine && cut.empty()) {
                cut.push_back(line);
                inSection = true;
            }
            continue;
        }
        if (!chars.empty() && chars.front() == '[')
            break;
        if (!groupFound && chars == groupLine) {
            cut.push_back(line);
            groupFound = true;
        }
    }
    std::string result = text;
    for (auto it = cut.rbegin(); it != cut.rend(); ++it)
        result.erase(it->start, it->length);
    return result;
}

// The longest name the file system takes for one file, in bytes as stored on disk.
constexpr std::size_t kMaxFileNameBytes = 255;

// The bytes on disk of the longest file name made from `key` (the formation list file);
// names are stored as UTF-8, where a character beyond ASCII takes two or three bytes.
std::size_t LongestFileNameBytes(const std::string& key)
{
    return platform::files::Cp1252ToUtf8(FactionListFileName(FactionList::Formation, key)).size();
}

// The texts of FactionKeyProblem in one language; "%k" stands for the key.
struct KeyTexts {
    const char* usage;
    const char* empty;
    const char* reserved;
    const char* semicolon;
    const char* contains; // followed by the character shown, then `allowed`
    const char* lineBreak;
    const char* nul;
    const char* allowed;
    const char* tooLong[4]; // length, longest file name in bytes, limit
};

constexpr KeyTexts kEnglish = {
    " A faction key names the faction's section in the project files and is part of its "
    "file names.",
    "The faction key is empty.",
    "The faction key \"%k\" cannot be used.",
    "The faction key \"%k\" must not start with \";\".",
    "The faction key \"%k\" must not contain ",
    "a line break",
    "a NUL character",
    ": / \\ [ ] = and line breaks are not allowed.",
    {"The faction key of ",
     " characters is too long: its longest file name, \"Formationlist_\" with the key and "
     "\".lst\", would take ",
     " bytes on disk, and a file name can hold at most ", "."},
};

constexpr KeyTexts kGerman = {
    " Ein Fraktionsschl\xFCssel benennt den Abschnitt der Fraktion in den Projektdateien und ist "
    "Teil ihrer Dateinamen.",
    "Der Fraktionsschl\xFCssel ist leer.",
    "Der Fraktionsschl\xFCssel \"%k\" kann nicht verwendet werden.",
    "Der Fraktionsschl\xFCssel \"%k\" darf nicht mit \";\" beginnen.",
    "Der Fraktionsschl\xFCssel \"%k\" enth\xE4lt ",
    "einen Zeilenumbruch",
    "ein NUL-Zeichen",
    ". / \\ [ ] = und Zeilenumbr\xFC"
    "che sind nicht erlaubt.",
    {"Der Fraktionsschl\xFCssel mit ",
     " Zeichen ist zu lang: sein l\xE4ngster Dateiname, \"Formationlist_\" mit dem Schl\xFCssel "
     "und \".lst\", belegte ",
     " Bytes auf dem Datentr\xE4ger, ein Dateiname fasst h\xF6"
     "chstens ",
     "."},
};

std::string WithKey(const char* text, const std::string& key)
{
    std::string out(text);
    if (const std::size_t at = out.find("%k"); at != std::string::npos)
        out.replace(at, 2, key);
    return out;
}

} // namespace

std::uint64_t SizeOnDisk(const Path& file)
{
    std::string native;
    struct stat st;
    if (!platform::files::Resolve(file, native, &st))
        return 0;
    return static_cast<std::uint64_t>(st.st_size);
}

std::uint64_t RoomOnDisk(std::uint64_t bytes)
{
    return (bytes + kDiskBlock - 1) / kDiskBlock * kDiskBlock;
}

std::uint64_t IniLineBytes(const std::string& key, const std::string& value)
{
    const auto breaks =
        std::count_if(value.begin(), value.end(), [](char c) { return c == '\r' || c == '\n'; });
    return key.size() + 1 + value.size() + 4 * static_cast<std::uint64_t>(breaks) + 2;
}

std::uint64_t IniSectionBytes(const std::string& section)
{
    return 2 + section.size() + 4;
}

std::string FactionKeyProblem(const std::string& key, Language language)
{
    const KeyTexts& t = language == Language::German ? kGerman : kEnglish;
    if (key.empty())
        return t.empty + std::string(t.usage);
    if (key == "." || key == "..")
        return WithKey(t.reserved, key) + t.usage;
    if (key.front() == ';')
        return WithKey(t.semicolon, key) + t.usage;
    static const std::string forbidden("/\\\r\n[]=\0", 8);
    const std::size_t bad = key.find_first_of(forbidden);
    if (bad != std::string::npos) {
        const char c = key[bad];
        std::string shown;
        if (c == '\r' || c == '\n')
            shown = t.lineBreak;
        else if (c == '\0')
            shown = t.nul;
        else
            shown = std::string("\"") + c + "\"";
        return WithKey(t.contains, key) + shown + t.allowed + t.usage;
    }
    if (const std::size_t bytes = LongestFileNameBytes(key); bytes > kMaxFileNameBytes) {
        return t.tooLong[0] + std::to_string(key.size()) + t.tooLong[1] + std::to_string(bytes) +
               t.tooLong[2] + std::to_string(kMaxFileNameBytes) + t.tooLong[3] + t.usage;
    }
    return {};
}

SaveResult SaveFaction(const std::string& key, std::string& description)
{
    if (ActiveProject().empty())
        return SaveResult::NoProject;
    if (IsBlank(key))
        return SaveResult::BlankKey;
    if (!FactionKeyProblem(key).empty())
        return SaveResult::RefusedKey;
    if (IsBlank(description))
        description = key;
    // The registry is rewritten whole beside the old one. Without room for that the write
    // cannot succeed; it is refused as the INI writer refuses it, before anything changes.
    const Path registry = FactionRegistryFile();
    try {
        platform::files::EnsureRoom(registry,
                                    RoomOnDisk(SizeOnDisk(registry) + IniSectionBytes(key) +
                                               IniLineBytes("grp", description)));
    } catch (const platform::RunTimeError& e) {
        if (e.number() == 61)
            platform::Raise(5);
        throw;
    }
    WriteIni(key, "grp", description, registry);
    return SaveResult::Saved;
}

void DeleteFaction(const std::string& key, const std::string& groupName)
{
    RewriteTextFile(FactionRegistryFile(), [&](const std::string& text) {
        return WithoutFactionLines(text, key, groupName);
    });

    // The files are named by the key; a hand-edited key that cannot name a file has none.
    const auto deleteQuietly = [](const auto& pathOf) {
        try {
            platform::files::DeleteFile(pathOf());
        } catch (const platform::RunTimeError&) {
        }
    };
    deleteQuietly([&] { return ReputationFile(key); });
    deleteQuietly([&] { return EmpathyScratchFile(key); });
    for (FactionList list : {FactionList::Ship, FactionList::Voice, FactionList::Scan,
                             FactionList::Body, FactionList::Formation})
        deleteQuietly([&] { return FactionListFile(list, key); });
}

} // namespace quorvel
