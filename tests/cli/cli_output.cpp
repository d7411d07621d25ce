#include "tests/cli/cli_output.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/number_text.h"

namespace lorvane::cli::test {

Json JsonOf(const CalcRun& run, int status) {
    EXPECT_EQ(run.status, status) << run.err;
    if (status == 0) {
        EXPECT_EQ(run.err, "");
    }
    return Json::parse(run.out);
}

Json RunJson(const std::vector<std::string>& arguments, int status) {
    return JsonOf(RunCalc(arguments), status);
}

std::vector<std::string> Keys(const Json& object) {
    std::vector<std::string> keys;
    for (const auto& [key, value] : object.items()) {
        keys.push_back(key);
    }
    return keys;
}

std::vector<double> Rounded(const Json& levels) {
    std::vector<double> rounded;
    for (const Json& level : levels) {
        rounded.push_back(RoundWhole(level.get<double>()));
    }
    return rounded;
}

std::vector<std::string> FieldsOf(const std::string& text, const std::string& label) {
    for (const std::string& line : Lines(text)) {
        const std::size_t at = line.find(label);
        if (at == std::string::npos) {
            continue;
        }
        std::vector<std::string> words;
        std::istringstream rest(line.substr(at + label.size()));
        for (std::string word; rest >> word;) {
            words.push_back(word);
        }
        return words;
    }
    ADD_FAILURE() << "no line with \"" << label << "\" in\n" << text;
    return {};
}

}  // namespace lorvane::cli::test
