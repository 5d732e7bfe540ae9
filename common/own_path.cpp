#include "common/own_path.h"

#include <cstring>

namespace {

bool isBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 0x20; }

char upperAsciiOnly(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

const char* argumentStringOf(const char* commandLine) {
    const char* p = commandLine;
    if (*p == '"') {
        ++p;
        while (*p != '\0' && *p != '"') ++p;
        if (*p == '"') ++p;
    } else {
        while (*p != '\0' && !isBlankOrControl(*p)) ++p;
    }
    while (*p != '\0' && isBlankOrControl(*p)) ++p;
    return p;
}

OwnPath splitOwnPath(const std::string& path) {
    OwnPath own;
    own.path = path;
    size_t lastBackslash = path.rfind('\\');
    if (lastBackslash == std::string::npos) {
        own.fileName = path;
    } else {
        own.directory = path.substr(0, lastBackslash + 1);
        own.fileName = path.substr(lastBackslash + 1);
    }
    return own;
}

bool isFullPath(const std::string& path) {
    if (path.size() >= 3 && path[1] == ':' && path[2] == '\\') return true;
    return path.size() >= 2 && path[0] == '\\' && path[1] == '\\';
}

OwnPath ownPathFromCommandLine(const char* commandLine) {
    size_t programEnd = std::strlen(commandLine) - std::strlen(argumentStringOf(commandLine));
    // The start-up code skipped blanks, TABs and other control characters after the
    // name; cutting all of them (not only blanks) keeps a closing quote last.
    while (programEnd > 0 && isBlankOrControl(commandLine[programEnd - 1])) --programEnd;
    std::string path(commandLine, programEnd);
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
    return splitOwnPath(path);
}

bool sameFileName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (upperAsciiOnly(a[i]) != upperAsciiOnly(b[i])) return false;
    }
    return true;
}

std::string properPathOf(const OwnPath& own, const std::string& properName) { return own.directory + properName; }

std::string renameRefusalText(const std::string& properName) { return "Do not try to rename \"" + properName + "\""; }
