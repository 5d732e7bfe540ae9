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

    // Text mode: every "\n" of the text reaches the disk as CR LF.
    std::FILE* file = std::fopen(path.c_str(), "wt");
    if (file == nullptr) return;
    std::fputs(batchFileText(installationDirectory).c_str(), file);
    std::fclose(file);
}
