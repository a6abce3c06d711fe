#include "ByteCopier.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "FailureReasons.h"
#include "FileIo.h"

namespace tunewrap {

namespace {

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
    for (std::int64_t end = ChunkEnd(); filled_ + pending_ >= end; end = ChunkEnd()) {
        if (!Send(end - filled_, error)) return false;
    }
    return true;
}

bool ByteCopier::Flush(std::string& error) {
    while (pending_ > 0) {
        if (!Send(std::min(pending_, ChunkEnd() - filled_), error)) return false;
    }
    // Bytes read ahead of a source that has shrunk since it was opened were never asked for.
    const std::int64_t size = filled_ - ahead_;
    ahead_ = 0;
    return WriteBuffer(size, error);
}

// Whole buffers are written up to the destination's next chunk boundary, which keeps them aligned
// also after the kernel has moved some bytes and then none.
std::int64_t ByteCopier::ChunkEnd() const {
    return kernel_ ? kKernelChunkBytes : kChunkBytes - written_ % kChunkBytes;
}

// Sends what the buffer holds and the next `bytes` queued; without the kernel these fit in the
// buffer.
bool ByteCopier::Send(std::int64_t bytes, std::string& error) {
    if (kernel_) {
        if (!WriteBuffer(filled_, error)) return false;
        while (bytes > 0) {
            const std::int64_t moved = to_.CopyFrom(from_, bytes);
            if (moved == 0) {
                kernel_ = false;  // the caller sends the rest through the buffer
                return true;
            }
            written_ += moved;
            pending_ -= moved;
            bytes -= moved;
        }
        return true;
    }
    if (!Read(bytes, error)) return false;
    pending_ -= bytes;
    return WriteBuffer(filled_, error);
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

bool ByteCopier::WriteBuffer(std::int64_t bytes, std::string& error) {
    if (!to_.Write(buffer_.get(), static_cast<std::size_t>(bytes))) {
        error = std::strerror(errno);
        return false;
    }
    written_ += bytes;
    filled_ = 0;
    return true;
}

}  // namespace tunewrap
