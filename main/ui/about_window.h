// The about-and-credits window: its own thread, one window at a time, replaced
// when another page is asked for.
#pragma once

#include <windows.h>

// Handle of the thread that owns the about window; null when none was started.
// Only the current loop owner (main thread, later the progress thread) uses it.
extern HANDLE aboutThread;
// The window's screen position, kept for the life of the process.
extern int aboutX;
extern int aboutY;

// A window procedure's WM_COMMAND: aboutCommand and creditsCommand change
// aboutState; returns false for any other identifier.
bool handleAboutCommand(int commandId);

// Called by the loop owner after every dispatched message: starts, or replaces,
// the about window as aboutState asks. Reports whether it served a request.
bool serviceAboutRequests();

// Asks the about window to close on its own thread and waits until that thread
// has ended. Nothing happens when no about thread exists.
void endAboutThread();

DWORD WINAPI aboutThreadProc(LPVOID unused);
LRESULT CALLBACK aboutWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
