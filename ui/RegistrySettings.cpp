#include "RegistrySettings.h"

#include "mdlRegistry.h"

bool RegistrySettings::Read(Owner owner, const std::string& valueName, std::string& text) {
    const char* key = owner == Owner::Program ? mdlRegistry::kProgramKey : mdlRegistry::kGameKey;
    return mdlRegistry::ReadRegString(mdlRegistry::HKEY_LOCAL_MACHINE, key, valueName, text) ==
           mdlRegistry::ERROR_SUCCESS;
}

void RegistrySettings::Write(const std::string& valueName, const std::string& text) {
    mdlRegistry::WriteRegString(mdlRegistry::HKEY_LOCAL_MACHINE, mdlRegistry::kProgramKey,
                                valueName, text);
}
