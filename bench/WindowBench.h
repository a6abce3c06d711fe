#pragma once
// Shared pieces of the window benchmarks: a private home and their arguments.
#include <QByteArray>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "Spawn.h"

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

// The numeric command-line argument at `index`, or `fallback` when it is not given.
inline long Arg(int argc, char** argv, int index, long fallback) {
    return argc > index ? std::atol(argv[index]) : fallback;
}

}  // namespace windowbench
