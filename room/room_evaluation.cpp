#include "room/room_evaluation.h"

#include <array>
#include <cmath>

#include "core/acoustics.h"
#include "core/attenuator_table.h"
#include "core/number_text.h"
#include "room/path_text.h"
#include "room/schultz.h"

namespace lorvane::room {
namespace {

bool IsAboveZero(double value) {
    return std::isfinite(value) && value > 0;
}

bool AllFinite(const Octaves& values) {
    for (double value : values) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return true;
}

// The first input outside what the models take, as a sentence; empty when there is none.
std::string InputFault(const RoomSource& source, const RoomInputs& inputs) {
    if (!AllFinite(source.ductBorne)) {
        return "The product's duct-borne sound power is not known in every band.";
    }
    if (inputs.casing == CasingPath::Room && source.casing && !AllFinite(*source.casing)) {
        return "The product's casing sound power is not known in every band.";
    }
    const RoomSize& size = inputs.size;
    if (!IsAboveZero(size.length) || !IsAboveZero(size.width) || !IsAboveZero(size.height) ||
        !std::isfinite(size.Volume()) || !std::isfinite(size.Surface())) {
        return "The room's length, width and height must each be above 0 m.";
    }
    for (double seconds : inputs.reverberation.seconds) {
        if (!IsAboveZero(seconds)) {
            return "The reverberation time must be above 0 s.";
        }
    }
    if (!IsAboveZero(inputs.distance)) {
        return "The distance from the outlet must be above 0 m.";
    }
    if (!IsAboveZero(inputs.directivity)) {
        return "The directivity Q must be above 0.";
    }
    for (double loss : inputs.ceilingLoss) {
        if (!(std::isfinite(loss) && loss >= 0)) {
            return "The ceiling's insertion loss must be 0 dB or more in every band.";
        }
    }
    return {};
}

std::string ElementNote(std::size_t place, const std::string& text, std::string_view note) {
    return "Path element " + std::to_string(place) + " (" + text + ") " + std::string(note) + ".";
}

Octaves Plus(const Octaves& a, const Octaves& b) {
    Octaves sum{};
    for (int k = 0; k < kOctaveCount; ++k) {
        sum[k] = a[k] + b[k];
    }
    return sum;
}

Octaves Minus(const Octaves& a, const Octaves& b) {
    Octaves difference{};
    for (int k = 0; k < kOctaveCount; ++k) {
        difference[k] = a[k] - b[k];
    }
    return difference;
}

// Several paths reaching the listener add as energies, band by band.
Octaves EnergySum(const Octaves& a, const Octaves& b) {
    Octaves sum{};
    for (int k = 0; k < kOctaveCount; ++k) {
        sum[k] = LevelSum(std::array{a[k], b[k]});
    }
    return sum;
}

constexpr std::string_view kBeyondComputing =
    "The level in the room is beyond what can be computed: the path attenuates too much, or the "
    "sound power is too large.";

}  // namespace

std::variant<RoomResult, std::string> EvaluateRoom(const RoomSource& source,
                                                   const RoomInputs& inputs) {
    if (std::string fault = InputFault(source, inputs); !fault.empty()) {
        return fault;
    }
    RoomResult result;

    // Lp - Lw at the listener, the same for every path into the room.
    Octaves gain{};
    if (inputs.model == RoomModel::Diffuse) {
        auto diffuse = DiffuseFieldGain(inputs.size, inputs.reverberation, inputs.distance,
                                        inputs.directivity);
        if (std::string* refusal = std::get_if<std::string>(&diffuse)) {
            return std::move(*refusal);
        }
        gain = std::get<Octaves>(diffuse);
    } else {
        gain = SchultzGain(inputs.size, inputs.distance);
        if (inputs.size.Volume() > kSchultzLargestRoom) {
            result.notes.push_back(
                "The Schultz model is made for furnished rooms up to about 420 m3; this room has " +
                FormatNumber("%.0lf", inputs.size.Volume()) +
                " m3, so its levels are an extrapolation.");
        }
    }

    // Each element's result is made in its place, and the path's total added up from there.
    result.path.reserve(inputs.path.size());
    for (const PathElement& element : inputs.path) {
        const std::size_t place = result.path.size() + 1;
        const ElementAttenuation attenuation = AttenuationOf(element);
        ElementResult& done = result.path.emplace_back();
        done.text = WritePathElement(element);
        done.attenuation = attenuation.decibels;
        if (!AllFinite(done.attenuation)) {
            return "Path element " + std::to_string(place) + " (" + done.text +
                   ") attenuates beyond what can be computed.";
        }
        if (!attenuation.note.empty()) {
            result.notes.push_back(ElementNote(place, done.text, attenuation.note));
        }
    }
    Octaves pathAttenuation{};
    for (const ElementResult& done : result.path) {
        pathAttenuation = Plus(pathAttenuation, done.attenuation);
    }
    result.powerAtRoom = Minus(source.ductBorne, pathAttenuation);

    const Octaves ductBorneLevels = Plus(result.powerAtRoom, gain);
    std::optional<Octaves> casingLevels;
    if (inputs.casing == CasingPath::Room) {
        if (source.casing) {
            casingLevels = Plus(Minus(*source.casing, inputs.ceilingLoss), gain);
        } else {
            result.notes.push_back(
                "The product has no casing sound power: only its duct-borne sound reaches the "
                "room.");
        }
    }
    result.levels = casingLevels ? EnergySum(ductBorneLevels, *casingLevels) : ductBorneLevels;
    if (!AllFinite(result.powerAtRoom) || !AllFinite(result.levels)) {
        return std::string(kBeyondComputing);
    }
    result.rating = RateRoom(result.levels);
    if (!std::isfinite(result.rating.summationLevel) || !std::isfinite(result.rating.nr)) {
        return std::string(kBeyondComputing);
    }

    if (!inputs.target) {
        return result;
    }
    const RoomTarget& target = *inputs.target;
    result.targetReached = MeetsTarget(RatingOf(result.rating, target.rating), target);
    const std::optional<int> diameter = source.attenuatorDiameter
                                            ? FindAttenuatorDiameter(*source.attenuatorDiameter)
                                            : std::nullopt;
    if (*result.targetReached || !diameter) {
        return result;
    }
    result.attenuator = FindRoomAttenuator(*diameter, ductBorneLevels, casingLevels, target);
    if (result.attenuator) {
        result.attenuatorOutcome = AttenuatorOutcome::Found;
    } else {
        result.attenuatorOutcome = AttenuatorOutcome::NoneFound;
        result.notes.push_back("No attenuator of the table makes the room meet " +
                               TargetText(target) + ".");
    }
    return result;
}

}  // namespace lorvane::room
