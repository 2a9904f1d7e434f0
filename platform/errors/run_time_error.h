#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// A run-time error of the original runtime: a number and its English description.
// Handlers let it travel to the event boundary, which shows both and keeps the program running.
class RunTimeError : public std::runtime_error {
public:
    explicit RunTimeError(int number);
    RunTimeError(int number, const std::string& description);

    int number() const { return m_number; }
    const std::string& description() const { return m_description; }

private:
    int m_number;
    std::string m_description;
};

// The runtime's standard description of an error number ("Application-defined or
// object-defined error" for numbers it has no text for).
std::string ErrorDescription(int number);

// Throws RunTimeError(number).
[[noreturn]] void Raise(int number);

// The runtime error a failed file call maps to. `missing` is what a missing entry means
// for this call: 53 (file not found) or 76 (path not found).
int ErrorFromErrno(int err, int missing = 53);

} // namespace platform
