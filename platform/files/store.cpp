#include "store.h"

#include "commit_record.h"
#include "commit_steps.h"
#include "descriptor_io.h"
#include "distinct_names.h"
#include "fault_injection.h"
#include "files.h"
#include "large_buffer.h"
#include "listing_cache.h"
#include "names.h"
#include "native_file.h"
#include "native_path.h"
#include "platform/errors/run_time_error.h"
#include "platform/text/collation.h"
#include "replace.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <ftw.h>
#include <list>
#include <map>
#include <set>
#include <sys/statvfs.h>
#include <time.h>
#include <unistd.h>
#include <unordered_map>
#include <unordered_set>

namespace platform::files {

// Paths, the commit's steps, its record and what it asks of native paths.
using namespace detail;

namespace {

constexpr std::size_t kDefaultParsedBudget = std::size_t(24) << 20;
constexpr int kRedoAttempts = 8;
// The bytes of held and parsed files given up from which the end of an action hands the
// freed memory back to the system.
constexpr std::uint64_t kTrimAfter = std::uint64_t(64) << 20;

// Temporary files of a commit flushed each by itself; beyond, their file system at once.
constexpr std::size_t kFlushedOneByOne = 4;

// A file past the size limit (the signal is ignored, so the write fails with EFBIG) is
// shown as a full disk: the user's remedy is the same.
int ErrorOf(int err, int missing)
{
    return err == EFBIG ? 61 : ErrorFromErrno(err, missing);
}

// ---- what the store knows of one file ------------------------------------------------

enum class Held { None, Text, Document, Append, Delete };

struct Entry {
    std::string native;

    // The disk, as last looked at (in action `checked`).
    std::uint64_t checked = 0;
    bool onDisk = false; // something is there
    bool regular = false;
    bool folder = false;
    mode_t mode = 0;
    uid_t uid = 0;
    gid_t gid = 0;
    FileVersion disk;

    // The parsed bytes of version `parsedVersion`; `parsedChecked` is the action that last
    // found them still true.
    std::shared_ptr<const ParsedFile> parsed;
    FileVersion parsedVersion;
    bool parsedSettled = false;
    std::uint64_t parsedChecked = 0;
    std::uint64_t hotLook = 0; // the action in which `hits` counts the reads
    std::uint32_t hits = 0;
    std::size_t parsedBytes = 0; // what the budget holds for `parsed`
    std::list<Entry*>::iterator lru;
    bool inLru = false;

    // What the running action holds.
    Held held = Held::None;
    std::string text; // Text: the bytes; Append: what is added
    std::unique_ptr<HeldDocument> document;
    Parser documentParser;                        // what the document's file is read with
    std::shared_ptr<const ParsedFile> heldParsed; // of the held bytes, for INI reads
    bool fromText = false;                        // a document made over held bytes
    bool baseExists = false;                      // the disk when the action first held it
    FileVersion base;
    bool mustMatch = false; // written only while the disk is still `base` (a lone call)
    std::string recordFolder;
    dev_t device = 0;
    std::uint64_t heldBytes = 0; // rounded to blocks
    std::uint64_t serial = 0;    // changes with every held change, for VersionOf
};

struct Room {
    bool measured = false;
    std::uint64_t free = 0;
    std::uint64_t block = 4096;
    std::uint64_t held = 0;
};

enum class CommitEnd { Done, Stale, Failed, Retry };

struct CommitResult {
    CommitEnd end = CommitEnd::Done;
    int error = 0;
    std::string native;
};

class Store {
public:
    // ---- the action ----

    bool Open() const { return m_depth > 0 && m_enabled; }

    void Begin()
    {
        if (m_depth++ == 0)
            NewLook();
    }

    void End()
    {
        if (m_depth == 0 || --m_depth > 0)
            return;
        CommitOrRaise(true);
        NewLook();
    }

    void Suspend()
    {
        CommitOrRaise(true);
        NewLook();
        m_suspended.push_back(m_depth);
        m_depth = 0;
    }

    void Resume()
    {
        const auto restore = [this] {
            NewLook();
            if (!m_suspended.empty()) {
                m_depth = m_suspended.back();
                m_suspended.pop_back();
            }
        };
        try {
            CommitOrRaise(true);
        } catch (...) {
            restore();
            throw;
        }
        restore();
    }

    void SetEnabled(bool enabled)
    {
        if (!enabled)
            CommitOrRaise(true);
        m_enabled = enabled;
    }
    bool Enabled() const { return m_enabled; }

    void SetBudget(std::size_t bytes)
    {
        m_budget = bytes;
        Evict(nullptr);
    }

    // Runs `f` as part of the running action, or as an action of its own written before
    // this returns, whose failure raises the plain error.
    template <typename F> auto Alone(F&& f) -> decltype(f())
    {
        if (Open())
            return f();
        NewLook();
        struct Lone {
            explicit Lone(bool& flag)
                : m_flag(flag)
                , m_was(flag)
            {
                flag = true;
            }
            ~Lone() { m_flag = m_was; }
            bool& m_flag;
            bool m_was;
        } lone(m_lone);
        try {
            if constexpr (std::is_void_v<decltype(f())>) {
                f();
                CommitOrRaise(false);
                NewLook();
            } else {
                auto result = f();
                CommitOrRaise(false);
                NewLook();
                return result;
            }
        } catch (...) {
            Discard();
            NewLook();
            throw;
        }
    }

    // A lone versioned write: false when the file became another version meanwhile.
    bool AloneIfUnchanged(const Path& path, std::string_view content, const FileVersion& expected)
    {
        NewLook();
        const bool was = m_lone;
        m_lone = true;
        try {
            Entry& e = Find(path);
            if (!(VersionSeen(e) == expected))
                return false;
            HoldText(e, std::string(content), false);
            e.mustMatch = true;
        } catch (...) {
            Discard();
            throw;
        }
        const CommitResult result = Commit();
        m_lone = was;
        NewLook();
        if (result.end == CommitEnd::Failed)
            Raise(result.error);
        return result.end == CommitEnd::Done;
    }

    // ---- looking ----

