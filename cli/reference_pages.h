#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace lorvane::cli {

// The manual page and the shell completion are written from the commands lorvane-calc offers,
// as its parser knows them: a product of the catalogue, or a command added beside them, shows
// up in both without either being edited.

// One option of a command, as the parser knows it.
struct OptionEntry {
    std::vector<std::string> names;  // "-o", "--output"; empty for an argument without a name
    std::string value;               // what its value is called ("VALUE", "IN"); empty for a flag
    std::vector<std::string> words;  // the words it takes, for a list
    std::string help;
    bool required = false;

    bool IsFlag() const { return value.empty(); }
    bool IsPositional() const { return names.empty(); }
    // A value that is neither a number nor a word of a list names a file.
    bool TakesFile() const { return !IsFlag() && words.empty() && value != "VALUE"; }
};

// A subcommand: a product or a command such as a search.
struct CommandEntry {
    std::string word;
    std::string help;
    bool product = false;
    std::vector<OptionEntry> options;  // --help left out
};

// The program's subcommands in the order of its help, each with its options.
std::vector<CommandEntry> Commands(const CLI::App& app);
// The program's own options, --help and --version among them.
std::vector<OptionEntry> ProgramOptions(const CLI::App& app);

// The manual page lorvane-calc(1), in roff: the text of cli/lorvane-calc.1.in, with the synopses,
// the sections of the products and those of the other commands written where its marker
// comments stand.
void WriteManualPage(const std::vector<CommandEntry>& commands, std::ostream& out);
// A bash completion for lorvane-calc: the commands, each command's options and the words of a
// list option.
void WriteBashCompletion(const std::vector<CommandEntry>& commands,
                         const std::vector<OptionEntry>& programOptions, std::ostream& out);

// Adds the options that print them, --manual-page and --bash-completion, left out of the
// help. They print what `app` offers when the parse runs, every subcommand included.
void AddReferencePageOptions(CLI::App& app, std::ostream& out);

}  // namespace lorvane::cli
