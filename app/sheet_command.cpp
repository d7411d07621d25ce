#include "app/sheet_command.h"

#include <QCoreApplication>
#include <iostream>
#include <sstream>

#include "app/data_sheet.h"
#include "app/option_arguments.h"
#include "forms/qt/form_dialog.h"
#include "forms/qt/prompts.h"
#include "forms/result_record.h"

namespace lorvane::app {
namespace {

// The boxes of a form run by a script: messages are kept for the caller, questions answered as
// the flags say.
class ScriptedPrompts : public forms::qt::Prompts {
  public:
    ScriptedPrompts(const Product& product, const OptionValues& options)
        : product_(product), options_(options) {}

    void ShowError(QWidget* /*parent*/, const QString& /*caption*/, const QString& /*text*/) override {}
    bool AskCorrection(QWidget* /*parent*/, const QString& question) override {
        return AnswerFromFlags(product_, options_, question);
    }

  private:
    const Product& product_;
    const OptionValues& options_;
};

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

    SharedState state;
    std::ostringstream diagnostics;
    ScriptedPrompts prompts(*product, *options);
    forms::qt::FormDialog dialog(product->makeForm(forms::FormContext{state, diagnostics}),
                                 prompts);
    dialog.show();
    EnterOptionValues(dialog, *product, *options);
    dialog.Calculate();
    // The chart lays itself out in the event loop.
    QCoreApplication::processEvents();
    const forms::ResultRecord* record = dialog.form().LastRecord();
    if (record != nullptr && record->Refused()) {
        std::cerr << record->Refused()->message << '\n';
        return 1;
    }
    if (!ExportDataSheetPdf(arguments[0], *product, dialog, &error)) {
        std::cerr << "lorvane: cannot write " << arguments[0].toStdString() << ": "
                  << error.toStdString() << '\n';
        return 3;
    }
    return 0;
}

}  // namespace lorvane::app