    Entry& Find(const Path& path)
    {
        if (m_last && m_lastNames == m_names && m_lastPath == path) {
            if (m_lastLook == m_look)
                return *m_last;
            // A call of its own again on the file of the call before, as a compile outside
            // an action reads: when that spelling named the file exactly, a look at the disk
            // tells all.
            if (m_lastExact) {
                Check(*m_last);
                if (m_last->onDisk || m_last->held != Held::None) {
                    m_lastLook = m_look;
                    return *m_last;
                }
            }
        }
        std::string literal = path.Literal();
        const std::size_t literalSize = literal.size();
        if (m_memoLook != m_look) {
            // Emptying a table keeps its buckets, and clearing those costs their number: a
            // table that a large action grew goes whole.
            if (m_memo.bucket_count() > 64)
                m_memo = {};
            else
                m_memo.clear();
            m_memoLook = m_look;
        }
        Entry* e = nullptr;
        const auto known = m_memo.find(literal);
        if (known != m_memo.end() &&
            (known->second.names == m_names || Known(*known->second.entry))) {
            e = known->second.entry;
        } else {
            struct stat st;
            bool found = false;
            e = &EntryOf(ResolveNative(path, st, found));
            if (e->checked != m_look) {
                e->checked = m_look;
                Fill(*e, found ? &st : nullptr);
            }
            if (Open()) // a call of its own has nothing to remember for
                m_memo.insert_or_assign(std::move(literal), Memo{e, m_names});
        }
        Check(*e);
        m_last = e;
        m_lastPath = path;
        m_lastLook = m_look;
        m_lastNames = m_names;
        m_lastExact = e->native.size() == literalSize && e->native == path.Literal();
        return *e;
    }

    bool SeenExists(const Entry& e) const
    {
        if (e.held != Held::None)
            return e.held != Held::Delete;
        return e.onDisk;
    }

    bool SeenRegular(const Entry& e) const
    {
        if (e.held != Held::None)
            return e.held != Held::Delete;
        return e.onDisk && e.regular;
    }

    FileVersion VersionSeen(const Entry& e) const
    {
        if (e.held == Held::None)
            return e.onDisk ? e.disk : FileVersion{};
        if (e.held == Held::Delete)
            return {};
        FileVersion v = e.disk;
        v.exists = true;
        v.size = static_cast<off_t>(HeldSize(e));
        v.changed.tv_sec = -1; // no file on disk has this stamp
        v.changed.tv_nsec = static_cast<long>(e.serial);
        return v;
    }

    // The bytes the action sees; raises as a read would.
    std::string BytesSeen(Entry& e)
    {
        switch (e.held) {
        case Held::Text:
            return e.text;
        case Held::Document:
            return e.document->Content();
        case Held::Append:
            return DiskBytesOrEmpty(e) + e.text;
        case Held::Delete:
            Raise(53);
        case Held::None:
            break;
        }
        if (!e.onDisk)
            Raise(53);
        std::string content;
        if (const int err = ReadNative(e.native, content))
            Raise(ErrorOf(err, 53));
        return content;
    }

    DocumentSight See(const Path& file, const Parser& parse)
    {
        Entry& e = Find(file);
        DocumentSight sight;
        sight.exists = SeenExists(e);
        switch (e.held) {
        case Held::Document:
            sight.document = e.document.get();
            return sight;
        case Held::Text:
        case Held::Append:
            if (!e.heldParsed)
                e.heldParsed = parse(BytesSeen(e));
            sight.parsed = e.heldParsed;
            return sight;
        case Held::Delete:
            return sight;
        case Held::None:
            break;
        }
        if (e.onDisk && e.regular)
            sight.parsed = ParsedOf(e, parse);
        return sight;
    }

    // ---- holding ----

    int Edit(const Path& file, const Parser& parse, const DocumentMaker& make, std::uint64_t growth,
             const DocumentKeeps& keeps, const std::function<void(HeldDocument&)>& edit)
    {
        Entry& e = Find(file);
        if (e.held != Held::Document) {
            if (const int err = CheckWritable(e))
                return err;
            std::shared_ptr<const ParsedFile> current;
            bool fromText = false;
            if (e.held == Held::Text || e.held == Held::Append) {
                current = parse(BytesSeen(e));
                fromText = true;
            } else if (e.held == Held::None && e.onDisk) {
                current = ParsedOf(e, parse);
                if (!current)
                    return 75; // there but unreadable: never replace what we cannot read
                if (keeps && keeps(nullptr, current.get()))
                    return 0; // the file stays as it is
            } else if (e.held == Held::Delete) {
                fromText = true;
            }
            std::unique_ptr<HeldDocument> document = make(std::move(current));
            if (!HasRoom(e, document->Size() + growth))
                return 61;
            Hold(e, Held::Document);
            e.document = std::move(document);
            e.documentParser = parse;
            e.fromText = fromText;
            GiveBack(e.text);
        } else if (keeps && keeps(e.document.get(), nullptr)) {
            return 0;
        } else if (!HasRoom(e, e.document->Size() + growth)) {
            return 61;
        }
        edit(*e.document);
        Changed(e, e.document->Size());
        return 0;
    }

    void WriteText(const Path& path, std::string content)
    {
        Entry& e = Find(path);
        HoldText(e, std::move(content), true);
    }

    void HoldText(Entry& e, std::string content, bool check)
    {
        if (check || e.held == Held::None || e.held == Held::Delete) {
            if (const int err = CheckWritable(e))
                Raise(err);
        }
        if (!HasRoom(e, content.size()))
            Raise(61);
        Hold(e, Held::Text);
        e.document.reset();
        e.fromText = false;
        e.text = std::move(content);
        Changed(e, e.text.size());
    }

    void Append(const Path& path, std::string_view content)
    {
        Entry& e = Find(path);
        if (const int err = CheckWritable(e))
            Raise(err);
        if (!HasRoom(e, HeldSize(e) + content.size()))
            Raise(61);
        switch (e.held) {
        case Held::None:
            Hold(e, e.onDisk ? Held::Append : Held::Text);
            e.text.assign(content);
            break;
        case Held::Delete:
            Hold(e, Held::Text);
            e.text.assign(content);
            break;
        case Held::Text:
        case Held::Append:
            e.text.append(content);
            break;
        case Held::Document:
            e.text = e.document->Content();
            e.text.append(content);
            e.document.reset();
            e.held = Held::Text;
            break;
        }
        Changed(e, HeldSize(e));
    }

    void Delete(const Path& path)
    {
        Entry& e = Find(path);
        if (!SeenRegular(e))
            Raise(53);
        if (e.held == Held::None || e.held == Held::Append || e.held == Held::Text ||
            e.held == Held::Document) {
            const bool wasNew = e.held != Held::None && !e.baseExists;
            if (e.held == Held::None) {
                const std::string folder = ParentOf(e.native);
                if (::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0)
                    Raise(ErrorOf(errno, 53));
            }
            Hold(e, Held::Delete);
            GiveBack(e.text);
            e.document.reset();
            Changed(e, 0);
            if (wasNew)
                Unhold(e); // made and deleted within the action: nothing to write
        }
    }

