#include "common/window_keys.h"

WPARAM keyDownFor(const MSG& message, HWND window) {
    if (message.message != WM_KEYDOWN) return 0;
    if (message.hwnd != window && !IsChild(window, message.hwnd)) return 0;
    return message.wParam;
}

bool isButton(HWND control) {
    char className[16] = {};
    return control && GetClassNameA(control, className, sizeof className) && lstrcmpiA(className, "Button") == 0;
}

void focusControl(HWND control) {
    SetFocus(control);
    char className[16] = {};
    if (GetClassNameA(control, className, sizeof className) && lstrcmpiA(className, "Edit") == 0) {
        SendMessageA(control, EM_SETSEL, 0, -1);
    }
}

void moveFocus(const HWND* order, int count, bool backwards) {
    if (count <= 0) return;
    const HWND focus = GetFocus();
    int current = -1;
    for (int i = 0; i < count; i++) {
        if (order[i] == focus) current = i;
    }
    if (current < 0) current = backwards ? 0 : count - 1;
    const int step = backwards ? count - 1 : 1;
    for (int tried = 1; tried <= count; tried++) {
        const HWND next = order[(current + step * tried) % count];
        if (next && IsWindowVisible(next) && IsWindowEnabled(next)) {
            focusControl(next);
            return;
        }
    }
}
