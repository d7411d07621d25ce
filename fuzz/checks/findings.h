#pragma once

#include <string>
#include <vector>

namespace lorvane::fuzz {

// What a check found wrong, one sentence each; empty when all is well.
using Findings = std::vector<std::string>;

// Prints the findings to standard error and stops the process, so the fuzzer keeps the input.
void StopOnFindings(const Findings& findings);

}  // namespace lorvane::fuzz
