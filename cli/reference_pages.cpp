#include "cli/reference_pages.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <string_view>

#include "cli/manual_page_text.h"
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

// The sections of the commands beside the products, under a heading of their own.
void WriteCommands(const std::vector<CommandEntry>& commands, std::ostream& out) {
    if (std::none_of(commands.begin(), commands.end(),
                     [](const CommandEntry& command) { return !command.product; })) {
        return;
    }
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

// The lines of the manual page's text that stand for what is written from the commands.
constexpr std::string_view kCommandSynopses = ".\\\" [command synopses]\n";
constexpr std::string_view kProducts = ".\\\" [products]\n";
constexpr std::string_view kCommands = ".\\\" [commands]\n";

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
    std::string_view text = kManualPageText;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end == text.npos ? end : end + 1);
        text.remove_prefix(line.size());
        if (line == kCommandSynopses) {
            for (const CommandEntry& command : commands) {
                if (!command.product) {
                    out << Synopsis(command) << '\n';
                }
            }
        } else if (line == kProducts) {
            for (const CommandEntry& command : commands) {
                if (command.product) {
                    out << ".SS " << Roff(command.word) << '\n' << Roff(command.help) << '\n';
                    WriteOptions(command.options, out);
                }
            }
        } else if (line == kCommands) {
            WriteCommands(commands, out);
        } else {
            out << line;
        }
    }
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
