#pragma once

#include "tests/support/error_of.h"

#include <functional>
#include <string>
#include <vector>

#include <QApplication>

#include "platform/errors/run_time_error.h"

namespace formstest {

// The one application object every widget test needs. It is never destroyed: the test
// library's own input devices are torn down at exit after any static would be.
inline QApplication& App()
{
    static int argc = 1;
    static char name[] = "forms_test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

using Events = std::vector<std::string>;

using testing_support::ErrorOf;

} // namespace formstest
