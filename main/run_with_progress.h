// What the encryption and decryption runs share once their window has ended:
// the progress caption and times, the progress window, the engine's copy of the
// body, the final refresh and the end of the run.
#pragma once

#include <functional>
#include <string>

#include "main/file_run.h"
#include "main/run_state.h"

// encryptFile or decryptFile with their paths bound.
using BodyCopy = std::function<RunStatus(RunCounters, const BeforeBody&)>;

// Returns RUN_SUCCESS after a completed or a cancelled run (cancelCode tells
// which). Any failure is reported with its numbered text and ends the process
// with exit code 1, so no follow-up action ever runs after it.
int runWithProgress(RunKind kind, const std::string& sourcePath, const std::string& destinationPath,
                    const std::string& caption, const BodyCopy& copyBody);
