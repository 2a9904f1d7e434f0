#pragma once

#include "platform/com/std_font.h"

#include <QFont>

namespace platform::forms {

// A control's font is the standard font, as every font of the component model is; sizes in
// points.
using Font = platform::com::StdFont;

// The font of a form, and of its controls until they are given their own.
inline const Font kFormFont{.name = "MS Sans Serif"};

// Drawn with the installed family platform::gdi::DrawingFamily maps the name to.
QFont ToQFont(const Font& font);

} // namespace platform::forms
