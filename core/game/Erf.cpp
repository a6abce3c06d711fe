#include "Erf.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <limits>
#include <set>
#include <utility>

#include "ArchiveBytes.h"
#include "AsciiCase.h"
#include "ByteCopier.h"
#include "FailureReasons.h"
#include "FileIo.h"
#include "ResRef.h"
#include "ResourceTypes.h"
#include "UiText.h"

namespace tunewrap::game {

namespace {

using archive::kTagSize;
using archive::kTypeAt;
using archive::kVersionAt;
using archive::PutLe;
using archive::ReadLe;

// The header's fields, by where they start.
constexpr std::size_t kHeaderSize = 160;
constexpr std::size_t kLanguageCountAt = 8;
constexpr std::size_t kLocalizedSizeAt = 12;
constexpr std::size_t kEntryCountAt = 16;
constexpr std::size_t kLocalizedOffsetAt = 20;
constexpr std::size_t kKeysOffsetAt = 24;
constexpr std::size_t kResourcesOffsetAt = 28;
constexpr std::size_t kBuildYearAt = 32;
constexpr std::size_t kBuildDayAt = 36;
constexpr std::size_t kDescriptionAt = 40;
constexpr std::string_view kVersion = "V1.0";

// A key: the name, zero-padded, then the entry's index and type.
constexpr std::size_t kKeySize = 24;
constexpr std::size_t kKeyResIdAt = 16;
constexpr std::size_t kKeyTypeAt = 20;
// A resource: where its bytes are and how many.
constexpr std::size_t kResourceSize = 8;
constexpr std::size_t kResourceOffsetAt = 0;
constexpr std::size_t kResourceSizeAt = 4;
// A localized string: language, length, then the text.
constexpr std::size_t kLanguageHeadSize = 8;
constexpr std::size_t kLanguageLengthAt = 4;

constexpr std::uint64_t kMaxOffset = std::numeric_limits<std::uint32_t>::max();
// Like a file the toolset writes: readable by all, written by its owner.
constexpr unsigned kNewArchivePermissions = 0644;

struct KindTag {
    ErfKind kind;
    std::string_view tag;
};
constexpr KindTag kKindTags[] = {
    {ErfKind::Hak, "HAK "}, {ErfKind::Erf, "ERF "}, {ErfKind::Mod, "MOD "}};

using NameAndType = std::pair<std::string, std::uint16_t>;

// The game takes any case; archives store lower case.
bool IsArchiveName(std::string_view name) {
    return IsValidResRef(AsciiLowered(name));
}

// Whether `count` entries fill no more than the localized strings' room.
bool LanguagesFit(std::string_view strings, std::uint32_t count) {
    std::size_t at = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (strings.size() - at < kLanguageHeadSize) return false;
        const std::uint32_t length = ReadLe<std::uint32_t>(strings, at + kLanguageLengthAt);
        if (length > strings.size() - at - kLanguageHeadSize) return false;
        at += kLanguageHeadSize + length;
    }
    return true;
}

ErfRead Refused(std::string why) {
    return {false, {}, std::move(why)};
}

// Where the data starts: behind the header, the localized strings, the keys and the list.
std::uint64_t IndexSize(std::size_t localizedSize, std::uint64_t entryCount) {
    return kHeaderSize + localizedSize + entryCount * (kKeySize + kResourceSize);
}

std::string IndexBytes(const ErfIndex& index, ErfBuildDate date) {
    const std::uint64_t count = index.entries.size();
    const std::size_t keysAt = kHeaderSize + index.localizedStrings.size();
    const std::size_t resourcesAt = keysAt + count * kKeySize;
    std::string bytes(IndexSize(index.localizedStrings.size(), count), '\0');
    const auto kind = std::find_if(std::begin(kKindTags), std::end(kKindTags),
                                   [&](const KindTag& k) { return k.kind == index.kind; });
    bytes.replace(kTypeAt, kTagSize, kind->tag);
    bytes.replace(kVersionAt, kTagSize, kVersion);
    const std::pair<std::size_t, std::uint64_t> fields[] = {
        {kLanguageCountAt, index.localizedStringCount},
        {kLocalizedSizeAt, index.localizedStrings.size()},
        {kEntryCountAt, count},
        {kLocalizedOffsetAt, kHeaderSize},
        {kKeysOffsetAt, keysAt},
        {kResourcesOffsetAt, resourcesAt},
        {kBuildYearAt, date.yearsSince1900},
        {kBuildDayAt, date.dayOfYear},
        {kDescriptionAt, index.descriptionStrRef}};
    for (const auto& [at, value] : fields) PutLe(bytes, at, static_cast<std::uint32_t>(value));
    bytes.replace(kHeaderSize, index.localizedStrings.size(), index.localizedStrings);
    for (std::size_t i = 0; i < count; ++i) {
        const ErfEntry& entry = index.entries[i];
        const std::size_t key = keysAt + i * kKeySize;
        bytes.replace(key, entry.resRef.size(), entry.resRef);
        PutLe(bytes, key + kKeyResIdAt, static_cast<std::uint32_t>(i));
        PutLe(bytes, key + kKeyTypeAt, entry.type);
        const std::size_t resource = resourcesAt + i * kResourceSize;
        PutLe(bytes, resource + kResourceOffsetAt, entry.offset);
        PutLe(bytes, resource + kResourceSizeAt, entry.size);
    }
    return bytes;
}

}  // namespace

