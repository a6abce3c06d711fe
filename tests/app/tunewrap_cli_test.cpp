#ifndef _WIN32
#include <unistd.h>
#endif

#include <csignal>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "FileIo.h"
#include "Reencode.h"
#include "common/ChildProcess.h"
#include "common/ScratchHome.h"

// End-to-end runs of the built tool in a scratch directory, with no terminal on any stream.
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

class TunewrapCli : public ScratchHome {
  protected:
    ChildProcess::Result Cli(std::vector<std::string> args, const std::string& input = "") {
        WriteFile(Path("stdin.txt"), input);
        args.insert(args.begin(), TUNEWRAP_CLI);
        return ChildProcess(args, root_.string(), Path("stdin.txt")).Wait();
    }
    json Info(std::vector<std::string> args) {
        args.insert(args.begin(), {"info", "--json"});
        return json::parse(Cli(args).out, nullptr, false);
    }
    // script(1) gives the tool a terminal and types our answers into it.
    ChildProcess::Result OnTerminal(const std::string& args, const std::string& answers = "") {
        WriteFile(Path("stdin.txt"), answers);
        const std::string command = std::string("'") + TUNEWRAP_CLI + "' " + args;
        return ChildProcess({"script", "-qec", command, "/dev/null"}, root_.string(),
                            Path("stdin.txt"))
            .Wait();
    }
    const std::string kJoint128 = Sample("cbr128_joint.mp3");
    const std::string kMono96 = Sample("cbr96_mono.mp3");
};

TEST_F(TunewrapCli, InfoHoldsTheReaderValuesAndIssueLinesAndNamesUnreadableFiles) {
    WriteFile(Path("mono.mp3"), kMono96);
    WriteFile(Path("notes.mp3"), "not audio");
    WriteFile(Path("bad.mp3"), std::string("\xFF\xFB\xF0\0", 4));  // the forbidden bit rate
    EXPECT_EQ(Info({"mono.mp3", "notes.mp3"}), json::parse(R"([{"file": "mono.mp3",
        "audio": "MPEG-1 Layer III", "bit_rate": 96, "bit_rate_text": "96 kbit/s",
        "sampling_frequency": 44100, "channel_mode": 3, "stereo": false, "crc": false,
        "vbr": false, "suitable": false, "issues": [
        "- Bit Rate is not 128 kbps - 96 kbps reported", "- Channel mode is not stereo"]},
        {"file": "notes.mp3", "audio": null, "suitable": false,
        "issues": ["- No MPEG-1 Layer III audio found"]}])"));
    EXPECT_EQ(Info({"--wav", "mono.mp3"})[0]["issues"], json::array());
    // A BMU file's MP3 is read from behind the header, so its tag hides a false frame start.
    const std::string tagWithSync("ID3\3\0\0\0\0\0\6\xFF\xFA\xB0\xC0\0\0", 16);
    WriteFile(Path("tagged.bmu"), "BMU V1.0" + tagWithSync + kMono96);
    EXPECT_EQ(Info({"tagged.bmu"})[0]["bit_rate"], 96);
#ifdef _WIN32
    const std::string accented = "ok \xC3\xA9.mp3";  // Windows names are always Unicode
#else
    const std::string accented = "ok \xE9.mp3";  // not UTF-8, yet valid JSON
#endif
    WriteFile(Path(accented), kJoint128);
    const auto run = Cli({"info", "--json", "missing.mp3", accented});
    EXPECT_EQ(run.status, 1);
    const json all = json::parse(run.out, nullptr, false);
    ASSERT_EQ(all.size(), 2u) << run.out;
    EXPECT_TRUE(all[0].size() == 2 && !all[0]["error"].get<std::string>().empty());
    EXPECT_EQ(all[1]["bit_rate"], 128);
    // Written one entry at a time, yet laid out as one indented array.
    EXPECT_TRUE(run.out.starts_with("[\n  {\n    \"file\": \"missing.mp3\",\n    \"error\": ") &&
                run.out.find("\"\n  },\n  {\n    \"file\": \"ok ") != std::string::npos &&
                run.out.ends_with("\n  }\n]\n"))
        << run.out;
    const auto text = Cli({"info", accented, "notes.mp3", "bad.mp3"});
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("joint stereo (1)"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("notes.mp3\n  audio:              none found\n  - No MPEG-1"),
              std::string::npos);
    EXPECT_NE(text.out.find("bit rate:           invalid\n"), std::string::npos);
}

