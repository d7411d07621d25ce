#include "fuzz/checks/form_session.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <deque>
#include <exception>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/run.h"
#include "core/number_text.h"
#include "core/shared_state.h"
#include "forms/text_view.h"
#include "fuzz/checks/byte_reader.h"
#include "fuzz/checks/findings.h"
#include "products/catalogue.h"
#include "products/dampers/damper_evaluation.h"
#include "products/dampers/damper_inputs.h"
#include "products/louvres/louvre_evaluation.h"
#include "schedule/record_json.h"

namespace lorvane::fuzz {
namespace {

constexpr int kSteps = 3;
constexpr std::size_t kLongestText = 255;
constexpr std::size_t kMostAnswers = 3;

// What follows the first "calculate" of a step, by bits of one byte.
constexpr std::uint8_t kPressTwice = 1;   // "calculate" once more with the same texts
constexpr std::uint8_t kOpenAgain = 2;    // the form opened again, and its "calculate"
constexpr std::uint8_t kCommandLine = 4;  // lorvane-calc given the same texts
constexpr std::uint8_t kJson = 8;         // ... asked for JSON
constexpr std::uint8_t kFlags = 16;       // ... with every flag given

using forms::Control;
using forms::ControlId;
using forms::ControlKind;
using forms::FormDescription;
using forms::ResultRecord;

// --- Texts -----------------------------------------------------------------------------------

// Whether the text holds the word "nan", "inf" or "infinity", in any case, as a word of its own.
bool ShowsNonFinite(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (!std::isalpha(static_cast<unsigned char>(text[pos]))) {
            ++pos;
            continue;
        }
        std::string word;
        for (; pos < text.size() && std::isalpha(static_cast<unsigned char>(text[pos])); ++pos) {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(text[pos])));
        }
        if (word == "nan" || word == "inf" || word == "infinity") {
            return true;
        }
    }
    return false;
}

std::string Exact(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// --- The view --------------------------------------------------------------------------------

// A text view whose correction box answers each press's questions from a list, then NO.
class SessionView : public forms::TextView {
  public:
    using TextView::TextView;

    void SetAnswers(const std::vector<bool>& answers) {
        answers_.assign(answers.begin(), answers.end());
    }

    bool ShowCorrectionBox(std::string_view /*question*/) override {
        if (answers_.empty()) {
            return false;
        }
        const bool yes = answers_.front();
        answers_.pop_front();
        return yes;
    }

  private:
    std::deque<bool> answers_;
};

// --- The shared state ------------------------------------------------------------------------

enum class SlotKind {
    Input,      // a value a form reads from its inputs and stores
    Result,     // a value a calculation writes
    Constant,   // never written
    Selection,  // the position of a list entry
};

struct Slot {
    std::string_view name;
    double value;
    SlotKind kind;
    int entries = 0;  // of a selection's list
};

// Every value the shared state holds, the records of the product families included: a family
// that keeps a record of its own in the state adds its values here.
std::vector<Slot> Slots(SharedState& state) {
    const ProductInputs& p = state.productInputs;
    std::vector<Slot> slots{
        {"productInputs.diameter", p.diameter, SlotKind::Input},
        {"productInputs.velocity", p.velocity, SlotKind::Result},
        {"productInputs.differentialPressure", p.differentialPressure, SlotKind::Input},
        {"productInputs.volumeFlow", p.volumeFlow, SlotKind::Input},
        {"productInputs.width", p.width, SlotKind::Input},
        {"productInputs.height", p.height, SlotKind::Input},
        {"productInputs.maxDifferentialPressure", p.maxDifferentialPressure, SlotKind::Constant},
        {"targetLevel", state.targetLevel, SlotKind::Input},
        {"attenuatorLength", state.attenuatorLength, SlotKind::Input},
    };
    static constexpr std::string_view kOctaveNames[kOctaveCount] = {
        "octaveLevels[0]", "octaveLevels[1]", "octaveLevels[2]", "octaveLevels[3]",
        "octaveLevels[4]", "octaveLevels[5]", "octaveLevels[6]", "octaveLevels[7]"};
    for (int k = 0; k < kOctaveCount; ++k) {
        slots.push_back({kOctaveNames[k], state.octaveLevels[k], SlotKind::Result});
    }
    const dampers::DamperInputs& d = state.Of<dampers::DamperInputs>();
    slots.push_back({"DamperInputs.width", d.width, SlotKind::Input});
    slots.push_back({"DamperInputs.height", d.height, SlotKind::Input});
    slots.push_back({"DamperInputs.volumeFlow", d.volumeFlow, SlotKind::Input});
    slots.push_back({"DamperInputs.differentialPressure", d.differentialPressure, SlotKind::Input});
    slots.push_back({"DamperInputs.bendingLength", d.bendingLength, SlotKind::Input});
    slots.push_back({"DamperInputs.linkageSelection", static_cast<double>(d.linkageSelection),
                     SlotKind::Selection, static_cast<int>(dampers::LinkageEntries.size())});
    slots.push_back({"DamperInputs.sealingSelection", static_cast<double>(d.sealingSelection),
                     SlotKind::Selection, static_cast<int>(dampers::SealingEntries.size())});
    const louvres::LouvreSelection& l = state.Of<louvres::LouvreSelection>();
    slots.push_back({"LouvreSelection.site", static_cast<double>(l.site), SlotKind::Selection,
                     louvres::kLouvreSiteCount});
    slots.push_back({"LouvreSelection.model", static_cast<double>(l.model), SlotKind::Selection,
                     louvres::kLouvreModelCount});
    return slots;
}

// The values that differ between two states, as "name: before -> after".
std::vector<std::string> Differences(SharedState& before, SharedState& after) {
    const std::vector<Slot> a = Slots(before);
    const std::vector<Slot> b = Slots(after);
    std::vector<std::string> differences;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!SameBits(a[i].value, b[i].value)) {
            differences.push_back(std::string(a[i].name) + ": " + Exact(a[i].value) + " -> " +
                                  Exact(b[i].value));
        }
    }
    return differences;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += (text.empty() ? "" : "; ") + line;
    }
    return text;
}

