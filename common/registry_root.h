// The HKEY of a registry root named in the registry table.
#pragma once

#include <windows.h>

#include "common/registry_entries.h"

inline HKEY registryRootKey(RegistryRoot root) {
    return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CLASSES_ROOT;
}
