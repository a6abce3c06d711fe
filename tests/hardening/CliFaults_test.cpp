// The command-line tool against full and read-only disks and against being stopped by signals in
// the middle of a copy: the destination name never holds a partial file.
#include <fcntl.h>
#include <unistd.h>

#include "ChildProcess.h"
#include "FaultFixture.h"

namespace {

using Names = std::set<std::string>;

constexpr const char* kPartSuffix = ".tunewrap-part";

class CliFaults : public FaultTest {
  protected:
    ChildProcess::Result Run(const std::vector<std::string>& args) {
        ChildProcess child(Argv(args), root_.string(), Path("stdout.txt"), Path("stderr.txt"));
        EXPECT_TRUE(child.Start());
        return child.Wait();
    }

    std::vector<std::string> Argv(const std::vector<std::string>& args) const {
        std::vector<std::string> argv{TUNEWRAP_CLI};
        argv.insert(argv.end(), args.begin(), args.end());
        return argv;
    }

    // A source far larger than any copy finishes between two polls: sparse, so it costs no disk.
    void WriteLargeSource(const std::string& relative) const {
        const int fd = open(Path(relative).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(write(fd, "\xFF\xFB\x90\x00", 4), 4);
        ASSERT_EQ(ftruncate(fd, off_t{512} << 20), 0);
        close(fd);
    }
};

TEST_F(CliFaults, FullDiskFailsThatFileKeepsTheOldOneAndTheRestGoOn) {
    if (!MountTmpfs("small", "size=256k")) GTEST_SKIP() << "cannot mount a tmpfs here";
    WriteFile(Path("small/big.bmu"), "old bytes");
    WriteFile(Path("big.mp3"), std::string(1 << 20, 'x'));
    WriteFile(Path("next.mp3"), std::string(5000, 'y'));

    const auto run = Run({"to-bmu", "--overwrite", "-o", "small", "big.mp3", "next.mp3"});
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("big.mp3: failed: No space left on device\n"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("next.mp3: converted to small/next.bmu\n"), std::string::npos)
        << run.out;
    EXPECT_NE(run.err.find("Conversion Failed"), std::string::npos) << run.err;
    EXPECT_EQ(ReadFile(Path("small/big.bmu")), "old bytes");
    EXPECT_EQ(ReadFile(Path("small/next.bmu")), "BMU V1.0" + std::string(5000, 'y'));
    EXPECT_EQ(Listing("small"), (Names{"big.bmu", "next.bmu"}));
}

TEST_F(CliFaults, ReadOnlyDestinationFailsEveryFileAndWritesNothing) {
    if (!MountTmpfs("ro", "size=64k")) GTEST_SKIP() << "cannot mount a tmpfs here";
    WriteFile(Path("ro/a.bmu"), "old bytes");
    ASSERT_TRUE(RemountReadOnly(Path("ro")));
    WriteFile(Path("a.mp3"), "new a");
    WriteFile(Path("b.mp3"), "new b");

    const auto run = Run({"to-bmu", "--overwrite", "-o", "ro", "a.mp3", "b.mp3"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("a.mp3: failed: Read-only file system\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("b.mp3: failed: Read-only file system\n"), std::string::npos) << run.out;
    EXPECT_EQ(ReadFile(Path("ro/a.bmu")), "old bytes");
    EXPECT_EQ(Listing("ro"), Names{"a.bmu"});
}

// SIGKILL cannot be caught: what is left must still never look like a finished file. A name
// too long to take the part suffix as it is gets a shortened part name, cleaned up all the same.
TEST_F(CliFaults, KilledMidCopyLeavesOnePartFileThatTheNextRunReplaces) {
    for (const std::string& stem : {std::string("big"), std::string(251, 'n')}) {
        for (const bool existing : {false, true}) {
            SCOPED_TRACE(stem.size());
            SCOPED_TRACE(existing ? "over an existing file" : "new file");
            const std::string mp3 = stem + ".mp3", bmu = stem + ".bmu";
            std::filesystem::remove_all(Path("out"));
            std::filesystem::create_directories(Path("out"));
            if (existing) WriteFile(Path("out/" + bmu), "old bytes");
            WriteLargeSource(mp3);

            ChildProcess child(Argv({"to-bmu", "--overwrite", "-o", "out", mp3}), root_.string(),
                               Path("stdout.txt"), Path("stderr.txt"));
            ASSERT_TRUE(child.Start(Path("out")));
            ASSERT_TRUE(child.StopWhenCreated(kPartSuffix));
            child.Signal(SIGKILL);
            const auto killed = child.Wait();
            EXPECT_FALSE(killed.exited);
            EXPECT_EQ(killed.status, SIGKILL);

            Names left = Listing("out");
            EXPECT_EQ(left.erase(bmu), existing ? 1u : 0u);
            ASSERT_EQ(left.size(), 1u);
            const std::string part = *left.begin();
            EXPECT_EQ(part.rfind(stem.substr(0, 100), 0), 0u) << part;
            EXPECT_EQ(part.substr(part.size() - std::string(kPartSuffix).size()), kPartSuffix);
            if (existing) {
                EXPECT_EQ(ReadFile(Path("out/" + bmu)), "old bytes");
            }

            // The same file again, now small: the part file is replaced and gone.
            ASSERT_EQ(truncate(Path(mp3).c_str(), 4096 + 1), 0);
            const auto again = Run({"to-bmu", "--overwrite", "-o", "out", mp3});
            EXPECT_EQ(again.status, 0) << again.out << again.err;
            EXPECT_EQ(Listing("out"), Names{bmu});
            EXPECT_EQ(std::filesystem::file_size(Path("out/" + bmu)), 8u + 4096 + 1);
            std::filesystem::remove(Path(mp3));
        }
    }
}

TEST_F(CliFaults, TerminatedMidCopyCancelsCleansUpAndSaysSo) {
    WriteFile(Path("out/big.bmu"), "old bytes");
    WriteLargeSource("big.mp3");
    WriteFile(Path("later.mp3"), "never reached");

    ChildProcess child(Argv({"to-bmu", "--overwrite", "-o", "out", "big.mp3", "later.mp3"}),
                       root_.string(), Path("stdout.txt"), Path("stderr.txt"));
    ASSERT_TRUE(child.Start(Path("out")));
    ASSERT_TRUE(child.StopWhenCreated(kPartSuffix));
    child.Signal(SIGTERM);
    child.Signal(SIGCONT);
    const auto run = child.Wait();
    EXPECT_TRUE(run.exited) << "ended by signal " << run.status;
    EXPECT_EQ(run.status, 128 + SIGTERM);
    EXPECT_EQ(run.out, "big.mp3: cancelled\nlater.mp3: not reached\n");
    EXPECT_EQ(Listing("out"), Names{"big.bmu"});
    EXPECT_EQ(ReadFile(Path("out/big.bmu")), "old bytes");
}

}  // namespace
