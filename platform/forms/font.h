#pragma once

#include <string>

#include <QFont>

namespace platform::forms {

// A control's font as the windows' tables name it; sizes in points.
struct Font {
    std::string name = "MS Sans Serif";
    double size = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// Drawn with the installed family platform::gdi::DrawingFamily maps the name to.
QFont ToQFont(const Font& font);

} // namespace platform::forms
