#pragma once
// Shared pieces of the window benchmarks: a private home, timing, and running a shell tool.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace windowbench {

// Moves $HOME and the XDG folders into a temporary directory for the benchmark's lifetime.
class PrivateHome {
  public:
    PrivateHome() {
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
            qputenv(name, (dir_.path() + '/' + name).toUtf8());
        }
    }
    std::string Path(const std::string& relative) const {
        return dir_.path().toStdString() + '/' + relative;
    }
    // Path() of a directory that is created first.
    std::string Directory(const std::string& relative) const {
        std::filesystem::create_directories(Path(relative));
        return Path(relative);
    }

  private:
    QTemporaryDir dir_;
};

template <typename Work>
double Seconds(Work work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Runs a command with its output discarded; false when it could not run or failed.
inline bool Run(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return false;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The numeric command-line argument at `index`, or `fallback` when it is not given.
inline long Arg(int argc, char** argv, int index, long fallback) {
    return argc > index ? std::atol(argv[index]) : fallback;
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace windowbench
