#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "common/ScratchHome.h"

// End-to-end runs of the built tool in a scratch directory, with no terminal on any stream.
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// MPEG-1 Layer III frames with the given header fields, zero-filled to the frame length.
std::string Frames(int count, int bitRateIndex, int channelMode, int samplingIndex = 0,
                   bool protectionBit = true) {
    static constexpr std::array<int, 15> kKbps = {0,   32,  40,  48,  56,  64,  80, 96,
                                                  112, 128, 160, 192, 224, 256, 320};
    static constexpr std::array<int, 3> kHz = {44100, 48000, 32000};
    std::size_t length = 144 * kKbps[bitRateIndex] * 1000 / kHz[samplingIndex];
    std::string frame(length, '\0');
    frame[0] = '\xFF';
    frame[1] = protectionBit ? '\xFB' : '\xFA';
    frame[2] = static_cast<char>(bitRateIndex << 4 | samplingIndex << 2);
    frame[3] = static_cast<char>(channelMode << 6);
    std::string frames;
    for (int i = 0; i < count; ++i) frames += frame;
    return frames;
}

const std::string kJoint128 = Frames(12, 9, 1);
const std::string kMono96 = Frames(12, 7, 3);

class TunewrapCli : public ScratchHome {
  protected:
    // Runs the tool in the scratch directory with nothing on stdin.
    CliRun Cli(const std::vector<std::string>& args) {
        std::vector<std::string> argv{TUNEWRAP_CLI};
        argv.insert(argv.end(), args.begin(), args.end());
        return Exec(argv, "");
    }

