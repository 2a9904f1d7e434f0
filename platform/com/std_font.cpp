#include "std_font.h"

#include <cmath>

namespace platform::com {

void StdFont::SetBold(bool value)
{
    bold = value;
    weight = value ? 700 : 400;
}

void StdFont::SetWeight(std::int16_t value)
{
    weight = value;
    bold = value >= 550;
}

void StdFont::SetSize(double points)
{
    size = std::nearbyint(points * 10000.0) / 10000.0;
}

} // namespace platform::com
