// Every built product form: any texts in its inputs, any list picks, "calculate" twice, the
// form opened again, and lorvane-calc given the same texts.

#include <cstddef>
#include <cstdint>

#include "fuzz/checks/form_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lorvane::fuzz::StopOnFindings(lorvane::fuzz::RunFormSession({data, size}));
    return 0;
}
