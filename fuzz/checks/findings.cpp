#include "fuzz/checks/findings.h"

#include <cstdlib>
#include <cstring>
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

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
            quoted += c;
        } else {
            static constexpr char kHex[] = "0123456789abcdef";
            const auto byte = static_cast<unsigned char>(c);
            quoted += std::string("\\x") + kHex[byte >> 4] + kHex[byte & 15];
        }
    }
    return quoted + "\"";
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace lorvane::fuzz
