// The command-line tool stopped by signals in the middle of a copy: the destination name never
// holds a partial file.
#include <fcntl.h>

#include <csignal>

#include "common/ChildProcess.h"
#include "common/ScratchHome.h"

namespace {

using Names = std::set<std::string>;
const std::string kPartSuffix = ".tunewrap-part";

class CliFaults : public ScratchHome {
  protected:
    std::vector<std::string> Argv(const std::vector<std::string>& files) const {
        std::vector<std::string> argv{TUNEWRAP_CLI, "to-bmu", "--overwrite", "-o", "out"};
        argv.insert(argv.end(), files.begin(), files.end());
        return argv;
    }
    // Starts converting a source far larger than any copy finishes between two looks (sparse,
    // so it costs no disk) and freezes the tool once it writes its output.
    void StartFrozen(std::unique_ptr<ChildProcess>& child, const std::vector<std::string>& files) {
        WriteFile(Path(files[0]), "\xFF\xFB\x90\x00");
        std::filesystem::resize_file(Path(files[0]), 512 << 20);
        std::filesystem::create_directories(Path("out"));
        child = std::make_unique<ChildProcess>(Argv(files), root_.string());
        ASSERT_TRUE(child->StopWhenWritingIn(Path("out")));
    }
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

TEST_F(CliFaults, TerminatedMidCopyCancelsCleansUpAndSaysSo) {
    WriteFile(Path("out/big.bmu"), "old bytes");
    WriteFile(Path("later.mp3"), "never reached");
    std::unique_ptr<ChildProcess> child;
    StartFrozen(child, {"big.mp3", "later.mp3"});
    child->Signal(SIGTERM);
    child->Signal(SIGCONT);
    const auto run = child->Wait();
    EXPECT_TRUE(run.exited) << "ended by signal " << run.status;
    EXPECT_EQ(run.status, 128 + SIGTERM);
    EXPECT_EQ(run.out, "big.mp3: cancelled\nlater.mp3: not reached\n");
    EXPECT_EQ(Listing("out"), Names{"big.bmu"});
    EXPECT_EQ(ReadFile(Path("out/big.bmu")), "old bytes");
}

}  // namespace
