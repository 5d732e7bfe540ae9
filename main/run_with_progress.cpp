#include "main/run_with_progress.h"

#include <windows.h>

#include <cstdio>
#include <ctime>

#include "main/error_box.h"
#include "main/run_failure.h"
#include "main/ui/progress_window.h"

int runWithProgress(RunKind kind, const std::string& sourcePath, const std::string& destinationPath,
                    const std::string& caption, const BodyCopy& copyBody) {
    std::snprintf(runProgress.caption, kCaptionSize, "%s", caption.c_str());
    runProgress.startTime = std::time(nullptr);
    runProgress.sampleTime = runProgress.startTime;
    runProgress.currentSpeed = 0;
    runProgress.averageSpeed = 0;
    // Running from before the window exists, so closing it at once still asks
    // first; runKind falls back to 0 only when the output is complete or gone.
    runProgress.runKind = kind;
    runProgress.cancelCode = 0;

    HANDLE progress = nullptr;
    const RunStatus status =
        copyBody({runProgress.doneBytes, runProgress.cancelCode}, [&progress] { progress = startProgressThread(); });
    // A cancel taken before this point wins even when the copy got to its end;
    // after it, the progress window sees the run finished and leaves it be.
    if (runProgress.runKind.exchange(kNoRun) == kCancelling) runProgress.cancelCode = kCancelConfirmed;

    if (status == RunStatus::Completed) {
        // A cancel confirmed while the finished file was being moved into place:
        // the user was told it would not be created.
        if (runProgress.cancelCode == kCancelConfirmed) {
            std::remove(destinationPath.c_str());
        } else {
            requestProgressRefresh();
        }
    }
    // The about thread's handle stays with the progress thread, which may still
    // replace or end that window.
    if (progress) CloseHandle(progress);

    const std::string failure = runFailureText(status, kind, sourcePath, destinationPath);
    if (!failure.empty()) fatalError(failure);
    return RUN_SUCCESS;
}
