// The keyboard as a hand uses it: the window is brought to the foreground and
// the keys go through the system (SendInput), so the program sees WM_KEYDOWN or
// WM_SYSKEYDOWN and what DefWindowProc makes of them (Alt+F4 is SC_CLOSE).
#pragma once

#include <windows.h>

#include <string>

// `combo` is key names joined by "+", pressed in order and released in reverse:
// "alt+f4", "escape", "ctrl+shift+tab", "a". False for an unknown name.
bool pressKeys(HWND window, const std::string& combo);
