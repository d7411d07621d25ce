#include "tests/cli/calc_process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <sstream>
#include <stdexcept>

#include "cli/command_line.h"

extern char** environ;

namespace lorvane::cli::test {
namespace {

class Pipe {
  public:
    Pipe() {
        if (pipe2(ends_.data(), O_CLOEXEC) != 0) {
            throw std::runtime_error("pipe2 failed");
        }
    }
    ~Pipe() {
        CloseRead();
        CloseWrite();
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    int ReadEnd() const { return ends_[0]; }
    int WriteEnd() const { return ends_[1]; }
    void CloseRead() { Close(ends_[0]); }
    void CloseWrite() { Close(ends_[1]); }

  private:
    static void Close(int& fd) {
        if (fd >= 0) {
            close(fd);
            fd = -1;
        }
    }
    std::array<int, 2> ends_{-1, -1};
};

std::vector<std::string> Environment(const std::vector<std::string>& overrides) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('=') + 1);
        bool replaced = false;
        for (const std::string& override : overrides) {
            replaced = replaced || override.starts_with(name);
        }
        if (!replaced) {
            entries.push_back(text);
        }
    }
    entries.insert(entries.end(), overrides.begin(), overrides.end());
    return entries;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

// Reads both pipes until the program has closed them, so that neither can fill up.
void Drain(Pipe& outPipe, Pipe& errPipe, CalcRun& run) {
    std::array<pollfd, 2> fds{{{outPipe.ReadEnd(), POLLIN, 0}, {errPipe.ReadEnd(), POLLIN, 0}}};
    std::array<std::string*, 2> sinks{&run.out, &run.err};
    int open = 2;
    while (open > 0) {
        if (poll(fds.data(), fds.size(), -1) < 0) {
            throw std::runtime_error("poll failed");
        }
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) {
                continue;
            }
            std::array<char, 4096> buffer;
            const ssize_t count = read(fds[i].fd, buffer.data(), buffer.size());
            if (count > 0) {
                sinks[i]->append(buffer.data(), static_cast<std::size_t>(count));
            } else {
                fds[i].fd = -1;
                --open;
            }
        }
    }
}

}  // namespace

namespace {

CalcRun Spawn(const std::vector<std::string>& arguments,
              const std::vector<std::string>& environment, const char* outputFile) {
    std::vector<std::string> argv{LORVANE_CALC};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<std::string> envp = Environment(environment);
    std::vector<char*> argPointers = Pointers(argv);
    std::vector<char*> envPointers = Pointers(envp);

    Pipe outPipe;
    Pipe errPipe;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    if (outputFile != nullptr) {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputFile, O_WRONLY, 0);
    } else {
        posix_spawn_file_actions_adddup2(&actions, outPipe.WriteEnd(), STDOUT_FILENO);
    }
    posix_spawn_file_actions_adddup2(&actions, errPipe.WriteEnd(), STDERR_FILENO);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0].c_str(), &actions, nullptr, argPointers.data(),
                                    envPointers.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        throw std::runtime_error("cannot start " + argv[0]);
    }
    outPipe.CloseWrite();
    errPipe.CloseWrite();

    CalcRun run;
    Drain(outPipe, errPipe, run);
    int status = 0;
    waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace

CalcRun RunCalc(const std::vector<std::string>& arguments) {
    std::vector<const char*> argv{"lorvane-calc"};
    for (const std::string& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    argv.push_back(nullptr);
    std::ostringstream out;
    std::ostringstream err;
    CalcRun run;
    run.status = RunCommandLine(static_cast<int>(arguments.size() + 1), argv.data(), out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

CalcRun RunCalcProcess(const std::vector<std::string>& arguments,
                       const std::vector<std::string>& environment) {
    return Spawn(arguments, environment, nullptr);
}

CalcRun RunCalcWritingTo(const char* outputFile, const std::vector<std::string>& arguments) {
    return Spawn(arguments, {}, outputFile);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace lorvane::cli::test
