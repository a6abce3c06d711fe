#pragma once
// What every benchmark shares: running a program as a whole process, timing, alternating turns.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "common/ChildProcess.h"

// Runs argv with its standard output going to `output`; true when it exited with 0.
// `maxRssKiB`, when given, gets the child's peak resident memory.
inline bool Run(std::vector<std::string> argv, long* maxRssKiB = nullptr,
                const char* output = "/dev/null") {
    const ChildProcess::Result result =
        ChildProcess(std::move(argv), ".", "/dev/null", output, "").Wait();
    if (maxRssKiB != nullptr) *maxRssKiB = result.peakKiB;
    return result.exited && result.status == 0;
}

// The kernel's peak count of a spawned child starts from its parent's memory and survives exec,
// so a benchmark holding thousands of names would be counted in. RunForPeak runs the program
// from a fresh copy of the benchmark (`/proc/self/exe --peak-of FILE PROGRAM...`), small until
// it spawns; that copy writes the program's own peak (KiB) to FILE. ServePeakOf, called first
// in main, is that copy's side: it returns false when the benchmark was started normally.
inline bool RunForPeak(std::vector<std::string> argv, long& maxRssKiB, const std::string& file) {
    argv.insert(argv.begin(), {"/proc/self/exe", "--peak-of", file});
    std::remove(file.c_str());
    maxRssKiB = 0;
    const bool ran = Run(argv);
    std::ifstream(file) >> maxRssKiB;
    return ran;
}

inline bool ServePeakOf(int argc, char** argv, int& status) {
    if (argc < 4 || std::string(argv[1]) != "--peak-of") return false;
    const ChildProcess::Result result =
        ChildProcess({argv + 3, argv + argc}, ".", "", "", "").Wait();
    std::ofstream(argv[2]) << result.peakKiB;
    status = result.exited ? result.status : 1;
    return true;
}

// Wall time of `work` in seconds.
template <typename Work>
double Seconds(Work work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Our side's and their side's wall times in one run (each callable times itself and returns
// seconds); the order alternates from run to run so neither side always runs on a warmer machine.
template <typename Ours, typename Theirs>
std::pair<double, double> TimedInTurn(int run, Ours ours, Theirs theirs) {
    if (run % 2 == 0) {
        const double first = ours();
        return {first, theirs()};
    }
    const double first = theirs();
    return {ours(), first};
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The bytes of a real MP3 file (the sample in tests/data), so that every scan reads what it reads
// in use.
inline std::string ReadSample(const char* path) {
    std::ifstream sample(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(sample), {}};
}

// `bytes` bytes of `frames` over and over.
inline void WriteRepeated(const std::string& path, const std::string& frames, std::int64_t bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (std::int64_t written = 0; written < bytes;
         written += static_cast<std::int64_t>(frames.size())) {
        out.write(frames.data(), static_cast<std::streamsize>(std::min<std::int64_t>(
                                     bytes - written, static_cast<std::int64_t>(frames.size()))));
    }
}
