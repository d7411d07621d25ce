// form-snapshot: opens one product form in a real window, types the given values, presses
// "calculate" and saves a picture of the window. For looking at forms under a virtual display:
//
//     xvfb-run -a build/dev/tools/form_snapshot/form-snapshot selmon shot.png --flow 200
//
// Messages the form would show in a box are printed on standard error instead.

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <iostream>
#include <sstream>

#include "forms/qt/form_dialog.h"
#include "forms/qt/prompts.h"
#include "products/catalogue.h"

namespace {

using namespace lorvane;

class PrintingPrompts : public forms::qt::Prompts {
  public:
    void ShowError(QWidget* /*parent*/, const QString& caption, const QString& text) override {
        std::cerr << caption.toStdString() << ": " << text.toStdString() << '\n';
    }
    bool AskCorrection(QWidget* /*parent*/, const QString& question) override {
        std::cerr << "Correction: " << question.toStdString() << " (answered NO)\n";
        return false;
    }
};

int Usage() {
    std::cerr << "usage: form-snapshot PRODUCT OUT.png [--OPTION VALUE]... [--no-calculate]\n";
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 3) {
        return Usage();
    }
    const Product* product = FindProductByWord(arguments[1].toStdString());
    if (product == nullptr) {
        std::cerr << "form-snapshot: no form for '" << arguments[1].toStdString() << "'\n";
        return 2;
    }
    SharedState state;
    std::ostringstream diagnostics;
    PrintingPrompts prompts;
    forms::qt::FormDialog dialog(product->makeForm(forms::FormContext{state, diagnostics}),
                                 prompts);
    dialog.show();

    bool calculate = true;
    for (int i = 3; i < arguments.size(); ++i) {
        const std::string name = arguments[i].toStdString();
        if (name == "--no-calculate") {
            calculate = false;
            continue;
        }
        const forms::Option* option = nullptr;
        for (const forms::Option& candidate : product->spec().options) {
            if ("--" + candidate.name == name) {
                option = &candidate;
            }
        }
        if (option == nullptr || option->IsFlag() || i + 1 >= arguments.size()) {
            return Usage();
        }
        const std::string value = arguments[++i].toStdString();
        dialog.SetText(option->field, option->ItemOf(value).value_or(value));
    }
    if (calculate) {
        if (auto* button = qobject_cast<QPushButton*>(
                dialog.Widget(dialog.form().Description().defaultButton))) {
            button->click();
        }
    }
    QTimer::singleShot(300, [&] {
        const bool saved = dialog.grab().save(arguments[2]);
        QApplication::exit(saved ? 0 : 1);
    });
    return QApplication::exec();
}
