#include "app/schedule_prompts.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>

namespace lorvane::app {

SchedulePrompts::Unsaved ScheduleDialogs::AskUnsaved(QWidget* parent, const QString& name) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Schedule"),
                    QStringLiteral("The project %1 has changes that are not saved.").arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setInformativeText(QStringLiteral("Do you want to save them?"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save:
            return Unsaved::Save;
        case QMessageBox::Discard:
            return Unsaved::Discard;
        default:
            return Unsaved::Cancel;
    }
}

QString ScheduleDialogs::OpenPath(QWidget* parent, const QString& caption, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString ScheduleDialogs::SavePath(QWidget* parent, const QString& caption, const QString& suggested,
                                  const QString& filter) {
    QFileDialog dialog(parent, caption, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The suffix of the first filter, when the planner types a name without one.
    static const QRegularExpression suffix(QStringLiteral("\\*\\.(\\w+)"));
    if (const QRegularExpressionMatch match = suffix.match(filter); match.hasMatch()) {
        dialog.setDefaultSuffix(match.captured(1));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first();
}

std::optional<QString> ScheduleDialogs::AskTag(QWidget* parent, const QString& suggested) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Add to schedule"));
    dialog.setLabelText(QStringLiteral("Tag of the new position:"));
    dialog.setTextValue(suggested);
    // Wide enough for its title beside a window manager's buttons: the box's layout keeps it
    // as narrow as its contents, so the line of the tag is made wide.
    if (auto* line = dialog.findChild<QLineEdit*>()) {
        line->setMinimumWidth(dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()) * 3);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.textValue().trimmed();
}

void ScheduleDialogs::ShowMessage(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox::warning(parent, caption, text);
}

}  // namespace lorvane::app