    CliRun Exec(const std::vector<std::string>& args, const std::string& input) {
        CliRun run;
        std::string inPath = Path("stdin.txt"), outPath = Path("stdout.txt"),
                    errPath = Path("stderr.txt");
        WriteFile(inPath, input);
        pid_t child = fork();
        if (child == 0) {
            if (chdir(root_.c_str()) != 0) _exit(127);
            dup2(open(inPath.c_str(), O_RDONLY), 0);
            dup2(open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
            dup2(open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
            std::vector<char*> argv;
            for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            execvp(argv[0], argv.data());
            _exit(127);
        }
        int status = 0;
        waitpid(child, &status, 0);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.out = ReadFile(outPath);
        run.err = ReadFile(errPath);
        return run;
    }

    json InfoJson(const std::vector<std::string>& files, bool wav = false) {
        std::vector<std::string> args{"info", "--json"};
        if (wav) args.push_back("--wav");
        args.push_back("--");
        args.insert(args.end(), files.begin(), files.end());
        CliRun run = Cli(args);
        json parsed = json::parse(run.out, nullptr, false);
        EXPECT_FALSE(parsed.is_discarded()) << run.out;
        return parsed;
    }
};

TEST_F(TunewrapCli, InfoReportsTheRealClipsHeaderValues) {
    struct Expected {
        const char* file;
        int bitRate, samplingFrequency, channelMode;
        bool stereo, vbr, suitable, suitableAsWav;
    };
    const std::vector<Expected> clips = {
        {"cbr128_joint.mp3", 128, 44100, 1, true, false, true, false},
        {"cbr128_stereo.mp3", 128, 44100, 0, true, false, true, false},
        {"cbr96_mono.mp3", 96, 44100, 3, false, false, false, true},
        {"cbr192_joint.mp3", 192, 44100, 1, true, false, false, false},
        {"cbr128_48k.mp3", 128, 48000, 1, true, false, false, false},
    };
    std::vector<std::string> files;
    for (const Expected& clip : clips) {
        files.push_back(Path(clip.file));
        fs::copy_file(fs::path(TUNEWRAP_TEST_DATA_DIR) / clip.file, files.back());
    }
    json music = InfoJson(files);
    json wav = InfoJson(files, true);
    ASSERT_EQ(music.size(), clips.size());
    ASSERT_EQ(wav.size(), clips.size());
    for (std::size_t i = 0; i < clips.size(); ++i) {
        SCOPED_TRACE(clips[i].file);
        EXPECT_EQ(music[i]["file"], files[i]);
        EXPECT_EQ(music[i]["bit_rate"], clips[i].bitRate);
        EXPECT_EQ(music[i]["sampling_frequency"], clips[i].samplingFrequency);
        EXPECT_EQ(music[i]["channel_mode"], clips[i].channelMode);
        EXPECT_EQ(music[i]["stereo"], clips[i].stereo);
        EXPECT_EQ(music[i]["crc"], true);  // lame leaves the protection bit set
        EXPECT_EQ(music[i]["vbr"], clips[i].vbr);
        EXPECT_EQ(music[i]["suitable"], clips[i].suitable);
        EXPECT_EQ(music[i]["issues"].empty(), clips[i].suitable);
        EXPECT_EQ(wav[i]["suitable"], clips[i].suitableAsWav);
    }

    fs::copy_file(fs::path(TUNEWRAP_TEST_DATA_DIR) / "vbr.mp3", Path("vbr.mp3"));
    json vbr = InfoJson({"vbr.mp3"});
    EXPECT_EQ(vbr[0]["vbr"], true);
    EXPECT_EQ(vbr[0]["issues"], json({"- Bit Rate is not Constant - Variable Bit Rate reported"}));
}

TEST_F(TunewrapCli, InfoJsonHoldsExactlyTheReaderValuesAndIssueLines) {
    WriteFile(Path("mono.mp3"), Frames(12, 7, 3, 1, false));
    EXPECT_EQ(InfoJson({"mono.mp3"}), json::parse(R"([{"file": "mono.mp3", "bit_rate": 96,
        "sampling_frequency": 48000, "channel_mode": 3, "stereo": false, "crc": false,
        "vbr": false, "suitable": false, "issues": [
        "- Bit Rate is not 128 kbps - 96 kbps reported", "- Channel mode is not stereo",
        "- Sampling Frequency is not 44.1 kHz - 48 kHz reported"]}])"));
    EXPECT_EQ(InfoJson({"mono.mp3"}, true)[0]["issues"],
              json({"- Sampling Frequency is not 44.1 kHz - 48 kHz reported"}));
}

TEST_F(TunewrapCli, InfoNamesAnUnreadableFileAndFailsOnlyThen) {
    WriteFile(Path("ok.mp3"), kJoint128);
    CliRun run = Cli({"info", "--json", "missing.mp3", "ok.mp3"});
    EXPECT_EQ(run.status, 1);
    json all = json::parse(run.out);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].size(), 2u);
    EXPECT_EQ(all[0]["file"], "missing.mp3");
    EXPECT_FALSE(all[0]["error"].get<std::string>().empty());
    EXPECT_EQ(all[1]["bit_rate"], 128);

    CliRun text = Cli({"info", "ok.mp3"});
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("joint stereo (1)"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("suitable"), std::string::npos) << text.out;
}

TEST_F(TunewrapCli, RoundTripGivesBackTheSameBytesAndKeepsTheTime) {
    std::string bytes;
    for (int i = 0; i < 3 * 4096 + 17; ++i) bytes += static_cast<char>(i * 7 % 251);
    WriteFile(Path("in/song.mp3"), kJoint128 + bytes);
    fs::create_directories(Path("out"));
    // Whole seconds: the copy keeps milliseconds, the file system may keep more.
    fs::file_time_type old = std::chrono::floor<std::chrono::seconds>(
        fs::file_time_type::clock::now() - std::chrono::hours(24 * 30));
    fs::last_write_time(Path("in/song.mp3"), old);

    CliRun wrap = Cli({"to-bmu", "in/song.mp3"});
    EXPECT_EQ(wrap.status, 0) << wrap.err;
    EXPECT_EQ(wrap.out, "in/song.mp3: converted to in/song.bmu\n");
    EXPECT_EQ(ReadFile(Path("in/song.bmu")), "BMU V1.0" + kJoint128 + bytes);
    EXPECT_EQ(fs::last_write_time(Path("in/song.bmu")), old);

    CliRun unwrap = Cli({"to-mp3", "--no-preserve-time", "-o", "out", "in/song.bmu"});
    EXPECT_EQ(unwrap.status, 0) << unwrap.err;
    EXPECT_EQ(unwrap.out, "in/song.bmu: converted to out/song.mp3\n");
    EXPECT_EQ(ReadFile(Path("out/song.mp3")), kJoint128 + bytes);
    EXPECT_NE(fs::last_write_time(Path("out/song.mp3")), old);
}

