#include "installer/controls/forwarding.h"

#include "installer/wizard.h"

void forwardToWizard(UINT message, WPARAM wParam, int wizardX, int wizardY) {
    const LPARAM point = MAKELPARAM(static_cast<WORD>(wizardX & 0xFFFF), static_cast<WORD>(wizardY & 0xFFFF));
    wizardWindowProc(mainWindow, message, wParam, point);
}
