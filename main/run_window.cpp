#include "main/run_window.h"

#include <commdlg.h>

#include <cstdio>
#include <cstring>

#include "common/draw_text.h"
#include "main/encrypt_checks.h"
#include "main/run_state.h"
#include "main/ui/about_window.h"
#include "main/ui/skinned_window.h"

const GradientColours kRedFade = {255, 0, 0, 0, 0, 0};
const GradientColours kCyanFade = {25, 255, 255, 0, 0, 0};
const GradientColours kGreenFade = {0, 255, 0, 0, 0, 0};

HWND createRunWindow(const char* className, WNDPROC windowProc, const char* failureNumber) {
    registerSkinnedClass(className, programInstance, nullptr, windowProc);
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

void runWindowLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
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
    dialog.Flags = OFN_OVERWRITEPROMPT;
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
