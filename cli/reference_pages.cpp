#include "cli/reference_pages.h"

#include <CLI/CLI.hpp>
#include <algorithm>

#include "products/catalogue.h"

namespace lorvane::cli {
namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(separator, start), text.size());
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

bool IsHidden(const CLI::Option& option) {
    return option.get_group().empty();
}

OptionEntry Entry(const CLI::Option& option) {
    OptionEntry entry;
    for (const std::string& name : option.get_snames()) {
        entry.names.push_back("-" + name);
    }
    for (const std::string& name : option.get_lnames()) {
        entry.names.push_back("--" + name);
    }
    entry.help = option.get_description();
    entry.required = option.get_required();
    if (option.get_type_size_max() > 0) {
        // The parser writes a list's words as "same|opposite", then what its check says.
        // An argument without a name is called by its name in the help ("IN").
        const std::string typeName = Split(option.get_type_name(), ':').front();
        entry.value =
            !option.nonpositional() || typeName.empty() ? option.get_name(true) : typeName;
        if (entry.value.find('|') != std::string::npos) {
            entry.words = Split(entry.value, '|');
        }
    }
    return entry;
}

std::vector<OptionEntry> Entries(const CLI::App& app) {
    std::vector<OptionEntry> entries;
    for (const CLI::Option* option : app.get_options()) {
        if (!IsHidden(*option) && option != app.get_help_ptr()) {
            entries.push_back(Entry(*option));
        }
    }
    return entries;
}

bool HasCommand(const std::vector<CommandEntry>& commands, std::string_view word) {
    return std::any_of(commands.begin(), commands.end(),
                       [&](const CommandEntry& command) { return command.word == word; });
}

// ---- roff

// Text as roff prints it: a backslash and every minus sign escaped (options are typed as they
// are shown), and a line that would start with a control character made plain.
std::string Roff(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\') {
            out += "\\e";
        } else if (c == '-') {
            out += "\\-";
        } else {
            out += c;
        }
    }
    if (!out.empty() && (out.front() == '.' || out.front() == '\'')) {
        out.insert(0, "\\&");
    }
    return out;
}

std::string Bold(const std::string& text) {
    return "\\fB" + Roff(text) + "\\fR";
}

std::string Italic(const std::string& text) {
    return "\\fI" + Roff(text) + "\\fR";
}

// "--linkage opposite|same", "-o, --output OUT", "IN"
std::string OptionUsage(const OptionEntry& option, const std::string& separator) {
    if (option.IsPositional()) {
        return Italic(option.value);
    }
    std::string names;
    for (const std::string& name : option.names) {
        names += (names.empty() ? "" : separator) + Bold(name);
    }
    return option.IsFlag() ? names : names + " " + Italic(option.value);
}

std::string Synopsis(const CommandEntry& command) {
    std::string line = Bold("lorvane-calc " + command.word);
    for (const OptionEntry& option : command.options) {
        const std::string usage = OptionUsage(option, "|");
        line += " " + (option.required ? usage : "[" + usage + "]");
    }
    return line;
}

void WriteOptions(const std::vector<OptionEntry>& options, std::ostream& out) {
    for (const OptionEntry& option : options) {
        out << ".TP\n" << OptionUsage(option, ", ") << '\n' << Roff(option.help) << '\n';
    }
}

void WriteExample(const std::string& call, const std::string& what, std::ostream& out) {
    out << ".TP\n" << Bold(call) << '\n' << Roff(what) << '\n';
}

// ---- bash

std::string Joined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) {
        text += (text.empty() ? "" : " ") + word;
    }
    return text;
}

std::string Alternatives(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) {
        text += (text.empty() ? "" : "|") + word;
    }
    return text;
}

std::vector<std::string> Names(const std::vector<OptionEntry>& options) {
    std::vector<std::string> names;
    for (const OptionEntry& option : options) {
        names.insert(names.end(), option.names.begin(), option.names.end());
    }
    return names;
}

