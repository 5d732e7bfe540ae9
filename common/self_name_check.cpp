#include "common/self_name_check.h"

#include <windows.h>

#include <string>

OwnPath checkedOwnPath(const char* properName, const char* caption) {
    OwnPath own = ownPathFromCommandLine(GetCommandLineA());
    // A bare name may have been found along the search path and a relative one
    // against the parent's current directory, neither of which need be ours: the
    // loader knows where the file lies. (The uninstaller must never take the
    // current directory for the installation.)
    // An unquoted path with blanks is cut at its first blank ("C:\Program"), which
    // names another file or none: renaming that, or deleting a file of the proper
    // name beside it, would touch what is not ours.
    const DWORD attributes = GetFileAttributesA(own.path.c_str());
    const bool namesAFile = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    if (!isFullPath(own.path) || !namesAFile) {
        char full[MAX_PATH];
        DWORD length = GetModuleFileNameA(nullptr, full, MAX_PATH);
        if (length > 0 && length < MAX_PATH) own = splitOwnPath(full);
    }

    if (sameFileName(own.fileName, properName)) return own;

    const std::string target = properPathOf(own, properName);
    MessageBoxA(nullptr, renameRefusalText(properName).c_str(), caption, MB_ICONERROR | MB_OK);
    // Windows lets a running program's file take a new name; failures leave it as it is.
    DeleteFileA(target.c_str());
    MoveFileA(own.path.c_str(), target.c_str());
    ExitProcess(1);
}
