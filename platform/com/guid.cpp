#include "guid.h"

#include <cstdio>

namespace platform::com {

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::optional<Guid> Guid::Parse(std::string_view text)
{
    // Positions of the four dashes inside "{8-4-4-4-12}".
    if (text.size() != 38 || text.front() != '{' || text.back() != '}')
        return std::nullopt;
    std::uint8_t bytes[16];
    std::size_t n = 0;
    for (std::size_t i = 1; i < 37; ++i) {
        if (i == 9 || i == 14 || i == 19 || i == 24) {
            if (text[i] != '-')
                return std::nullopt;
            continue;
        }
        int hi = HexDigit(text[i]);
        int lo = HexDigit(text[i + 1]);
        if (hi < 0 || lo < 0 || i + 1 == 9 || i + 1 == 14 || i + 1 == 19 || i + 1 == 24)
            return std::nullopt;
        bytes[n++] = static_cast<std::uint8_t>(hi * 16 + lo);
        ++i;
    }
    Guid g;
    g.data1 = (std::uint32_t(bytes[0]) << 24) | (std::uint32_t(bytes[1]) << 16) |
              (std::uint32_t(bytes[2]) << 8) | bytes[3];
    g.data2 = static_cast<std::uint16_t>((bytes[4] << 8) | bytes[5]);
    g.data3 = static_cast<std::uint16_t>((bytes[6] << 8) | bytes[7]);
    for (int i = 0; i < 8; ++i)
        g.data4[i] = bytes[8 + i];
    return g;
}

std::string Guid::ToString() const
{
    char buf[39];
    std::snprintf(buf, sizeof buf, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", data1,
                  data2, data3, data4[0], data4[1], data4[2], data4[3], data4[4], data4[5],
                  data4[6], data4[7]);
    return buf;
}

} // namespace platform::com