TEST_F(TunewrapCli, ExistingDestinationIsKeptUnlessTheUserSaysOtherwise) {
    WriteFile(Path("a.mp3"), kJoint128);
    WriteFile(Path("a.bmu"), "old");
    const auto skipped = Cli({"to-bmu", "a.mp3"}, "y\n");  // not a terminal: not asked
    EXPECT_EQ(skipped.status, 1);
    EXPECT_EQ(skipped.out, "a.mp3: skipped: exists\n");
    // The question's text is the batch's; here its title, prompt and the answer taken.
    EXPECT_TRUE(skipped.err.starts_with("File Exists\na.bmu ") &&
                skipped.err.ends_with("? [y/N] n\n0 converted, 1 skipped, 0 failed\n"))
        << skipped.err;
    EXPECT_EQ(ReadFile(Path("a.bmu")), "old");
    const auto kept = Cli({"to-bmu", "-q", "--skip-existing", "a.mp3"});
    EXPECT_EQ(kept.status, 0);  // a run again over its own output is no failure
    EXPECT_EQ(kept.out + kept.err, "a.mp3: skipped: exists\n");

    const auto overwritten = Cli({"to-bmu", "--overwrite", "a.mp3"});
    EXPECT_EQ(overwritten.status, 0);
    EXPECT_EQ(ReadFile(Path("a.bmu")), "BMU V1.0" + kJoint128);

    if (OnTerminal("--version").status != 0) GTEST_SKIP() << "no script(1) or no terminal";
    // A name must not drive the terminal; a large copy's progress line is erased when done.
    std::string large;
    while (large.size() < 1 << 20) large += kJoint128;
    WriteFile(Path("red\x1B[31m.mp3"), large);
    for (const char* bmu : {"a.bmu", "red\x1B[31m.bmu"}) WriteFile(Path(bmu), "old");
    const auto yes = OnTerminal("to-bmu a.mp3 'red\x1B[31m.mp3'", "y\nYES\n");
    EXPECT_EQ(yes.status, 0) << yes.out;
    EXPECT_NE(yes.out.find("\rred?[31m.mp3 [---"), std::string::npos) << yes.out;
    EXPECT_NE(yes.out.find("\r\x1B[Kred?[31m.mp3: converted to ./red?[31m.bmu"), std::string::npos);
    EXPECT_EQ(yes.out.find("\x1B[31m"), std::string::npos) << yes.out;
    EXPECT_EQ(OnTerminal("info 'red\x1B[31m.mp3'", "").out.find('\x1B'), std::string::npos);
    EXPECT_EQ(ReadFile(Path("a.bmu")) + ReadFile(Path("red\x1B[31m.bmu")),
              "BMU V1.0" + kJoint128 + "BMU V1.0" + large);
    // "No" to going on after a failure also holds back the files of later directories.
    WriteFile(Path("sub/b.mp3"), kJoint128);
    const auto stop = OnTerminal("to-bmu missing.mp3 sub/b.mp3", "n\n");
    EXPECT_EQ(stop.status, 1) << stop.out;
    EXPECT_NE(stop.out.find("sub/b.mp3: not reached"), std::string::npos) << stop.out;
    EXPECT_FALSE(fs::exists(Path("sub/b.bmu")));
}

