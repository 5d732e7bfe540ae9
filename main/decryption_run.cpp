#include <windows.h>

#include <cstdio>

#include "main/decrypt_window.h"
#include "main/error_box.h"
#include "main/file_dispatch.h"
#include "main/file_format.h"
#include "main/file_run.h"
#include "main/run_failure.h"
#include "main/run_state.h"
#include "main/run_with_progress.h"
#include "main/runs.h"

int runDecryption(const std::string& sourcePath) {
    runProgress.doneBytes = 0;
    runProgress.sampleBytes = 0;

    // Refuse an unreadable file before the user fills in the window.
    std::FILE* source = std::fopen(sourcePath.c_str(), "rb");
    if (!source) fatalError(cannotOpenText(sourcePath, "0006"));
    std::fclose(source);

    // The header program entry read: a name without its end or a password longer
    // than 20 characters cannot be decoded, and is refused rather than guessed at.
    const HeaderFields stored = readHeaderFields(sourceHeader);
    if (stored.problem != HeaderProblem::None) fatalError(damagedHeaderText(sourcePath));

    showDecryptWindow(sourcePath, proposeDecryptDestination(sourcePath, stored.storedName), stored.password);
    if (windowResult != kRunStarted) ExitProcess(1);

    const std::string destination = messageBuffer;
    return runWithProgress(kDecrypting, sourcePath, destination, decryptionCaption(sourcePath, destination),
                           [&](RunCounters counters, const BeforeBody& beforeBody) {
                               return decryptFile(sourcePath, destination, counters, beforeBody);
                           });
}
