#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "forms/form.h"
#include "forms/result_record.h"

namespace lorvane::forms {

// A list entry as lorvane-calc and schedules name it: "--linkage same" picks "same direction".
struct Choice {
    std::string word;
    std::string item;
};

// What can be given to a form from outside it (lorvane-calc, a schedule): the text of one of
// its inputs, or the answer to one of its questions.
struct Option {
    std::string name;  // "flow", given as --flow
    std::string help;
    ControlId field = kNoId;      // the input field or list the text goes into
    std::vector<Choice> choices;  // for a list: the words that pick its entries
    // For a flag: the question it answers. Given, the flag answers answerWhenGiven; left out,
    // the opposite.
    std::string question;
    bool answerWhenGiven = false;

    bool IsFlag() const { return !question.empty(); }
    // The list entry a word picks, or nothing.
    std::optional<std::string> ItemOf(std::string_view word) const;
    // The words of a list, as help shows them: "opposite|same".
    std::string ChoiceWords() const;
};

// The texts of a form's inputs, by option name, as the user typed or picked them.
using InputTexts = std::map<std::string, std::string>;

// The text of an input, empty when there is none.
std::string TextOf(const InputTexts& texts, const std::string& name);

// Puts a YES/NO question to the user; true for YES. `soFar` is what the calculation has come to
// before the question (the ranges a volume flow lies outside): a form shows it while the
// question is up.
using Ask = std::function<bool(std::string_view question, const ResultRecord& soFar)>;

// The questions a calculation put, with their answers.
using Answers = std::map<std::string, bool, std::less<>>;

// The answer a call's flags give to one of its form's questions: a flag given answers as its
// option says, a flag left out the other way; a question no flag answers gets NO.
bool AnswerOf(const std::vector<Option>& options, const std::set<std::string>& flags,
              std::string_view question);

// A form's "calculate": reads the texts, checks them in the form's order, stores what passes in
// the shared state, calculates, and returns what it all came to.
using Evaluation =
    std::function<ResultRecord(SharedState& state, const InputTexts& texts, const Ask& ask)>;

// One product form as data and logic: one generic form object serves every product.
struct FormSpec {
    FormDescription description;
    std::vector<Option> options;
    // The texts the inputs show when the form opens, from the shared state.
    std::function<std::vector<FieldText>(SharedState& state)> initialTexts;
    Evaluation evaluate;
    // A pick in a drop-down list (optional).
    std::function<void(FormView& view, SharedState& state, ControlId list, int index)> onSelection;
    // For a product made in sizes (optional): the sizes that could serve a volume flow in m3/h,
    // each as the texts of its size options ("diameter", or "width" and "height"), in the
    // product's own order. A cheap choice before any evaluation: a size it leaves out is one
    // the form would not calculate at that flow. The product finder tries these.
    std::function<std::vector<InputTexts>(double volumeFlow)> candidateSizes;
    // What lorvane-calc's help of the product says under its options (optional): the ranges
    // that depend on the size, one line each.
    std::vector<std::string> helpNotes;
};

// The line under a form where the notes of a calculation appear.
inline constexpr ControlId kNotesField = 9000;

// The description of a product's form as it is shown: its FormSpec's description, with the notes
// line under everything else, as wide as the form.
FormDescription ProductFormDescription(const FormSpec& spec);

// A product form: on "calculate" it reads its inputs, evaluates them, writes the record into
// the fields, hands the calculation's trace to the diagnostics and shows the refusal's message.
// A question the calculation puts comes up over the results it has come to so far.
class ProductForm : public Form {
  public:
    ProductForm(const FormSpec& spec, const FormContext& context);

    const FormDescription& Description() const override { return description_; }
    std::vector<FieldText> InitialTexts() const override;
    void OnButton(FormView& view, ControlId button) override;
    void OnSelectionChange(FormView& view, ControlId list, int index) override;
    const ResultRecord* LastRecord() const override;

    const FormSpec& Spec() const { return spec_; }
    // The texts of the form's inputs as the view shows them.
    InputTexts ReadInputs(const FormView& view) const;

  private:
    const FormSpec& spec_;
    FormContext context_;
    FormDescription description_;
    std::optional<ResultRecord> lastRecord_;
};

// The factory of a product form class.
template <typename ProductFormClass>
std::unique_ptr<Form> MakeForm(const FormContext& context) {
    return std::make_unique<ProductFormClass>(context);
}

}  // namespace lorvane::forms
