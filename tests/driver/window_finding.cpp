#include "tests/driver/window_finding.h"

#include <algorithm>
#include <cstring>

#include "tests/driver/driver.h"
#include "tests/driver/process_control.h"
#include "tests/driver/script_words.h"

namespace {

const UINT kAnswerTimeoutMs = 5000;

BOOL CALLBACK collectTopLevel(HWND window, LPARAM param) {
    auto* windows = reinterpret_cast<std::vector<HWND>*>(param);
    if (IsWindowVisible(window) && belongsToStartedProgram(window)) windows->push_back(window);
    return TRUE;
}

BOOL CALLBACK collectAllTopLevel(HWND window, LPARAM param) {
    auto* windows = reinterpret_cast<std::vector<HWND>*>(param);
    if (IsWindowVisible(window)) windows->push_back(window);
    return TRUE;
}

BOOL CALLBACK collectChild(HWND window, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

bool sameClass(HWND window, const std::string& className) {
    return _stricmp(classNameOf(window).c_str(), className.c_str()) == 0;
}

void describe(HWND window, const char* indent) {
    RECT r = {};
    GetWindowRect(window, &r);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    note("%s%s %s id=%d process=%lu rect=%ld,%ld %ldx%ld%s%s", indent, classNameOf(window).c_str(),
         quotedWord(textOf(window)).c_str(), GetDlgCtrlID(window), processId, r.left, r.top, r.right - r.left,
         r.bottom - r.top, IsWindowVisible(window) ? "" : " hidden", IsWindowEnabled(window) ? "" : " disabled");
}

}  // namespace

std::string classNameOf(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof(name));
    return name;
}

std::string textOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, scaledTimeout(kAnswerTimeoutMs),
                             &length)) {
        return "";
    }
    std::vector<char> text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             scaledTimeout(kAnswerTimeoutMs), &copied)) {
        return "";
    }
    return std::string(text.data(), std::min<size_t>(copied, length));
}

std::vector<HWND> visibleTopLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(collectTopLevel, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

HWND findTopLevel(const std::string& className) {
    for (HWND window : visibleTopLevelWindows()) {
        if (sameClass(window, className)) return window;
    }
    return nullptr;
}

bool waitForTopLevel(const std::string& className, DWORD timeoutMs, HWND& found) {
    found = nullptr;
    pollUntil(timeoutMs, [&] { return (found = findTopLevel(className)) != nullptr; });
    if (found) return true;
    fail("expected a visible window of class %s within %lu ms; there is none", className.c_str(), timeoutMs);
    listWindows();
    return false;
}

std::vector<HWND> descendantsOf(HWND window) {
    std::vector<HWND> children;
    EnumChildWindows(window, collectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

namespace {

// The control a selector names, or null; false only for a malformed selector.
bool lookUpControl(HWND window, const std::string& selector, HWND& control) {
    control = nullptr;
    if (selector == ".") {
        control = window;
        return true;
    }
    const std::vector<HWND> children = descendantsOf(window);
    if (!selector.empty() && selector[0] == '#') {
        long id = 0;
        if (!parseNumber(selector.substr(1), id)) return fail("bad control id %s", selector.c_str());
        // Ids are 16-bit in dialog templates: -1 and 65535 name the same control.
        for (HWND child : children) {
            if ((GetDlgCtrlID(child) & 0xFFFF) == (id & 0xFFFF)) {
                control = child;
                return true;
            }
        }
    } else {
        const size_t colon = selector.rfind(':');
        std::string className = selector;
        long index = 0;
        if (colon != std::string::npos) {
            className = selector.substr(0, colon);
            if (!parseNumber(selector.substr(colon + 1), index) || index < 0) {
                return fail("bad control index in %s", selector.c_str());
            }
        }
        for (HWND child : children) {
            if (sameClass(child, className) && index-- == 0) {
                control = child;
                return true;
            }
        }
    }
    return true;
}

}  // namespace

bool findControl(HWND window, const std::string& selector, HWND& control, DWORD timeoutMs) {
    bool wellFormed = true;
    // Controls may be made a little after their window, and much later by an
    // emulated 32-bit program: wait for one, within the timeout.
    pollUntil(timeoutMs, [&] {
        wellFormed = lookUpControl(window, selector, control);
        return !wellFormed || control != nullptr;
    });
    if (!wellFormed) return false;
    if (control) return true;
    fail("expected a control %s in the %s window; there is none", selector.c_str(), classNameOf(window).c_str());
    listControls(window);
    return false;
}

void listWindows() {
    std::vector<HWND> windows;
    EnumWindows(collectAllTopLevel, reinterpret_cast<LPARAM>(&windows));
    note("visible top-level windows (%zu):", windows.size());
    for (HWND window : windows) {
        describe(window, "  ");
        if (classNameOf(window) == "#32770") {
            for (HWND child : descendantsOf(window)) describe(child, "    ");
        }
    }
}

void listControls(HWND window) {
    note("controls of the %s window:", classNameOf(window).c_str());
    for (HWND child : descendantsOf(window)) describe(child, "  ");
}

bool roundTrip(HWND window) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, scaledTimeout(kAnswerTimeoutMs), &ignored) != 0;
}

void settle(HWND window, DWORD timeoutMs) {
    auto nothingToPaint = [window] {
        if (GetUpdateRect(window, nullptr, FALSE)) return false;
        for (HWND child : descendantsOf(window)) {
            if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) return false;
        }
        return true;
    };
    pollUntil(timeoutMs, [&] { return roundTrip(window) && roundTrip(window) && nothingToPaint(); });
}
