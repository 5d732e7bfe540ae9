// Program entry: takes the one path from the command line, classifies the file
// and hands it to the encryption or decryption run, then does what the user
// chose for after the run.
#include <windows.h>

#include <cstdio>
#include <string>

#include "common/shutdown.h"
#include "main/error_box.h"
#include "main/file_dispatch.h"
#include "main/file_format.h"
#include "main/file_run.h"
#include "main/run_state.h"
#include "main/runs.h"
#include "main/ui/skinned_window.h"

namespace {

const char kPathTooLongText[] =
    "THE PATH OF THE FILE IS TOO LONG. ZORVANEX CAN OPEN PATHS OF AT MOST 999 CHARACTERS. ERROR NO. :0016";

// A relative path (a start from a console or a script) made full now, while the
// current folder is the one it was given in: the proposal, the run and the
// deletion afterwards all name that file, whatever folder a dialog moves to.
std::string fullPathOf(const std::string& path) {
    char full[kMaxPathLength + 1];
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    if (length >= sizeof full) fatalError(kPathTooLongText);
    return length == 0 ? path : std::string(full, length);
}

// Opens the file as the shell names it, only to learn that it exists and its size.
uint64_t sizeOfSource(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_READONLY, nullptr);
    if (file == INVALID_HANDLE_VALUE) fatalError(cannotOpenText(path, "0001"));
    DWORD high = 0;
    const DWORD low = GetFileSize(file, &high);
    CloseHandle(file);
    return (static_cast<uint64_t>(high) << 32) + low;
}

// Reads the first 164 bytes into sourceHeader; true when both signatures match.
bool hasHeader(const std::string& path) {
    switch (readFileHeader(path, sourceHeader)) {
    case HeaderRead::NotOpened: fatalError(cannotOpenText(path, "0002"));
    case HeaderRead::TooShort: fatalError(cannotReadText(path, "0003"));
    case HeaderRead::Complete: break;
    }
    return hasSignatures(sourceHeader);
}

int repairExtension(const std::string& path) {
    const std::string question = path +
                                 " IS AN ENCRYPTED FILE WITH WRONG EXTENSION\nIT CAN NOT BE ENCRYPTED OR DECRYPTED.\n"
                                 "DO YOU WANT TO CORRECT ITS EXTENSION?";
    if (MessageBoxA(nullptr, question.c_str(), kProductTitle, MB_YESNO | MB_ICONERROR) != IDYES) return 1;
    // The renamed file is not decrypted now: the user opens it again.
    if (std::rename(path.c_str(), repairedExtensionPath(path).c_str()) != 0) {
        MessageBoxA(nullptr, "SORRY. UNABLE TO RENAME THE FILE.", kProductTitle, MB_OK | MB_ICONERROR);
    }
    return 1;
}

struct FollowUp {
    int deleteSource;
    int shutDown;
    const char* successText;
};

// After a run: a cancelled one ends with its own value and nothing else.
int finishRun(int runResult, const std::string& path, const FollowUp& followUp) {
    if (runProgress.cancelCode == kCancelConfirmed) return runResult;
    if (followUp.deleteSource == 1) std::remove(path.c_str());
    if (followUp.shutDown == 1) {
        shutDownComputer(kPowerOffFlags);
        return 1;
    }
    MessageBoxA(nullptr, (path + followUp.successText).c_str(), kProductTitle, MB_OK | MB_ICONINFORMATION);
    return 1;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    windowX = (GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2;
    windowY = (GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) / 2;
    programInstance = instance;

    // The whole remainder is one path, blanks included; only enclosing quotes go.
    const std::string argument = stripEnclosingQuotes(commandLine ? commandLine : "");
    if (argument.empty()) return 1;
    if (argument.size() > kMaxPathLength) fatalError(kPathTooLongText);
    // A file that cannot be opened is reported by the path as given.
    runProgress.totalBytes = sizeOfSource(argument);
    const std::string sourcePath = fullPathOf(argument);
    const bool header = runProgress.totalBytes >= kHeaderSize && hasHeader(sourcePath);

    switch (dispatchFor(hasEptExtension(sourcePath), header)) {
    case Dispatch::Encrypt: {
        const int result = runEncryption(sourcePath);
        const FollowUp followUp = {optionFlags.deleteOriginalAfterEncryption, optionFlags.shutDownAfterEncryption,
                                   " HAS BEEN SUCCESSFULLY ENCRYPTED"};
        return finishRun(result, sourcePath, followUp);
    }
    case Dispatch::Decrypt: {
        runProgress.totalBytes -= kHeaderSize;
        const int result = runDecryption(sourcePath);
        const FollowUp followUp = {optionFlags.deleteEncryptedAfterDecryption, optionFlags.shutDownAfterDecryption,
                                   " HAS BEEN SUCCESSFULLY DECRYPTED"};
        return finishRun(result, sourcePath, followUp);
    }
    case Dispatch::RefuseEptWithoutHeader:
        fatalError("SORRY! CAN NOT ENCRYPT ANY FILE WITH EXTENSION \"EPT\".\nSO TO ENCRYPT " + sourcePath +
                   " PLEASE CHANGE ITS EXTENSION.");
    case Dispatch::RepairExtension: return repairExtension(sourcePath);
    }
    return 1;
}
