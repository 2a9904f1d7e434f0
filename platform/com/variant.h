#pragma once

#include "platform/com/com_ptr.h"
#include "platform/com/dispatch.h"
#include "platform/com/picture.h"
#include "platform/com/std_font.h"

#include <cstdint>
#include <string>
#include <variant>

namespace platform::com {

// An OLE colour: 0x00BBGGRR, or with the high bit set the index of a system colour.
struct OleColor {
    std::uint32_t value = 0;
    friend bool operator==(const OleColor&, const OleColor&) = default;
};

enum class VarType { Empty, Boolean, Integer, Long, Double, String, Color, Font, Picture, Object };

// The values that cross a dispatch interface or a property bag.
// The conversions follow the original runtime: a value that does not convert raises run-time
// error 13 (type mismatch), a number outside the target's range error 6 (overflow); whole
// numbers are rounded half to even. Texts are CP1252 bytes; numbers in text use the point as
// decimal separator in both directions, so a value turned into text and back is unchanged.
class Variant {
public:
    Variant() = default;
    Variant(bool value);
    Variant(std::int16_t value);
    Variant(std::int32_t value);
    Variant(double value);
    Variant(std::string value);
    Variant(const char* value);
    Variant(OleColor value);
    Variant(StdFont value);
    Variant(Picture value);
    Variant(ComPtr<IDispatch> value);

    VarType Type() const { return static_cast<VarType>(m_value.index()); }
    bool IsEmpty() const { return Type() == VarType::Empty; }
    // Boolean, Integer, Long, Double or Color.
    bool IsNumeric() const;

    // Booleans are -1 (true) and 0 as numbers; any non-zero number is true; the texts
    // "True" and "False" (any case) and numeric texts convert to Boolean.
    bool ToBool() const;
    std::int16_t ToInt16() const;
    std::int32_t ToInt32() const;
    double ToDouble() const;
    // Any 32-bit pattern: a Long keeps its bits (-2147483640 is &H80000008).
    OleColor ToColor() const;
    // "True"/"False", whole numbers in decimal, doubles with up to 15 significant digits
    // ("1.5", "100", "1E+20"), a font's name; pictures and objects raise error 13.
    std::string ToString() const;
    StdFont ToFont() const;
    // A picture; an empty object reference is no picture.
    Picture ToPicture() const;
    ComPtr<IDispatch> ToObject() const;

    // Same type and same value (for lossless round trips); see also ValuesEqual.
    friend bool operator==(const Variant&, const Variant&) = default;

private:
    std::variant<std::monostate, bool, std::int16_t, std::int32_t, double, std::string, OleColor,
                 StdFont, Picture, ComPtr<IDispatch>>
        m_value;
};

// Equality as the property bag tests a value against its default: numbers (Boolean,
// Integer, Long, Double, colour) by value whatever their types (a double 100 equals a Long
// 100, &H80000008 equals the Long -2147483640); Empty equals 0 and ""; texts by their bytes;
// a text never equals a number; fonts field by field; pictures and objects by identity.
bool ValuesEqual(const Variant& a, const Variant& b);

// The runtime's text form of a double: up to 15 significant digits, no trailing zeros.
std::string FormatDouble(double value);

// Parses a numeric text (blanks around it allowed, sign, decimals, exponent); error 13
// when it is not one.
double ParseNumber(std::string_view text);

// Rounds to the nearest whole number, a half to the even one; error 6 outside [low, high].
std::int64_t RoundToInteger(double value, std::int64_t low, std::int64_t high);

} // namespace platform::com
