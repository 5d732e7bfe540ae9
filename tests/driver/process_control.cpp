#include "tests/driver/process_control.h"

#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "tests/driver/driver.h"
#include "tests/driver/window_finding.h"

namespace {

std::vector<HANDLE> startedProcesses;

// Wine reports ERROR_INTERNAL_ERROR when the new process dies before it has
// started: its loader failed, which is rare and random (seen once in a CI
// run). None of the program ran then, so starting it again tests the same
// thing; every other error fails at once.
const int startAttempts = 3;

}  // namespace

bool startProgram(const std::string& commandLine) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    for (int attempt = 1;; ++attempt) {
        std::vector<char> line(commandLine.begin(), commandLine.end());
        line.push_back('\0');
        if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) break;
        const DWORD error = GetLastError();
        if (error != ERROR_INTERNAL_ERROR || attempt == startAttempts) {
            return fail("start: CreateProcessA failed with error %lu for the command line [%s] (attempt %d)", error,
                        commandLine.c_str(), attempt);
        }
        note("start: the process died while Wine started it (error %lu); starting it again", error);
        Sleep(500);
    }
    CloseHandle(info.hThread);
    startedProcesses.push_back(info.hProcess);
    session.startedIds.push_back(info.dwProcessId);
    session.lastProcess = info.hProcess;
    session.lastProcessId = info.dwProcessId;
    note("started process %lu: [%s]", info.dwProcessId, commandLine.c_str());
    return true;
}

bool shellOpen(const std::string& verb, const std::string& file, const std::string& fileClass) {
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    if (!fileClass.empty()) {
        info.fMask |= SEE_MASK_CLASSNAME;
        info.lpClass = fileClass.c_str();
    }
    info.lpVerb = verb.empty() ? nullptr : verb.c_str();
    info.lpFile = file.c_str();
    info.nShow = SW_SHOWNORMAL;
    const char* shown = verb.empty() ? "(default)" : verb.c_str();
    for (int attempt = 1; !ShellExecuteExA(&info); ++attempt) {
        const DWORD error = GetLastError();
        if (error != ERROR_INTERNAL_ERROR || attempt == startAttempts) {
            return fail("shell-open: ShellExecuteExA failed with error %lu for the verb %s on [%s] (attempt %d)", error,
                        shown, file.c_str(), attempt);
        }
        note("shell-open: the process died while Wine started it (error %lu); starting it again", error);
        Sleep(500);
    }
    if (!info.hProcess) {
        return fail("shell-open: the shell started no process for the verb %s on [%s]", shown, file.c_str());
    }
    const DWORD id = GetProcessId(info.hProcess);
    startedProcesses.push_back(info.hProcess);
    session.startedIds.push_back(id);
    session.lastProcess = info.hProcess;
    session.lastProcessId = id;
    note("the shell started process %lu for the verb %s on [%s]", id, shown, file.c_str());
    return true;
}

bool expectExit(long expectedCode, DWORD timeoutMs) {
    if (!session.lastProcess) return fail("expect-exit: no program was started");
    if (WaitForSingleObject(session.lastProcess, timeoutMs) != WAIT_OBJECT_0) {
        fail("expect-exit: expected process %lu to end with %ld within %lu ms; it still runs", session.lastProcessId,
             expectedCode, timeoutMs);
        listWindows();
        return false;
    }
    DWORD code = 0;
    GetExitCodeProcess(session.lastProcess, &code);
    if (static_cast<long>(code) != expectedCode) {
        return fail("expect-exit: expected exit code %ld, got %lu", expectedCode, code);
    }
    note("process %lu ended with %lu", session.lastProcessId, code);
    return true;
}

bool killProgram() {
    if (!session.lastProcess) return fail("kill: no program was started");
    TerminateProcess(session.lastProcess, 9999);
    WaitForSingleObject(session.lastProcess, 5000);
    note("process %lu ended by kill", session.lastProcessId);
    return true;
}

void endLeftoverPrograms() {
    for (HANDLE process : startedProcesses) {
        if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
            note("ending process %lu, still running at the end of the script", GetProcessId(process));
            TerminateProcess(process, 9999);
            WaitForSingleObject(process, 5000);
        }
        CloseHandle(process);
    }
    startedProcesses.clear();
}

bool belongsToStartedProgram(HWND window) {
    if (session.startedIds.empty()) return true;
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    return std::find(session.startedIds.begin(), session.startedIds.end(), id) != session.startedIds.end();
}
