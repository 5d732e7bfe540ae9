// The common Save and Open dialogs (GetSaveFileNameA, GetOpenFileNameA).
#pragma once

#include <windows.h>

#include <string>

// Waits for a visible file dialog of a started program, prints its title and the
// file name it proposes, and makes it the current dialog.
bool waitForFileDialog(DWORD timeoutMs);

// The text of the dialog's file-name field.
std::string fileDialogName(HWND dialog);

// Types the path into the current file dialog (waiting for one if there is none)
// and presses Save. Does not wait for the dialog to close: the program may ask
// about overwriting first, which the script answers with wait-box / answer.
bool saveAs(const std::string& path, DWORD timeoutMs);
