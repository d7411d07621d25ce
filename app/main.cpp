#include <QApplication>
#include <cstring>
#include <iostream>

#include "app/lorvane_app.h"
#include "app/sheet_command.h"

namespace {

constexpr const char* kUsage =
    "Usage: lorvane [Qt options]\n"
    "       lorvane --sheet OUT.pdf PRODUCT [OPTIONS]\n"
    "       lorvane --help | --version\n"
    "\n"
    "Without arguments, starts the desktop program: the main window with the product menu.\n"
    "\n"
    "  --sheet OUT.pdf PRODUCT [OPTIONS]  writes the data sheet of one calculation, without a\n"
    "                                     window: PRODUCT and OPTIONS as lorvane-calc takes them\n"
    "                                     (lorvane-calc PRODUCT --help lists them)\n"
    "  --help                             shows this text\n"
    "  --version                          shows the version\n";

// What only the toolkit says about its own set-up (a runtime folder it makes, a window hint the
// off-screen platform ignores) is no message for a script that makes a sheet.
void KeepOnlyErrors(QtMsgType type, const QMessageLogContext& /*context*/, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << text.toStdString() << '\n';
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    // Answered before any window system is asked for: they need no display.
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::cout << kUsage;
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "lorvane " LORVANE_VERSION "\n";
        return 0;
    }
    // A data sheet for a script needs no screen.
    const bool sheet = argc > 1 && std::strcmp(argv[1], "--sheet") == 0;
    if (sheet) {
        qInstallMessageHandler(KeepOnlyErrors);
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
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
