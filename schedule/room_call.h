#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "forms/product_form.h"
#include "products/catalogue.h"
#include "room/room_evaluation.h"

namespace lorvane::schedule {

// An option of the way from a product into a room, as lorvane-calc and schedules take it.
struct RoomOption {
    std::string_view name;   // "path", given as --path and in a schedule's column "path"
    std::string_view value;  // what the value is, for help: "LxWxH"
    std::string_view help;
};

// The options of the room, in the order help lists them.
std::span<const RoomOption> RoomOptions();
bool IsRoomOption(std::string_view name);

// The room and the way there as the options given say (by option name, as typed), the others at
// their defaults; nothing when no room option is given. A value that cannot be read is refused
// with one sentence, and so are options of the way there without the room's size.
std::variant<std::optional<room::RoomInputs>, std::string> ReadRoomOptions(
    const std::map<std::string, std::string>& given);

// What the product sends into the room, from the record of its evaluation with these input
// texts; nothing for a product that sends no sound along a duct, or whose record lacks its
// duct-borne row (a calculation refused before it).
std::optional<room::RoomSource> RoomSourceOf(const Product& product,
                                             const forms::InputTexts& inputs,
                                             const forms::ResultRecord& record);

// The room options given to a product's evaluation, evaluated and appended to its record as the
// "room" results (or a refusal with the sentence that says why there are none). Nothing happens
// without room options, or where the record is already refused.
void AddRoom(forms::ResultRecord& record, const Product& product, const forms::InputTexts& inputs,
             const std::map<std::string, std::string>& given);

// Every room result a record can carry but the path's elements, each as a result not reached:
// what a schedule's columns of the room are made from.
const forms::ResultRecord& RoomColumnsRecord();

// The room's results appended to a record: keys under "room.", as lorvane-calc's JSON has them.
void AddRoomResult(forms::ResultRecord& record, room::RoomResult result);

}  // namespace lorvane::schedule
