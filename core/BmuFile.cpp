#include "BmuFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "AsciiCase.h"
#include "ByteSource.h"
#include "FileByteSource.h"
#include "FileIo.h"
#include "Id3Title.h"
#include "MP3Utils.h"

namespace tunewrap {
namespace {

constexpr std::string_view kRiffSignature = "RIFF";
constexpr std::string_view kReplacedExtensions[] = {kMp3Extension, kBmuExtension, kWavExtension};

bool StartsWith(std::string_view head, std::string_view signature) {
    return head.substr(0, signature.size()) == signature;
}

class BehindBmuHeader final : public ByteSource {
  public:
    explicit BehindBmuHeader(ByteSource& file) : file_(file) {}
    std::span<const std::uint8_t> View(std::uint64_t offset) override {
        return file_.View(offset + kBmuHeaderSize);
    }

  private:
    ByteSource& file_;
};

}  // namespace

Container ClassifyContainer(std::string_view head) {
    if (StartsWith(head, std::string_view(kBmuHeader, kBmuHeaderSize))) return Container::Bmu;
    if (StartsWith(head, kRiffSignature)) return Container::RiffWave;
    return Container::Other;
}

ContainerProbe ProbeContainer(const std::string& path) {
    platform::ReadOnlyFile file(path);
    if (file.error() != 0) return {Container::Other, std::strerror(file.error())};
    std::array<char, kBmuHeaderSize> head{};
    const std::int64_t got = file.Read(head.data(), head.size());
    // An empty pipe has nothing to give yet; that is not a fault of the file.
    if (got < 0 && errno != EAGAIN) return {Container::Other, std::strerror(errno)};
    return {
        ClassifyContainer({head.data(), static_cast<std::size_t>(std::max<std::int64_t>(got, 0))}),
        {}};
}

ContainerProbe ScanAudio(const std::string& path, MP3Utils& reader, std::string* title) {
    platform::ReadOnlyFile opened(path);
    FileByteSource file(opened);
    if (!file.Error().empty()) return {Container::Other, file.Error()};
    const Container kind = ClassifyContainer(file.Head());
    if (kind == Container::Bmu) {
        BehindBmuHeader mp3(file);
        reader.Scan(mp3);
        if (title != nullptr) *title = Id3v2Title(mp3);
    } else {
        reader.Scan(file);
        if (title != nullptr) *title = Id3v2Title(file);
    }
    return {kind, {}};
}

bool HasExtension(std::string_view name, std::string_view extension) {
    return name.size() >= extension.size() &&
           game::EqualIgnoringCase(name.substr(name.size() - extension.size()), extension);
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
