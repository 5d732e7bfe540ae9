#include "main/ui/progress_window.h"

#include <atomic>
#include <cstring>
#include <ctime>
#include <string>

#include "common/draw_picture.h"
#include "common/draw_text.h"
#include "common/scoped_gdi.h"
#include "common/window_keys.h"
#include "main/run_state.h"
#include "main/ui/about_window.h"
#include "main/ui/hot_spot_input.h"
#include "main/ui/message_wait.h"
#include "main/ui/progress_statistics.h"
#include "main/ui/resources.h"
#include "main/ui/skinned_window.h"

namespace {

const char* const kProgressClass = "ClassThreadDispSta";
const char* const kPanelFace = "Cosmic Sans Roman";

const UINT_PTR kTimerId = 1;
const UINT kFirstTickDelay = 800;
const UINT kTickDelay = 1000;
// Posted by the run; handled like a tick.
const UINT kRefreshMessage = WM_APP + 1;

const COLORREF kValueColour = RGB(20, 20, 165);

const char kEncryptExitQuestion[] =
    "IF YOU EXIT NOW THE ENCRYPTED FILE WILL NOT BE CREATED.\nDO YOU STILL WANT TO QUIT?";
const char kDecryptExitQuestion[] =
    "IF YOU EXIT NOW THE DECRYPTED FILE WILL NOT BE CREATED.\nDO YOU STILL WANT TO QUIT?";

// The window, for the run's refresh request; null until it exists.
std::atomic<HWND> progressWindow{nullptr};
HANDLE progressWindowReady = nullptr;

// Progress thread only.
float percentDone = 0;
DragOrigin progressDragOrigin;

void redraw(HWND window, int left, int top, int right, int bottom, UINT flags) {
    const RECT area = {left, top, right, bottom};
    RedrawWindow(window, &area, nullptr, flags);
}

void tick(HWND window) {
    if (windowResult == kRunStarted) {
        // The first tick after the run started: everything once, then every second.
        InvalidateRect(window, nullptr, TRUE);
        windowResult = 0;
        SetTimer(window, kTimerId, kTickDelay, nullptr);
    } else {
        // Only the values change; the bar only grows, so it is not erased.
        const int top = valueColumnsTop(std::strlen(runProgress.caption));
        redraw(window, 111, top, 265, top + 90, RDW_INVALIDATE | RDW_ERASE);
        redraw(window, 475, top, 629, top + 90, RDW_INVALIDATE | RDW_ERASE);
        redraw(window, 123, 410, 645, 425, RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
    if (percentDone == 100.0f) KillTimer(window, kTimerId);
}

void drawShaded(HDC dc, int x, int y, const std::string& text) {
    drawShadedText(dc, x, y, text.c_str(), static_cast<int>(text.size()), 7);
}

void drawValue(HDC dc, int x, int y, const std::string& text) {
    TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

void paintProgressWindow(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    drawLinks(dc);
    drawOptionBoxes(dc);
    drawStatistics(dc, window);
    drawProgressBar(dc);
    EndPaint(window, &paint);
}

void onCommand(HWND window, int id) {
    switch (id) {
    case closeButton: runProgress.exitRequest = kExitRequested; break;
    case minimizeButton: minimizeOrRefuse(window, nullptr); break;
    default: handleAboutCommand(id); break;
    }
}

// The user asked to close the window. Returns true when the thread is to end
// because the run is now cancelled.
bool answerExitRequest(HWND window) {
    const int kind = runProgress.runKind;
    if (kind != kNoRun) {
        const char* question = kind == kEncrypting ? kEncryptExitQuestion : kDecryptExitQuestion;
        if (MessageBoxA(window, question, kProductTitle, MB_YESNO | MB_ICONQUESTION) != IDYES) return false;
    }
    endAboutThread();
    // The run may end at any moment: one exchange decides whether the cancel
    // came first. Finished before the question or while it was open, the output
    // is complete, and closing the window ends the process as after any finished run.
    int running = kind;
    if (kind == kNoRun || !runProgress.runKind.compare_exchange_strong(running, kCancelling)) ExitProcess(1);
    runProgress.cancelCode = kCancelConfirmed;
    return true;
}

}  // namespace

HANDLE startProgressThread() {
    if (!progressWindowReady) progressWindowReady = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    HANDLE thread = CreateThread(nullptr, 0, progressThread, nullptr, 0, nullptr);
    if (!thread) return nullptr;
    // The thread ends at once when its window cannot be made.
    const HANDLE handles[2] = {progressWindowReady, thread};
    waitAnswering(handles, 2);
    if (!progressWindow.load()) {
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
        return nullptr;
    }
    return thread;
}

void requestProgressRefresh() {
    if (HWND window = progressWindow.load()) PostMessageA(window, kRefreshMessage, 0, 0);
}

DWORD WINAPI progressThread(LPVOID) {
    registerSkinnedClass(kProgressClass, programInstance, nullptr, progressWindowProc, progressSkin,
                         HotSpotReset::Reset);
    HWND window = createSkinnedWindow(kProgressClass, windowX, windowY);
    // The run removes its output before it reports the failure.
    if (!window) return 0;
    progressWindow = window;
    ShowWindow(window, SW_SHOWNORMAL);
    SetEvent(progressWindowReady);

    MSG message;
    for (;;) {
        if (runProgress.cancelCode != 0) break;
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) break;
        // Esc is the X button: the same exit question.
        if (keyDownFor(message, window) == VK_ESCAPE) {
            onCommand(window, closeButton);
        } else {
            DispatchMessageA(&message);
        }
        if (serviceAboutRequests()) continue;
        if (runProgress.exitRequest == kExitRequested) {
            runProgress.exitRequest = 0;
            if (answerExitRequest(window)) break;
        }
    }
    progressWindow = nullptr;
    DestroyWindow(window);
    return 0;
}

LRESULT CALLBACK progressWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        const int visible[] = {creditsLink, aboutLink};
        showHotSpots(visible, 2);
        createCaptionButtons(window, true);
        SetTimer(window, kTimerId, kFirstTickDelay, nullptr);
        percentDone = 0;
        return 0;
    }
    // Closing by any means asks first; the window stays until the answer.
    case WM_CLOSE: runProgress.exitRequest = kExitRequested; return 0;
    case WM_DESTROY: runProgress.exitRequest = kExitRequested; return 0;
    case WM_SIZE: InvalidateRect(window, nullptr, TRUE); return 0;
    case WM_PAINT: paintProgressWindow(window); return 0;
    case WM_TIMER:
    case kRefreshMessage: tick(window); return 0;
    case WM_COMMAND: onCommand(window, LOWORD(wParam)); return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: handlePointerMessage(window, message, wParam, lParam, progressDragOrigin); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

void drawStatistics(HDC dc, HWND) {
    ScopedFont font(createTextFont(kPanelFace, 25, 7, 1, 0));
    SelectedObject selectedFont(dc, font);
    SetBkMode(dc, TRANSPARENT);

    drawTitle(dc);

    const std::string caption = runProgress.caption;
    const std::vector<std::string> lines = captionLines(caption);
    for (size_t i = 0; i < lines.size(); i++) drawShaded(dc, 20, 60 + 18 * static_cast<int>(i), lines[i]);

    const int y0 = firstRowY(caption.size());
    drawShaded(dc, 20, y0, "TOTAL SIZE :");
    drawShaded(dc, 111, y0, sizeText(static_cast<int64_t>(runProgress.totalBytes)));
    drawShaded(dc, 20, y0 + 30, "COMPLETED  :");
    drawShaded(dc, 384, y0 + 30, "REMAINING  :");
    drawShaded(dc, 20, y0 + 60, "TIME PASSED:");
    drawShaded(dc, 384, y0 + 60, "TIME LEFT  :");
    drawShaded(dc, 20, y0 + 90, "SPEED      :");
    drawShaded(dc, 384, y0 + 90, "AVG SPEED  :");

    const ProgressFigures figures = updateStatistics(runProgress, std::time(nullptr));
    percentDone = figures.percentDone;

    const int y1 = y0 + 30;
    SetTextColor(dc, kValueColour);
    drawValue(dc, 111, y1, percentageText(static_cast<int64_t>(figures.doneBytes), percentDone));
    drawValue(dc, 475, y1, percentageText(static_cast<int64_t>(figures.remaining), 100.0 - percentDone));
    drawValue(dc, 111, y1 + 30, timePassedText(figures.elapsedSeconds));
    drawValue(dc, 475, y1 + 30, timeLeftText(figures.remaining, runProgress.currentSpeed));
    drawValue(dc, 111, y1 + 60, speedText(runProgress.currentSpeed));
    drawValue(dc, 475, y1 + 60, averageSpeedText(runProgress.averageSpeed));
}

void drawProgressBar(HDC dc) {
    const int width = barWidth(percentDone);
    if (width == 0) return;
    drawTransparentPicture(dc, programInstance, barStrip, {kBarLeft, kBarTop, width, kBarHeight, 0, 0});
}