// The case of one command: what follows an option that takes a value, else its options, or file
// names where the command takes an argument without a name.
void WriteCommandCompletion(const CommandEntry& command, std::ostream& out) {
    out << "    " << command.word << ")\n        case $prev in\n";
    std::vector<std::string> numbers;
    std::vector<std::string> files;
    for (const OptionEntry& option : command.options) {
        if (option.IsFlag() || option.IsPositional()) {
            continue;
        }
        if (!option.words.empty()) {
            out << "        " << Alternatives(option.names) << ") _lorvane_calc_reply '"
                << Joined(option.words) << "'; return ;;\n";
        } else if (option.TakesFile()) {
            files.insert(files.end(), option.names.begin(), option.names.end());
        } else {
            numbers.insert(numbers.end(), option.names.begin(), option.names.end());
        }
    }
    if (!files.empty()) {
        out << "        " << Alternatives(files) << ") _lorvane_calc_files; return ;;\n";
    }
    if (!numbers.empty()) {
        out << "        " << Alternatives(numbers) << ") return ;;  # a number\n";
    }
    out << "        esac\n";
    const bool takesFile = std::any_of(command.options.begin(), command.options.end(),
                                       [](const OptionEntry& o) { return o.IsPositional(); });
    if (takesFile) {
        out << "        if [[ $cur != -* ]]; then _lorvane_calc_files; return; fi\n";
    }
    std::vector<std::string> names = Names(command.options);
    names.push_back("--help");
    out << "        _lorvane_calc_reply '" << Joined(names) << "' ;;\n";
}

}  // namespace

std::vector<CommandEntry> Commands(const CLI::App& app) {
    std::vector<CommandEntry> commands;
    for (const CLI::App* sub : app.get_subcommands([](const CLI::App*) { return true; })) {
        commands.push_back(CommandEntry{sub->get_name(), sub->get_description(),
                                        FindProductByWord(sub->get_name()) != nullptr,
                                        Entries(*sub)});
    }
    return commands;
}

std::vector<OptionEntry> ProgramOptions(const CLI::App& app) {
    std::vector<OptionEntry> options{Entry(*app.get_help_ptr())};
    for (OptionEntry& option : Entries(app)) {
        options.push_back(std::move(option));
    }
    return options;
}

