#pragma once
#include <functional>
#include <string>
#include <vector>

// Where the game and its player's files are: the game's own data (the stock music table), and
// the user folder whose hak/ the game loads haks from.
namespace tunewrap::game {

enum class System { Linux, Windows };
#ifdef _WIN32
inline constexpr System kThisSystem = System::Windows;
#else
inline constexpr System kThisSystem = System::Linux;
#endif

struct GameFolders {
    std::string gameDir;  // empty when no game was found
    std::string keyPath;  // the key file of gameDir's data
    std::string userDir;  // where the game keeps the player's files (it may not exist yet)
    std::string hakDir;   // userDir's hak folder
    std::vector<std::string> searched;  // every folder looked at for the game, in order
};

// How the search sees the machine: a variable of the environment (null when unset), and whether
// a file exists. The program passes the real ones; the tests a machine of their own.
struct Machine {
    std::function<const char*(const char*)> environment;
    std::function<bool(const std::string&)> exists;
    System system = kThisSystem;
};
Machine ThisMachine();

// The key file in `gameDir` (the current edition's data/nwn_base.key, else the older
// chitin.key); empty when it has neither.
std::string KeyFileIn(const std::string& gameDir, const Machine& machine);

// Looks for the game where Steam and the Beamdog client install it (unless `gameDir` names it:
// then only there), and names the user folder: NWN_USER_DIRECTORY or NWN_HOME when set, else
// the system's usual place.
GameFolders FindGameFolders(const std::string& gameDir, const Machine& machine);

}  // namespace tunewrap::game
