#pragma once

#include "platform/errors/run_time_error.h"
#include "platform/files/files.h"

#include <string>

namespace testing_support {

// Ends the running user action (files.h): 0 when everything it held landed, else the number
// of the error that stopped its commit; `description` receives that error's text.
inline int EndActionError(std::string* description = nullptr)
{
    try {
        platform::files::EndAction();
    } catch (const platform::RunTimeError& e) {
        if (description)
            *description = e.description();
        return e.number();
    }
    return 0;
}

// True when the running user action ended with everything it held on disk.
inline bool EndedWhole()
{
    return EndActionError() == 0;
}

} // namespace testing_support
