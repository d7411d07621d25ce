#pragma once

#include <ostream>
#include <string>

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace lorvane::cli {

// A run of a schedule: the CSV file to read, where to write the results (empty: standard
// output), and whether as JSON Lines.
struct BatchCall {
    std::string input;
    std::string output;
    bool json = false;
};

// The "batch" subcommand and its arguments as the command line knows them.
class BatchSubcommand {
  public:
    BatchSubcommand(CLI::App& app, bool& json);

    bool Parsed() const;
    BatchCall Call(bool json) const;

  private:
    CLI::App* app_;
    std::string input_;
    std::string output_;
};

// Calculates every row of the schedule and writes the results. Returns the exit status: 0 when
// every row was calculated, 1 when some row was refused or invalid (a line on `err` counts
// them), 2 when the schedule cannot be read or has no product column, 3 when the results
// cannot be written. While a long run goes on, `err` shows how far it has come if it is a
// terminal.
int RunBatch(const BatchCall& call, std::ostream& out, std::ostream& err);

}  // namespace lorvane::cli
