#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform::com {

// A 128-bit class, interface or library identifier.
struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};

    // The braced form "{2C124F7E-DBA8-11D8-BA1B-000000000000}"; hex digits in either case.
    // Anything else (missing braces, wrong group lengths, stray characters) gives nullopt.
    static std::optional<Guid> Parse(std::string_view text);

    // The braced form in upper case, as the registry stores it.
    std::string ToString() const;

    bool IsNull() const { return *this == Guid{}; }

    friend constexpr bool operator==(const Guid&, const Guid&) = default;
    friend constexpr auto operator<=>(const Guid&, const Guid&) = default;
};

// Builds a Guid from a literal at compile time; a malformed literal fails the build.
consteval Guid MakeGuid(std::string_view braced)
{
    auto hex = [&](std::size_t at, std::size_t digits) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < digits; ++i) {
            char c = braced[at + i];
            int d = c >= '0' && c <= '9'   ? c - '0'
                    : c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                           : throw "bad hex digit in GUID literal";
            value = value * 16 + static_cast<std::uint32_t>(d);
        }
        return value;
    };
    if (braced.size() != 38 || braced[0] != '{' || braced[37] != '}' || braced[9] != '-' ||
        braced[14] != '-' || braced[19] != '-' || braced[24] != '-')
        throw "malformed GUID literal";
    Guid g;
    g.data1 = hex(1, 8);
    g.data2 = static_cast<std::uint16_t>(hex(10, 4));
    g.data3 = static_cast<std::uint16_t>(hex(15, 4));
    g.data4[0] = static_cast<std::uint8_t>(hex(20, 2));
    g.data4[1] = static_cast<std::uint8_t>(hex(22, 2));
    for (std::size_t i = 0; i < 6; ++i)
        g.data4[2 + i] = static_cast<std::uint8_t>(hex(25 + 2 * i, 2));
    return g;
}

} // namespace platform::com
