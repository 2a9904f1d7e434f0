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

// The installed family a font name is drawn with (platform::gdi::DrawingFamily, which the
// drawing layer shares).
std::string DrawingFamily(const std::string& name);

QFont ToQFont(const Font& font);

} // namespace platform::forms
