#pragma once

#include "platform/files/path.h"

#include <functional>
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
// Entries whose names the program cannot hold apart (see IsDistinctName) never match.
// `info`, when given, receives the entry's stat; returns false when nothing exists there.
bool Resolve(const Path& path, std::string& native, struct stat* info = nullptr);
std::string Resolve(const Path& path);

// True when a file (not a folder) exists at exactly this path; no wildcards. A missing
// folder on the way gives false, not an error.
bool FileExists(const Path& path);
// True when a folder exists at this path.
bool FolderExists(const Path& path);

// The whole file as bytes. 53 when there is no file, 75 when it is a folder.
std::string ReadFile(const Path& path);

// Replaces the file's whole content with `content` (made when missing). The bytes go to a
// temporary file beside it, which is then renamed over the old one, so a failed write
// leaves the old file whole and no temporary file behind; the original runtime wrote in
// place. A replaced file keeps its permissions. 76 when the folder is missing.
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
bool WriteFileIfUnchanged(const Path& path, std::string_view content,
                          const FileVersion& expected, struct stat* written = nullptr);

// Adds `content` at the end of the file (made when missing). 76 when the folder is missing.
void AppendFile(const Path& path, std::string_view content);

// Makes one folder. 75 when an entry of that name exists already (in any letter case),
// 76 when its parent is missing.
void CreateFolder(const Path& path);

// Deletes one file. 53 when there is none.
void DeleteFile(const Path& path);
// Deletes a folder with everything in it. 76 when there is no such folder.
void DeleteFolderTree(const Path& path);

// The names of the folders, or of the files, directly inside `folder`, in the order of the
// original folder and file lists: by name, letter case ignored. Names starting with "."
// (hidden on this system, among them an interrupted write's temporary file) are left
// out, and so are names the program cannot hold apart from another (see IsDistinctName).
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

} // namespace platform::files
