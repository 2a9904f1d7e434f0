#pragma once

#include <cstdint>

#include <QColor>

namespace platform::forms {

// An OLE colour: 0x00BBGGRR, or 0x800000nn for system colour nn.
using OleColor = std::uint32_t;

// Marks "keep the control's own default colour" in a control table.
constexpr OleColor kDefaultColor = 0xFFFFFFFFu;

constexpr OleColor RGB(int red, int green, int blue)
{
    return static_cast<OleColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

constexpr OleColor kSysButtonFace = 0x8000000Fu;
constexpr OleColor kSysButtonText = 0x80000012u;
constexpr OleColor kSysWindow = 0x80000005u;
constexpr OleColor kSysWindowText = 0x80000008u;

// Translates a plain or system colour; a system index outside 0..24 gives black, as the
// original translation did.
QColor ToQColor(OleColor colour);

} // namespace platform::forms
