// The shell integration and the uninstall entry: nine REG_SZ values.
#pragma once

#include <windows.h>

// Creates or opens root\subKey and stores `data` (with its terminating zero) as
// `valueName` (null: the default value). Fails with 0117 or 0118.
void writeRegistryValue(HKEY root, const char* subKey, const char* valueName, const char* data);

// Writes the nine values for the installation directory (ending with "\").
void registerInstallation(const char* installationDirectory);
