// Finding windows and their controls, reading their texts, and waiting until a
// window's thread has handled what was sent to it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

std::string classNameOf(HWND window);

// The text through WM_GETTEXT, as the window itself reports it.
std::string textOf(HWND window);

// Visible top-level windows of the started programs, front to back.
std::vector<HWND> visibleTopLevelWindows();

// The frontmost visible top-level window of this class (case-insensitive), or null.
HWND findTopLevel(const std::string& className);

// Waits for findTopLevel to find one; on timeout prints the failure and what is on screen.
bool waitForTopLevel(const std::string& className, DWORD timeoutMs, HWND& found);

// Controls are named "." (the window itself), "#id" (decimal or 0x hex control id,
// first match in depth-first order) or "Class:n" (the n-th descendant of that class,
// from 0; "Class" alone is "Class:0"). Waits up to timeoutMs for the control to be
// made; then prints the failure and the window's controls.
bool findControl(HWND window, const std::string& selector, HWND& control, DWORD timeoutMs);

// All descendants in depth-first order.
std::vector<HWND> descendantsOf(HWND window);

// Prints every visible top-level window (all processes) with its class, title,
// process, rectangle and, for dialogs, the texts of their controls.
void listWindows();
void listControls(HWND window);

// Sends WM_NULL rounds until the window's thread has gone back to its message
// loop and nothing in the window is left to paint (bounded by timeoutMs).
void settle(HWND window, DWORD timeoutMs);

// One WM_NULL round trip to the window's thread; false when it did not answer.
bool roundTrip(HWND window);
