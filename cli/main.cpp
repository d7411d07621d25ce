// lorvane-calc: the product calculations of the desktop forms, on the command line.

#include <iostream>

#include "cli/arguments.h"
#include "cli/run.h"

int main(int argc, char** argv) {
    using namespace lorvane::cli;
    const Parsed parsed = ParseArguments(argc, argv, std::cout, std::cerr);
    if (const int* status = std::get_if<int>(&parsed)) {
        return *status;
    }
    return RunCall(std::get<Call>(parsed), std::cout, std::cerr);
}
