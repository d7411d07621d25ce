#pragma once

#include <QString>
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

// Prints the sheet on a printer or a PDF writer.
void PrintDataSheet(QPagedPaintDevice& device, const Product& product,
                    const forms::qt::FormDialog& dialog);

// Writes the sheet as a PDF file, whole or not at all. False, with the reason in `error`, when
// the file cannot be written.
bool ExportDataSheetPdf(const QString& path, const Product& product,
                        const forms::qt::FormDialog& dialog, QString* error);

}  // namespace lorvane::app
