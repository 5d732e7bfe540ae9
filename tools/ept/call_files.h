// What the files of one ept call must know of each other: no file may replace
// another file named in the call, or what the call already wrote for one of them
// (two encrypted files holding the same stored name, say), not even with --force.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

using FileIdentity = std::pair<dev_t, ino_t>;

struct CallFiles {
    std::map<FileIdentity, std::string> sources;  // each file named in the call, by its name there
    std::map<FileIdentity, std::string> written;  // each destination written so far, by its source
};

// Files that cannot be looked at are left out: they fail on their own turn.
CallFiles callFilesOf(const std::vector<std::string>& sources);

// Called once the destination is in place.
void recordWritten(CallFiles& files, const std::string& source, const std::string& destination);

enum class Conflict { None, WrittenInCall, NamedInCall };

struct CallConflict {
    Conflict kind = Conflict::None;
    std::string other;  // the source the destination was written from, or the file named in the call
};

// Whether writing `destination` for `source` would replace a file of the call.
// A destination that is the source itself is left to the source check.
CallConflict callConflictOf(const CallFiles& files, const std::string& source, const std::string& destination);

// "2 succeeded, 1 failed", with ", 3 skipped" when the call stopped early.
std::string summaryLine(size_t succeeded, size_t failed, size_t skipped);
