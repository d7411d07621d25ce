// lorvane-calc: the product calculations of the desktop forms, on the command line.

#include <cerrno>
#include <cstring>
#include <iostream>

#include "cli/command_line.h"

namespace {

// Exit status when the results could not be written out (a full disk, for example).
constexpr int kWriteFailed = 3;

}  // namespace

int main(int argc, char** argv) {
    const int status = lorvane::cli::RunCommandLine(argc, argv, std::cout, std::cerr);
    errno = 0;
    std::cout.flush();
    if (!std::cout) {
        const int error = errno;
        std::cerr << "lorvane-calc: cannot write the results"
                  << (error != 0 ? std::string(": ") + std::strerror(error) : std::string())
                  << '\n';
        return kWriteFailed;
    }
    return status;
}
