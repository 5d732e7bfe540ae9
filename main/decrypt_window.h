// The decrypt window: the password (when the file has one), the destination
// and the follow-up options of one decryption. Runs on the main thread.
#pragma once

#include <string>

#include <windows.h>

// Creates and shows the window with the proposed destination and runs its
// message loop until the window ends: windowResult is then 1 (closed) or 2
// (started; messageBuffer holds the destination). An empty stored password
// means the file has none and no password is asked for.
void showDecryptWindow(const std::string& sourcePath, const std::string& proposedDestination,
                       const std::string& storedPassword);

LRESULT CALLBACK decryptWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
