// Entry of "UNINSTALL.exe": no window, one straight run. It asks, removes the
// registry keys and the installed files, leaves a batch file in the Startup
// folder and has the system delete at the restart what cannot go while it runs
// (itself and its folder), and restarts.
#include <windows.h>

#include <string>

#include "common/self_name_check.h"
#include "common/shutdown.h"
#include "installer/install_texts.h"
#include "uninstaller/removal.h"
#include "uninstaller/uninstall_texts.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Whatever folder the uninstaller runs from is the installation.
    const OwnPath own = checkedOwnPath(kUninstallerFileName, kUninstallerCaption);
    const std::string installationDirectory = own.directory;

    if (MessageBoxA(nullptr, confirmationText().c_str(), kUninstallerCaption, MB_YESNO) != IDYES) return 1;

    removeRegistryKeys();
    removeInstalledFiles(installationDirectory);
    leaveBatchFile(installationDirectory);
    removeAtRestart(installationDirectory);

    if (MessageBoxA(nullptr, successText().c_str(), kUninstallerCaption, MB_OK | MB_ICONINFORMATION) == IDOK) {
        shutDownComputer(kRestartFlags);
    }
    return 1;
}
