#pragma once

#include <QFont>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/gdi/types.h"

// Logical fonts and text output.
namespace platform::gdi {

struct LogFont {
    std::int32_t height = 0; // negative: character (em) height; positive: cell height; pixels
    std::int32_t width = 0;
    std::int32_t escapement = 0; // tenths of a degree, counter-clockwise
    std::int32_t orientation = 0;
    std::int32_t weight = 0; // 700 bold; 0 and 400 normal
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::string faceName;
    bool operator==(const LogFont&) const = default;
};

// A logical font; the flags italic, underline and strike-out count as set when non-zero
// (the component model's true is -1). Never fails.
HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight,
                  std::uint32_t italic, std::uint32_t underline, std::uint32_t strikeOut,
                  std::uint32_t charSet, std::uint32_t outPrecision, std::uint32_t clipPrecision,
                  std::uint32_t quality, std::uint32_t pitchAndFamily, const std::string& faceName);

// The toolkit's font a logical font is drawn and measured with: the face name mapped to an
// installed family as the windows' controls map it, aliased glyphs.
QFont ToolkitFont(const LogFont& font);

// False for a handle that names no font.
bool GetFontInfo(HFONT font, LogFont& out);

// Alignment flags of TextOutA.
constexpr unsigned TA_LEFT = 0;
constexpr unsigned TA_RIGHT = 2;
constexpr unsigned TA_CENTER = 6;
constexpr unsigned TA_TOP = 0;
constexpr unsigned TA_BOTTOM = 8;
constexpr unsigned TA_BASELINE = 24;
constexpr unsigned GDI_ERROR = 0xFFFFFFFF;

// Returns the previous flags, GDI_ERROR for an invalid DC. The flags stay on the DC.
unsigned SetTextAlign(HDC hdc, unsigned flags);
unsigned GetTextAlign(HDC hdc);
// Returns the previous text colour (0 for an invalid DC).
COLORREF SetTextColor(HDC hdc, COLORREF colour);

// Writes the first `length` bytes of CP1252 text with the DC's font, text colour and alignment,
// on a transparent background (only glyph pixels are painted, without antialiasing).
// Horizontal alignment: left puts the text's start at x, centre at x - w/2 (integer halving),
// right at x - w, along the reading direction. Vertical: top puts the cell's top at the
// reference, baseline the baseline, bottom the cell's bottom. With escapement e the text runs
// along (cos e, -sin e); at 900 it reads bottom to top with the glyphs left of the baseline.
// Fails for an invalid DC or a negative length; a length beyond the text is cut to the text.
bool TextOutA(HDC hdc, int x, int y, const std::string& text, int length);

// The box of a string in a font, before any rotation.
struct TextExtent {
    int width = 0; // advance width
    int ascent = 0;
    int descent = 0;
    bool operator==(const TextExtent&) const = default;
};

// The width and cell of a string in a logical font. The toolkit's measure needs a running
// QGuiApplication; a fixed measure does not.
TextExtent MeasureText(const LogFont& font, std::string_view text);

// Replaces the text measure, for tests that place text exactly. While a measure is set,
// TextOutA paints each string's box solid in the text colour instead of its glyphs, so its
// placement can be read from the pixels. An empty function restores the toolkit's measure.
using TextMeasure = std::function<TextExtent(const LogFont& font, std::string_view text)>;
void SetTextMeasure(TextMeasure measure);
bool HasFixedTextMeasure();
// Counts the measure's replacements, so that a picture painted with one measure is known apart
// from one painted with the next.
unsigned TextMeasureRevision();

} // namespace platform::gdi
