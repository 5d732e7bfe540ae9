// The texts and paths the installer builds: the installation directory, the
// registry value strings, the read-me file and the messages. Portable.
#pragma once

#include <string>
#include <vector>

#include "common/product_title.h"

inline constexpr const char* kSetupFileName = "ZORVANEX(version-3.1) SETUP.exe";
inline constexpr const char* kMainProgramFileName = "ZORVANEX installed component.exe";
inline constexpr const char* kUninstallerFileName = "UNINSTALL.exe";
inline constexpr const char* kReadmeFileName = "README.txt";

// "<Program Files>\Pelk Softwares", no trailing backslash.
std::string defaultParentFolderFrom(const std::string& programFilesFolder);

// The chosen folder, a backslash unless it ends with one, then
// "ZORVANEX(version-3.1)\".
std::string installationDirectoryFrom(const std::string& folder);

// The folders to create for an installation directory, outermost first: the
// path cut at every backslash from the fourth character on (past "C:\").
std::vector<std::string> directoryLevelsOf(const std::string& installationDirectory);

// "\"<D>ZORVANEX installed component.exe\" \"%1\""
std::string programCommandFor(const std::string& installationDirectory);
// The program command without its last five characters: the quoted program path.
std::string programIconFrom(const std::string& programCommand);
// "\"<D>UNINSTALL.exe\""
std::string uninstallCommandFor(const std::string& installationDirectory);

// The read-me's 18 lines as stored on disk: CRLF between lines, none after the last.
std::string readmeFileBytes();

// The success display's text before and after installation.
std::string initialSuccessText();
std::string completedSuccessText(const std::string& installationDirectory);

// "ERROR NO. :0112\n<second line>": the access-related errors (registry, payload).
std::string accessErrorText(int number);
// "ERROR NO. :0102\n<second line>": the wizard's own loading errors.
std::string loadingErrorText(int number);
