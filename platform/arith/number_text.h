#pragma once

#include <string>

namespace platform::arith {

// The runtime's general number text of a double (CStr): at most 15 significant digits, no
// trailing zeros, no thousands separator, the given decimal separator; scientific form
// ("1E+15", "1.5E-05") when the exponent is below -4 or reaches 15.
std::string GeneralNumberText(double value, char decimalSeparator = '.');

} // namespace platform::arith
