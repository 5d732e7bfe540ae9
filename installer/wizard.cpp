#include "installer/wizard.h"

#include <objbase.h>
#include <shlobj.h>

#include <cstring>
#include <string>

#include "common/draw_text.h"
#include "common/shutdown.h"
#include "common/window_drag.h"
#include "common/window_keys.h"
#include "installer/controls/caption_button.h"
#include "installer/controls/pictures.h"
#include "installer/controls/progress_bar.h"
#include "installer/controls/slide_viewer.h"
#include "installer/controls/text_display.h"
#include "installer/failure.h"
#include "installer/install_texts.h"
#include "installer/installation.h"
#include "installer_resource_ids.h"

HINSTANCE installerInstance = nullptr;
HWND mainWindow = nullptr;
int wizardPage = kWelcomePage;
char ownPath[MAX_PATH];
char defaultParentFolder[MAX_PATH];

namespace {

// The window title (and the folder browser's) says 3.0, unlike every other text.
const char* const kWindowTitle = "ZORVANEX(version-3.0)";
const char* const kExitQuestion =
    "If you leave now, the installation will remain incomplete. Do you still want to quit the installation setup?";
const char* const kRestartQuestion =
    "To complete the installation process, the computer should be restarted. Do you want to restart now?";
const char* const kMinimiseRefusal = "Sorry! Zorvanex Installation Setup can not be minimized right now.";

int windowX = 0;
int windowY = 0;
WindowDrag wizardDrag;
char installationDirectory[MAX_PATH + 64];
// Set once the registry values, the directories and the read-me are written. An
// error box of that step runs a message loop in which the bar keeps ticking; the
// bar may reach 100 percent behind it, and must then not install the programs.
bool installationStarted = false;
HWND slideViewer = nullptr;

struct ButtonPlace {
    const char* caption;
    int x, y, width, height;
    bool visible;
};

const ButtonPlace kButtonPlaces[kCaptionButtonCount] = {
    {"NEXT", 648, 400, 100, 30, true}, {"BROWSE", 648, 330, 100, 30, false}, {"BACK", 538, 400, 100, 30, false},
    {"X", 731, 7, 30, 20, true},       {"-", 698, 7, 30, 20, true},
};

void registerClass(const char* name, WNDPROC procedure, int backgroundBitmap) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = installerInstance;
    windowClass.hIcon = LoadIconA(installerInstance, MAKEINTRESOURCEA(INSTALLER_ICON));
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = CreatePatternBrush(LoadBitmapA(installerInstance, MAKEINTRESOURCEA(backgroundBitmap)));
    windowClass.lpszClassName = name;
    RegisterClassExA(&windowClass);
}

HWND createChild(const char* className, DWORD style, int x, int y, int width, int height, int id) {
    return CreateWindowExA(0, className, "error", style, x, y, width, height, mainWindow,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), installerInstance, nullptr);
}

void createCaptionButtons() {
    for (int i = 0; i < kCaptionButtonCount; ++i) {
        const ButtonPlace& place = kButtonPlaces[i];
        CaptionButton& button = captionButtons[i];
        button = CaptionButton{};
        button.parent = mainWindow;
        button.width = place.width;
        button.height = place.height;
        button.x = place.x;
        button.y = place.y;
        button.charWidth = 8;
        button.fontHeight = 18;
        button.textOffset = -static_cast<int>(std::strlen(place.caption));
        button.hoverColour = RGB(234, 163, 99);
        button.normalColour = RGB(0, 0, 0);
        button.backgroundBitmap = INSTALLER_SKIN;
        std::strcpy(button.caption, place.caption);
        const DWORD style = WS_CHILD | (place.visible ? WS_VISIBLE : 0);
        button.window =
            createChild("PELK_TXT_BUTTON", style, place.x, place.y, place.width, place.height, commandIdOf(i));
    }
}

void createTextDisplay(int index, const char* text, int y, int width, int height, int charWidth, int fontHeight,
                       COLORREF start, COLORREF end) {
    TextDisplay& display = textDisplays[index];
    display = TextDisplay{};
    display.parent = mainWindow;
    display.width = width;
    display.height = height;
    display.x = (kWizardWidth - width) / 2;
    display.y = y;
    display.charWidth = charWidth;
    display.fontHeight = fontHeight;
    display.startColour = start;
    display.endColour = end;
    std::strncpy(display.text, text, sizeof display.text - 1);
    display.window = createChild("PELK_STATIC_BUTTON", WS_CHILD, display.x, y, width, height, 0);
}

