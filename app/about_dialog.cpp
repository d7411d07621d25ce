#include "app/about_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "forms/band_layout.h"

namespace lorvane::app {
namespace {

constexpr int kTextWidth = 460;

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Information about acoustics"));
    auto* layout = new QVBoxLayout(this);
    const QStringList lines{
        QStringLiteral("Lorvane Version " LORVANE_VERSION),
        QStringLiteral("Acoustic and flow data of ventilation components"),
        QStringLiteral("Built on " LORVANE_BUILD_DATE),
        QStringLiteral("Copyright (C) Lorvane. Licence: proprietary; all rights reserved."),
        QStringLiteral("Figures: the formulas and coefficient tables of Lorvane " LORVANE_VERSION
                       " for every product."),
        QString::fromStdString(forms::InsertionLossSource()),
    };
    for (const QString& line : lines) {
        auto* label = new QLabel(line, this);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // A long line wraps within the box's width and keeps the height it needs there.
        label->setFixedWidth(kTextWidth);
        label->setMinimumHeight(label->heightForWidth(kTextWidth));
        layout->addWidget(label);
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
