// PLACEHOLDER uninstaller: it exists only so that the installer has a real
// "UNINSTALL.exe" to carry and write. It removes nothing; the real uninstaller
// replaces this file and its target.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    MessageBoxA(nullptr, "This build's uninstaller is a placeholder and removes nothing.",
                "ZORVANEX(version-3.1) Uninstaller", MB_ICONERROR | MB_OK);
    return 1;
}
