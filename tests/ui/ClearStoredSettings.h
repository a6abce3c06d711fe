#pragma once

// Removes the program's stored settings. Elsewhere each test has a configuration folder of its
// own; the Windows registry is one for all, so there each window test starts by emptying it.
void ClearStoredSettings();
