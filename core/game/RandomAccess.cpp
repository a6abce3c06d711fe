#include "RandomAccess.h"

#include <cerrno>
#include <cstring>
#include <memory>

#include "FileIo.h"
#include "UiText.h"

namespace tunewrap::game {

std::optional<RandomAccess> OpenRandomAccess(const std::string& path, std::string& error) {
    auto file = std::make_shared<platform::ReadOnlyFile>(path);
    if (file->error() != 0 || file->isDirectory()) {
        error = std::strerror(file->error() != 0 ? file->error() : EISDIR);
        return std::nullopt;
    }
    // A FIFO or device has no offsets to read at.
    if (!file->isRegular()) {
        error = platform::Tr("RandomAccess", "Not a regular file");
        return std::nullopt;
    }
    auto readAt = [file](std::uint64_t offset, std::size_t size, char* into) {
        if (!file->Seek(static_cast<std::int64_t>(offset))) return false;
        while (size > 0) {
            const std::int64_t n = file->Read(into, size);
            if (n <= 0) return false;
            into += n;
            size -= static_cast<std::size_t>(n);
        }
        return true;
    };
    return RandomAccess{readAt, static_cast<std::uint64_t>(file->size())};
}

RandomAccess MemoryRandomAccess(std::string_view bytes) {
    auto readAt = [bytes](std::uint64_t offset, std::size_t size, char* into) {
        if (offset > bytes.size() || size > bytes.size() - offset) return false;
        bytes.copy(into, size, static_cast<std::size_t>(offset));
        return true;
    };
    return {readAt, bytes.size()};
}

}  // namespace tunewrap::game