// --- The record ------------------------------------------------------------------------------

std::string NumberText(const forms::Number& number) {
    return number ? Exact(*number) : "absent";
}

// Everything a record says, as one text, so that two records can be compared.
std::string RecordText(const ResultRecord& record) {
    std::string text;
    for (const forms::ResultItem& item : record.Items()) {
        if (const auto* value = std::get_if<forms::ResultValue>(&item)) {
            text += "value " + value->spec->key + " " + std::to_string(value->spec->field) +
                    (value->reach == forms::Reach::Computed ? " computed " : " not computed ");
            if (const auto* number = std::get_if<forms::Number>(&value->value)) {
                text += NumberText(*number);
            } else if (const auto* words = std::get_if<std::string>(&value->value)) {
                text += Quoted(*words);
            } else {
                text += std::get<bool>(value->value) ? "yes" : "no";
            }
            text += value->shown ? " shown " + Quoted(*value->shown) : "";
            text += " caveat " + Quoted(value->caveat);
        } else {
            const auto& row = std::get<forms::BandRow>(item);
            text += "bands " + row.spec->key + " " + std::to_string(row.spec->firstField) +
                    (row.reach == forms::Reach::Computed ? " computed" : " not computed");
            for (const forms::Number& level : row.levels) {
                text += " " + NumberText(level);
            }
            text += " sum " + NumberText(row.summation) + " caveat " + Quoted(row.caveat);
        }
        text += "\n";
    }
    for (const std::string& note : record.Notes()) {
        text += "note " + Quoted(note) + "\n";
    }
    for (const forms::ReferenceCurve& curve : record.References()) {
        text += "curve " + Quoted(curve.label);
        for (const forms::Number& level : curve.levels) {
            text += " " + NumberText(level);
        }
        text += "\n";
    }
    if (const auto& refusal = record.Refused()) {
        text += "refused " + refusal->input + " " + Quoted(refusal->message) +
                (refusal->shownOnForm ? " on the form\n" : " silently\n");
    }
    return text + "trace " + Quoted(record.Diagnostics()) + "\n";
}

// --- One product -----------------------------------------------------------------------------

const Product& ProductAt(std::size_t position) {
    const std::span<const Product> catalogue = Catalogue();
    return catalogue[position % catalogue.size()];
}

bool IsList(const Control* control) {
    return control &&
           (control->kind == ControlKind::ComboBox || control->kind == ControlKind::List);
}

// The texts of the form's input options as the view shows them.
forms::InputTexts InputsOf(const forms::FormSpec& spec, const forms::FormView& view) {
    forms::InputTexts texts;
    for (const forms::Option& option : spec.options) {
        if (!option.IsFlag() && option.field != forms::kNoId) {
            texts[option.name] = view.Text(option.field);
        }
    }
    return texts;
}

