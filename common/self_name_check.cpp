#include "common/self_name_check.h"

#include <windows.h>

#include <string>

OwnPath checkedOwnPath(const char* properName, const char* caption) {
    OwnPath own = ownPathFromCommandLine(GetCommandLineA());
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(own.path.c_str(), MAX_PATH, full, nullptr);
    if (length > 0 && length < MAX_PATH) own = splitOwnPath(full);

    if (sameFileName(own.fileName, properName)) return own;

    const std::string target = properPathOf(own, properName);
    MessageBoxA(nullptr, renameRefusalText(properName).c_str(), caption, MB_ICONERROR | MB_OK);
    // Windows lets a running program's file take a new name; failures leave it as it is.
    DeleteFileA(target.c_str());
    MoveFileA(own.path.c_str(), target.c_str());
    ExitProcess(1);
}
