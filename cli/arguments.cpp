#include "cli/arguments.h"

#include <CLI/CLI.hpp>
#include <utility>

#include "cli/reference_pages.h"
#include "schedule/fresh_form.h"
#include "schedule/room_call.h"

namespace lorvane::cli {
namespace {

// A product's subcommand and its options as CLI11 knows them.
struct Subcommand {
    const Product* product;
    CLI::App* app;
    std::vector<std::pair<const forms::Option*, CLI::Option*>> options;
    std::vector<std::pair<std::string, CLI::Option*>> roomOptions;  // by option name
};

// The option's help, with the entries of the list it fills where it takes a number of a list
// (a diameter) rather than a word, and its start value.
std::string OptionHelp(const forms::FormSpec& spec, const forms::Option& option,
                       const std::string& startText) {
    std::string help = option.help;
    const forms::Control* list = spec.description.Find(option.field);
    if (option.choices.empty() && list != nullptr && !list->items.empty()) {
        help += ": ";
        for (std::size_t i = 0; i < list->items.size(); ++i) {
            help += (i ? ", " : "") + list->items[i];
        }
    }
    return startText.empty() ? help : help + " (default " + startText + ")";
}

// Lines under the help's options.
std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += (text.empty() ? "" : "\n") + line;
    }
    return text;
}

CLI::Option* AddOption(CLI::App& app, const forms::FormSpec& spec, const forms::Option& option,
                       const std::string& start) {
    const std::string name = "--" + option.name;
    if (option.IsFlag()) {
        return app.add_flag(name, option.help);
    }
    // Every value is taken as text, so the product reads it as its form reads a field; a value
    // starting with '-' is taken too ("--dp -1").
    CLI::Option* cli = app.add_option(name);
    cli->description(OptionHelp(spec, option, start))
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    if (option.choices.empty()) {
        cli->type_name("VALUE");
    } else {
        std::vector<std::string> words;
        for (const forms::Choice& choice : option.choices) {
            words.push_back(choice.word);
        }
        cli->type_name(option.ChoiceWords())->check(CLI::IsMember(words));
    }
    return cli;
}

Subcommand AddSubcommand(CLI::App& app, const Product& product, bool& json) {
    Subcommand sub{
        &product, app.add_subcommand(std::string(product.word), std::string(product.help)), {}};
    sub.app->group("Products");
    sub.app->allow_extras();
    // The hint to product help is for the top-level help only; a product's own help ends with
    // the ranges that depend on its size.
    sub.app->footer(Lines(product.spec().helpNotes));
    const forms::InputTexts start = schedule::StartTexts(product);
    for (const forms::Option& option : product.spec().options) {
        sub.options.emplace_back(
            &option, AddOption(*sub.app, product.spec(), option, start.at(option.name)));
    }
    // A product that sends no sound into a room takes the room's options unlisted, to refuse
    // them with a sentence.
    const std::string roomGroup = product.room.SendsSound() ? "Room" : "";
    for (const schedule::RoomOption& option : schedule::RoomOptions()) {
        const std::string name(option.name);
        CLI::Option* cli = sub.app->add_option("--" + name);
        cli->description(std::string(option.help))
            ->type_name(std::string(option.value))
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast)
            ->group(roomGroup);
        sub.roomOptions.emplace_back(name, cli);
    }
    sub.app->add_flag("--json", json, "print the results as one JSON object");
    return sub;
}

const Subcommand* Selected(const std::vector<Subcommand>& subs) {
    for (const Subcommand& sub : subs) {
        if (sub.app->parsed()) {
            return &sub;
        }
    }
    return nullptr;
}

std::string_view CommandWord(const std::vector<Subcommand>& subs, const FindSubcommand& find,
                             const BatchSubcommand& batch) {
    const Subcommand* sub = Selected(subs);
    return sub ? sub->product->word : find.Parsed() ? "find" : batch.Parsed() ? "batch" : "";
}

// The subcommand's word ("selmon", "find") for the hint to its help; empty for the program.
int UsageError(std::ostream& err, const std::string& problem, std::string_view command) {
    const std::string help = command.empty() ? "lorvane-calc --help"
                                             : "lorvane-calc " + std::string(command) + " --help";
    err << "lorvane-calc: " << problem << " (try '" << help << "')\n";
    return 2;
}

