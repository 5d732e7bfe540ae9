#include "tests/driver/keyboard_input.h"

#include <cctype>
#include <vector>

#include "tests/driver/driver.h"
#include "tests/driver/window_finding.h"

namespace {

struct KeyName {
    const char* name;
    WORD key;
};

const KeyName kKeyNames[] = {
    {"alt", VK_MENU}, {"ctrl", VK_CONTROL}, {"shift", VK_SHIFT}, {"escape", VK_ESCAPE}, {"enter", VK_RETURN},
    {"tab", VK_TAB},  {"space", VK_SPACE},  {"f4", VK_F4},       {"f10", VK_F10},
};

bool keyOf(const std::string& name, WORD& key) {
    for (const KeyName& k : kKeyNames) {
        if (name == k.name) {
            key = k.key;
            return true;
        }
    }
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]))) {
        key = static_cast<WORD>(std::toupper(static_cast<unsigned char>(name[0])));
        return true;
    }
    return false;
}

void sendKey(WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(input));
}

}  // namespace

bool pressKeys(HWND window, const std::string& combo) {
    std::vector<WORD> keys;
    size_t start = 0;
    while (start <= combo.size()) {
        const size_t plus = combo.find('+', start);
        const std::string name = combo.substr(start, plus == std::string::npos ? std::string::npos : plus - start);
        WORD key = 0;
        if (!keyOf(name, key)) return fail("unknown key %s in %s", name.c_str(), combo.c_str());
        keys.push_back(key);
        if (plus == std::string::npos) break;
        start = plus + 1;
    }
    SetForegroundWindow(window);
    roundTrip(window);
    for (WORD key : keys) sendKey(key, false);
    for (size_t i = keys.size(); i-- > 0;) sendKey(keys[i], true);
    // Enough round trips for the thread to take the keys and what they post.
    for (int i = 0; i < 4 && IsWindow(window); ++i) roundTrip(window);
    return true;
}
