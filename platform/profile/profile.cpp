#include "profile.h"

#include "ini_index.h"
#include "ini_names.h"
#include "platform/errors/run_time_error.h"
#include "platform/files/files.h"
#include "platform/files/names.h"

#include <sys/stat.h>
#include <unordered_map>

namespace platform::profile {

namespace {

struct Stamp {
    dev_t device;
    ino_t inode;
    off_t size;
    struct timespec modified;

    explicit Stamp(const struct stat& st)
        : device(st.st_dev)
        , inode(st.st_ino)
        , size(st.st_size)
        , modified(st.st_mtim)
    {
    }

    bool operator==(const Stamp& o) const
    {
        return device == o.device && inode == o.inode && size == o.size &&
               modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec;
    }
};

struct Entry {
    Stamp stamp;
    std::shared_ptr<const IniIndex> index;
};

struct Cache {
    bool enabled = true;
    std::unordered_map<std::string, Entry> entries;

    Cache()
    {
        // A file the file layer replaced or deleted may come back with a recycled inode
        // and the same size within one timestamp tick; forget it rather than trust that.
        files::AddChangeListener([this](const std::string& native) { Forget(native); });
    }

    void Forget(const std::string& native)
    {
        for (auto it = entries.begin(); it != entries.end();) {
            const std::string& path = it->first;
            const bool inside = path.size() > native.size() && path[native.size()] == '/' &&
                                path.compare(0, native.size(), native) == 0;
            if (path == native || inside)
                it = entries.erase(it);
            else
                ++it;
        }
    }

    void Store(const std::string& native, const struct stat& st,
               std::shared_ptr<const IniIndex> index)
    {
        if (enabled)
            entries.insert_or_assign(native, Entry{Stamp(st), std::move(index)});
    }
};

Cache& TheCache()
{
    static Cache cache;
    return cache;
}

struct Loaded {
    bool exists = false;
    std::string native;
    std::shared_ptr<const IniIndex> index; // null when the file is missing or unreadable
};

Loaded Load(const files::Path& file)
{
    Loaded loaded;
    if (file.empty())
        return loaded;
    struct stat st;
    loaded.exists = files::Resolve(file, loaded.native, &st);
    if (!loaded.exists || !S_ISREG(st.st_mode))
        return loaded;

    Cache& cache = TheCache();
    if (cache.enabled) {
        const auto it = cache.entries.find(loaded.native);
        if (it != cache.entries.end() && it->second.stamp == Stamp(st)) {
            loaded.index = it->second.index;
            return loaded;
        }
    }
    try {
        loaded.index = ParseIni(files::ReadFile(file));
    } catch (const RunTimeError&) {
        return loaded;
    }
    cache.Store(loaded.native, st, loaded.index);
    return loaded;
}

} // namespace

std::optional<std::string> FindProfileValue(std::string_view section, std::string_view key,
                                            const files::Path& file)
{
    const Loaded loaded = Load(file);
    if (!loaded.index)
        return std::nullopt;
    const auto s = loaded.index->sections.find(files::FoldCase(TrimBlanks(section)));
    if (s == loaded.index->sections.end())
        return std::nullopt;
    const auto k = s->second.keys.find(files::FoldCase(TrimBlanks(key)));
    if (k == s->second.keys.end())
        return std::nullopt;
    return k->second.value;
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

    const Loaded loaded = Load(file);
    if (loaded.exists && !loaded.index)
        return false; // there, but a folder or unreadable: never replace what we cannot read
    std::string content = WithValue(loaded.index.get(), section, key, value);
    struct stat st;
    try {
        files::WriteFile(file, content, &st);
    } catch (const RunTimeError&) {
        return false;
    }
    TheCache().Store(loaded.native, st, ParseIni(std::move(content)));
    return true;
}

void SetIndexEnabled(bool enabled)
{
    Cache& cache = TheCache();
    cache.enabled = enabled;
    if (!enabled)
        cache.entries.clear();
}

bool IndexEnabled()
{
    return TheCache().enabled;
}

} // namespace platform::profile
