#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "products/catalogue.h"

namespace lorvane::forms::qt {
class FormDialog;
}

namespace lorvane::app {

// The options of one product as a command line gives them ("--flow 800 --keep-flow"), with the
// words of lorvane-calc.
struct OptionValues {
    std::map<std::string, std::string> values;  // by option name, as typed; list entries by word
    std::set<std::string> flags;
};

// Reads "--name value" pairs and flags against a product's options, and for a product that sends
// sound into a room, the room options ("--path", "--room", ...). Nothing, with the reason in
// `error`, for an unknown option, a missing value or a word that picks no list entry.
std::optional<OptionValues> ReadOptionValues(const Product& product, const QStringList& arguments,
                                             QString* error);

// Enters the values into an open form of the product as a user would.
void EnterOptionValues(forms::qt::FormDialog& dialog, const Product& product,
                       const OptionValues& options);

// The answer the flags give to one of the product form's questions: a flag given answers as
// its option says, a flag left out the other way.
bool AnswerFromFlags(const Product& product, const OptionValues& options, const QString& question);

// The lorvane-calc call that gives the figures the form shows: its inputs as the fields hold
// them, and the flags that answer the latest questions as the user did.
QString ReproducingCommand(const Product& product, const forms::qt::FormDialog& dialog);

}  // namespace lorvane::app
