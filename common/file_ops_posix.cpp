// What a file is and how it is opened; the calls that make data durable are in
// file_commit_posix.cpp, which a test can replace on its own.
#include "common/file_ops.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

std::FILE* createNewFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return nullptr;
    std::FILE* file = ::fdopen(fd, "wb");
    if (!file) ::close(fd);
    return file;
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
    if (::stat(path.c_str(), &st) != 0) return true;
    if (S_ISDIR(st.st_mode)) return false;
    // No write permission for anyone is what read-only means here, as Wine maps
    // it too; checked by the bits because access() lets root write anything.
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
    return ::access(path.c_str(), W_OK) == 0;
}

void adviseSequentialRead(std::FILE* file) { ::posix_fadvise(::fileno(file), 0, 0, POSIX_FADV_SEQUENTIAL); }
