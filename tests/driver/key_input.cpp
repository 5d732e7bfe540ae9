#include "tests/driver/key_input.h"

#include <cstdlib>
#include <cstring>

#include "tests/driver/driver.h"
#include "tests/driver/script_words.h"
#include "tests/driver/window_finding.h"

namespace {

struct NamedKey {
    const char* name;
    WORD vk;
};

const NamedKey kNamedKeys[] = {
    {"Tab", VK_TAB},        {"Enter", VK_RETURN}, {"Esc", VK_ESCAPE},  {"Space", VK_SPACE},
    {"Backspace", VK_BACK}, {"Left", VK_LEFT},    {"Right", VK_RIGHT}, {"Up", VK_UP},
    {"Down", VK_DOWN},      {"Home", VK_HOME},    {"End", VK_END},
};

struct Modifier {
    const char* prefix;
    WORD vk;
    BYTE shiftStateBit;  // as VkKeyScan reports it
};

const Modifier kModifiers[] = {{"Shift+", VK_SHIFT, 1}, {"Ctrl+", VK_CONTROL, 2}, {"Alt+", VK_MENU, 4}};

// A key to press: its virtual key and the modifiers held down with it.
struct KeyPress {
    WORD vk = 0;
    BYTE modifiers = 0;  // bits of kModifiers
};

bool parseKey(const std::string& name, KeyPress& press) {
    std::string rest = name;
    for (bool more = true; more;) {
        more = false;
        for (const Modifier& m : kModifiers) {
            const size_t length = std::strlen(m.prefix);
            if (rest.size() > length && rest.compare(0, length, m.prefix) == 0) {
                press.modifiers |= m.shiftStateBit;
                rest.erase(0, length);
                more = true;
            }
        }
    }
    for (const NamedKey& key : kNamedKeys) {
        if (rest == key.name) {
            press.vk = key.vk;
            return true;
        }
    }
    if (rest.size() >= 2 && rest.size() <= 3 && rest[0] == 'F') {
        const int n = std::atoi(rest.c_str() + 1);
        if (n >= 1 && n <= 12) {
            press.vk = static_cast<WORD>(VK_F1 + n - 1);
            return true;
        }
    }
    if (rest.size() == 1 && rest[0] > ' ' && rest[0] < 127) {
        const SHORT scan = VkKeyScanA(rest[0]);
        if (scan == -1) return false;
        press.vk = static_cast<WORD>(LOBYTE(scan));
        press.modifiers |= HIBYTE(scan) & 7;
        return true;
    }
    return false;
}

INPUT keyInput(WORD vk, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// Modifiers down, the key down and up, modifiers up: one SendInput, so nothing
// the user does not do comes between them.
void sendPress(const KeyPress& press) {
    INPUT inputs[8];
    UINT count = 0;
    for (const Modifier& m : kModifiers) {
        if (press.modifiers & m.shiftStateBit) inputs[count++] = keyInput(m.vk, false);
    }
    inputs[count++] = keyInput(press.vk, false);
    inputs[count++] = keyInput(press.vk, true);
    for (const Modifier& m : kModifiers) {
        if (press.modifiers & m.shiftStateBit) inputs[count++] = keyInput(m.vk, true);
    }
    SendInput(count, inputs, sizeof(INPUT));
}

std::string describe(HWND window) {
    if (!window) return "none";
    return classNameOf(window) + " " + quotedWord(textOf(window));
}

}  // namespace

bool realKeys(HWND window, const std::vector<std::string>& keys, DWORD timeoutMs) {
    for (const std::string& name : keys) {
        KeyPress press;
        if (!parseKey(name, press)) return fail("unknown key %s", name.c_str());
        if (!IsWindow(window)) return fail("key %s: the window has gone", name.c_str());
        HWND foreground = nullptr;
        if (!pollUntil(timeoutMs, [&] { return (foreground = GetForegroundWindow()) == window; })) {
            return fail("key %s: expected %s to be the foreground window, got %s", name.c_str(),
                        describe(window).c_str(), describe(foreground).c_str());
        }
        sendPress(press);
        // Enough round trips for the thread to take the press, its character and the release.
        for (int i = 0; i < 4 && IsWindow(window); ++i) roundTrip(window);
    }
    return true;
}

HWND focusedControl(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}
