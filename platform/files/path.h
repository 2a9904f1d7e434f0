#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform::files {

// A file or folder location: a native folder taken literally (the program folder, a
// temporary folder in tests) followed by components in the program's own CP1252 text.
// When used, each component is matched against the entries that exist without regard to
// letter case, an exact match first; a component that matches nothing keeps the spelling
// given, so new entries are created as named.
//
// Components are single names, never paths: one that is empty, ".", "..", or holds "/" or
// NUL is refused when it is added, with run-time error 52 (bad file name or number), so
// nothing a user types can become a separator or climb out of its folder. A backslash is
// an ordinary character here; callers that take names from users refuse it themselves.
class Path {
public:
    // The empty path: names no file (the INI routines read it as "use the settings file").
    Path() = default;

    // `nativeFolder` is used byte for byte, as the operating system names it; a trailing
    // "/" is dropped. An empty text gives the empty path.
    static Path Native(std::string nativeFolder);

    // This path with one more component (throws RunTimeError 52 for a bad component).
    Path operator/(std::string_view component) const;

    bool empty() const { return m_base.empty(); }
    const std::string& base() const { return m_base; }
    const std::vector<std::string>& components() const { return m_components; }

    // The last component ("" when there is none).
    std::string Name() const;
    // The path without its last component (the path itself when it has none).
    Path Parent() const;

    // The native path with every component spelled as given (no case matching), the
    // components converted to UTF-8. For messages and for a first exact lookup.
    std::string Literal() const;

    bool operator==(const Path& other) const = default;

private:
    std::string m_base;
    std::vector<std::string> m_components;
};

// True when `component` can be added to a path (see Path).
bool IsValidComponent(std::string_view component);

} // namespace platform::files
