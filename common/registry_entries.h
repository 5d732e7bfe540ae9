// What the installer writes into the registry and the uninstaller deletes, in
// one table, so that what is written and what is removed cannot drift apart.
// Portable: the roots are named here and mapped to HKEYs where they are used.
#pragma once

#include "common/product_title.h"

enum class RegistryRoot { ClassesRoot, LocalMachine };

inline constexpr const char* kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ZORVANEX";

// The keys the uninstaller deletes, each with everything below it.
struct RegistryTree {
    RegistryRoot root;
    const char* key;
};

inline constexpr RegistryTree kRegistryTrees[] = {
    {RegistryRoot::ClassesRoot, "*\\Shell\\ENCRYPT/DECRYPT"},
    {RegistryRoot::ClassesRoot, ".ept"},
    {RegistryRoot::ClassesRoot, "encrypted_file"},
    {RegistryRoot::LocalMachine, kUninstallKey},
};

// Where a value's data comes from: the installation directory, or `text`.
enum class RegistryData { ProgramCommand, ProgramIcon, UninstallCommand, FixedText };

// A REG_SZ value the installer writes; a null name is the key's default value.
struct RegistryValue {
    RegistryRoot root;
    const char* key;
    const char* name;
    RegistryData data;
    const char* text;  // for FixedText
};

// The nine values, in the order the installer writes them.
inline constexpr RegistryValue kRegistryValues[] = {
    {RegistryRoot::ClassesRoot, "*\\Shell\\ENCRYPT/DECRYPT\\command", nullptr, RegistryData::ProgramCommand, nullptr},
    {RegistryRoot::ClassesRoot, ".ept", nullptr, RegistryData::FixedText, "encrypted_file"},
    {RegistryRoot::ClassesRoot, "encrypted_file\\shell\\Decrypt\\command", nullptr, RegistryData::ProgramCommand,
     nullptr},
    {RegistryRoot::ClassesRoot, "encrypted_file\\DefaultIcon", nullptr, RegistryData::ProgramIcon, nullptr},
    {RegistryRoot::LocalMachine, kUninstallKey, "DisplayIcon", RegistryData::ProgramIcon, nullptr},
    {RegistryRoot::LocalMachine, kUninstallKey, "UninstallString", RegistryData::UninstallCommand, nullptr},
    {RegistryRoot::LocalMachine, kUninstallKey, "Publisher", RegistryData::FixedText, "Pelk Softwares"},
    {RegistryRoot::LocalMachine, kUninstallKey, "DisplayVersion", RegistryData::FixedText, "3.1"},
    {RegistryRoot::LocalMachine, kUninstallKey, "DisplayName", RegistryData::FixedText, kProductTitle},
};
