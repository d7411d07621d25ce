#include "fuzz/checks/schedule_checks.h"

#include <algorithm>
#include <sstream>
#include <string>

#include "schedule/batch.h"
#include "schedule/csv.h"
#include "schedule/project.h"
#include "schedule/record_json.h"

namespace lorvane::fuzz {
namespace {

std::string Text(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

std::variant<schedule::BatchCount, std::string> Run(const std::string& text,
                                                    schedule::BatchFormat format,
                                                    std::string& output) {
    std::istringstream scan(text);
    const std::vector<const Product*> products = schedule::ProductsIn(scan);
    std::istringstream in(text);
    std::ostringstream out;
    auto count = schedule::RunBatch(in, out, format, products);
    output = out.str();
    return count;
}

std::uint64_t Rows(const schedule::BatchCount& count) {
    return count.ok + count.refused + count.invalid;
}

void CheckCsvOutput(const std::string& output, const schedule::BatchCount& count,
                    Findings& findings) {
    std::istringstream in(output);
    schedule::CsvReader reader(in);
    std::vector<std::string> header;
    std::vector<std::string> fields;
    if (!reader.Next(header)) {
        findings.push_back("the results have no header row");
        return;
    }
    std::uint64_t rows = 0;
    while (reader.Next(fields)) {
        ++rows;
        if (fields.size() != header.size()) {
            findings.push_back("result row " + std::to_string(rows) + " has " +
                               std::to_string(fields.size()) + " fields, the header " +
                               std::to_string(header.size()));
            return;
        }
    }
    if (rows != Rows(count)) {
        findings.push_back(std::to_string(rows) + " result rows for " +
                           std::to_string(Rows(count)) + " rows counted");
    }
}

void CheckJsonOutput(const std::string& output, const schedule::BatchCount& count,
                     Findings& findings) {
    std::istringstream in(output);
    std::string line;
    std::uint64_t rows = 0;
    while (std::getline(in, line)) {
        ++rows;
        const nlohmann::json object = nlohmann::json::parse(line, nullptr, false);
        if (object.is_discarded() || !object.contains("status")) {
            findings.push_back("result line " + std::to_string(rows) +
                               " is no JSON object with a status: " + line);
            return;
        }
    }
    if (rows != Rows(count)) {
        findings.push_back(std::to_string(rows) + " JSON lines for " + std::to_string(Rows(count)) +
                           " rows counted");
    }
}

}  // namespace

Findings CheckScheduleInput(std::span<const std::uint8_t> bytes) {
    const std::string text = Text(bytes);
    Findings findings;
    std::string csv;
    std::string json;
    const auto asCsv = Run(text, schedule::BatchFormat::Csv, csv);
    const auto asJson = Run(text, schedule::BatchFormat::JsonLines, json);
    if (asCsv.index() != asJson.index()) {
        findings.push_back("the schedule is refused in one format only");
        return findings;
    }
    std::istringstream in(text);
    const auto imported = schedule::ReadScheduleCsv(in);
    if (const std::string* problem = std::get_if<std::string>(&asCsv)) {
        if (problem->empty()) {
            findings.push_back("a schedule is refused without a word");
        }
        if (!std::holds_alternative<std::string>(imported)) {
            findings.push_back("the import reads a schedule that batch refuses: " + *problem);
        }
        return findings;
    }
    const schedule::BatchCount& count = std::get<schedule::BatchCount>(asCsv);
    CheckCsvOutput(csv, count, findings);
    CheckJsonOutput(json, std::get<schedule::BatchCount>(asJson), findings);
    if (const auto* positions = std::get_if<std::vector<schedule::Position>>(&imported)) {
        if (positions->size() != Rows(count)) {
            findings.push_back("the import reads " + std::to_string(positions->size()) +
                               " positions of " + std::to_string(Rows(count)) + " rows");
        }
    } else {
        findings.push_back("the import refuses a schedule that batch reads");
    }
    return findings;
}

Findings CheckProjectInput(std::span<const std::uint8_t> bytes) {
    Findings findings;
    const auto read = schedule::ReadProjectFile(Text(bytes));
    if (const std::string* problem = std::get_if<std::string>(&read)) {
        if (problem->empty()) {
            findings.push_back("a project file is refused without a word");
        }
        return findings;
    }
    const schedule::Project& project = std::get<schedule::Project>(read);
    const auto again = schedule::ReadProjectFile(schedule::ProjectFileText(project));
    if (!std::holds_alternative<schedule::Project>(again) ||
        std::get<schedule::Project>(again) != project) {
        findings.push_back("a project written back does not read as the same project");
    }
    const std::size_t calculated = std::min<std::size_t>(project.positions.size(), 8);
    for (std::size_t i = 0; i < calculated; ++i) {
        const schedule::PositionResult result = schedule::CalculatePosition(project.positions[i]);
        const bool refused = result.record && result.record->Refused();
        const bool agrees =
            result.status == schedule::PositionStatus::Invalid
                ? !result.record && !result.message.empty()
                : result.record && refused == (result.status == schedule::PositionStatus::Refused);
        if (!agrees) {
            findings.push_back("position " + std::to_string(i + 1) + " has the status " +
                               schedule::StatusWord(result.status) +
                               " that its record does not bear out");
        }
    }
    return findings;
}

}  // namespace lorvane::fuzz
