// The calls that make data durable and put a file in place: on their own, so a
// test can link a counting layer instead of them and keep the rest.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "common/file_ops.h"

bool flushToDisk(std::FILE* file) { return std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0; }

namespace {

// A rename is on the disk once the folder that holds the new name is.
bool flushFolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool flushed = ::fsync(fd) == 0;
    ::close(fd);
    return flushed;
}

}  // namespace

bool replaceFile(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0 && flushFolderOf(to);
}
