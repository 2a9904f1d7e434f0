#include "file_cache.h"

#include "platform/errors/run_time_error.h"

#include <map>
#include <time.h>

namespace platform::profile {

namespace {

struct Entry {
    files::FileVersion version;
    std::shared_ptr<const IniIndex> index;
    bool settled; // the file's time was past the timestamp tick when it was read
};

// A file's modification time moves in coarse ticks: a change made in the same tick as our
// read, at the same size, leaves the stamp as it was. Such an entry is only trusted after
// comparing the bytes again; once the time has settled, the stamp alone tells.
bool Settled(const struct stat& st)
{
    constexpr long long kFineMarginNs = 50'000'000;
    constexpr long long kCoarseMarginNs = 2'050'000'000; // file systems of whole seconds
    struct timespec now;
    ::clock_gettime(CLOCK_REALTIME, &now);
    const auto ns = [](const struct timespec& t) {
        return static_cast<long long>(t.tv_sec) * 1'000'000'000LL + t.tv_nsec;
    };
    const long long margin = st.st_mtim.tv_nsec == 0 ? kCoarseMarginNs : kFineMarginNs;
    return ns(st.st_mtim) + margin < ns(now);
}

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
        if (it != cache.entries.end() && it->second.version == loaded.version &&
            it->second.settled) {
            loaded.index = it->second.index;
            return loaded;
        }
    }
    std::string content;
    try {
        content = files::ReadFile(file);
    } catch (const RunTimeError&) {
        return loaded;
    }
    if (cache.enabled) {
        const auto it = cache.entries.find(loaded.native);
        if (it != cache.entries.end() && it->second.version == loaded.version &&
            it->second.index->content == content) {
            loaded.index = it->second.index;
            it->second.settled = Settled(st);
            return loaded;
        }
    }
    loaded.index = ParseIni(std::move(content));
    Remember(loaded.native, st, loaded.index);
    return loaded;
}

void Remember(const std::string& native, const struct stat& st,
              std::shared_ptr<const IniIndex> index)
{
    Cache& cache = TheCache();
    if (cache.enabled)
        cache.entries.insert_or_assign(
            native, Entry{files::FileVersion::Of(st), std::move(index), Settled(st)});
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