TEST_F(TunewrapCli, WavNamesAndExpectationWithSkippingOrReencodingUnsuitableFiles) {
    WriteFile(Path("fx.mp3"), kMono96);
    WriteFile(Path("music.mp3"), kJoint128);
    WriteFile(Path("fx.bmu"), "old");  // not what is written, so not asked about
    const auto wav = Cli({"to-bmu", "--wav", "fx.mp3", "music.mp3"});
    EXPECT_EQ(wav.status, 0) << wav.err;
    EXPECT_EQ(wav.out, "fx.mp3: converted to ./fx.wav\nmusic.mp3: converted to ./music.wav\n");
    // Without a terminal the warning's default converts the unsuitable file anyway.
    EXPECT_TRUE(wav.err.starts_with("Warning\nWarning! 'music.mp3'\n") &&
                wav.err.find("? [Y/n] y\n") != std::string::npos)
        << wav.err;
    EXPECT_EQ(Cli({"to-bmu", "--wav", "fx.mp3"}).out, "fx.mp3: skipped: exists\n");

    const auto skip =
        Cli({"to-bmu", "-q", "--overwrite", "--skip-unsuitable", "fx.mp3", "music.mp3"});
    EXPECT_EQ(skip.status, 1);
    EXPECT_EQ(skip.out, "fx.mp3: skipped: unsuitable\nmusic.mp3: converted to ./music.bmu\n");
    EXPECT_EQ(skip.err, "");  // no question that answers itself, no summary
    EXPECT_EQ(ReadFile(Path("fx.bmu")), "old");

    if (!tunewrap::ReencodeAvailable()) GTEST_SKIP() << "built without re-encoding";
    const auto reencode =
        Cli({"to-bmu", "--wav", "--overwrite", "--reencode", "fx.mp3", "music.mp3"});
    EXPECT_EQ(reencode.out,
              "fx.mp3: converted to ./fx.wav\nmusic.mp3: re-encoded to ./music.wav\n");
    EXPECT_EQ(reencode.err, "2 converted, 0 skipped, 0 failed\n");  // no "Warning"
    EXPECT_EQ(reencode.status, 0);
}

TEST_F(TunewrapCli, UsageErrorsExitWithTwoAndWriteNothing) {
    WriteFile(Path("a.mp3"), kJoint128);
    // Where a message is given, it says what was wrong and what was meant.
    for (const auto& [args, message] :
         std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{}, ""},
             {{"to-bmu"}, ""},
             {{"info"}, ""},
             {{"to-bmu", "a.mp3", "--bogus", "a.mp3"}, ""},
             {{"to-mp3", "--wav", "a.mp3"}, ""},
             {{"to-bmu", "--reencode", "--skip-unsuitable", "a.mp3"}, ""},
             {{"to-mp3", "--overwrite", "--skip-existing", "a.mp3"}, ""},
             {{"frobnicate"}, "unknown command 'frobnicate' (the commands are info, to-bmu"},
             {{"help", "me"}, "unknown command 'me'"},
             {{"info", "-dash.mp3"}, "goes after --: tunewrap-cli info -- -dash.mp3)"},
             {{"to-bmu", "-o", "no dir", "--", "-c.mp3"}, "Directory does not exist: no dir"},
             {{"fix", "-j", "0", "a.mp3"},
              "--jobs: must be a whole number of at least 1, not 0"}}) {
        const auto run = Cli(args);
        EXPECT_EQ(run.status, 2) << testing::PrintToString(args);
        EXPECT_TRUE(!run.err.empty() && run.err.find(message) != std::string::npos) << run.err;
    }
    EXPECT_FALSE(fs::exists(Path("a.bmu")) || fs::exists(Path("a.fixed.mp3")));
    const auto help = Cli({"help", "fix"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out, Cli({"fix", "--help"}).out);
    EXPECT_EQ(help.out.find("to-mp3"), std::string::npos);  // no other command's footer
    const std::string all = Cli({"--help"}).out;
    for (const char* clutter : {"REQUIRED", "TEXT", "DIR:", "Excludes"})
        EXPECT_EQ(all.find(clutter), std::string::npos) << clutter;
    EXPECT_EQ(all.find("Exit status:"), all.rfind("Exit status:"));
    EXPECT_EQ(Cli({"--version"}).out,
              "Tunewrap - v0.35\nLicensed under the MIT licence; the LICENSE file beside the "
              "README has its terms.\n");
}

