#pragma once

#include <QApplication>

namespace formstest {

// The one application object every widget test needs.
inline QApplication& App()
{
    static int argc = 1;
    static char name[] = "forms_test";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

using Events = std::vector<std::string>;

} // namespace formstest