void redrawArea(int left, int top, int right, int bottom) {
    const RECT area = {left, top, right, bottom};
    RedrawWindow(mainWindow, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void setForwardCaption(const char* caption) { std::strcpy(captionButtons[kForwardButton].caption, caption); }

void showDirectoryControls(int show) {
    ShowWindow(textDisplays[kDirectoryDisplay].window, show);
    ShowWindow(captionButtons[kBrowseButton].window, show);
    ShowWindow(captionButtons[kBackButton].window, show);
}

void startInstallation() {
    wizardPage = kInstallingPage;
    setForwardCaption("FINISH");
    ShowWindow(captionButtons[kForwardButton].window, SW_HIDE);
    showDirectoryControls(SW_HIDE);

    installProgress.parent = mainWindow;
    createChild("PROGRESS_BAR", WS_CHILD | WS_VISIBLE, installProgress.x, installProgress.y, installProgress.width,
                installProgress.height, 0);
    slideViewer = createChild("SLIDE_VIEWER", WS_CHILD | WS_VISIBLE, 11, 140, 746, 192, 0);
    redrawArea(43, 364, 725, 392);

    const std::string directory = installationDirectoryFrom(textDisplays[kDirectoryDisplay].text);
    std::strncpy(installationDirectory, directory.c_str(), sizeof installationDirectory - 1);
    writeInstallationStart(installationDirectory);
    installationStarted = true;
}

void browseForFolder() {
    char displayName[MAX_PATH];
    BROWSEINFOA browse = {};
    browse.hwndOwner = mainWindow;
    browse.pszDisplayName = displayName;
    browse.lpszTitle = kWindowTitle;
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    LPITEMIDLIST item = SHBrowseForFolderA(&browse);
    if (item == nullptr) return;
    char path[MAX_PATH];
    if (SHGetPathFromIDListA(item, path)) {
        std::strncpy(textDisplays[kDirectoryDisplay].text, path, sizeof textDisplays[kDirectoryDisplay].text - 1);
    }
    CoTaskMemFree(item);
    RedrawWindow(textDisplays[kDirectoryDisplay].window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void onForward() {
    switch (wizardPage) {
    case kWelcomePage:
        wizardPage = kDirectoryPage;
        showDirectoryControls(SW_SHOW);
        setForwardCaption("INSTALL");
        drawCaptionButton(kForwardButton, false);
        redrawArea(20, 130, 725, 380);
        break;
    case kDirectoryPage: startInstallation(); break;
    case kFinishedPage:
        if (MessageBoxA(mainWindow, kRestartQuestion, kProductTitle, MB_ICONINFORMATION | MB_YESNO) == IDYES) {
            shutDownComputer(kRestartFlags);
        }
        endInstaller();
    default: break;  // the button is hidden while installing
    }
}

void onBack() {
    wizardPage = kWelcomePage;
    showDirectoryControls(SW_HIDE);
    setForwardCaption("NEXT");
    drawCaptionButton(kForwardButton, false);
    redrawArea(20, 130, 725, 380);
}

// The one way out before the end: "X", Esc and every other close (WM_CLOSE,
// which Alt+F4 and the taskbar's Close reach through SC_CLOSE) ask first;
// leaving mid-installation leaves the shell verb pointing at no program.
void askToQuit() {
    if (MessageBoxA(mainWindow, kExitQuestion, kProductTitle, MB_ICONQUESTION | MB_YESNO) == IDYES) endInstaller();
}

// Enter is the page's forward button, while it is shown; Esc is "X".
bool handleKey(const MSG& message) {
    switch (keyDownFor(message, mainWindow)) {
    case VK_RETURN:
        if (IsWindowVisible(captionButtons[kForwardButton].window)) onForward();
        return true;
    case VK_ESCAPE: askToQuit(); return true;
    default: return false;
    }
}

void onMinimise() {
    ShowWindow(mainWindow, SW_MINIMIZE);
    if (!IsIconic(mainWindow)) MessageBoxA(mainWindow, kMinimiseRefusal, kProductTitle, MB_ICONERROR | MB_OK);
}

LRESULT onCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
    case kForwardCommand: onForward(); return 0;
    case kBrowseCommand: browseForFolder(); return 0;
    case kBackCommand: onBack(); return 0;
    case kExitCommand: askToQuit(); return 0;
    case kMinimiseCommand: onMinimise(); return 0;
    default: return DefWindowProcA(window, WM_COMMAND, wParam, lParam);
    }
}

void onPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    drawPatternFrame(dc, 0, 0, kWizardWidth, kWizardHeight, 6);
    drawBanner(dc);
    switch (wizardPage) {
    case kWelcomePage: drawWelcomePicture(dc); break;
    case kDirectoryPage:
        drawGradientText(dc, "Installation Directory:", 20, 140, 35, 14, 0, 0, 0, {255, 255, 0, 255, 0, 0});
        break;
    case kInstallingPage: drawPatternFrame(dc, 44, 365, 724, 391, 5); break;
    default: break;
    }
    EndPaint(window, &paint);
}

void removeSizeEntries(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    for (int i = 0; i < 3; ++i) RemoveMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
}

}  // namespace

