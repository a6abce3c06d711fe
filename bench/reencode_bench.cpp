// Wall time of whole processes re-encoding generated 48 kHz VBR stereo songs of three minutes:
// `tunewrap-cli fix` on one song against `lame --mp3input` and `ffmpeg` (target: at most 1.0 of
// the faster one), and on eight songs at once against a `lame` loop over them (target: at most
// 0.6 on two cores); then the peak memory of `fix` on a one-hour song (target: under 32 MiB). A
// missing baseline program is skipped with a message. Usage: reencode_bench [runs=3]
// [hour=1 (0 skips the one-hour song)] [directory=/tmp].
#include <lame/lame.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

#include "Spawn.h"

namespace {

constexpr int kSourceRate = 48000;
constexpr int kSongSeconds = 180;
constexpr int kHourSeconds = 3600;
constexpr int kSongs = 8;
constexpr int kChunkFrames = 4800;
constexpr double kKiBPerMiB = 1024;

// `option` prints the version: ffmpeg knows only -version, lame only --version.
bool Available(const std::string& program, const char* option) {
    return Run({program, option});
}

// Median wall time of `runs` runs; negative when a run failed.
double Timed(const std::vector<std::string>& argv, int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        bool ran = true;
        times.push_back(Seconds([&] { ran = Run(argv); }));
        if (!ran) return -1;
    }
    return Median(times);
}

// Something like music for a VBR encoder: a chord that moves, a little noise, quiet passages.
bool MakeSong(const std::string& path, int seconds, unsigned seed) {
    lame_global_flags* lame = lame_init();
    lame_set_in_samplerate(lame, kSourceRate);
    lame_set_out_samplerate(lame, kSourceRate);
    lame_set_num_channels(lame, 2);
    lame_set_VBR(lame, vbr_mtrh);
    lame_set_VBR_quality(lame, 2);
    lame_set_write_id3tag_automatic(lame, 0);
    if (lame_init_params(lame) < 0) return false;
    std::FILE* out = std::fopen(path.c_str(), "wb");
    std::vector<float> left(kChunkFrames), right(kChunkFrames);
    std::vector<unsigned char> mp3(kChunkFrames * 2 + 7200);
    const long total = static_cast<long>(seconds) * kSourceRate;
    for (long n = 0; n < total; n += kChunkFrames) {
        for (int i = 0; i < kChunkFrames; ++i) {
            const double t = static_cast<double>(n + i) / kSourceRate;
            seed = seed * 1103515245 + 12345;
            const double noise = static_cast<double>(seed >> 16 & 0x7FFF) / 0x7FFF - 0.5;
            const double note = 220 * std::pow(2.0, static_cast<int>(t) % 12 / 12.0);
            const double envelope = 0.5 + 0.5 * std::sin(2 * std::numbers::pi * t / 7);
            const double chord = std::sin(2 * std::numbers::pi * note * t) +
                                 0.5 * std::sin(2 * std::numbers::pi * note * 1.5 * t);
            left[i] = static_cast<float>(envelope * (0.3 * chord + 0.05 * noise));
            right[i] = static_cast<float>(envelope * (0.3 * chord - 0.05 * noise));
        }
        const int bytes =
            lame_encode_buffer_ieee_float(lame, left.data(), right.data(), kChunkFrames, mp3.data(),
                                          static_cast<int>(mp3.size()));
        std::fwrite(mp3.data(), 1, static_cast<std::size_t>(bytes), out);
    }
    const int bytes = lame_encode_flush(lame, mp3.data(), static_cast<int>(mp3.size()));
    std::fwrite(mp3.data(), 1, static_cast<std::size_t>(bytes), out);
    lame_close(lame);
    return std::fclose(out) == 0;
}

void Ratio(const char* what, double ours, double theirs) {
    if (ours < 0 || theirs < 0) {
        std::printf("%s: a run failed\n", what);
        return;
    }
    std::printf("%s: %.2f s vs %.2f s, ratio %.2f\n", what, ours, theirs, ours / theirs);
}

}  // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);  // each result as soon as it is measured
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const bool hour = argc > 2 ? std::atoi(argv[2]) != 0 : true;
    const std::string dir = (argc > 3 ? argv[3] : "/tmp") + std::string("/reencode_bench");
    const std::string cli = TUNEWRAP_CLI;
    std::filesystem::create_directories(dir + "/out");

    std::vector<std::string> songs;
    for (int i = 0; i < kSongs; ++i) {
        songs.push_back(dir + "/song" + std::to_string(i) + ".mp3");
        if (!MakeSong(songs.back(), kSongSeconds, static_cast<unsigned>(i) + 1)) {
            std::fprintf(stderr, "could not make %s\n", songs.back().c_str());
            return 1;
        }
    }
    const std::string& song = songs.front();
    const std::string out = dir + "/out/theirs.mp3";

    const double ours = Timed({cli, "fix", "-q", "--overwrite", "-o", dir + "/out", song}, runs);
    double fastest = -1;
    if (Available("lame", "--version")) {
        const double lame = Timed({"lame", "--quiet", "--mp3input", "--resample", "44.1", "-b",
                                   "128", "--cbr", "-q", "2", song, out},
                                  runs);
        Ratio("one song, fix / lame", ours, lame);
        fastest = lame;
    } else {
        std::printf("lame not found: its comparisons are skipped\n");
    }
    if (Available("ffmpeg", "-version")) {
        const double ffmpeg = Timed({"ffmpeg", "-nostdin", "-y", "-loglevel", "error", "-i", song,
                                     "-ar", "44100", "-c:a", "libmp3lame", "-b:a", "128k", out},
                                    runs);
        Ratio("one song, fix / ffmpeg", ours, ffmpeg);
        if (ffmpeg >= 0 && (fastest < 0 || ffmpeg < fastest)) fastest = ffmpeg;
        // Left to itself ffmpeg has the encoder work at its default quality, 3; fix uses 2.
        const double sameQuality =
            Timed({"ffmpeg", "-nostdin", "-y", "-loglevel", "error", "-i", song, "-ar", "44100",
                   "-c:a", "libmp3lame", "-b:a", "128k", "-compression_level", "2", out},
                  runs);
        Ratio("one song, fix / ffmpeg -compression_level 2", ours, sameQuality);
    } else {
        std::printf("ffmpeg not found: its comparison is skipped\n");
    }
    if (fastest >= 0) Ratio("one song, fix / the faster (target <= 1.0)", ours, fastest);

    if (Available("lame", "--version")) {
        std::vector<std::string> fixAll{cli, "fix", "-q", "--overwrite", "-o", dir + "/out"};
        fixAll.insert(fixAll.end(), songs.begin(), songs.end());
        const double oursAll = Timed(fixAll, runs);
        std::string loop;
        for (const std::string& each : songs)
            loop += "lame --quiet --mp3input --resample 44.1 -b 128 --cbr -q 2 '" + each + "' '" +
                    out + "' && ";
        const double lameAll = Timed({"sh", "-c", loop + "true"}, runs);
        Ratio("eight songs, fix / lame loop (target <= 0.6)", oursAll, lameAll);
    }

    if (hour) {
        const std::string long_ = dir + "/hour.mp3";
        if (!MakeSong(long_, kHourSeconds, 99)) return 1;
        long rss = 0;
        const bool ok = Run({cli, "fix", "-q", "--overwrite", "-o", dir + "/out", long_}, &rss);
        std::printf("one hour, fix: peak RSS %.1f MiB%s (target < 32)\n", rss / kKiBPerMiB,
                    ok ? "" : ", but the run failed");
    }
    std::filesystem::remove_all(dir);
    return 0;
}
