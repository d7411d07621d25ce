#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fuzz/checks/form_session.h"
#include "fuzz/checks/number_checks.h"
#include "fuzz/checks/room_path_checks.h"
#include "fuzz/checks/schedule_checks.h"

namespace lorvane::fuzz {
namespace {

namespace fs = std::filesystem;

struct Target {
    const char* name;
    Findings (*check)(std::span<const std::uint8_t> bytes);
};

void PrintTo(const Target& target, std::ostream* out) {
    *out << target.name;
}

std::vector<std::uint8_t> Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every input kept for a target: its seeds, and the inputs of the findings it made.
std::vector<fs::path> Inputs(const std::string& target) {
    std::vector<fs::path> files;
    for (const char* folder : {"corpus", "regressions"}) {
        const fs::path path = fs::path(LORVANE_FUZZ_DIR) / folder / target;
        if (fs::is_directory(path)) {
            for (const fs::directory_entry& entry : fs::directory_iterator(path)) {
                files.push_back(entry.path());
            }
        }
    }
    return files;
}

class ReplayTest : public testing::TestWithParam<Target> {};

TEST_P(ReplayTest, EveryKeptInputPassesItsChecks) {
    const std::vector<fs::path> files = Inputs(GetParam().name);
    ASSERT_FALSE(files.empty());
    for (const fs::path& file : files) {
        const std::vector<std::uint8_t> bytes = Bytes(file);
        EXPECT_EQ(GetParam().check(bytes), Findings{}) << file;
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, ReplayTest,
                         testing::Values(Target{"number_text", &CheckNumberInput},
                                         Target{"product_forms", &RunFormSession},
                                         Target{"schedule_csv", &CheckScheduleInput},
                                         Target{"project_file", &CheckProjectInput},
                                         Target{"room_path", &CheckRoomPathInput}),
                         [](const auto& target) { return std::string(target.param.name); });

}  // namespace
}  // namespace lorvane::fuzz
