// Text links and option boxes of the encrypt, decrypt and progress windows: the
// fixed table, the pointer state and the rules for pointer messages. Pure
// logic: the state is passed in, and the window side (hot_spot_input.h), which
// keeps the process-wide state, carries out what the rules return.
#pragma once

#include "common/drag_step.h"
#include "main/run_state.h"

constexpr int kNoHotSpot = 999;

// Indexes into kHotSpots, in the order they are tested.
enum HotSpotIndex {
    creditsLink = 0,
    aboutLink = 1,
    deleteEncryptedAfterDecryption = 2,
    deleteOriginalAfterEncryption = 3,
    shutDownAfterEncryption = 4,
    shutDownAfterDecryption = 5,
    kHotSpotCount = 6,
};

enum class HotSpotKind { Link, OptionBox };

// Half-open: left <= x < right and top <= y < bottom. Also the area redrawn
// when the spot changes appearance.
struct HotSpotRect {
    int left, top, right, bottom;
    bool contains(int x, int y) const { return left <= x && x < right && top <= y && y < bottom; }
};

struct HotSpot {
    HotSpotKind kind;
    const char* label;
    HotSpotRect rect;
};

extern const HotSpot kHotSpots[kHotSpotCount];

// The pointer state of a window with hot spots.
struct PointerState {
    int visible[kHotSpotCount] = {};
    int hotSpot = kNoHotSpot;  // the spot under the pointer
    bool hotSpotPressed = false;
    bool dragActive = false;
};

// Before each of those windows is created: no spot under the pointer, no press, no drag.
void resetPointerState(PointerState& state);
// A window's WM_CREATE: exactly the listed spots become visible.
void showOnlyHotSpots(PointerState& state, const int* spots, int count);

// The first visible spot containing (x, y), or kNoHotSpot.
int hotSpotAt(const PointerState& state, int x, int y);
// The option flag an option box shows and toggles; null for a link.
int* optionFlagOf(OptionFlags& flags, int spot);

// What a pointer message asks of the window.
struct PointerActions {
    int redraw[2] = {kNoHotSpot, kNoHotSpot};  // spots whose rectangles to redraw
    int redrawCount = 0;
    bool captureMouse = false;
    bool releaseMouse = false;
    int command = 0;          // aboutCommand or creditsCommand to send to the window, or 0
    bool moveWindow = false;  // by moveX, moveY
    int moveX = 0;
    int moveY = 0;
    bool onHotSpot = false;  // the pointer lies on a visible spot

    void addRedraw(int spot) { redraw[redrawCount++] = spot; }
};

// The hover rule: updates hotSpot and names the spots that changed appearance.
PointerActions trackPointer(PointerState& state, int x, int y);

// WM_MOUSEMOVE; leftButtonOnly: wParam is MK_LBUTTON exactly.
PointerActions pointerMoved(PointerState& state, int x, int y, bool leftButtonOnly, const DragOrigin& origin);
// WM_LBUTTONDOWN; a click on an option box toggles its flag in `flags`.
PointerActions leftButtonPressed(PointerState& state, OptionFlags& flags, int x, int y, DragOrigin& origin);
// WM_LBUTTONUP.
PointerActions leftButtonReleased(PointerState& state);
