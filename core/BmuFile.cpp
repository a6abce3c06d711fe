#include "BmuFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

namespace tunewrap {
namespace {

constexpr std::string_view kRiffSignature = "RIFF";
constexpr std::string_view kReplacedExtensions[] = {kMp3Extension, kBmuExtension, kWavExtension};

bool StartsWith(std::string_view head, std::string_view signature) {
    return head.substr(0, signature.size()) == signature;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

Container ClassifyContainer(std::string_view head) {
    if (StartsWith(head, std::string_view(kBmuHeader, kBmuHeaderSize))) return Container::Bmu;
    if (StartsWith(head, kRiffSignature)) return Container::RiffWave;
    return Container::Other;
}

ContainerProbe ProbeContainer(const std::string& path) {
    ContainerProbe probe;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        probe.error = std::strerror(errno);
        return probe;
    }
    std::array<char, kBmuHeaderSize> head{};
    ssize_t got;
    do {
        got = ::read(fd, head.data(), head.size());
    } while (got < 0 && errno == EINTR);
    // An empty pipe has nothing to give yet; that is not a fault of the file.
    if (got < 0 && errno != EAGAIN) {
        probe.error = std::strerror(errno);
    } else {
        probe.kind =
            ClassifyContainer({head.data(), static_cast<std::size_t>(std::max<ssize_t>(got, 0))});
    }
    ::close(fd);
    return probe;
}

bool HasExtension(std::string_view name, std::string_view extension) {
    return name.size() >= extension.size() &&
           std::equal(extension.begin(), extension.end(), name.end() - extension.size(),
                      [](char a, char b) { return Lower(a) == Lower(b); });
}

std::string DestinationName(std::string_view sourceName, std::string_view extension) {
    for (const std::string_view replaced : kReplacedExtensions) {
        // ".mp3" alone is a hidden file's whole name, not an extension.
        if (sourceName.size() > replaced.size() && HasExtension(sourceName, replaced)) {
            sourceName.remove_suffix(replaced.size());
            break;
        }
    }
    return std::string(sourceName) + std::string(extension);
}

}  // namespace tunewrap
