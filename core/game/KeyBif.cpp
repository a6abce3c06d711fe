#include "KeyBif.h"

#include <algorithm>
#include <utility>

#include "ArchiveBytes.h"
#include "AsciiCase.h"
#include "PathJoin.h"
#include "ResourceTypes.h"
#include "UiText.h"

namespace tunewrap::game {

namespace {

using archive::kTagSize;
using archive::kTypeAt;
using archive::kVersionAt;
using archive::ReadLe;

constexpr std::string_view kVersion = "V1  ";

// The key's header fields, by where they start.
constexpr std::string_view kKeyType = "KEY ";
constexpr std::size_t kKeyHeaderSize = 64;
constexpr std::size_t kBifCountAt = 8;
constexpr std::size_t kKeyCountAt = 12;
constexpr std::size_t kFileTableAt = 16;
constexpr std::size_t kKeyTableAt = 20;
// A file table entry: the BIF's size, then where its name is and how long.
constexpr std::size_t kFileEntrySize = 12;
constexpr std::size_t kFileNameOffsetAt = 4;
constexpr std::size_t kFileNameSizeAt = 8;
// A key table entry: name, type, then (BIF index << 20) | index in the BIF.
constexpr std::size_t kKeyEntrySize = 22;
constexpr std::size_t kKeyEntryTypeAt = 16;
constexpr std::size_t kKeyEntryIdAt = 18;
constexpr unsigned kBifIndexShift = 20;
constexpr std::uint32_t kIndexInBifMask = (1u << kBifIndexShift) - 1;

// The BIF's header fields and its variable resource entries.
constexpr std::string_view kBifType = "BIFF";
constexpr std::size_t kBifHeaderSize = 20;
constexpr std::size_t kVariableCountAt = 8;
constexpr std::size_t kVariableTableAt = 16;
constexpr std::size_t kBifEntrySize = 16;
constexpr std::size_t kBifEntryOffsetAt = 4;
constexpr std::size_t kBifEntrySizeAt = 8;

GameResource Damaged(const std::string& file, const std::string& why) {
    return {false, {}, file + ": " + why};
}

// The header of `size` bytes, when the file has one with `type` and the version the game writes.
std::optional<std::string> Header(const RandomAccess& file, std::string_view type,
                                  std::size_t size) {
    auto header = archive::ReadRange(file, 0, size);
    if (!header || header->substr(kTypeAt, kTagSize) != type ||
        header->substr(kVersionAt, kTagSize) != kVersion)
        return std::nullopt;
    return header;
}

// The entry at `index` of the BIF called `name`.
GameResource ReadFromBif(const RandomAccess& bif, const std::string& name, std::uint32_t index) {
    const auto header = Header(bif, kBifType, kBifHeaderSize);
    if (!header) return Damaged(name, platform::Tr("KeyBif", "not a BIF V1 archive"));
    const std::uint32_t count = ReadLe<std::uint32_t>(*header, kVariableCountAt);
    const std::uint32_t tableAt = ReadLe<std::uint32_t>(*header, kVariableTableAt);
    if (!archive::TableFits(bif, kBifHeaderSize, tableAt, count, kBifEntrySize))
        return Damaged(name, platform::Tr("KeyBif", "its resource table lies outside the file"));
    if (index >= count)
        return Damaged(name, platform::Tr("KeyBif", "the key names an entry it does not have"));
    const auto entry = archive::ReadRecord(bif, tableAt, index, kBifEntrySize);
    if (!entry) return Damaged(name, platform::Tr("KeyBif", "could not be read"));
    auto bytes = archive::ReadRange(bif, ReadLe<std::uint32_t>(*entry, kBifEntryOffsetAt),
                                    ReadLe<std::uint32_t>(*entry, kBifEntrySizeAt));
    if (!bytes) return Damaged(name, platform::Tr("KeyBif", "an entry lies outside the file"));
    return {true, std::move(*bytes), {}};
}

GameResource ReadFromKey(const RandomAccess& key, const std::string& keyName,
                         const BifOpener& openBif, std::string_view resRef, std::uint16_t type) {
    const auto header = Header(key, kKeyType, kKeyHeaderSize);
    if (!header) return Damaged(keyName, platform::Tr("KeyBif", "not a KEY V1 file"));
    const std::uint32_t bifCount = ReadLe<std::uint32_t>(*header, kBifCountAt);
    const std::uint32_t keyCount = ReadLe<std::uint32_t>(*header, kKeyCountAt);
    const std::uint32_t filesAt = ReadLe<std::uint32_t>(*header, kFileTableAt);
    const std::uint32_t keysAt = ReadLe<std::uint32_t>(*header, kKeyTableAt);
    if (!archive::TableFits(key, kKeyHeaderSize, filesAt, bifCount, kFileEntrySize) ||
        !archive::TableFits(key, kKeyHeaderSize, keysAt, keyCount, kKeyEntrySize))
        return Damaged(keyName, platform::Tr("KeyBif", "its tables lie outside the file"));
    const auto keys = archive::ReadRange(key, keysAt, std::uint64_t{keyCount} * kKeyEntrySize);
    if (!keys) return Damaged(keyName, platform::Tr("KeyBif", "could not be read"));

    std::optional<std::uint32_t> id;
    for (std::size_t at = 0; at < keys->size(); at += kKeyEntrySize) {
        if (ReadLe<std::uint16_t>(*keys, at + kKeyEntryTypeAt) == type &&
            EqualIgnoringCase(archive::NameField(*keys, at, kResRefMaxLength), resRef))
            id = ReadLe<std::uint32_t>(*keys, at + kKeyEntryIdAt);
    }
    if (!id) return {};
    const std::uint32_t bifIndex = *id >> kBifIndexShift;
    if (bifIndex >= bifCount)
        return Damaged(keyName, platform::Tr("KeyBif", "an entry names a BIF it does not list"));

    const auto file = archive::ReadRecord(key, filesAt, bifIndex, kFileEntrySize);
    if (!file) return Damaged(keyName, platform::Tr("KeyBif", "could not be read"));
    auto bifName = archive::ReadRange(key, ReadLe<std::uint32_t>(*file, kFileNameOffsetAt),
                                      ReadLe<std::uint16_t>(*file, kFileNameSizeAt));
    if (!bifName)
        return Damaged(keyName, platform::Tr("KeyBif", "a BIF's name lies outside the file"));
    bifName->erase(std::min(bifName->find('\0'), bifName->size()));
    std::string error;
    const auto bif = openBif(*bifName, error);
    if (!bif) return {false, {}, error};  // the opener names what it looked for
    return ReadFromBif(*bif, *bifName, *id & kIndexInBifMask);
}

}  // namespace

GameResource ReadKeyResource(const RandomAccess& key, const BifOpener& openBif,
                             std::string_view resRef, std::uint16_t type) {
    return ReadFromKey(key, platform::Tr("KeyBif", "The key file"), openBif, resRef, type);
}

GameResource ReadKeyResource(const std::string& gameDir, const std::string& keyPath,
                             std::string_view resRef, std::uint16_t type) {
    std::string error;
    const auto key = OpenRandomAccess(keyPath, error);
    if (!key) return Damaged(keyPath, error);
    // The key names its archives the Windows way, relative to the game's folder.
    const BifOpener openBif = [&](const std::string& name, std::string& why) {
        std::string relative = name;
        std::ranges::replace(relative, '\\', platform::kPathSeparator);
        const std::string path = platform::JoinPath(gameDir, relative);
        auto bif = OpenRandomAccess(path, why);
        if (!bif) why = path + ": " + why;
        return bif;
    };
    return ReadFromKey(*key, keyPath, openBif, resRef, type);
}

}  // namespace tunewrap::game
