#include "main/decrypt_window.h"

#include "common/file_ops.h"
#include "common/window_keys.h"
#include "main/decrypt_checks.h"
#include "main/run_state.h"
#include "main/run_window.h"
#include "main/ui/hot_spots.h"
#include "main/ui/skinned_window.h"

namespace {

const char* const kDecryptClass = "DecryptClass1";

const int kDecryptButton = 424;
const int kBrowseButton = 426;
const int kDestinationFieldId = 521;

// Room for 23 characters: a longer text is cut, and so never equals a stored password.
const int kPasswordRoom = 24;

HWND destinationField = nullptr;
HWND passwordField = nullptr;
std::string decryptSource;
std::string storedPassword;
DragOrigin decryptDragOrigin;

const WindowText kPasswordTexts[] = {
    {20, 80, "This encrypted file is password protected.", &kRedFade},
    {280, 110, "Enter Password [Case Sensitive]", &kRedFade},
    {20, 150, "If you forgot the password, then there is no alternative way to decrypt this file.", &kRedFade},
};
const WindowText kNoPasswordText = {20, 80, "This encrypted file is not password protected.", &kRedFade};
const WindowText kAlwaysTexts[] = {
    {20, 200, "The decrypted file along with its full path:", &kCyanFade},
    {40, 420, "To decrypt this file, press this button -->", &kGreenFade},
};

const Frame kFrames[] = {
    {353, 409, 435, 451},  // DECRYPT
    {697, 206, 769, 228},  // BROWSE
    {19, 229, 769, 255},   // destination
};
const Frame kPasswordFrame = {19, 109, 271, 135};

bool hasPassword() { return !storedPassword.empty(); }

WindowKeys createControls(HWND window, const std::string& proposal) {
    createCaptionButtons(window, false);
    createControl(window, "button", "DECRYPT", BS_PUSHBUTTON, 354, 410, 80, 40, kDecryptButton);
    createControl(window, "button", "BROWSE", BS_PUSHBUTTON, 698, 207, 70, 20, kBrowseButton);
    destinationField = createControl(window, "EDIT", proposal.c_str(), WS_DISABLED | ES_UPPERCASE | ES_AUTOHSCROLL, 20,
                                     230, 748, 24, kDestinationFieldId);
    passwordField = nullptr;
    if (hasPassword()) {
        passwordField =
            createControl(window, "EDIT", "", ES_PASSWORD | ES_CENTER | ES_AUTOHSCROLL, 20, 110, 250, 24, 0);
    }

    const HWND inOrder[] = {GetDlgItem(window, minimizeButton),
                            GetDlgItem(window, closeButton),
                            GetDlgItem(window, kDecryptButton),
                            GetDlgItem(window, kBrowseButton),
                            destinationField,
                            passwordField};
    for (HWND control : inOrder) {
        if (control) ShowWindow(control, SW_SHOWNORMAL);
    }

    // Screen order: "-", "X", the password field, BROWSE, DECRYPT.
    WindowKeys keys = {{inOrder[0], inOrder[1]}, 2, kDecryptButton};
    if (passwordField) keys.tabOrder[keys.count++] = passwordField;
    keys.tabOrder[keys.count++] = inOrder[3];  // BROWSE
    keys.tabOrder[keys.count++] = inOrder[2];  // DECRYPT
    return keys;
}

void startDecryption(HWND window) {
    char typed[kPasswordRoom] = {};
    if (passwordField) GetWindowTextA(passwordField, typed, kPasswordRoom);
    GetWindowTextA(destinationField, messageBuffer, kWindowTextLimit);
    const std::string destination = messageBuffer;

    const DecryptRefusal refusal = checkDecryptStart(typed, storedPassword, destination);
    if (refusal != DecryptRefusal::None) {
        warn(window, decryptRefusalText(refusal));
        return;
    }
    // Writing over the encrypted file would destroy it before it is read.
    if (isSameFile(decryptSource, destination)) {
        warn(window, decryptSameFileWarning(destination).c_str());
        return;
    }
    if (!confirmOverwrite(window, destination)) return;

    endWindowLoop(kRunStarted);
    ShowWindow(window, SW_HIDE);
}

void browse(HWND window) {
    char current[kWindowTextLimit] = {};
    GetWindowTextA(destinationField, current, kWindowTextLimit);
    const std::string extension = defaultExtensionFor(current);
    // Any name goes: the restored file follows no extension rule.
    const char* defaultExtension = extension.empty() ? nullptr : extension.c_str();
    browseForDestination(window, destinationField, "All Files\0*.*\0", defaultExtension);
}

void paintOwnParts(HDC dc) {
    drawFrames(dc, kFrames, sizeof kFrames / sizeof kFrames[0]);
    if (hasPassword()) {
        drawFrames(dc, &kPasswordFrame, 1);
        drawWindowTexts(dc, kPasswordTexts, sizeof kPasswordTexts / sizeof kPasswordTexts[0]);
    } else {
        drawWindowTexts(dc, &kNoPasswordText, 1);
    }
    drawWindowTexts(dc, kAlwaysTexts, sizeof kAlwaysTexts / sizeof kAlwaysTexts[0]);
}

// The destination field's notifications (521) are not looked at: a restored
// file may get any name.
bool handleOwnCommand(HWND window, int id) {
    switch (id) {
    case kDecryptButton: startDecryption(window); return true;
    case kBrowseButton: browse(window); return true;
    default: return false;
    }
}

const int kVisibleHotSpots[] = {creditsLink, aboutLink, deleteEncryptedAfterDecryption, shutDownAfterDecryption};

const RunWindowParts kDecryptWindow = {kVisibleHotSpots, sizeof kVisibleHotSpots / sizeof kVisibleHotSpots[0],
                                       &decryptDragOrigin, paintOwnParts, handleOwnCommand};

}  // namespace

LRESULT CALLBACK decryptWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return runWindowMessage(kDecryptWindow, window, message, wParam, lParam);
}

void showDecryptWindow(const std::string& sourcePath, const std::string& proposedDestination,
                       const std::string& password) {
    decryptSource = sourcePath;
    storedPassword = password;
    HWND window = createRunWindow(kDecryptClass, decryptWindowProc, "0011");
    const WindowKeys keys = createControls(window, proposedDestination);
    // Without a password field the window keeps the focus: Enter still decrypts.
    if (passwordField) focusControl(passwordField);
    runWindowLoop(window, keys);
}
