// The payload: the uninstaller's and then the main program's files, appended
// byte for byte to the installer's own file and found only by their fixed
// distances from its end. Portable: standard file streams only.
#pragma once

#include <string>

struct PayloadSizes {
    long uninstaller;
    long mainProgram;
};

enum class FileStepStatus {
    done,
    ownFileUnreadable,      // 0112: cannot be opened
    ownFileTooShort,        // 0112: shorter than its payload
    mainProgramNotCreated,  // 0113
    uninstallerNotCreated,  // 0114
    copyFailed,             // 0114: a read or write fell short (a full disk)
};

// The numbered error the installer reports for a status; 0 for done.
int errorNumberOf(FileStepStatus status);

// Writes "<D>ZORVANEX installed component.exe" and "<D>UNINSTALL.exe" from the
// payload of the file at ownPath; D ends with a backslash. A file left incomplete
// by a failed copy is removed again.
FileStepStatus copyPayload(const std::string& ownPath, const std::string& installationDirectory,
                           const PayloadSizes& sizes);
