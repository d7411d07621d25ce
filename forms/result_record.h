#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "forms/form_description.h"

namespace lorvane::forms {

// What one kind of result is, apart from its value: where it goes in JSON, how the form labels,
// formats and shows it. Keys are JSON paths with dots ("flowRange.vmin"); a result without a
// key stays out of JSON.
struct ValueSpec {
    std::string key;
    std::string label;   // the form's label, without its colon: "Velocity [m/s]"
    std::string unit;    // "m/s"; empty for a number without a unit
    std::string format;  // printf-style format of the form's field: "%5.1lf"
    ControlId field = kNoId;
};

// A row of band levels with, where the form shows one, its summation level.
struct BandRowSpec {
    std::string key;                      // JSON path of the levels array
    std::string summationKey;             // JSON path of the summation level; empty: none in JSON
    std::string label;                    // "A-weighted [dB(A)]"
    std::string group;                    // the heading the form shows over the row, if any
    std::string unit;                     // "dB" or "dB(A)"
    std::string format;                   // of every level and the summation level
    std::span<const double> frequencies;  // centre frequency in Hz of each band
    ControlId firstField = kNoId;         // the fields of the bands, with consecutive ids
    ControlId summationField = kNoId;
    bool charted = false;  // drawn in a chart, its summation level too, though no field shows it
};

// A value the model cannot give: the field stays empty and JSON says null.
using Number = std::optional<double>;

// A list of texts, for JSON an array of strings (empty or not): the sentences of a part of the
// results.
using TextList = std::vector<std::string>;

// Whether a press computed a result at all. A result that the press did not reach (a refused
// input stops the calculation) empties its field and is left out of JSON.
enum class Reach { Computed, NotComputed };

struct ResultValue {
    const ValueSpec* spec = nullptr;
    Reach reach = Reach::Computed;
    std::variant<Number, std::string, bool, TextList> value;
    // What the form's field shows in place of the formatted number, where the number would
    // mislead there ("< 10" for a rating below every curve, an empty field for an angle the
    // model does not describe); JSON keeps the number.
    std::optional<std::string> shown;
    std::string caveat;  // what to bear in mind about the value; empty: nothing
};

struct BandRow {
    const BandRowSpec* spec = nullptr;
    Reach reach = Reach::Computed;
    std::vector<Number> levels;  // one per band of spec.frequencies
    Number summation;            // meaningful where the row names a summation key or field
    std::string caveat;          // what to bear in mind about the row: "estimated values"
};

// A curve drawn beside the results for comparison (a target level, a rating curve), over the
// octave bands 63 to 8000 Hz. It is no result: it appears in charts only.
struct ReferenceCurve {
    std::string label;
    std::vector<Number> levels;  // one per octave band; absent where the curve has no point
    Number summation;            // a level for the summation levels instead (a target): no curve
};

using ResultItem = std::variant<ResultValue, BandRow>;

// A number of a record as its field shows it.
struct ShownNumber {
    double value;
    std::string_view format;
};

// An input the calculation refused, or an operating point it cannot serve.
struct Refusal {
    std::string input;        // the option name of the input: "flow", "dp"
    std::string message;      // the form's own message, or a sentence naming the permitted range
    bool shownOnForm = true;  // false where the form itself stays silent
};

// Everything one "calculate" came to, once: the form's fields, lorvane-calc's text and JSON,
// and every later output are written from it.
//
// A record points at the specs of its results instead of copying them: they are the product's
// own, made once, and outlive every record. A spec made for one calculation cannot be given.
class ResultRecord {
  public:
    // Room for the items of the largest records, so that filling one moves none of them.
    ResultRecord() { items_.reserve(64); }

    void Add(const ValueSpec& spec, Number value);
    void AddText(const ValueSpec& spec, std::string text);
    void AddFlag(const ValueSpec& spec, bool flag);
    void AddTexts(const ValueSpec& spec, TextList texts);
    // A number whose field shows a text of its own (see ResultValue::shown).
    void AddShownAs(const ValueSpec& spec, Number value, std::string shown);
    void AddBands(const BandRowSpec& spec, std::span<const Number> levels, Number summation = {});
    void AddBands(const BandRowSpec& spec, std::span<const double> levels, Number summation = {});
    // A result this press did not reach: its field is emptied.
    void NotComputed(const ValueSpec& spec);
    void NotComputed(const BandRowSpec& spec);

    void Add(const ValueSpec&&, Number) = delete;
    void AddText(const ValueSpec&&, std::string) = delete;
    void AddFlag(const ValueSpec&&, bool) = delete;
    void AddTexts(const ValueSpec&&, TextList) = delete;
    void AddShownAs(const ValueSpec&&, Number, std::string) = delete;
    void AddBands(const BandRowSpec&&, std::span<const Number>, Number = {}) = delete;
    void AddBands(const BandRowSpec&&, std::span<const double>, Number = {}) = delete;
    void NotComputed(const ValueSpec&&) = delete;
    void NotComputed(const BandRowSpec&&) = delete;

    void AddNote(std::string note) { notes_.push_back(std::move(note)); }
    void AddReference(ReferenceCurve curve) { references_.push_back(std::move(curve)); }
    // Where some of the figures come from, for a data sheet: "catalogue values for ...".
    void AddSource(std::string source) { sources_.push_back(std::move(source)); }
    // Marks the latest item with what to bear in mind about it.
    void AddCaveat(std::string caveat);
    void Refuse(Refusal refusal) { refusal_ = std::move(refusal); }
    void AddDiagnostics(std::string_view text);
    // A trace written out only when someone reads the diagnostics: most calculations (a
    // schedule's rows) never show theirs.
    void AddDiagnostics(std::function<std::string()> trace);

    const std::vector<ResultItem>& Items() const { return items_; }
    const std::vector<std::string>& Notes() const { return notes_; }
    const std::vector<ReferenceCurve>& References() const { return references_; }
    const std::vector<std::string>& Sources() const { return sources_; }
    const std::optional<Refusal>& Refused() const { return refusal_; }
    // The diagnostic trace of the calculation; it never reaches a form or JSON.
    std::string Diagnostics() const;

    // The computed value or band row with the given key, or null. Where the record holds a key
    // twice, the later item counts, as it does in JSON.
    const ResultValue* FindValue(std::string_view key) const;
    const BandRow* FindBands(std::string_view key) const;
    // The computed number under the key, a value's or the summation level of the band row it
    // names, with the format its field shows it in; absent where there is none.
    std::optional<ShownNumber> ShownNumberAt(std::string_view key) const;
    // The same number alone.
    Number NumberAt(std::string_view key) const;

  private:
    std::vector<ResultItem> items_;
    std::vector<std::string> notes_;
    std::vector<ReferenceCurve> references_;
    std::vector<std::string> sources_;
    std::optional<Refusal> refusal_;
    std::vector<std::function<std::string()>> diagnostics_;
};

}  // namespace lorvane::forms
