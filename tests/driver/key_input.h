// The keyboard, as a user's hand: SendInput puts each key press into the
// system's input queue, so it goes to the foreground window's focused control,
// through the program's own message loop and TranslateMessage (WM_KEYDOWN,
// WM_CHAR, WM_KEYUP), exactly as a real key would.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Key names: Tab, Enter, Esc, Space, Backspace, Left, Right, Up, Down, Home,
// End, F1 to F12, or one printable character ("a", "A", "7", "!"); prefixed by
// any of Shift+, Ctrl+, Alt+ ("Shift+Tab", "Alt+F4").
//
// Presses and releases each key in turn while `window` is the foreground
// window, and waits until the window's thread has handled each press. Fails
// when the window does not become the foreground window: keys would go elsewhere.
bool realKeys(HWND window, const std::vector<std::string>& keys, DWORD timeoutMs);

// The control of `window`'s thread that has the keyboard focus, or null.
HWND focusedControl(HWND window);
