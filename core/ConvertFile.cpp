#include "ConvertFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "BmuFile.h"
#include "ByteCopier.h"
#include "FileIo.h"
#include "UiText.h"

namespace tunewrap {

namespace {

// What sets the two directions apart; the copy itself is the same.
struct Direction {
    std::string_view header;  // to BMU: goes in front of the copied bytes
    std::int64_t dropsBytes;  // to MP3: the first bytes of the source are skipped
};
constexpr Direction kToBMU{{kBmuHeader, kBmuHeaderSize}, 0};
constexpr Direction kToMP3{{}, kBmuHeaderSize};

ConvertResult Failed(std::string reason) {
    return {ConvertResult::Status::Failed, ShownReason(std::move(reason))};
}
ConvertResult FailedWithErrno() {
    return Failed(std::strerror(errno));
}

ConvertResult Convert(const Direction& direction, platform::ReadOnlyFile& source,
                      std::string_view read, const std::string& destinationPath,
                      const std::string& sourceFileName, bool preserveFileDateTime,
                      ProgressSink& sink, SystemTimer& stopwatch) {
    bool large = false;
    bool shown = false;

    if (source.error() != 0) return Failed(std::strerror(source.error()));
    if (source.isDirectory()) return Failed(std::strerror(EISDIR));
    if (!source.isRegular()) return Failed(platform::Tr("ConvertFile", "Not a regular file"));

    // A file of /proc or /sys says it is empty and yet gives bytes: its size cannot be trusted
    // to say where the copy ends.
    if (std::ssize(read) > source.size())
        return Failed(platform::Tr("ConvertFile", kSizeUnknownReason));

    platform::PartFile part;
    if (!part.Create(destinationPath, source.permissions())) {
        return Failed(platform::PartFileError(errno));
    }

    const std::int64_t dropped = std::min(source.size(), direction.dropsBytes);
    const std::int64_t droppedFromRead = std::min<std::int64_t>(dropped, std::ssize(read));
    read.remove_prefix(static_cast<std::size_t>(droppedFromRead));
    // The header leaves first, with the bytes already read and ahead of the copied ones.
    ByteCopier copier(source, part, direction.header, read);
    std::string failure;
    if (!copier.Skip(dropped - droppedFromRead, failure)) return Failed(failure);

    // A source shorter than the header unwraps to an empty file.
    const std::int64_t payload = std::max<std::int64_t>(0, source.size() - direction.dropsBytes);
    const std::int64_t blockCount = payload / static_cast<std::int64_t>(kBlockSize);
    const std::int64_t remainder = payload % static_cast<std::int64_t>(kBlockSize);
    large = blockCount > kLargeBlockCount;

    sink.SetFileName(sourceFileName);
    sink.SetDone(kBlockSize);
    sink.SetTotal(payload);
    if (large) {
        sink.ShowDialog();
        shown = true;
    }
    stopwatch.StartTimer();

    for (std::int64_t block = 1; block <= blockCount; ++block) {
        if (sink.CancelRequested()) break;
        if (!copier.Add(kBlockSize, failure)) break;
        sink.SetDone(block * static_cast<std::int64_t>(kBlockSize));
        if (stopwatch.ElapsedTime() > kSlowCopyMs && !shown) {
            sink.ShowDialog();
            stopwatch.StopTimer();
            shown = true;
        }
        sink.Yield();
    }
    stopwatch.StopTimer();

    // Blocks queued before a cancel are dropped with the part file, so nothing is written after it.
    if (failure.empty() && !sink.CancelRequested()) {
        if (remainder >= 1) copier.Add(remainder, failure);
        if (failure.empty()) copier.Flush(failure);
    }
    if (failure.empty()) {
        sink.SetDone(payload);
        sink.Yield();
    }
    // A copy of a file that changed meanwhile may mix old and new bytes.
    if (failure.empty() && !sink.CancelRequested() && source.Changed()) {
        failure = kSourceChangedReason;
    }
    const platform::FileTime sourceTime = source.modified();
    source.Close();
    if (shown) sink.CloseDialog();

    if (!failure.empty()) return Failed(failure);
    if (sink.CancelRequested()) return {ConvertResult::Status::Cancelled, {}};
    if (!part.PutInPlace(preserveFileDateTime ? &sourceTime : nullptr)) return FailedWithErrno();
    return {};
}

}  // namespace

ConvertResult ConvertFileToBMU(const std::string& sourcePath, const std::string& destinationPath,
                               const std::string& sourceFileName, bool preserveFileDateTime,
                               ProgressSink& sink, SystemTimer& stopwatch) {
    platform::ReadOnlyFile source(sourcePath);
    return Convert(kToBMU, source, {}, destinationPath, sourceFileName, preserveFileDateTime, sink,
                   stopwatch);
}

ConvertResult ConvertFileToMP3(const std::string& sourcePath, const std::string& destinationPath,
                               const std::string& sourceFileName, bool preserveFileDateTime,
                               ProgressSink& sink, SystemTimer& stopwatch) {
    platform::ReadOnlyFile source(sourcePath);
    return Convert(kToMP3, source, {}, destinationPath, sourceFileName, preserveFileDateTime, sink,
                   stopwatch);
}

ConvertResult ConvertOpenFile(Conversion conversion, platform::ReadOnlyFile& source,
                              std::string_view read, const std::string& destinationPath,
                              const std::string& sourceFileName, bool preserveFileDateTime,
                              ProgressSink& sink, SystemTimer& stopwatch) {
    return Convert(conversion == Conversion::ToBmu ? kToBMU : kToMP3, source, read, destinationPath,
                   sourceFileName, preserveFileDateTime, sink, stopwatch);
}

}  // namespace tunewrap
