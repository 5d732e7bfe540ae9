// Dragging a borderless window by its background, the arithmetic every window
// of the programs shares, and the one decoding of a pointer message's point.
// Pure logic: no <windows.h>.
#pragma once

// Pointer coordinates arrive as the two low words of lParam; each is signed,
// since a captured pointer may lie left of or above the client area.
inline int signedLowWord(unsigned long value) {
    return static_cast<short>(static_cast<unsigned short>(value & 0xFFFF));
}
inline int signedHighWord(unsigned long value) {
    return static_cast<short>(static_cast<unsigned short>((value >> 16) & 0xFFFF));
}

// The client point where the current drag began.
struct DragOrigin {
    int x = 0;
    int y = 0;
};

// One pointer move of a drag, to client point (x, y): the window moves by the
// pointer's distance from the origin. Since the window moves with the pointer,
// the pointer keeps its client position and the origin stays valid for the
// whole drag.
inline void dragStep(const DragOrigin& origin, int x, int y, int& left, int& top) {
    left += x - origin.x;
    top += y - origin.y;
}
