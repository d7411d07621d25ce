#include "room/words.h"

namespace lorvane::room {

std::string Quoted(std::string_view text) {
    constexpr std::size_t kShown = 40;
    std::size_t end = text.size();
    if (end > kShown) {
        end = kShown;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
            --end;  // a continuation byte: the character began before it
        }
    }
    // Appended piece by piece: GCC's optimiser warns of an overlap in "'" + std::string(...).
    std::string quoted(1, '\'');
    quoted.append(text.substr(0, end));
    quoted.append(end < text.size() ? "...'" : "'");
    return quoted;
}

}  // namespace lorvane::room