void endInstaller() {
    PostQuitMessage(18);
    ExitProcess(1);
}

void completeInstallation() {
    if (!installationStarted) return;
    runFileStep(installationDirectory);
    wizardPage = kFinishedPage;
    ShowWindow(slideViewer, SW_HIDE);
    ShowWindow(installProgress.window, SW_HIDE);
    ShowWindow(captionButtons[kForwardButton].window, SW_SHOW);
    TextDisplay& success = textDisplays[kSuccessDisplay];
    std::strncpy(success.text, completedSuccessText(installationDirectory).c_str(), sizeof success.text - 1);
    ShowWindow(success.window, SW_SHOW);
}

LRESULT CALLBACK wizardWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: removeSizeEntries(window); return 0;
    case WM_CLOSE: askToQuit(); return 0;
    case WM_DESTROY: endInstaller();
    case WM_PAINT: onPaint(window); return 0;
    case WM_COMMAND: return onCommand(window, wParam, lParam);
    case WM_LBUTTONDOWN: beginWindowDrag(window, wizardDrag, lParam); return 0;
    case WM_MOUSEMOVE:
        followWindowDrag(window, wizardDrag, wParam, lParam, windowX, windowY, kWizardWidth, kWizardHeight);
        clearButtonHover(kNoButton);
        return 0;
    case WM_LBUTTONUP: endWindowDrag(wizardDrag); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

void startWizard() {
    // The folder browser's new dialog style needs COM on this thread.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    registerClass("InstallerClass1", wizardWindowProc, INSTALLER_SKIN);
    windowX = (GetSystemMetrics(SM_CXSCREEN) - kWizardWidth) / 2;
    windowY = (GetSystemMetrics(SM_CYSCREEN) - kWizardHeight) / 2;
    mainWindow = CreateWindowExA(0, "InstallerClass1", kWindowTitle, WS_POPUP | WS_VISIBLE, windowX, windowY,
                                 kWizardWidth, kWizardHeight, nullptr, nullptr, installerInstance, nullptr);
    if (mainWindow == nullptr) failWithLoadingError(102, nullptr);

    registerClass("PELK_TXT_BUTTON", captionButtonProc, INSTALLER_SKIN);
    registerClass("PELK_STATIC_BUTTON", textDisplayProc, INSTALLER_DISPLAY_PATTERN);
    registerClass("PROGRESS_BAR", progressBarProc, INSTALLER_SKIN);
    registerClass("SLIDE_VIEWER", slideViewerProc, INSTALLER_SKIN);

    createCaptionButtons();
    createTextDisplay(kDirectoryDisplay, defaultParentFolder, 170, 728, 160, 9, 20, RGB(180, 0, 180),
                      RGB(180, 230, 30));
    createTextDisplay(kSuccessDisplay, initialSuccessText().c_str(), 140, 728, 250, 10, 22, RGB(255, 0, 128),
                      RGB(255, 128, 0));

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (handleKey(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    ExitProcess(1);
}
