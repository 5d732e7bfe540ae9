#include "tests/driver/screen_capture.h"

#include <cstdio>

#include "tests/driver/driver.h"
#include "tests/driver/window_finding.h"

namespace {

const DWORD kSettleMs = 2000;
const DWORD kStableMs = 2000;

std::string pathInShotsFolder(const std::string& name) {
    const bool bare = name.find_first_of("\\/:") == std::string::npos;
    if (!bare || session.shotsFolder.empty()) return name;
    return session.shotsFolder + "\\" + name;
}

}  // namespace

bool captureScreenRect(const RECT& rect, Picture& picture) {
    picture.width = rect.right - rect.left;
    picture.height = rect.bottom - rect.top;
    picture.pixels.clear();
    if (picture.width <= 0 || picture.height <= 0) return false;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool copied = false;
    if (bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        copied =
            BitBlt(memory, 0, 0, picture.width, picture.height, screen, rect.left, rect.top, SRCCOPY | CAPTUREBLT) != 0;
        GdiFlush();
        if (copied) {
            const auto* source = static_cast<const uint32_t*>(bits);
            picture.pixels.assign(source, source + static_cast<size_t>(picture.width) * picture.height);
            for (uint32_t& pixel : picture.pixels) pixel &= 0x00FFFFFF;
        }
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return copied;
}

namespace {

// Painting reaches the screen a little after a window paints: two captures
// that agree mean it has arrived.
bool captureStableRect(const RECT& rect, Picture& picture, const char* what) {
    Picture previous;
    if (!captureScreenRect(rect, previous)) return false;
    const bool stable = pollUntil(kStableMs, [&] {
        Sleep(50);
        if (!captureScreenRect(rect, picture)) return false;
        if (differingPixels(previous, picture) == 0) return true;
        previous = picture;
        return false;
    });
    if (!stable) note("%s kept changing; keeping the last picture", what);
    return !picture.pixels.empty();
}

}  // namespace

bool captureWindow(HWND window, Picture& picture) {
    settle(window, kSettleMs);
    RECT rect = {};
    GetWindowRect(window, &rect);
    return captureStableRect(rect, picture, ("the " + classNameOf(window) + " window").c_str());
}

bool captureWindowToFile(HWND window, const std::string& name) {
    Picture picture;
    if (!captureWindow(window, picture))
        return fail("capture: could not copy the %s window", classNameOf(window).c_str());
    const std::string path = pathInShotsFolder(name);
    if (!writeBmpFile(path, picture)) return fail("capture: could not write %s", path.c_str());
    note("captured %dx%d into %s", picture.width, picture.height, path.c_str());
    return true;
}

bool captureScreenToFile(const std::string& name) {
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    for (HWND window : visibleTopLevelWindows()) settle(window, kSettleMs);
    Picture picture;
    if (!captureStableRect(screen, picture, "the screen")) return fail("capture-screen: could not copy the screen");
    const std::string path = pathInShotsFolder(name);
    if (!writeBmpFile(path, picture)) return fail("capture-screen: could not write %s", path.c_str());
    note("captured the screen %dx%d into %s", picture.width, picture.height, path.c_str());
    return true;
}

bool screenPixel(POINT point, uint32_t& rgb) {
    const RECT one = {point.x, point.y, point.x + 1, point.y + 1};
    Picture picture;
    if (!captureScreenRect(one, picture)) return false;
    rgb = picture.pixels[0];
    return true;
}

void automaticShot(HWND window, const std::string& what) {
    if (session.shotsFolder.empty()) return;
    char name[300];
    std::snprintf(name, sizeof(name), "%02d-%s.bmp", ++session.shotCount, what.c_str());
    Picture picture;
    if (captureWindow(window, picture) && writeBmpFile(pathInShotsFolder(name), picture)) {
        note("shot %s", name);
    }
}
