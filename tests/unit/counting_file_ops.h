// A file layer for tests that records the calls which make data durable or put a
// file in place. It is linked instead of the system's (common/file_ops_posix.cpp),
// does the same work, and lets a test check their order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct FileEvent {
    std::string call;  // "flush" (flushToDisk) or "replace" (replaceFile)
    std::string name;  // the file's name; for "replace" the name it is moved to
    int64_t size;      // the file's size on that call
};

extern std::vector<FileEvent> fileEvents;
