// Keyboard use of the skinned windows. Their message loops look at each key
// before it is dispatched, as a dialog manager would: the windows are plain
// popups, and their controls would otherwise swallow Tab, Enter and Esc.
#pragma once

#include <windows.h>

// The virtual key of a WM_KEYDOWN meant for `window` or one of its controls;
// 0 for any other message.
WPARAM keyDownFor(const MSG& message, HWND window);

// Gives `control` the focus; an edit gets its whole text selected, as in a dialog.
void focusControl(HWND control);

// Moves the focus to the next visible, enabled control of `order` (the previous
// one when `backwards`) after the one that has it, round at the ends; to the
// first (last) when none of them has it.
void moveFocus(const HWND* order, int count, bool backwards);

// True for a control of the system's button class.
bool isButton(HWND control);