void WriteManualPage(const std::vector<CommandEntry>& commands, std::ostream& out) {
    out << ".\\\" The manual page of lorvane-calc, printed by lorvane-calc --manual-page.\n"
        << ".TH LORVANE\\-CALC 1 \"\" \"Lorvane " LORVANE_VERSION "\" \"User Commands\"\n"
        << ".SH NAME\n"
        << "lorvane\\-calc \\- acoustics and flow data of ventilation components\n"
        << ".SH SYNOPSIS\n"
        << ".nf\n"
        << Bold("lorvane-calc") << " " << Bold("--help") << " | " << Bold("--version") << '\n'
        << Bold("lorvane-calc") << " " << Italic("PRODUCT") << " " << Bold("--help") << '\n'
        << Bold("lorvane-calc") << " " << Italic("PRODUCT") << " [" << Italic("OPTIONS") << "] ["
        << Bold("--json") << "]\n";
    for (const CommandEntry& command : commands) {
        if (!command.product) {
            out << Synopsis(command) << '\n';
        }
    }
    out << ".fi\n"
        << ".SH DESCRIPTION\n"
        << Bold("lorvane-calc") << " runs the product calculations of the desktop program "
        << Bold("lorvane")
        << " with the same checks and the same messages, and prints the results laid out like "
           "the product's form or, with "
        << Bold("--json") << ", as one JSON object.\n"
        << ".PP\n"
        << "All numbers are in the form's units: mm, m3/h, Pa, dB(A). An option that is left out "
           "takes the value the product's form shows when it first opens in a new run of the "
           "program. Numbers are read as the forms read them: a decimal point, and trailing "
           "text ignored (\"250 Pa\" reads as 250); values that are not finite are refused. A "
           "value may begin with a minus sign ("
        << Bold("--dp -1")
        << "): it is the option's value, checked like any other. A value that is itself an "
           "option ("
        << Bold("--dp --json") << ") is a missing value.\n"
        << ".SH OPTIONS\n"
        << ".TP\n"
        << Bold("--help") << '\n'
        << "Print the products and commands and exit. After a product or a command: its "
           "options, with the values they take when left out.\n"
        << ".TP\n"
        << Bold("--version") << "\nPrint the version and exit.\n"
        << ".TP\n"
        << Bold("--json") << "\nPrint the results as one JSON object.\n"
        << ".SH PRODUCTS\n"
        << Italic("PRODUCT") << " is one of the following words.\n";
    for (const CommandEntry& command : commands) {
        if (command.product) {
            out << ".SS " << Roff(command.word) << '\n' << Roff(command.help) << '\n';
            WriteOptions(command.options, out);
        }
    }
    if (std::any_of(commands.begin(), commands.end(),
                    [](const CommandEntry& command) { return !command.product; })) {
        out << ".SH COMMANDS\n";
        for (const CommandEntry& command : commands) {
            if (!command.product) {
                out << ".SS " << Roff(command.word) << '\n'
                    << Roff(command.help) << "\n.PP\n"
                    << Synopsis(command) << '\n';
                WriteOptions(command.options, out);
            }
        }
    }
    const bool batch = HasCommand(commands, "batch");
    out << ".SH OUTPUT\n"
        << "Without " << Bold("--json")
        << ", the product's data are laid out as on its form: the same labels, the band columns "
           "63 to 8000 Hz and every number in the form's own format, halves rounded away from "
           "zero.\n"
        << ".PP\n"
        << "With " << Bold("--json")
        << ", one JSON object: \"product\", \"inputs\" (the values used, by option name) and the "
           "product's results, numbers unrounded. Band arrays have 8 entries, 63 Hz first. A "
           "value the model cannot give is null, and a \"notes\" array says why.\n";
    if (batch) {
        out << ".SH SCHEDULES\n"
            << Bold("batch")
            << " reads a CSV file with a header row: a \"product\" column with the product "
               "words above, one column per option named as the option without its dashes "
               "(\"diameter\", \"flow\", \"dp\", ...), and any other columns, which are passed "
               "through. An empty cell takes the option's start value; a flag's cell is yes or "
               "no. Quoting is RFC 4180's; a header with more semicolons than commas makes the "
               "file semicolon-separated.\n"
            << ".PP\n"
            << "It writes one row per input row, in the input's order: the input's columns, "
               "\"status\" (ok, refused or invalid), \"message\", then the results, named after "
               "their JSON keys with underscores (\"velocity\", \"octave_63\", "
               "\"casing_none_summationLevel\"), every number unrounded. With "
            << Bold("--json")
            << ", one JSON object per line: \"status\", the product's JSON and the passed-through "
               "cells under \"columns\". A row that is refused or invalid does not stop the "
               "run.\n";
    }
    out << ".SH EXIT STATUS\n"
        << ".TP\n0\nThe results were printed"
        << (batch ? " (for batch: every row was calculated)" : "") << ".\n"
        << ".TP\n1\n"
        << "An input was refused, or the differential pressure is below the minimum pressure: "
           "the form's message is on standard error and, with "
        << Bold("--json") << ", under the \"error\" key of the object"
        << (batch ? " (for batch: some row was not calculated; a line on standard error counts "
                    "them)"
                  : "")
        << ".\n"
        << ".TP\n2\n"
        << "The call itself was wrong (an unknown product or option, a missing value): one "
           "usage line on standard error"
        << (batch ? " (for batch also: the schedule cannot be read or has no product column)" : "")
        << ".\n"
        << ".TP\n3\n"
        << "The results could not be written (a full disk, for example): one line on standard "
           "error.\n"
        << ".SH EXAMPLES\n";
    WriteExample("lorvane-calc selmon --diameter 250 --flow 1000 --dp 250 --target 35",
                 "The Selmon controller of 250 mm at 1000 m3/h and 250 Pa, with the attenuators "
                 "for a target of 35 dB(A), laid out like its form.",
                 out);
    WriteExample("lorvane-calc damper --width 600 --height 400 --flow 3000 --linkage same --json",
                 "A multi-leaf damper with blades turning the same way, as JSON.", out);
    if (HasCommand(commands, "find")) {
        WriteExample("lorvane-calc find --flow 1000 --dp 250 --target 35",
                     "Every controller size that serves 1000 m3/h at 250 Pa, with the attenuator "
                     "a target of 35 dB(A) needs.",
                     out);
    }
    if (batch) {
        WriteExample("lorvane-calc batch positions.csv -o results.csv",
                     "Every row of a schedule, with its results in the columns after its own.",
                     out);
    }
    out << ".SH SEE ALSO\n"
        << "The user guide of the desktop program " << Bold("lorvane")
        << ", under Help in its \"&?\" menu.\n";
}

