#include "tests/driver/file_dialogs.h"

#include "tests/driver/driver.h"
#include "tests/driver/message_boxes.h"
#include "tests/driver/screen_capture.h"
#include "tests/driver/script_words.h"
#include "tests/driver/window_finding.h"

namespace {

const int kFileNameComboId = 0x047C;  // cmb13
const int kFileNameEditId = 0x0480;   // edt1

HWND fileNameField(HWND dialog) {
    for (HWND child : descendantsOf(dialog)) {
        const int id = GetDlgCtrlID(child);
        if (id == kFileNameComboId || id == kFileNameEditId) return child;
    }
    return nullptr;
}

bool currentFileDialog(HWND& dialog, DWORD timeoutMs) {
    dialog = session.currentDialog;
    if (dialog && IsWindow(dialog) && IsWindowVisible(dialog) && isFileDialog(dialog)) return true;
    if (!waitForFileDialog(timeoutMs)) return false;
    dialog = session.currentDialog;
    return true;
}

}  // namespace

std::string fileDialogName(HWND dialog) {
    HWND field = fileNameField(dialog);
    return field ? textOf(field) : "";
}

bool waitForFileDialog(DWORD timeoutMs) {
    HWND dialog = nullptr;
    pollUntil(timeoutMs, [&] {
        for (HWND window : visibleTopLevelWindows()) {
            if (isFileDialog(window)) {
                dialog = window;
                return true;
            }
        }
        return false;
    });
    if (!dialog) {
        fail("expected a file dialog within %lu ms; there is none", timeoutMs);
        listWindows();
        return false;
    }
    settle(dialog, 2000);
    session.currentDialog = dialog;
    note("file dialog title: %s", quotedWord(textOf(dialog)).c_str());
    note("file dialog name:  %s", quotedWord(fileDialogName(dialog)).c_str());
    automaticShot(dialog, "file-dialog");
    return true;
}

bool saveAs(const std::string& path, DWORD timeoutMs) {
    HWND dialog = nullptr;
    if (!currentFileDialog(dialog, timeoutMs)) return false;
    HWND field = fileNameField(dialog);
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()), SMTO_ABORTIFHUNG, 5000,
                             &ignored)) {
        return fail("save-as: the file dialog did not take the name %s", path.c_str());
    }
    HWND save = GetDlgItem(dialog, IDOK);
    if (!save) return fail("save-as: the file dialog has no Save button (IDOK)");
    PostMessageA(save, BM_CLICK, 0, 0);
    note("saved as %s", quotedWord(path).c_str());
    session.currentDialog = nullptr;
    return true;
}
