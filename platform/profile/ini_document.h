#pragma once

#include "ini_index.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform::profile {

// A parsed file taking many writes in memory. Each Set gives exactly the bytes that
// WithValue on the file as it stands would give, but costs about one line, not one whole
// file: the text is kept as pieces, and only the lines that are written are cut out of the
// parsed original. Reads see every Set made so far.
class IniDocument {
public:
    // `original` may be null: a file that does not exist yet.
    explicit IniDocument(std::shared_ptr<const IniIndex> original);

    // The trimmed value of `key` in the first section `section` (both already trimmed).
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

    // Stores `value` under `key` in `section` (both already trimmed, as WithValue takes them).
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // Whether Set would leave every byte as it is (KeepsBytes of ini_index.h).
    bool Keeps(std::string_view section, std::string_view key, std::string_view value) const;

    std::string Content() const;
    // Content(), giving up each piece as it is taken; the document is empty after.
    std::string TakeContent();
    // Whether Set stores exactly these names and value as one line that reads back as
    // written; the rare one that does not is stored by parsing the whole text again.
    static bool StoresPlainly(std::string_view section, std::string_view key,
                              std::string_view value);
    // For a document begun with no file whose every Set stored plainly: calls
    // `take(section, key, value)` for each key it holds, section by section in the order
    // they were made, each key in the order it was first set, with its last value. Making
    // these edits gives the same bytes as making every Set again. False, and nothing called,
    // for any other document.
    bool EachNewKey(const std::function<void(std::string_view, std::string_view, std::string_view)>&
                        take) const;
    // Calls `take` with each piece of Content(), in order.
    template <typename Take> void EachPiece(Take take) const
    {
        for (const std::string& piece : m_pieces)
            take(std::string_view(piece));
    }
    // The number of bytes Content() would give.
    std::uint64_t Size() const { return m_size; }

private:
    using Piece = std::list<std::string>::iterator;

    // A section the writes made, at the end of the text: one piece holding its header and
    // all its lines, found through a table of where each line starts. An import writes a
    // million keys this way, at about a third of what a piece and a map entry a line take.
    struct Packed {
        Piece piece;
        std::vector<std::uint32_t> slots; // a line's start + 1, 0: empty; a power of two
        std::uint32_t count = 0;
    };

    // A written key is its line alone: "spelled=value" CR LF, nothing else.
    struct Section {
        std::optional<Piece> last; // the line a new key follows; unset: the original's place
        std::unordered_map<std::string, Piece> keys; // by folded name, written ones
        std::unique_ptr<Packed> packed;              // set for a section the writes made
    };

    // The slot of the line of `folded` in `packed`, or of the empty slot where it would go.
    static std::size_t SlotOf(const Packed& packed, std::string_view folded);
    static void PutSlot(Packed& packed, std::uint32_t start, std::string_view folded);
    // The line of `folded` in a packed section, or none.
    static std::optional<std::string_view> PackedLine(const Packed& packed,
                                                      std::string_view folded);
    void SetPacked(Packed& packed, std::string_view key, std::string_view folded,
                   std::string_view value);

    void SetLine(std::string_view section, std::string_view key, std::string_view value);
    void Reset(std::shared_ptr<const IniIndex> original);
    Piece PieceAt(std::size_t offset);
    std::size_t EndLineBefore(Piece at);

    std::shared_ptr<const IniIndex> m_original;
    std::list<std::string> m_pieces;
    std::map<std::size_t, Piece> m_cut; // where the pieces taken from the original start
    Piece m_originalEnd;
    std::uint64_t m_size = 0;                            // an empty piece: new sections go after it
    std::unordered_map<std::string, Section> m_sections; // by folded name, touched ones
};

} // namespace platform::profile
