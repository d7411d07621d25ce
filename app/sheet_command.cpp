#include "app/sheet_command.h"

#include <iostream>

#include "app/data_sheet.h"
#include "app/option_arguments.h"
#include "schedule/call.h"

namespace lorvane::app {
namespace {

int UsageError(const QString& problem) {
    std::cerr << "lorvane: " << problem.toStdString()
              << " (usage: lorvane --sheet OUT.pdf PRODUCT [OPTIONS])\n";
    return 2;
}

}  // namespace

int RunSheetCommand(const QStringList& arguments) {
    if (arguments.size() < 2) {
        return UsageError(QStringLiteral("a file and a product are needed"));
    }
    const Product* product = FindProductByWord(arguments[1].toStdString());
    if (product == nullptr) {
        return UsageError(QStringLiteral("unknown product '") + arguments[1] + u'\'');
    }
    QString error;
    const std::optional<OptionValues> options =
        ReadOptionValues(*product, arguments.mid(2), &error);
    if (!options) {
        return UsageError(error);
    }

    const schedule::CalculatedCall calculated(
        schedule::Call{.product = product, .given = options->values, .flags = options->flags});
    if (const auto& refusal = calculated.Record().Refused()) {
        std::cerr << refusal->message << '\n';
        return 1;
    }
    if (!ExportDataSheetPdf(arguments[0], SheetOfCall(calculated), &error)) {
        std::cerr << "lorvane: cannot write " << arguments[0].toStdString() << ": "
                  << error.toStdString() << '\n';
        return 3;
    }
    return 0;
}

}  // namespace lorvane::app
