// Any bytes to the number reader; any double in any fixed format to the formatter; the shortest
// text of any double back through the reader.

#include <cstddef>
#include <cstdint>

#include "fuzz/checks/number_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lorvane::fuzz::StopOnFindings(lorvane::fuzz::CheckNumberInput({data, size}));
    return 0;
}