TEST_F(TunewrapCli, ExistingDestinationIsSkippedUnlessOverwriteIsGiven) {
    WriteFile(Path("a.mp3"), kJoint128);
    WriteFile(Path("a.bmu"), "old");
    CliRun skipped = Cli({"to-bmu", "a.mp3"});
    EXPECT_EQ(skipped.status, 1);
    EXPECT_EQ(skipped.out, "a.mp3: skipped: exists\n");
    EXPECT_NE(skipped.err.find("File Exists\na.bmu already exists. Do you want to overwrite it? "
                               "[y/N] n\n"),
              std::string::npos)
        << skipped.err;
    EXPECT_EQ(ReadFile(Path("a.bmu")), "old");

    CliRun overwritten = Cli({"to-bmu", "--overwrite", "a.mp3"});
    EXPECT_EQ(overwritten.status, 0);
    EXPECT_EQ(ReadFile(Path("a.bmu")), "BMU V1.0" + kJoint128);
}

TEST_F(TunewrapCli, OnATerminalTheUserAnswersTheQuestions) {
    // script(1) gives the tool a terminal and types our answers into it.
    if (Exec({"script", "-qec", "true", "/dev/null"}, "").status != 0) {
        GTEST_SKIP() << "no script(1) or no pseudo-terminal here";
    }
    auto onTerminal = [this](const std::string& args, const std::string& answers) {
        std::string command = std::string("'") + TUNEWRAP_CLI + "' " + args;
        return Exec({"script", "-qec", command, "/dev/null"}, answers);
    };
    WriteFile(Path("a.mp3"), kJoint128);
    WriteFile(Path("a.bmu"), "old");
    CliRun overwrite = onTerminal("to-bmu a.mp3", "y\n");
    EXPECT_EQ(overwrite.status, 0) << overwrite.out;
    EXPECT_NE(overwrite.out.find("a.bmu already exists. Do you want to overwrite it? [y/N]"),
              std::string::npos)
        << overwrite.out;
    EXPECT_EQ(ReadFile(Path("a.bmu")), "BMU V1.0" + kJoint128);

    // "No" to going on after a failure also holds back the files of later directories.
    WriteFile(Path("sub/b.mp3"), kJoint128);
    CliRun stop = onTerminal("to-bmu missing.mp3 sub/b.mp3", "n\n");
    EXPECT_EQ(stop.status, 1) << stop.out;
    EXPECT_NE(stop.out.find("sub/b.mp3: not reached"), std::string::npos) << stop.out;
    EXPECT_FALSE(fs::exists(Path("sub/b.bmu")));
}

TEST_F(TunewrapCli, WavNamesAndExpectationWithAndWithoutSkippingUnsuitableFiles) {
    WriteFile(Path("fx.mp3"), kMono96);
    WriteFile(Path("music.mp3"), kJoint128);

    CliRun wav = Cli({"to-bmu", "--wav", "fx.mp3", "music.mp3"});
    EXPECT_EQ(wav.status, 0) << wav.err;
    EXPECT_EQ(wav.out, "fx.mp3: converted to ./fx.wav\nmusic.mp3: converted to ./music.wav\n");
    // Only the stereo 128 kbit/s file is unsuitable for .wav, and without a terminal the
    // warning's default converts it anyway.
    EXPECT_EQ(wav.err.find("'fx.mp3'"), std::string::npos) << wav.err;
    EXPECT_NE(wav.err.find("Warning\nWarning! 'music.mp3'\nhas the following potential issues"),
              std::string::npos)
        << wav.err;
    EXPECT_NE(wav.err.find("Do you wish to continue? [Y/n] y\n"), std::string::npos);

    CliRun skip = Cli({"to-bmu", "--skip-unsuitable", "fx.mp3", "music.mp3"});
    EXPECT_EQ(skip.status, 1);
    EXPECT_EQ(skip.out, "fx.mp3: skipped: unsuitable\nmusic.mp3: converted to ./music.bmu\n");
    EXPECT_FALSE(fs::exists(Path("fx.bmu")));
}

