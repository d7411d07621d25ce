#include "fuzz/checks/room_path_checks.h"

#include <cmath>
#include <map>
#include <string>
#include <string_view>
#include <variant>

#include "room/path_text.h"
#include "room/room_evaluation.h"
#include "schedule/room_call.h"

namespace lorvane::fuzz {
namespace {

bool AllFinite(const Octaves& values) {
    for (double value : values) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return true;
}

void CheckRoundTrip(const room::Path& path, Findings& findings) {
    const std::string text = room::WritePath(path);
    const auto again = room::ReadPath(text);
    if (const std::string* refusal = std::get_if<std::string>(&again)) {
        findings.push_back("the written path \"" + text + "\" is refused: " + *refusal);
        return;
    }
    const room::Path& reread = std::get<room::Path>(again);
    if (reread != path) {
        findings.push_back("the written path \"" + text + "\" reads back as another path, \"" +
                           room::WritePath(reread) + "\"");
    } else if (room::WritePath(reread) != text) {
        findings.push_back("the written path \"" + text + "\" is written again as \"" +
                           room::WritePath(reread) + "\"");
    }
}

void CheckRoom(const room::Path& path, Findings& findings) {
    room::RoomSource source;
    source.ductBorne.fill(60);
    source.casing = source.ductBorne;
    source.attenuatorDiameter = 250;
    room::RoomInputs inputs;
    inputs.path = path;
    inputs.size = {6, 5, 3};
    inputs.casing = room::CasingPath::Room;
    inputs.target = room::RoomTarget{room::RatingKind::Nr, 20};
    const auto evaluated = room::EvaluateRoom(source, inputs);
    if (const std::string* refusal = std::get_if<std::string>(&evaluated)) {
        if (refusal->empty()) {
            findings.push_back("the room is refused without a sentence");
        }
        return;
    }
    const room::RoomResult& result = std::get<room::RoomResult>(evaluated);
    for (std::size_t i = 0; i < result.path.size(); ++i) {
        for (double decibels : result.path[i].attenuation) {
            if (!(std::isfinite(decibels) && decibels >= 0)) {
                findings.push_back("path element " + std::to_string(i + 1) + " (" +
                                   result.path[i].text + ") attenuates by " +
                                   std::to_string(decibels) + " dB");
                break;
            }
        }
    }
    const room::RoomRating& rating = result.rating;
    if (!AllFinite(result.powerAtRoom) || !AllFinite(result.levels) ||
        !std::isfinite(rating.summationLevel) || !std::isfinite(rating.nc) ||
        !std::isfinite(rating.nr)) {
        findings.push_back("the room is given a level or a rating that is not finite");
    }
}

// The same bytes as the value of each room option a call or a schedule gives: refused with a
// sentence, or read into a room that is refused with a sentence or gives finite levels.
void CheckRoomOptions(std::string_view text, Findings& findings) {
    for (const schedule::RoomOption& option : schedule::RoomOptions()) {
        std::map<std::string, std::string> given{{"room", "6x5x3"}};
        given[std::string(option.name)] = std::string(text);
        const auto read = schedule::ReadRoomOptions(given);
        if (const std::string* refusal = std::get_if<std::string>(&read)) {
            if (refusal->empty()) {
                findings.push_back("the option " + std::string(option.name) +
                                   " is refused without a sentence");
            }
            continue;
        }
        room::RoomSource source;
        source.ductBorne.fill(60);
        source.casing = source.ductBorne;
        source.attenuatorDiameter = 250;
        const auto evaluated = room::EvaluateRoom(source, *std::get<0>(read));
        if (const auto* result = std::get_if<room::RoomResult>(&evaluated)) {
            if (!AllFinite(result->levels) || !std::isfinite(result->rating.nr)) {
                findings.push_back("the option " + std::string(option.name) +
                                   " gives a level that is not finite");
            }
        } else if (std::get<std::string>(evaluated).empty()) {
            findings.push_back("the room of the option " + std::string(option.name) +
                               " is refused without a sentence");
        }
    }
}

}  // namespace

Findings CheckRoomPathInput(std::span<const std::uint8_t> bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    Findings findings;
    CheckRoomOptions(text, findings);
    const auto read = room::ReadPath(text);
    if (const std::string* refusal = std::get_if<std::string>(&read)) {
        if (!refusal->starts_with("Path element ")) {
            findings.push_back("a refusal that names no element: " + *refusal);
        }
        return findings;
    }
    const room::Path& path = std::get<room::Path>(read);
    CheckRoundTrip(path, findings);
    CheckRoom(path, findings);
    return findings;
}

}  // namespace lorvane::fuzz
