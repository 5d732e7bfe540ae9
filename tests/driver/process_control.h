// Starting the programs under test and waiting for their end.
#pragma once

#include <windows.h>

#include <string>

// Starts a program with exactly this command line (CreateProcessA with no
// application name: the first word, quoted if it has blanks, names the program).
bool startProgram(const std::string& commandLine);

// Waits for the last started program to end and compares its exit code.
bool expectExit(long expectedCode, DWORD timeoutMs);

// Ends the last started program (exit code 9999), for scripts that test a hang.
bool killProgram();

// Ends every started program that still runs; called when the script is over.
void endLeftoverPrograms();

// True when the window belongs to a started program, or when none was started.
bool belongsToStartedProgram(HWND window);
