#include <windows.h>

#include <cstdio>

#include "main/encrypt_window.h"
#include "main/error_box.h"
#include "main/file_dispatch.h"
#include "main/file_run.h"
#include "main/run_state.h"
#include "main/run_with_progress.h"
#include "main/runs.h"

int runEncryption(const std::string& sourcePath) {
    runProgress.doneBytes = 0;
    runProgress.sampleBytes = 0;

    // Refuse an unreadable source before the user fills in the window.
    std::FILE* source = std::fopen(sourcePath.c_str(), "rb");
    if (!source) fatalError(cannotOpenText(sourcePath, "0004"));
    std::fclose(source);

    const std::string proposal = proposeEncryptDestination(sourcePath);
    // The window keeps its last accepted destination in the caption until the run
    // writes the progress caption there.
    runProgress.caption[0] = '\0';
    showEncryptWindow(sourcePath, proposal);
    if (windowResult != kRunStarted) ExitProcess(1);

    const RunRequest request = readRunRequest(messageBuffer);
    const std::string destination = request.destination;
    return runWithProgress(kEncrypting, sourcePath, destination, encryptionCaption(sourcePath, destination),
                           [&](RunCounters counters, const BeforeBody& beforeBody) {
                               return encryptFile(sourcePath, destination, request.password, counters, beforeBody);
                           });
}
