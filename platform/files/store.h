#pragma once

#include "platform/files/files.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// What the file layer keeps of files for the INI layer (platform/profile), which parses and
// edits INI text but remembers nothing itself. Two kinds of state live here, beside the
// held writes of files.h:
// - Parsed files: what a parser made of a file's bytes, kept within a byte budget (the
//   least recently used go first; a file read once, as an import reads the stock files,
//   soon makes room for others). An entry is stale when the file's version (device,
//   inode, size, modification and change time) is no longer the one parsed; the version
//   is looked at once per action, and at every call outside one.
// - Held documents: the INI edits of the running action, written when it ends (files.h).
namespace platform::files {

// What a parser made of a file's bytes.
class ParsedFile {
public:
    virtual ~ParsedFile() = default;
    // The bytes it was made from.
    virtual std::string_view Bytes() const = 0;
    // About what it takes in memory, its bytes included.
    virtual std::size_t MemoryBytes() const = 0;
};

// A file's content being edited within an action.
class HeldDocument {
public:
    virtual ~HeldDocument() = default;
    // The bytes the file gets.
    virtual std::string Content() const = 0;
    // The same bytes, piece by piece, in order: a commit writes a document of tens of
    // megabytes without making it whole first.
    virtual void EachPiece(const std::function<void(std::string_view)>& take) const
    {
        take(Content());
    }
    virtual std::uint64_t Size() const = 0;
    // The bytes the file gets, for a document that is done with: it may give up its own
    // pieces as it makes them whole.
    virtual std::string TakeContent() { return Content(); }
    // The file holds `current` now (none: it is missing), not the version the edits were
    // made on, because another program saved it meanwhile: make the same edits on it.
    virtual void Redo(std::optional<std::string> current) = 0;
};

using Parser = std::function<std::shared_ptr<const ParsedFile>(std::string bytes)>;

// What an INI read finds of `file` in the running action.
struct DocumentSight {
    bool exists = false; // a file is there, or the action holds one
    // The edits the action holds, or else the parsed bytes (null: the file is missing or
    // cannot be read, a folder among others).
    const HeldDocument* document = nullptr;
    std::shared_ptr<const ParsedFile> parsed;
};
DocumentSight SeeDocument(const Path& file, const Parser& parse);

// Edits the held document of `file`: the first edit of the action makes it with `make`
// from the file as the action sees it (parsed, null when missing) and checks that the file
// can be written as WriteFile checks it; every edit checks that the file system has room
// for `growth` more bytes. An edit that `keeps` tells would leave the bytes as they are
// (given the held document, or else the parsed file) holds nothing: the file stays as it
// is, though it is still checked as a write. Returns 0, or the number of the error that
// refused the edit (nothing changed then). Outside an action the edit is written before
// this returns.
using DocumentMaker =
    std::function<std::unique_ptr<HeldDocument>(std::shared_ptr<const ParsedFile> current)>;
using DocumentKeeps = std::function<bool(const HeldDocument* held, const ParsedFile* parsed)>;
int EditDocument(const Path& file, const Parser& parse, const DocumentMaker& make,
                 std::uint64_t growth, const DocumentKeeps& keeps,
                 const std::function<void(HeldDocument&)>& edit);

} // namespace platform::files
