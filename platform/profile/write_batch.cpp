#include "write_batch.h"

#include "platform/errors/run_time_error.h"
#include "platform/files/distinct_names.h"
#include "platform/files/names.h"
#include "platform/files/native_path.h"
#include "profile.h"

#include <climits>
#include <cstdint>
#include <memory>
#include <optional>
#include <unistd.h>
#include <unordered_map>
#include <vector>

namespace platform::profile {

namespace {

// A held file: INI edits (a document and its edits), or the whole text of a file write.
struct Pending {
    files::Path path;
    std::string native;
    std::string folded;         // FoldNative(native)
    files::FileVersion version; // the version the edits apply to
    std::unique_ptr<IniDocument> document;
    std::string edits; // every Set in order, to redo on a newer version
    std::optional<std::string> text;
};

void PutField(std::string& log, std::string_view field)
{
    const auto size = static_cast<std::uint32_t>(field.size());
    log.append(reinterpret_cast<const char*>(&size), sizeof size).append(field);
}

std::string_view TakeField(std::string_view& log)
{
    std::uint32_t size;
    log.copy(reinterpret_cast<char*>(&size), sizeof size);
    const std::string_view field = log.substr(sizeof size, size);
    log.remove_prefix(sizeof size + size);
    return field;
}

void Redo(std::string_view log, IniDocument& document)
{
    while (!log.empty()) {
        const std::string_view section = TakeField(log);
        const std::string_view key = TakeField(log);
        const std::string_view value = TakeField(log);
        document.Set(section, key, value);
    }
}

// What writing the file now needs: a file we may write (the file layer writes it in place
// when its folder is closed to us), or a new name in a folder we may write.
bool Writable(const Loaded& loaded)
{
    if (loaded.exists && !loaded.index)
        return false; // there, but a folder or unreadable: never replace what we cannot read
    if (loaded.exists)
        return ::access(loaded.native.c_str(), W_OK) == 0;
    const std::string folder = files::detail::ParentOf(loaded.native);
    struct stat st;
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) ||
        ::access(folder.c_str(), W_OK | X_OK) != 0)
        return false;
    return files::detail::BaseNameOf(loaded.native).size() <= NAME_MAX;
}

// A native path in the form in which two spellings of one name compare equal: each name in
// its CP1252 text with letter case folded, as names are matched. Folding the UTF-8 bytes
// instead would miss "\xC9" for "\xE9" and join "\xDA" with "\xCA". A name stored otherwise
// than the program writes it (decomposed, Latin-1) folds as the name the program knows it by,
// so it meets that name's other spellings: writing a held file early is safe. A name the
// program cannot spell (in a native folder) stays as it is, marked so that it equals no
// folded name.
std::string FoldNative(const std::string& native)
{
    std::string folded;
    folded.reserve(native.size());
    std::size_t from = 0;
    for (;;) {
        const std::size_t slash = native.find('/', from);
        const std::string_view name(native.data() + from,
                                    (slash == std::string::npos ? native.size() : slash) - from);
        if (const auto text = files::ProgramName(name))
            folded.append(files::FoldCase(*text));
        else
            folded.append(1, '\0').append(name);
        if (slash == std::string::npos)
            return folded;
        folded.push_back('/');
        from = slash + 1;
    }
}

// The same file, or `pending` lies inside the folder `accessed`. Letter case is ignored:
// writing a held file early is always safe, missing one is not. Both as FoldNative gives.
bool Touches(const std::string& a, const std::string& p)
{
    return p == a || (p.size() > a.size() && p[a.size()] == '/' && p.compare(0, a.size(), a) == 0);
}

class Batch {
    struct Seen {
        Loaded loaded;
        std::string folded; // FoldNative(loaded.native)
    };

public:
    Batch()
    {
        files::AddBeforeAccessListener([this](const files::Path& path) { BeforeAccess(path); });
        files::AddChangeListener([this](const std::string& native) { Unsee(native); });
        files::SetWriteHolder(
            [this](const files::Path& path, const std::string& native, std::string_view content) {
                return Hold(path, native, content);
            });
    }

    bool enabled = true;

    bool Open() const { return enabled && m_depth > 0; }

    void Begin() { ++m_depth; }

    bool End()
    {
        if (m_depth == 0 || --m_depth > 0)
            return true;
        WriteAll();
        Unsee();
        const bool ok = !m_failed;
        m_failed = false;
        return ok;
    }

    void Suspend()
    {
        WriteAll();
        m_suspended.push_back(m_depth);
        m_depth = 0;
        Unsee();
    }

    void Resume()
    {
        WriteAll();
        Unsee();
        if (!m_suspended.empty()) {
            m_depth = m_suspended.back();
            m_suspended.pop_back();
        }
    }

