#include "app/user_guide.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/screen_fit.h"
#include "forms/qt/application_icon.h"

namespace lorvane::app {

UserGuideWindow::UserGuideWindow(QWidget* parent)
    : QDialog(parent), browser_(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("Lorvane user guide"));
    setWindowIcon(forms::qt::ApplicationIcon());
    // Beside the main window, not over it.
    setModal(false);
    browser_->setObjectName(QStringLiteral("guide"));
    browser_->setOpenExternalLinks(true);
    browser_->setSource(QUrl(QStringLiteral("qrc:/lorvane/user-guide.html")));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addWidget(buttons);
    FitToScreen(*this, QSize(720, 640));
}

}  // namespace lorvane::app
