// The command-line tool stopped by signals in the middle of a copy: the destination name never
// holds a partial file.
#include <fcntl.h>

#include <csignal>

#include "common/ChildProcess.h"
#include "common/ScratchHome.h"

namespace {

using Names = std::set<std::string>;
const std::string kPartSuffix = ".tunewrap-part";  // the documented name, not the constant

class CliFaults : public ScratchHome {
  protected:
    std::vector<std::string> Argv(const std::vector<std::string>& files) const {
        std::vector<std::string> argv{TUNEWRAP_CLI, "to-bmu", "--overwrite", "-o", "out"};
        argv.insert(argv.end(), files.begin(), files.end());
        return argv;
    }
    // Starts converting files[big], a source far larger than any copy finishes between two
    // looks (sparse, so it costs no disk), and freezes the tool once it reads that source and
    // writes its output.
    void StartFrozen(std::unique_ptr<ChildProcess>& child, const std::vector<std::string>& files,
                     std::size_t big = 0) {
        WriteFile(Path(files[big]), kFrameHeader);
        std::filesystem::resize_file(Path(files[big]), 512 << 20);
        std::filesystem::create_directories(Path("out"));
        child = std::make_unique<ChildProcess>(Argv(files), root_.string());
        ASSERT_TRUE(child->StopWhenOpen({Path(files[big]), Path("out")}));
    }
    const std::string kFrameHeader = "\xFF\xFB\x90\x00";
};

// SIGKILL cannot be caught: what is left must still never look like a finished file. Where the
// file system keeps the output unnamed until it is complete, nothing at all is left; else one
// part file (for a name too long to take the suffix, a shortened one) that no one holds, which
// the next conversion removes.
TEST_F(CliFaults, KilledMidCopyLeavesAtMostOnePartFileThatTheNextRunRemoves) {
    for (const std::string& stem : {std::string("big"), std::string(251, 'n')}) {
        for (const bool existing : {false, true}) {
            SCOPED_TRACE(std::to_string(stem.size()) + (existing ? " over a file" : " new file"));
            const std::string mp3 = stem + ".mp3", bmu = stem + ".bmu";
            std::filesystem::remove_all(Path("out"));
            if (existing) WriteFile(Path("out/" + bmu), "old bytes");
            std::unique_ptr<ChildProcess> child;
            StartFrozen(child, {mp3});
            child->Signal(SIGKILL);
            const auto killed = child->Wait();
            EXPECT_FALSE(killed.exited);

            Names left = Listing("out");
            EXPECT_EQ(left.erase(bmu), existing ? 1u : 0u);
            const int probe = open(Path("out").c_str(), O_TMPFILE | O_WRONLY, 0600);
            ASSERT_LE(left.size(), probe >= 0 ? 0u : 1u);
            if (probe >= 0) close(probe);
            for (const std::string& part : left) {
                EXPECT_EQ(part.rfind(stem.substr(0, 100), 0), 0u) << part;
                EXPECT_TRUE(part.ends_with(kPartSuffix)) << part;
            }
            if (existing) {
                EXPECT_EQ(ReadFile(Path("out/" + bmu)), "old bytes");
            }

            // The same file again, now small: any part file is gone.
            std::filesystem::resize_file(Path(mp3), 4096 + 1);
            const auto again = ChildProcess(Argv({mp3}), root_.string()).Wait();
            EXPECT_EQ(again.status, 0) << again.out << again.err;
            EXPECT_EQ(Listing("out"), Names{bmu});
            EXPECT_EQ(std::filesystem::file_size(Path("out/" + bmu)), 8u + 4096 + 1);
        }
    }
}

// Also for a background job of a script, which starts with Ctrl+C ignored; the file done before
// is reported at once, not when the run ends.
TEST_F(CliFaults, TerminatedOrHungUpMidCopyCancelsCleansUpAndSaysSo) {
    for (const auto& [signalNumber, sigintIgnored] : {std::pair(SIGTERM, true), {SIGHUP, false}}) {
        SCOPED_TRACE(signalNumber);
        std::filesystem::remove_all(Path("out"));
        WriteFile(Path("out/big.bmu"), "old bytes");
        WriteFile(Path("small.mp3"), kFrameHeader);
        WriteFile(Path("later.mp3"), "never reached");
        std::signal(SIGINT, sigintIgnored ? SIG_IGN : SIG_DFL);  // inherited by the tool
        std::unique_ptr<ChildProcess> child;
        StartFrozen(child, {"small.mp3", "big.mp3", "later.mp3"}, 1);
        std::signal(SIGINT, SIG_DFL);
        EXPECT_EQ(ReadFile(Path("stdout.txt")), "small.mp3: converted to out/small.bmu\n");
        child->Signal(signalNumber);
        child->Signal(SIGCONT);
        const auto run = child->Wait();
        EXPECT_TRUE(run.exited) << "ended by signal " << run.status;
        EXPECT_EQ(run.status, 128 + signalNumber);
        EXPECT_EQ(run.out,
                  "small.mp3: converted to out/small.bmu\nbig.mp3: cancelled\n"
                  "later.mp3: not reached\n");
        EXPECT_TRUE(
            run.err.ends_with("1 converted, 0 skipped, 0 failed, 1 cancelled, "
                              "1 not reached\n"))
            << run.err;
        EXPECT_EQ(Listing("out"), (Names{"big.bmu", "small.bmu"}));
        EXPECT_EQ(ReadFile(Path("out/big.bmu")), "old bytes");
    }
}

}  // namespace
