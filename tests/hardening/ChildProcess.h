#pragma once
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <string>
#include <vector>

// A program run as a child process with its output in files. It can be frozen (SIGSTOP) the
// moment a named file appears in a watched directory, so that a signal lands in the middle of
// the work that file belongs to, whatever the speed of the machine.
class ChildProcess {
  public:
    struct Result {
        bool exited = false;
        int status = -1;  // exit status, or the signal that ended it
        std::string out;
        std::string err;
    };

    ChildProcess(const std::vector<std::string>& argv, const std::string& workDir,
                 const std::string& outPath, const std::string& errPath)
        : argv_(argv), workDir_(workDir), outPath_(outPath), errPath_(errPath) {}
    ~ChildProcess() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (watch_ >= 0) close(watch_);
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts the program; with `watchDir` set, creations there are reported to StopWhenCreated.
    bool Start(const std::string& watchDir = {}) {
        if (!watchDir.empty()) {
            watch_ = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
            if (watch_ < 0 || inotify_add_watch(watch_, watchDir.c_str(), IN_CREATE) < 0) {
                return false;
            }
        }
        pid_ = fork();
        if (pid_ == 0) {
            if (chdir(workDir_.c_str()) != 0) _exit(127);
            dup2(open("/dev/null", O_RDONLY), 0);
            dup2(open(outPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
            dup2(open(errPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
            std::vector<char*> args;
            for (const std::string& arg : argv_) args.push_back(const_cast<char*>(arg.c_str()));
            args.push_back(nullptr);
            execv(args[0], args.data());
            _exit(127);
        }
        return pid_ > 0;
    }

    // Freezes the child as soon as a name ending in `suffix` is created in the watched
    // directory. False when the child ended first.
    bool StopWhenCreated(const std::string& suffix) {
        alignas(inotify_event) char buffer[sizeof(inotify_event) + NAME_MAX + 1];
        for (;;) {
            pollfd ready{watch_, POLLIN, 0};
            if (poll(&ready, 1, 100) > 0) {
                ssize_t length;
                while ((length = read(watch_, buffer, sizeof buffer)) > 0) {
                    for (char* at = buffer; at < buffer + length;) {
                        const auto* event = reinterpret_cast<inotify_event*>(at);
                        const std::string name = event->len > 0 ? event->name : "";
                        if (name.size() >= suffix.size() &&
                            name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
                            return kill(pid_, SIGSTOP) == 0;
                        }
                        at += sizeof(inotify_event) + event->len;
                    }
                }
            }
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                finished_ = status;
                pid_ = -1;
                return false;
            }
        }
    }

    void Signal(int signalNumber) const { kill(pid_, signalNumber); }

    Result Wait() {
        int status = finished_;
        if (pid_ > 0) {
            waitpid(pid_, &status, 0);
            pid_ = -1;
        }
        Result result;
        result.exited = WIFEXITED(status);
        result.status = result.exited ? WEXITSTATUS(status) : WTERMSIG(status);
        result.out = ReadAll(outPath_);
        result.err = ReadAll(errPath_);
        return result;
    }

  private:
    static std::string ReadAll(const std::string& path) {
        std::string bytes;
        const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return bytes;
        char chunk[4096];
        ssize_t n;
        while ((n = read(fd, chunk, sizeof chunk)) > 0)
            bytes.append(chunk, static_cast<std::size_t>(n));
        close(fd);
        return bytes;
    }

    std::vector<std::string> argv_;
    std::string workDir_;
    std::string outPath_;
    std::string errPath_;
    pid_t pid_ = -1;
    int watch_ = -1;
    int finished_ = 0;
};
