#include "edit_log.h"

namespace platform::profile {

namespace {

constexpr std::size_t kBlock = std::size_t(256) << 10;

} // namespace

void EditLog::PutLength(std::string& out, std::size_t length)
{
    while (length >= 0x80) {
        out.push_back(static_cast<char>(0x80 | (length & 0x7F)));
        length >>= 7;
    }
    out.push_back(static_cast<char>(length));
}

std::size_t EditLog::TakeLength(std::string_view& in)
{
    std::size_t length = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(in.front());
        in.remove_prefix(1);
        length |= static_cast<std::size_t>(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0)
            return length;
    }
}

std::string_view EditLog::TakeBytes(std::string_view& in, std::size_t length)
{
    const std::string_view bytes = in.substr(0, length);
    in.remove_prefix(length);
    return bytes;
}

void EditLog::Add(std::string_view section, std::string_view key, std::string_view value)
{
    // Lengths take at most ten bytes each.
    const bool sameSection = !m_blocks.empty() && section == m_section;
    const std::size_t most =
        (sameSection ? 1 : 10 + section.size()) + 20 + key.size() + value.size();
    // An edit stays within its block: a block is read as whole edits.
    if (m_blocks.empty() || m_blocks.back().size() + most > m_blocks.back().capacity()) {
        m_blocks.emplace_back();
        m_blocks.back().reserve(most > kBlock ? most : kBlock);
    }
    std::string& block = m_blocks.back();
    if (sameSection) {
        PutLength(block, 0);
    } else {
        PutLength(block, section.size() + 1);
        block.append(section);
        m_section.assign(section);
    }
    PutLength(block, key.size());
    block.append(key);
    PutLength(block, value.size());
    block.append(value);
}

} // namespace platform::profile
