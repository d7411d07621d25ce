#pragma once

#include <QString>
#include <QUrl>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/room_sheet.h"
#include "forms/chart_lines.h"
#include "forms/form_text.h"
#include "products/catalogue.h"

class QPagedPaintDevice;
class QTextDocument;

namespace lorvane::forms::qt {
class FormDialog;
}

namespace lorvane::schedule {
class CalculatedCall;
}

namespace lorvane::app {

// What the data sheet of one calculation shows: the product and its heading, the form's rows
// with their texts as they stand (values of an earlier calculation left out), the chart of its
// band levels, where the figures come from, the room where one is set and the lorvane-calc call
// that gives them again.
// It is made from the form's description and the calculation's record, not from a window.
struct SheetContent {
    const Product* product = nullptr;
    std::string caption;  // "Selmon"
    std::string heading;  // the form's title line
    std::vector<std::vector<forms::GridText>> grid;
    std::optional<std::vector<forms::ChartLine>> chart;  // absent for a form without a chart
    std::vector<std::string> sources;
    std::string command;
    std::optional<SheetRoom> room;  // where a room is set
};

// The sheet of a form open on the screen, as it stands.
SheetContent SheetOfForm(const Product& product, const forms::qt::FormDialog& dialog);
// The sheet of a calculation made without a window.
SheetContent SheetOfCall(const schedule::CalculatedCall& call);

// Where a sheet goes in a document that holds more than one: the name of its chart's image in
// the document (the room's chart is named after it), whether it starts a page of its own, and the
// tag of the schedule's position it shows, if any.
struct SheetPlace {
    QUrl chartImage = QUrl(QStringLiteral("lorvane:chart.png"));
    bool newPage = false;
    QString tag;
};

// The font, margins and styles of a document that holds data sheets.
void SetUpSheetDocument(QTextDocument& document);
// The HTML of one sheet; its chart is painted and added to `document` as an image resource.
QString DataSheetHtml(const SheetContent& sheet, QTextDocument& document, const SheetPlace& place);
// A4 portrait with the sheet's margins.
void SetSheetPageLayout(QPagedPaintDevice& device);

// The sheet as a document of one A4 page.
std::unique_ptr<QTextDocument> DataSheet(const SheetContent& sheet);

// Prints the sheet on a printer or a PDF writer.
void PrintDataSheet(QPagedPaintDevice& device, const SheetContent& sheet);

// Writes the sheet as a PDF file, whole or not at all. False, with the reason in `error`, when
// the file cannot be written.
bool ExportDataSheetPdf(const QString& path, const SheetContent& sheet, QString* error);

}  // namespace lorvane::app