struct Press {
    const ResultRecord* record;       // the form's, until its next press
    std::vector<std::string> errors;  // the error boxes this press showed
};

// Everything one step of the session needs to know about its form.
class Step {
  public:
    Step(const Product& product, Findings& findings)
        : product_(product), spec_(product.spec()), findings_(findings) {}

    void Run(SharedState& state, ByteReader& in);

  private:
    struct Open {
        std::unique_ptr<forms::Form> form;
        std::unique_ptr<SessionView> view;
    };

    Open OpenForm(SharedState& state) const;
    std::optional<Press> Calculate(Open& open) const;
    void Fill(Open& open, ByteReader& in) const;
    void Report(const std::string& when, const std::string& what) const;

    void CheckShownTexts(const Open& open, const std::string& when, bool inputsToo) const;
    void CheckRecord(const ResultRecord& record, const std::string& when) const;
    void CheckMessages(const Press& press, const std::string& when) const;
    void CheckState(SharedState& state, const std::string& when) const;
    void CheckStored(SharedState& before, SharedState& after, const FormDescription& form,
                     const forms::InputTexts& inputs, const std::string& when) const;
    void CheckPress(Open& open, SharedState& state, const std::string& when, bool twice);
    void CheckRefusedNotStored(SharedState before, SharedState& after,
                               const std::map<ControlId, std::string>& texts,
                               const Press& press) const;
    void CheckCommandLine(const forms::InputTexts& inputs, bool json, bool flagsGiven) const;

    const Product& product_;
    const forms::FormSpec& spec_;
    Findings& findings_;
    std::vector<bool> answers_;
    mutable std::ostream discard_{nullptr};
};

void Step::Report(const std::string& when, const std::string& what) const {
    findings_.push_back(std::string(product_.word) + ", " + when + ": " + what);
}

Step::Open Step::OpenForm(SharedState& state) const {
    Open open;
    open.form = product_.makeForm(forms::FormContext{state, discard_});
    open.view = std::make_unique<SessionView>(open.form->Description());
    forms::ShowInitialTexts(*open.view, *open.form);
    return open;
}

std::optional<Press> Step::Calculate(Open& open) const {
    const std::size_t errorsBefore = open.view->Errors().size();
    open.view->SetAnswers(answers_);
    open.form->OnButton(*open.view, open.form->Description().defaultButton);
    const ResultRecord* record = open.form->LastRecord();
    if (record == nullptr) {
        Report("calculate", "the form kept no record of its calculation");
        return std::nullopt;
    }
    const std::vector<std::string>& errors = open.view->Errors();
    return Press{record, std::vector<std::string>(errors.begin() + errorsBefore, errors.end())};
}

void Step::Fill(Open& open, ByteReader& in) const {
    const FormDescription& description = open.form->Description();
    for (const forms::Option& option : spec_.options) {
        if (option.IsFlag() || option.field == forms::kNoId) {
            continue;
        }
        const Control* control = description.Find(option.field);
        const bool pickable = IsList(control) && !control->items.empty();
        switch (in.Below(pickable ? 3 : 2)) {
            case 0:
                break;
            case 1:
                open.view->Type(option.field, in.Text(kLongestText));
                break;
            default: {
                const std::size_t index = in.Below(control->items.size());
                open.view->SetText(option.field, control->items[index]);
                open.form->OnSelectionChange(*open.view, option.field, static_cast<int>(index));
                break;
            }
        }
    }
}

void Step::CheckShownTexts(const Open& open, const std::string& when, bool inputsToo) const {
    std::vector<ControlId> typed;
    for (const forms::Option& option : spec_.options) {
        typed.push_back(option.field);
    }
    for (const auto& [id, text] : open.view->Texts()) {
        const bool isTyped = std::find(typed.begin(), typed.end(), id) != typed.end();
        if ((inputsToo || !isTyped) && ShowsNonFinite(text)) {
            Report(when, "field " + std::to_string(id) + " shows " + Quoted(text));
        }
    }
}