TEST_F(TunewrapCli, UsageErrorsExitWithTwoAndWriteNothing) {
    WriteFile(Path("a.mp3"), kJoint128);
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"to-bmu"},
        {"to-bmu", "--bogus", "a.mp3"},
        {"to-bmu", "-o", "no such dir", "a.mp3"},
        {"to-mp3", "--wav", "a.mp3"},
        {"info"},
    };
    for (const auto& args : cases) {
        CliRun run = Cli(args);
        EXPECT_EQ(run.status, 2) << testing::PrintToString(args);
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_FALSE(fs::exists(Path("a.bmu")));

    CliRun version = Cli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "Tunewrap - v0.35\n");
}

TEST_F(TunewrapCli, OddNamesSurviveEveryCommandUnchanged) {
    const std::vector<std::string> names = {"two  spaces.mp3", "quote \" and ' back\\slash.mp3",
                                            "-dash.mp3", "Grüße – 音楽.mp3", "tab\tnewline\n.mp3"};
    for (const std::string& name : names) WriteFile(Path(name), kJoint128);
    std::vector<std::string> args{"to-bmu", "--"};
    args.insert(args.end(), names.begin(), names.end());
    CliRun wrap = Cli(args);
    EXPECT_EQ(wrap.status, 0) << wrap.err;

    json all = InfoJson(names);
    ASSERT_EQ(all.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(all[i]["file"], names[i]);
        std::string bmu = names[i].substr(0, names[i].size() - 4) + ".bmu";
        EXPECT_EQ(ReadFile(Path(bmu)), "BMU V1.0" + kJoint128) << bmu;
    }

    // Bytes that are not UTF-8 still give valid JSON.
    WriteFile(Path("latin1 \xE9.mp3"), kJoint128);
    EXPECT_EQ(InfoJson({"latin1 \xE9.mp3"})[0]["bit_rate"], 128);
}

TEST_F(TunewrapCli, FailuresAndRefusalsLetTheOtherFilesGoOn) {
    WriteFile(Path("one/a.mp3"), kJoint128);
    WriteFile(Path("two/b.mp3"), kJoint128);
    WriteFile(Path("one/c.mp3"), kJoint128);
    WriteFile(Path("one/x.bmu"), "BMU V1.0" + kJoint128);
    fs::create_directories(Path("dir.mp3"));

    CliRun run = Cli({"to-bmu", "--overwrite", "one/a.mp3", "missing.mp3", "two/b.mp3", "one/c.mp3",
                      "one/x.bmu", "dir.mp3"});
    EXPECT_EQ(run.status, 1);
    // One batch per directory, in the order the directories first appear.
    std::vector<std::string> lines;
    std::istringstream out(run.out);
    for (std::string line; std::getline(out, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 6u) << run.out;
    EXPECT_EQ(lines[0], "one/a.mp3: converted to one/a.bmu");
    EXPECT_EQ(lines[1], "one/c.mp3: converted to one/c.bmu");
    EXPECT_EQ(lines[2].rfind("one/x.bmu: failed: ", 0), 0u) << lines[2];
    EXPECT_EQ(lines[3].rfind("missing.mp3: failed: ", 0), 0u) << lines[3];
    EXPECT_EQ(lines[4].rfind("dir.mp3: failed: ", 0), 0u) << lines[4];
    EXPECT_EQ(lines[5], "two/b.mp3: converted to two/b.bmu");
    EXPECT_EQ(ReadFile(Path("one/x.bmu")), "BMU V1.0" + kJoint128);
}

}  // namespace
