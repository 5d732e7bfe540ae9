#include "main/file_dispatch.h"

#include <cstring>

namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

size_t lastSeparator(const std::string& path) { return path.find_last_of("\\/"); }

}  // namespace

std::string stripEnclosingQuotes(const std::string& argument) {
    if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"') {
        return argument.substr(1, argument.size() - 2);
    }
    return argument;
}

bool hasEptExtension(const std::string& path) {
    if (path.size() < 4) return false;
    const std::string tail = path.substr(path.size() - 4);
    return tail == ".ept" || tail == ".EPT";
}

Dispatch dispatchFor(bool hasExtension, bool hasHeader) {
    if (hasExtension) return hasHeader ? Dispatch::Decrypt : Dispatch::RefuseEptWithoutHeader;
    return hasHeader ? Dispatch::RepairExtension : Dispatch::Encrypt;
}

std::string fileNameOf(const std::string& path) {
    const size_t slash = lastSeparator(path);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string folderOf(const std::string& path) {
    const size_t slash = lastSeparator(path);
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string repairedExtensionPath(const std::string& path) {
    std::string name = path;
    for (size_t i = name.size(); i-- > 0;) {
        if (name[i] == '.') {
            name.resize(i);
            break;
        }
        if (isSeparator(name[i])) break;
    }
    return name + ".EPT";
}

std::string proposeEncryptDestination(const std::string& sourcePath) {
    const size_t nameStart = folderOf(sourcePath).size();
    const size_t dot = sourcePath.rfind('.');
    if (dot != std::string::npos && dot >= nameStart) return sourcePath.substr(0, dot + 1) + "ept";
    return sourcePath + ".ept";
}

namespace {

bool isForbiddenInName(unsigned char c) { return c < 0x20 || std::strchr(":*?\"<>|", c) != nullptr; }

// The names Windows keeps for devices, whatever extension follows them: the
// part before the first dot, trailing blanks ignored, in any letter case.
// COM and LPT also take the superscript digits of the ANSI code page.
bool isDeviceName(const std::string& name) {
    std::string base = upperCased(name.substr(0, name.find('.')));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (const char* device : kDevices) {
        if (base == device) return true;
    }
    if (base.size() != 4 || (base.compare(0, 3, "COM") != 0 && base.compare(0, 3, "LPT") != 0)) return false;
    const unsigned char digit = static_cast<unsigned char>(base[3]);
    return (digit >= '0' && digit <= '9') || digit == 0xB9 || digit == 0xB2 || digit == 0xB3;
}

}  // namespace

std::string plainFileName(const std::string& name) {
    std::string plain;
    for (const char c : name) plain += isForbiddenInName(static_cast<unsigned char>(c)) ? '_' : c;
    // Windows drops a trailing dot or blank itself, so "a.txt." would be a.txt.
    while (!plain.empty() && (plain.back() == '.' || plain.back() == ' ')) plain.pop_back();
    if (!plain.empty() && isDeviceName(plain)) plain.insert(0, "_");
    return plain;
}

std::string proposeDecryptDestination(const std::string& sourcePath, const std::string& storedName) {
    std::string name = plainFileName(fileNameOf(storedName));
    if (name.empty()) {
        name = fileNameOf(sourcePath);
        if (hasEptExtension(name) && name.size() > 4) {
            name = plainFileName(name.substr(0, name.size() - 4));
        } else {
            name += ".out";
        }
    }
    return folderOf(sourcePath) + name;
}

std::string upperCased(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

std::string encryptionCaption(const std::string& sourcePath, const std::string& destinationPath) {
    return "ENCRYPTING \"" + fileNameOf(sourcePath) + "\" TO \"" + upperCased(fileNameOf(destinationPath)) + "\".";
}

std::string decryptionCaption(const std::string& sourcePath, const std::string& destinationPath) {
    return "DECRYPTING \"" + fileNameOf(sourcePath) + "\" TO \"" + fileNameOf(destinationPath) + "\".";
}