ErfRead ReadErfIndex(const RandomAccess& file) {
    const auto header = archive::ReadRange(file, 0, kHeaderSize);
    if (!header) return Refused(platform::Tr("Erf", "Too short for an ERF archive"));
    const std::string_view h = *header;
    const auto kind =
        std::find_if(std::begin(kKindTags), std::end(kKindTags),
                     [&](const KindTag& k) { return k.tag == h.substr(kTypeAt, kTagSize); });
    if (kind == std::end(kKindTags))
        return Refused(platform::Tr("Erf", "Not a hak, ERF or module file"));
    if (h.substr(kVersionAt, kTagSize) != kVersion)
        return Refused(platform::Tr("Erf", "Not an ERF V1.0 archive"));

    const auto field = [&](std::size_t at) { return ReadLe<std::uint32_t>(h, at); };
    const std::uint32_t count = field(kEntryCountAt);
    const std::uint32_t keysAt = field(kKeysOffsetAt);
    const std::uint32_t resourcesAt = field(kResourcesOffsetAt);
    if (!archive::TableFits(file, kHeaderSize, field(kLocalizedOffsetAt), field(kLocalizedSizeAt),
                            1) ||
        !archive::TableFits(file, kHeaderSize, keysAt, count, kKeySize) ||
        !archive::TableFits(file, kHeaderSize, resourcesAt, count, kResourceSize))
        return Refused(platform::Tr("Erf", "The archive's index lies outside the file"));

    ErfRead read{true, {kind->kind, field(kLanguageCountAt), {}, field(kDescriptionAt), {}}, {}};
    const auto strings =
        archive::ReadRange(file, field(kLocalizedOffsetAt), field(kLocalizedSizeAt));
    const auto keys = archive::ReadRange(file, keysAt, std::uint64_t{count} * kKeySize);
    const auto resources =
        archive::ReadRange(file, resourcesAt, std::uint64_t{count} * kResourceSize);
    if (!strings || !keys || !resources)
        return Refused(platform::Tr("Erf", "The archive could not be read"));
    if (!LanguagesFit(*strings, read.index.localizedStringCount))
        return Refused(platform::Tr("Erf", "The archive's descriptions do not fit their room"));
    read.index.localizedStrings = *strings;

    std::set<NameAndType> seen;
    read.index.entries.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view name = archive::NameField(*keys, i * kKeySize, kResRefMaxLength);
        if (!IsArchiveName(name))
            return Refused(platform::Filled(platform::Tr("Erf", "Entry %1 has no valid name"),
                                            {std::to_string(i)}));
        const std::size_t resource = i * kResourceSize;
        ErfEntry entry{AsciiLowered(name), ReadLe<std::uint16_t>(*keys, i * kKeySize + kKeyTypeAt),
                       ReadLe<std::uint32_t>(*resources, resource + kResourceOffsetAt),
                       ReadLe<std::uint32_t>(*resources, resource + kResourceSizeAt)};
        if (std::uint64_t{entry.offset} + entry.size > file.size)
            return Refused(platform::Filled(platform::Tr("Erf", "Entry %1 lies outside the file"),
                                            {entry.resRef}));
        if (!seen.emplace(entry.resRef, entry.type).second)
            return Refused(platform::Filled(platform::Tr("Erf", "Entry %1 is in the archive twice"),
                                            {entry.resRef}));
        read.index.entries.push_back(std::move(entry));
    }
    return read;
}

ErfBuildDate TodayForErf() {
    using namespace std::chrono;
    const sys_days today = floor<days>(system_clock::now());
    const year_month_day date{today};
    const sys_days newYear{date.year() / January / 1};
    return {static_cast<std::uint32_t>(static_cast<int>(date.year()) - 1900),
            static_cast<std::uint32_t>((today - newYear).count())};
}

constexpr std::uint64_t kCopyAlignment = 64 << 10;
constexpr std::uint64_t kAlignedEntryBytes = 64 * kCopyAlignment;

struct ErfWriter::State {
    platform::PartFile part;
    ErfIndex index;
    std::size_t entryCount = 0;
    ErfBuildDate date;
    std::uint64_t end = 0;  // where the next entry's bytes go
    std::set<NameAndType> names;

