#include "file_cache.h"

#include "platform/errors/run_time_error.h"

#include <map>

namespace platform::profile {

namespace {

struct Entry {
    files::FileVersion version;
    std::shared_ptr<const IniIndex> index;
};

struct Cache {
    bool enabled = true;
    std::map<std::string, Entry> entries;

    Cache()
    {
        // A file the file layer replaced or deleted may come back with a recycled inode
        // and the same size within one timestamp tick; forget it rather than trust that.
        files::AddChangeListener([this](const std::string& native) { Forget(native); });
    }

    // The entry of `native` and of everything below it, found in order rather than by a
    // walk over all entries: every write of the file layer calls this.
    void Forget(const std::string& native)
    {
        entries.erase(native);
        const auto from = entries.lower_bound(native + "/");
        const auto to = entries.lower_bound(native + "0"); // '0' follows '/'
        entries.erase(from, to);
    }
};

Cache& TheCache()
{
    static Cache cache;
    return cache;
}

} // namespace

Loaded Load(const files::Path& file)
{
    Loaded loaded;
    if (file.empty())
        return loaded;
    struct stat st;
    loaded.exists = files::Resolve(file, loaded.native, &st);
    if (!loaded.exists)
        return loaded;
    loaded.version = files::FileVersion::Of(st);
    if (!S_ISREG(st.st_mode))
        return loaded;

    Cache& cache = TheCache();
    if (cache.enabled) {
        const auto it = cache.entries.find(loaded.native);
        if (it != cache.entries.end() && it->second.version == loaded.version) {
            loaded.index = it->second.index;
            return loaded;
        }
    }
    try {
        loaded.index = ParseIni(files::ReadFile(file));
    } catch (const RunTimeError&) {
        return loaded;
    }
    Remember(loaded.native, st, loaded.index);
    return loaded;
}

void Remember(const std::string& native, const struct stat& st,
              std::shared_ptr<const IniIndex> index)
{
    Cache& cache = TheCache();
    if (cache.enabled)
        cache.entries.insert_or_assign(native, Entry{files::FileVersion::Of(st), std::move(index)});
}

void SetCacheEnabled(bool enabled)
{
    Cache& cache = TheCache();
    cache.enabled = enabled;
    if (!enabled)
        cache.entries.clear();
}

bool CacheEnabled()
{
    return TheCache().enabled;
}

} // namespace platform::profile