// Names stand anywhere among the options, and after "--" as well, but never as an option's value.
TEST_F(TunewrapCli, NamesAreTakenAroundOptionsAndTheirValues) {
    for (const char* name : {"a.mp3", "b.mp3", "-c.mp3"}) WriteFile(Path(name), kJoint128);
    fs::create_directories(Path("out"));
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"to-bmu", "-qo", "out", "a.mp3", "--overwrite", "b.mp3", "--", "-c.mp3"},
             {"to-bmu", "a.mp3", "--output=out", "b.mp3", "--overwrite", "--", "-c.mp3"},
             {"to-bmu", "--overwrite", "a.mp3", "b.mp3", "-o", "out", "--", "-c.mp3"}}) {
        EXPECT_EQ(Cli(args).out,
                  "a.mp3: converted to out/a.bmu\nb.mp3: converted to out/b.bmu\n"
                  "-c.mp3: converted to out/-c.bmu\n")
            << testing::PrintToString(args);
    }
    // "++" hands what follows back to the main command, which takes no names.
    EXPECT_EQ(Cli({"info", "a.mp3", "++", "b.mp3"}).status, 2);
}

TEST_F(TunewrapCli, FailuresAndRefusalsLetTheOtherFilesGoOn) {
    for (const char* name : {"one/a.mp3", "two/b.mp3", "one/c.mp3"})
        WriteFile(Path(name), kJoint128);
    WriteFile(Path("one/x.bmu"), "BMU V1.0" + kJoint128);
    fs::create_directories(Path("dir.mp3"));
    const auto run = Cli({"to-bmu", "--overwrite", "one/a.mp3", "missing.mp3", "two/b.mp3",
                          "one/c.mp3", "one/x.bmu", "dir.mp3"});
    EXPECT_EQ(run.status, 1);
    // One batch per directory, in the order the directories first appear.
    std::vector<std::string> lines;
    std::istringstream out(run.out);
    for (std::string line; std::getline(out, line);) {
        const std::size_t failed = line.find(": failed: ");  // the reason is the system's
        lines.push_back(failed == std::string::npos ? line : line.substr(0, failed + 10));
    }
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "one/a.mp3: converted to one/a.bmu", "one/c.mp3: converted to one/c.bmu",
                         "one/x.bmu: failed: ", "missing.mp3: failed: ", "dir.mp3: failed: ",
                         "two/b.mp3: converted to two/b.bmu"}));
    EXPECT_EQ(ReadFile(Path("one/x.bmu")), "BMU V1.0" + kJoint128);
    EXPECT_NE(run.err.find("Conversion Failed\nmissing.mp3 "), std::string::npos) << run.err;
    EXPECT_EQ(Cli({"to-bmu", ""}).out, ": failed: The file name is empty\n");
#ifndef _WIN32
    // A file that says it is empty and yet gives bytes is not taken for empty.
    EXPECT_EQ(Cli({"to-bmu", "-o", ".", "/proc/self/status"}).out,
              "/proc/self/status: failed: The file's size is not known before it is read (as "
              "with the files in /proc)\n");
    EXPECT_FALSE(fs::exists(Path("status.bmu")));
