#include "fuzz/checks/findings.h"

#include <cstdlib>
#include <iostream>

namespace lorvane::fuzz {

void StopOnFindings(const Findings& findings) {
    if (findings.empty()) {
        return;
    }
    for (const std::string& finding : findings) {
        std::cerr << "finding: " << finding << '\n';
    }
    std::cerr.flush();
    std::abort();
}

}  // namespace lorvane::fuzz