void Step::CheckRecord(const ResultRecord& record, const std::string& when) const {
    const auto check = [&](const forms::Number& number, const std::string& key) {
        if (number && !std::isfinite(*number)) {
            Report(when, "the record holds " + Exact(*number) + " under " + Quoted(key));
        }
    };
    const auto checkText = [&](const std::string& text, const std::string& what) {
        if (ShowsNonFinite(text)) {
            Report(when, what + " reads " + Quoted(text));
        }
    };
    for (const forms::ResultItem& item : record.Items()) {
        if (const auto* value = std::get_if<forms::ResultValue>(&item)) {
            if (const auto* number = std::get_if<forms::Number>(&value->value)) {
                check(*number, value->spec->key);
            } else if (const auto* text = std::get_if<std::string>(&value->value)) {
                checkText(*text, "the text of " + Quoted(value->spec->key));
            }
            if (value->shown) {
                checkText(*value->shown, "the shown text of " + Quoted(value->spec->key));
            }
            checkText(value->caveat, "the caveat of " + Quoted(value->spec->key));
            continue;
        }
        const auto& row = std::get<forms::BandRow>(item);
        if (row.reach == forms::Reach::Computed &&
            row.levels.size() != row.spec->frequencies.size()) {
            Report(when, "the band row " + Quoted(row.spec->key) + " has " +
                             std::to_string(row.levels.size()) + " levels for " +
                             std::to_string(row.spec->frequencies.size()) + " bands");
        }
        for (const forms::Number& level : row.levels) {
            check(level, row.spec->key);
        }
        check(row.summation, row.spec->summationKey);
        checkText(row.caveat, "the caveat of " + Quoted(row.spec->key));
    }
    for (const forms::ReferenceCurve& curve : record.References()) {
        if (curve.levels.size() != kOctaveCount) {
            Report(when, "the curve " + Quoted(curve.label) + " has " +
                             std::to_string(curve.levels.size()) + " levels");
        }
        for (const forms::Number& level : curve.levels) {
            check(level, "curve " + curve.label);
        }
    }
    for (const std::string& note : record.Notes()) {
        checkText(note, "a note");
    }
    if (const auto& refusal = record.Refused()) {
        const bool named = std::any_of(spec_.options.begin(), spec_.options.end(),
                                       [&](const auto& o) { return o.name == refusal->input; });
        if (!named) {
            Report(when, "the refusal names " + Quoted(refusal->input) + ", no option of the form");
        }
        if (refusal->message.empty()) {
            Report(when, "the refusal of " + Quoted(refusal->input) + " has no message");
        }
        checkText(refusal->message, "the refusal's message");
    }
    try {
        (void)schedule::RecordJson(record).dump();
    } catch (const std::exception& e) {
        Report(when, std::string("the record cannot be written as JSON: ") + e.what());
    }
}

void Step::CheckMessages(const Press& press, const std::string& when) const {
    const auto& refusal = press.record->Refused();
    const bool shown = refusal && refusal->shownOnForm;
    if (shown && (press.errors.size() != 1 || press.errors.front() != refusal->message)) {
        Report(when, "the refusal " + Quoted(refusal->message) + " came with " +
                         std::to_string(press.errors.size()) +
                         " error boxes: " + Joined(press.errors));
    }
    if (!shown && !press.errors.empty()) {
        Report(when, "error boxes without a refusal shown on the form: " + Joined(press.errors));
    }
}

void Step::CheckState(SharedState& state, const std::string& when) const {
    for (const Slot& slot : Slots(state)) {
        if (!std::isfinite(slot.value)) {
            Report(when,
                   "the shared state holds " + std::string(slot.name) + " = " + Exact(slot.value));
        }
        if (slot.kind == SlotKind::Selection && !(slot.value >= 0 && slot.value < slot.entries)) {
            Report(when, "the shared state holds " + std::string(slot.name) + " = " +
                             Exact(slot.value) + ", outside its list of " +
                             std::to_string(slot.entries));
        }
    }
    if (state.productInputs.maxDifferentialPressure != ProductInputs{}.maxDifferentialPressure) {
        Report(when, "the constant bound productInputs.maxDifferentialPressure was written");
    }
}

void Step::CheckStored(SharedState& before, SharedState& after, const FormDescription& form,
                       const forms::InputTexts& inputs, const std::string& when) const {
    const std::vector<Slot> a = Slots(before);
    const std::vector<Slot> b = Slots(after);
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (SameBits(a[i].value, b[i].value) || a[i].kind == SlotKind::Result) {
            continue;
        }
        const double stored = b[i].value;
        bool typed = false;
        for (const forms::Option& option : spec_.options) {
            const auto text = inputs.find(option.name);
            if (text == inputs.end()) {
                continue;
            }
            if (b[i].kind == SlotKind::Selection) {
                const Control* list = form.Find(option.field);
                typed = typed || (IsList(list) && stored >= 0 &&
                                  stored < static_cast<double>(list->items.size()) &&
                                  list->items[static_cast<std::size_t>(stored)] == text->second);
            } else {
                const std::optional<double> read = ReadNumber(text->second);
                typed = typed || (read && SameBits(*read, stored));
            }
        }
        if (!typed) {
            Report(when, "stored " + std::string(b[i].name) + " = " + Exact(stored) +
                             ", which no input of the press holds");
        }
    }
}

