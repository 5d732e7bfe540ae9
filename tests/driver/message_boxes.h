// Message boxes and the common file dialogs: both are dialogs of class "#32770".
// A wait finds one and makes it the current dialog; the expect-box-* checks and
// answer act on it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

bool isMessageBox(HWND window);
bool isFileDialog(HWND window);

// Waits for a visible message box of a started program, prints its caption,
// text, icon and buttons, and makes it the current dialog.
bool waitForBox(DWORD timeoutMs);

std::string boxText(HWND box);

// "none", "error", "question", "warning", "information", or "unknown".
std::string boxIcon(HWND box);

// The names of the box's buttons, left to right, e.g. "YES NO".
std::string boxButtons(HWND box);

// The dialog button id for a name such as OK, YES, NO, CANCEL, SAVE; -1 if none.
int buttonIdFor(const std::string& name);

// Presses a button of the current dialog (a click on the button itself, as the
// mouse would) and waits until the dialog is gone.
bool answerDialog(const std::string& buttonName, DWORD timeoutMs);

// The current dialog, or, when there is none or it has gone, a fresh wait for one.
bool currentBox(HWND& box);