#endif
    // After the last file nothing is left to go on with.
    EXPECT_EQ(Cli({"to-bmu", "missing.mp3"}).err.find("Conversion Failed"), std::string::npos);

    // Back again with each option on and off: an existing file is overwritten only when told,
    // and the time (whole seconds: the file system may keep more than the copy) is kept unless
    // told not to.
    WriteFile(Path("one/y.bmu"), "BMU V1.0" + kJoint128);
    const auto old = std::chrono::floor<std::chrono::seconds>(fs::file_time_type::clock::now() -
                                                              std::chrono::hours(48));
    for (const char* bmu : {"one/x.bmu", "one/y.bmu"}) fs::last_write_time(Path(bmu), old);
    for (const auto& [flags, overwritten, kept] :
         std::vector<std::tuple<std::vector<std::string>, bool, bool>>{
             {{}, false, true},
             {{"--overwrite"}, true, true},
             {{"--overwrite", "--no-preserve-time"}, true, false}}) {
        WriteFile(Path("two/x.mp3"), "old");
        std::vector<std::string> args{"to-mp3", "-o", "two", "one/x.bmu", "one/y.bmu"};
        args.insert(args.end(), flags.begin(), flags.end());
        Cli(args);
        EXPECT_EQ(ReadFile(Path("two/x.mp3")), overwritten ? kJoint128 : "old");
        EXPECT_EQ(ReadFile(Path("two/y.mp3")), kJoint128);
        EXPECT_EQ(fs::last_write_time(Path("two/y.mp3")) == old, kept);
        EXPECT_EQ(fs::last_write_time(Path("one/x.bmu")), old);  // the source is only read
        fs::remove(Path("two/y.mp3"));
    }
    // Sources of one destination name, also from two directories: the first file written
    // stays, overwrite or not. A plain MP3 is no BMU file, whatever its name.
    WriteFile(Path("one/x.wav"), "BMU V1.0wav");
    WriteFile(Path("two/x.BMU"), "BMU V1.0two");
    WriteFile(Path("one/song.bmu"), kJoint128);
    const auto clash = Cli({"to-mp3", "--overwrite", "-o", "two", "one/x.bmu", "two/x.BMU",
                            "one/x.wav", "one/song.bmu"});
    EXPECT_EQ(clash.status, 1);
    const std::string again = ": failed: would overwrite a file this run just created\n";
    EXPECT_EQ(clash.out, "one/x.bmu: converted to two/x.mp3\none/x.wav" + again +
                             "one/song.bmu: failed: not a BMU file\ntwo/x.BMU" + again);
    EXPECT_EQ(ReadFile(Path("two/x.mp3")), kJoint128);
    // BMU data named .mp3 would be unwrapped over itself.
    WriteFile(Path("one/held.mp3"), "BMU V1.0" + kJoint128);
    EXPECT_EQ(Cli({"to-mp3", "--overwrite", "one/held.mp3"}).out,
              "one/held.mp3: failed: Source and destination are the same file\n");
    EXPECT_EQ(ReadFile(Path("one/held.mp3")), "BMU V1.0" + kJoint128);
}

