// A file layer for tests that records the calls which make data durable or put a
// file in place. Its flushToDisk and replaceFile are linked instead of the
// system's (common/file_commit_posix.cpp), do the same work, and let a test
// check their order; the rest of the file layer is the system's.
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
