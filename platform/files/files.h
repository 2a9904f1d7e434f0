#pragma once

#include "platform/files/distinct_names.h"
#include "platform/files/path.h"

#include <cstddef>
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
// 53 file not found, 76 path not found, 70 permission denied, 61 disk full (also a file
// past the size limit), 57 device I/O error, 75 path/file access error, 52 bad file name.
// No file stays open after a call.
//
// One user action, one transaction. Between BeginAction and the matching EndAction (the
// event boundary of platform/forms opens one around every outermost handler) the
// functions below hold every change instead of making it: whole-file writes, appends and
// file deletes are kept in memory, INI edits as the profile layer's document (store.h).
// Everything the action does sees what it holds: reads, FileExists, VersionOf, Resolve and
// the listings. A write that cannot succeed fails at its own call: a missing folder, a
// read-only file (no write bit means read-only, for root too), a name too long, no room
// on the file system for what the action holds so far. EndAction writes everything at
// once, all or nothing, also across a kill or a power cut: each new content goes to a
// hidden temporary file beside its target and is flushed, then an intent record naming
// every rename and delete is made durable, then the renames and deletes are made, the
// folders flushed and the record removed. RecoverInterruptedCommits completes or undoes
// a commit that a kill cut short. Folders are made and folder trees deleted at once.
// Outside an action every call is an action of its own, written before it returns.
namespace platform::files {

// The native path `path` names now. Components that match an existing entry (exact first,
// then without regard to case; of several such entries the first in byte order) take that
// entry's spelling; from the first one that matches nothing on, the spelling given.
// Entries the program cannot name apart from another (see NameEntries) never match.
// `info`, when given, receives the entry's stat; returns false when nothing exists there.
// A file the running action holds counts as there (a held new file matches its name, a held
// delete does not); its `info` then tells a regular file of the held size.
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

// Replaces the file's whole content with `content` (made when missing). Written when the
// action ends: the bytes go to a hidden temporary file beside it, flushed to disk and then
// renamed over the old one, so a failed write leaves the old file whole and no temporary
// file behind; the original runtime wrote in place. A replaced file keeps its permissions,
// owner and group. A file without a write bit is left alone with 70, as the original's
// write failed, whoever runs the program. A file the caller may write but not replace as
// its own (in a folder the caller may not write, or another user's file) is written in
// place when the action ends, as the original did; only such a write is not undone with
// the rest of a failed action. A file that appears while a missing one is being made is
// not replaced: 58 when the action ends. 76 when the folder is missing, 52 for a name too
// long, 61 when the file system lacks room for what the action holds. The content is moved
// into the store when the caller passes it so (a compiled output is not copied again).
void WriteFile(const Path& path, std::string content);

// What a reader saw of a file: whether something was there and, when it was, its identity
// and stamps. Two versions are equal when both are absent, or both name the same inode with
// the same size, modification time and change time. The change time moves with every
// change of the file and no program can set it back, so an edit that keeps the size and
// puts the old modification time back is still a new version.
struct FileVersion {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    struct timespec modified = {};
    struct timespec changed = {};

    static FileVersion Of(const struct stat& st);
    bool operator==(const FileVersion& other) const;
};

// The version of the file at `path` now (absent when nothing is there). A file the action
// holds has a version of its own that changes with each held change.
FileVersion VersionOf(const Path& path);

// WriteFile, but only while the file is still the version `expected`: when `expected` is
// absent and a file has appeared meanwhile, or the file was replaced or changed since it was
// read, nothing is written and the call returns false, so the caller can read it again and
// redo its edit. Errors as WriteFile.
bool WriteFileIfUnchanged(const Path& path, std::string_view content, const FileVersion& expected);

// 0, or the number of the error with which a whole-file write of `file` would be refused at
// its statement now (missing folder, read-only file, a name too long, ...), as the running
// action sees the file: one it holds as new counts as there. Room is EnsureRoom's to ask.
int WriteRefusal(const Path& file);

// Raises 61 (disk full) unless the file system that holds `file` (or would hold it, when it is
// missing) has room for `bytes` more than what the running user action holds for it already.
// An action that writes several files as one unit (a faction of an import) asks once, before
// its first write, so that it never stops half-way for want of room.
void EnsureRoom(const Path& file, std::uint64_t bytes);

// Adds `content` at the end of the file (made when missing), as part of the action: it
// lands after every write the action made before it, or not at all. 76 when the folder is
// missing, 70 for a read-only file.
void AppendFile(const Path& path, std::string_view content);

// Makes one folder. 75 when an entry of that name exists already (in any letter case),
// 76 when its parent is missing.
void CreateFolder(const Path& path);

// Deletes one file when the action ends, with its other changes. 53 when there is none.
void DeleteFile(const Path& path);
// Deletes a folder with everything in it at once, not when the action ends; what the action
// holds below it is dropped. 76 when there is no such folder.
void DeleteFolderTree(const Path& path);

// The names of the folders, or of the files, directly inside `folder`, in the order of every
// list the program shows (platform/text/collation.h). Names starting with "." (hidden on this
// system, among them an interrupted write's temporary file) are left out, and so are names
// the program cannot name apart from another (see NameEntries).
// A file the action holds as new is listed, one it holds as deleted is not.
// 76 when the folder is missing.
std::vector<std::string> ListFolders(const Path& folder);
std::vector<std::string> ListFiles(const Path& folder);
// The same, each name beside the entry's own bytes on disk, for a list that hands out native
// paths: a name stored otherwise than the program writes it is reached by those bytes.
std::vector<detail::NamedEntry> ListFolderEntries(const Path& folder);
std::vector<detail::NamedEntry> ListFileEntries(const Path& folder);

// The lines of `text` by the runtime's line-input rule: CR LF or a lone CR ends a line, a
// lone LF does not (it stays in the line); a last line without a line end is still a line,
// and text that ends in a line end has no empty line after it. "" gives no lines.
std::vector<std::string> SplitLines(std::string_view text);

// The transaction of one user action (see the top of this file). Begin and End nest; only
// the outermost End writes. End raises the error of a write that failed while the action
// was being written: its description then ends in " (" + the file's native path + ")", and
// nothing of the action has landed. Suspend writes what is held and sets the action aside
// until Resume, so that everything in between (a modal window's own events) is actions of
// its own; pairs nest.
void BeginAction();
void EndAction();
void SuspendAction();
void ResumeAction();
// True between the outermost Begin and its End while holding is on.
bool InAction();

// Turns holding on (the default) or off. Off, every call inside an action writes at once,
// as outside one (a benchmark's baseline); turning it off writes what is held.
void SetHoldingEnabled(bool enabled);
bool HoldingEnabled();

// The parsed files the store keeps for the INI reads are bounded by this many bytes of
// memory (they are read again when needed); 0 keeps none.
void SetParsedBudget(std::size_t bytes);

// Completes a commit that a kill or power cut interrupted after its intent record was made
// durable and whole, or undoes one whose record is not (its temporary files are removed),
// so that every file it touched holds all its bytes from before or all from after. The
// record of a commit lives in the base folder (Path::Native) of the first file the action
// changed: the program folder for the program's files. Call once at start, before the
// projects are listed; `folder`'s base is the folder searched. Nothing is left behind.
void RecoverInterruptedCommits(const Path& folder);

} // namespace platform::files
