#include "app/main_window/frmMain/frmMain.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/events.h"

#include <QApplication>
#include <memory>

// The program is its main window: it loads, and a failed load has shown its error and ends
// the program. Making the window is part of its load: it creates the progress displays
// through the component registry, which fails when `Kolvetra` is not registered, the
// registry cannot be read or the library cannot serve them.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::forms::SetAppTitle("Quorvel");
    std::unique_ptr<quorvel::frmMain> main;
    if (!platform::forms::RunHandler([&] { main = std::make_unique<quorvel::frmMain>(); }) ||
        !main->Load())
        return 1;
    main->Show();
    return app.exec();
}
