// Whether two paths name the same file, from what Windows tells of each. Portable.
#pragma once

#include <cstdint>
#include <string>

struct FileIdentity {
    uint32_t volumeSerial;
    uint64_t fileIndex;    // 0: the file system keeps no identity (some network shares)
    std::string fullPath;  // full, long form, upper-cased as the system compares names
};

// Same volume and file index; where either index is 0 every file would match
// every other, so the full paths decide.
bool isSameIdentity(const FileIdentity& a, const FileIdentity& b);