    void DeleteTree(const Path& path)
    {
        Entry& e = Find(path);
        if (!e.onDisk || !e.folder)
            Raise(76);
        // What the action holds below the folder goes with it.
        const std::string prefix = e.native + "/";
        for (Entry* held : std::vector<Entry*>(m_held)) {
            if (held->native.compare(0, prefix.size(), prefix) == 0)
                Unhold(*held);
        }
        const auto remove = [](const char* entry, const struct stat*, int, struct FTW*) {
            return ::remove(entry) == 0 ? 0 : errno;
        };
        const int err = ::nftw(e.native.c_str(), remove, 16, FTW_DEPTH | FTW_PHYS);
        ForgetBelow(e.native);
        if (err != 0)
            Raise(ErrorOf(err > 0 ? err : errno, 76));
    }

    void MakeFolder(const Path& path)
    {
        Entry& e = Find(path);
        if (SeenExists(e))
            Raise(75);
        if (::mkdir(e.native.c_str(), 0777) != 0)
            Raise(errno == EEXIST ? 75 : ErrorOf(errno, 76));
        detail::ForgetListing(e.native);
        e.checked = 0;
        ++m_names;
    }

    std::vector<detail::NamedEntry> List(const Path& folder, bool folders)
    {
        Entry& f = Find(folder);
        if (!f.onDisk)
            Raise(ErrorOf(ENOENT, 76));
        std::vector<std::string> raws;
        if (const int err = detail::ReadNames(f.native, raws); err != 0)
            Raise(ErrorOf(err, 76));
        if (!folders) {
            // New files the action holds are listed beside those on disk, and named by the
            // same rule, so that a held name meets its twins as it will once written.
            const std::unordered_set<std::string> onDisk(raws.begin(), raws.end());
            for (const Entry* e : m_held) {
                if (e->held != Held::Delete && ParentOf(e->native) == f.native) {
                    std::string raw = BaseNameOf(e->native);
                    if (!onDisk.count(raw))
                        raws.push_back(std::move(raw));
                }
            }
        }
        std::vector<detail::NamedEntry> entries;
        for (detail::NamedEntry& entry : detail::NameEntries(raws)) {
            if (entry.raw.empty() || entry.raw[0] == '.')
                continue;
            const std::string native = Join(f.native, entry.raw);
            bool isFolder;
            bool isFile;
            const auto held = m_entries.find(native);
            if (held != m_entries.end() && held->second->held != Held::None) {
                isFolder = false;
                isFile = held->second->held != Held::Delete;
            } else {
                struct stat st;
                if (::stat(native.c_str(), &st) != 0)
                    continue;
                isFolder = S_ISDIR(st.st_mode);
                isFile = S_ISREG(st.st_mode);
            }
            if (folders ? isFolder : isFile)
                entries.push_back(std::move(entry));
        }
        std::sort(entries.begin(), entries.end(),
                  [](const auto& a, const auto& b) { return NameBefore(a.name, b.name); });
        return entries;
    }

    int Refusal(const Path& file) { return CheckWritable(Find(file)); }

    void EnsureRoomFor(const Path& file, std::uint64_t bytes)
    {
        Entry& e = Find(file);
        if (!HasRoom(e, HeldSize(e) + bytes, e.heldBytes))
            Raise(61);
    }

    void DropParsed()
    {
        for (Entry* e : std::vector<Entry*>(m_lru.begin(), m_lru.end()))
            DropParsed(*e);
    }

private:
    struct Memo {
        Entry* entry;
        std::uint64_t names;
    };

    void NewLook()
    {
        ++m_look;
        m_last = nullptr;
        // The allocator keeps what an action freed for itself: after a compile's output or
        // an import the process would stay that much bigger for the rest of its run.
        if (m_freed >= kTrimAfter) {
            m_freed = 0;
            ReleaseFreedMemory();
        }
    }

    // Whether the entry's resolution can no longer change with new held names.
    static bool Known(const Entry& e) { return e.onDisk || e.held != Held::None; }

    Entry& EntryOf(const std::string& native)
    {
        auto& slot = m_entries[native];
        if (!slot) {
            slot = std::make_unique<Entry>();
            slot->native = native;
        }
        return *slot;
    }

    void Check(Entry& e)
    {
        if (e.checked == m_look)
            return;
        e.checked = m_look;
        struct stat st;
        Fill(e, ::stat(e.native.c_str(), &st) == 0 ? &st : nullptr);
    }

    // What the disk holds at the entry's path: `st`, or nothing when null.
    static void Fill(Entry& e, const struct stat* st)
    {
        e.onDisk = st != nullptr;
        if (!st) {
            e.regular = e.folder = false;
            e.disk = {};
            return;
        }
        e.regular = S_ISREG(st->st_mode);
        e.folder = S_ISDIR(st->st_mode);
        e.mode = st->st_mode;
        e.uid = st->st_uid;
        e.gid = st->st_gid;
        e.disk = FileVersion::Of(*st);
    }

    bool IsHeld(const std::string& native) const
    {
        const auto it = m_entries.find(native);
        return it != m_entries.end() && it->second->held != Held::None;
    }

    std::string HeldIgnoringCase(const std::string& folder, const std::string& component) const
    {
        const auto in = m_heldNew.find(folder);
        if (in == m_heldNew.end())
            return {};
        const auto it = in->second.find(FoldCase(component));
        return it == in->second.end() ? std::string() : it->second;
    }

    // Exact spelling first (on disk, then held), then without regard to case (on disk,
    // then held); from the first component that matches nothing on, the spelling given.
    // `found` tells whether `st` holds the stat of what is there.
    std::string ResolveNative(const Path& path, struct stat& st, bool& found)
    {
        std::string native = path.Literal();
        found = ::stat(native.c_str(), &st) == 0;
        if (found || IsHeld(native))
            return native;
        native = path.base();
        bool walking = true;
        for (const std::string& component : path.components()) {
            const std::string spelled = Cp1252ToUtf8(component);
            if (walking) {
                const std::string exact = Join(native, spelled);
                if (::stat(exact.c_str(), &st) == 0 || IsHeld(exact)) {
                    native = exact;
                    continue;
                }
                if (std::string found = detail::FindIgnoringCase(native, component);
                    !found.empty()) {
                    native = Join(native, found);
                    continue;
                }
                if (std::string held = HeldIgnoringCase(native, component); !held.empty()) {
                    native = std::move(held);
                    continue;
                }
                walking = false;
            }
            native = Join(native, spelled);
        }
        found = walking && ::stat(native.c_str(), &st) == 0;
        return native;
    }

