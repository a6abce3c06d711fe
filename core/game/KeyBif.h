#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "RandomAccess.h"

// Reading one resource from the game's own data: a KEY V1 file names the BIF V1 archive and the
// entry in it; the archive holds the bytes. Read only; nothing is ever written there.
namespace tunewrap::game {

struct GameResource {
    bool found = false;
    std::string bytes;  // the resource, when found
    std::string error;  // why the key or archive could not be read (empty: read, maybe not found)
};

// Looks `resRef` (any case) of `type` up in the key file at `keyPath`, and reads it from the BIF
// the key names. The key's BIF names are relative to `gameDir` (either slash). The last entry of
// that name and type wins, as in the game. A damaged key or archive (wrong signature, an offset
// or count outside the file, a BIF index out of range, an entry outside its archive) is an error
// naming the file; memory is bounded by the files' sizes and the resource's size.
GameResource ReadKeyResource(const std::string& gameDir, const std::string& keyPath,
                             std::string_view resRef, std::uint16_t type);

// The same over any bytes (for the tests and fuzzing): the key, and a function opening a BIF by
// the name the key stores (nullopt: it cannot be opened, `error` says why).
using BifOpener =
    std::function<std::optional<RandomAccess>(const std::string& bifName, std::string& error)>;
GameResource ReadKeyResource(const RandomAccess& key, const BifOpener& openBif,
                             std::string_view resRef, std::uint16_t type);

}  // namespace tunewrap::game
