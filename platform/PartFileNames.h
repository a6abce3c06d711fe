#pragma once
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "FileIo.h"
#include "mdlString.h"

// How part files are named beside their destination, and how one conversion claims a name no
// other running one holds. The system-specific parts (creating a held file, telling a leftover
// from a held one) come in as callables.
namespace platform::partnames {

// Part-file names per destination. Each running conversion of the same destination holds one;
// far more than anyone runs at once.
inline constexpr int kPartSlots = 64;
// The longest name a folder entry can have (bytes of UTF-8; at least as many UTF-16 units).
inline constexpr std::size_t kNameMax = 255;
// What a part-file name adds to its stem at most: a dot and two digits, and the suffix.
inline constexpr std::size_t kSlotRoom = 3 + std::string_view(kPartFileSuffix).size();

// The destination's name, or for a name too long to take a slot and the suffix, its start cut at
// a character boundary and marked with a hash of the whole name.
inline std::string PartStem(const std::string& name) {
    if (name.size() + kSlotRoom <= kNameMax) return name;
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (const char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    char mark[10];
    std::snprintf(mark, sizeof mark, "~%08x", static_cast<unsigned>(hash));
    std::size_t keep = kNameMax - kSlotRoom - (sizeof mark - 1);
    while (keep > 0 && !mdlString::StartsCharacter(name[keep])) --keep;
    return name.substr(0, keep) + mark;
}

// Slot 0 is the plain NAME.tunewrap-part; further slots are numbered.
inline std::string SlotName(const std::string& stem, int slot) {
    return slot == 0 ? stem + kPartFileSuffix : stem + "." + std::to_string(slot) + kPartFileSuffix;
}

// Gives this conversion's file the first free part-file name, removing leftovers on the way and
// after it. `create(name)` makes the name this file's, or fails with errno (EEXIST: the name is
// taken); `removeIfLeftover(name)` is true when the name is free now; `exists(name)` says whether
// anything has the name.
template <typename Create, typename RemoveIfLeftover, typename Exists>
bool ClaimSlot(const std::string& stem, Create create, RemoveIfLeftover removeIfLeftover,
               Exists exists, std::string& claimed) {
    for (int slot = 0; slot < kPartSlots; ++slot) {
        const std::string name = SlotName(stem, slot);
        // A freed name may be taken by another conversion at once; then the next one is tried.
        for (int attempt = 0; attempt < 2; ++attempt) {
            if (create(name)) {
                claimed = name;
                for (int later = slot + 1; later < kPartSlots; ++later) {
                    const std::string next = SlotName(stem, later);
                    if (!exists(next)) break;
                    removeIfLeftover(next);
                }
                return true;
            }
            if (errno != EEXIST) return false;
            if (!removeIfLeftover(name)) break;
        }
    }
    errno = kPartFilesAllHeld;
    return false;
}

}  // namespace platform::partnames
