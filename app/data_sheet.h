#pragma once

#include <QString>
#include <QUrl>
#include <memory>

#include "products/catalogue.h"

class QPagedPaintDevice;
class QTextDocument;

namespace lorvane::forms::qt {
class FormDialog;
}

namespace lorvane::app {

// The data sheet of a calculated form, one A4 page: the product and its heading, the date and
// the program version, the form's inputs and current results in its rows and band columns,
// the chart, and at its foot where the figures come from and the lorvane-calc call that gives
// them again. Values from an earlier calculation are left out.
std::unique_ptr<QTextDocument> DataSheet(const Product& product,
                                         const forms::qt::FormDialog& dialog);

// Where a sheet goes in a document that holds more than one: the name of its chart's image in
// the document, whether it starts a page of its own, and the tag of the schedule's position it
// shows, if any.
struct SheetPlace {
    QUrl chartImage = QUrl(QStringLiteral("lorvane:chart.png"));
    bool newPage = false;
    QString tag;
};

// The font, margins and styles of a document that holds data sheets.
void SetUpSheetDocument(QTextDocument& document);
// The HTML of one sheet; its chart is added to `document` as an image resource.
QString DataSheetHtml(const Product& product, const forms::qt::FormDialog& dialog,
                      QTextDocument& document, const SheetPlace& place);
// A4 portrait with the sheet's margins.
void SetSheetPageLayout(QPagedPaintDevice& device);

// Prints the sheet on a printer or a PDF writer.
void PrintDataSheet(QPagedPaintDevice& device, const Product& product,
                    const forms::qt::FormDialog& dialog);

// Writes the sheet as a PDF file, whole or not at all. False, with the reason in `error`, when
// the file cannot be written.
bool ExportDataSheetPdf(const QString& path, const Product& product,
                        const forms::qt::FormDialog& dialog, QString* error);

}  // namespace lorvane::app
