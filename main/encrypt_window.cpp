#include "main/encrypt_window.h"

#include <cstdio>

#include "common/file_ops.h"
#include "main/encrypt_checks.h"
#include "main/run_state.h"
#include "main/run_window.h"
#include "main/ui/about_window.h"
#include "main/ui/hot_spot_input.h"
#include "main/ui/skinned_window.h"

namespace {

const char* const kEncryptClass = "EncryptClass1";

const int encryptButton = 423;
const int browseButton = 426;
const int destinationFieldId = 521;

// Room for 23 characters: a longer password is cut, and still refused as too long.
const int kPasswordRoom = 24;

HWND destinationField = nullptr;
HWND passwordField = nullptr;
HWND confirmField = nullptr;
std::string encryptSource;
DragOrigin encryptDragOrigin;

// The last accepted destination lives in the run's caption until the run needs it.
char* const lastAccepted = runProgress.caption;

const WindowText kTexts[] = {
    {20, 80, "You can secure the encrypted file by making it password-protected [optional].", &kRedFade},
    {280, 110, "Enter Password [Maximum 20 characters]", &kRedFade},
    {280, 150, "Confirm Password", &kRedFade},
    {20, 200, "The encrypted file along with its full path:", &kCyanFade},
    {40, 420, "To encrypt this file, press this button -->", &kGreenFade},
};

const Frame kFrames[] = {
    {353, 409, 435, 451},  // ENCRYPT
    {697, 206, 769, 228},  // BROWSE
    {19, 229, 769, 255},   // destination
    {19, 109, 271, 135},   // password
    {19, 149, 271, 175},   // confirmation
};

void setLastAccepted(const std::string& path) {
    std::snprintf(lastAccepted, kCaptionSize, "%s", path.c_str());
}

void createControls(HWND window, const std::string& proposal) {
    createCaptionButtons(window, false);
    createControl(window, "button", "ENCRYPT", BS_PUSHBUTTON, 354, 410, 80, 40, encryptButton);
    createControl(window, "button", "BROWSE", BS_PUSHBUTTON, 698, 207, 70, 20, browseButton);
    destinationField = createControl(window, "EDIT", proposal.c_str(), WS_DISABLED | ES_UPPERCASE | ES_AUTOHSCROLL,
                                     20, 230, 748, 24, destinationFieldId);
    passwordField = createControl(window, "EDIT", "", ES_PASSWORD | ES_CENTER | ES_AUTOHSCROLL, 20, 110, 250, 24, 0);
    confirmField = createControl(window, "EDIT", "", ES_PASSWORD | ES_CENTER | ES_AUTOHSCROLL, 20, 150, 250, 24, 0);

    const HWND inOrder[] = {GetDlgItem(window, minimizeButton), GetDlgItem(window, closeButton),
                            GetDlgItem(window, encryptButton), GetDlgItem(window, browseButton),
                            destinationField, passwordField, confirmField};
    for (HWND control : inOrder) ShowWindow(control, SW_SHOWNORMAL);
}

void startEncryption(HWND window) {
    char password[kPasswordRoom] = {};
    char confirmation[kPasswordRoom] = {};
    GetWindowTextA(passwordField, password, kPasswordRoom);
    GetWindowTextA(confirmField, confirmation, kPasswordRoom);
    GetWindowTextA(destinationField, messageBuffer, kWindowTextLimit);
    const std::string destination = messageBuffer;

    const StartRefusal refusal = checkStartRequest(password, confirmation, destination);
    if (refusal != StartRefusal::None) {
        warn(window, refusalText(refusal));
        return;
    }
    // Writing over the source would destroy it before it is read.
    if (isSameFile(encryptSource, destination)) {
        warn(window, sameFileWarning(destination).c_str());
        return;
    }
    if (!confirmOverwrite(window, destination)) return;

    windowResult = kRunStarted;
    storeRunRequest(messageBuffer, password);
    if (password[0] == '\0') warn(window, kNoPasswordWarning);
    PostQuitMessage(kLoopQuitCode);
    ShowWindow(window, SW_HIDE);
}

void browse(HWND window) {
    // The field turns the choice to upper case and reports it: the guard runs then.
    browseForDestination(window, destinationField, "Encrypted File\0*.EPT\0", "*");
}

void guardExtension(HWND window) {
    GetWindowTextA(destinationField, messageBuffer, kWindowTextLimit);
    const std::string text = messageBuffer;
    const std::string accepted = lastAccepted;
    switch (guardDestination(text, accepted)) {
    case GuardAction::Accept: setLastAccepted(text); break;
    case GuardAction::Restore:
        SetWindowTextA(destinationField, accepted.c_str());
        warn(window, kExtensionWarning);
        break;
    case GuardAction::Keep: break;
    }
}

void paintEncryptWindow(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    drawTitle(dc);
    drawLinks(dc);
    drawOptionBoxes(dc);
    drawFrames(dc, kFrames, sizeof kFrames / sizeof kFrames[0]);
    drawWindowTexts(dc, kTexts, sizeof kTexts / sizeof kTexts[0]);
    EndPaint(window, &paint);
}

void onCommand(HWND window, int id) {
    switch (id) {
    case closeButton: endWindowLoop(kWindowClosed); break;
    case minimizeButton: minimizeOrRefuse(window, window); break;
    case encryptButton: startEncryption(window); break;
    case browseButton: browse(window); break;
    case destinationFieldId: guardExtension(window); break;
    default: handleAboutCommand(id); break;
    }
}

}  // namespace

LRESULT CALLBACK encryptWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        const int visible[] = {creditsLink, aboutLink, deleteOriginalAfterEncryption, shutDownAfterEncryption};
        showOnlyHotSpots(visible, 4);
        return 0;
    }
    case WM_DESTROY: endWindowLoop(kWindowClosed); return 0;
    case WM_PAINT: paintEncryptWindow(window); return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: handlePointerMessage(window, message, wParam, lParam, encryptDragOrigin); return 0;
    case WM_COMMAND: onCommand(window, LOWORD(wParam)); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

void showEncryptWindow(const std::string& sourcePath, const std::string& proposedDestination) {
    encryptSource = sourcePath;
    HWND window = createRunWindow(kEncryptClass, encryptWindowProc, "0009");
    createControls(window, proposedDestination);
    runWindowLoop();
}
