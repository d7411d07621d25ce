// lorvane-calc: the product calculations of the desktop forms, on the command line.

#include <cerrno>
#include <cstring>
#include <iostream>

#include "cli/arguments.h"
#include "cli/run.h"

namespace {

// Exit status when the results could not be written out (a full disk, for example).
constexpr int kWriteFailed = 3;

int Run(int argc, char** argv) {
    using namespace lorvane::cli;
    const Parsed parsed = ParseArguments(argc, argv, std::cout, std::cerr);
    if (const int* status = std::get_if<int>(&parsed)) {
        return *status;
    }
    if (const FindCall* find = std::get_if<FindCall>(&parsed)) {
        return RunFind(*find, std::cout, std::cerr);
    }
    if (const BatchCall* batch = std::get_if<BatchCall>(&parsed)) {
        return RunBatch(*batch, std::cout, std::cerr);
    }
    return RunCall(std::get<Call>(parsed), std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
    const int status = Run(argc, argv);
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