    // Whether an entry of `size` bytes may come next.
    bool Admit(std::string_view resRef, std::uint16_t type, std::uint64_t size,
               std::string& error) {
        if (!IsArchiveName(resRef)) {
            error = platform::Filled(platform::Tr("Erf", "\"%1\" is not a valid resource name"),
                                     {resRef});
        } else if (index.entries.size() == entryCount) {
            error = platform::Tr("Erf", "More entries than announced");
        } else if (end > kMaxOffset || size > kMaxOffset) {
            error = platform::Tr("Erf", "The archive would pass 4 GiB");
        } else if (!names.emplace(AsciiLowered(resRef), type).second) {
            error = platform::Filled(platform::Tr("Erf", "Entry %1 is in the archive twice"),
                                     {AsciiLowered(resRef)});
        } else {
            return true;
        }
        return false;
    }
    void Added(std::string_view resRef, std::uint16_t type, std::uint64_t size) {
        index.entries.push_back({AsciiLowered(resRef), type, static_cast<std::uint32_t>(end),
                                 static_cast<std::uint32_t>(size)});
        end += size;
    }
};

namespace {
bool NotWriting(std::string& error) {
    error = platform::Tr("Erf", "No archive is being written");
    return false;
}
}  // namespace

ErfWriter::ErfWriter() = default;
ErfWriter::~ErfWriter() = default;

bool ErfWriter::Begin(const std::string& path, const ErfIndex& index, std::size_t entryCount,
                      ErfBuildDate date, std::string& error) {
    state_.reset();
    const std::uint64_t indexSize = IndexSize(index.localizedStrings.size(), entryCount);
    if (indexSize > kMaxOffset) {
        error = platform::Tr("Erf", "Too many entries for one archive");
        return false;
    }
    auto state = std::make_unique<State>();
    state->index = {index.kind,
                    index.localizedStringCount,
                    index.localizedStrings,
                    index.descriptionStrRef,
                    {}};
    state->index.entries.reserve(entryCount);
    state->entryCount = entryCount;
    state->date = date;
    state->end = indexSize;
    if (!state->part.Create(path, kNewArchivePermissions)) {
        error = platform::PartFileError(errno);
        return false;
    }
    // The index is known only at the end; its room is kept so the data can be streamed now.
    const std::string room(indexSize, '\0');
    if (!state->part.Write(room.data(), room.size())) {
        error = std::strerror(errno);
        return false;
    }
    state_ = std::move(state);
    return true;
}

bool ErfWriter::Add(std::string_view resRef, std::uint16_t type, std::string_view bytes,
                    std::string& error) {
    if (!state_) return NotWriting(error);
    bool written = state_->Admit(resRef, type, bytes.size(), error);
    if (written && !state_->part.Write(bytes.data(), bytes.size())) {
        error = std::strerror(errno);
        written = false;
    }
    if (!written) {
        state_.reset();
        return false;
    }
    state_->Added(resRef, type, bytes.size());
    return true;
}

bool ErfWriter::Add(std::string_view resRef, std::uint16_t type, platform::ReadOnlyFile& from,
                    std::int64_t size, std::string_view head,
                    const std::function<bool(std::int64_t)>& keepGoing, std::string& error) {
    const std::uint64_t total = head.size() + static_cast<std::uint64_t>(size);
    if (!state_) return NotWriting(error);
    bool copied = state_->Admit(resRef, type, total, error);
    // A large file's bytes start on a boundary of the archive the kernel copies fastest to (half
    // as fast elsewhere, measured on ext4); the gap before them is at most a sixty-fourth of them.
    const std::uint64_t gap =
        total < kAlignedEntryBytes
            ? 0
            : (kCopyAlignment - (state_->end + head.size()) % kCopyAlignment) % kCopyAlignment;
    if (copied && gap != 0) {
        const std::string zeros(gap, '\0');
        copied = state_->part.Write(zeros.data(), zeros.size());
        if (!copied) error = std::strerror(errno);
        state_->end += gap;
    }
    if (copied) {
        ByteCopier copier(from, state_->part, head, {});
        for (std::int64_t done = 0; copied && done < size;) {
            const std::int64_t chunk = std::min(size - done, ByteCopier::kChunkBytes);
            copied = copier.Add(chunk, error);
            done += chunk;
            if (copied && !keepGoing(done)) {
                error.clear();
                copied = false;
            }
        }
        copied = copied && copier.Flush(error);
    }
    // A source that changed meanwhile may have given old and new bytes mixed.
    if (copied && from.Changed()) {
        error = kSourceChangedReason;
        copied = false;
    }
    if (!copied) {
        state_.reset();
        return false;
    }
    state_->Added(resRef, type, total);
    return true;
}

bool ErfWriter::Finish(std::string& error) {
    if (!state_) return NotWriting(error);
    const std::unique_ptr<State> state = std::move(state_);
    if (state->index.entries.size() != state->entryCount) {
        error = platform::Filled(
            platform::Tr("Erf", "%1 of %2 entries were added"),
            {std::to_string(state->index.entries.size()), std::to_string(state->entryCount)});
        return false;
    }
    const std::string index = IndexBytes(state->index, state->date);
    if (!state->part.WriteAt(0, index.data(), index.size()) || !state->part.PutInPlace(nullptr)) {
        error = std::strerror(errno);
        return false;
    }
    return true;
}

}  // namespace tunewrap::game