void WriteBashCompletion(const std::vector<CommandEntry>& commands,
                         const std::vector<OptionEntry>& programOptions, std::ostream& out) {
    std::vector<std::string> first;
    for (const CommandEntry& command : commands) {
        first.push_back(command.word);
    }
    for (const std::string& name : Names(programOptions)) {
        first.push_back(name);
    }
    out << "# bash completion for lorvane-calc, printed by lorvane-calc --bash-completion.\n"
        << "\n"
        << "_lorvane_calc_reply() {\n"
        << "    mapfile -t COMPREPLY < <(compgen -W \"$1\" -- \"$cur\")\n"
        << "}\n"
        << "\n"
        << "_lorvane_calc_files() {\n"
        << "    compopt -o filenames 2>/dev/null\n"
        << "    mapfile -t COMPREPLY < <(compgen -f -- \"$cur\")\n"
        << "}\n"
        << "\n"
        << "_lorvane_calc() {\n"
        << "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}\n"
        << "    # --linkage=same is three words to bash: the option, '=' and the value.\n"
        << "    if [[ $cur == = ]]; then\n"
        << "        cur=\n"
        << "    elif [[ $prev == = ]] && ((COMP_CWORD > 1)); then\n"
        << "        prev=${COMP_WORDS[COMP_CWORD - 2]}\n"
        << "    fi\n"
        << "    # The program's own options take no value: the first other word is the command.\n"
        << "    local command= i\n"
        << "    for ((i = 1; i < COMP_CWORD; i++)); do\n"
        << "        if [[ ${COMP_WORDS[i]} != -* ]]; then\n"
        << "            command=${COMP_WORDS[i]}\n"
        << "            break\n"
        << "        fi\n"
        << "    done\n"
        << "    COMPREPLY=()\n"
        << "    case $command in\n"
        << "    '') _lorvane_calc_reply '" << Joined(first) << "' ;;\n";
    for (const CommandEntry& command : commands) {
        WriteCommandCompletion(command, out);
    }
    out << "    esac\n"
        << "}\n"
        << "\n"
        << "complete -F _lorvane_calc lorvane-calc\n";
}

void AddReferencePageOptions(CLI::App& app, std::ostream& out) {
    app.add_flag_callback("--manual-page",
                          [&app, &out] {
                              WriteManualPage(Commands(app), out);
                              throw CLI::Success();
                          })
        ->group("");
    app.add_flag_callback("--bash-completion",
                          [&app, &out] {
                              WriteBashCompletion(Commands(app), ProgramOptions(app), out);
                              throw CLI::Success();
                          })
        ->group("");
}

}  // namespace lorvane::cli
