#include "app/form_commands.h"

#include <QAction>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>

#include "app/data_sheet.h"
#include "app/position_form.h"
#include "app/room_panel.h"
#include "app/screen_fit.h"
#include "forms/qt/form_dialog.h"

namespace lorvane::app {
namespace {

QAction* NewAction(forms::qt::FormDialog& dialog, const QString& text, const QString& name,
                   const QKeySequence& shortcut) {
    auto* action = new QAction(text, &dialog);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    dialog.AddCommand(action);
    return action;
}

// A preview as tall as the screen allows, as wide as tall for its whole tool bar, showing each
// page whole.
void ShowWholePages(QPrintPreviewDialog& preview) {
    const QScreen* screen = preview.screen();
    const int height = screen != nullptr ? screen->availableGeometry().height() : 900;
    FitToScreen(preview, QSize(height, height));
    if (auto* pages = preview.findChild<QPrintPreviewWidget*>()) {
        pages->setZoomMode(QPrintPreviewWidget::FitInView);
    }
}

void Print(forms::qt::FormDialog& dialog, const Product& product) {
    QPrinter printer;
    QPrintPreviewDialog preview(&printer, &dialog);
    ShowWholePages(preview);
    QObject::connect(
        &preview, &QPrintPreviewDialog::paintRequested, &dialog,
        [&](QPrinter* target) { PrintDataSheet(*target, SheetOfForm(product, dialog)); });
    preview.exec();
}

void ExportPdf(forms::qt::FormDialog& dialog, const Product& product) {
    const QString path = QFileDialog::getSaveFileName(
        &dialog, QStringLiteral("Export PDF"),
        QString::fromUtf8(product.word) + QStringLiteral(".pdf"), QStringLiteral("PDF (*.pdf)"));
    QString error;
    if (!path.isEmpty() && !ExportDataSheetPdf(path, SheetOfForm(product, dialog), &error)) {
        QMessageBox::warning(
            &dialog, QStringLiteral("Export PDF"),
            QStringLiteral("The data sheet could not be written to %1: %2").arg(path, error));
    }
}

}  // namespace

void AddFormCommands(forms::qt::FormDialog& dialog, const Product& product, SharedState& state,
                     const AddToSchedule& addToSchedule) {
    if (product.room.SendsSound()) {
        QAction* room = NewAction(dialog, QStringLiteral("Room…"), QStringLiteral("room"), {});
        room->setToolTip(QStringLiteral("What this product sends along a duct into a room"));
        QObject::connect(room, &QAction::triggered, &dialog,
                         [&dialog, &product, &state] { OpenRoomPanel(dialog, product, state); });
    }
    QAction* print =
        NewAction(dialog, QStringLiteral("Print…"), QStringLiteral("print"), QKeySequence::Print);
    QObject::connect(print, &QAction::triggered, &dialog, [&] { Print(dialog, product); });
    QAction* pdf = NewAction(dialog, QStringLiteral("Export PDF…"), QStringLiteral("exportPdf"),
                             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QObject::connect(pdf, &QAction::triggered, &dialog, [&] { ExportPdf(dialog, product); });
    if (addToSchedule) {
        QAction* add = NewAction(dialog, QStringLiteral("Add to schedule"),
                                 QStringLiteral("addToSchedule"), {});
        add->setToolTip(
            QStringLiteral("Makes this product with the inputs as they stand a new "
                           "position of the schedule"));
        QObject::connect(add, &QAction::triggered, &dialog, [&dialog, &product, addToSchedule] {
            schedule::Position position;
            position.product = std::string(product.word);
            position.inputs = FormInputs(dialog, product);
            position.inputs.merge(RoomOptionsOf(dialog));
            addToSchedule(std::move(position), &dialog);
        });
    }
}

}  // namespace lorvane::app
