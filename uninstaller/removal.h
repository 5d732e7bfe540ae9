// The three removal steps of the uninstaller. Every failure is passed over in
// silence: a key or file that is already gone or protected does not stop the run.
#pragma once

#include <string>

// Deletes the shell verb, the ".ept" type, its file type and the uninstall entry,
// each with its whole subtree.
void removeRegistryKeys();

// Deletes the main program and the read-me from the installation directory
// (which ends with a backslash). The uninstaller itself is left to the batch file.
void removeInstalledFiles(const std::string& installationDirectory);

// Writes "temp1234.bat" into the current user's Startup folder, replacing an
// older one, with the installation directory in the OEM code page. Skipped when
// the folder is unknown or the file cannot be created.
void leaveBatchFile(const std::string& installationDirectory);

// The batch file runs at the next logon without administrator rights, and in a
// protected folder (Program Files) cannot delete: so the uninstaller, which runs
// elevated, also has the system delete "UNINSTALL.exe" and then the installation
// directory at the restart. The folder goes only if it is empty by then, so
// files of the user's stay, with it.
void removeAtRestart(const std::string& installationDirectory);
