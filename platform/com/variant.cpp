#include "variant.h"

#include "platform/com/names.h"
#include "platform/errors/run_time_error.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace platform::com {

namespace {

constexpr int kTypeMismatch = 13;
constexpr int kOverflow = 6;

} // namespace

Variant::Variant(bool value)
    : m_value(value)
{
}
Variant::Variant(std::int16_t value)
    : m_value(value)
{
}
Variant::Variant(std::int32_t value)
    : m_value(value)
{
}
Variant::Variant(double value)
    : m_value(value)
{
}
Variant::Variant(std::string value)
    : m_value(std::move(value))
{
}
Variant::Variant(const char* value)
    : m_value(std::string(value))
{
}
Variant::Variant(OleColor value)
    : m_value(value)
{
}
Variant::Variant(StdFont value)
    : m_value(std::move(value))
{
}
Variant::Variant(Picture value)
    : m_value(std::move(value))
{
}
Variant::Variant(ComPtr<IDispatch> value)
    : m_value(std::move(value))
{
}

bool Variant::IsNumeric() const
{
    switch (Type()) {
    case VarType::Boolean:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Double:
    case VarType::Color:
        return true;
    default:
        return false;
    }
}

double Variant::ToDouble() const
{
    switch (Type()) {
    case VarType::Empty:
        return 0;
    case VarType::Boolean:
        return std::get<bool>(m_value) ? -1 : 0;
    case VarType::Integer:
        return std::get<std::int16_t>(m_value);
    case VarType::Long:
        return std::get<std::int32_t>(m_value);
    case VarType::Double:
        return std::get<double>(m_value);
    case VarType::Color:
        return static_cast<std::int32_t>(std::get<OleColor>(m_value).value);
    case VarType::String:
        return ParseNumber(std::get<std::string>(m_value));
    default:
        Raise(kTypeMismatch);
    }
}

bool Variant::ToBool() const
{
    if (Type() == VarType::Boolean)
        return std::get<bool>(m_value);
    if (Type() == VarType::String) {
        std::string_view text = TrimBlanks(std::get<std::string>(m_value));
        if (NamesEqual(text, "True"))
            return true;
        if (NamesEqual(text, "False"))
            return false;
    }
    return ToDouble() != 0;
}

std::int32_t Variant::ToInt32() const
{
    switch (Type()) {
    case VarType::Long:
        return std::get<std::int32_t>(m_value);
    case VarType::Color:
        return static_cast<std::int32_t>(std::get<OleColor>(m_value).value);
    default:
        return static_cast<std::int32_t>(RoundToInteger(ToDouble(),
                                                        std::numeric_limits<std::int32_t>::min(),
                                                        std::numeric_limits<std::int32_t>::max()));
    }
}

std::int16_t Variant::ToInt16() const
{
    return static_cast<std::int16_t>(RoundToInteger(ToDouble(), -32768, 32767));
}

OleColor Variant::ToColor() const
{
    if (Type() == VarType::Color)
        return std::get<OleColor>(m_value);
    // Accepts both the signed reading (-2147483640) and the unsigned one (2147483656).
    std::int64_t n = RoundToInteger(ToDouble(), std::numeric_limits<std::int32_t>::min(),
                                    std::numeric_limits<std::uint32_t>::max());
    return OleColor{static_cast<std::uint32_t>(n)};
}

std::string Variant::ToString() const
{
    switch (Type()) {
    case VarType::Empty:
        return "";
    case VarType::Boolean:
        return std::get<bool>(m_value) ? "True" : "False";
    case VarType::Integer:
        return std::to_string(std::get<std::int16_t>(m_value));
    case VarType::Long:
        return std::to_string(std::get<std::int32_t>(m_value));
    case VarType::Color:
        return std::to_string(static_cast<std::int32_t>(std::get<OleColor>(m_value).value));
    case VarType::Double:
        return FormatDouble(std::get<double>(m_value));
    case VarType::String:
        return std::get<std::string>(m_value);
    case VarType::Font:
        return std::get<StdFont>(m_value).name;
    default:
        Raise(kTypeMismatch);
    }
}

StdFont Variant::ToFont() const
{
    if (Type() != VarType::Font)
        Raise(kTypeMismatch);
    return std::get<StdFont>(m_value);
}

Picture Variant::ToPicture() const
{
    if (Type() == VarType::Picture)
        return std::get<Picture>(m_value);
    if (Type() == VarType::Object && !std::get<ComPtr<IDispatch>>(m_value))
        return Picture();
    Raise(kTypeMismatch);
}

ComPtr<IDispatch> Variant::ToObject() const
{
    if (Type() != VarType::Object)
        Raise(kTypeMismatch);
    return std::get<ComPtr<IDispatch>>(m_value);
}

bool ValuesEqual(const Variant& a, const Variant& b)
{
    auto isNothing = [](const Variant& v) {
        return (v.Type() == VarType::Picture && v.ToPicture().IsNone()) ||
               (v.Type() == VarType::Object && !v.ToObject());
    };
    if (a.IsEmpty() && b.IsEmpty())
        return true;
    if ((a.IsNumeric() || a.IsEmpty()) && (b.IsNumeric() || b.IsEmpty()))
        return a.ToDouble() == b.ToDouble();
    if ((a.Type() == VarType::String || a.IsEmpty()) &&
        (b.Type() == VarType::String || b.IsEmpty()))
        return a.ToString() == b.ToString();
    if (isNothing(a) && isNothing(b))
        return true;
    if (a.Type() != b.Type())
        return false;
    return a == b;
}

std::string FormatDouble(double value)
{
    if (value == 0)
        return "0"; // also for -0
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15G", value);
    return buf;
}

double ParseNumber(std::string_view text)
{
    std::string_view t = TrimBlanks(text);
    bool negative = false;
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    // from_chars ignores the locale that the toolkit may have switched the process to.
    double value = 0;
    auto [end, ec] =
        std::from_chars(t.data(), t.data() + t.size(), value, std::chars_format::general);
    if (t.empty() || !(std::isdigit(static_cast<unsigned char>(t.front())) || t.front() == '.') ||
        ec == std::errc::invalid_argument || end != t.data() + t.size())
        Raise(kTypeMismatch);
    if (ec == std::errc::result_out_of_range)
        Raise(kOverflow);
    return negative ? -value : value;
}

std::int64_t RoundToInteger(double value, std::int64_t low, std::int64_t high)
{
    if (std::isnan(value))
        Raise(kOverflow);
    double rounded = std::nearbyint(value); // the default rounding mode: half to even
    if (rounded < static_cast<double>(low) || rounded > static_cast<double>(high))
        Raise(kOverflow);
    return static_cast<std::int64_t>(rounded);
}

} // namespace platform::com
