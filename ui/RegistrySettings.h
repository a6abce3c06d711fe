#pragma once
#include "SettingsStore.h"

// The window's settings in the registry-like store of mdlRegistry.
class RegistrySettings : public tunewrap::SettingsStore {
  public:
    bool Read(Owner owner, const std::string& valueName, std::string& text) override;
    void Write(const std::string& valueName, const std::string& text) override;
};