void Step::CheckRefusedNotStored(SharedState before, SharedState& after,
                                 const std::map<ControlId, std::string>& texts,
                                 const Press& press) const {
    const forms::Refusal& refusal = *press.record->Refused();
    const auto option = std::find_if(spec_.options.begin(), spec_.options.end(),
                                     [&](const auto& o) { return o.name == refusal.input; });
    if (option == spec_.options.end() || option->field == forms::kNoId) {
        return;
    }
    // The same press with no number where the refused text was.
    Open open;
    open.form = product_.makeForm(forms::FormContext{before, discard_});
    open.view = std::make_unique<SessionView>(open.form->Description());
    for (const auto& [id, text] : texts) {
        open.view->Type(id, text);
    }
    open.view->Type(option->field, "");
    const std::optional<Press> blank = Calculate(open);
    if (!blank) {
        return;
    }
    if (!blank->record->Refused()) {
        // An empty list may fall back on the entry picked last; an empty field is refused.
        if (!IsList(open.form->Description().Find(option->field))) {
            Report("calculate", "no number in " + Quoted(refusal.input) + " is not refused");
        }
        return;
    }
    const forms::Refusal& again = *blank->record->Refused();
    if (again.input != refusal.input || again.message != refusal.message) {
        return;  // refused for another reason than the text's own check
    }
    // Inputs that passed before the refusal stay stored; the refused value itself, and anything
    // calculated from it, must not be there.
    const std::string& refusedText = texts.at(option->field);
    const std::optional<double> refusedValue = ReadNumber(refusedText);
    const auto readElsewhere = [&](double value) {
        return std::any_of(spec_.options.begin(), spec_.options.end(), [&](const auto& other) {
            const auto text = texts.find(other.field);
            if (&other == &*option || text == texts.end()) {
                return false;
            }
            const std::optional<double> read = ReadNumber(text->second);
            return read && SameBits(*read, value);
        });
    };
    const Control* control = open.form->Description().Find(option->field);
    const std::vector<Slot> blankState = Slots(before);
    const std::vector<Slot> pressed = Slots(after);
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < pressed.size(); ++i) {
        const double value = pressed[i].value;
        if (SameBits(blankState[i].value, value)) {
            continue;
        }
        const bool fromRefused =
            pressed[i].kind == SlotKind::Result ||
            (pressed[i].kind == SlotKind::Input && refusedValue && SameBits(*refusedValue, value) &&
             !readElsewhere(value)) ||
            (pressed[i].kind == SlotKind::Selection && IsList(control) && value >= 0 &&
             value < static_cast<double>(control->items.size()) &&
             control->items[static_cast<std::size_t>(value)] == refusedText);
        if (fromRefused) {
            kept.push_back(std::string(pressed[i].name) + " = " + Exact(value) +
                           " where no number " + "there leaves " + Exact(blankState[i].value));
        }
    }
    if (!kept.empty()) {
        Report("calculate", "the refused " + Quoted(refusal.input) + " " + Quoted(refusedText) +
                                " is kept in the shared state: " + Joined(kept));
    }
}

