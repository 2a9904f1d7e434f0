#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace platform::profile {

// The INI edits of one action on one file, in order, to make again on a newer version of the
// file that another program saved meanwhile. An import makes a million of them into one file,
// most in the section of the one before: each is kept as its key and value with one-byte
// lengths where they fit, the section only when it changes, in blocks of a fixed size, so
// that the log costs about the bytes of its keys and values and is never copied as it grows.
class EditLog {
public:
    void Add(std::string_view section, std::string_view key, std::string_view value);

    // Calls `take(section, key, value)` for each edit, in the order they were added.
    template <typename Take> void ForEach(Take take) const
    {
        std::string_view section;
        for (const std::string& block : m_blocks) {
            std::string_view rest = block;
            while (!rest.empty()) {
                if (const std::size_t length = TakeLength(rest); length > 0)
                    section = TakeBytes(rest, length - 1);
                const std::string_view key = TakeBytes(rest, TakeLength(rest));
                const std::string_view value = TakeBytes(rest, TakeLength(rest));
                take(section, key, value);
            }
        }
    }

private:
    // A length in seven-bit groups, the low ones first, each but the last with its high bit.
    static void PutLength(std::string& out, std::size_t length);
    static std::size_t TakeLength(std::string_view& in);
    static std::string_view TakeBytes(std::string_view& in, std::size_t length);

    std::vector<std::string> m_blocks;
    std::string m_section; // of the last edit, when there is one
};

} // namespace platform::profile
