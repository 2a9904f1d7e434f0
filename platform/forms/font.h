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

// The installed family a font name is drawn with. The original fonts are not on Linux, so
// each is replaced by an installed one of the same (or nearly the same) widths, so that
// captions fit the controls they were laid out for: "MS Sans Serif" by Liberation Sans,
// "Tahoma" by DejaVu Sans Condensed, "Lucida Console" by DejaVu Sans Mono. Other names are
// left to the toolkit's own matching.
std::string DrawingFamily(const std::string& name);

QFont ToQFont(const Font& font);

} // namespace platform::forms
