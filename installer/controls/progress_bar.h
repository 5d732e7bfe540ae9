// The installer's progress bar (class PROGRESS_BAR): a timed animation from 0 to
// 100 percent that hands over to the wizard's completion step when full.
#pragma once

#include <windows.h>

#include "installer/controls/progress_pacing.h"

struct InstallProgress {
    HWND parent;
    HWND window;
    int width, height;
    int x, y;
    int border;            // inset of the fill on every side
    InstallPacing pacing;  // pause counter, percentage, step
    int fillBitmap;
};

extern InstallProgress installProgress;

LRESULT CALLBACK progressBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void drawInstallProgress(HDC dc);
