#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace platform::forms {

// The program's CP1252 bytes as the toolkit's Unicode text, and back; the one crossing
// point between the two, so every control converts the same way.
QString ToQt(std::string_view cp1252);
std::string FromQt(const QString& text);

} // namespace platform::forms
