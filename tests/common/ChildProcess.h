#pragma once
#ifdef _WIN32
#include "windows/WinIo.h"
#else
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

// A program run as a child process in `dir`, with stdin read from `in` and its output in
// dir/stdout.txt and dir/stderr.txt. It can be frozen as soon as it writes a file in a given
// directory, so that a signal lands mid-copy whatever the machine's speed. Tests and benchmarks
// both start their programs through it.
#ifdef _WIN32
// On Windows, where a program gets one command line and splits it itself: each argument
// is quoted as CommandLineToArgvW reads it back.
class ChildProcess {
  public:
    struct Result {
        bool exited = false;
        int status = -1;
        std::string out, err;
    };

    ChildProcess(std::vector<std::string> argv, std::string dir, const std::string& in = "NUL")
        : dir_(std::move(dir)) {
        std::wstring line;
        for (const std::string& arg : argv) line += (line.empty() ? L"" : L" ") + Quoted(Wide(arg));
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        auto open = [&](const std::string& path, DWORD access, DWORD disposition) {
            return CreateFileW(Wide(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               &inherit, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
        };
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = open(in, GENERIC_READ, OPEN_EXISTING);
        startup.hStdOutput = open(dir_ + "/stdout.txt", GENERIC_WRITE, CREATE_ALWAYS);
        startup.hStdError = open(dir_ + "/stderr.txt", GENERIC_WRITE, CREATE_ALWAYS);
        PROCESS_INFORMATION process{};
        if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                           Wide(dir_).c_str(), &startup, &process)) {
            CloseHandle(process.hThread);
            process_ = process.hProcess;
        }
        for (const HANDLE h : {startup.hStdInput, startup.hStdOutput, startup.hStdError})
            if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
    ~ChildProcess() {
        if (!process_) return;
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, INFINITE);  // its files are closed only then
        CloseHandle(process_);
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    Result Wait() {
        DWORD status = 127;  // could not be started, as a shell says
        if (process_) {
            WaitForSingleObject(process_, INFINITE);
            GetExitCodeProcess(process_, &status);
            CloseHandle(process_);
            process_ = nullptr;
        }
        return {true, static_cast<int>(status), Read("stdout.txt"), Read("stderr.txt")};
    }

  private:
    static std::wstring Wide(const std::string& utf8) { return platform::win::Wide(utf8); }
    // Backslashes double only before a quote, and before the closing one.
    static std::wstring Quoted(const std::wstring& arg) {
        std::wstring quoted = L"\"";
        std::size_t backslashes = 0;
        for (const wchar_t c : arg) {
            if (c == L'\\') {
                ++backslashes;
            } else {
                quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
                backslashes = 0;
            }
            if (c != L'\\') quoted += c;
        }
        quoted.append(2 * backslashes, L'\\');
        return quoted + L"\"";
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(std::filesystem::path(Wide(dir_ + "/" + name)), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::string dir_;
    HANDLE process_ = nullptr;
};
#else
class ChildProcess {
  public:
    struct Result {
        bool exited = false;
        int status = -1;  // exit status, or the signal that ended it
        std::string out, err;
        long peakKiB = 0;  // the child's peak resident memory
    };

    // `out` and `err` name where its output goes, relative to `dir` (an absolute path such as
    // /dev/null is taken as it is); Wait reads them back. An empty name leaves the stream the
    // parent's: reopening /dev/stderr fails where that is a socket.
    ChildProcess(std::vector<std::string> argv, std::string dir,
                 const std::string& in = "/dev/null", std::string out = "stdout.txt",
                 std::string err = "stderr.txt")
        : dir_(std::move(dir)), out_(std::move(out)), err_(std::move(err)) {
        std::vector<char*> args;
        for (std::string& arg : argv) args.push_back(arg.data());
        args.push_back(nullptr);
        // Spawned, not forked: a benchmark holding much memory would copy its page tables, and
        // the child's peak memory would count the parent's.
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addchdir_np(&actions, dir_.c_str());
        if (!in.empty()) posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
        for (const auto& [fd, name] : {std::pair{1, &out_}, std::pair{2, &err_}}) {
            if (name->empty()) continue;
            posix_spawn_file_actions_addopen(&actions, fd, name->c_str(),
                                             O_WRONLY | O_CREAT | O_TRUNC, 0644);
        }
        if (posix_spawnp(&pid_, args[0], &actions, nullptr, args.data(), environ) != 0) {
            pid_ = -1;
            finished_ = kNotStarted;
        }
        posix_spawn_file_actions_destroy(&actions);
    }
    ~ChildProcess() {
        if (pid_ > 0) kill(pid_, SIGKILL), waitpid(pid_, nullptr, 0);
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Freezes the child once it has open, at the same time, a file under each of `paths` (a
    // folder's files whether they have a name there yet or not); false if it ended first.
    bool StopWhenOpen(const std::vector<std::string>& paths) {
        std::vector<std::string> wanted;
        for (const std::string& path : paths) {
            const bool folder = std::filesystem::is_directory(path);
            wanted.push_back(std::filesystem::canonical(path).string() + (folder ? "/" : ""));
        }
        const std::string fds = "/proc/" + std::to_string(pid_) + "/fd";
        while (waitpid(pid_, &finished_, WNOHANG) == 0) {
            std::error_code error;
            std::size_t found = 0;
            for (const std::string& prefix : wanted) {
                for (const auto& entry : std::filesystem::directory_iterator(fds, error)) {
                    if (std::filesystem::read_symlink(entry.path(), error)
                            .string()
                            .starts_with(prefix)) {
                        ++found;
                        break;
                    }
                }
            }
            if (found == wanted.size()) return kill(pid_, SIGSTOP) == 0;
            usleep(200);
        }
        pid_ = -1;
        return false;
    }

    // Waits until the child handles `signalNumber` itself, so that the signal meets its handler
    // rather than the default action; false if it ended first.
    bool WaitUntilCatching(int signalNumber) {
        const std::string status = "/proc/" + std::to_string(pid_) + "/status";
        for (std::string line; waitpid(pid_, &finished_, WNOHANG) == 0; usleep(1000)) {
            for (std::ifstream in(status); std::getline(in, line);) {
                if (line.starts_with("SigCgt:") &&
                    (std::stoull(line.substr(7), nullptr, 16) >> (signalNumber - 1) & 1))
                    return true;
            }
        }
        pid_ = -1;
        return false;
    }

    void Signal(int signalNumber) const { kill(pid_, signalNumber); }

    Result Wait() {
        int status = finished_;
        rusage usage{};
        if (pid_ > 0) wait4(pid_, &status, 0, &usage), pid_ = -1;
        const bool exited = WIFEXITED(status);
        return {exited, exited ? WEXITSTATUS(status) : WTERMSIG(status), Read(out_), Read(err_),
                usage.ru_maxrss};
    }

  private:
    static constexpr int kNotStarted = 127 << 8;  // exit status 127, as a shell says

    std::string Read(const std::string& name) const {
        if (name.empty() || name.starts_with('/')) return {};  // not the child's own file
        std::ifstream in(dir_ + "/" + name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::string dir_, out_, err_;
    pid_t pid_ = -1;
    int finished_ = 0;
};
#endif
