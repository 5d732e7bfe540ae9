#include "main/run_window.h"

#include <commdlg.h>

#include <cstdio>
#include <cstring>

#include "common/draw_text.h"
#include "common/window_keys.h"
#include "main/encrypt_checks.h"
#include "main/run_state.h"
#include "main/ui/about_window.h"
#include "main/ui/hot_spot_input.h"
#include "main/ui/resources.h"
#include "main/ui/skinned_window.h"

const GradientColours kRedFade = {255, 0, 0, 0, 0, 0};
const GradientColours kCyanFade = {25, 255, 255, 0, 0, 0};
const GradientColours kGreenFade = {0, 255, 0, 0, 0, 0};

namespace {

void paintRunWindow(const RunWindowParts& parts, HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    drawTitle(dc);
    drawLinks(dc);
    drawOptionBoxes(dc);
    parts.paintOwnParts(dc);
    EndPaint(window, &paint);
}

// The control that had the focus when the window was last deactivated.
HWND focusBeforeDeactivation = nullptr;

// A plain window takes the focus itself when it is activated again (after one
// of its boxes, or the about window): give it back to the control that had it.
LRESULT keepFocus(HWND window, WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        focusBeforeDeactivation = focus && IsChild(window, focus) ? focus : nullptr;
        return DefWindowProcA(window, WM_ACTIVATE, wParam, lParam);
    }
    const LRESULT result = DefWindowProcA(window, WM_ACTIVATE, wParam, lParam);
    const bool minimized = HIWORD(wParam) != 0;
    if (!minimized && focusBeforeDeactivation && IsChild(window, focusBeforeDeactivation)) {
        SetFocus(focusBeforeDeactivation);
    }
    return result;
}

bool handleKey(HWND window, const MSG& message, const WindowKeys& keys) {
    switch (keyDownFor(message, window)) {
    case VK_TAB: moveFocus(keys.tabOrder, keys.count, GetKeyState(VK_SHIFT) < 0); return true;
    case VK_RETURN: {
        const HWND focus = GetFocus();
        if (isButton(focus) && IsChild(window, focus)) {
            SendMessageA(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED),
                         reinterpret_cast<LPARAM>(focus));
        } else {
            SendMessageA(window, WM_COMMAND, MAKEWPARAM(keys.enterCommand, BN_CLICKED), 0);
        }
        return true;
    }
    case VK_ESCAPE: SendMessageA(window, WM_COMMAND, MAKEWPARAM(closeButton, BN_CLICKED), 0); return true;
    default: return false;
    }
}

void onCommand(const RunWindowParts& parts, HWND window, int id) {
    switch (id) {
    case closeButton: endWindowLoop(kWindowClosed); break;
    case minimizeButton: minimizeOrRefuse(window, window); break;
    default:
        if (!parts.handleOwnCommand(window, id)) handleAboutCommand(id);
        break;
    }
}

}  // namespace

LRESULT runWindowMessage(const RunWindowParts& parts, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: showHotSpots(parts.visibleHotSpots, parts.visibleHotSpotCount); return 0;
    case WM_DESTROY: endWindowLoop(kWindowClosed); return 0;
    case WM_PAINT: paintRunWindow(parts, window); return 0;
    case WM_ACTIVATE: return keepFocus(window, wParam, lParam);
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: handlePointerMessage(window, message, wParam, lParam, *parts.dragOrigin); return 0;
    case WM_COMMAND: onCommand(parts, window, LOWORD(wParam)); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

HWND createRunWindow(const char* className, WNDPROC windowProc, const char* failureNumber) {
    registerSkinnedClass(className, programInstance, nullptr, windowProc, mainSkin, HotSpotReset::Reset);
    HWND window = createSkinnedWindow(className, windowX, windowY);
    if (!window) loadingError(failureNumber);
    ShowWindow(window, SW_SHOWNORMAL);
    return window;
}

HWND createControl(HWND parent, const char* className, const char* text, DWORD style, int x, int y, int width,
                   int height, int id) {
    return CreateWindowExA(0, className, text, WS_CHILD | style, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), programInstance, nullptr);
}

void runWindowLoop(HWND window, const WindowKeys& keys) {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (handleKey(window, message, keys)) {
            serviceAboutRequests();
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
        serviceAboutRequests();
    }
}

void endWindowLoop(int result) {
    windowResult = result;
    PostQuitMessage(kLoopQuitCode);
}

void warn(HWND window, const char* text) { MessageBoxA(window, text, kProductTitle, MB_OK | MB_ICONWARNING); }

bool confirmOverwrite(HWND window, const std::string& destination) {
    std::FILE* existing = std::fopen(destination.c_str(), "rb");
    if (!existing) return true;
    std::fclose(existing);
    return MessageBoxA(window, overwriteQuestion(destination).c_str(), kProductTitle, MB_YESNO | MB_ICONQUESTION) ==
           IDYES;
}

void browseForDestination(HWND window, HWND destinationField, const char* filter, const char* defaultExtension) {
    char file[kWindowTextLimit] = {};
    GetWindowTextA(destinationField, file, kWindowTextLimit);
    OPENFILENAMEA dialog;
    std::memset(&dialog, 0, sizeof dialog);
    // The older record layout, without the trailing extension fields.
    dialog.lStructSize = sizeof(OPENFILENAME_NT4A);
    dialog.hwndOwner = window;
    dialog.lpstrFilter = filter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = kWindowTextLimit;
    dialog.lpstrTitle = kProductTitle;
    // The dialog leaves the current folder alone (on Windows it moves it to the
    // chosen one otherwise).
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR;
    dialog.lpstrDefExt = defaultExtension;
    if (GetSaveFileNameA(&dialog)) SetWindowTextA(destinationField, file);
}

void drawWindowTexts(HDC dc, const WindowText* texts, size_t count) {
    for (size_t i = 0; i < count; i++) {
        const WindowText& t = texts[i];
        drawGradientText(dc, t.text, t.x, t.y, 25, 7, 0, 1, 0, *t.colours);
    }
}

void drawFrames(HDC dc, const Frame* frames, size_t count) {
    for (size_t i = 0; i < count; i++) drawFrame(dc, frames[i].left, frames[i].top, frames[i].right, frames[i].bottom);
}
