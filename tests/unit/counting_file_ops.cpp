#include "tests/unit/counting_file_ops.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>

#include "common/file_ops.h"

std::vector<FileEvent> fileEvents;

namespace {

std::string nameOf(const std::string& path) { return path.substr(path.rfind('/') + 1); }

int64_t sizeOf(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? static_cast<int64_t>(st.st_size) : -1;
}

std::string pathOfStream(std::FILE* file) {
    char path[PATH_MAX] = {};
    const std::string link = "/proc/self/fd/" + std::to_string(::fileno(file));
    const ssize_t length = ::readlink(link.c_str(), path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<size_t>(length)) : std::string();
}

}  // namespace

bool flushToDisk(std::FILE* file) {
    const bool flushed = std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
    const std::string path = pathOfStream(file);
    fileEvents.push_back({"flush", nameOf(path), sizeOf(path)});
    return flushed;
}

bool replaceFile(const std::string& from, const std::string& to) {
    const int64_t size = sizeOf(from);
    const bool moved = std::rename(from.c_str(), to.c_str()) == 0;
    fileEvents.push_back({"replace", nameOf(to), size});
    return moved;
}
