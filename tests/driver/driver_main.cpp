// zdriver: runs a script of commands against real Win32 programs, one command
// a line, and exits 0 when every command succeeded, 1 at the first failed one
// (after printing what it expected and what it got), 2 for a bad script.
//
//   zdriver [--shots FOLDER [--first-shot N]] [--wait-scale N] SCRIPT    (SCRIPT "-" reads standard input)
//
// With --shots, every window that wait-window, wait-box or wait-file-dialog finds
// is captured into FOLDER as NN-what.bmp, numbered on from N (default 0), and a
// failure captures the whole screen as NN-failure-screen.bmp. --wait-scale
// multiplies every timeout, for programs that start slowly (emulated 32-bit code).
#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "tests/driver/commands.h"
#include "tests/driver/driver.h"
#include "tests/driver/process_control.h"
#include "tests/driver/screen_capture.h"
#include "tests/driver/script_words.h"

namespace {

// Commands slower than this say so, to show where a test spends its time.
const ULONGLONG kSlowCommandMs = 1000;

struct ScriptLine {
    int number;
    std::string text;
    const Command* command;
    std::vector<std::string> args;
    std::string rest;
};

// Checks the whole script before anything runs, so a typo costs no test time.
bool readScript(std::istream& in, std::vector<ScriptLine>& lines) {
    std::string text;
    int number = 0;
    bool good = true;
    while (std::getline(in, text)) {
        ++number;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (!isCommandLine(text)) continue;
        ScriptLine line = {number, text, nullptr, {}, restAfterFirstWord(text)};
        std::vector<std::string> words;
        std::string error;
        const std::string name = text.substr(text.find_first_not_of(" \t"));
        const std::string first = name.substr(0, name.find_first_of(" \t"));
        line.command = findCommand(first);
        if (!line.command) {
            std::printf("line %d: unknown command %s\n", number, first.c_str());
            good = false;
            continue;
        }
        if (line.command->mostArgs >= 0) {
            if (!splitWords(text, words, error)) {
                std::printf("line %d: %s\n", number, error.c_str());
                good = false;
                continue;
            }
            line.args.assign(words.begin() + 1, words.end());
            const int count = static_cast<int>(line.args.size());
            if (count < line.command->leastArgs || count > line.command->mostArgs) {
                std::printf("line %d: %d arguments; usage: %s\n", number, count, line.command->usage);
                good = false;
                continue;
            }
        } else if (line.rest.empty()) {
            std::printf("line %d: usage: %s\n", number, line.command->usage);
            good = false;
            continue;
        }
        lines.push_back(line);
    }
    return good;
}

int usage() {
    std::printf("usage: zdriver [--shots FOLDER [--first-shot N]] [--wait-scale N] SCRIPT|-\ncommands:\n");
    printUsage();
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // The test logs are read on Linux: plain line ends.
    _setmode(_fileno(stdout), _O_BINARY);
    std::setvbuf(stdout, nullptr, _IONBF, 0);

    std::string scriptPath;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--shots") == 0 && i + 1 < argc) {
            session.shotsFolder = argv[++i];
        } else if (std::strcmp(argv[i], "--first-shot") == 0 && i + 1 < argc) {
            session.shotCount = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--wait-scale") == 0 && i + 1 < argc) {
            const int scale = std::atoi(argv[++i]);
            if (scale < 1) return usage();
            session.waitScale = static_cast<DWORD>(scale);
            session.defaultTimeoutMs = scaledTimeout(session.defaultTimeoutMs);
        } else if (scriptPath.empty()) {
            scriptPath = argv[i];
        } else {
            return usage();
        }
    }
    if (scriptPath.empty()) return usage();

    std::vector<ScriptLine> lines;
    bool good = false;
    if (scriptPath == "-") {
        good = readScript(std::cin, lines);
    } else {
        std::ifstream file(scriptPath, std::ios::binary);
        if (!file) {
            std::printf("zdriver: cannot read %s\n", scriptPath.c_str());
            return 2;
        }
        good = readScript(file, lines);
    }
    if (!good) return 2;

    for (const ScriptLine& line : lines) {
        std::printf("> %d: %s\n", line.number, line.text.c_str());
        const ULONGLONG started = GetTickCount64();
        const bool passed = line.command->run(line.args, line.rest);
        const ULONGLONG tookMs = GetTickCount64() - started;
        if (tookMs >= kSlowCommandMs) note("(took %llu ms)", tookMs);
        if (!passed) {
            std::printf("FAILED at line %d: %s\n", line.number, line.text.c_str());
            if (!session.shotsFolder.empty()) {
                char name[64];
                std::snprintf(name, sizeof(name), "%02d-failure-screen.bmp", ++session.shotCount);
                captureScreenToFile(name);
            }
            endLeftoverPrograms();
            return 1;
        }
    }
    endLeftoverPrograms();
    std::printf("all %zu commands passed\n", lines.size());
    return 0;
}
