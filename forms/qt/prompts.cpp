#include "forms/qt/prompts.h"

#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

#include "forms/qt/dialog1.h"

namespace lorvane::forms::qt {

void DialogPrompts::ShowError(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    // A plain box: no picture beside the text and none on the button.
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    box.exec();
}

bool DialogPrompts::AskCorrection(QWidget* parent, const QString& question) {
    Dialog1 dialog(question, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace lorvane::forms::qt
