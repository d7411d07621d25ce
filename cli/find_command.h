#pragma once

#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace lorvane::cli {

// A call of the product finder: the options given, by name, as typed.
struct FindCall {
    std::map<std::string, std::string> given;
    bool json = false;
};

// The "find" subcommand and its options as the command line knows them.
class FindSubcommand {
  public:
    FindSubcommand(CLI::App& app, bool& json);

    bool Parsed() const;
    // The first option that took another option as its value ("--flow --json"), or empty.
    std::string OptionTakenAsValue() const;
    // The first required option not given, or empty.
    std::string MissingOption() const;
    FindCall Call(bool json) const;

  private:
    CLI::App* app_;
    std::vector<std::pair<std::string, CLI::Option*>> options_;
};

// Searches every controller for the duty point and prints the candidates on `out`: a table,
// or one JSON object. An input outside its range is refused: its sentence goes to `err`, and
// with --json into the object's "error" key. Returns the exit status: 0, or 1 on a refusal;
// an empty list is no failure.
int RunFind(const FindCall& call, std::ostream& out, std::ostream& err);

}  // namespace lorvane::cli