    // Every held file together: the temporary files of all, one flush, then the renames.
    void WriteAll()
    {
        Busy busy(*this);
        std::vector<std::string> contents;
        std::vector<files::GroupWrite> writes;
        contents.reserve(m_pending.size());
        writes.reserve(m_pending.size());
        for (const auto& pending : m_pending) {
            files::GroupWrite write;
            write.path = pending->path;
            if (pending->text) {
                write.content = *pending->text;
            } else {
                contents.push_back(pending->document->Content());
                write.content = contents.back();
                write.expected = pending->version;
            }
            writes.push_back(std::move(write));
        }
        files::WriteFilesTogether(writes);
        for (std::size_t i = 0; i < writes.size(); ++i) {
            Pending& pending = *m_pending[i];
            const files::GroupWrite& write = writes[i];
            if (write.error != 0 || (write.stale && Write(pending) != 0))
                m_failed = true;
            else if (!write.stale && !pending.text)
                Remember(pending.native, write.written, ParseIni(std::string(write.content)));
        }
        Forget();
    }

    // Holds a whole-file write back; the last content of a file wins. A file with INI
    // edits held is written at once instead: the edits first, then the text over them.
    bool Hold(const files::Path& path, const std::string& native, std::string_view content)
    {
        if (!Open() || m_busy)
            return false;
        const std::string folded = FoldNative(native);
        if (const auto held = m_byFolded.find(folded); held != m_byFolded.end()) {
            if (!held->second->text)
                return false;
            // The file keeps the spelling of its first write, as it would on the disk.
            held->second->text = std::string(content);
            return true;
        }
        auto added = std::make_unique<Pending>();
        added->path = path;
        added->native = native;
        added->text = std::string(content);
        Add(std::move(added));
        return true;
    }

    // What this batch saw of `file`, read at its first sight, with its folded path worked out
    // once: the reads of a compile come here a million times, mostly for the file of the read
    // before, which is found without spelling out its path.
    const Seen& SeenOf(const files::Path& file)
    {
        WriteHeldText(file);
        if (m_last && m_lastPath == file)
            return *m_last;
        Busy busy(*this);
        std::string literal = file.Literal();
        auto seen = m_seen.find(literal);
        if (seen == m_seen.end()) {
            Loaded loaded = Load(file);
            std::string folded = FoldNative(loaded.native);
            seen = m_seen.emplace(std::move(literal), Seen{std::move(loaded), std::move(folded)})
                       .first;
        }
        m_lastPath = file;
        m_last = &seen->second;
        return seen->second;
    }

    BatchView View(const files::Path& file)
    {
        const Seen& seen = SeenOf(file);
        BatchView view;
        view.loaded = &seen.loaded;
        if (Pending* pending = Find(seen))
            view.pending = pending->document.get();
        return view;
    }

    bool Defer(const files::Path& file, std::string_view section, std::string_view key,
               std::string_view value)
    {
        const Seen& seen = SeenOf(file);
        const Loaded& loaded = seen.loaded;
        Pending* pending = Find(seen);
        if (!pending) {
            if (!Writable(loaded))
                return false;
            auto added = std::make_unique<Pending>();
            added->path = file;
            added->native = loaded.native;
            added->version = loaded.version;
            added->document = std::make_unique<IniDocument>(loaded.index);
            pending = added.get();
            Add(std::move(added));
        }
        pending->document->Set(section, key, value);
        PutField(pending->edits, section);
        PutField(pending->edits, key);
        PutField(pending->edits, value);
        return true;
    }

private:
    struct Busy {
        explicit Busy(Batch& batch)
            : m_batch(batch)
            , m_was(batch.m_busy)
        {
            batch.m_busy = true;
        }
        ~Busy() { m_batch.m_busy = m_was; }
        Batch& m_batch;
        bool m_was;
    };

    // A file that does not exist yet may be named in another letter case than the first
    // write named it; one that exists resolves to its own spelling.
    Pending* Find(const Seen& seen)
    {
        if (m_pending.empty())
            return nullptr;
        const Loaded& loaded = seen.loaded;
        const auto [first, last] = m_byFolded.equal_range(seen.folded);
        Pending* found = nullptr;
        for (auto it = first; it != last; ++it) {
            if (it->second->native == loaded.native)
                return it->second;
            if (!loaded.exists && !found)
                found = it->second;
        }
        return found;
    }

    // The held files by their folded native path, and every folded name on their way.
    void Add(std::unique_ptr<Pending> pending)
    {
        pending->folded = FoldNative(pending->native);
        m_byFolded.emplace(pending->folded, pending.get());
        for (std::size_t from = 0; from < pending->folded.size();) {
            const std::size_t slash = pending->folded.find('/', from);
            const std::size_t end = slash == std::string::npos ? pending->folded.size() : slash;
            const std::string name = pending->folded.substr(from, end - from);
            ++m_names[name];
            if (pending->text)
                ++m_textNames[name];
            from = end + 1;
        }
        m_pending.push_back(std::move(pending));
    }

    void Forget()
    {
        m_pending.clear();
        m_byFolded.clear();
        m_names.clear();
        m_textNames.clear();
    }

