#pragma once

#include "platform/errors/run_time_error.h"

#include <functional>
#include <gtest/gtest.h>

// The run-time error number that `body` raised, or 0 when it raised none.
inline int ErrorNumberOf(const std::function<void()>& body)
{
    try {
        body();
    } catch (const platform::RunTimeError& e) {
        return e.number();
    }
    return 0;
}
