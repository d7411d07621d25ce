#include "finder/candidate_columns.h"

#include <array>
#include <cmath>
#include <limits>

#include "core/attenuator_table.h"
#include "core/number_text.h"
#include "finder/candidate_text.h"
#include "forms/band_layout.h"

namespace lorvane::finder {
namespace {

Json NumberJson(double value) {
    return std::isfinite(value) ? Json(value) : Json(nullptr);
}

Json NumberJson(const std::optional<double>& value) {
    return value ? NumberJson(*value) : Json(nullptr);
}

// None needed first, then by length and insulation, then those that cannot help.
double AttenuatorOrder(const Candidate& candidate) {
    switch (candidate.attenuatorNeed) {
        case AttenuatorNeed::None:
            return 0;
        case AttenuatorNeed::Selected:
            return AttenuatorLengths[candidate.attenuator->length].millimetres +
                   0.1 * candidate.attenuator->insulation;
        default:
            return 1e6 + static_cast<double>(candidate.attenuatorNeed);
    }
}

Json AttenuatorJson(const Candidate& candidate) {
    if (!candidate.attenuator) {
        return nullptr;
    }
    const AttenuatorChoice& attenuator = *candidate.attenuator;
    return {
        {"thickness", forms::InsulationKey(InsulationThicknesses[attenuator.insulation])},
        {"length", AttenuatorLengths[attenuator.length].text},
        {"summationLevel", NumberJson(attenuator.summationLevel)},
    };
}

Json SizeJson(const Candidate& candidate) {
    const Size& size = candidate.size;
    if (size.diameter) {
        return {{"diameter", *size.diameter}};
    }
    return {{"width", size.width}, {"height", size.height}};
}

constexpr double kNoLevel = std::numeric_limits<double>::max();

std::optional<double> RoomRating(const Candidate& candidate, room::RatingKind kind) {
    return candidate.room ? std::optional(room::RatingOf(candidate.room->rating, kind))
                          : std::nullopt;
}

std::string RoomNcText(const Candidate& candidate) {
    if (candidate.room && candidate.room->rating.ncBelowLowestCurve) {
        return "< 10";
    }
    return LevelText(RoomRating(candidate, room::RatingKind::Nc));
}

std::string RoomAttenuatorCell(const Candidate& candidate) {
    if (!candidate.room) {
        return {};
    }
    switch (candidate.room->attenuatorOutcome) {
        case room::AttenuatorOutcome::NotAsked:
            return "-";
        case room::AttenuatorOutcome::NoneFound:
            return "none reaches";
        case room::AttenuatorOutcome::Found:
            break;
    }
    const room::RoomAttenuator& attenuator = *candidate.room->attenuator;
    return std::string(attenuator.thickness) + " " + std::string(attenuator.length);
}

// None asked for first, then by length and insulation, then where none reaches the target.
double RoomAttenuatorOrder(const Candidate& candidate) {
    if (!candidate.room ||
        candidate.room->attenuatorOutcome == room::AttenuatorOutcome::NoneFound) {
        return 1e6;
    }
    if (!candidate.room->attenuator) {
        return 0;
    }
    const room::RoomAttenuator& attenuator = *candidate.room->attenuator;
    return ReadNumber(attenuator.length).value_or(0) * 1000 +
           0.001 * ReadNumber(attenuator.thickness).value_or(0);
}

Json RoomAttenuatorJson(const Candidate& candidate) {
    if (!candidate.room || !candidate.room->attenuator) {
        return nullptr;
    }
    const room::RoomAttenuator& attenuator = *candidate.room->attenuator;
    return {
        {"thickness", attenuator.thickness},
        {"length", attenuator.length},
        {"summationLevel", NumberJson(attenuator.rating.summationLevel)},
        {"nc", NumberJson(attenuator.rating.nc)},
        {"nr", NumberJson(attenuator.rating.nr)},
    };
}

using enum JsonPlace;

// clang-format off
const std::array<CandidateColumn, 12> kColumns{{
    {"Product", "", false,
     [](const Candidate& c) { return std::string(c.name); },
     [](const Candidate& c) { return SortKey(std::string(c.name)); },
     "product", Key, [](const Candidate& c) { return Json(c.product); }},
    {"Size", "mm", true,
     [](const Candidate& c) { return SizeText(c.size); },
     [](const Candidate& c) { return SortKey(c.size.Area()); },
     "", OwnKeys, SizeJson},
    {"Velocity", "m/s", true,
     [](const Candidate& c) { return FormatNumber("%.1lf", c.velocity); },
     [](const Candidate& c) { return SortKey(c.velocity); },
     "velocity", Key, [](const Candidate& c) { return NumberJson(c.velocity); }},
    {"Minimum pressure", "Pa", true,
     [](const Candidate& c) { return FormatNumber("%.0lf", c.minimumPressure); },
     [](const Candidate& c) { return SortKey(c.minimumPressure); },
     "minimumPressure", Key, [](const Candidate& c) { return NumberJson(c.minimumPressure); }},
    {"dB(A)", "", true,
     [](const Candidate& c) { return LevelText(c.summationLevel); },
     [](const Candidate& c) { return SortKey(c.summationLevel); },
     "summationLevel", Key, [](const Candidate& c) { return NumberJson(c.summationLevel); }},
    {"Casing dB(A)", "", true,
     [](const Candidate& c) { return LevelText(c.casingSummationLevel); },
     [](const Candidate& c) { return SortKey(c.casingSummationLevel.value_or(kNoLevel)); },
     "casingSummationLevel", Key,
     [](const Candidate& c) { return NumberJson(c.casingSummationLevel); }},
    {"Attenuator", "", false,
     AttenuatorCell,
     [](const Candidate& c) { return SortKey(AttenuatorOrder(c)); },
     "attenuator", AfterKeys, AttenuatorJson},
    {"Meets target", "", false,
     [](const Candidate& c) { return std::string(c.meetsTarget ? "yes" : "no"); },
     [](const Candidate& c) { return SortKey(c.meetsTarget ? 0.0 : 1.0); },
     "meetsTarget", Key, [](const Candidate& c) { return Json(c.meetsTarget); }},
    {"Room dB(A)", "", true,
     [](const Candidate& c) { return LevelText(RoomRating(c, room::RatingKind::SummationLevel)); },
     [](const Candidate& c) { return SortKey(RoomRating(c, room::RatingKind::SummationLevel).value_or(kNoLevel)); },
     "roomSummationLevel", Key,
     [](const Candidate& c) { return NumberJson(RoomRating(c, room::RatingKind::SummationLevel)); },
     true},
    {"Room NC", "", true,
     RoomNcText,
     [](const Candidate& c) { return SortKey(RoomRating(c, room::RatingKind::Nc).value_or(kNoLevel)); },
     "roomNc", Key,
     [](const Candidate& c) { return NumberJson(RoomRating(c, room::RatingKind::Nc)); },
     true},
    {"Room NR", "", true,
     [](const Candidate& c) { return LevelText(RoomRating(c, room::RatingKind::Nr)); },
     [](const Candidate& c) { return SortKey(RoomRating(c, room::RatingKind::Nr).value_or(kNoLevel)); },
     "roomNr", Key,
     [](const Candidate& c) { return NumberJson(RoomRating(c, room::RatingKind::Nr)); },
     true},
    {"Room attenuator", "", false,
     RoomAttenuatorCell,
     [](const Candidate& c) { return SortKey(RoomAttenuatorOrder(c)); },
     "roomAttenuator", AfterKeys, RoomAttenuatorJson, true},
}};
// clang-format on

void AddColumn(Json& object, const CandidateColumn& column, const Candidate& candidate) {
    Json value = column.json(candidate);
    if (column.jsonPlace == OwnKeys) {
        for (auto& [key, item] : value.items()) {
            object[key] = std::move(item);
        }
    } else {
        object[std::string(column.jsonKey)] = std::move(value);
    }
}

}  // namespace

std::span<const CandidateColumn> CandidateColumns() {
    return kColumns;
}

std::string Heading(const CandidateColumn& column) {
    std::string heading(column.name);
    if (!column.unit.empty()) {
        heading += " [" + std::string(column.unit) + "]";
    }
    return heading;
}

bool Shows(const CandidateColumn& column, const DutyPoint& dutyPoint) {
    return !column.ofTheRoom || dutyPoint.room.has_value();
}

Json CandidateJson(const Candidate& candidate) {
    Json object = Json::object();
    const auto shown = [&candidate](const CandidateColumn& column) {
        return !column.ofTheRoom || candidate.room.has_value();
    };
    for (const CandidateColumn& column : kColumns) {
        if (column.jsonPlace != AfterKeys && shown(column)) {
            AddColumn(object, column, candidate);
        }
    }
    for (const CandidateColumn& column : kColumns) {
        if (column.jsonPlace == AfterKeys && shown(column)) {
            AddColumn(object, column, candidate);
        }
    }
    if (const std::vector<std::string> notes = CandidateNotes(candidate); !notes.empty()) {
        object["notes"] = notes;
    }
    return object;
}

}  // namespace lorvane::finder
