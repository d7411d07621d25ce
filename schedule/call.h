#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <variant>

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

// A call typed into a fresh form of its product: the options entered, the form's questions
// answered as the flags say, and "calculate" pressed once.
class CalculatedCall {
  public:
    explicit CalculatedCall(const Call& call);
    CalculatedCall(const CalculatedCall&) = delete;
    CalculatedCall& operator=(const CalculatedCall&) = delete;

    const forms::ResultRecord& Record() const { return *form_.Get().LastRecord(); }
    // The form laid out as text, as its window shows it.
    std::string FormText() const;
    // The values used, by option name: numbers as the form reads them (null where the text
    // holds none), list entries by their words, flags as given or not.
    Json Inputs() const;
    // "product", "inputs", then the record's keys: what `lorvane-calc PRODUCT --json` prints.
    Json ToJson() const;

  private:
    Call call_;
    FreshForm form_;
    forms::TextView view_;
};

// The record of a call, calculated as CalculatedCall does it but without a form to show it on:
// the start texts of the product's form overlaid with the options given, evaluated on a shared
// state of start values, the form's questions answered as the flags say. `texts`, when given,
// receives the texts evaluated, by option name.
forms::ResultRecord EvaluateCall(const Call& call, forms::InputTexts* texts = nullptr);

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
