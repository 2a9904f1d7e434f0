#pragma once

#include "platform/files/path.h"

#include <cstdint>
#include <functional>
#include <string>

// Whole text files and single lines. Text is CP1252 bytes with CR LF line ends. Every
// write and every append puts exactly one CR LF after the given text, so text that
// already ends in CR LF leaves two; list files rely on that empty last line.
// The functions catch nothing: a file that cannot be read or written raises the file
// layer's run-time error (76 for a missing folder, 70 permission denied, ...).
namespace quorvel {

using platform::files::Path;

// The whole file; "" when there is no file at `sFile` (a folder does not count, a missing
// folder on the way finds nothing).
std::string ReadTextFile(const Path& sFile);

// The file afterwards holds `sText` and CR LF, whatever it held before (made when
// missing). Written to a temporary file and renamed into place, so a failure leaves the
// old file whole.
void WriteTextFile(const Path& sFile, const std::string& sText);

// WriteTextFile of `edit` applied to ReadTextFile, replacing only the version that was
// read: when another program saved the file meanwhile, it is read again and edited anew.
// Raises 75 when the file keeps changing under it.
void RewriteTextFile(const Path& sFile, const std::function<std::string(const std::string&)>& edit);

// Adds `sText` and CR LF at the end (the file is made when missing).
void AppendTextFile(const Path& sFile, const std::string& sText);

// Line `lLine` of the file, counted from 1. CR LF or a lone CR ends a line, a lone LF does
// not; a last line without a line end is a line, an empty line is a line. "" when `lLine`
// is below 1, when there is no file, or when it has fewer lines. Reads the file anew on
// every call.
std::string ReadTextLine(const Path& sFile, std::int32_t lLine);

} // namespace quorvel
