#pragma once

#include <cstdint>

// Value types of the drawing layer: colours, points, rectangles and typed handles.
namespace platform::gdi {

// 0x00BBGGRR: red in the lowest byte.
using COLORREF = std::uint32_t;
// A colour of the component model: an RGB value, or 0x800000nn for system colour nn.
using OLE_COLOR = std::uint32_t;

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Right and bottom are exclusive.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

enum class ObjectKind : std::uint8_t { None, Brush, Region, Font, Bitmap, DC };

// Any drawing object; 0 names nothing. Handles are never reused, so a stale one fails.
struct HGDIOBJ {
    std::uint32_t value = 0;
    explicit operator bool() const { return value != 0; }
    bool operator==(const HGDIOBJ&) const = default;
};

template <ObjectKind K> struct Handle {
    std::uint32_t value = 0;
    explicit operator bool() const { return value != 0; }
    operator HGDIOBJ() const { return HGDIOBJ{value}; }
    bool operator==(const Handle&) const = default;
};

using HBRUSH = Handle<ObjectKind::Brush>;
using HRGN = Handle<ObjectKind::Region>;
using HFONT = Handle<ObjectKind::Font>;
using HBITMAP = Handle<ObjectKind::Bitmap>;
using HDC = Handle<ObjectKind::DC>;

// Red, green and blue bytes into a COLORREF.
constexpr COLORREF Rgb(unsigned red, unsigned green, unsigned blue)
{
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

} // namespace platform::gdi
