// The bash completion and the manual page that lorvane-calc prints for its installation: every
// product of the catalogue is in both, with its options, without either being written by hand.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "products/catalogue.h"
#include "schedule/room_call.h"
#include "tests/cli/calc_process.h"

namespace lorvane::cli::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::UnorderedElementsAreArray;

// What a shell command prints on its standard output; its exit status must be 0.
std::string Output(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        ADD_FAILURE() << "cannot run " << command;
        return out;
    }
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        out.append(buffer, n);
    }
    EXPECT_EQ(pclose(pipe), 0) << command << '\n' << out;
    return out;
}

// What lorvane-calc prints with an option, in a file that lives as long as the object.
class PrintedFile {
  public:
    explicit PrintedFile(const std::string& option) {
        const CalcRun run = RunCalc({option});
        EXPECT_EQ(run.status, 0) << run.err;
        char name[] = "/tmp/lorvane-page-XXXXXX";
        const int fd = mkstemp(name);
        EXPECT_GE(fd, 0);
        close(fd);
        path_ = name;
        std::ofstream(path_) << run.out;
    }
    ~PrintedFile() { std::remove(path_.c_str()); }
    PrintedFile(const PrintedFile&) = delete;
    PrintedFile& operator=(const PrintedFile&) = delete;

    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

// The completion lorvane-calc prints, as bash reads it.
class Completion {
  public:
    // What bash offers when Tab is pressed after the words; the last word is the one being
    // typed (empty right after a blank). The function is the one `complete` registered for
    // lorvane-calc, called as bash calls it.
    std::vector<std::string> Offers(const std::vector<std::string>& words) const {
        std::string command =
            "bash --norc --noprofile -c '" + std::string(kDriver) + "' bash '" + file_.Path() + "'";
        for (const std::string& word : words) {
            command += " '" + word + "'";
        }
        const std::string out = Output(command);
        return Lines(out);
    }

  private:
    static constexpr const char* kDriver =
        "source \"$1\"; shift;"
        "spec=$(complete -p lorvane-calc) || exit 1;"
        "function=${spec#*-F }; function=${function%% *};"
        "COMP_WORDS=(lorvane-calc \"$@\"); COMP_CWORD=$#;"
        "COMP_LINE=\"${COMP_WORDS[*]}\"; COMP_POINT=${#COMP_LINE};"
        "\"$function\" lorvane-calc \"${COMP_WORDS[COMP_CWORD]}\" "
        "\"${COMP_WORDS[COMP_CWORD - 1]}\";"
        "printf \"%s\\n\" \"${COMPREPLY[@]}\" | grep -v \"^$\" || true";

