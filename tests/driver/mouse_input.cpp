#include "tests/driver/mouse_input.h"

#include "tests/driver/driver.h"
#include "tests/driver/window_finding.h"

namespace {

const int kDragSteps = 8;

// Enough round trips for the thread to take every queued mouse message.
void waitUntilHandled(HWND window) {
    for (int i = 0; i < 4 && IsWindow(window); ++i) roundTrip(window);
}

POINT toScreen(HWND window, POINT client) {
    ClientToScreen(window, &client);
    return client;
}

POINT between(POINT from, POINT to, int step, int steps) {
    return {from.x + (to.x - from.x) * step / steps, from.y + (to.y - from.y) * step / steps};
}

void sendMouse(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

// A zero-length relative move after SetCursorPos makes the move a mouse event.
void moveCursor(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    sendMouse(MOUSEEVENTF_MOVE);
}

// The deepest visible child under a client point, and the point in its coordinates.
HWND targetAt(HWND window, POINT& point) {
    HWND target = window;
    while (true) {
        HWND child = ChildWindowFromPointEx(target, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (!child || child == target) return target;
        MapWindowPoints(target, child, &point, 1);
        target = child;
    }
}

LPARAM pointParam(POINT point) { return MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y)); }

void post(HWND target, UINT message, WPARAM keys, POINT point) {
    PostMessageA(target, message, keys, pointParam(point));
    waitUntilHandled(target);
}

}  // namespace

bool realMove(HWND window, POINT client) {
    moveCursor(toScreen(window, client));
    waitUntilHandled(window);
    return true;
}

bool realClick(HWND window, POINT client) {
    moveCursor(toScreen(window, client));
    waitUntilHandled(window);
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    waitUntilHandled(window);
    sendMouse(MOUSEEVENTF_LEFTUP);
    waitUntilHandled(window);
    return true;
}

bool realDrag(HWND window, POINT from, POINT to) {
    // Screen points fixed at the start: the window may move under the cursor.
    const POINT start = toScreen(window, from);
    const POINT end = toScreen(window, to);
    moveCursor(start);
    waitUntilHandled(window);
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    waitUntilHandled(window);
    for (int step = 1; step <= kDragSteps; ++step) {
        moveCursor(between(start, end, step, kDragSteps));
        waitUntilHandled(window);
    }
    sendMouse(MOUSEEVENTF_LEFTUP);
    waitUntilHandled(window);
    return true;
}

bool postedClick(HWND window, POINT client) {
    POINT point = client;
    HWND target = targetAt(window, point);
    post(target, WM_MOUSEMOVE, 0, point);
    post(target, WM_LBUTTONDOWN, MK_LBUTTON, point);
    post(target, WM_LBUTTONUP, 0, point);
    return true;
}

bool postedDrag(HWND window, POINT from, POINT to) {
    POINT point = from;
    HWND target = targetAt(window, point);
    const POINT start = toScreen(window, from);
    const POINT end = toScreen(window, to);
    post(target, WM_MOUSEMOVE, 0, point);
    post(target, WM_LBUTTONDOWN, MK_LBUTTON, point);
    // Like captured input: every move goes to the window that took the press, in
    // its coordinates at that moment.
    for (int step = 1; step <= kDragSteps; ++step) {
        point = between(start, end, step, kDragSteps);
        ScreenToClient(target, &point);
        post(target, WM_MOUSEMOVE, MK_LBUTTON, point);
    }
    post(target, WM_LBUTTONUP, 0, point);
    return true;
}