void Step::CheckCommandLine(const forms::InputTexts& inputs, bool json, bool flagsGiven) const {
    cli::Call call;
    call.product = &product_;
    call.json = json;
    for (const forms::Option& option : spec_.options) {
        if (option.IsFlag()) {
            if (flagsGiven) {
                call.flags.insert(option.name);
            }
            continue;
        }
        // A command line holds no NUL; lorvane-calc takes a list's entries by their words.
        const auto typed = inputs.find(option.name);
        if (typed == inputs.end()) {
            continue;
        }
        const std::string text = typed->second.substr(0, typed->second.find('\0'));
        if (option.choices.empty()) {
            call.given[option.name] = text;
        }
        for (const forms::Choice& choice : option.choices) {
            if (choice.item == text) {
                call.given[option.name] = choice.word;
            }
        }
    }
    std::ostringstream out;
    std::ostringstream err;
    int status = -1;
    try {
        status = cli::RunCall(call, out, err);
    } catch (const std::exception& e) {
        Report("lorvane-calc", std::string("stopped by an exception: ") + e.what());
        return;
    }
    const std::string message = err.str();
    const bool oneLine = !message.empty() && message.back() == '\n' &&
                         message.find('\n') == message.size() - 1 && message.size() > 1;
    if (status == 0 && !message.empty()) {
        Report("lorvane-calc", "exit 0 with " + Quoted(message) + " on standard error");
    } else if (status == 1 && !oneLine) {
        Report("lorvane-calc", "exit 1 with " + Quoted(message) + " on standard error");
    } else if (status != 0 && status != 1) {
        Report("lorvane-calc", "exit status " + std::to_string(status));
    }
    if (!json) {
        return;
    }
    try {
        const schedule::Json object = schedule::Json::parse(out.str());
        const bool hasError = object.contains("error");
        if (hasError != (status == 1) ||
            (hasError && object["error"].get<std::string>() + "\n" != message)) {
            Report("lorvane-calc", "exit " + std::to_string(status) + " and JSON " +
                                       Quoted(out.str().substr(0, 200)));
        }
    } catch (const std::exception& e) {
        Report("lorvane-calc", std::string("its JSON does not parse: ") + e.what());
    }
}

void Step::CheckPress(Open& open, SharedState& state, const std::string& when, bool twice) {
    SharedState before = state;
    // The texts the evaluation reads: those of the option fields.
    std::map<ControlId, std::string> texts;
    for (const forms::Option& option : spec_.options) {
        if (option.field != forms::kNoId) {
            texts[option.field] = open.view->Text(option.field);
        }
    }
    const forms::InputTexts inputs = InputsOf(spec_, *open.view);
    const std::optional<Press> press = Calculate(open);
    if (!press) {
        return;
    }
    const FormDescription& description = open.form->Description();
    CheckShownTexts(open, when, false);
    CheckRecord(*press->record, when);
    CheckMessages(*press, when);
    CheckState(state, when);
    CheckStored(before, state, description, inputs, when);
    if (press->record->Refused()) {
        CheckRefusedNotStored(before, state, texts, *press);
    }

    if (!twice) {
        return;
    }
    // The same texts once more: nothing may change.
    const std::string first = RecordText(*press->record);
    SharedState afterFirst = state;
    const std::map<ControlId, std::string> shownAfterFirst = open.view->Texts();
    const std::optional<Press> again = Calculate(open);
    if (!again) {
        return;
    }
    if (const std::string second = RecordText(*again->record); second != first) {
        Report(when, "a second calculate gave another record:\n" + first + "then\n" + second);
    }
    if (open.view->Texts() != shownAfterFirst) {
        Report(when, "a second calculate changed the fields");
    }
    if (again->errors != press->errors) {
        Report(when, "a second calculate showed other messages: " + Joined(again->errors));
    }
    const std::vector<std::string> differences = Differences(afterFirst, state);
    if (!differences.empty()) {
        Report(when, "a second calculate changed the shared state: " + Joined(differences));
    }
}

void Step::Run(SharedState& state, ByteReader& in) {
    Open open = OpenForm(state);
    CheckShownTexts(open, "on opening", true);
    Fill(open, in);
    CheckShownTexts(open, "after a list pick", false);
    CheckState(state, "after a list pick");
    const std::size_t answerCount = in.Below(kMostAnswers + 1);
    for (std::size_t i = 0; i < answerCount; ++i) {
        answers_.push_back(in.Flag());
    }
    const std::uint8_t then = in.Byte();
    const forms::InputTexts inputs = InputsOf(spec_, *open.view);

    CheckPress(open, state, "calculate", (then & kPressTwice) != 0);
    if ((then & kCommandLine) != 0) {
        CheckCommandLine(inputs, (then & kJson) != 0, (then & kFlags) != 0);
    }
    if ((then & kOpenAgain) != 0) {
        Open reopened = OpenForm(state);
        CheckShownTexts(reopened, "opened again", true);
        CheckPress(reopened, state, "calculate after opening again", false);
    }
}

}  // namespace

Findings RunFormSession(std::span<const std::uint8_t> bytes) {
    ByteReader in(bytes);
    SharedState state;
    Findings findings;
    for (int step = 0; step < kSteps && (step == 0 || !in.Empty()); ++step) {
        Step(ProductAt(in.Byte()), findings).Run(state, in);
    }
    return findings;
}

}  // namespace lorvane::fuzz
