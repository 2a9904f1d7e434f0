#pragma once

#include <string>

namespace platform::gdi {

// The installed family a font name is drawn with. The original fonts are not on Linux, so
// each is replaced by an installed one of the same (or nearly the same) widths, so that
// captions fit the controls they were laid out for: "MS Sans Serif" by Liberation Sans,
// "Tahoma" by DejaVu Sans Condensed, "Lucida Console" by DejaVu Sans Mono. Other names are
// left to the toolkit's own matching. The windows' controls and the drawing layer's fonts both
// map through here, so a control's caption and a bar's value text use the same family. Needs
// a running QGuiApplication for a name that is replaced.
std::string DrawingFamily(const std::string& name);

} // namespace platform::gdi
