#pragma once

#include <cmath>

namespace platform::forms {

// Positions and sizes are kept in twips, as the windows' tables give them; pixels are derived
// from the stored twips each time, so steps of any size never accumulate rounding.
constexpr int kTwipsPerPixel = 15;

inline int TwipsToPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

constexpr int PixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

} // namespace platform::forms
