#include "installer/registration.h"

#include <cstring>
#include <string>

#include "common/registry_root.h"
#include "installer/failure.h"
#include "installer/install_texts.h"

void writeRegistryValue(HKEY root, const char* subKey, const char* valueName, const char* data) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, subKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        failWithAccessError(117);
    }
    const DWORD size = static_cast<DWORD>(std::strlen(data) + 1);
    const LONG result = RegSetValueExA(key, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(data), size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) failWithAccessError(118);
}

void registerInstallation(const char* installationDirectory) {
    const std::string command = programCommandFor(installationDirectory);
    const std::string icon = programIconFrom(command);
    const std::string uninstall = uninstallCommandFor(installationDirectory);
    for (const RegistryValue& value : kRegistryValues) {
        const char* data = value.text;
        switch (value.data) {
        case RegistryData::ProgramCommand: data = command.c_str(); break;
        case RegistryData::ProgramIcon: data = icon.c_str(); break;
        case RegistryData::UninstallCommand: data = uninstall.c_str(); break;
        case RegistryData::FixedText: break;
        }
        writeRegistryValue(registryRootKey(value.root), value.key, value.name, data);
    }
}
