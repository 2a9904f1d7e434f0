#pragma once

#include "platform/files/path.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The private-profile (INI file) calls of the original platform, our own reader and writer.
//
// File layout as read:
// - A line ends at CR LF, at a lone LF or at a lone CR; the last line needs no line end.
//   Blank lines and lines of only blanks (space, tab) are ignored.
// - A line whose first non-blank character is "[" opens a section. Its name runs to the
//   first "]" (to the line's end when there is none), trimmed of blanks ("[ Main ]" is
//   "Main"); text after the "]" is ignored.
// - A line whose first non-blank character is ";" is a comment. "#" is no comment, and
//   there are no inline comments: in "key=value ;x" the value is "value ;x".
// - Any other line with "=" is a key line: the key is the text before the first "=", the
//   value the text after it, both trimmed of blanks. A line without "=" is no key.
// - Lines before the first section belong to no section and are never found.
// Section and key names match without regard to letter case (CP1252 letters); only the
// first section of a name is searched, and in it the first line of a key wins. Values
// come back byte for byte, quotes included (the original platform stripped one pair of
// outer quotes; keeping them means showing a value and writing it back never changes it).
//
// Parsed files are kept in an index checked against the file's device, inode, size and
// modification time (nanoseconds) on every read, so a file that has not changed is not
// read again; our own writes update the index, and every write of the file layer
// (platform/files) drops the entry of the file it touched. Inside a write batch each file
// is checked once, the first time the batch looks at it.
namespace platform::profile {

// The trimmed value of `key` in the first section `section` of `file`; "" for a key that
// is present with an empty value. nullopt when the file, the section or the key is
// missing, when `file` is a folder or cannot be read, and for an empty path.
// The whole value, however long (the buffer limit is GetPrivateProfileString's).
std::optional<std::string> FindProfileValue(std::string_view section, std::string_view key,
                                            const files::Path& file);

// GetPrivateProfileString with a buffer of `size` characters: `returned` receives the
// value (or `defaultValue` when FindProfileValue finds none), cut to its first size - 1
// bytes; returns the number of bytes in `returned`. A size of 0 gives "" and 0.
std::size_t GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, std::string& returned,
                                    std::size_t size, const files::Path& file);

// WritePrivateProfileString: stores `value` verbatim under `key` in `section` of `file`.
// Returns true on success. Leading and trailing blanks of `section` and `key` are dropped.
// - File missing, folder present: the file is made as "[section]" CR LF "key=value" CR LF.
// - Key present (first line of it in the first section of that name): that line becomes
//   the key as spelled in the file, "=", the value and CR LF; every other byte stays.
// - Key missing: "key=value" CR LF goes right after the section's last key line (its
//   header line when it has none); CR LF is added first when that line had no line end.
// - Section missing: "[section]" CR LF "key=value" CR LF at the end, after a CR LF when
//   the file does not end in a line end.
// Returns false and changes nothing when the folder is missing, the file cannot be read
// or replaced, the path is empty, or `section` or `key` would not read back as itself
// (IsStorableSectionName, IsStorableKeyName in ini_names.h). The file is replaced through a
// temporary file and a rename, so a failed write leaves the old file whole; the rename
// happens only while the file is still the version that was read, else the edit is made
// again on the newer one. Inside a write batch the write is held back (see
// BeginWriteBatch); it returns false then for what would make the write fail now: missing
// folder, read-only file, a new file in a read-only folder, a folder or unreadable file at
// the path, a new file name too long.
bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, const files::Path& file);

// Turns the parsed index on (the default) or off. Off, every read reads and parses the
// file anew, as the original platform did; turning it off also empties it.
void SetIndexEnabled(bool enabled);
bool IndexEnabled();

// A write batch: from the outermost Begin to its End, WritePrivateProfileString keeps each
// file's new content in memory, and End writes each touched file once, with exactly the
// bytes the writes one by one would have left. Reads in between see the held writes; a text
// read, write, append, delete or listing through the file layer of a held file (or of a
// folder holding one) writes that file first. End returns false when a held file could not
// be written after all (the disk filled, ...); such a failure seen earlier by the file
// layer raises error 5 there. Begin and End nest; only the outermost End writes.
// Whole-file writes of the file layer (files::WriteFile) that would succeed now are held the
// same way, the last content of a file winning; any access of such a file (or its folder)
// through the file layer, or an INI read of it, writes it first. End writes every held file
// together: all temporary files, one flush of the file system, then the renames (each still
// checked as one by one), then each folder flushed once.
void BeginWriteBatch();
bool EndWriteBatch();

// Writes what is held and sets the open batch aside until Resume, so that everything in
// between (a modal window's own events) writes as outside a batch. Pairs nest.
void SuspendWriteBatch();
void ResumeWriteBatch();

// Turns batching on (the default) or off. Off, every write inside a batch writes at once,
// as outside one; turning it off writes what is held.
void SetBatchingEnabled(bool enabled);
bool BatchingEnabled();

} // namespace platform::profile
