#include <windows.h>

#include "ClearStoredSettings.h"

void ClearStoredSettings() {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Brenlo\\Tunewrap");
}
