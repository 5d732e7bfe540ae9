// Entry of "ZORVANEX(version-3.1) SETUP.exe": the own path and the name check,
// the default parent folder, then the wizard.
#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <string>

#include "common/self_name_check.h"
#include "installer/install_texts.h"
#include "installer/wizard.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    installerInstance = instance;
    const OwnPath own = checkedOwnPath(kSetupFileName, kProductTitle);
    std::strncpy(ownPath, own.path.c_str(), sizeof ownPath - 1);

    char programFiles[MAX_PATH] = "";
    SHGetSpecialFolderPathA(nullptr, programFiles, CSIDL_PROGRAM_FILES, FALSE);
    std::strncpy(defaultParentFolder, defaultParentFolderFrom(programFiles).c_str(), sizeof defaultParentFolder - 1);

    startWizard();
}
