#include "listing_cache.h"

#include "distinct_names.h"
#include "files.h"
#include "names.h"
#include "native_path.h"

#include <mutex>
#include <sys/stat.h>
#include <time.h>
#include <unordered_map>

namespace platform::files {

namespace {

// A change to a folder stamps it with the kernel's coarse clock (one tick is up to 10 ms),
// cut to the file system's granularity. A listing is only trusted when the folder's stamp
// was older than that by the time the listing began: a later change then always moves the
// stamp. Stamps without a fraction of a second come from file systems that keep seconds
// (or two), so there the margin spans those.
constexpr long long kFineMarginNs = 50'000'000;
constexpr long long kCoarseMarginNs = 2'050'000'000;
// Folders remembered at most; a compile touches a handful, so forgetting all is rare.
constexpr std::size_t kMaxFolders = 256;

long long Nanoseconds(const struct timespec& t)
{
    return static_cast<long long>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

struct Listing {
    dev_t device = 0;
    ino_t inode = 0;
    struct timespec modified = {};
    bool trusted = false;
    // Case-folded CP1252 name -> the entry's own name on disk.
    std::unordered_map<std::string, std::string> entries;

    bool Matches(const struct stat& st) const
    {
        return trusted && device == st.st_dev && inode == st.st_ino &&
               modified.tv_sec == st.st_mtim.tv_sec && modified.tv_nsec == st.st_mtim.tv_nsec;
    }
};

struct Cache {
    std::mutex mutex;
    bool enabled = true;
    std::unordered_map<std::string, Listing> folders;
};

Cache& TheCache()
{
    static Cache cache;
    return cache;
}

// Reads `folder` whole; false when it cannot be read.
bool ReadListing(const std::string& folder, Listing& listing)
{
    std::vector<std::string> raws;
    if (detail::ReadNames(folder, raws) != 0)
        return false;
    for (const detail::NamedEntry& entry : detail::NameEntries(raws)) {
        auto [it, added] = listing.entries.try_emplace(FoldCase(entry.name), entry.raw);
        if (!added && entry.raw < it->second)
            it->second = entry.raw;
    }
    return true;
}

Listing TakeListing(const std::string& folder, const struct stat& st)
{
    struct timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    Listing listing;
    listing.device = st.st_dev;
    listing.inode = st.st_ino;
    listing.modified = st.st_mtim;
    const long long margin = st.st_mtim.tv_nsec == 0 ? kCoarseMarginNs : kFineMarginNs;
    listing.trusted =
        ReadListing(folder, listing) && Nanoseconds(st.st_mtim) + margin < Nanoseconds(now);
    return listing;
}

std::string Lookup(const Listing& listing, const std::string& component)
{
    const auto it = listing.entries.find(FoldCase(component));
    return it == listing.entries.end() ? std::string() : it->second;
}

} // namespace

void SetListingCacheEnabled(bool enabled)
{
    Cache& cache = TheCache();
    std::lock_guard lock(cache.mutex);
    cache.enabled = enabled;
    cache.folders.clear();
}

bool ListingCacheEnabled()
{
    Cache& cache = TheCache();
    std::lock_guard lock(cache.mutex);
    return cache.enabled;
}

namespace detail {

std::string FindIgnoringCase(const std::string& folder, const std::string& component)
{
    // The folder's stamp is read before its entries, so a change made while they are read
    // shows as a newer stamp next time.
    struct stat st;
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return {};
    Cache& cache = TheCache();
    std::lock_guard lock(cache.mutex);
    if (!cache.enabled) {
        Listing once;
        ReadListing(folder, once);
        return Lookup(once, component);
    }
    const auto known = cache.folders.find(folder);
    if (known != cache.folders.end() && known->second.Matches(st))
        return Lookup(known->second, component);
    Listing listing = TakeListing(folder, st);
    std::string found = Lookup(listing, component);
    if (listing.trusted) {
        if (cache.folders.size() >= kMaxFolders)
            cache.folders.clear();
        cache.folders.insert_or_assign(folder, std::move(listing));
    } else if (known != cache.folders.end()) {
        cache.folders.erase(known);
    }
    return found;
}

void ForgetListing(const std::string& native)
{
    Cache& cache = TheCache();
    std::lock_guard lock(cache.mutex);
    if (cache.folders.empty())
        return;
    cache.folders.erase(ParentOf(native));
    for (auto it = cache.folders.begin(); it != cache.folders.end();) {
        const std::string& path = it->first;
        const bool inside = path.size() > native.size() && path[native.size()] == '/' &&
                            path.compare(0, native.size(), native) == 0;
        if (path == native || inside)
            it = cache.folders.erase(it);
        else
            ++it;
    }
}

} // namespace detail

} // namespace platform::files
