#include "uninstaller/removal.h"

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <cstdio>

#include "common/registry_root.h"
#include "installer/install_texts.h"
#include "uninstaller/uninstall_texts.h"

namespace {

const char* const kInstalledFiles[] = {kMainProgramFileName, kReadmeFileName};

}  // namespace

void removeRegistryKeys() {
    for (const RegistryTree& tree : kRegistryTrees) SHDeleteKeyA(registryRootKey(tree.root), tree.key);
}

void removeInstalledFiles(const std::string& installationDirectory) {
    for (const char* name : kInstalledFiles) DeleteFileA((installationDirectory + name).c_str());
}

void leaveBatchFile(const std::string& installationDirectory) {
    char startupFolder[MAX_PATH] = "";
    if (!SHGetSpecialFolderPathA(nullptr, startupFolder, CSIDL_STARTUP, FALSE)) startupFolder[0] = '\0';
    const std::string path = batchFilePathIn(startupFolder);
    if (path.empty()) return;

    // cmd reads a batch file in the OEM code page: a folder named with letters
    // beyond ASCII (an umlaut, say) is written in it, or cmd looks for another name.
    std::string oemDirectory = installationDirectory;
    if (!oemDirectory.empty()) {
        CharToOemBuffA(installationDirectory.c_str(), &oemDirectory[0], static_cast<DWORD>(oemDirectory.size()));
    }

    // Text mode: every "\n" of the text reaches the disk as CR LF.
    std::FILE* file = std::fopen(path.c_str(), "wt");
    if (file == nullptr) return;
    std::fputs(batchFileText(oemDirectory).c_str(), file);
    std::fclose(file);
}

void removeAtRestart(const std::string& installationDirectory) {
    // Never a drive's root: only a folder of its own is the installation's.
    if (installationDirectory.size() <= 3) return;
    MoveFileExA((installationDirectory + kUninstallerFileName).c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    const std::string folder = installationDirectory.substr(0, installationDirectory.size() - 1);
    MoveFileExA(folder.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
}
