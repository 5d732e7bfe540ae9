#include "tests/unit/counting_file_ops.h"

#include <fcntl.h>
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

std::FILE* createNewFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return nullptr;
    std::FILE* file = ::fdopen(fd, "wb");
    if (!file) ::close(fd);
    return file;
}

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

bool isSameFile(const std::string& a, const std::string& b) {
    struct stat sa, sb;
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool fileExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

bool isReplaceable(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) != 0 || (!S_ISDIR(st.st_mode) && (st.st_mode & 0222) != 0);
}

void adviseSequentialRead(std::FILE*) {}