// Lines in the order given whichever file is done first; only unsuitable files are re-encoded.
TEST_F(TunewrapCli, FixWritesSuitableFilesOnceAndNeverOverASource) {
    if (!tunewrap::ReencodeAvailable()) GTEST_SKIP() << "built without re-encoding";
    const std::string vbr = Sample("vbr.mp3");
    std::string song;
    while (song.size() < 300'000) song += vbr;  // done last when started first
    WriteFile(Path("one/long.mp3"), song);
    WriteFile(Path("one/a.b.mp3"), Sample("cbr128_48k.mp3"));
    WriteFile(Path("two/a.b.mp3"), Sample("mpeg2_22k.mp3"));
    WriteFile(Path("ok.mp3"), kJoint128);
    WriteFile(Path("mono.mp3"), kMono96);
    const auto run = Cli({"fix", "-j", "2", "-o", "two", "one/long.mp3", "one/a.b.mp3", "ok.mp3",
                          "missing.mp3", "two/a.b.mp3"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "one/long.mp3: fixed to two/long.fixed.mp3\n"
              "one/a.b.mp3: fixed to two/a.b.fixed.mp3\nok.mp3: skipped: suitable\n"
              "missing.mp3: failed: No such file or directory\n"
              "two/a.b.mp3: failed: would overwrite a file this run just created\n");
    EXPECT_EQ(run.err, "2 fixed, 1 suitable, 0 skipped, 2 failed\n");
    EXPECT_EQ(ReadFile(Path("one/long.mp3")), song);
    for (const auto& fixed : Info({"two/long.fixed.mp3", "two/a.b.fixed.mp3"}))
        EXPECT_TRUE(fixed["suitable"]) << fixed;

    const auto again = Cli({"fix", "--wav", "one/a.b.mp3", "mono.mp3", "ok.mp3"});
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out,
              "one/a.b.mp3: fixed to one/a.b.fixed.mp3\nmono.mp3: skipped: suitable\n"
              "ok.mp3: fixed to ./ok.fixed.mp3\n");
    EXPECT_TRUE(Info({"--wav", "ok.fixed.mp3"})[0]["suitable"]);
    const auto kept = Cli({"fix", "--skip-existing", "-o", "two", "one/a.b.mp3"});
    EXPECT_EQ(kept.out, "one/a.b.mp3: skipped: exists\n");
    EXPECT_EQ(kept.status, 0);

    // However a destination is spelt or reached, fix writes it once and never over a source.
    const std::string unsuitable = Sample("cbr128_48k.mp3");
    for (const char* name : {"a.mp3", "a.wav", "b.mp3", "b.fixed.mp3", "s.fixed.mp3", "feat. X"})
        WriteFile(Path(name), unsuitable);
    const auto guarded = Cli({"fix", "-j", "2", "--overwrite", "a.mp3", Path("a.wav"), "b.mp3",
                              "b.fixed.mp3", "feat. X"});
    EXPECT_EQ(guarded.out, "a.mp3: fixed to ./a.fixed.mp3\n" + Path("a.wav") +
                               ": failed: would overwrite a file this run just created\n"
                               "b.mp3: failed: would overwrite a source of this run\n"
                               "b.fixed.mp3: fixed to ./b.fixed.fixed.mp3\n"
                               "feat. X: fixed to ./feat. X.fixed.mp3\n");
    EXPECT_TRUE(ReadFile(Path("b.fixed.mp3")) == unsuitable);
#ifndef _WIN32
    fs::create_symlink("s.fixed.mp3", Path("s.mp3"));
    EXPECT_EQ(Cli({"fix", "--overwrite", "s.mp3"}).out,
              "s.mp3: failed: Source and destination are the same file\n");
    EXPECT_TRUE(ReadFile(Path("s.fixed.mp3")) == unsuitable);
#endif

    // A re-encode shows the copy's progress line on a terminal, taken away before the file's line.
    const auto shown = OnTerminal("fix --overwrite a.mp3");
    if (shown.status != 0) GTEST_SKIP() << "no script(1) or no terminal";
    EXPECT_NE(shown.out.find("\rRe-encoding a.mp3 [---"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("\r\x1B[Ka.mp3: fixed to ./a.fixed.mp3"), std::string::npos);
}

#ifdef _WIN32
// Windows has no unnamed files: a run killed mid-copy leaves its part file, which no one holds
// any more, and the next run of the same destination removes it.
TEST_F(TunewrapCli, KilledMidCopyLeavesAPartFileThatTheNextRunRemoves) {
    const std::string part = Path("big.bmu") + platform::kPartFileSuffix;
    WriteFile(Path("big.mp3"), std::string(64 << 20, 'x'));
    bool seen = false;
    {
        ChildProcess run({TUNEWRAP_CLI, "to-bmu", "big.mp3"}, root_.string());
        while (!seen && !fs::exists(Path("big.bmu"))) seen = fs::exists(part);
    }  // killed here
    if (!seen) GTEST_SKIP() << "the copy ended before it could be killed";
    EXPECT_TRUE(fs::exists(part));
    EXPECT_EQ(Cli({"to-bmu", "--overwrite", "big.mp3"}).status, 0);
    EXPECT_FALSE(fs::exists(part));
    EXPECT_EQ(fs::file_size(Path("big.bmu")), (64u << 20) + 8);
}
#else
// A full disk behind stdout fails the run; a reader that went away ends it quietly, also when
// SIGPIPE is ignored (as coreutils do).
TEST_F(TunewrapCli, OutputThatCannotBeWrittenFailsOrEndsTheRun) {
    WriteFile(Path("a.mp3"), kJoint128);
    WriteFile(Path("b.mp3"), kJoint128);
    int gone[2];
    ASSERT_EQ(pipe(gone), 0);
    close(gone[0]);
    auto run = [&](const std::string& stdoutTo, std::vector<std::string> args) {
        args.insert(args.begin(),
                    {"sh", "-c", "trap '' PIPE; exec \"$0\" \"$@\" >" + stdoutTo, TUNEWRAP_CLI});
        return ChildProcess(args, root_.string()).Wait();
    };
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"info", "--json", "a.mp3"}, {"to-bmu", "--overwrite", "a.mp3"}}) {
        const auto full = run("/dev/full", args);
        EXPECT_EQ(full.status, 1) << args[0];
        EXPECT_NE(full.err.find("write error: No space left on device"), std::string::npos)
            << full.err;
    }
    const auto closed =
        run("&" + std::to_string(gone[1]), {"to-bmu", "--overwrite", "a.mp3", "b.mp3"});
    close(gone[1]);
    EXPECT_FALSE(closed.exited);
    EXPECT_EQ(closed.status, SIGPIPE);
    EXPECT_EQ(closed.err, "");
    EXPECT_FALSE(fs::exists(Path("b.bmu")));  // ended at the first line it could not write
}

