#include "tests/driver/commands.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "tests/driver/driver.h"
#include "tests/driver/file_dialogs.h"
#include "tests/driver/key_input.h"
#include "tests/driver/message_boxes.h"
#include "tests/driver/mouse_input.h"
#include "tests/driver/process_control.h"
#include "tests/driver/screen_capture.h"
#include "tests/driver/script_words.h"
#include "tests/driver/window_finding.h"

namespace {

using Args = std::vector<std::string>;

const UINT kSendTimeoutMs = 5000;

bool number(const std::string& word, long& value) {
    if (parseNumber(word, value)) return true;
    return fail("expected a number, got %s", word.c_str());
}

// An optional timeout argument at index; the session's default without one.
bool timeoutAt(const Args& args, size_t index, DWORD& timeoutMs) {
    timeoutMs = session.defaultTimeoutMs;
    if (args.size() <= index) return true;
    long value = 0;
    if (!number(args[index], value) || value < 0) return fail("bad timeout %s", args[index].c_str());
    timeoutMs = scaledTimeout(static_cast<DWORD>(value));
    return true;
}

bool point(const Args& args, size_t index, POINT& p) {
    long x = 0, y = 0;
    if (!number(args[index], x) || !number(args[index + 1], y)) return false;
    p = {x, y};
    return true;
}

bool window(const std::string& className, HWND& found) {
    return waitForTopLevel(className, session.defaultTimeoutMs, found);
}

bool windowAndControl(const Args& args, HWND& top, HWND& control) {
    return window(args[0], top) && findControl(top, args[1], control, session.defaultTimeoutMs);
}

POINT controlCentre(HWND top, HWND control) {
    RECT r = {};
    GetWindowRect(control, &r);
    POINT centre = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ScreenToClient(top, &centre);
    return centre;
}

bool sendText(HWND control, UINT message, WPARAM wParam, LPARAM lParam, const char* what) {
    DWORD_PTR ignored = 0;
    const UINT timeoutMs = static_cast<UINT>(scaledTimeout(kSendTimeoutMs));
    if (SendMessageTimeoutA(control, message, wParam, lParam, SMTO_ABORTIFHUNG, timeoutMs, &ignored)) return true;
    return fail("%s: the %s control did not return within %u ms (did it open a modal window?)", what,
                classNameOf(control).c_str(), timeoutMs);
}

// ---- programs

bool startCommand(const Args&, const std::string& rest) { return startProgram(rest); }

bool shellOpenCommand(const Args& args, const std::string&) {
    return shellOpen(args[0] == "-" ? "" : args[0], args[1], args.size() > 2 ? args[2] : "");
}

bool expectExitCommand(const Args& args, const std::string&) {
    long code = 0;
    DWORD timeoutMs = 0;
    return number(args[0], code) && timeoutAt(args, 1, timeoutMs) && expectExit(code, timeoutMs);
}

bool killCommand(const Args&, const std::string&) { return killProgram(); }

// ---- windows

bool waitWindowCommand(const Args& args, const std::string&) {
    DWORD timeoutMs = 0;
    HWND found = nullptr;
    if (!timeoutAt(args, 1, timeoutMs) || !waitForTopLevel(args[0], timeoutMs, found)) return false;
    RECT r = {};
    GetWindowRect(found, &r);
    note("found %s %s at %ld,%ld %ldx%ld", args[0].c_str(), quotedWord(textOf(found)).c_str(), r.left, r.top,
         r.right - r.left, r.bottom - r.top);
    std::string what = args[0];
    for (char& c : what) {
        if (!isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_') c = '_';
    }
    automaticShot(found, what);
    return true;
}

bool waitGoneCommand(const Args& args, const std::string&) {
    DWORD timeoutMs = 0;
    if (!timeoutAt(args, 1, timeoutMs)) return false;
    if (pollUntil(timeoutMs, [&] { return findTopLevel(args[0]) == nullptr; })) return true;
    fail("expected no visible %s window after %lu ms; there is still one", args[0].c_str(), timeoutMs);
    listWindows();
    return false;
}

bool expectNoWindowCommand(const Args& args, const std::string&) {
    long duration = 0;
    if (!number(args[1], duration)) return false;
    // Succeeds only by lasting the whole time without one appearing.
    if (!pollUntil(static_cast<DWORD>(duration), [&] { return findTopLevel(args[0]) != nullptr; })) return true;
    fail("expected no %s window for %ld ms; one appeared", args[0].c_str(), duration);
    listWindows();
    return false;
}

bool listWindowsCommand(const Args&, const std::string&) {
    listWindows();
    return true;
}

bool listControlsCommand(const Args& args, const std::string&) {
    HWND top = nullptr;
    if (!window(args[0], top)) return false;
    listControls(top);
    return true;
}

bool closeCommand(const Args& args, const std::string&) {
    HWND top = nullptr;
    if (!window(args[0], top)) return false;
    PostMessageA(top, WM_CLOSE, 0, 0);
    return true;
}

// The window, or with five words after it a control of it; then x y w h.
bool rectTarget(const Args& args, size_t& next, HWND& target) {
    HWND top = nullptr;
    if (!window(args[0], top)) return false;
    target = top;
    next = 1;
    const bool withControl = args.size() == 6 || args.size() == 2;
    if (withControl) {
        next = 2;
        return findControl(top, args[1], target, session.defaultTimeoutMs);
    }
    return true;
}

RECT rectOf(HWND target) {
    RECT r = {};
    GetWindowRect(target, &r);
    return r;
}

bool printRectCommand(const Args& args, const std::string&) {
    size_t next = 0;
    HWND target = nullptr;
    if (!rectTarget(args, next, target)) return false;
    const RECT r = rectOf(target);
    note("rect %ld %ld %ld %ld", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return true;
}

bool expectRectCommand(const Args& args, const std::string&) {
    if (args.size() != 5 && args.size() != 6) return fail("expect-rect takes WINDOW [CONTROL] X Y W H");
    size_t next = 0;
    HWND target = nullptr;
    if (!rectTarget(args, next, target)) return false;
    long want[4] = {};
    for (int i = 0; i < 4; ++i) {
        if (!number(args[next + i], want[i])) return false;
    }
    RECT r = {};
    const bool same = pollUntil(session.defaultTimeoutMs, [&] {
        r = rectOf(target);
        return r.left == want[0] && r.top == want[1] && r.right - r.left == want[2] && r.bottom - r.top == want[3];
    });
    if (same) return true;
    return fail("expect-rect: expected %ld %ld %ld %ld, got %ld %ld %ld %ld", want[0], want[1], want[2], want[3],
                r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// ---- controls

bool getTextCommand(const Args& args, const std::string&) {
    HWND top = nullptr, control = nullptr;
    if (!windowAndControl(args, top, control)) return false;
    note("text %s", quotedWord(textOf(control)).c_str());
    return true;
}

bool expectTextCommand(const Args& args, const std::string&) {
    HWND top = nullptr, control = nullptr;
    if (!windowAndControl(args, top, control)) return false;
    std::string got;
    if (pollUntil(session.defaultTimeoutMs, [&] { return (got = textOf(control)) == args[2]; })) return true;
    return fail("expect-text %s %s: expected %s, got %s", args[0].c_str(), args[1].c_str(), quotedWord(args[2]).c_str(),
                quotedWord(got).c_str());
}

bool setTextCommand(const Args& args, const std::string&) {
    HWND top = nullptr, control = nullptr;
    return windowAndControl(args, top, control) &&
           sendText(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args[2].c_str()), "set-text");
}

bool typeCommand(const Args& args, const std::string&) {
    HWND top = nullptr, control = nullptr;
    if (!windowAndControl(args, top, control)) return false;
    for (unsigned char c : args[2]) {
        if (!sendText(control, WM_CHAR, c, 1, "type")) return false;
    }
    return true;
}

bool clickCommand(const Args& args, const std::string&) {
    HWND top = nullptr, control = nullptr;
    return windowAndControl(args, top, control) && realClick(top, controlCentre(top, control));
}

bool pressCommand(const Args& args, const std::string&) {
    HWND top = nullptr, control = nullptr;
    if (!windowAndControl(args, top, control)) return false;
    PostMessageA(control, BM_CLICK, 0, 0);
    roundTrip(control);
    roundTrip(control);
    return true;
}

bool stateHolds(HWND control, const std::string& state, bool& known) {
    known = true;
    if (state == "enabled") return IsWindowEnabled(control);
    if (state == "disabled") return !IsWindowEnabled(control);
    if (state == "visible") return IsWindowVisible(control);
    if (state == "hidden") return !IsWindowVisible(control);
    DWORD_PTR check = 0;
    SendMessageTimeoutA(control, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, scaledTimeout(kSendTimeoutMs), &check);
    if (state == "checked") return check == BST_CHECKED;
    if (state == "unchecked") return check == BST_UNCHECKED;
    known = false;
    return false;
}

bool expectStateCommand(const Args& args, const std::string&) {
    HWND top = nullptr, control = nullptr;
    if (!windowAndControl(args, top, control)) return false;
    bool known = true;
    if (pollUntil(session.defaultTimeoutMs, [&] { return stateHolds(control, args[2], known) || !known; }) && known) {
        return true;
    }
    if (!known) return fail("expect-state: unknown state %s", args[2].c_str());
    return fail("expect-state %s %s: expected %s; it is not", args[0].c_str(), args[1].c_str(), args[2].c_str());
}

// ---- mouse

bool mouseAt(const Args& args, bool (*act)(HWND, POINT)) {
    HWND top = nullptr;
    POINT p = {};
    return window(args[0], top) && point(args, 1, p) && act(top, p);
}

bool mouseDrag(const Args& args, bool (*act)(HWND, POINT, POINT)) {
    HWND top = nullptr;
    POINT from = {}, to = {};
    return window(args[0], top) && point(args, 1, from) && point(args, 3, to) && act(top, from, to);
}

bool moveToCommand(const Args& args, const std::string&) { return mouseAt(args, realMove); }
bool clickAtCommand(const Args& args, const std::string&) { return mouseAt(args, realClick); }
bool dragCommand(const Args& args, const std::string&) { return mouseDrag(args, realDrag); }
bool postClickAtCommand(const Args& args, const std::string&) { return mouseAt(args, postedClick); }
bool postDragCommand(const Args& args, const std::string&) { return mouseDrag(args, postedDrag); }

// ---- keyboard

bool keyCommand(const Args& args, const std::string&) {
    HWND top = nullptr;
    if (!window(args[0], top)) return false;
    const std::vector<std::string> keys(args.begin() + 1, args.end());
    return realKeys(top, keys, session.defaultTimeoutMs);
}

std::string describeControl(HWND control) {
    if (!control) return "nothing";
    return classNameOf(control) + " #" + std::to_string(GetDlgCtrlID(control)) + " " + quotedWord(textOf(control));
}

bool expectFocusCommand(const Args& args, const std::string&) {
    HWND top = nullptr, control = nullptr;
    if (!windowAndControl(args, top, control)) return false;
    HWND got = nullptr;
    if (pollUntil(session.defaultTimeoutMs, [&] { return (got = focusedControl(top)) == control; })) return true;
    return fail("expect-focus %s %s: expected %s, got %s", args[0].c_str(), args[1].c_str(),
                describeControl(control).c_str(), describeControl(got).c_str());
}

// ---- message boxes and file dialogs

bool waitBoxCommand(const Args& args, const std::string&) {
    DWORD timeoutMs = 0;
    return timeoutAt(args, 0, timeoutMs) && waitForBox(timeoutMs);
}

bool compareBox(const char* what, const std::string& expected, std::string (*read)(HWND)) {
    HWND box = nullptr;
    if (!currentBox(box)) return false;
    const std::string got = read(box);
    if (got == expected) return true;
    return fail("%s: expected %s, got %s", what, quotedWord(expected).c_str(), quotedWord(got).c_str());
}

bool expectBoxTextCommand(const Args& args, const std::string&) { return compareBox("box text", args[0], boxText); }

bool expectBoxCaptionCommand(const Args& args, const std::string&) {
    return compareBox("box caption", args[0], textOf);
}

bool expectBoxIconCommand(const Args& args, const std::string&) { return compareBox("box icon", args[0], boxIcon); }

bool expectBoxButtonsCommand(const Args& args, const std::string&) {
    std::string names;
    for (const std::string& name : args) {
        std::string upper = name;
        for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
        names += (names.empty() ? "" : " ") + upper;
    }
    return compareBox("box buttons", names, boxButtons);
}

bool answerCommand(const Args& args, const std::string&) { return answerDialog(args[0], session.defaultTimeoutMs); }

bool expectBoxCommand(const Args& args, const std::string&) {
    DWORD timeoutMs = 0;
    return timeoutAt(args, 2, timeoutMs) && waitForBox(timeoutMs) && expectBoxTextCommand(args, "") &&
           answerDialog(args[1], session.defaultTimeoutMs);
}

bool waitFileDialogCommand(const Args& args, const std::string&) {
    DWORD timeoutMs = 0;
    return timeoutAt(args, 0, timeoutMs) && waitForFileDialog(timeoutMs);
}

bool expectFileNameCommand(const Args& args, const std::string&) {
    HWND dialog = session.currentDialog;
    if (!dialog || !IsWindow(dialog) || !isFileDialog(dialog)) {
        if (!waitForFileDialog(session.defaultTimeoutMs)) return false;
        dialog = session.currentDialog;
    }
    const std::string got = fileDialogName(dialog);
    if (got == args[0]) return true;
    return fail("file name: expected %s, got %s", quotedWord(args[0]).c_str(), quotedWord(got).c_str());
}

bool saveAsCommand(const Args& args, const std::string&) { return saveAs(args[0], session.defaultTimeoutMs); }

// ---- pictures

bool captureCommand(const Args& args, const std::string&) {
    HWND top = nullptr;
    return window(args[0], top) && captureWindowToFile(top, args[1]);
}

bool captureScreenCommand(const Args& args, const std::string&) { return captureScreenToFile(args[0]); }

bool pixelAt(const Args& args, uint32_t& rgb, POINT& screen) {
    HWND top = nullptr;
    if (!window(args[0], top) || !point(args, 1, screen)) return false;
    ClientToScreen(top, &screen);
    if (screenPixel(screen, rgb)) return true;
    return fail("could not read the screen at %ld,%ld", screen.x, screen.y);
}

bool printPixelCommand(const Args& args, const std::string&) {
    uint32_t rgb = 0;
    POINT screen = {};
    if (!pixelAt(args, rgb, screen)) return false;
    note("pixel %u %u %u", (rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    return true;
}

bool expectPixelCommand(const Args& args, const std::string&) {
    long r = 0, g = 0, b = 0;
    if (!number(args[3], r) || !number(args[4], g) || !number(args[5], b)) return false;
    const uint32_t want = rgbOf(static_cast<int>(r), static_cast<int>(g), static_cast<int>(b));
    uint32_t got = 0;
    POINT screen = {};
    const bool same = pollUntil(session.defaultTimeoutMs, [&] { return pixelAt(args, got, screen) && got == want; });
    if (same) return true;
    return fail("expect-pixel %s %s,%s: expected %ld %ld %ld, got %u %u %u", args[0].c_str(), args[1].c_str(),
                args[2].c_str(), r, g, b, (got >> 16) & 0xFF, (got >> 8) & 0xFF, got & 0xFF);
}

// Text is checked by its colour somewhere within a character's cell: which
// pixels of a glyph are set depends on the font's rasterisation.
bool areaAt(const Args& args, Picture& picture, RECT& screen) {
    HWND top = nullptr;
    POINT corner = {};
    long width = 0, height = 0;
    if (!window(args[0], top) || !point(args, 1, corner) || !number(args[3], width) || !number(args[4], height)) {
        return false;
    }
    if (width <= 0 || height <= 0) return fail("an area needs a positive width and height");
    ClientToScreen(top, &corner);
    screen = {corner.x, corner.y, corner.x + width, corner.y + height};
    if (captureScreenRect(screen, picture)) return true;
    return fail("could not read the screen at %ld,%ld", screen.left, screen.top);
}

bool colourInAreaCommand(const Args& args, bool wanted) {
    long r = 0, g = 0, b = 0;
    if (!number(args[5], r) || !number(args[6], g) || !number(args[7], b)) return false;
    const uint32_t colour = rgbOf(static_cast<int>(r), static_cast<int>(g), static_cast<int>(b));
    Picture picture;
    RECT screen = {};
    size_t found = 0;
    const bool met = pollUntil(session.defaultTimeoutMs, [&] {
        if (!areaAt(args, picture, screen)) return false;
        found = pixelsOfColour(picture, colour);
        return (found > 0) == wanted;
    });
    if (met) return true;
    return fail("%s %s %s,%s %sx%s: expected %s pixel of %ld %ld %ld, found %lu of %lu",
                wanted ? "expect-pixel-in" : "expect-no-pixel-in", args[0].c_str(), args[1].c_str(), args[2].c_str(),
                args[3].c_str(), args[4].c_str(), wanted ? "a" : "no", r, g, b, static_cast<unsigned long>(found),
                static_cast<unsigned long>(picture.pixels.size()));
}

bool expectPixelInCommand(const Args& args, const std::string&) { return colourInAreaCommand(args, true); }
bool expectNoPixelInCommand(const Args& args, const std::string&) { return colourInAreaCommand(args, false); }

// ---- files

bool fileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool expectFileCommand(const Args& args, const std::string&) {
    if (pollUntil(session.defaultTimeoutMs, [&] { return fileExists(args[0]); })) return true;
    return fail("expected the file %s to exist; it does not", args[0].c_str());
}

bool expectNoFileCommand(const Args& args, const std::string&) {
    if (pollUntil(session.defaultTimeoutMs, [&] { return !fileExists(args[0]); })) return true;
    return fail("expected no file %s; it exists", args[0].c_str());
}

// ---- session

bool timeoutCommand(const Args& args, const std::string&) {
    long value = 0;
    if (!number(args[0], value) || value < 0) return false;
    session.defaultTimeoutMs = scaledTimeout(static_cast<DWORD>(value));
    return true;
}

const Command kCommands[] = {
    {"start", 1, -1, "start COMMAND LINE         (the rest of the line, verbatim)", startCommand},
    {"shell-open", 2, 3, "shell-open VERB|- FILE [CLASS]   (ShellExecuteEx; - the default verb; CLASS e.g. *)",
     shellOpenCommand},
    {"expect-exit", 1, 2, "expect-exit CODE [TIMEOUT]", expectExitCommand},
    {"kill", 0, 0, "kill", killCommand},
    {"wait-window", 1, 2, "wait-window CLASS [TIMEOUT]", waitWindowCommand},
    {"wait-gone", 1, 2, "wait-gone CLASS [TIMEOUT]", waitGoneCommand},
    {"expect-no-window", 2, 2, "expect-no-window CLASS DURATION", expectNoWindowCommand},
    {"list-windows", 0, 0, "list-windows", listWindowsCommand},
    {"list-controls", 1, 1, "list-controls WINDOW", listControlsCommand},
    {"close", 1, 1, "close WINDOW", closeCommand},
    {"print-rect", 1, 2, "print-rect WINDOW [CONTROL]", printRectCommand},
    {"expect-rect", 5, 6, "expect-rect WINDOW [CONTROL] X Y WIDTH HEIGHT   (screen)", expectRectCommand},
    {"get-text", 2, 2, "get-text WINDOW CONTROL", getTextCommand},
    {"expect-text", 3, 3, "expect-text WINDOW CONTROL TEXT", expectTextCommand},
    {"set-text", 3, 3, "set-text WINDOW CONTROL TEXT", setTextCommand},
    {"type", 3, 3, "type WINDOW CONTROL TEXT", typeCommand},
    {"click", 2, 2, "click WINDOW CONTROL        (real mouse, control centre)", clickCommand},
    {"press", 2, 2, "press WINDOW CONTROL        (posted BM_CLICK)", pressCommand},
    {"expect-state", 3, 3, "expect-state WINDOW CONTROL enabled|disabled|visible|hidden|checked|unchecked",
     expectStateCommand},
    {"move-to", 3, 3, "move-to WINDOW X Y          (real mouse, client coordinates)", moveToCommand},
    {"click-at", 3, 3, "click-at WINDOW X Y", clickAtCommand},
    {"drag", 5, 5, "drag WINDOW X1 Y1 X2 Y2", dragCommand},
    {"post-click-at", 3, 3, "post-click-at WINDOW X Y     (posted messages)", postClickAtCommand},
    {"post-drag", 5, 5, "post-drag WINDOW X1 Y1 X2 Y2", postDragCommand},
    {"key", 2, 40, "key WINDOW KEY...           (real keys: Tab Shift+Tab Enter Esc Space a A 7 ...)", keyCommand},
    {"expect-focus", 2, 2, "expect-focus WINDOW CONTROL", expectFocusCommand},
    {"wait-box", 0, 1, "wait-box [TIMEOUT]", waitBoxCommand},
    {"expect-box", 2, 3, "expect-box TEXT BUTTON [TIMEOUT]", expectBoxCommand},
    {"expect-box-text", 1, 1, "expect-box-text TEXT", expectBoxTextCommand},
    {"expect-box-caption", 1, 1, "expect-box-caption TEXT", expectBoxCaptionCommand},
    {"expect-box-icon", 1, 1, "expect-box-icon none|error|question|warning|information", expectBoxIconCommand},
    {"expect-box-buttons", 1, 4, "expect-box-buttons BUTTON...   (left to right)", expectBoxButtonsCommand},
    {"answer", 1, 1, "answer OK|CANCEL|YES|NO|ABORT|RETRY|IGNORE|SAVE...", answerCommand},
    {"wait-file-dialog", 0, 1, "wait-file-dialog [TIMEOUT]", waitFileDialogCommand},
    {"expect-file-name", 1, 1, "expect-file-name TEXT", expectFileNameCommand},
    {"save-as", 1, 1, "save-as PATH", saveAsCommand},
    {"capture", 2, 2, "capture WINDOW FILE.bmp", captureCommand},
    {"capture-screen", 1, 1, "capture-screen FILE.bmp", captureScreenCommand},
    {"print-pixel", 3, 3, "print-pixel WINDOW X Y", printPixelCommand},
    {"expect-pixel", 6, 6, "expect-pixel WINDOW X Y R G B", expectPixelCommand},
    {"expect-pixel-in", 8, 8, "expect-pixel-in WINDOW X Y WIDTH HEIGHT R G B   (somewhere in the area)",
     expectPixelInCommand},
    {"expect-no-pixel-in", 8, 8, "expect-no-pixel-in WINDOW X Y WIDTH HEIGHT R G B", expectNoPixelInCommand},
    {"expect-file", 1, 1, "expect-file PATH", expectFileCommand},
    {"expect-no-file", 1, 1, "expect-no-file PATH", expectNoFileCommand},
    {"timeout", 1, 1, "timeout MILLISECONDS         (default for every wait and expectation)", timeoutCommand},
};

}  // namespace

const Command* findCommand(const std::string& name) {
    for (const Command& command : kCommands) {
        if (name == command.name) return &command;
    }
    return nullptr;
}

void printUsage() {
    for (const Command& command : kCommands) std::printf("  %s\n", command.usage);
}
