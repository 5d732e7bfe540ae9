// A fresh folder under the system's temporary folder for one test, removed with
// everything in it when the test ends, and small helpers to read and write files.
#pragma once

#include <string>
#include <vector>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path with a trailing slash, ready for a name to be appended.
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

void writeBytes(const std::string& path, const std::vector<unsigned char>& bytes);
std::vector<unsigned char> readBytes(const std::string& path);
std::vector<unsigned char> randomBytes(size_t count, unsigned seed);
// The names in a folder, "." and ".." left out, sorted.
std::vector<std::string> namesIn(const std::string& folder);
