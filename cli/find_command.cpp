#include "cli/find_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cmath>

#include "cli/arguments.h"
#include "finder/candidate_columns.h"
#include "finder/candidate_text.h"
#include "schedule/record_json.h"
#include "schedule/room_call.h"

namespace lorvane::cli {

using schedule::Json;
namespace {

using finder::Candidate;

// A number, or null for one that is not finite.
Json NumberJson(double value) {
    return std::isfinite(value) ? Json(value) : Json(nullptr);
}

// The values used, by option name: null for an option not given or not holding a number; the
// room's options as typed, where given.
Json InputsJson(const finder::DutyPointReading& reading, const finder::FinderTexts& texts) {
    Json inputs = Json::object();
    for (const finder::FinderInput& input : finder::FinderInputs) {
        const auto value = reading.values.find(input.name);
        inputs[std::string(input.name)] =
            value == reading.values.end() ? Json(nullptr) : NumberJson(value->second);
    }
    for (const schedule::RoomOption& room : schedule::RoomOptions()) {
        if (const auto text = texts.find(room.name); text != texts.end()) {
            inputs[std::string(room.name)] = text->second;
        }
    }
    return inputs;
}

// A table of text cells: the first row is the heading; columns of numbers are aligned right.
std::string Table(const std::vector<std::vector<std::string>>& rows,
                  const std::vector<bool>& alignRight) {
    std::vector<std::size_t> widths(alignRight.size(), 0);
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            widths[i] = std::max(widths[i], row[i].size());
        }
    }
    std::string text;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            const std::string padding(widths[i] - row[i].size(), ' ');
            line += (i == 0 ? "" : "  ") + (alignRight[i] ? padding + row[i] : row[i] + padding);
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + '\n';
    }
    return text;
}

void PrintText(const finder::DutyPoint& duty, const finder::DutyPointReading& reading,
               const std::vector<Candidate>& candidates, std::ostream& out) {
    for (const finder::FinderInput& input : finder::FinderInputs) {
        const auto value = reading.values.find(input.name);
        if (value != reading.values.end()) {
            out << input.label << ' ' << finder::ExactText(value->second) << '\n';
        }
    }
    out << '\n';
    if (candidates.empty()) {
        out << finder::NothingFits(duty) << '\n';
        return;
    }
    std::vector<std::vector<std::string>> rows(1);
    std::vector<bool> alignRight;
    for (const finder::CandidateColumn& column : finder::CandidateColumns()) {
        if (finder::Shows(column, duty)) {
            rows.front().push_back(finder::Heading(column));
            alignRight.push_back(column.numbers);
        }
    }
    for (const Candidate& candidate : candidates) {
        std::vector<std::string>& cells = rows.emplace_back();
        for (const finder::CandidateColumn& column : finder::CandidateColumns()) {
            if (finder::Shows(column, duty)) {
                cells.push_back(column.cell(candidate));
            }
        }
    }
    out << Table(rows, alignRight);
    const std::vector<std::string> notes = finder::TableNotes(candidates);
    if (!notes.empty()) {
        out << '\n';
    }
    for (const std::string& note : notes) {
        out << note << '\n';
    }
}

}  // namespace

FindSubcommand::FindSubcommand(CLI::App& app, bool& json)
    : app_(app.add_subcommand("find", "which controller, in which size, serves a duty point")) {
    app_->group("Commands");
    app_->allow_extras();
    app_->footer("");
    for (const finder::FinderInput& input : finder::FinderInputs) {
        // Every value is taken as text and read as the forms read a field.
        CLI::Option* option = app_->add_option("--" + std::string(input.name));
        // A missing required option is told after the parse, once an option that took the
        // next option as its value has been told as such.
        option->description(std::string(input.help) + (input.required ? " (required)" : ""))
            ->type_name("VALUE")
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
        options_.emplace_back(std::string(input.name), option);
    }
    for (const schedule::RoomOption& room : schedule::RoomOptions()) {
        CLI::Option* option = app_->add_option("--" + std::string(room.name));
        option->description(std::string(room.help))
            ->type_name(std::string(room.value))
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast)
            ->group("Room");
        options_.emplace_back(std::string(room.name), option);
    }
    app_->add_flag("--json", json, "print the candidates as one JSON object");
}

bool FindSubcommand::Parsed() const {
    return app_->parsed();
}

std::string FindSubcommand::OptionTakenAsValue() const {
    for (const auto& [name, option] : options_) {
        for (const std::string& value : option->results()) {
            if (IsAnOption(value)) {
                return "--" + name;
            }
        }
    }
    return {};
}

std::string FindSubcommand::MissingOption() const {
    for (const finder::FinderInput& input : finder::FinderInputs) {
        const auto option = std::find_if(options_.begin(), options_.end(),
                                         [&](const auto& o) { return o.first == input.name; });
        if (input.required && option->second->count() == 0) {
            return "--" + option->first;
        }
    }
    return {};
}

FindCall FindSubcommand::Call(bool json) const {
    FindCall call{.json = json};
    for (const auto& [name, option] : options_) {
        if (option->count() > 0) {
            call.given[name] = option->as<std::string>();
        }
    }
    return call;
}

int RunFind(const FindCall& call, std::ostream& out, std::ostream& err) {
    finder::FinderTexts texts(call.given.begin(), call.given.end());
    const finder::DutyPointReading reading = finder::ReadDutyPoint(texts);
    if (reading.refusal) {
        if (call.json) {
            const Json object{{"product", "find"},
                              {"inputs", InputsJson(reading, texts)},
                              {"error", reading.refusal->message}};
            out << schedule::JsonText(object) << '\n';
        }
        err << reading.refusal->message << '\n';
        return 1;
    }
    const std::vector<Candidate> candidates = finder::FindCandidates(*reading.dutyPoint);
    if (call.json) {
        Json list = Json::array();
        for (const Candidate& candidate : candidates) {
            list.push_back(finder::CandidateJson(candidate));
        }
        const Json object{{"product", "find"},
                          {"inputs", InputsJson(reading, texts)},
                          {"candidates", std::move(list)}};
        out << schedule::JsonText(object) << '\n';
    } else {
        PrintText(*reading.dutyPoint, reading, candidates, out);
    }
    return 0;
}

}  // namespace lorvane::cli