// A thread's stack (as large as the stack limit) that the address space cannot hold: no thread
// starts, and the files are re-encoded all the same.
TEST_F(TunewrapCli, FixGoesOnWhenNoThreadCanStart) {
    if (!tunewrap::ReencodeAvailable()) GTEST_SKIP() << "built without re-encoding";
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer needs more address space than the limit that stops threads";
#endif
    WriteFile(Path("a.mp3"), Sample("cbr128_48k.mp3"));
    WriteFile(Path("b.mp3"), Sample("cbr128_48k.mp3"));
    const auto run =
        ChildProcess({"sh", "-c", "ulimit -s 4000000; ulimit -v 3000000; exec \"$0\" \"$@\"",
                      TUNEWRAP_CLI, "fix", "-j", "2", "a.mp3", "b.mp3"},
                     root_.string())
            .Wait();
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "a.mp3: fixed to ./a.fixed.mp3\nb.mp3: fixed to ./b.fixed.mp3\n");
}
#endif

TEST_F(TunewrapCli, HakPacksSongsOnABaseTableListsWhatItAddsAndWritesNothingWithoutOne) {
    fs::create_directories(Path("songs"));
    WriteFile(Path("songs/Café Nocturne.mp3"), kJoint128);
    WriteFile(Path("songs/notes.txt"), "left alone");
    WriteFile(Path("Mono.mp3"), kMono96);
    WriteFile(Path("base.2da"),
              "2DA V2.0\n\nDescription Resource Stinger1 Stinger2 Stinger3 "
              "DisplayName\n0 **** mus_town **** **** **** \"Town\"\n");
    auto run = Cli({"hak", "-o", "no.hak", "Mono.mp3"});  // no game on this machine
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("0 packed, 1 failed\nNo hak written: No music table to start from"),
              std::string::npos)
        << run.err;
    EXPECT_FALSE(fs::exists(Path("no.hak")));

    // A folder's songs in name order, whatever order the file system keeps.
    WriteFile(Path("songs/broken.mp3"), "not audio");
    for (const char* name : {"songs/z.mp3", "songs/a.mp3", "songs/m.mp3"})
        WriteFile(Path(name), kJoint128);
    run = Cli({"hak", "-o", "my.hak", "--table", "base.2da", "songs", "Mono.mp3"});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.out,
              "songs/Café Nocturne.mp3: packed as cafe_nocturne, row 1\n"
              "songs/a.mp3: packed as a, row 2\n"
              "songs/broken.mp3: failed: No MPEG audio could be decoded\n"
              "songs/m.mp3: packed as m, row 3\nsongs/z.mp3: packed as z, row 4\n"
              "Mono.mp3: packed as mono, row 5\n");
    EXPECT_NE(run.err.find("Mono.mp3: - Bit Rate is not 128 kbps - 96 kbps reported\n"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("5 packed, 1 failed\nHak written to my.hak\n"), std::string::npos);
    const json listing =
        json::parse(Cli({"hak", "--list", "my.hak", "--table", "base.2da", "--json"}).out);
    EXPECT_EQ(listing["entries"].size(), 6u);
    EXPECT_EQ(listing["added_rows"][0], json::parse(R"({"row": 1, "resource": "cafe_nocturne",
                                                         "display_name": "Café Nocturne"})"));
    EXPECT_EQ(listing["added_rows"][4]["display_name"], "Mono");
    // The game found by its folder: its key names where the music table would be read from.
    fs::create_directories(Path("nwn/data"));
    WriteFile(Path("nwn/data/nwn_base.key"), "");
    run = Cli({"game", "--game", Path("nwn")});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("game: " + Path("nwn") + "\n"), std::string::npos) << run.out;
    EXPECT_EQ(Cli({"game", "--game", Path("songs")}).status, 1);
    // The same names for files of their own.
    EXPECT_EQ(Cli({"to-bmu", "--game-names", "-o", "songs", "songs/Café Nocturne.mp3"}).out,
              "songs/Café Nocturne.mp3: converted to songs/cafe_nocturne.bmu\n");
}

}  // namespace
