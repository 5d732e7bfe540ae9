// The two runs program entry hands a classified file to. Each shows its window,
// processes the file and returns RUN_SUCCESS, or ends the process itself (exit
// code 1) when its window is closed or on any error.
#pragma once

#include <string>

int runEncryption(const std::string& sourcePath);
// runProgress.totalBytes already excludes the header; sourceHeader holds it.
int runDecryption(const std::string& sourcePath);
