#include "app/main_window/frmMain/frmMain.h"
#include "platform/forms/dialogs.h"

#include <QApplication>

// The program is its main window: it loads, and a failed load (no "projects" or no stock
// faction folder beside the program) has shown its error and ends the program.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::forms::SetAppTitle("Quorvel");
    quorvel::frmMain main;
    if (!main.Load())
        return 1;
    main.Show();
    return app.exec();
}
