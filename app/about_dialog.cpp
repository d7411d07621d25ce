#include "app/about_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lorvane::app {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Information about acoustics"));
    auto* layout = new QVBoxLayout(this);
    for (const char* line :
         {"Lorvane Version 1.3", "Acoustic and flow data of ventilation components",
          "Copyright (C) Lorvane"}) {
        layout->addWidget(new QLabel(QString::fromLatin1(line), this));
    }
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace lorvane::app
