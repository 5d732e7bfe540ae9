#include "main/ui/about_window.h"

#include <atomic>
#include <cstring>

#include "common/draw_picture.h"
#include "common/draw_text.h"
#include "common/window_drag.h"
#include "common/window_keys.h"
#include "main/run_state.h"
#include "main/ui/about_requests.h"
#include "main/ui/about_texts.h"
#include "main/ui/hot_spots.h"
#include "main/ui/message_wait.h"
#include "main/ui/resources.h"
#include "main/ui/skinned_window.h"

HANDLE aboutThread = nullptr;
int aboutX = 10;
int aboutY = 10;

namespace {

const char* const kAboutClass = "ClassThreadAbout";

// The open window, for the thread that ends it; null while none exists.
std::atomic<HWND> aboutWindow{nullptr};
// Signalled once the new window exists and can take messages.
HANDLE aboutWindowReady = nullptr;

WindowDrag aboutDrag;

const GradientColours kCaptionColours = {0, 0, 0, 255, 255, 255};
const GradientColours kHeadingColours = {255, 255, 0, 0, 0, 0};
const GradientColours kPageColours = {0, 255, 255, 255, 0, 0};

void startAboutThread(int page) {
    // The page is settled before the new window first paints.
    aboutState = page;
    if (!aboutWindowReady) aboutWindowReady = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    aboutThread = CreateThread(nullptr, 0, aboutThreadProc, nullptr, 0, nullptr);
    if (!aboutThread) loadingError("0012");
    const HANDLE handles[2] = {aboutWindowReady, aboutThread};
    waitAnswering(handles, 2);
}

void paintPicture(HDC dc) { drawPicture(dc, programInstance, aboutPicture, {544, 70, 217, 275, 0, 0}); }

void paintPage(HDC dc, const char* heading, int headingX, int underline, const char* text) {
    drawGradientText(dc, heading, headingX, 70, 45, 15, -1, 0, underline, kHeadingColours);
    // Wrapping writes into the text, so every paint wraps a fresh copy.
    char page[kPageBufferSize] = {};
    std::strncpy(page, text, sizeof page - 1);
    drawGradientParagraph(dc, page, 25, 265, 132, 25, 7, 3, 1, 0, kPageColours);
}

void paintAboutWindow(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    drawTitle(dc);
    paintPicture(dc);
    drawFrame(dc, 543, 69, 762, 346);
    drawGradientText(dc, kPictureCaption, 548, 345, 45, 15, -1, 0, 1, kCaptionColours);
    const int state = aboutState;
    if (state == kAboutShown) paintPage(dc, "ABOUT THE SOFTWARE", 145, 1, kAboutText);
    if (state == kCreditsShown) paintPage(dc, "CREDITS", 220, 0, kCreditsText);
    EndPaint(window, &paint);
}

}  // namespace

bool handleAboutCommand(int commandId) {
    if (commandId != aboutCommand && commandId != creditsCommand) return false;
    // The about window may set the state to 0 at the same moment.
    int state = aboutState;
    while (!aboutState.compare_exchange_weak(state, aboutStateAfterCommand(state, commandId))) {}
    return true;
}

bool serviceAboutRequests() {
    const AboutService service = aboutServiceFor(aboutState);
    if (!service.served) return false;
    // A window still open (or a thread still ending) goes first, with its closing steps.
    endAboutThread();
    startAboutThread(service.page);
    return true;
}

void endAboutThread() {
    if (!aboutThread) return;
    if (HWND window = aboutWindow.load()) PostMessageA(window, WM_CLOSE, 0, 0);
    waitAnswering(&aboutThread, 1);
    CloseHandle(aboutThread);
    aboutThread = nullptr;
}

DWORD WINAPI aboutThreadProc(LPVOID) {
    registerSkinnedClass(kAboutClass, programInstance, nullptr, aboutWindowProc, mainSkin, HotSpotReset::Keep);
    HWND window = createSkinnedWindow(kAboutClass, aboutX, aboutY);
    if (!window) loadingError("0012");
    aboutWindow = window;
    ShowWindow(window, SW_SHOWNORMAL);
    SetEvent(aboutWindowReady);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        // Esc is the X button.
        if (keyDownFor(message, window) == VK_ESCAPE) {
            SendMessageA(window, WM_COMMAND, MAKEWPARAM(closeButton, BN_CLICKED), 0);
        } else {
            DispatchMessageA(&message);
        }
    }
    return 0;
}

LRESULT CALLBACK aboutWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: createCaptionButtons(window, true); return 0;
    case WM_DESTROY:
        // The thread's handle stays with the loop owner, which waits on it.
        aboutState = kAboutClosed;
        aboutWindow = nullptr;
        PostQuitMessage(kLoopQuitCode);
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case closeButton: DestroyWindow(window); break;
        case minimizeButton: minimizeOrRefuse(window, nullptr); break;
        default: break;
        }
        return 0;
    case WM_PAINT: paintAboutWindow(window); return 0;
    case WM_LBUTTONDOWN: beginWindowDrag(window, aboutDrag, lParam); return 0;
    case WM_LBUTTONUP: endWindowDrag(aboutDrag); return 0;
    case WM_MOUSEMOVE:
        followWindowDrag(window, aboutDrag, wParam, lParam, aboutX, aboutY, kWindowWidth, kWindowHeight);
        return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}
