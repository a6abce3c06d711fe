#include "RegistrySettings.h"

#include "mdlRegistry.h"

namespace {

// The program keeps its settings for the user who runs it; the game's installer wrote its own
// for the whole machine.
struct Place {
    mdlRegistry::HKEY hive;
    const char* key;
};

Place PlaceOf(tunewrap::SettingsStore::Owner owner) {
    return owner == tunewrap::SettingsStore::Owner::Program
               ? Place{mdlRegistry::HKEY_CURRENT_USER, mdlRegistry::kProgramKey}
               : Place{mdlRegistry::HKEY_LOCAL_MACHINE, mdlRegistry::kGameKey};
}

}  // namespace

bool RegistrySettings::Read(Owner owner, const std::string& valueName, std::string& text) {
    const Place place = PlaceOf(owner);
    return mdlRegistry::ReadRegString(place.hive, place.key, valueName, text) ==
           mdlRegistry::ERROR_SUCCESS;
}

void RegistrySettings::Write(const std::string& valueName, const std::string& text) {
    const Place place = PlaceOf(Owner::Program);
    mdlRegistry::WriteRegString(place.hive, place.key, valueName, text);
}
