#include "app/lorvane_app.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QSettings>
#include <QTimer>

#include "app/window_settings.h"
#include "forms/qt/application_icon.h"
#include "products/catalogue.h"

namespace lorvane::app {

CLorvaneApp::CLorvaneApp() = default;
CLorvaneApp::~CLorvaneApp() = default;

bool CLorvaneApp::InitInstance() {
    // The user's settings live under Lorvane/Lorvane (Software\Lorvane\Lorvane on Windows).
    QCoreApplication::setOrganizationName(QStringLiteral("Lorvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Lorvane"));
    // The desktop finds the program's entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(LORVANE_APP_ID));
    // Every window of the program that sets no icon of its own shows the program's.
    QApplication::setWindowIcon(forms::qt::ApplicationIcon());
    QSettings settings;
    recentFiles_.Load(settings);

    mainFrame_ = std::make_unique<CMainFrame>(state_, prompts_, schedulePrompts_, recentFiles_);
    RestoreWindowPlace(settings, *mainFrame_);
    // Noted once the form has closed: a form that ended the program is not opened again.
    QObject::connect(mainFrame_.get(), &CMainFrame::ProductFormClosed, [](int command) {
        QSettings closed;
        SaveLastProductForm(closed, *FindProduct(command));
    });
    mainFrame_->show();
    mainFrame_->setWindowTitle(QStringLiteral("BRENNTAL  ACOUSTICS"));
    // The form opened last opens again, over the main window, once the program runs.
    if (const Product* last = LastProductForm(settings)) {
        QTimer::singleShot(
            0, mainFrame_.get(),
            [frame = mainFrame_.get(), command = last->menuCommand] { frame->OnCommand(command); });
    }
    return true;
}

void CLorvaneApp::ExitInstance() {
    QSettings settings;
    recentFiles_.Save(settings);
    if (mainFrame_) {
        SaveWindowPlace(settings, *mainFrame_);
    }
}

}  // namespace lorvane::app