    PrintedFile file_{"--bash-completion"};
};

std::vector<std::string> OfferedWords(const std::vector<std::string>& offers) {
    std::vector<std::string> words;
    for (const std::string& offer : offers) {
        if (!offer.starts_with('-')) {
            words.push_back(offer);
        }
    }
    return words;
}

TEST(Completion, OffersEveryProductAfterTheProgram) {
    std::vector<std::string> products;
    for (const Product& product : Catalogue()) {
        products.emplace_back(product.word);
    }
    const Completion completion;
    const std::vector<std::string> offers = completion.Offers({""});
    EXPECT_THAT(offers, ::testing::IsSupersetOf({"--help", "--version", "--json"}));
    // The products, and the commands beside them.
    EXPECT_THAT(OfferedWords(offers), ::testing::IsSupersetOf(products));
    EXPECT_THAT(offers, ::testing::Contains("find"));
    EXPECT_THAT(completion.Offers({"da"}), ElementsAre("daxel", "damper"));
}

TEST(Completion, OffersEachProductsOptions) {
    const Completion completion;
    for (const Product& product : Catalogue()) {
        std::vector<std::string> options{"--json", "--help"};
        for (const forms::Option& option : product.spec().options) {
            options.push_back("--" + option.name);
        }
        if (product.room.SendsSound()) {
            for (const schedule::RoomOption& option : schedule::RoomOptions()) {
                options.push_back("--" + std::string(option.name));
            }
        }
        EXPECT_THAT(completion.Offers({std::string(product.word), "--"}),
                    UnorderedElementsAreArray(options))
            << product.word;
    }
}

struct Typed {
    std::string name;
    std::vector<std::string> words;
    std::vector<std::string> offers;
};

void PrintTo(const Typed& typed, std::ostream* out) {
    *out << typed.name;
}

class CompletionAfter : public ::testing::TestWithParam<Typed> {};

TEST_P(CompletionAfter, OffersWhatFits) {
    const Completion completion;
    EXPECT_EQ(completion.Offers(GetParam().words), GetParam().offers);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Words, CompletionAfter, ::testing::Values(
    Typed{"SelmonOptionsByPrefix",  {"selmon", "--d"},                      {"--diameter", "--dp", "--distance", "--directivity"}},
    Typed{"AfterTheProgramsJson",   {"--json", "selmon", "--d"},            {"--diameter", "--dp", "--distance", "--directivity"}},
    Typed{"RoomModelWords",         {"basko", "--room-model", ""},          {"diffuse", "schultz"}},
    Typed{"NoRoomForALouvre",       {"louvre", "--ro"},                     {}},
    Typed{"AfterValuesTyped",       {"selmon", "--dp", "250", "--t"},       {"--target"}},
    Typed{"NoWordForANumber",       {"selmon", "--dp", ""},                 {}},
    Typed{"ListWords",              {"damper", "--linkage", ""},            {"opposite", "same"}},
    Typed{"ListWordByPrefix",       {"damper", "--sealing", "h"},           {"hollow-profile"}},
    Typed{"ListWordAfterEquals",    {"damper", "--sealing", "=", "a"},      {"airtight"}},
    Typed{"LouvreSites",            {"louvre", "--site", ""},               {"A", "B", "C", "D"}},
    Typed{"FindOptions",            {"find", "--max-"},                     {"--max-width", "--max-height", "--max-diameter"}},
    Typed{"FindNumber",             {"find", "--flow", ""},                 {}},
    Typed{"BaskoFlag",              {"basko", "--k"},                       {"--keep-flow"}},
    Typed{"UnknownProduct",         {"fan", "--"},                          {}}),
    [](const auto& param) { return param.param.name; });
// clang-format on

// The page as man shows it: every product in a section of its own with its help line and
// options, the exit statuses and examples; groff has nothing to warn about.
TEST(ManualPage, ShowsEveryProductWithItsOptionsAndTheExitStatuses) {
    const PrintedFile page("--manual-page");
    EXPECT_EQ(Output("MANWIDTH=200 man --warnings -l " + page.Path() + " 2>&1 >/dev/null"), "");
    const std::string shown = Output("MANWIDTH=200 man -l " + page.Path());
    // The synopsis: the products' call, then each command's own.
    const std::string synopsis = shown.substr(0, shown.find("\nDESCRIPTION\n"));
    EXPECT_THAT(synopsis, HasSubstr("lorvane-calc PRODUCT [OPTIONS] [--json]"));
    EXPECT_THAT(synopsis, HasSubstr("lorvane-calc find [--flow VALUE]"));
    EXPECT_THAT(synopsis, HasSubstr("lorvane-calc batch IN [-o|--output OUT] [--json]"));
    for (const Product& product : Catalogue()) {
        const std::string heading = "\n   " + std::string(product.word) + "\n";
        const std::size_t start = shown.find(heading);
        ASSERT_NE(start, std::string::npos) << product.word;
        // The next heading of a section is indented by three blanks, its text by seven.
        std::size_t next = start + 1;
        do {
            next = shown.find("\n   ", next + 1);
        } while (next != std::string::npos && shown[next + 4] == ' ');
        const std::size_t end = std::min(next, shown.find("\nOUTPUT\n"));
        const std::string section = shown.substr(start, end - start);
        EXPECT_THAT(section, HasSubstr(std::string(product.help))) << product.word;
        for (const forms::Option& option : product.spec().options) {
            EXPECT_THAT(section, HasSubstr("--" + option.name)) << product.word;
        }
    }
    EXPECT_THAT(shown, HasSubstr("--linkage opposite|same"));
    for (const char* status : {"\n       0 ", "\n       1 ", "\n       2 ", "\n       3 "}) {
        EXPECT_THAT(shown, HasSubstr(status));
    }
    EXPECT_THAT(shown, HasSubstr("lorvane-calc selmon --diameter 250 --flow 1000 --dp 250"));
    // A command beside the products, with its options.
    const std::size_t commands = shown.find("\nCOMMANDS\n");
    ASSERT_NE(commands, std::string::npos);
    const std::string find = shown.substr(commands, shown.find("\nOUTPUT\n") - commands);
    for (const char* option : {"--flow", "--dp", "--target", "--max-width", "--max-diameter"}) {
        EXPECT_THAT(find, HasSubstr(option));
    }
}

TEST(ReferencePages, AreNotOfferedInTheHelp) {
    const CalcRun help = RunCalc({"--help"});
    EXPECT_THAT(help.out, Not(HasSubstr("manual-page")));
    EXPECT_THAT(help.out, Not(HasSubstr("bash-completion")));
    EXPECT_THAT(RunCalc({"selmon", "--manual-page"}).status, 2);
}

}  // namespace
}  // namespace lorvane::cli::test
