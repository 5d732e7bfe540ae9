// What the uninstaller shows and writes: its message texts and the batch file
// that finishes the removal at the next logon. Portable.
#pragma once

#include <string>

inline constexpr const char* kUninstallerCaption = "ZORVANEX(version-3.1) Uninstaller";
inline constexpr const char* kBatchFileName = "temp1234.bat";

// The Yes/No question asked before anything is removed.
std::string confirmationText();

// Shown once the keys and files are gone, before the restart.
std::string successText();

// "<Startup folder>\temp1234.bat"; empty when the Startup folder is unknown, so
// that the batch file never lands at the root of the current drive.
std::string batchFilePathIn(const std::string& startupFolder);

// The batch file's four lines, separated by "\n" for a text-mode stream to turn
// into CR LF, with no line end after the last: it deletes the uninstaller, then
// the (by then empty) installation directory, then itself. The installation
// directory ends with a backslash and is given in the OEM code page, in which
// cmd reads the file; its bytes are written as they are.
std::string batchFileText(const std::string& installationDirectory);
