#pragma once

// The previous implementation of the INI index (a map of strings per section and key), kept
// for comparison only: the compact index must read and write every file as this one did.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace previous_ini {

struct Index {
    struct Key {
        std::string value;
        std::string spelled;
        std::size_t begin;
        std::size_t next;
    };
    struct Section {
        std::size_t insertAt = 0;
        bool insertHasEol = true;
        std::unordered_map<std::string, Key> keys;
    };

    std::string content;
    std::unordered_map<std::string, Section> sections;
};

std::shared_ptr<const Index> Parse(std::string content);
// The value of `key` in `section` (both trimmed), nothing when either is missing.
std::optional<std::string> Find(const Index& index, std::string_view section, std::string_view key);
std::string WithValue(const Index* index, std::string_view section, std::string_view key,
                      std::string_view value);

} // namespace previous_ini
