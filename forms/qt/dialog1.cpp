#include "forms/qt/dialog1.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lorvane::forms::qt {

Dialog1::Dialog1(const QString& question, QWidget* parent)
    : QDialog(parent), question_(question), label_(new QLabel(QStringLiteral("Statisch"), this)) {
    setWindowTitle(QStringLiteral("Correction"));
    label_->setAlignment(Qt::AlignCenter);

    auto* yes = new QPushButton(QStringLiteral("YES"), this);
    auto* no = new QPushButton(QStringLiteral("NO"), this);
    yes->setDefault(true);
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(no);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addLayout(buttons);
}

// The label shows the question from the moment the box opens.
void Dialog1::showEvent(QShowEvent* event) {
    label_->setText(question_);
    QDialog::showEvent(event);
}

}  // namespace lorvane::forms::qt
