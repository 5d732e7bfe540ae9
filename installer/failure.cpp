#include "installer/failure.h"

#include "installer/install_texts.h"
#include "installer/wizard.h"

void failWithAccessError(int number) {
    if (mainWindow != nullptr) ShowWindow(mainWindow, SW_HIDE);
    MessageBoxA(nullptr, accessErrorText(number).c_str(), kProductTitle, MB_ICONERROR | MB_OK);
    ExitProcess(1);
}

void failWithLoadingError(int number, HWND owner) {
    MessageBoxA(owner, loadingErrorText(number).c_str(), kProductTitle, MB_ICONERROR | MB_OK);
    ExitProcess(1);
}
