// Starting the programs under test and waiting for their end.
#pragma once

#include <windows.h>

#include <string>

// Starts a program with exactly this command line (CreateProcessA with no
// application name: the first word, quoted if it has blanks, names the program).
bool startProgram(const std::string& commandLine);

// Opens a file through the shell as a user would (ShellExecuteExA): with a verb
// as the context menu does, or with the default verb ("" here) as a double-click
// does. A file type (`fileClass`, e.g. "*") makes the shell take the verb from
// that type's key, as Explorer's menu does for verbs of every file; Wine's
// ShellExecute looks only at the type of the file's extension. The program the
// shell starts counts as started, like one from startProgram.
bool shellOpen(const std::string& verb, const std::string& file, const std::string& fileClass);

// Waits for the last started program to end and compares its exit code.
bool expectExit(long expectedCode, DWORD timeoutMs);

// Ends the last started program (exit code 9999), for scripts that test a hang.
bool killProgram();

// Ends every started program that still runs; called when the script is over.
void endLeftoverPrograms();

// True when the window belongs to a started program, or when none was started.
bool belongsToStartedProgram(HWND window);
