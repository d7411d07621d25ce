#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <variant>

#include "forms/product_form.h"
#include "forms/text_view.h"
#include "products/catalogue.h"
#include "schedule/fresh_form.h"
#include "schedule/record_json.h"

namespace lorvane::schedule {

// A calculation of one product as lorvane-calc and schedules ask for it: the options given as
// texts, the missing ones keeping the form's start values.
struct Call {
    const Product* product = nullptr;
    // The options with a value, as typed (a list entry as its word); the last one of a name wins.
    std::map<std::string, std::string> given;
    std::set<std::string> flags;  // the flags given
};

// What one "calculate" of a call came to: the texts evaluated, by option name (the start texts
// of the product's form overlaid with the options given, a list's entry as the entry), the
// questions the form put with the answers the flags gave, and the record.
struct Evaluation {
    forms::InputTexts inputs;
    forms::Answers answers;
    forms::ResultRecord record;
};

// The one evaluation of a call that every output reads: the product's own evaluation on a
// shared state of start values, its questions answered as the flags say.
Evaluation EvaluateCall(const Call& call);

// A call evaluated and shown on its product's form: the fields as the form's window would show
// them after "calculate" (the start texts, the inputs, then the record), for lorvane-calc's
// text and JSON and for a data sheet made without a window.
class CalculatedCall {
  public:
    explicit CalculatedCall(const Call& call);
    CalculatedCall(const CalculatedCall&) = delete;
    CalculatedCall& operator=(const CalculatedCall&) = delete;

    const Call& Called() const { return call_; }
    const forms::ResultRecord& Record() const { return evaluation_.record; }
    const forms::FormDescription& Description() const { return description_; }
    // The form's fields after the press.
    const forms::FormView& View() const { return view_; }
    // The form laid out as text, as its window shows it.
    std::string FormText() const;
    // The values used, by option name: numbers as the form reads them (null where the text
    // holds none), list entries by their words, flags as given or not.
    Json Inputs() const;
    // "product", "inputs", then the record's keys: what `lorvane-calc PRODUCT --json` prints.
    Json ToJson() const;
    // The lorvane-calc call that gives these figures again.
    std::string Command() const;

  private:
    Call call_;
    Evaluation evaluation_;
    forms::FormDescription description_;
    forms::TextView view_;
};

// The lorvane-calc call of a product with its inputs as the form's fields hold them (a list's
// entry given by its word), and the flags that answer the questions put as they were answered;
// a text that is not a plain word is quoted for the shell.
std::string ReproducingCommand(const Product& product, const forms::InputTexts& texts,
                               const forms::Answers& answers);

// The "inputs" object of a call's JSON from the texts evaluated.
Json InputsJson(const Call& call, const forms::InputTexts& texts);

// The words a flag's value may be written as in a schedule cell.
bool IsYes(std::string_view cell);
bool IsNo(std::string_view cell);

// A call from the cells of a schedule row: the product's word and texts by option name (a
// flag's as yes or no). The words of products and list entries are taken whatever their case
// and surrounding spaces; numbers are left to the form, which reads them as it reads its
// fields. An empty cell keeps the option's start value. Returns the call, or why the row cannot
// be one: an unknown product, an option the product does not have, a word that picks no entry.
std::variant<Call, std::string> CallOfCells(std::string_view product,
                                            const std::map<std::string, std::string>& cells);

// Whether some built product has an option of this name.
bool IsOptionName(std::string_view name);

}  // namespace lorvane::schedule
