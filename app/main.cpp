#include <QApplication>
#include <cstring>

#include "app/lorvane_app.h"
#include "app/sheet_command.h"

int main(int argc, char* argv[]) {
    // A data sheet for a script needs no screen.
    const bool sheet = argc > 1 && std::strcmp(argv[1], "--sheet") == 0;
    if (sheet && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    if (sheet) {
        return lorvane::app::RunSheetCommand(QApplication::arguments().mid(2));
    }
    lorvane::app::CLorvaneApp lorvane;
    if (!lorvane.InitInstance()) {
        return 1;
    }
    const int exitCode = QApplication::exec();
    lorvane.ExitInstance();
    return exitCode;
}
