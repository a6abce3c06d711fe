#pragma once
#include <string>

namespace tunewrap {

// Where the window's settings live between runs: the program's own values, and the game's, which
// tell where it is installed.
class SettingsStore {
  public:
    enum class Owner { Program, Game };
    virtual ~SettingsStore() = default;
    // False, `text` untouched, when the value is not stored.
    virtual bool Read(Owner owner, const std::string& valueName, std::string& text) = 0;
    virtual void Write(const std::string& valueName, const std::string& text) = 0;
};

}  // namespace tunewrap
