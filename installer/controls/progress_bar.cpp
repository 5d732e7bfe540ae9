#include "installer/controls/progress_bar.h"

#include <cstdio>
#include <cstring>

#include "common/draw_picture.h"
#include "common/draw_text.h"
#include "common/scoped_gdi.h"
#include "installer/controls/forwarding.h"
#include "installer/wizard.h"
#include "installer_resource_ids.h"

InstallProgress installProgress = {nullptr, nullptr, 670, 16, 49, 370, 1, {}, INSTALLER_FULL_BAR};

namespace {

const UINT_PTR kProgressTimer = 0x5A01;
const UINT kProgressInterval = 100;

int innerWidth() { return installProgress.width - 2 * installProgress.border; }
int innerHeight() { return installProgress.height - 2 * installProgress.border; }

void invalidateColumns(int left, int right, UINT flags) {
    const RECT area = {left, installProgress.border, right, installProgress.height - installProgress.border};
    RedrawWindow(installProgress.window, &area, nullptr, flags);
}

void onTimer() {
    const PacingTick tick = advanceInstallPacing(installProgress.pacing);
    if (tick.paused) return;
    if (tick.wholeNumber) {
        // The percentage text changes: redraw its area on a fresh background.
        const int textWidth = static_cast<int>(innerHeight() * 0.66666 * 4 * 1.5);
        const int left = (installProgress.width - textWidth) / 2;
        invalidateColumns(left, left + textWidth, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    const int fillEnd = static_cast<int>(innerWidth() * tick.shown / 100);
    invalidateColumns(fillEnd - 5, fillEnd + 5, RDW_INVALIDATE | RDW_ALLCHILDREN);
    if (tick.finished) {
        KillTimer(installProgress.window, kProgressTimer);
        completeInstallation();
    }
}

}  // namespace

void drawInstallProgress(HDC dc) {
    const InstallProgress& bar = installProgress;
    const double percentage = bar.pacing.percentage;

    drawPicture(dc, GetModuleHandleA(nullptr), bar.fillBitmap,
                {bar.border, bar.border, static_cast<int>(innerWidth() * (percentage / 100)), innerHeight(), 0, 0});

    SetBkMode(dc, TRANSPARENT);
    const int charWidth = static_cast<int>(innerHeight() * 0.66666);
    ScopedFont font(createTextFont("Comic Sans MS", 2 * charWidth, charWidth, 0, 0));
    SelectedObject selectedFont(dc, font);
    char text[8];
    std::snprintf(text, sizeof text, "%d%c", static_cast<int>(percentage), '%');
    const int length = static_cast<int>(std::strlen(text));
    SetTextColor(dc, RGB(180, 90, 10));
    TextOutA(dc, static_cast<int>((bar.width - length * charWidth * 1.2) / 2), (bar.height - 2 * charWidth) / 2, text,
             length);
}

LRESULT CALLBACK progressBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        // The pause counter keeps its value; the rest starts afresh.
        installProgress.window = window;
        installProgress.fillBitmap = INSTALLER_FULL_BAR;
        installProgress.border = 1;
        installProgress.pacing.percentage = 0.0;
        installProgress.pacing.step = 0.125;
        SetTimer(window, kProgressTimer, kProgressInterval, nullptr);
        return 0;
    case WM_TIMER: onTimer(); return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        drawInstallProgress(dc);
        EndPaint(window, &paint);
        return 0;
    }
    default: break;
    }
    if (forwardPointerMessage(message, wParam, lParam, installProgress.x, installProgress.y)) return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}
