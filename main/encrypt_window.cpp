#include "main/encrypt_window.h"

#include <cstdio>

#include "common/file_ops.h"
#include "common/window_keys.h"
#include "main/encrypt_checks.h"
#include "main/run_state.h"
#include "main/run_window.h"
#include "main/ui/hot_spots.h"
#include "main/ui/skinned_window.h"

namespace {

const char* const kEncryptClass = "EncryptClass1";

const int kEncryptButton = 423;
const int kBrowseButton = 426;
const int kDestinationFieldId = 521;

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

void setLastAccepted(const std::string& path) { std::snprintf(lastAccepted, kCaptionSize, "%s", path.c_str()); }

WindowKeys createControls(HWND window, const std::string& proposal) {
    createCaptionButtons(window, false);
    createControl(window, "button", "ENCRYPT", BS_PUSHBUTTON, 354, 410, 80, 40, kEncryptButton);
    createControl(window, "button", "BROWSE", BS_PUSHBUTTON, 698, 207, 70, 20, kBrowseButton);
    destinationField = createControl(window, "EDIT", proposal.c_str(), WS_DISABLED | ES_UPPERCASE | ES_AUTOHSCROLL, 20,
                                     230, 748, 24, kDestinationFieldId);
    passwordField = createControl(window, "EDIT", "", ES_PASSWORD | ES_CENTER | ES_AUTOHSCROLL, 20, 110, 250, 24, 0);
    confirmField = createControl(window, "EDIT", "", ES_PASSWORD | ES_CENTER | ES_AUTOHSCROLL, 20, 150, 250, 24, 0);

    const HWND inOrder[] = {GetDlgItem(window, minimizeButton),
                            GetDlgItem(window, closeButton),
                            GetDlgItem(window, kEncryptButton),
                            GetDlgItem(window, kBrowseButton),
                            destinationField,
                            passwordField,
                            confirmField};
    for (HWND control : inOrder) ShowWindow(control, SW_SHOWNORMAL);

    // Screen order: "-", "X", the two fields, BROWSE, ENCRYPT.
    return {{inOrder[0], inOrder[1], passwordField, confirmField, inOrder[3], inOrder[2]}, 6, kEncryptButton};
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

void paintOwnParts(HDC dc) {
    drawFrames(dc, kFrames, sizeof kFrames / sizeof kFrames[0]);
    drawWindowTexts(dc, kTexts, sizeof kTexts / sizeof kTexts[0]);
}

bool handleOwnCommand(HWND window, int id) {
    switch (id) {
    case kEncryptButton: startEncryption(window); return true;
    case kBrowseButton: browse(window); return true;
    case kDestinationFieldId: guardExtension(window); return true;
    default: return false;
    }
}

const int kVisibleHotSpots[] = {creditsLink, aboutLink, deleteOriginalAfterEncryption, shutDownAfterEncryption};

const RunWindowParts kEncryptWindow = {kVisibleHotSpots, sizeof kVisibleHotSpots / sizeof kVisibleHotSpots[0],
                                       &encryptDragOrigin, paintOwnParts, handleOwnCommand};

}  // namespace

LRESULT CALLBACK encryptWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return runWindowMessage(kEncryptWindow, window, message, wParam, lParam);
}

void showEncryptWindow(const std::string& sourcePath, const std::string& proposedDestination) {
    encryptSource = sourcePath;
    HWND window = createRunWindow(kEncryptClass, encryptWindowProc, "0009");
    const WindowKeys keys = createControls(window, proposedDestination);
    focusControl(passwordField);
    runWindowLoop(window, keys);
}
