// The encrypt window: password, destination and follow-up options of one
// encryption. Runs on the main thread.
#pragma once

#include <string>

#include <windows.h>

// Creates and shows the window with the proposed destination and runs its
// message loop until the window ends: windowResult is then 1 (closed) or 2
// (started; messageBuffer holds the destination and the password).
void showEncryptWindow(const std::string& sourcePath, const std::string& proposedDestination);

LRESULT CALLBACK encryptWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
