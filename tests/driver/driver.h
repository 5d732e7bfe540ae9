// What every part of the test driver shares: the session state of one script
// run, how results and failures are printed, and polling with a deadline.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct DriverSession {
    std::vector<DWORD> startedIds;  // windows are looked for in these processes
    HANDLE lastProcess = nullptr;   // the one expect-exit waits for
    DWORD lastProcessId = 0;
    DWORD defaultTimeoutMs = 10000;
    DWORD waitScale = 1;      // every timeout is multiplied by it (slow emulated programs)
    std::string shotsFolder;  // automatic pictures of every window waited for; empty: none
    int shotCount = 0;
    HWND currentDialog = nullptr;  // the box or file dialog the last wait found
};

extern DriverSession session;

// A timeout as a script or the driver gives it, scaled for this session.
inline DWORD scaledTimeout(DWORD timeoutMs) { return timeoutMs * session.waitScale; }

// Prints one line of information, indented under the command that produced it.
void note(const char* format, ...) __attribute__((format(gnu_printf, 1, 2)));

// Prints "FAIL: ..." and returns false, so a command can `return fail(...)`.
bool fail(const char* format, ...) __attribute__((format(gnu_printf, 1, 2)));

// Calls condition every 20 ms until it returns true or timeoutMs has passed;
// returns the last result. The condition is always tried at least once.
template <typename Condition>
bool pollUntil(DWORD timeoutMs, Condition condition) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (true) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(20);
    }
}
