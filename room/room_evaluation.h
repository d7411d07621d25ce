#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/bands.h"
#include "room/diffuse_field.h"
#include "room/path.h"
#include "room/room_attenuator.h"
#include "room/room_rating.h"
#include "room/room_size.h"
#include "room/room_target.h"

namespace lorvane::room {

// What a product sends towards the room.
struct RoomSource {
    Octaves ductBorne{};            // sound power in dB into the duct behind it, no attenuator
    std::optional<Octaves> casing;  // its bare casing's sound power in dB, where it has one
    // Its diameter in mm where an attenuator of the program's table may be put behind it (a
    // circular controller): then a room that misses its target asks for one.
    std::optional<double> attenuatorDiameter;
};

enum class RoomModel { Diffuse, Schultz };

// Whether the casing's sound reaches the room too, through the ceiling it lies above.
enum class CasingPath { None, Room };

// The room and the way there.
struct RoomInputs {
    Path path;
    RoomSize size;                                              // m
    Reverberation reverberation = Reverberation::Uniform(0.6);  // s
    double distance = 1.5;                                      // m, from the outlet
    double directivity = 2;                                     // Q
    RoomModel model = RoomModel::Diffuse;
    CasingPath casing = CasingPath::None;
    Octaves ceilingLoss{};  // dB, the suspended ceiling's insertion loss with CasingPath::Room
    std::optional<RoomTarget> target;
};

struct ElementResult {
    std::string text;  // the element's canonical text
    Octaves attenuation{};
};

enum class AttenuatorOutcome {
    NotAsked,  // no target, the target met, or no attenuator data for the product
    Found,
    NoneFound,  // not even the longest with the thickest insulation makes the room meet it
};

struct RoomResult {
    std::vector<ElementResult> path;
    Octaves powerAtRoom{};              // dB, the duct-borne sound power after the path
    Octaves levels{};                   // dB at the listener, every path together
    RoomRating rating;                  // of the levels
    std::optional<bool> targetReached;  // with a target: whether the room meets it as it is
    AttenuatorOutcome attenuatorOutcome = AttenuatorOutcome::NotAsked;
    std::optional<RoomAttenuator> attenuator;  // with AttenuatorOutcome::Found
    std::vector<std::string> notes;
};

// The sound a product sends into a room along the path, as levels at the listener and their
// ratings, and with a target the room misses, the attenuator that makes it meet it. Refused
// with one sentence where the inputs are outside what the models take (a side, a time, the
// distance or the directivity not above 0, a reverberation time too short for the room, a
// ceiling loss below 0) or where a level cannot be computed.
std::variant<RoomResult, std::string> EvaluateRoom(const RoomSource& source,
                                                   const RoomInputs& inputs);

}  // namespace lorvane::room
