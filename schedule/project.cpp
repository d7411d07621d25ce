#include "schedule/project.h"

#include <algorithm>
#include <set>

#include "schedule/call.h"
#include "schedule/csv.h"

namespace lorvane::schedule {
namespace {

constexpr std::string_view kFormat = "lorvane-project";

std::string Damaged(const std::string& why) {
    return "The file is not a readable Lorvane project (" + why + ").";
}

Position PositionOf(const nlohmann::json& entry) {
    Position position;
    position.tag = entry.value("tag", std::string());
    position.product = entry.at("product").get<std::string>();
    if (entry.contains("inputs")) {
        for (const auto& [name, text] : entry.at("inputs").items()) {
            position.inputs[name] = text.get<std::string>();
        }
    }
    return position;
}

}  // namespace

std::string ProjectFileText(const Project& project) {
    Json positions = Json::array();
    for (const Position& position : project.positions) {
        Json inputs = Json::object();
        for (const auto& [name, text] : position.inputs) {
            inputs[name] = text;
        }
        positions.push_back(
            Json{{"tag", position.tag}, {"product", position.product}, {"inputs", inputs}});
    }
    const Json file{
        {"format", kFormat}, {"version", kProjectFileVersion}, {"positions", std::move(positions)}};
    return JsonText(file, 2) + '\n';
}

std::variant<Project, std::string> ReadProjectFile(std::string_view text) {
    const nlohmann::json file = nlohmann::json::parse(text, nullptr, false);
    if (file.is_discarded()) {
        return Damaged("it is not complete JSON");
    }
    const auto format = file.is_object() ? file.find("format") : file.end();
    if (format == file.end() || !format->is_string() || *format != kFormat) {
        return Damaged("it does not say it is one");
    }
    const auto version = file.find("version");
    if (version == file.end() || !version->is_number_integer()) {
        return Damaged("it has no version");
    }
    if (version->get<long long>() > kProjectFileVersion) {
        return "The project was saved by a newer version of Lorvane (file version " +
               std::to_string(version->get<long long>()) + "); this version reads version " +
               std::to_string(kProjectFileVersion) + " and older.";
    }
    Project project;
    try {
        for (const nlohmann::json& entry : file.at("positions")) {
            project.positions.push_back(PositionOf(entry));
        }
    } catch (const nlohmann::json::exception&) {
        return Damaged("its positions are not as a project keeps them");
    }
    return project;
}

PositionResult CalculatePosition(const Position& position) {
    std::variant<Call, std::string> call = CallOfCells(position.product, position.inputs);
    if (std::string* problem = std::get_if<std::string>(&call)) {
        return {PositionStatus::Invalid, std::move(*problem), std::nullopt};
    }
    PositionResult result;
    result.record = EvaluateCall(std::get<Call>(call)).record;
    const auto& refusal = result.record->Refused();
    result.status = refusal ? PositionStatus::Refused : PositionStatus::Ok;
    result.message = refusal ? refusal->message : std::string();
    return result;
}

const char* StatusWord(PositionStatus status) {
    switch (status) {
        case PositionStatus::Ok:
            return "ok";
        case PositionStatus::Refused:
            return "refused";
        case PositionStatus::Invalid:
            break;
    }
    return "invalid";
}

std::string ScheduleCsv(const std::vector<Position>& positions) {
    std::vector<std::string> options;
    for (const Position& position : positions) {
        for (const auto& [name, text] : position.inputs) {
            if (std::find(options.begin(), options.end(), name) == options.end()) {
                options.push_back(name);
            }
        }
    }
    std::string text = "tag,product";
    for (const std::string& name : options) {
        text += ',';
        AppendCsvField(text, name, ',');
    }
    text += '\n';
    for (const Position& position : positions) {
        AppendCsvField(text, position.tag, ',');
        text += ',';
        AppendCsvField(text, position.product, ',');
        for (const std::string& name : options) {
            text += ',';
            const auto input = position.inputs.find(name);
            AppendCsvField(text, input == position.inputs.end() ? "" : input->second, ',');
        }
        text += '\n';
    }
    return text;
}

std::variant<std::vector<Position>, std::string> ReadScheduleCsv(std::istream& in) {
    CsvReader reader(in);
    std::vector<std::string> header;
    if (!reader.Next(header)) {
        return std::string(
            "The file is empty: a schedule needs a header row with a product "
            "column.");
    }
    for (std::string& name : header) {
        name = ColumnKey(name);
    }
    const auto column = [&](std::string_view name) {
        return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) -
                                        header.begin());
    };
    const std::size_t product = column("product");
    const std::size_t tag = column("tag");
    if (product == header.size()) {
        return std::string("The header row of the file has no product column.");
    }
    std::vector<Position> positions;
    std::vector<std::string> fields;
    while (reader.Next(fields)) {
        if (std::all_of(fields.begin(), fields.end(), [](const auto& f) { return f.empty(); })) {
            continue;
        }
        fields.resize(std::max(fields.size(), header.size()));
        Position position;
        position.product = fields[product];
        position.tag = tag < header.size() ? fields[tag] : std::string();
        for (std::size_t i = 0; i < header.size(); ++i) {
            if (!fields[i].empty() && IsOptionName(header[i])) {
                position.inputs[header[i]] = fields[i];
            }
        }
        positions.push_back(std::move(position));
    }
    return positions;
}

}  // namespace lorvane::schedule
