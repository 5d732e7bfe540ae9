#include "installer/registration.h"

#include <cstring>
#include <string>

#include "installer/failure.h"
#include "installer/install_texts.h"

namespace {

const char* const kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ZORVANEX";

}  // namespace

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
    writeRegistryValue(HKEY_CLASSES_ROOT, "*\\Shell\\ENCRYPT/DECRYPT\\command", nullptr, command.c_str());
    writeRegistryValue(HKEY_CLASSES_ROOT, ".ept", nullptr, "encrypted_file");
    writeRegistryValue(HKEY_CLASSES_ROOT, "encrypted_file\\shell\\Decrypt\\command", nullptr, command.c_str());

    const std::string icon = programIconFrom(command);
    writeRegistryValue(HKEY_CLASSES_ROOT, "encrypted_file\\DefaultIcon", nullptr, icon.c_str());
    writeRegistryValue(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayIcon", icon.c_str());

    const std::string uninstall = uninstallCommandFor(installationDirectory);
    writeRegistryValue(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString", uninstall.c_str());
    writeRegistryValue(HKEY_LOCAL_MACHINE, kUninstallKey, "Publisher", "Pelk Softwares");
    writeRegistryValue(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayVersion", "3.1");
    writeRegistryValue(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName", kProductTitle);
}
