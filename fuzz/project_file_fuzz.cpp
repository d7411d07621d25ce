// Any bytes as a project file of the desktop program.

#include <cstddef>
#include <cstdint>

#include "fuzz/checks/schedule_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lorvane::fuzz::StopOnFindings(lorvane::fuzz::CheckProjectInput({data, size}));
    return 0;
}
