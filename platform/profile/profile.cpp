#include "profile.h"

#include "file_cache.h"
#include "ini_index.h"
#include "ini_names.h"
#include "platform/errors/run_time_error.h"
#include "platform/files/files.h"
#include "platform/files/names.h"
#include "write_batch.h"

#include <sys/stat.h>

namespace platform::profile {

namespace {

std::optional<std::string> FindIn(const IniIndex* index, std::string_view section,
                                  std::string_view key)
{
    if (!index)
        return std::nullopt;
    const auto value = index->FindValue(files::FoldCase(section), files::FoldCase(key));
    return value ? std::optional<std::string>(*value) : std::nullopt;
}

bool WriteNow(std::string_view section, std::string_view key, std::string_view value,
              const files::Path& file)
{
    for (int attempt = 0; attempt < kWriteAttempts; ++attempt) {
        const Loaded loaded = Load(file);
        if (loaded.exists && !loaded.index)
            return false; // there, but a folder or unreadable: never replace what we cannot read
        std::string content = WithValue(loaded.index.get(), section, key, value);
        struct stat st;
        try {
            if (files::WriteFileIfUnchanged(file, content, loaded.version, &st)) {
                Remember(loaded.native, st, ParseIni(std::move(content)));
                return true;
            }
        } catch (const RunTimeError&) {
            return false;
        }
    }
    return false;
}

} // namespace

std::optional<std::string> FindProfileValue(std::string_view section, std::string_view key,
                                            const files::Path& file)
{
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    if (!Batching())
        return FindIn(Load(file).index.get(), section, key);
    const BatchView view = View(file);
    if (!view.pending)
        return FindIn(view.loaded->index.get(), section, key);
    const std::optional<std::string_view> value = view.pending->Find(section, key);
    return value ? std::optional<std::string>(*value) : std::nullopt;
}

std::size_t GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, std::string& returned,
                                    std::size_t size, const files::Path& file)
{
    returned.clear();
    if (size == 0)
        return 0;
    const std::optional<std::string> value = FindProfileValue(section, key, file);
    const std::string_view text = value ? std::string_view(*value) : defaultValue;
    returned.assign(text.substr(0, size - 1));
    return returned.size();
}

bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, const files::Path& file)
{
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    if (file.empty() || !IsStorableSectionName(section) || !IsStorableKeyName(key))
        return false;

    if (Batching())
        return Defer(file, section, key, value);
    return WriteNow(section, key, value, file);
}

void SetIndexEnabled(bool enabled)
{
    SetCacheEnabled(enabled);
}

bool IndexEnabled()
{
    return CacheEnabled();
}

} // namespace platform::profile
