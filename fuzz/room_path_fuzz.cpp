// Any bytes as a room's sound path: read, written, read again and taken into a room.

#include <cstddef>
#include <cstdint>

#include "fuzz/checks/room_path_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lorvane::fuzz::StopOnFindings(lorvane::fuzz::CheckRoomPathInput({data, size}));
    return 0;
}
