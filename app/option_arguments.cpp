#include "app/option_arguments.h"

#include "forms/qt/form_dialog.h"
#include "schedule/call.h"
#include "schedule/room_call.h"

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

// The name of a room option an argument gives to a product that sends sound into a room
// ("--path"), or nothing.
std::optional<std::string> RoomOptionName(const Product& product, const QString& argument) {
    if (!product.room.SendsSound() || !argument.startsWith(QStringLiteral("--"))) {
        return std::nullopt;
    }
    const std::string name = argument.mid(2).toStdString();
    return schedule::IsRoomOption(name) ? std::optional(name) : std::nullopt;
}

bool IsValue(const QStringList& arguments, qsizetype at) {
    return at < arguments.size() && !arguments[at].startsWith(QStringLiteral("--"));
}

}  // namespace

std::optional<OptionValues> ReadOptionValues(const Product& product, const QStringList& arguments,
                                             QString* error) {
    OptionValues options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (const std::optional<std::string> room = RoomOptionName(product, arguments[i])) {
            if (!IsValue(arguments, i + 1)) {
                *error = QStringLiteral("option ") + arguments[i] + QStringLiteral(" needs a value");
                return std::nullopt;
            }
            options.values[*room] = arguments[++i].toStdString();
            continue;
        }
        const forms::Option* option = FindOption(product, arguments[i]);
        if (option == nullptr) {
            *error = QStringLiteral("unknown option ") + arguments[i];
            return std::nullopt;
        }
        if (option->IsFlag()) {
            options.flags.insert(option->name);
            continue;
        }
        if (!IsValue(arguments, i + 1)) {
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
            dialog.Enter(option.field, QString::fromStdString(
                                           option.ItemOf(value->second).value_or(value->second)));
        }
    }
}

bool AnswerFromFlags(const Product& product, const OptionValues& options, const QString& question) {
    return forms::AnswerOf(product.spec().options, options.flags, question.toStdString());
}

QString ReproducingCommand(const Product& product, const forms::qt::FormDialog& dialog) {
    forms::InputTexts shown;
    for (const forms::Option& option : product.spec().options) {
        if (option.field != forms::kNoId) {
            shown[option.name] = dialog.Text(option.field);
        }
    }
    return QString::fromStdString(
        schedule::ReproducingCommand(product, shown, dialog.LastAnswers()));
}

}  // namespace lorvane::app
