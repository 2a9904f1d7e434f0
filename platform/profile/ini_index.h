#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

namespace platform::profile {

// One file parsed: its bytes, and for the first section of each name (keyed by the
// case-folded name) the first line of each key and where a new key would go.
struct IniIndex {
    struct Key {
        std::string value;
        std::string spelled; // the key as the file spells it
        std::size_t begin;   // first byte of the line
        std::size_t next;    // first byte after its line end
    };
    struct Section {
        std::size_t insertAt = 0; // after the last key line, or the header line
        bool insertHasEol = true; // whether that line ended in a line end
        std::unordered_map<std::string, Key> keys;
    };

    std::string content;
    std::unordered_map<std::string, Section> sections;
};

std::shared_ptr<const IniIndex> ParseIni(std::string content);

// Blanks as the INI calls trim them: space and tab.
std::string_view TrimBlanks(std::string_view text);

// The content after storing `value` under `key` in `section` (both already trimmed).
std::string WithValue(const IniIndex* index, std::string_view section, std::string_view key,
                      std::string_view value);

} // namespace platform::profile
