#pragma once

#include "platform/errors/run_time_error.h"

#include <functional>

namespace testing_support {

// The number of the run-time error `call` raises, 0 when it raises none; any other exception
// passes through.
inline int ErrorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const platform::RunTimeError& e) {
        return e.number();
    }
    return 0;
}

} // namespace testing_support
