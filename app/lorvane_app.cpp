#include "app/lorvane_app.h"

#include <QCoreApplication>
#include <QSettings>

namespace lorvane::app {

CLorvaneApp::CLorvaneApp() = default;
CLorvaneApp::~CLorvaneApp() = default;

bool CLorvaneApp::InitInstance() {
    // The user's settings live under Lorvane/Lorvane (Software\Lorvane\Lorvane on Windows).
    QCoreApplication::setOrganizationName(QStringLiteral("Lorvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Lorvane"));
    QSettings settings;
    recentFiles_.Load(settings);

    mainFrame_ = std::make_unique<CMainFrame>(state_, prompts_);
    mainFrame_->show();
    mainFrame_->setWindowTitle(QStringLiteral("BRENNTAL  ACOUSTICS"));
    return true;
}

void CLorvaneApp::ExitInstance() {
    QSettings settings;
    recentFiles_.Save(settings);
}

}  // namespace lorvane::app
