#include "installer/controls/forwarding.h"

#include "common/window_drag.h"
#include "installer/controls/caption_button.h"
#include "installer/wizard.h"

void forwardToWizard(UINT message, WPARAM wParam, int wizardX, int wizardY) {
    const LPARAM point = MAKELPARAM(static_cast<WORD>(wizardX & 0xFFFF), static_cast<WORD>(wizardY & 0xFFFF));
    wizardWindowProc(mainWindow, message, wParam, point);
}

bool forwardPointerMessage(UINT message, WPARAM wParam, LPARAM lParam, int controlX, int controlY) {
    if (message != WM_MOUSEMOVE && message != WM_LBUTTONDOWN && message != WM_LBUTTONUP) return false;
    if (message == WM_MOUSEMOVE) clearButtonHover(kNoButton);
    const POINT point = pointerPoint(lParam);
    forwardToWizard(message, wParam, static_cast<int>(point.x) + controlX, static_cast<int>(point.y) + controlY);
    return true;
}
