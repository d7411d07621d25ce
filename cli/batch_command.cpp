#include "cli/batch_command.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "products/catalogue.h"
#include "schedule/batch.h"

namespace lorvane::cli {
namespace {

// Exit statuses of a run.
constexpr int kAllCalculated = 0;
constexpr int kSomeNotCalculated = 1;
constexpr int kCannotRead = 2;
constexpr int kCannotWrite = 3;

std::string Reason() {
    return errno != 0 ? std::string(": ") + std::strerror(errno) : std::string();
}

// Shows rows done and the share of the file read on a terminal, once a run has taken a second.
class ProgressLine {
  public:
    ProgressLine(std::ostream& err, std::uintmax_t size)
        : err_(err), size_(size), shown_(isatty(STDERR_FILENO) == 1) {}
    ~ProgressLine() {
        if (printed_) {
            err_ << '\n';
        }
    }

    void operator()(std::uint64_t rows, std::uint64_t bytes) {
        if (!shown_ || std::chrono::steady_clock::now() - start_ < std::chrono::seconds(1)) {
            return;
        }
        printed_ = true;
        err_ << "\rlorvane-calc: " << rows << " rows";
        if (size_ > 0) {
            err_ << ", " << (100 * bytes / size_) << " %";
        }
        err_ << std::flush;
    }

  private:
    std::ostream& err_;
    std::uintmax_t size_;
    bool shown_;
    bool printed_ = false;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// The columns a schedule may have, product by product, as the help lists them.
std::string ColumnHelp() {
    std::string help =
        "Columns (names in any case): product, then the options of that product; an empty cell\n"
        "takes the option's start value, a flag is yes or no, and other columns pass through.";
    for (const Product& product : Catalogue()) {
        help += "\n  " + std::string(product.word) + ":";
        for (const forms::Option& option : product.spec().options) {
            help += " " + option.name;
            if (option.IsFlag()) {
                help += " (yes|no)";
            } else if (!option.choices.empty()) {
                help += " (" + option.ChoiceWords() + ")";
            }
        }
    }
    return help;
}

}  // namespace

BatchSubcommand::BatchSubcommand(CLI::App& app, bool& json)
    : app_(app.add_subcommand("batch", "calculates every row of a CSV schedule")) {
    app_->group("Commands");
    app_->footer(ColumnHelp());
    app_->add_option("IN", input_,
                     "the schedule: a CSV file with a header row and a product "
                     "column")
        ->required()
        ->type_name("IN.csv");
    app_->add_option("-o,--output", output_,
                     "write the results to this file, not to standard "
                     "output")
        ->type_name("OUT");
    app_->add_flag("--json", json, "write one JSON object per row (JSON Lines)");
}

bool BatchSubcommand::Parsed() const {
    return app_->parsed();
}

BatchCall BatchSubcommand::Call(bool json) const {
    return BatchCall{input_, output_, json};
}

int RunBatch(const BatchCall& call, std::ostream& out, std::ostream& err) {
    std::vector<const Product*> products;
    {
        errno = 0;
        std::ifstream scan(call.input, std::ios::binary);
        if (!scan || std::filesystem::is_directory(call.input)) {
            err << "lorvane-calc: cannot read " << call.input << Reason() << '\n';
            return kCannotRead;
        }
        products = schedule::ProductsIn(scan);
    }
    std::ifstream in(call.input, std::ios::binary);
    std::ofstream file;
    if (!call.output.empty()) {
        errno = 0;
        file.open(call.output, std::ios::binary | std::ios::trunc);
        if (!file) {
            err << "lorvane-calc: cannot write " << call.output << Reason() << '\n';
            return kCannotWrite;
        }
    }
    std::ostream& results = call.output.empty() ? out : file;
    std::error_code unknown;
    const std::uintmax_t size = std::filesystem::file_size(call.input, unknown);
    ProgressLine progress(err, unknown ? 0 : size);
    const auto run = schedule::RunBatch(
        in, results, call.json ? schedule::BatchFormat::JsonLines : schedule::BatchFormat::Csv,
        products, std::ref(progress));
    if (const std::string* problem = std::get_if<std::string>(&run)) {
        err << "lorvane-calc: " << call.input << ": " << *problem << '\n';
        return kCannotRead;
    }
    if (!call.output.empty()) {
        errno = 0;
        file.close();
        if (!file) {
            err << "lorvane-calc: cannot write " << call.output << Reason() << '\n';
            return kCannotWrite;
        }
    }
    const schedule::BatchCount& count = std::get<schedule::BatchCount>(run);
    if (count.refused + count.invalid == 0) {
        return kAllCalculated;
    }
    err << "lorvane-calc: " << count.refused << " refused and " << count.invalid << " invalid of "
        << (count.ok + count.refused + count.invalid) << " rows\n";
    return kSomeNotCalculated;
}

}  // namespace lorvane::cli