    std::shared_ptr<const ParsedFile> ParsedOf(Entry& e, const Parser& parse)
    {
        if (m_reading)
            Recharge(*m_reading);
        if (e.parsed && e.parsedVersion == e.disk) {
            if (e.parsedSettled || e.parsedChecked == m_look) {
                Touch(e);
                return e.parsed;
            }
        }
        // A version that could still hide a change is compared piece by piece: read whole,
        // a file of tens of megabytes would be met in memory never touched before.
        if (e.parsed && e.parsedVersion == e.disk && NativeHolds(e.native, e.parsed->Bytes())) {
            e.parsedSettled = Settled(e.disk);
            e.parsedChecked = m_look;
            Touch(e);
            return e.parsed;
        }
        std::string bytes;
        if (ReadNative(e.native, bytes) != 0)
            return nullptr;
        std::shared_ptr<const ParsedFile> parsed = parse(std::move(bytes));
        Keep(e, parsed, e.disk);
        return parsed;
    }

    void Keep(Entry& e, std::shared_ptr<const ParsedFile> parsed, const FileVersion& version)
    {
        if (m_reading)
            Recharge(*m_reading);
        DropParsed(e);
        if (!parsed || m_budget == 0)
            return;
        e.parsed = std::move(parsed);
        e.parsedVersion = version;
        e.parsedSettled = Settled(version);
        e.parsedChecked = m_look;
        e.parsedBytes = e.parsed->MemoryBytes();
        m_parsedBytes += e.parsedBytes;
        m_reading = &e;
        m_lru.push_front(&e);
        e.lru = m_lru.begin();
        e.inLru = true;
        Evict(&e);
    }

    void Touch(Entry& e)
    {
        if (e.hotLook != m_look) {
            e.hotLook = m_look;
            e.hits = 0;
        }
        if (++e.hits == kHot)
            m_hotLook = m_look;
        if (!e.inLru)
            return;
        if (e.lru != m_lru.begin())
            m_lru.splice(m_lru.begin(), m_lru, e.lru);
        Recharge(e);
        m_reading = &e;
    }

    // A parsed file may grow as it is read (an INI index makes a section's keys when one is
    // first asked for), mostly right after the store hands it out: the budget holds what it
    // took when the store was last asked for it or for the next, and the next file kept
    // makes room. Evicting at each growth would walk the list at each section made.
    void Recharge(Entry& e)
    {
        if (!e.inLru)
            return;
        const std::size_t bytes = e.parsed->MemoryBytes();
        m_parsedBytes = m_parsedBytes - e.parsedBytes + bytes;
        e.parsedBytes = bytes;
        // A compile that walks one big file makes it grow past the budget without keeping
        // another: the others go then, not at the next file kept.
        if (bytes > 0 && m_parsedBytes > m_budget && m_lru.size() > 1)
            Evict(&e);
    }

    void DropParsed(Entry& e)
    {
        if (!e.inLru)
            return;
        m_parsedBytes -= e.parsedBytes;
        if (e.parsed.use_count() == 1)
            m_freed += e.parsedBytes;
        m_lru.erase(e.lru);
        e.inLru = false;
        e.parsed.reset();
    }

    // The least recently used go first; the one just used always stays.
    // A file the running action reads again and again (the big file a compile walks) stays
    // too, whatever its size: reading it anew each time would cost the action its speed.
    // Of such files only the last used one is sure to stay: a compile that reads each
    // faction's own file a thousand times, one faction after the other, would otherwise
    // keep every one of them.
    void Evict(const Entry* keep)
    {
        const auto hot = [this](const Entry* e) { return e->hotLook == m_look && e->hits >= kHot; };
        // Most actions read no file that often: then the list is not walked for one (an
        // import keeps thousands of stock files, one after the other).
        const bool anyHot = m_hotLook == m_look;
        const Entry* lastHot = nullptr;
        for (auto it = m_lru.begin(); anyHot && it != m_lru.end() && !lastHot; ++it) {
            if (*it != keep && hot(*it))
                lastHot = *it;
        }
        for (const bool sparingHot : {anyHot, false}) {
            auto it = m_lru.end();
            while (m_parsedBytes > m_budget && it != m_lru.begin()) {
                Entry* e = *--it;
                if (e == keep || e == lastHot || (sparingHot && hot(e)))
                    continue;
                it = std::next(it);
                DropParsed(*e);
            }
        }
        if (m_budget == 0 && keep)
            DropParsed(*const_cast<Entry*>(keep));
    }

    std::string DiskBytesOrEmpty(Entry& e)
    {
        std::string content;
        if (e.onDisk && e.regular) {
            if (const int err = ReadNative(e.native, content))
                Raise(ErrorOf(err, 53));
        }
        return content;
    }

    static std::uint64_t HeldSize(const Entry& e)
    {
        switch (e.held) {
        case Held::Text:
            return e.text.size();
        case Held::Document:
            return e.document->Size();
        case Held::Append:
            return static_cast<std::uint64_t>(e.disk.size) + e.text.size();
        default:
            return 0;
        }
    }

    // 0, or the error of a write of `e` that cannot succeed, known now.
    int CheckWritable(Entry& e)
    {
        if (e.held == Held::Text || e.held == Held::Document || e.held == Held::Append)
            return 0;
        const std::string folder = ParentOf(e.native);
        struct stat dir;
        if (::stat(folder.c_str(), &dir) != 0)
            return ErrorOf(errno, 76);
        if (!S_ISDIR(dir.st_mode))
            return 76;
        if (e.held == Held::None && e.onDisk) {
            if (!e.regular)
                return 75;
            // No write bit is read-only, whoever asks: the original refused such a file to
            // every writer, and root's pass through the permissions would replace it.
            if ((e.mode & 0222) == 0)
                return 70;
            if (::faccessat(AT_FDCWD, e.native.c_str(), W_OK, AT_EACCESS) != 0)
                return ErrorOf(errno, 76);
            return 0;
        }
        if (BaseNameOf(e.native).size() > NAME_MAX)
            return 52;
        if (::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0)
            return ErrorOf(errno, 76);
        struct stat link;
        if (e.held == Held::None && ::lstat(e.native.c_str(), &link) == 0 && !S_ISLNK(link.st_mode))
            return 75;
        return 0;
    }

    // The room for `size` bytes of `e` (rounded to blocks) on its file system, beside what
    // the action holds there already (`e`'s own `counted` bytes excluded). The file system is
    // asked once per action, and again only when what is held nears what it had.
    bool HasRoom(Entry& e, std::uint64_t size, std::uint64_t counted = ~std::uint64_t(0))
    {
        if (counted == ~std::uint64_t(0))
            counted = e.heldBytes;
        std::string where = ParentOf(e.native);
        if (e.device == 0) {
            struct stat st;
            while (::stat(where.c_str(), &st) != 0) {
                if (where.empty() || where == "/" || where == ".")
                    return true; // a missing folder fails elsewhere
                where = ParentOf(where);
            }
            e.device = st.st_dev;
        }
        Room& r = m_room[e.device];
        if (!r.measured)
            Measure(r, where);
        const auto need = [&] { return r.held - counted + Round(size, r.block); };
        if (need() + r.free / 8 > r.free)
            Measure(r, where);
        return need() <= r.free;
    }

