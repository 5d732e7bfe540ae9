// The three commands of ept. Each prints at most one line on standard error when
// it fails and returns the process exit status.
#pragma once

#include <atomic>
#include <string>

constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

struct CommandOptions {
    std::string source;
    std::string destination;  // empty: the proposal
    bool force = false;
    bool noPassword = false;
    bool passwordFromStdin = false;
};

// Set by SIGINT, SIGTERM and SIGHUP: the run stops and removes its output.
extern std::atomic<int> cancelRequest;

int encryptCommand(const CommandOptions& options);
int decryptCommand(const CommandOptions& options);
int infoCommand(const std::string& path);
