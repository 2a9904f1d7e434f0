#pragma once

#include "platform/files/path.h"

#include <string>

// One INI value at a time, with the program's line-break escape: a line break inside a
// value is stored as the five characters "/20&\" and turned back into CR LF on reading.
// A stored "/20&\" that never was a line break reads back as CR LF as well; stored files
// rely on this, so it stays.
namespace quorvel {

using platform::files::Path;

// Values are read through a buffer of this many characters: at most 254 come back.
constexpr std::size_t kIniBufferSize = 255;

// The settings file "Tessvorn.ini" in the program folder, the file of every call below
// whose file is the empty path. Worked out on first use; built again only when the
// program folder is changed.
Path GetIniPath();

struct IniValue {
    std::string text; // as ReadIni returns it
    bool cut = false; // true when the stored value was longer than 254 characters
};

// The value of `sKey` in section `sSection` of `sFile` (names matched without regard to
// case): the first 254 characters of the stored text, with every "/20&\" then replaced by
// CR LF. `sDefault`, unchanged and never cut, when the file, the section or the key is
// missing; "" for a key present with an empty value. Never fails.
std::string ReadIni(const std::string& sSection, const std::string& sKey,
                    const std::string& sDefault, const Path& sFile);

// ReadIni that also tells whether the value was cut, so that a caller which writes shown
// values back can leave a cut value alone.
IniValue ReadIniValue(const std::string& sSection, const std::string& sKey,
                      const std::string& sDefault, const Path& sFile);

// Stores `sValue` under `sKey` in `sSection` of `sFile`. Every line break of the value
// (CR LF, and also a lone CR or a lone LF, so that no value can split its line or start
// a section) is stored as "/20&\". Raises run-time error 5 (invalid procedure call or
// argument) when the write fails: the folder is missing, the file cannot be replaced,
// the section or key name is empty or holds a line break; nothing is stored then.
void WriteIni(const std::string& sSection, const std::string& sKey, const std::string& sValue,
              const Path& sFile);

} // namespace quorvel
