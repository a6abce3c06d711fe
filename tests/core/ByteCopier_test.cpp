#include "ByteCopier.h"

#include <fcntl.h>
#include <unistd.h>

#include "common/ScratchHome.h"

using tunewrap::ByteCopier;

namespace {

class ByteCopierTest : public ScratchHome {};

}  // namespace

// A pipe is one of the sources the kernel copy turns down; the buffered path takes over.
TEST_F(ByteCopierTest, CopiesFromSourcesTheKernelCopyDeclines) {
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    ASSERT_EQ(write(pipeEnds[1], "hello world", 11), 11);
    close(pipeEnds[1]);
    const int out = open(Path("out").c_str(), O_WRONLY | O_CREAT, 0600);
    ByteCopier copier(pipeEnds[0], out);
    std::string error;
    EXPECT_TRUE(copier.Add(5, error));
    EXPECT_TRUE(copier.Add(6, error));
    EXPECT_EQ(ReadFile(Path("out")), "");  // less than a chunk waits for Flush
    EXPECT_TRUE(copier.Flush(error));
    EXPECT_EQ(ReadFile(Path("out")), "hello world");
    EXPECT_TRUE(copier.Add(1, error));
    EXPECT_FALSE(copier.Flush(error));  // nothing left to read
    EXPECT_FALSE(error.empty());
    close(pipeEnds[0]);
    close(out);
}

TEST_F(ByteCopierTest, WholeChunksGoOutAtOnce) {
    WriteFile(Path("in"), std::string(ByteCopier::kChunkBytes + 10, 'z'));
    const int in = open(Path("in").c_str(), O_RDONLY);
    const int out = open(Path("out").c_str(), O_WRONLY | O_CREAT, 0600);
    ByteCopier copier(in, out);
    std::string error;
    EXPECT_TRUE(copier.Add(ByteCopier::kChunkBytes - 1, error));
    EXPECT_EQ(std::filesystem::file_size(Path("out")), 0u);
    EXPECT_TRUE(copier.Add(1, error));
    EXPECT_EQ(std::filesystem::file_size(Path("out")), std::uintmax_t(ByteCopier::kChunkBytes));
    close(in);
    close(out);
}
