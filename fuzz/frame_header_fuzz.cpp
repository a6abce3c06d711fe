// The frame-header scan over arbitrary bytes: it must end within a number of reads proportional
// to the input, and it must reach the same result whether the bytes come in one piece, in small
// pieces, or from a file.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <span>
#include <string>

#include "ByteSource.h"
#include "FuzzCheck.h"
#include "MP3Utils.h"

namespace {

// Hands the bytes out in pieces of at most `piece` bytes and counts how often it is asked.
class PiecewiseSource final : public ByteSource {
  public:
    PiecewiseSource(std::span<const std::uint8_t> bytes, std::size_t piece)
        : bytes_(bytes), piece_(piece) {}

    std::span<const std::uint8_t> View(std::uint64_t offset) override {
        ++views_;
        if (offset >= bytes_.size()) return {};
        const std::size_t start = static_cast<std::size_t>(offset);
        return bytes_.subspan(start, std::min(piece_, bytes_.size() - start));
    }
    std::uint64_t views() const { return views_; }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t piece_;
    std::uint64_t views_ = 0;
};

bool SameNumbers(const MP3Utils& a, const MP3Utils& b) {
    return a.BitRate() == b.BitRate() && a.ChannelMode() == b.ChannelMode() && a.CRC() == b.CRC() &&
           a.SamplingFrequency() == b.SamplingFrequency() && a.Stereo() == b.Stereo() &&
           a.VBR() == b.VBR();
}
bool SameValues(const MP3Utils& a, const MP3Utils& b) {
    return SameNumbers(a, b) && a.Audio() == b.Audio();
}

bool HasHeaderPair(std::span<const std::uint8_t> bytes) {
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
        if (bytes[i] == 0xFF && (bytes[i + 1] == 0xFA || bytes[i + 1] == 0xFB)) return true;
    }
    return false;
}

// One file per process, rewritten for every input and removed when the run ends.
class ScratchFile {
  public:
    ScratchFile() {
        char pattern[] = "/tmp/tunewrap-fuzz-XXXXXX";
        const int fd = mkstemp(pattern);
        if (fd >= 0) close(fd);
        path_ = pattern;
    }
    ~ScratchFile() { unlink(path_.c_str()); }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte chooses the piece size, so pieces end at every possible place in a header.
    const std::size_t piece = data[0] % 9 + 1;
    const std::span<const std::uint8_t> bytes(data + 1, size - 1);

    // All the bytes in one view, as a memory buffer gives them.
    MP3Utils whole;
    PiecewiseSource all(bytes, std::max<std::size_t>(bytes.size(), 1));
    whole.Scan(all);

    MP3Utils piecewise;
    PiecewiseSource source(bytes, piece);
    piecewise.Scan(source);
    FUZZ_CHECK(SameValues(whole, piecewise));
    // Two search passes over the bytes (one reading each candidate header again), ID3v2 tags,
    // information tags and at most ten headers, each read in at most four pieces.
    FUZZ_CHECK(source.views() <= 8 * (bytes.size() + 16));

    if (!HasHeaderPair(bytes)) FUZZ_CHECK(SameNumbers(whole, MP3Utils()));
    // Values only come with MPEG-1 Layer III audio.
    if (!whole.Audio().IsMpeg1Layer3()) FUZZ_CHECK(SameNumbers(whole, MP3Utils()));

    static const ScratchFile scratch;
    const std::string& path = scratch.path();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    FUZZ_CHECK(file != nullptr);
    FUZZ_CHECK(std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
    std::fclose(file);
    MP3Utils fromFile;
    FUZZ_CHECK(fromFile.MP3File(path));
    FUZZ_CHECK(fromFile.MP3File() == path);
    FUZZ_CHECK(SameValues(whole, fromFile));
    return 0;
}
