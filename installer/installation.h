// What installing writes: registry values, directories and the read-me when the
// user starts, the two programs from the payload when the progress bar is full.
#pragma once

// Registration, the directories of `installationDirectory` (ending with "\") and
// "README.txt" in it; fails with 0117, 0118 or 0103.
void writeInstallationStart(const char* installationDirectory);

// Copies the two programs out of the installer's own file; returns only on
// success (0112, 0113 and 0114 end the installer).
void runFileStep(const char* installationDirectory);
