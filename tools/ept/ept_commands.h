// The three commands of ept. Each returns the process exit status. encrypt and
// decrypt take many files: each failed file gets one line on standard error, the
// others go on, and a call with several files ends with a line of counts.
#pragma once

#include <atomic>
#include <string>
#include <vector>

constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

struct CommandOptions {
    std::vector<std::string> sources;
    std::string destination;  // empty: each file's proposal (set only with a single source)
    bool force = false;
    bool noPassword = false;
    bool passwordFromStdin = false;
};

// Set by SIGINT, SIGTERM and SIGHUP: the run stops and removes its output.
extern std::atomic<int> cancelRequest;

int encryptCommand(const CommandOptions& options);
int decryptCommand(const CommandOptions& options);
int infoCommand(const std::string& path);
