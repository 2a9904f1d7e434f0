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
// The parsed files are kept by the file layer (platform/files/store.h), checked against the
// file's device, inode, size, modification and change time once per user action (at every
// call outside one), so a file that has not changed is not read again. Writes are held by
// the file layer as a document of edits and written when the user action ends (files.h):
// reads in between see them.
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
// again on the newer one. Inside a user action the write is held until the action ends
// (platform/files/files.h); it returns false at once for what would make the write fail:
// missing folder, read-only file, a new file in a read-only folder, a folder or unreadable
// file at the path, a new file name too long, no room on the file system for what the
// action holds.
bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, const files::Path& file);

// Turns the parsed index on (the default) or off. Off, every read reads and parses the
// file anew, as the original platform did; turning it off also empties it.
void SetIndexEnabled(bool enabled);
bool IndexEnabled();

// Turns holding the writes of a user action on (the default) or off (files.h's
// SetHoldingEnabled); off, every write is made at once, as the original platform made it.
void SetBatchingEnabled(bool enabled);
bool BatchingEnabled();

} // namespace platform::profile
