#pragma once

#include "platform/com/property_bag.h"

#include <string>
#include <string_view>
#include <vector>

namespace platform::com {

// One control of a form's stored layout: its class (programmatic identifier or braced class
// identifier), its instance name and its property bag.
struct StoredControl {
    std::string classId;
    std::string name;
    PropertyBag properties;

    friend bool operator==(const StoredControl&, const StoredControl&) = default;
};

struct StoredLayout {
    std::vector<StoredControl> controls;

    // By instance name, without regard to case; null when there is none.
    const StoredControl* Find(std::string_view name) const;

    friend bool operator==(const StoredLayout&, const StoredLayout&) = default;
};

// The text form of a stored layout, one block per control:
//
//     ' a comment line
//     Begin Kolvetra.ProgressBar pgbFP
//         Scrolling = 1&
//         TextAfterValue = " %"
//         Font = Font("Tahoma", 8.25, 400, 0, Bold)
//         Picture = Picture("iVBORw0KGgo...")
//     End
//
// Values keep their type: Empty, True/False, 8% (Integer), 100& (Long), 1.5# (Double; a
// number without suffix is a Long when whole and in range, else a Double), &H80000008 (OLE
// colour), "text" (CP1252 bytes; \\ \" \r \n \t and \xHH escapes), Font(name, size, weight,
// charset, then any of Bold Italic Underline Strikethrough), Picture("<base64 PNG>") and
// Nothing (no picture). Writing then parsing gives the same layout, and parsing then writing
// gives the same text for text this writer made (lines end in CR LF).
//
// A malformed text raises run-time error 380 whose description names the line.
StoredLayout ParseStoredLayout(std::string_view text);

// An object reference cannot be stored and raises error 13.
std::string WriteStoredLayout(const StoredLayout& layout);

// The text form of one value, as it stands after "Name = ".
std::string FormatStoredValue(const Variant& value);

} // namespace platform::com