    static void Measure(Room& r, const std::string& where)
    {
        struct statvfs fs;
        r.measured = true;
        if (::statvfs(where.c_str(), &fs) != 0) {
            r.free = ~std::uint64_t(0) / 2;
            return;
        }
        r.free = static_cast<std::uint64_t>(fs.f_bavail) * fs.f_frsize;
        r.block = fs.f_frsize ? fs.f_frsize : 4096;
    }

    static std::uint64_t Round(std::uint64_t size, std::uint64_t block)
    {
        return (size + block - 1) / block * block;
    }

    void Hold(Entry& e, Held kind)
    {
        if (e.held == Held::None) {
            m_held.push_back(&e);
            e.baseExists = e.onDisk && e.regular;
            e.base = e.baseExists ? e.disk : FileVersion{};
            e.mustMatch = false;
            e.recordFolder = m_recordFolder;
            if (!e.onDisk) {
                const std::string raw = BaseNameOf(e.native);
                m_heldNew[ParentOf(e.native)].emplace(FoldCase(Utf8ToCp1252(raw)), e.native);
            }
            ++m_names;
        } else if (kind == Held::Delete || e.held == Held::Delete) {
            ++m_names;
        }
        e.held = kind;
    }

    void Changed(Entry& e, std::uint64_t size)
    {
        ++e.serial;
        e.heldParsed.reset();
        if (e.device != 0) {
            Room& r = m_room[e.device];
            const std::uint64_t rounded = Round(size, r.block);
            r.held = r.held - e.heldBytes + rounded;
            e.heldBytes = rounded;
        }
    }

    void Unhold(Entry& e)
    {
        if (e.held == Held::None)
            return;
        if (e.device != 0 && m_room.count(e.device))
            m_room[e.device].held -= e.heldBytes;
        e.heldBytes = 0;
        e.held = Held::None;
        GiveBack(e.text);
        e.document.reset();
        e.documentParser = nullptr;
        e.heldParsed.reset();
        e.checked = 0;
        m_held.erase(std::find(m_held.begin(), m_held.end(), &e));
        const auto in = m_heldNew.find(ParentOf(e.native));
        if (in != m_heldNew.end()) {
            for (auto it = in->second.begin(); it != in->second.end(); ++it) {
                if (it->second == e.native) {
                    in->second.erase(it);
                    break;
                }
            }
        }
        ++m_names;
    }

    // Everything held goes, in one pass: a commit of thousands of files ends here.
    void Discard()
    {
        std::uint64_t released = 0;
        for (Entry* e : m_held) {
            released += e->heldBytes;
            e->heldBytes = 0;
            e->held = Held::None;
            GiveBack(e->text);
            e->document.reset();
            e->documentParser = nullptr;
            e->heldParsed.reset();
            e->checked = 0;
        }
        m_held.clear();
        m_heldNew.clear();
        m_room.clear();
        ++m_names;
        m_freed += released;
    }

    void ForgetBelow(const std::string& native)
    {
        detail::ForgetListing(native);
        const std::string prefix = native + "/";
        for (auto& [name, e] : m_entries) {
            if (name == native || name.compare(0, prefix.size(), prefix) == 0) {
                e->checked = 0;
                DropParsed(*e);
            }
        }
        ++m_names;
        NewLook();
    }

    void CommitOrRaise(bool naming)
    {
        const CommitResult result = Commit();
        if (result.end == CommitEnd::Done)
            return;
        const int number = result.end == CommitEnd::Stale ? 75 : result.error;
        if (!naming || result.native.empty())
            Raise(number);
        throw RunTimeError(number, ErrorDescription(number) + " (" + result.native + ")");
    }

    // ---- the commit ----

    struct Write {
        Entry* e;
        Op op;
        bool inPlace = false;
        bool append = false; // in place: only what is added
        std::string content; // in place only
        std::string temp;
        std::string backup;
        bool staged = false; // the temporary file exists
        bool linked = false; // the backup exists
        bool moved = false;
    };

    CommitResult Commit()
    {
        if (m_held.empty())
            return {};
        CommitResult result;
        for (int attempt = 0; attempt < kRedoAttempts; ++attempt) {
            result = CommitOnce();
            if (result.end != CommitEnd::Retry)
                break;
            result = {CommitEnd::Failed, 75, result.native};
        }
        Finish(result.end == CommitEnd::Done);
        return result;
    }

    CommitResult CommitOnce()
    {
        CommitResult result;
        if (m_held.empty())
            return result;
        // Past the file-size limit a write fails with EFBIG instead of killing the program;
        // set again here, as another part of the program may have put the signal back.
        std::signal(SIGXFSZ, SIG_IGN);
        std::vector<Write> writes;
        writes.reserve(m_held.size());
        try {
            result = Plan(writes);
        } catch (const RunTimeError& e) {
            result = {CommitEnd::Failed, e.number(), {}};
        }
        std::vector<Move> moves;
        for (const Write& w : writes) {
            if (!w.inPlace)
                moves.push_back({w.op, w.e->native, w.temp, w.backup});
        }
        // The record's list goes first, so that a kill while the temporary files are written
        // leaves a record of what to remove; its closing line makes it whole.
        std::string record;
        bool recorded = false;
        std::string list;
        const bool needed = moves.size() >= 2 || (!m_lone && !moves.empty());
        if (!needed) {
            // One rename is whole by itself: there is nothing to undo.
            for (Write& w : writes) {
                if (w.op == Op::Replace)
                    w.backup.clear();
            }
        }
        if (result.end == CommitEnd::Done && needed && !writes.front().e->recordFolder.empty()) {
            record = Join(writes.front().e->recordFolder, kRecordName);
            ::unlink(record.c_str());
            list = RecordList(moves);
            const int err = AppendRecord(record, list, false);
            if (err == EACCES || err == EPERM || err == EROFS) {
                record.clear(); // a base folder closed to us: the commit goes on without one
            } else {
                recorded = true;
                if (err != 0)
                    result = {CommitEnd::Failed, ErrorOf(err, 76), record};
            }
        }
        if (result.end == CommitEnd::Done) {
            try {
                result = Stage(writes, needed);
            } catch (const RunTimeError& e) {
                result = {CommitEnd::Failed, e.number(), {}};
            }
        }
        if (result.end == CommitEnd::Done && recorded) {
            if (const int err = AppendRecord(record, RecordClose(list), true))
                result = {CommitEnd::Failed, ErrorOf(err, 76), record};
        }
        if (result.end == CommitEnd::Done)
            result = Apply(writes, record, recorded);
        if (result.end != CommitEnd::Done) {
            for (Write& w : writes) {
                if (w.staged && !w.moved)
                    ::unlink(w.temp.c_str());
                if (w.linked)
                    ::unlink(w.backup.c_str());
            }
            if (recorded)
                ::unlink(record.c_str());
        }
        return result;
    }

