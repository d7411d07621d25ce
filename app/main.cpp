#include <QApplication>

#include "app/lorvane_app.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    lorvane::app::CLorvaneApp lorvane;
    if (!lorvane.InitInstance()) {
        return 1;
    }
    const int exitCode = QApplication::exec();
    lorvane.ExitInstance();
    return exitCode;
}
