#include "GameFolders.h"

#include <cstdlib>

#include "FileIo.h"

namespace tunewrap::game {
namespace {

constexpr const char* kKeyFiles[] = {"data/nwn_base.key", "chitin.key"};
constexpr const char* kUserDirVariables[] = {"NWN_USER_DIRECTORY", "NWN_HOME"};
constexpr const char* kHakFolder = "hak";

// Where the game is installed, below a variable of the environment: Steam's library, and the
// Beamdog client's stable (00785) and development (00829) installs.
struct Place {
    System system;
    const char* variable;
    const char* below;
};
constexpr Place kGamePlaces[] = {
    {System::Linux, "HOME", ".local/share/Steam/steamapps/common/Neverwinter Nights"},
    {System::Linux, "HOME", ".steam/steam/steamapps/common/Neverwinter Nights"},
    {System::Linux, "HOME",
     ".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/common/Neverwinter Nights"},
    {System::Linux, "HOME", "Beamdog Library/00785"},
    {System::Linux, "HOME", "Beamdog Library/00829"},
    {System::Windows, "ProgramFiles(x86)", "Steam/steamapps/common/Neverwinter Nights"},
    {System::Windows, "ProgramFiles", "Steam/steamapps/common/Neverwinter Nights"},
    {System::Windows, "USERPROFILE", "Beamdog Library/00785"},
    {System::Windows, "USERPROFILE", "Beamdog Library/00829"},
};
// The user folder when no variable names it.
constexpr Place kUserPlaces[] = {
    {System::Linux, "HOME", ".local/share/Neverwinter Nights"},
    {System::Windows, "USERPROFILE", "Documents/Neverwinter Nights"},
};

std::string Separated(std::string path, System system) {
    if (system == System::Windows) {
        for (char& c : path) c = c == '/' ? '\\' : c;
    }
    return path;
}

std::string Join(const std::string& dir, const std::string& below, System system) {
    return Separated(dir + "/" + below, system);
}

}  // namespace

Machine ThisMachine() {
    return {[](const char* name) { return static_cast<const char*>(std::getenv(name)); },
            [](const std::string& path) { return platform::IdentityOf(path).has_value(); }};
}

std::string KeyFileIn(const std::string& gameDir, const Machine& machine) {
    for (const char* key : kKeyFiles) {
        const std::string path = Join(gameDir, key, machine.system);
        if (machine.exists(path)) return path;
    }
    return {};
}

GameFolders FindGameFolders(const std::string& gameDir, const Machine& machine) {
    GameFolders found;
    auto tryDir = [&](const std::string& dir) {
        found.searched.push_back(dir);
        found.keyPath = KeyFileIn(dir, machine);
        if (!found.keyPath.empty()) found.gameDir = dir;
        return !found.gameDir.empty();
    };
    if (!gameDir.empty()) {
        tryDir(gameDir);
    } else {
        for (const Place& place : kGamePlaces) {
            const char* base =
                place.system == machine.system ? machine.environment(place.variable) : nullptr;
            if (base != nullptr && *base != '\0' && tryDir(Join(base, place.below, machine.system)))
                break;
        }
    }
    for (const char* variable : kUserDirVariables) {
        const char* dir = machine.environment(variable);
        if (dir != nullptr && *dir != '\0' && found.userDir.empty()) found.userDir = dir;
    }
    for (const Place& place : kUserPlaces) {
        const char* base = machine.environment(place.variable);
        if (place.system == machine.system && found.userDir.empty() && base != nullptr &&
            *base != '\0')
            found.userDir = Join(base, place.below, machine.system);
    }
    if (!found.userDir.empty()) found.hakDir = Join(found.userDir, kHakFolder, machine.system);
    return found;
}

}  // namespace tunewrap::game