    // Brings each held document onto the disk's newest version and plans every write: a
    // rename of a temporary file, a delete, or a write in place.
    CommitResult Plan(std::vector<Write>& writes)
    {
        for (Entry* e : m_held) {
            e->checked = 0;
            Check(*e);
            if (e->held == Held::Document && !e->fromText) {
                for (int attempt = 0; !(CurrentBase(*e) == e->base); ++attempt) {
                    if (attempt == kRedoAttempts)
                        return {CommitEnd::Failed, 75, e->native};
                    std::optional<std::string> current;
                    if (e->onDisk) {
                        std::string bytes;
                        if (!e->regular || ReadNative(e->native, bytes) != 0)
                            return {CommitEnd::Failed, 75, e->native};
                        current = std::move(bytes);
                    }
                    e->base = CurrentBase(*e);
                    e->baseExists = e->onDisk;
                    e->document->Redo(std::move(current));
                    e->checked = 0;
                    Check(*e);
                }
            }
            if (e->mustMatch && !(CurrentBase(*e) == e->base))
                return {CommitEnd::Stale, 0, e->native};
            if (e->held == Held::Delete && !(e->onDisk && e->regular))
                continue; // gone already
            Write w;
            if (KeepsDisk(*e, w.content))
                continue; // the same bytes: the file stays as it is
            w.e = e;
            w.op = e->held == Held::Delete ? Op::Remove : e->onDisk ? Op::Replace : Op::Create;
            writes.push_back(std::move(w));
        }
        for (Write& w : writes) {
            Entry& e = *w.e;
            const std::string folder = ParentOf(e.native);
            const std::string name = BaseNameOf(e.native);
            if (w.op != Op::Create) {
                if (e.onDisk && !e.regular)
                    return {CommitEnd::Failed, 75, e.native};
                if (w.op == Op::Replace && !Replaceable(e)) {
                    w.inPlace = true;
                    w.append = e.held == Held::Append;
                    w.content = w.append ? e.text : BytesSeen(e);
                    continue;
                }
                w.backup = Join(folder, HiddenName(name, ".qv~old"));
            }
            if (w.op != Op::Remove)
                w.temp = Join(folder, HiddenName(name, ".qv~new"));
        }
        return {};
    }

    // Writes and flushes every temporary file and gives every replaced or deleted file its
    // second name, then flushes their folders.
    CommitResult Stage(std::vector<Write>& writes, bool undoable)
    {
        // A few files are flushed one by one; many at once with one flush of their file
        // system, which costs about what one file's flush does.
        std::size_t staged = 0;
        for (const Write& w : writes)
            staged += !w.inPlace && !w.temp.empty();
        const bool together = staged > kFlushedOneByOne;
        std::map<dev_t, std::string> systems;
        for (Write& w : writes) {
            if (!w.inPlace && !w.temp.empty()) {
                if (const int err = StageTemporary(w, !together))
                    return {CommitEnd::Failed, ErrorOf(err, 76), w.e->native};
                systems.emplace(w.e->device, ParentOf(w.e->native));
            }
        }
        for (const auto& [device, folder] : systems) {
            if (!together)
                break;
            if (const int err = FlushFileSystem(folder))
                return {CommitEnd::Failed, ErrorOf(err, 76), folder};
        }
        // Another program may have saved a file while the others were written: the edits
        // are then made again on its version (and a lone versioned write is not made).
        for (Write& w : writes) {
            Entry& e = *w.e;
            if (e.held != Held::Document && !e.mustMatch)
                continue;
            e.checked = 0;
            Check(e);
            if (!(CurrentBase(e) == e.base))
                return {e.mustMatch ? CommitEnd::Stale : CommitEnd::Retry, 0, e.native};
        }
        for (Write& w : writes) {
            if (w.inPlace || w.backup.empty())
                continue;
            ::unlink(w.backup.c_str());
            if (::link(w.e->native.c_str(), w.backup.c_str()) == 0)
                w.linked = true;
            else if (errno != EPERM && errno != EACCES && errno != ENOTSUP && errno != EOPNOTSUPP &&
                     errno != EMLINK)
                return {CommitEnd::Failed, ErrorOf(errno, 76), w.e->native};
            // else a file system without hard links: the old file is not kept
        }
        // The temporary files and second names are on disk before the record says to use
        // them; a lone rename needs no such flush.
        std::set<std::string> folders;
        for (const Write& w : writes) {
            if (undoable && (w.staged || w.linked))
                folders.insert(ParentOf(w.e->native));
        }
        for (const std::string& folder : folders) {
            if (const int err = FlushFolder(folder))
                return {CommitEnd::Failed, ErrorOf(err, 76), folder};
        }
        return {};
    }

    // Whether the held bytes are those on disk already; `content` keeps a document's bytes,
    // made for the comparison, for the write.
    bool KeepsDisk(Entry& e, std::string& content)
    {
        if ((e.held != Held::Text && e.held != Held::Document) || !e.onDisk || !e.regular ||
            HeldSize(e) != static_cast<std::uint64_t>(e.disk.size))
            return false;
        if (e.held == Held::Text)
            return NativeHolds(e.native, e.text);
        content = e.document->Content();
        return NativeHolds(e.native, content);
    }

    FileVersion CurrentBase(const Entry& e) const
    {
        return e.onDisk && e.regular ? e.disk : FileVersion{};
    }

    // Whether a new file can take the old one's place as the same file to its users: the
    // folder is open to the caller, and the owner and group can be given to the new file.
    bool Replaceable(const Entry& e) const
    {
        const std::string folder = ParentOf(e.native);
        if (::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0)
            return false;
        return ::geteuid() == 0 || (e.uid == ::geteuid() && e.gid == ::getegid());
    }

    // Writes the temporary file of `w` and flushes it: 0, or the errno.
    int StageTemporary(Write& w, bool flush)
    {
        Entry& e = *w.e;
        ::unlink(w.temp.c_str());
        const int fd =
            ::open(w.temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0)
            return errno;
        w.staged = true;
        int err = 0;
        const mode_t mode = e.onDisk ? e.mode & 07777 : NewFileMode();
        if (::fchmod(fd, mode) != 0)
            err = errno;
        if (err == 0 && e.onDisk && ::geteuid() == 0 && (e.uid != 0 || e.gid != 0) &&
            ::fchown(fd, e.uid, e.gid) != 0)
            err = errno;
        if (err == 0)
            err = Take(fault::Step::WriteTemporary, e.native);
        if (err == 0) {
            if (e.held == Held::Text) {
                err = detail::WriteAll(fd, e.text);
            } else if (!w.content.empty()) {
                err = detail::WriteAll(fd, w.content);
                GiveBack(w.content);
            } else if (e.held == Held::Document) {
                err = detail::WritePieces(fd,
                                          [&e](const auto& take) { e.document->EachPiece(take); });
            } else {
                const std::string content = BytesSeen(e);
                err = detail::WriteAll(fd, content);
            }
        }
        if (err == 0 && flush)
            err = Take(fault::Step::FlushTemporary, e.native);
        if (err == 0 && flush && ::fsync(fd) != 0)
            err = errno;
        if (::close(fd) != 0 && err == 0)
            err = errno;
        return err;
    }

