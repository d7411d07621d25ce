// Any bytes as a schedule for lorvane-calc batch and for the desktop program's import.

#include <cstddef>
#include <cstdint>

#include "fuzz/checks/schedule_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lorvane::fuzz::StopOnFindings(lorvane::fuzz::CheckScheduleInput({data, size}));
    return 0;
}
