// The whole re-encode, decoder to resampler to encoder, over arbitrary file contents, with a
// Cancel pressed at a chosen look or never.
#include <fuzzer/FuzzedDataProvider.h>
#include <stdlib.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "FuzzCheck.h"
#include "MP3Utils.h"
#include "Reencode.h"
#include "Suitability.h"

namespace {

class CancelAt : public ProgressSink {
  public:
    explicit CancelAt(int look) : look_(look) {}
    void SetFileName(const std::string&) override {}
    void SetTotal(std::int64_t) override {}
    void SetDone(std::int64_t) override {}
    void ShowDialog() override {}
    void CloseDialog() override {}
    bool CancelRequested() const override { return cancel_; }
    void ClearCancel() override { cancel_ = false; }
    void Yield() override { cancel_ = cancel_ || ++looks_ == look_; }

  private:
    int look_;
    int looks_ = 0;
    bool cancel_ = false;
};

const std::filesystem::path& Scratch() {
    static const std::filesystem::path dir = [] {
        // Outlives every static object, so the folder can still be named at exit.
        static char pattern[] = "/tmp/reencode_fuzz-XXXXXX";
        FUZZ_CHECK(mkdtemp(pattern) != nullptr);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(pattern, ignored);
        });
        return std::filesystem::path(pattern);
    }();
    return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const bool renameWav = input.ConsumeBool();
    const int cancelAt = input.ConsumeIntegralInRange(0, 3);  // 0: never
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    const std::string source = Scratch() / "in.mp3";
    const std::string destination = Scratch() / "out.mp3";
    std::filesystem::remove(destination);
    std::ofstream(source, std::ios::binary | std::ios::trunc) << bytes;

    CancelAt sink(cancelAt);
    const tunewrap::ConvertResult result =
        tunewrap::ReencodeFile(source, destination, renameWav, sink);
    using Status = tunewrap::ConvertResult::Status;
    FUZZ_CHECK(result.ok() == std::filesystem::exists(destination));
    FUZZ_CHECK(result.ok() || result.status == Status::Cancelled || !result.reason.empty());
    // Nothing left behind but the source and, when complete, the destination.
    const auto entries = std::distance(std::filesystem::directory_iterator(Scratch()),
                                       std::filesystem::directory_iterator());
    FUZZ_CHECK(entries == (result.ok() ? 2 : 1));
    if (result.ok()) {
        MP3Utils reader;
        FUZZ_CHECK(reader.MP3File(destination));
        FUZZ_CHECK(!tunewrap::CheckSuitability("out.mp3", reader, renameWav).WarningWanted());
    }
    return 0;
}
