// ept: the ".ept" files on the command line, with the same engine, the same
// rules and byte for byte the same files as the Windows program.
#include <signal.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "tools/ept/ept_commands.h"

#ifndef EPT_VERSION
#error "the build passes the project's version as EPT_VERSION"
#endif

namespace {

// Every option listed here must also be in the manual page; a test compares them.
const char kHelp[] =
    "Usage: ept encrypt [OPTION]... FILE...\n"
    "  or:  ept decrypt [OPTION]... FILE...\n"
    "  or:  ept info FILE\n"
    "Encrypt or decrypt files in the \".ept\" format of ZORVANEX(version-3.1),\n"
    "byte for byte as the Windows program does, or show what one holds.\n"
    "\n"
    "Commands:\n"
    "  encrypt   write each FILE encrypted beside it (REPORT.DOC -> REPORT.ept)\n"
    "  decrypt   restore each FILE beside it, under the name stored in it\n"
    "  info      show a file's stored name, whether it has a password, its body size\n"
    "\n"
    "Options:\n"
    "  -o DEST             write to DEST instead (only with a single FILE)\n"
    "      --force         replace a destination that exists\n"
    "      --no-password   encrypt without a password (anyone can decrypt)\n"
    "      --password-stdin\n"
    "                      read the password from the first line of standard\n"
    "                      input instead of asking on the terminal\n"
    "  -h, --help          show this help and exit\n"
    "      --version       show the version and exit\n"
    "\n"
    "One password serves the whole call: asked once (twice when encrypting);\n"
    "a file without a password decrypts without one. Each file is written under\n"
    "a temporary name and moved into place when complete.\n"
    "\n"
    "Exit status: 0 when every file was done, 1 when any failed, 2 on wrong usage.\n"
    "The password only keeps out casual readers; see ept(1), SECURITY.\n";

const char kVersion[] = "ept (ZORVANEX) " EPT_VERSION
                        "\n"
                        "Copyright (C) Pelk Softwares.\n";

enum class Command { Encrypt, Decrypt, Info };

int usageError(const std::string& problem) {
    std::fprintf(stderr, "ept: %s\nTry 'ept --help' for more information.\n", problem.c_str());
    return kExitUsage;
}

int printAndExit(const char* text) {
    std::fputs(text, stdout);
    return std::fflush(stdout) == 0 ? kExitSuccess : kExitFailure;
}

// Fills options from the words after the command; an empty result means fine.
std::string parseOptions(Command command, int argc, char** argv, CommandOptions& options) {
    bool optionsEnded = false;
    bool haveDestination = false;
    for (int i = 2; i < argc; i++) {
        const std::string word = argv[i];
        const bool isOption = !optionsEnded && word.size() > 1 && word[0] == '-';
        if (!isOption) {
            if (word.empty()) return "empty file name";
            options.sources.push_back(word);
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
    if (options.sources.empty()) return "no file given";
    if (command == Command::Info && options.sources.size() > 1) return "info takes one file";
    // Each file has its own default destination; one -o cannot serve them all.
    if (haveDestination && options.sources.size() > 1) {
        return "-o goes with a single file, not " + std::to_string(options.sources.size());
    }
    if (options.noPassword && options.passwordFromStdin) return "--no-password and --password-stdin exclude each other";
    return std::string();
}

// --help and --version win wherever they stand before "--", as in GNU tools;
// null when neither is given.
const char* helpOrVersion(int argc, char** argv) {
    for (int i = 1; i < argc; i++) {
        const std::string word = argv[i];
        if (word == "--") break;
        if (word == "-h" || word == "--help") return kHelp;
        if (word == "--version") return kVersion;
    }
    return nullptr;
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
    if (const char* text = helpOrVersion(argc, argv)) return printAndExit(text);
    if (argc < 2) return usageError("no command given");
    const std::string name = argv[1];
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
    case Command::Info: return infoCommand(options.sources.front());
    }
    return kExitFailure;
}
