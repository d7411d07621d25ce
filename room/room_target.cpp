#include "room/room_target.h"

#include <optional>

#include "core/number_text.h"
#include "room/plain_number.h"
#include "room/words.h"

namespace lorvane::room {

std::variant<RoomTarget, std::string> ReadRoomTarget(std::string_view text) {
    std::string_view rest = text;
    while (!rest.empty() && IsBlank(rest.front())) {
        rest.remove_prefix(1);
    }
    RoomTarget target;
    const std::string_view word = rest.substr(0, 2);
    if (EqualIgnoringCase(word, "nr") || EqualIgnoringCase(word, "nc")) {
        target.rating = EqualIgnoringCase(word, "nr") ? RatingKind::Nr : RatingKind::Nc;
        rest.remove_prefix(2);
    }
    const std::optional<double> value = ReadNumber(rest);
    if (!value) {
        return "The room target " + Quoted(text) +
               " is not understood: give a level in dB(A) such as 35, or NR 30 or NC 30.";
    }
    if (*value < 0) {
        return "The room target " + Quoted(text) + " is below 0.";
    }
    target.value = *value + 0.0;
    return target;
}

std::string TargetText(const RoomTarget& target) {
    switch (target.rating) {
        case RatingKind::Nr:
            return "NR " + PlainNumber(target.value);
        case RatingKind::Nc:
            return "NC " + PlainNumber(target.value);
        case RatingKind::SummationLevel:
            break;
    }
    return PlainNumber(target.value) + " dB(A)";
}

bool MeetsTarget(double rating, const RoomTarget& target) {
    return RoundWhole(rating) <= target.value;
}

}  // namespace lorvane::room
