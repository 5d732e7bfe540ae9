#include "tests/driver/message_boxes.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "tests/driver/driver.h"
#include "tests/driver/screen_capture.h"
#include "tests/driver/script_words.h"
#include "tests/driver/window_finding.h"

namespace {

const int kBoxTextId = 0xFFFF;
const int kBoxIconId = 0x0440;        // stc1
const int kFileNameComboId = 0x047C;  // cmb13, explorer-style dialogs
const int kFileNameEditId = 0x0480;   // edt1, old-style dialogs

struct ButtonName {
    const char* name;
    int id;
};

const ButtonName kButtons[] = {
    {"OK", IDOK},
    {"CANCEL", IDCANCEL},
    {"ABORT", IDABORT},
    {"RETRY", IDRETRY},
    {"IGNORE", IDIGNORE},
    {"YES", IDYES},
    {"NO", IDNO},
    {"CLOSE", IDCLOSE},
    {"HELP", IDHELP},
    {"TRYAGAIN", IDTRYAGAIN},
    {"CONTINUE", IDCONTINUE},
    {"SAVE", IDOK},
    {"OPEN", IDOK},
};

struct SystemIcon {
    const char* name;
    LPCSTR resource;
};

const SystemIcon kIcons[] = {
    {"error", IDI_HAND},
    {"question", IDI_QUESTION},
    {"warning", IDI_EXCLAMATION},
    {"information", IDI_ASTERISK},
};

HWND childWithId(HWND window, int id) {
    for (HWND child : descendantsOf(window)) {
        if ((GetDlgCtrlID(child) & 0xFFFF) == (id & 0xFFFF)) return child;
    }
    return nullptr;
}

// The icon drawn as a static control draws it: at its corner, on the dialog's face.
Picture drawnIcon(HICON icon, int width, int height, uint32_t background) {
    Picture picture;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    HBRUSH brush = CreateSolidBrush(RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF));
    const RECT all = {0, 0, width, height};
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    DrawIconEx(memory, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
    picture.width = width;
    picture.height = height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = GetPixel(memory, x, y);
            picture.pixels.push_back(rgbOf(GetRValue(c), GetGValue(c), GetBValue(c)));
        }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

const char* nameOfButton(int id) {
    for (const ButtonName& button : kButtons) {
        if (button.id == id) return button.name;
    }
    return "?";
}

}  // namespace

bool isFileDialog(HWND window) {
    return classNameOf(window) == "#32770" &&
           (childWithId(window, kFileNameComboId) || childWithId(window, kFileNameEditId));
}

bool isMessageBox(HWND window) {
    if (classNameOf(window) != "#32770" || isFileDialog(window)) return false;
    HWND text = childWithId(window, kBoxTextId);
    return text && _stricmp(classNameOf(text).c_str(), "Static") == 0;
}

std::string boxText(HWND box) {
    HWND text = childWithId(box, kBoxTextId);
    return text ? textOf(text) : "";
}

std::string boxIcon(HWND box) {
    HWND iconControl = childWithId(box, kBoxIconId);
    if (!iconControl || !IsWindowVisible(iconControl)) return "none";
    DWORD_PTR icon = 0;
    SendMessageTimeoutA(iconControl, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 5000, &icon);
    if (!icon) return "none";

    // Icon handles do not cross processes, so the pictures are compared.
    RECT rect = {};
    GetWindowRect(iconControl, &rect);
    Picture shown;
    if (!captureScreenRect(rect, shown)) return "unknown";
    const uint32_t background = shown.at(0, 0);
    const char* best = "unknown";
    size_t fewest = shown.pixels.size() / 20 + 1;  // more than 5% off is no match
    for (const SystemIcon& candidate : kIcons) {
        const Picture drawn = drawnIcon(LoadIconA(nullptr, candidate.resource), shown.width, shown.height, background);
        const size_t differing = differingPixels(shown, drawn);
        if (differing < fewest) {
            fewest = differing;
            best = candidate.name;
        }
    }
    return best;
}

std::string boxButtons(HWND box) {
    // Left to right, as the user sees them.
    std::vector<std::pair<LONG, int>> buttons;
    for (HWND child : descendantsOf(box)) {
        if (_stricmp(classNameOf(child).c_str(), "Button") != 0 || !IsWindowVisible(child)) continue;
        RECT r = {};
        GetWindowRect(child, &r);
        buttons.push_back({r.left, GetDlgCtrlID(child)});
    }
    std::sort(buttons.begin(), buttons.end());
    std::string names;
    for (const auto& button : buttons) names += (names.empty() ? "" : " ") + std::string(nameOfButton(button.second));
    return names;
}

int buttonIdFor(const std::string& name) {
    for (const ButtonName& button : kButtons) {
        if (_stricmp(button.name, name.c_str()) == 0) return button.id;
    }
    return -1;
}

bool waitForBox(DWORD timeoutMs) {
    HWND box = nullptr;
    pollUntil(timeoutMs, [&] {
        for (HWND window : visibleTopLevelWindows()) {
            if (isMessageBox(window)) {
                box = window;
                return true;
            }
        }
        return false;
    });
    if (!box) {
        fail("expected a message box within %lu ms; there is none", timeoutMs);
        listWindows();
        return false;
    }
    settle(box, 2000);
    session.currentDialog = box;
    note("box caption: %s", quotedWord(textOf(box)).c_str());
    note("box text:    %s", quotedWord(boxText(box)).c_str());
    note("box icon:    %s", boxIcon(box).c_str());
    note("box buttons: %s", boxButtons(box).c_str());
    automaticShot(box, "box");
    return true;
}

bool currentBox(HWND& box) {
    if (!session.currentDialog || !IsWindow(session.currentDialog) || !IsWindowVisible(session.currentDialog)) {
        if (!waitForBox(session.defaultTimeoutMs)) return false;
    }
    box = session.currentDialog;
    return true;
}

bool answerDialog(const std::string& buttonName, DWORD timeoutMs) {
    HWND dialog = session.currentDialog;
    if (!dialog || !IsWindow(dialog)) {
        if (!waitForBox(timeoutMs)) return false;
        dialog = session.currentDialog;
    }
    const int id = buttonIdFor(buttonName);
    if (id < 0) return fail("answer: no button is called %s", buttonName.c_str());
    HWND button = GetDlgItem(dialog, id);
    if (!button || !IsWindowVisible(button)) {
        fail("answer: expected a button %s in the dialog %s; its buttons are: %s", buttonName.c_str(),
             quotedWord(textOf(dialog)).c_str(), boxButtons(dialog).c_str());
        listControls(dialog);
        return false;
    }
    // Posted, not sent: the answer may start more modal loops in the program.
    PostMessageA(button, BM_CLICK, 0, 0);
    if (!pollUntil(timeoutMs, [dialog] { return !IsWindow(dialog) || !IsWindowVisible(dialog); })) {
        return fail("answer: pressed %s, but the dialog %s is still there after %lu ms", buttonName.c_str(),
                    quotedWord(textOf(dialog)).c_str(), timeoutMs);
    }
    note("answered %s", buttonName.c_str());
    session.currentDialog = nullptr;
    return true;
}
