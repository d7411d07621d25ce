#include "cli/arguments.h"

#include <CLI/CLI.hpp>
#include <utility>

namespace lorvane::cli {
namespace {

// A product's subcommand and its options as CLI11 knows them.
struct Subcommand {
    const Command* command;
    CLI::App* app;
    std::vector<std::pair<const Option*, CLI::Option*>> options;
};

std::string OptionHelp(const Option& option, const std::string& startText) {
    return startText.empty() ? option.help : option.help + " (default " + startText + ")";
}

Subcommand AddSubcommand(CLI::App& app, const Command& command, bool& json) {
    Subcommand sub{&command, app.add_subcommand(command.product, command.help), {}};
    sub.app->group("Products");
    sub.app->allow_extras();
    sub.app->footer("");  // the hint to product help is for the top-level help only
    const OptionTexts start = StartTexts(command);
    for (const Option& option : command.options) {
        // Every value is taken as text, so the product reads it as its form reads a field; a
        // value starting with '-' is taken too ("--dp -1").
        CLI::Option* cli = sub.app->add_option("--" + option.name);
        cli->description(OptionHelp(option, start.at(option.name)))
            ->type_name("VALUE")
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
        sub.options.emplace_back(&option, cli);
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

int UsageError(std::ostream& err, const std::string& problem, const Subcommand* sub) {
    const std::string help =
        sub ? "lorvane-calc " + sub->command->product + " --help" : "lorvane-calc --help";
    err << "lorvane-calc: " << problem << " (try '" << help << "')\n";
    return 2;
}

// CLI11 names the option first: "--dp: 1 required VALUE missing".
std::string MissingValue(const CLI::ArgumentMismatch& error) {
    const std::string what = error.what();
    const std::size_t colon = what.find(':');
    return colon == std::string::npos ? what : "option " + what.substr(0, colon) + " needs a value";
}

std::string UnexpectedArgument(const std::string& argument, bool productGiven) {
    if (argument.starts_with('-')) {
        return "unknown option " + argument;
    }
    return productGiven ? "unexpected argument '" + argument + "'"
                        : "unknown product '" + argument + "'";
}

}  // namespace

Parsed ParseArguments(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    CLI::App app{"Acoustics and flow of ventilation components.", "lorvane-calc"};
    app.set_version_flag("--version", "lorvane-calc " LORVANE_VERSION);
    app.allow_extras();
    app.require_subcommand(0, 1);
    app.footer("Run 'lorvane-calc PRODUCT --help' for the options of a product.");

    Call call;
    app.add_flag("--json", call.json, "print the results as one JSON object");
    std::vector<Subcommand> subs;
    for (const Command& command : Commands()) {
        subs.push_back(AddSubcommand(app, command, call.json));
    }

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& success) {
        return app.exit(success, out, err);
    } catch (const CLI::ArgumentMismatch& mismatch) {
        return UsageError(err, MissingValue(mismatch), Selected(subs));
    } catch (const CLI::ParseError& error) {
        return UsageError(err, error.what(), Selected(subs));
    }

    const Subcommand* sub = Selected(subs);
    const std::vector<std::string> extras = app.remaining(true);
    if (!extras.empty()) {
        return UsageError(err, UnexpectedArgument(extras.front(), sub != nullptr), sub);
    }
    if (!sub) {
        return UsageError(err, "no product given", nullptr);
    }
    call.command = sub->command;
    for (const auto& [option, cli] : sub->options) {
        if (cli->count() > 0) {
            call.given[option->name] = cli->as<std::string>();
        }
    }
    return call;
}

}  // namespace lorvane::cli
