#pragma once

#include <string>
#include <vector>

namespace lorvane::cli::test {

// What one run of lorvane-calc printed, and how it ended.
struct CalcRun {
    std::string out;
    std::string err;
    int status = -1;  // the exit status; -1 when the program did not exit normally
};

// Runs lorvane-calc's command line with the arguments in this process, as its main() does, with
// string streams for its standard output and error.
CalcRun RunCalc(const std::vector<std::string>& arguments);

// Starts the built lorvane-calc program with the arguments, in this process's environment with
// the given "NAME=value" entries added or replaced: for what only the program shows (its exit
// status after a failed write, its streams, the process locale).
CalcRun RunCalcProcess(const std::vector<std::string>& arguments,
                       const std::vector<std::string>& environment = {});

// Starts lorvane-calc with its standard output written to a file (its `out` stays empty).
CalcRun RunCalcWritingTo(const char* outputFile, const std::vector<std::string>& arguments);

// The lines of a text.
std::vector<std::string> Lines(const std::string& text);

}  // namespace lorvane::cli::test
