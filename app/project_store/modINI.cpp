#include "modINI.h"

#include "platform/errors/run_time_error.h"
#include "platform/profile/profile.h"
#include "project_paths.h"

namespace quorvel {

namespace {

constexpr std::string_view kEscape = "/20&\\";
constexpr std::string_view kCrLf = "\r\n";

struct IniPathCache {
    Path programFolder;
    Path m_sIniPath;
};

std::string Unescape(std::string_view stored)
{
    std::string out;
    out.reserve(stored.size());
    std::size_t pos = 0;
    for (;;) {
        const std::size_t hit = stored.find(kEscape, pos);
        if (hit == std::string_view::npos)
            break;
        out.append(stored, pos, hit - pos).append(kCrLf);
        pos = hit + kEscape.size();
    }
    out.append(stored, pos);
    return out;
}

// CR LF, and a lone CR or LF, each become one escape.
std::string Escape(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n')
                ++i;
            out.append(kEscape);
        } else {
            out.push_back(c);
        }
    }
    return out;
}

const Path& FileOrSettings(const Path& sFile, Path& settings)
{
    if (!sFile.empty())
        return sFile;
    settings = GetIniPath();
    return settings;
}

} // namespace

Path GetIniPath()
{
    static IniPathCache cache;
    const Path folder = ProgramFolder();
    if (cache.m_sIniPath.empty() || !(cache.programFolder == folder)) {
        cache.programFolder = folder;
        cache.m_sIniPath = folder / "Tessvorn.ini";
    }
    return cache.m_sIniPath;
}

IniValue ReadIniValue(const std::string& sSection, const std::string& sKey,
                      const std::string& sDefault, const Path& sFile)
{
    Path settings;
    const std::optional<std::string> stored =
        platform::profile::FindProfileValue(sSection, sKey, FileOrSettings(sFile, settings));
    if (!stored)
        return {sDefault, false};
    const std::size_t limit = kIniBufferSize - 1;
    return {Unescape(std::string_view(*stored).substr(0, limit)), stored->size() > limit};
}

std::string ReadIni(const std::string& sSection, const std::string& sKey,
                    const std::string& sDefault, const Path& sFile)
{
    return ReadIniValue(sSection, sKey, sDefault, sFile).text;
}

void WriteIni(const std::string& sSection, const std::string& sKey, const std::string& sValue,
              const Path& sFile)
{
    Path settings;
    if (!platform::profile::WritePrivateProfileString(sSection, sKey, Escape(sValue),
                                                      FileOrSettings(sFile, settings)))
        platform::Raise(5);
}

} // namespace quorvel