    CommitResult Apply(std::vector<Write>& writes, const std::string& record, bool recorded)
    {
        CommitResult result;
        for (Write& w : writes) {
            if (w.inPlace)
                continue;
            int err = 0;
            const std::string& target = w.e->native;
            if (w.op == Op::Remove) {
                err = Take(fault::Step::Delete, target);
                if (err == 0 && ::unlink(target.c_str()) != 0)
                    err = errno;
            } else if ((err = Take(fault::Step::Rename, target)) == 0) {
                err = w.op == Op::Replace ? Rename(w.temp, target) : Create(w.temp, target);
            }
            if (err != 0) {
                result = {err == EEXIST && w.e->mustMatch ? CommitEnd::Stale : CommitEnd::Failed,
                          ErrorOf(err, 76), target};
                break;
            }
            w.moved = true;
        }
        std::set<std::string> folders;
        if (result.end == CommitEnd::Done) {
            // A lone delete is made as the original made it, without a flush of its folder;
            // within an action the folder is flushed before the record goes.
            for (const Write& w : writes) {
                if (!w.inPlace && !(m_lone && w.op == Op::Remove && !recorded))
                    folders.insert(ParentOf(w.e->native));
            }
            for (const std::string& folder : folders) {
                if (const int err = FlushFolder(folder)) {
                    result = {CommitEnd::Failed, ErrorOf(err, 76), folder};
                    break;
                }
            }
        }
        if (result.end != CommitEnd::Done) {
            if (recorded)
                AppendRecord(record, kUndoMark, false);
            std::vector<Move> done;
            for (const Write& w : writes) {
                if (w.moved)
                    done.push_back({w.op, w.e->native, w.temp, w.backup});
            }
            UndoMoves(done);
            for (const std::string& folder : folders)
                FlushFolder(folder);
            return result;
        }
        // Written over their own bytes last: these cannot be undone.
        for (Write& w : writes) {
            if (w.inPlace) {
                if (const int err = InPlace(w))
                    return {CommitEnd::Failed, ErrorOf(err, 76), w.e->native};
            }
        }
        for (Write& w : writes) {
            if (w.linked && ::unlink(w.backup.c_str()) == 0)
                w.linked = false;
        }
        if (recorded) {
            Take(fault::Step::RemoveRecord, record);
            ::unlink(record.c_str());
        }
        return result;
    }

    static int Rename(const std::string& temp, const std::string& target)
    {
        return ::rename(temp.c_str(), target.c_str()) == 0 ? 0 : errno;
    }

    // Takes the name only while nothing is there (a link whose target is gone counts as
    // nothing); a file that another program made meanwhile is never replaced.
    static int Create(const std::string& temp, const std::string& target)
    {
        if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
            return 0;
        int err = errno;
        if (err == EINVAL || err == ENOSYS || err == EOPNOTSUPP) {
            if (::link(temp.c_str(), target.c_str()) == 0) {
                ::unlink(temp.c_str());
                return 0;
            }
            err = errno;
        }
        struct stat st;
        if (err == EEXIST && ::lstat(target.c_str(), &st) == 0 && S_ISLNK(st.st_mode) &&
            ::stat(target.c_str(), &st) != 0)
            return Rename(temp, target);
        return err;
    }

