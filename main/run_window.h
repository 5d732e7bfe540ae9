// What the encrypt and decrypt windows share: creation, child controls, the
// modal loop, their boxes, the destination dialog and the painted texts.
#pragma once

#include <string>

#include <windows.h>

#include "common/gradient.h"
#include "main/ui/hot_spots.h"

extern const GradientColours kRedFade;
extern const GradientColours kCyanFade;
extern const GradientColours kGreenFade;

// A text painted with drawGradientText (height 25, width 7, italic).
struct WindowText {
    int x, y;
    const char* text;
    const GradientColours* colours;
};

// A drawFrame rectangle around a control.
struct Frame {
    int left, top, right, bottom;
};

// What sets the encrypt and decrypt windows apart; their procedures share the rest.
struct RunWindowParts {
    const int* visibleHotSpots;  // made visible in WM_CREATE
    int visibleHotSpotCount;
    DragOrigin* dragOrigin;  // this window kind's own
    // Frames and texts, painted after the title, the links and the option boxes.
    void (*paintOwnParts)(HDC dc);
    // The window's own WM_COMMAND identifiers; false for any other.
    bool (*handleOwnCommand)(HWND window, int commandId);
};

// The procedure both windows share: hot spots in WM_CREATE, the quit message
// (windowResult 1) on WM_DESTROY and closeButton, painting, pointer and drag,
// minimise with the refusal box owned by the window, the about and credits
// commands, the focus kept across deactivation. Every other message goes to
// DefWindowProcA.
LRESULT runWindowMessage(const RunWindowParts& parts, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers the class, creates the window at windowX, windowY and shows it; a
// window that cannot be created is reported with `failureNumber`.
HWND createRunWindow(const char* className, WNDPROC windowProc, const char* failureNumber);

HWND createControl(HWND parent, const char* className, const char* text, DWORD style, int x, int y, int width,
                   int height, int id);

// What the keyboard reaches in a window, known once its controls exist.
struct WindowKeys {
    HWND tabOrder[8];  // screen order: top to bottom, left to right
    int count;
    int enterCommand;  // what Enter presses unless the focus is on a button
};

// The modal loop: runs until the window posts its quit message, serving about
// requests after every message. Tab and Shift+Tab move through `keys`, Enter
// presses the focused button or else `enterCommand`, Esc is closeButton.
void runWindowLoop(HWND window, const WindowKeys& keys);

// Sets windowResult and ends the loop.
void endWindowLoop(int result);

// A warning box owned by the window.
void warn(HWND window, const char* text);

// When `destination` exists, asks whether to overwrite it; true to go on.
bool confirmOverwrite(HWND window, const std::string& destination);

// The save dialog with the field's text as the initial name; on success the
// choice goes into the field (which upper-cases it). `filter` is a double-NUL
// terminated list as the dialog takes it.
void browseForDestination(HWND window, HWND destinationField, const char* filter, const char* defaultExtension);

void drawWindowTexts(HDC dc, const WindowText* texts, size_t count);
void drawFrames(HDC dc, const Frame* frames, size_t count);
