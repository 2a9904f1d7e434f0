#pragma once

#include "platform/files/path.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <vector>

// The runtime's file services over one path resolver. Every function resolves its path
// component by component without regard to letter case (see Path). Failures throw
// platform::RunTimeError with the number the original runtime gave, mapped from errno:
// 53 file not found, 76 path not found, 70 permission denied, 61 disk full, 57 device I/O
// error, 75 path/file access error, 52 bad file name. No file stays open after a call.
namespace platform::files {

// The native path `path` names now. Components that match an existing entry (exact first,
// then without regard to case; of several such entries the first in byte order) take that
// entry's spelling; from the first one that matches nothing on, the spelling given.
// Entries the program cannot name apart from another (see NameEntries) never match.
// `info`, when given, receives the entry's stat; returns false when nothing exists there.
bool Resolve(const Path& path, std::string& native, struct stat* info = nullptr);
std::string Resolve(const Path& path);

// Whether the listings of folders read to find names without regard to case are kept and
// used again while a folder is unchanged (on by default; a benchmark's baseline turns it
// off). A listing taken within a timestamp tick of the folder's last change is not kept,
// so a change made by anyone afterwards is always seen.
void SetListingCacheEnabled(bool enabled);
bool ListingCacheEnabled();

// True when a file (not a folder) exists at exactly this path; no wildcards. A missing
// folder on the way gives false, not an error.
bool FileExists(const Path& path);
// True when a folder exists at this path.
bool FolderExists(const Path& path);

// The whole file as bytes. 53 when there is no file, 75 when it is a folder.
std::string ReadFile(const Path& path);

// Replaces the file's whole content with `content` (made when missing). The bytes go to a
// hidden temporary file beside it, flushed to disk and then renamed over the old one, so a
// failed write leaves the old file whole and no temporary file behind; the original
// runtime wrote in place. A replaced file keeps its permissions, owner and group, and one
// the caller may not write is left alone with 70, as the original's write failed. A file
// the caller may write but not replace as its own (in a folder the caller may not write,
// or another user's file) is written in place, as the original did. A file that appears
// while a missing one is being made is not replaced: 58. 76 when the folder is missing.
// `written`, when given, receives the stat of the file as written.
void WriteFile(const Path& path, std::string_view content, struct stat* written = nullptr);

// What a reader saw of a file: whether something was there and, when it was, its identity
// and stamp. Two versions are equal when both are absent, or both name the same inode with
// the same size and modification time.
struct FileVersion {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    struct timespec modified = {};

    static FileVersion Of(const struct stat& st);
    bool operator==(const FileVersion& other) const;
};

// The version of the file at `path` now (absent when nothing is there).
FileVersion VersionOf(const Path& path);

// WriteFile, but only while the file is still the version `expected`: when `expected` is
// absent and a file has appeared meanwhile, or the file was replaced or changed since it was
// read, nothing is written and the call returns false, so the caller can read it again and
// redo its edit. Errors as WriteFile.
bool WriteFileIfUnchanged(const Path& path, std::string_view content, const FileVersion& expected,
                          struct stat* written = nullptr);

// One whole-file write of a group written together (WriteFilesTogether).
struct GroupWrite {
    Path path;
    std::string_view content;
    // With a version, the write is WriteFileIfUnchanged's; without, WriteFile's.
    std::optional<FileVersion> expected;
    // Filled in: the stat of the file as written, the error number when the write failed,
    // and whether the file had become another version than `expected` (nothing written).
    struct stat written = {};
    int error = 0;
    bool stale = false;
};

// Each of `writes` as WriteFile or WriteFileIfUnchanged would write it, in order, with the
// same bytes and the same checks, but flushed together: every temporary file is written
// first, then all of them reach the disk with one flush of the file system, then each is
// renamed over its target, then each folder is flushed once. A failing write fails alone.
void WriteFilesTogether(std::vector<GroupWrite>& writes);

// A layer that holds whole-file writes back (see profile.h's write batch) registers here.
// WriteFile offers it a write that would take the plain way (the folder is there and
// writable, the file missing or a regular file of the caller's that the caller may write),
// so that a held write could not have failed where writing at once would not; `native` is
// the path resolved. When the holder returns false the write happens at once.
void SetWriteHolder(
    std::function<bool(const Path& path, const std::string& native, std::string_view content)>
        holder);

// Raises 61 (disk full) unless the file system that holds `file` (or would hold it, when it is
// missing) has room for `bytes` more than what the running user action holds for it already.
// An action that writes several files as one unit (a faction of an import) asks once, before
// its first write, so that it never stops half-way for want of room.
void EnsureRoom(const Path& file, std::uint64_t bytes);

// Adds `content` at the end of the file (made when missing). 76 when the folder is missing.
// When the write fails part-way the file is cut back to its old length (a file this call
// made is removed) and the error raised.
void AppendFile(const Path& path, std::string_view content);

// Makes one folder. 75 when an entry of that name exists already (in any letter case),
// 76 when its parent is missing.
void CreateFolder(const Path& path);

// Deletes one file. 53 when there is none.
void DeleteFile(const Path& path);
// Deletes a folder with everything in it. 76 when there is no such folder.
void DeleteFolderTree(const Path& path);

// The names of the folders, or of the files, directly inside `folder`, in the order of every
// list the program shows (platform/text/collation.h). Names starting with "." (hidden on this
// system, among them an interrupted write's temporary file) are left out, and so are names
// the program cannot name apart from another (see NameEntries).
// 76 when the folder is missing.
std::vector<std::string> ListFolders(const Path& folder);
std::vector<std::string> ListFiles(const Path& folder);

// The lines of `text` by the runtime's line-input rule: CR LF or a lone CR ends a line, a
// lone LF does not (it stays in the line); a last line without a line end is still a line,
// and text that ends in a line end has no empty line after it. "" gives no lines.
std::vector<std::string> SplitLines(std::string_view text);

// Called with the native path of every file or folder that a function above replaced,
// appended to or deleted, so that caches of file contents can forget it.
void AddChangeListener(std::function<void(const std::string& native)> listener);

// Called with the path a function above (other than Resolve) is about to
// read, write, list or delete, before it looks at the disk, so that a layer holding writes
// of its own back can put them on disk first. A listener may raise a RunTimeError, which
// then leaves the call with nothing done.
void AddBeforeAccessListener(std::function<void(const Path& path)> listener);

} // namespace platform::files
