#include "ByteCopier.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "ConvertFile.h"
#include "FileIo.h"

namespace tunewrap {

namespace {

bool WriteAll(platform::PartFile& to, const char* bytes, std::size_t size, std::string& error) {
    if (to.Write(bytes, size)) return true;
    error = std::strerror(errno);
    return false;
}

// Copies follow one another, so each takes the buffer the last one left: no allocation and no
// fresh zeroed pages per file. A copy started while another runs makes its own.
thread_local std::unique_ptr<char[]> spareBuffer;

std::unique_ptr<char[]> TakeBuffer() {
    if (spareBuffer) return std::move(spareBuffer);
    return std::make_unique_for_overwrite<char[]>(ByteCopier::kChunkBytes);
}

}  // namespace

ByteCopier::ByteCopier(platform::ReadOnlyFile& from, platform::PartFile& to,
                       std::string_view header, std::string_view read)
    : from_(from), to_(to), buffer_(TakeBuffer()) {
    char* end = std::copy(header.begin(), header.end(), buffer_.get());
    end = std::copy(read.begin(), read.end(), end);
    filled_ = end - buffer_.get();
    ahead_ = std::ssize(read);
}

ByteCopier::~ByteCopier() {
    spareBuffer = std::move(buffer_);
}

bool ByteCopier::Add(std::int64_t bytes, std::string& error) {
    const std::int64_t taken = std::min(ahead_, bytes);
    ahead_ -= taken;
    pending_ += bytes - taken;
    while (filled_ + pending_ >= kChunkBytes) {
        const std::int64_t room = kChunkBytes - filled_;
        if (!Read(room, error)) return false;
        pending_ -= room;
        if (!WriteAll(to_, buffer_.get(), static_cast<std::size_t>(filled_), error)) return false;
        filled_ = 0;
    }
    return true;
}

bool ByteCopier::Flush(std::string& error) {
    if (!Read(pending_, error)) return false;
    pending_ = 0;
    // Bytes read ahead of a source that has shrunk since it was opened were never asked for.
    const std::size_t size = static_cast<std::size_t>(filled_ - ahead_);
    filled_ = 0;
    ahead_ = 0;
    return WriteAll(to_, buffer_.get(), size, error);
}

bool ByteCopier::Skip(std::int64_t bytes, std::string& error) {
    const std::int64_t kept = filled_;
    if (!Read(bytes, error)) return false;
    filled_ = kept;
    return true;
}

bool ByteCopier::Read(std::int64_t bytes, std::string& error) {
    while (bytes > 0) {
        const std::int64_t n = from_.Read(buffer_.get() + filled_, static_cast<std::size_t>(bytes));
        if (n <= 0) {
            error = n < 0 ? std::strerror(errno) : kSourceChangedReason;
            return false;
        }
        filled_ += n;
        bytes -= n;
    }
    return true;
}

}  // namespace tunewrap
