// A program's own path as its command line names it, and the check that the
// program still runs under the file name it was shipped with. The installer and
// the uninstaller both refuse to run renamed; they rename themselves back.
// Portable: no Windows calls here, the edge lives in self_name_check.cpp.
#pragma once

#include <string>

struct OwnPath {
    std::string path;       // without enclosing quotes and trailing blanks
    std::string directory;  // up to and including the last backslash; empty without one
    std::string fileName;   // behind the last backslash, or the whole path
};

// The argument string that the start-up code hands to WinMain: the command line
// behind the program name (quoted or not) and the blanks and control characters
// (every code up to 0x20) that follow it.
const char* argumentStringOf(const char* commandLine);

// The command line without its argument string, trailing blanks and control
// characters cut, one pair of enclosing double quotes removed, split at the last
// backslash.
OwnPath ownPathFromCommandLine(const char* commandLine);

// The same split for a path already known (after resolving it to a full path).
OwnPath splitOwnPath(const std::string& path);

// True for "X:\..." and "\\server\...": a path that names its file wherever the
// process runs. A bare name or a relative path does not.
bool isFullPath(const std::string& path);

// Compares ignoring the case of the letters A to Z only (no code page folding).
bool sameFileName(const std::string& a, const std::string& b);

// Where a renamed program moves itself back to: its directory plus its proper name.
std::string properPathOf(const OwnPath& own, const std::string& properName);

// "Do not try to rename" and the proper name in double quotes.
std::string renameRefusalText(const std::string& properName);
