#include "app/option_arguments.h"

#include <QRegularExpression>

#include "forms/qt/form_dialog.h"

namespace lorvane::app {
namespace {

const forms::Option* FindOption(const Product& product, const QString& argument) {
    for (const forms::Option& option : product.spec().options) {
        if (argument == QStringLiteral("--") + QString::fromStdString(option.name)) {
            return &option;
        }
    }
    return nullptr;
}

QString ShellWord(const QString& text) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9._+-]+$"));
    if (plain.match(text).hasMatch()) {
        return text;
    }
    QString quoted = text;
    quoted.replace(QStringLiteral("'"), QStringLiteral("'\\''"));
    return QStringLiteral("'") + quoted + QStringLiteral("'");
}

}  // namespace

std::optional<OptionValues> ReadOptionValues(const Product& product, const QStringList& arguments,
                                             QString* error) {
    OptionValues options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const forms::Option* option = FindOption(product, arguments[i]);
        if (option == nullptr) {
            *error = QStringLiteral("unknown option ") + arguments[i];
            return std::nullopt;
        }
        if (option->IsFlag()) {
            options.flags.insert(option->name);
            continue;
        }
        if (i + 1 >= arguments.size() || arguments[i + 1].startsWith(QStringLiteral("--"))) {
            *error = QStringLiteral("option ") + arguments[i] + QStringLiteral(" needs a value");
            return std::nullopt;
        }
        const std::string value = arguments[++i].toStdString();
        if (!option->choices.empty() && !option->ItemOf(value)) {
            *error = QStringLiteral("option ") + arguments[i - 1] +
                     QStringLiteral(" takes no value ") + arguments[i];
            return std::nullopt;
        }
        options.values[option->name] = value;
    }
    return options;
}

void EnterOptionValues(forms::qt::FormDialog& dialog, const Product& product,
                       const OptionValues& options) {
    for (const forms::Option& option : product.spec().options) {
        const auto value = options.values.find(option.name);
        if (value != options.values.end()) {
            dialog.Enter(option.field,
                         QString::fromStdString(option.ItemOf(value->second).value_or(value->second)));
        }
    }
}

bool AnswerFromFlags(const Product& product, const OptionValues& options, const QString& question) {
    for (const forms::Option& option : product.spec().options) {
        if (option.IsFlag() && QString::fromStdString(option.question) == question) {
            return options.flags.contains(option.name) ? option.answerWhenGiven
                                                       : !option.answerWhenGiven;
        }
    }
    return false;
}

QString ReproducingCommand(const Product& product, const forms::qt::FormDialog& dialog) {
    QString command = QStringLiteral("lorvane-calc ") + QString::fromUtf8(product.word);
    for (const forms::Option& option : product.spec().options) {
        const QString name = QStringLiteral(" --") + QString::fromStdString(option.name);
        if (option.IsFlag()) {
            const auto answer = dialog.LastAnswers().find(option.question);
            if (answer != dialog.LastAnswers().end() && answer->second == option.answerWhenGiven) {
                command += name;
            }
            continue;
        }
        std::string text = dialog.Text(option.field);
        for (const forms::Choice& choice : option.choices) {
            if (choice.item == text) {
                text = choice.word;
            }
        }
        command += name + QStringLiteral(" ") + ShellWord(QString::fromStdString(text));
    }
    return command;
}

}  // namespace lorvane::app