    // Takes the held file at `it` out; the names stay counted, which only makes an access
    // look for held files once more than it needs to.
    std::vector<std::unique_ptr<Pending>>::iterator
    Remove(std::vector<std::unique_ptr<Pending>>::iterator it)
    {
        const auto [first, last] = m_byFolded.equal_range((*it)->folded);
        for (auto at = first; at != last; ++at) {
            if (at->second == it->get()) {
                m_byFolded.erase(at);
                break;
            }
        }
        it = m_pending.erase(it);
        if (m_pending.empty())
            Forget();
        return it;
    }

    // On a version other than the one the edits were made on (another program saved the
    // file meanwhile), the edits are made again on what is there now. 0, or the number of
    // the error the write raises (5 for INI edits, as a failed WriteIni gives).
    int Write(Pending& pending)
    {
        if (pending.text) {
            try {
                files::WriteFile(pending.path, *pending.text);
            } catch (const RunTimeError& e) {
                return e.number();
            }
            return 0;
        }
        for (int attempt = 0; attempt < kWriteAttempts; ++attempt) {
            std::string content = pending.document->Content();
            struct stat st;
            try {
                if (files::WriteFileIfUnchanged(pending.path, content, pending.version, &st)) {
                    Remember(pending.native, st, ParseIni(std::move(content)));
                    return 0;
                }
            } catch (const RunTimeError&) {
                return 5;
            }
            const Loaded now = Load(pending.path);
            if (now.exists && !now.index)
                return 5;
            pending.native = now.native;
            pending.version = now.version;
            pending.document = std::make_unique<IniDocument>(now.index);
            Redo(pending.edits, *pending.document);
        }
        return 5;
    }

    // A text read, write, append, delete or listing of a held file, or of a folder holding
    // one, finds the file as writing key by key would have left it.
    void BeforeAccess(const files::Path& path) { WriteHeld(path, false); }

    // An INI read of a file whose whole text is held reads it from the disk.
    void WriteHeldText(const files::Path& path) { WriteHeld(path, true); }

    void WriteHeld(const files::Path& path, bool onlyText)
    {
        if (m_busy || m_pending.empty())
            return;
        if (!MayTouchAny(path, onlyText ? m_textNames : m_names))
            return;
        Busy busy(*this);
        const std::string accessed = FoldNative(files::Resolve(path));
        int failed = 0;
        for (auto it = m_pending.begin(); it != m_pending.end();) {
            if ((!onlyText || (*it)->text) && Touches(accessed, (*it)->folded)) {
                const int error = Write(**it);
                failed = failed ? failed : error;
                it = Remove(it);
            } else {
                ++it;
            }
        }
        if (failed) {
            m_failed = true;
            Raise(failed);
        }
    }

    // Without a look at the disk: whether the last name of `path` is a name on the way to a
    // held file. Most accesses while files are held are of other files, and resolving a new
    // file's name costs a scan of its folder.
    static bool MayTouchAny(const files::Path& path,
                            const std::unordered_map<std::string, int>& names)
    {
        if (names.empty())
            return false;
        if (path.components().empty())
            return true;
        return names.count(FoldNative(files::Cp1252ToUtf8(path.Name()))) > 0;
    }

    // Forgets what the batch saw of `native`, of what lies below it, and of every missing
    // file (the change may have made it, or the folder on its way).
    void Unsee(const std::string& native)
    {
        m_last = nullptr;
        const std::string changed = FoldNative(native);
        for (auto it = m_seen.begin(); it != m_seen.end();) {
            if (!it->second.loaded.exists || Touches(changed, it->second.folded))
                it = m_seen.erase(it);
            else
                ++it;
        }
    }

    void Unsee()
    {
        m_last = nullptr;
        m_seen.clear();
    }

    int m_depth = 0;
    std::vector<int> m_suspended;
    bool m_failed = false;
    bool m_busy = false;
    std::vector<std::unique_ptr<Pending>> m_pending; // in the order of their first write
    std::unordered_multimap<std::string, Pending*> m_byFolded;
    std::unordered_map<std::string, int> m_names;     // on the way to any held file
    std::unordered_map<std::string, int> m_textNames; // on the way to a held text
    std::unordered_map<std::string, Seen> m_seen;     // by literal path, this batch
    files::Path m_lastPath;                           // of the last look, while m_last is set
    const Seen* m_last = nullptr;
};

Batch& TheBatch()
{
    static Batch batch;
    return batch;
}

} // namespace

bool Batching()
{
    return TheBatch().Open();
}

BatchView View(const files::Path& file)
{
    return TheBatch().View(file);
}

bool Defer(const files::Path& file, std::string_view section, std::string_view key,
           std::string_view value)
{
    return TheBatch().Defer(file, section, key, value);
}

void BeginWriteBatch()
{
    TheBatch().Begin();
}

bool EndWriteBatch()
{
    return TheBatch().End();
}

void SuspendWriteBatch()
{
    TheBatch().Suspend();
}

void ResumeWriteBatch()
{
    TheBatch().Resume();
}

void SetBatchingEnabled(bool enabled)
{
    Batch& batch = TheBatch();
    if (!enabled)
        batch.WriteAll();
    batch.enabled = enabled;
}

bool BatchingEnabled()
{
    return TheBatch().enabled;
}

} // namespace platform::profile