std::string NeedsAValue(const std::string& option) {
    return "option " + option + " needs a value";
}

// CLI11 names the option first: "--dp: 1 required VALUE missing".
std::string MissingValue(const CLI::ArgumentMismatch& error) {
    const std::string what = error.what();
    const std::size_t colon = what.find(':');
    return colon == std::string::npos ? what : NeedsAValue(what.substr(0, colon));
}

std::string UnexpectedArgument(const std::string& argument, bool productGiven) {
    if (argument.starts_with('-')) {
        return "unknown option " + argument;
    }
    return productGiven ? "unexpected argument '" + argument + "'"
                        : "unknown product '" + argument + "'";
}

}  // namespace

bool IsAnOption(const std::string& value) {
    return value.starts_with("--") || value == "-h";
}

Parsed ParseArguments(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    CLI::App app{"Acoustics and flow of ventilation components.", "lorvane-calc"};
    app.set_version_flag("--version", "lorvane-calc " LORVANE_VERSION);
    app.allow_extras();
    app.require_subcommand(0, 1);
    app.footer("Run 'lorvane-calc PRODUCT --help' for the options of a product.");
    AddReferencePageOptions(app, out);  // --manual-page, --bash-completion: for the build

    Call call;
    app.add_flag("--json", call.json, "print the results as one JSON object");
    std::vector<Subcommand> subs;
    for (const Product& product : Catalogue()) {
        subs.push_back(AddSubcommand(app, product, call.json));
    }
    const FindSubcommand find(app, call.json);
    const BatchSubcommand batch(app, call.json);

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& success) {
        return app.exit(success, out, err);
    } catch (const CLI::ArgumentMismatch& mismatch) {
        return UsageError(err, MissingValue(mismatch), CommandWord(subs, find, batch));
    } catch (const CLI::ParseError& error) {
        return UsageError(err, error.what(), CommandWord(subs, find, batch));
    }
    if (batch.Parsed()) {
        const std::vector<std::string> extras = app.remaining(true);
        if (!extras.empty()) {
            return UsageError(err, UnexpectedArgument(extras.front(), true), "batch");
        }
        return batch.Call(call.json);
    }
    if (find.Parsed()) {
        const std::string taken = find.OptionTakenAsValue();
        if (!taken.empty()) {
            return UsageError(err, NeedsAValue(taken), "find");
        }
        const std::string missing = find.MissingOption();
        if (!missing.empty()) {
            return UsageError(err, missing + " is required", "find");
        }
        const std::vector<std::string> extras = app.remaining(true);
        if (!extras.empty()) {
            return UsageError(err, UnexpectedArgument(extras.front(), true), "find");
        }
        return find.Call(call.json);
    }

    const Subcommand* sub = Selected(subs);
    if (sub) {
        // Checked first: an option that took the next option as its value leaves that one's
        // value as a stray argument.
        for (const auto& [option, cli] : sub->options) {
            for (const std::string& value : cli->results()) {
                if (!option->IsFlag() && IsAnOption(value)) {
                    return UsageError(err, NeedsAValue("--" + option->name), sub->product->word);
                }
            }
        }
        for (const auto& [name, cli] : sub->roomOptions) {
            for (const std::string& value : cli->results()) {
                if (IsAnOption(value)) {
                    return UsageError(err, NeedsAValue("--" + name), sub->product->word);
                }
            }
        }
    }
    const std::vector<std::string> extras = app.remaining(true);
    if (!extras.empty()) {
        return UsageError(err, UnexpectedArgument(extras.front(), sub != nullptr),
                          sub ? sub->product->word : "");
    }
    if (!sub) {
        return UsageError(err, "no product given", "");
    }
    call.product = sub->product;
    for (const auto& [option, cli] : sub->options) {
        if (cli->count() == 0) {
            continue;
        }
        if (option->IsFlag()) {
            call.flags.insert(option->name);
        } else {
            call.given[option->name] = cli->as<std::string>();
        }
    }
    for (const auto& [name, cli] : sub->roomOptions) {
        if (cli->count() != 0) {
            call.given[name] = cli->as<std::string>();
        }
    }
    return call;
}

}  // namespace lorvane::cli
