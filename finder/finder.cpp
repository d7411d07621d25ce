#include "finder/finder.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numbers>

#include "core/number_text.h"
#include "finder/candidate_record.h"
#include "products/catalogue.h"
#include "schedule/room_call.h"

namespace lorvane::finder {
namespace {

bool HasOption(const forms::FormSpec& spec, std::string_view name) {
    return std::any_of(spec.options.begin(), spec.options.end(),
                       [&](const forms::Option& option) { return option.name == name; });
}

// The duty point as a product's form takes it: flow and pressure, and the target where the form
// has a target option (0: none wanted).
forms::InputTexts DutyTexts(const forms::FormSpec& spec, const DutyPoint& duty) {
    forms::InputTexts texts{
        {"flow", ExactText(duty.volumeFlow)},
        {"dp", ExactText(duty.differentialPressure)},
    };
    if (HasOption(spec, "target")) {
        texts["target"] = duty.target ? ExactText(*duty.target) : "0";
    }
    return texts;
}

bool FitsRoom(const Size& size, const DutyPoint& duty) {
    if (size.diameter) {
        return !(duty.maxDiameter && *size.diameter > *duty.maxDiameter);
    }
    return !(duty.maxWidth && size.width > *duty.maxWidth) &&
           !(duty.maxHeight && size.height > *duty.maxHeight);
}

// The room the candidate's sound reaches; false where the product sends none into it or the
// models cannot give its levels.
bool ReadRoom(const Product& product, const forms::InputTexts& texts,
              const forms::ResultRecord& record, const room::RoomInputs& inputs,
              Candidate& candidate) {
    const std::optional<room::RoomSource> source = schedule::RoomSourceOf(product, texts, record);
    if (!source) {
        return false;
    }
    auto evaluated = room::EvaluateRoom(*source, inputs);
    room::RoomResult* result = std::get_if<room::RoomResult>(&evaluated);
    if (result == nullptr) {
        return false;
    }
    candidate.room = RoomFit{.rating = result->rating,
                             .targetReached = result->targetReached,
                             .attenuatorOutcome = result->attenuatorOutcome,
                             .attenuator = result->attenuator};
    candidate.meetsTarget = candidate.meetsTarget && candidate.room->Meets();
    return true;
}

// Types each size of a product that could serve the flow and fits the room into the product's
// own evaluation, on a state of its own, and keeps those it calculates without a refusal and
// without a question.
void AddProduct(const Product& product, const DutyPoint& duty, std::vector<Candidate>& found) {
    const forms::FormSpec& spec = product.spec();
    forms::InputTexts texts = DutyTexts(spec, duty);
    bool asked = false;
    const forms::Ask ask = [&asked](std::string_view, const forms::ResultRecord&) {
        return asked = true;
    };
    for (forms::InputTexts& sizeTexts : spec.candidateSizes(duty.volumeFlow)) {
        Candidate candidate{
            .product = product.word, .name = product.menuText, .size = SizeOf(sizeTexts)};
        if (!FitsRoom(candidate.size, duty)) {
            continue;
        }
        // Every size of a product names the same options: each replaces the one before.
        for (const auto& [option, text] : sizeTexts) {
            texts[option] = text;
        }
        SharedState state;
        asked = false;
        const forms::ResultRecord record = spec.evaluate(state, texts, ask);
        if (asked || record.Refused() || !ReadRecord(record, duty.target, candidate)) {
            continue;
        }
        if (duty.room && !ReadRoom(product, texts, record, *duty.room, candidate)) {
            continue;
        }
        candidate.sizeTexts = std::move(sizeTexts);
        found.push_back(std::move(candidate));
    }
}

}  // namespace

std::string ExactText(double value) {
    // Plain digits for the values of this trade; an exponent only for the very large or small,
    // where the digits would be many.
    const double magnitude = std::fabs(value);
    const bool plain = magnitude == 0 || (magnitude >= 1e-6 && magnitude < 1e16);
    std::array<char, 64> buffer{};
    const std::to_chars_result text =
        plain ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                              std::chars_format::fixed)
              : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), text.ptr);
}

double Size::Area() const {
    if (diameter) {
        return std::numbers::pi * *diameter * *diameter / 4;
    }
    return width * height;
}

Size SizeOf(const forms::InputTexts& sizeTexts) {
    const auto number = [&sizeTexts](const std::string& option) {
        const auto text = sizeTexts.find(option);
        return text == sizeTexts.end() ? std::nullopt : ReadNumber(text->second);
    };
    if (const std::optional<double> diameter = number("diameter")) {
        return {.diameter = diameter};
    }
    return {.width = number("width").value_or(0), .height = number("height").value_or(0)};
}

bool MeetsTarget(double target, double level) {
    return RoundWhole(target) >= RoundWhole(level);
}

std::vector<Candidate> FindCandidates(const DutyPoint& duty) {
    std::vector<Candidate> found;
    for (const Product& product : Catalogue()) {
        if (product.spec().candidateSizes) {
            AddProduct(product, duty, found);
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const Candidate& a, const Candidate& b) {
        if (a.meetsTarget != b.meetsTarget) {
            return a.meetsTarget;
        }
        if (a.size.Area() != b.size.Area()) {
            return a.size.Area() < b.size.Area();
        }
        if (a.summationLevel != b.summationLevel) {
            return a.summationLevel < b.summationLevel;
        }
        return a.name < b.name;
    });
    return found;
}

forms::InputTexts FormTexts(const Candidate& candidate, const DutyPoint& duty) {
    const Product* product = FindProductByWord(candidate.product);
    if (product == nullptr) {
        return candidate.sizeTexts;
    }
    forms::InputTexts texts = DutyTexts(product->spec(), duty);
    for (const auto& [option, text] : candidate.sizeTexts) {
        texts[option] = text;
    }
    return texts;
}

}  // namespace lorvane::finder
