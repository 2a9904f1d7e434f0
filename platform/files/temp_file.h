#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <sys/stat.h>

// Internal to the file layer: the hidden file beside a target that receives the target's
// new content before it takes the target's place.
namespace platform::files::detail {

// The hidden name of temporary file `slot` of the target named `targetName`: "." + the
// name + a fixed ending, or, when that would not fit in a file name, "." + a hash of the
// name + the ending. The same target always gets the same names, so the leftovers of a
// killed write are found again without reading the folder.
std::string TempNameFor(const std::string& targetName, int slot);

// Flushes the folder's entries to disk; errors are ignored (some file systems cannot).
void SyncFolder(const std::string& folder);

// Flushes everything written to the file system holding `folder` at once: 0, or the errno.
int SyncFileSystem(const std::string& folder);

// The steps that make a write durable, in the order they reach the disk; a test watches
// them to see that no rename comes before the flush of its content.
enum class DiskStep { FileFlush, FileSystemFlush, Rename, FolderFlush };
void SetDiskStepObserver(std::function<void(DiskStep step, const std::string& native)> observer);

// Held under an exclusive lock (flock) from its creation until it is renamed or removed,
// so that a writer whose temporary file is still locked is alive. Leftovers of writers
// that are gone are removed when the same target is written next.
class TempFile {
public:
    TempFile() = default;
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    // Makes a temporary file for the target `targetName` in `folder`: 0, or the errno of
    // the failure.
    int Open(const std::string& folder, const std::string& targetName);

    // Gives the file the owner and group of `file` when they are not the caller's: 0, or
    // the errno when the caller may not.
    int TakeOwner(const struct stat& file);

    // Gives the file `mode`, writes `content`, flushes it to disk (unless the caller
    // flushes a whole group at once before the rename) and fills `written` (when given):
    // 0, or the errno of the failure.
    int Fill(std::string_view content, mode_t mode, struct stat* written, bool flush = true);

    // Renames the file over `target`, then flushes the folder unless the caller flushes it
    // once for a group: 0, or the errno of the failure.
    int Replace(const std::string& target, bool syncFolder = true);
    // Gives the file the name `target` only while nothing is there: 0, EEXIST when
    // something is, or the errno of another failure.
    int Create(const std::string& target, bool syncFolder = true);

    const std::string& folder() const { return m_folder; }

private:
    void Done(bool syncFolder);

    std::string m_folder;
    std::string m_path;
    int m_fd = -1;
};

} // namespace platform::files::detail
