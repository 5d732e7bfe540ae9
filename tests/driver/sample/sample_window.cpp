// zsample: a small window for the driver's own end-to-end test. It has what the
// real programs have: a skinned-style popup dragged by its background, a painted
// hot spot, an edit, buttons that open a question box, an error box and the Save
// dialog, and an exit code that counts the hot-spot clicks.
#include <windows.h>
#include <commdlg.h>

#include <cstdio>
#include <string>

namespace {

const char* const kClassName = "ZdriverSample";
const int kEditId = 100;
const int kAskId = 101;
const int kAnswerId = 102;
const int kSaveId = 103;
const int kCommandLineId = 104;
const int kChangesId = 105;
const int kFailId = 106;
const int kMouseId = 107;
const int kOffId = 108;

const RECT kRedSquare = {10, 10, 50, 50};
const RECT kHotSpot = {60, 10, 100, 50};
const COLORREF kRed = RGB(200, 30, 40);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 160, 0);

int hotSpotClicks = 0;
int editChanges = 0;
bool pressedOnHotSpot = false;
bool dragging = false;
POINT dragStart = {};  // screen point of the press
RECT windowAtStart = {};
std::string commandLine;

HWND addControl(HWND parent, const char* className, const char* text, DWORD style, int x, int y, int w, int h, int id) {
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

void fill(HDC dc, const RECT& r, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

void paint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    fill(dc, kRedSquare, kRed);
    fill(dc, kHotSpot, hotSpotClicks % 2 ? kGreen : kBlue);
    EndPaint(window, &ps);
}

void ask(HWND window) {
    char text[256] = "";
    GetDlgItemTextA(window, kEditId, text, sizeof(text));
    const int answer = MessageBoxA(window, text, "Sample question", MB_YESNO | MB_ICONQUESTION);
    SetDlgItemTextA(window, kAnswerId, answer == IDYES ? "YES" : "NO");
}

void save(HWND window) {
    char path[MAX_PATH] = "sample.txt";
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = window;
    dialog.lpstrFilter = "Text files\0*.txt\0All files\0*.*\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof(path);
    dialog.lpstrTitle = "Save the sample";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    if (!GetSaveFileNameA(&dialog)) {
        SetDlgItemTextA(window, kAnswerId, "cancelled");
        return;
    }
    if (std::FILE* file = std::fopen(path, "wb")) {
        std::fputs("saved", file);
        std::fclose(file);
    }
    SetDlgItemTextA(window, kAnswerId, path);
}

void onPress(HWND window, POINT client) {
    if (PtInRect(&kHotSpot, client)) {
        pressedOnHotSpot = true;
        return;
    }
    dragging = true;
    SetCapture(window);
    dragStart = client;
    ClientToScreen(window, &dragStart);
    GetWindowRect(window, &windowAtStart);
}

void onMove(HWND window, POINT client) {
    char text[40];
    std::snprintf(text, sizeof(text), "mouse %ld,%ld", client.x, client.y);
    SetDlgItemTextA(window, kMouseId, text);
    if (!dragging) return;
    POINT now = client;
    ClientToScreen(window, &now);
    SetWindowPos(window, nullptr, windowAtStart.left + now.x - dragStart.x, windowAtStart.top + now.y - dragStart.y, 0,
                 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void onRelease(HWND window, POINT client) {
    if (dragging) {
        dragging = false;
        ReleaseCapture();
    }
    if (pressedOnHotSpot && PtInRect(&kHotSpot, client)) {
        ++hotSpotClicks;
        InvalidateRect(window, &kHotSpot, FALSE);
    }
    pressedOnHotSpot = false;
}

void onCommand(HWND window, int id, int code) {
    if (id == kAskId) ask(window);
    if (id == kSaveId) save(window);
    if (id == kFailId) {
        MessageBoxA(nullptr, "SAMPLE FAILURE. ERROR NO. :0001", kClassName, MB_OK | MB_ICONERROR);
        ExitProcess(1);
    }
    if (id == kEditId && code == EN_CHANGE) {
        char text[40];
        std::snprintf(text, sizeof(text), "changes: %d", ++editChanges);
        SetDlgItemTextA(window, kChangesId, text);
    }
}

POINT pointOf(LPARAM lParam) { return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

LRESULT CALLBACK sampleProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        addControl(window, "EDIT", "hello", WS_BORDER | ES_AUTOHSCROLL, 10, 70, 200, 24, kEditId);
        addControl(window, "BUTTON", "Ask", BS_PUSHBUTTON, 220, 70, 80, 24, kAskId);
        addControl(window, "BUTTON", "Save...", BS_PUSHBUTTON, 220, 110, 80, 24, kSaveId);
        addControl(window, "BUTTON", "Fail", BS_PUSHBUTTON, 310, 70, 80, 24, kFailId);
        addControl(window, "STATIC", "none", 0, 10, 110, 200, 20, kAnswerId);
        addControl(window, "STATIC", commandLine.c_str(), 0, 10, 140, 380, 20, kCommandLineId);
        addControl(window, "STATIC", "changes: 0", 0, 10, 170, 200, 20, kChangesId);
        addControl(window, "STATIC", "mouse", 0, 220, 170, 170, 20, kMouseId);
        addControl(window, "BUTTON", "Off", BS_PUSHBUTTON | WS_DISABLED, 310, 110, 80, 24, kOffId);
        return 0;
    case WM_PAINT: paint(window); return 0;
    case WM_LBUTTONDOWN: onPress(window, pointOf(lParam)); return 0;
    case WM_MOUSEMOVE: onMove(window, pointOf(lParam)); return 0;
    case WM_LBUTTONUP: onRelease(window, pointOf(lParam)); return 0;
    case WM_COMMAND: onCommand(window, LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_DESTROY: PostQuitMessage(100 + hotSpotClicks); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR lpCmdLine, int) {
    commandLine = lpCmdLine ? lpCmdLine : "";
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = sampleProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassExA(&windowClass);
    HWND window = CreateWindowExA(0, kClassName, "Driver sample", WS_POPUP | WS_VISIBLE, 100, 100, 400, 200, nullptr,
                                  nullptr, instance, nullptr);
    if (!window) return 2;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
