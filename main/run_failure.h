// What a run reports when the engine stops it: the numbered error texts of the
// encryption and decryption runs. Pure logic.
#pragma once

#include <string>

#include "main/file_run.h"
#include "main/run_state.h"

// The error text for a run of that kind that ended with `status`; empty for a
// completed or cancelled run, which report nothing.
std::string runFailureText(RunStatus status, RunKind kind, const std::string& sourcePath,
                           const std::string& destinationPath);

// A header whose signatures match but whose name or password field cannot be
// decoded: the decryption run refuses the file before its window opens.
std::string damagedHeaderText(const std::string& sourcePath);