    static int InPlace(Write& w)
    {
        if (const int err = Take(fault::Step::WriteInPlace, w.e->native))
            return err;
        if (w.append) {
            const int fd = ::open(w.e->native.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
            if (fd < 0)
                return errno;
            struct stat before;
            int err = ::fstat(fd, &before) == 0 ? 0 : errno;
            if (err == 0)
                err = detail::WriteAll(fd, w.content);
            if (err != 0)
                (void)::ftruncate(fd, before.st_size); // a cut entry would run into the next
            if (::close(fd) != 0 && err == 0)
                err = errno;
            return err;
        }
        try {
            detail::WriteInPlace(w.e->native, w.content);
        } catch (const RunTimeError& e) {
            return e.number() == 61 ? ENOSPC : e.number() == 57 ? EIO : EACCES;
        }
        return 0;
    }

    void Finish(bool landed)
    {
        std::set<std::string> folders;
        // A document that landed is known byte for byte: it is kept parsed, so that the next
        // read of it compares the file instead of reading and parsing it anew.
        struct Known {
            Entry* e;
            std::unique_ptr<HeldDocument> document;
            Parser parse;
        };
        std::vector<Known> known;
        for (Entry* e : m_held) {
            folders.insert(ParentOf(e->native));
            if (!landed)
                continue;
            DropParsed(*e);
            // One bigger than the budget would only push every other file out.
            if (e->held == Held::Document && e->documentParser && e->document->Size() <= m_budget)
                known.push_back({e, std::move(e->document), std::move(e->documentParser)});
        }
        for (const std::string& folder : folders)
            detail::ForgetListing(Join(folder, ""));
        Discard(); // the held texts go first: the documents' bytes are made whole next
        for (auto& [e, document, parse] : known) {
            struct stat st;
            if (::stat(e->native.c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
                static_cast<std::uint64_t>(st.st_size) != document->Size())
                continue;
            std::shared_ptr<const ParsedFile> parsed = parse(document->TakeContent());
            document.reset();
            Keep(*e, std::move(parsed), FileVersion::Of(st));
        }
    }

public:
    std::string m_recordFolder; // the base folder of the call being made
    bool m_lone = false;        // the commit of a call outside an action

private:
    int m_depth = 0;
    std::vector<int> m_suspended;
    bool m_enabled = true;
    std::uint64_t m_look = 1;  // one per action, or per call outside one
    std::uint64_t m_names = 0; // moves whenever a held name comes or goes

    std::unordered_map<std::string, std::unique_ptr<Entry>> m_entries; // by native path
    Entry* m_reading = nullptr; // whose parsed file was handed out last
    std::vector<Entry*> m_held; // in order of holding
    // Held new files by folder and case-folded name, for the resolution.
    std::unordered_map<std::string, std::unordered_map<std::string, std::string>> m_heldNew;
    std::unordered_map<dev_t, Room> m_room;

    std::unordered_map<std::string, Memo> m_memo; // by literal path, this look
    std::uint64_t m_memoLook = 0;
    Entry* m_last = nullptr;
    Path m_lastPath;
    std::uint64_t m_lastLook = 0;
    std::uint64_t m_lastNames = 0;
    bool m_lastExact = false; // the last entry's native path is its path's spelling

    std::list<Entry*> m_lru; // entries with parsed bytes, most recent first
    std::size_t m_parsedBytes = 0;
    std::size_t m_budget = kDefaultParsedBudget;
    std::uint64_t m_freed = 0; // what held and parsed files gave up since the last trim
    // Reads within one action from which a parsed file counts as read again and again, and
    // the last action in which one did.
    static constexpr std::uint32_t kHot = 64;
    std::uint64_t m_hotLook = 0;
};

Store& TheStore()
{
    static Store store;
    return store;
}

} // namespace

// ---- files.h ---------------------------------------------------------------------------

bool Resolve(const Path& path, std::string& native, struct stat* info)
{
    Store& store = TheStore();
    return store.Alone([&] {
        Entry& e = store.Find(path);
        native = e.native;
        if (e.held != Held::None) {
            if (info) {
                *info = {};
                info->st_mode = S_IFREG | 0644;
                info->st_size = static_cast<off_t>(store.VersionSeen(e).size);
            }
            return e.held != Held::Delete;
        }
        if (!e.onDisk)
            return false;
        if (info && ::stat(e.native.c_str(), info) != 0)
            return false;
        return true;
    });
}

std::string Resolve(const Path& path)
{
    std::string native;
    Resolve(path, native);
    return native;
}

bool FileExists(const Path& path)
{
    Store& store = TheStore();
    return store.Alone([&] { return store.SeenRegular(store.Find(path)); });
}

bool FolderExists(const Path& path)
{
    Store& store = TheStore();
    return store.Alone([&] {
        const Entry& e = store.Find(path);
        return e.held == Held::None && e.onDisk && e.folder;
    });
}

std::string ReadFile(const Path& path)
{
    Store& store = TheStore();
    return store.Alone([&] {
        Entry& e = store.Find(path);
        if (e.held == Held::None && e.onDisk && e.folder)
            Raise(75);
        return store.BytesSeen(e);
    });
}

void WriteFile(const Path& path, std::string content)
{
    Store& store = TheStore();
    store.m_recordFolder = path.base();
    store.Alone([&] { store.WriteText(path, std::move(content)); });
}

FileVersion VersionOf(const Path& path)
{
    Store& store = TheStore();
    return store.Alone([&] { return store.VersionSeen(store.Find(path)); });
}

bool WriteFileIfUnchanged(const Path& path, std::string_view content, const FileVersion& expected)
{
    Store& store = TheStore();
    store.m_recordFolder = path.base();
    if (!store.Open())
        return store.AloneIfUnchanged(path, content, expected);
    Entry& e = store.Find(path);
    if (!(store.VersionSeen(e) == expected))
        return false;
    store.WriteText(path, std::string(content));
    return true;
}

int WriteRefusal(const Path& file)
{
    Store& store = TheStore();
    return store.Alone([&] { return store.Refusal(file); });
}

void EnsureRoom(const Path& file, std::uint64_t bytes)
{
    Store& store = TheStore();
    store.Alone([&] { store.EnsureRoomFor(file, bytes); });
}

void AppendFile(const Path& path, std::string_view content)
{
    Store& store = TheStore();
    store.m_recordFolder = path.base();
    store.Alone([&] { store.Append(path, content); });
}

void CreateFolder(const Path& path)
{
    Store& store = TheStore();
    store.Alone([&] { store.MakeFolder(path); });
}

void DeleteFile(const Path& path)
{
    Store& store = TheStore();
    store.m_recordFolder = path.base();
    store.Alone([&] { store.Delete(path); });
}

void DeleteFolderTree(const Path& path)
{
    Store& store = TheStore();
    store.Alone([&] { store.DeleteTree(path); });
}

std::vector<detail::NamedEntry> ListFolderEntries(const Path& folder)
{
    Store& store = TheStore();
    return store.Alone([&] { return store.List(folder, true); });
}

std::vector<detail::NamedEntry> ListFileEntries(const Path& folder)
{
    Store& store = TheStore();
    return store.Alone([&] { return store.List(folder, false); });
}

namespace {

std::vector<std::string> NamesOf(std::vector<detail::NamedEntry> entries)
{
    std::vector<std::string> names;
    names.reserve(entries.size());
    for (detail::NamedEntry& entry : entries)
        names.push_back(std::move(entry.name));
    return names;
}

} // namespace

std::vector<std::string> ListFolders(const Path& folder)
{
    return NamesOf(ListFolderEntries(folder));
}

std::vector<std::string> ListFiles(const Path& folder)
{
    return NamesOf(ListFileEntries(folder));
}

void BeginAction()
{
    TheStore().Begin();
}

void EndAction()
{
    TheStore().End();
}

void SuspendAction()
{
    TheStore().Suspend();
}

void ResumeAction()
{
    TheStore().Resume();
}

bool InAction()
{
    return TheStore().Open();
}

void SetHoldingEnabled(bool enabled)
{
    TheStore().SetEnabled(enabled);
}

bool HoldingEnabled()
{
    return TheStore().Enabled();
}

void SetParsedBudget(std::size_t bytes)
{
    TheStore().SetBudget(bytes);
}

void RecoverInterruptedCommits(const Path& folder)
{
    const std::string record = Join(folder.base(), kRecordName);
    std::string text;
    if (ReadNative(record, text) != 0)
        return;
    std::vector<Move> moves;
    RecordState state = RecordState::Listed;
    if (ParseRecord(text, moves, state)) {
        if (state == RecordState::Whole)
            CompleteMoves(moves);
        else if (state == RecordState::Undoing)
            UndoMoves(moves);
        RemoveLeftovers(moves);
    }
    ::unlink(record.c_str());
    FlushFolder(folder.base());
    TheStore().DropParsed();
}

// ---- store.h ---------------------------------------------------------------------------

DocumentSight SeeDocument(const Path& file, const Parser& parse)
{
    Store& store = TheStore();
    return store.Alone([&] { return store.See(file, parse); });
}

int EditDocument(const Path& file, const Parser& parse, const DocumentMaker& make,
                 std::uint64_t growth, const DocumentKeeps& keeps,
                 const std::function<void(HeldDocument&)>& edit)
{
    Store& store = TheStore();
    store.m_recordFolder = file.base();
    try {
        return store.Alone([&] { return store.Edit(file, parse, make, growth, keeps, edit); });
    } catch (const RunTimeError& e) {
        return e.number();
    }
}

} // namespace platform::files
