#pragma once

#include "platform/files/store.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::profile {

// One file parsed: its bytes, and for the first section of each name the first line of each
// key and where a new key would go. Names are matched case-folded, folded as they are
// compared: the index holds no name of its own, only where each lies in its bytes. Kept
// compact: a large mod's reputation files hold a million keys between them, and as many
// one-key sections. The parse only finds the sections; a section's keys are looked at when one
// of them is first asked for, as a pick reads one section of a file of a thousand. The program
// reads its files from one thread only, so the const look-ups fill those tables in place.
class IniIndex : public files::ParsedFile {
public:
    struct Key {
        std::size_t begin; // first byte of the line
        std::size_t next;  // first byte after its line end
    };
    struct Insertion {
        std::size_t at = 0; // after the last key line, or the header line
        bool hasEol = true; // whether that line ended in a line end
    };

private:
    // A key line: where it begins, its length with its line end (kLongLine: found again
    // when asked for), and the hash of its name folded. Sixteen bytes: a compile makes a
    // million of them.
    struct Entry {
        std::size_t begin;
        std::uint32_t length;
        std::uint32_t hash;
    };
    static constexpr std::uint32_t kLongLine = 0xFFFFFFFF;

public:
    class Section {
    private:
        friend class IniIndex;
        friend std::shared_ptr<const IniIndex> ParseIni(std::string content);

        // Its name as the header spells it, trimmed, and the hash of that name folded.
        std::size_t m_nameAt = 0;
        std::uint32_t m_nameLength = 0;
        std::uint32_t m_hash = 0;
        // Its lines: from after its header line to the next header line.
        std::size_t m_begin = 0;
        std::size_t m_end = 0;
        // Made at the first look-up: where a new key goes, and its keys' table, a power of
        // two of slots, at least twice its keys.
        mutable Insertion m_insertion;
        mutable bool m_made = false;
        mutable std::uint32_t m_firstSlot = 0;
        mutable std::uint32_t m_slotCount = 0;
    };

    IniIndex() = default;
    // Its names are views into its own bytes.
    IniIndex(const IniIndex&) = delete;
    IniIndex& operator=(const IniIndex&) = delete;

    // Null when there is none. `folded` as files::FoldCase gives it.
    const Section* FindSection(std::string_view folded) const;
    std::optional<Key> FindKey(const Section& section, std::string_view folded) const;
    Insertion InsertPoint(const Section& section) const;
    // The value of `foldedKey` in the section `foldedSection`; none when either is missing.
    std::optional<std::string_view> FindValue(std::string_view foldedSection,
                                              std::string_view foldedKey) const;
    // The key as the file spells it, and its value, both trimmed.
    std::string_view Spelled(const Key& key) const;
    std::string_view Value(const Key& key) const;

    std::size_t SectionCount() const { return m_sections.size(); }
    // The key lines of the first sections, each line counted; makes every section.
    std::size_t KeyCount() const;
    // About what the index takes in memory now, its bytes included: it grows as sections are
    // looked at.
    std::size_t MemoryBytes() const override;
    std::string_view Bytes() const override { return content; }

    std::string content;

private:
    friend std::shared_ptr<const IniIndex> ParseIni(std::string content);

    // The section's name as its header spells it.
    std::string_view NameOf(const Section& section) const;
    // Calls `take(begin, next, hasEol, name)` for each key line of `section`, `name` trimmed.
    template <typename Take> void EachKeyLine(const Section& section, Take take) const;
    // Makes the key table of `section` unless it is made.
    void Make(const Section& section) const;
    std::string_view Line(const Key& key) const;
    Key KeyOf(const Entry& entry) const;

    // The sections in the order of the file, and a table of their numbers plus one (0: an
    // empty slot), a power of two of slots, at least twice the sections.
    std::vector<Section> m_sections;
    std::vector<std::uint32_t> m_sectionSlots;
    // The keys of each section made lie together, in the order of the file; each section's
    // table holds their numbers plus one (0: an empty slot). A table of its own per section
    // keeps the reads of one section, as a compile makes them, close together in memory. A
    // deque keeps the keys handed out where they are as other sections are made, and takes
    // no block of its own per section: a compile makes a million sections of one key.
    mutable std::deque<Entry> m_entries;
    mutable std::vector<std::uint32_t> m_slots;
    // What the bytes and the section tables take.
    std::size_t m_fixedBytes = 0;
};

std::shared_ptr<const IniIndex> ParseIni(std::string content);

// Blanks as the INI calls trim them: space and tab.
std::string_view TrimBlanks(std::string_view text);

// Whether storing `value` under `key` in `section` (both already trimmed) would leave every
// byte as it is: the key's line is already the spelled key, "=", the value and CR LF.
bool KeepsBytes(const IniIndex& index, std::string_view section, std::string_view key,
                std::string_view value);

// The content after storing `value` under `key` in `section` (both already trimmed).
std::string WithValue(const IniIndex* index, std::string_view section, std::string_view key,
                      std::string_view value);

} // namespace platform::profile
