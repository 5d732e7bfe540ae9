// ept: the ".ept" files on the command line, with the same engine, the same
// rules and byte for byte the same files as the Windows program.
#include <signal.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "tools/ept/ept_commands.h"

namespace {

const char kUsage[] =
    "usage: ept encrypt SRC [-o DEST] [--force] [--no-password | --password-stdin]\n"
    "       ept decrypt SRC [-o DEST] [--force] [--password-stdin]\n"
    "       ept info FILE\n";

enum class Command { Encrypt, Decrypt, Info };

int usageError(const std::string& problem) {
    std::fprintf(stderr, "ept: %s\n%s", problem.c_str(), kUsage);
    return kExitUsage;
}

// Fills options from the words after the command; an empty result means fine.
std::string parseOptions(Command command, int argc, char** argv, CommandOptions& options) {
    bool optionsEnded = false;
    bool haveDestination = false;
    for (int i = 2; i < argc; i++) {
        const std::string word = argv[i];
        const bool isOption = !optionsEnded && word.size() > 1 && word[0] == '-';
        if (!isOption) {
            if (!options.source.empty()) return "more than one file given: " + word;
            if (word.empty()) return "empty file name";
            options.source = word;
        } else if (word == "--") {
            optionsEnded = true;
        } else if (word == "-o" && command != Command::Info) {
            if (haveDestination) return "-o given twice";
            if (i + 1 >= argc || argv[i + 1][0] == '\0') return "-o needs a destination";
            options.destination = argv[++i];
            haveDestination = true;
        } else if (word == "--force" && command != Command::Info) {
            options.force = true;
        } else if (word == "--no-password" && command == Command::Encrypt) {
            options.noPassword = true;
        } else if (word == "--password-stdin" && command != Command::Info) {
            options.passwordFromStdin = true;
        } else {
            return "unknown option " + word;
        }
    }
    if (options.source.empty()) return "no file given";
    if (options.noPassword && options.passwordFromStdin) return "--no-password and --password-stdin exclude each other";
    return std::string();
}

void requestCancel(int) { cancelRequest.store(13); }

// Without SA_RESTART, so that a password prompt waiting on the terminal wakes up.
void catchStopSignals() {
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = requestCancel;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usageError("no command given");
    const std::string name = argv[1];
    if (name == "-h" || name == "--help") {
        std::fputs(kUsage, stdout);
        return kExitSuccess;
    }
    Command command;
    if (name == "encrypt") {
        command = Command::Encrypt;
    } else if (name == "decrypt") {
        command = Command::Decrypt;
    } else if (name == "info") {
        command = Command::Info;
    } else {
        return usageError("unknown command " + name);
    }

    CommandOptions options;
    const std::string problem = parseOptions(command, argc, argv, options);
    if (!problem.empty()) return usageError(problem);

    catchStopSignals();
    switch (command) {
    case Command::Encrypt: return encryptCommand(options);
    case Command::Decrypt: return decryptCommand(options);
    case Command::Info: return infoCommand(options.source);
    }
    return kExitFailure;
}
