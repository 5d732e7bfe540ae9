// The main program's process-wide state: what program entry, the runs and their
// windows share. Values that cross threads are atomics; the rest belongs to one
// thread at a time (the encrypt or decrypt window is hidden before the progress
// window exists).
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>

#include "common/product_title.h"
#include "main/file_format.h"

// A run that reached its end, normally or by cancellation.
constexpr int RUN_SUCCESS = 420;

// cancelCode after a confirmed cancel; exitRequest when the user asks to close.
constexpr int kCancelConfirmed = 13;
constexpr int kExitRequested = 13;

// kCancelling: the progress thread has taken a running run's cancel; the run,
// whichever way it ends, ends cancelled.
enum RunKind { kNoRun = 0, kEncrypting = 1, kDecrypting = 2, kCancelling = 3 };

// windowResult: how the encrypt or decrypt window ended.
constexpr int kWindowClosed = 1;
constexpr int kRunStarted = 2;

// Exit code posted to end a window's message loop.
constexpr int kLoopQuitCode = 18;

// Every window of the main program but the about window shares this size.
constexpr int kWindowWidth = 788;
constexpr int kWindowHeight = 470;

constexpr size_t kMessageBufferSize = 1200;
// Window texts are read into messageBuffer with this limit.
constexpr int kWindowTextLimit = 1100;
constexpr size_t kCaptionSize = 1200;

struct RunProgress {
    uint64_t totalBytes = 0;             // set by program entry
    std::atomic<uint64_t> doneBytes{0};  // counted by the run, read by the progress thread
    std::time_t startTime = 0;
    std::time_t sampleTime = 0;
    uint64_t sampleBytes = 0;
    int64_t currentSpeed = 0;
    int64_t averageSpeed = 0;
    std::atomic<int> runKind{kNoRun};
    std::atomic<int> cancelCode{0};
    int exitRequest = 0;  // progress thread only
    char caption[kCaptionSize] = {};
};

// Toggled by the option boxes, acted on by program entry after a run.
struct OptionFlags {
    int deleteOriginalAfterEncryption = 0;
    int shutDownAfterEncryption = 0;
    int deleteEncryptedAfterDecryption = 0;
    int shutDownAfterDecryption = 0;
};

// aboutState: the about window's request and page.
enum AboutState {
    kAboutClosed = 0,
    kAboutRequested = 1,
    kCreditsRequested = 2,
    kAboutShown = 3,
    kCreditsShown = 4,
    kSwitchToAbout = 5,
    kSwitchToCredits = 6,
};

extern RunProgress runProgress;
extern OptionFlags optionFlags;
extern char messageBuffer[kMessageBufferSize];
extern std::atomic<int> windowResult;
extern std::atomic<int> aboutState;
// The 164 bytes program entry read while classifying the source; the decryption
// run takes the stored name and password from here.
extern FileHeader sourceHeader;
// Screen position of the encrypt, decrypt and progress windows.
extern int windowX;
extern int windowY;

// What the encrypt and decrypt windows hand to their run in messageBuffer: the
// destination, a zero byte, the password length n and n password characters.
struct RunRequest {
    std::string destination;
    std::string password;
};

// Stores the request behind a destination already in `buffer`; false when the
// password does not fit behind it (the caller refuses such input before).
bool storeRunRequest(char (&buffer)[kMessageBufferSize], const std::string& password);
// Reads the request back; a length byte outside 0..20 reads as no password.
RunRequest readRunRequest(const char (&buffer)[kMessageBufferSize]);
