#include "main/ui/skinned_window.h"

#include <cstring>
#include <string>

#include "common/draw_text.h"
#include "main/error_box.h"
#include "main/run_state.h"
#include "main/ui/hot_spot_input.h"
#include "main/ui/resources.h"
#include "main/ui/title.h"

HINSTANCE programInstance = nullptr;

namespace {

const GradientColours kTitleColours = {17, 255, 215, 17, 0, 215};

HWND createButton(HWND parent, const char* className, const char* text, int x, int y, int width, int height, int id,
                  bool visible) {
    const DWORD style = WS_CHILD | BS_PUSHBUTTON | (visible ? WS_VISIBLE : 0);
    return CreateWindowExA(0, className, text, style, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), programInstance, nullptr);
}

}  // namespace

void registerSkinnedClass(const char* className, HINSTANCE instance, const char* menuName, WNDPROC windowProc, int skin,
                          HotSpotReset reset) {
    // The bitmap has the window's size, so the pattern brush paints the whole skin.
    HBITMAP bitmap = LoadBitmapA(instance, MAKEINTRESOURCEA(skin));
    HBRUSH brush = CreatePatternBrush(bitmap);

    WNDCLASSEXA windowClass;
    std::memset(&windowClass, 0, sizeof windowClass);
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(kProgramIcon));
    windowClass.hIconSm = LoadIconA(instance, MAKEINTRESOURCEA(kProgramIcon));
    windowClass.hCursor = LoadCursorA(instance, MAKEINTRESOURCEA(kProgramCursor));
    windowClass.hbrBackground = brush;
    windowClass.lpszMenuName = menuName;
    windowClass.lpszClassName = className;
    if (!RegisterClassExA(&windowClass)) {
        // Registered before: that class keeps its own brush; this one is not needed.
        DeleteObject(brush);
        DeleteObject(bitmap);
    }

    if (reset == HotSpotReset::Reset) resetHotSpotState();
}

HWND createSkinnedWindow(const char* className, int x, int y) {
    return CreateWindowExA(0, className, kProductTitle, WS_POPUP, x, y, kWindowWidth, kWindowHeight, nullptr, nullptr,
                           programInstance, nullptr);
}

void drawTitle(HDC dc) {
    drawGradientText(dc, kProductTitle, titleX(kProductTitle), 12, 45, 15, -1, 0, 1, kTitleColours);
}

void createCaptionButtons(HWND window, bool visible) {
    createButton(window, "BUTTON", "-", 736, 11, 20, 20, minimizeButton, visible);
    createButton(window, "button", "X", 757, 11, 20, 20, closeButton, visible);
}

void minimizeOrRefuse(HWND window, HWND owner) {
    ShowWindow(window, SW_MINIMIZE);
    if (!IsIconic(window)) {
        MessageBoxA(owner, "SORRY ZORVANEX CANNOT BE MIIMIZED RIGHT NOW.", kProductTitle, MB_OK | MB_ICONERROR);
    }
}

void loadingError(const char* number) {
    const std::string text = std::string("SOFTWARE LOADING ERROR. ERROR NO. :") + number +
                             "\nIT MAY BE DUE TO EITHER IMPROPER INSTALLATION OR ITS INCOMPATIBILITY WITH YOUR "
                             "OPERATING SYSTEM";
    fatalError(text);
}
