#include "tools/ept/call_files.h"

#include <sys/stat.h>

namespace {

bool identityOf(const std::string& path, FileIdentity& identity) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return false;
    identity = FileIdentity(st.st_dev, st.st_ino);
    return true;
}

}  // namespace

// Identities rather than names, so that ./a.txt and a.txt, or two links to one
// file, count as the same; and one stat per file keeps `ept decrypt *.ept` fast.
CallFiles callFilesOf(const std::vector<std::string>& sources) {
    CallFiles files;
    for (const std::string& source : sources) {
        FileIdentity identity;
        if (identityOf(source, identity)) files.sources.emplace(identity, source);
    }
    return files;
}

void recordWritten(CallFiles& files, const std::string& source, const std::string& destination) {
    FileIdentity identity;
    if (identityOf(destination, identity)) files.written[identity] = source;
}

CallConflict callConflictOf(const CallFiles& files, const std::string& source, const std::string& destination) {
    CallConflict conflict;
    FileIdentity target, own;
    if (!identityOf(destination, target)) return conflict;
    if (identityOf(source, own) && own == target) return conflict;
    const auto written = files.written.find(target);
    if (written != files.written.end()) {
        conflict.kind = Conflict::WrittenInCall;
        conflict.other = written->second;
        return conflict;
    }
    const auto named = files.sources.find(target);
    if (named != files.sources.end()) {
        conflict.kind = Conflict::NamedInCall;
        conflict.other = named->second;
    }
    return conflict;
}

std::string summaryLine(size_t succeeded, size_t failed, size_t skipped) {
    std::string line = std::to_string(succeeded) + " succeeded, " + std::to_string(failed) + " failed";
    if (skipped > 0) line += ", " + std::to_string(skipped) + " skipped";
    return line;
}
