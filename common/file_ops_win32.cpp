#include "common/file_ops.h"

#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include "common/file_identity.h"

std::FILE* createNewFile(const std::string& path) {
    const int fd = ::_open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, 0600);
    if (fd < 0) return nullptr;
    std::FILE* file = ::_fdopen(fd, "wb");
    if (!file) ::_close(fd);
    return file;
}

// _commit is FlushFileBuffers on the stream's handle.
bool flushToDisk(std::FILE* file) { return std::fflush(file) == 0 && ::_commit(::_fileno(file)) == 0; }

bool replaceFile(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

namespace {

// The path as the system compares it: full, long names for short ones, letters
// upper-cased with the system's table (so x.ept and X.EPT, and ü and Ü, are one).
std::string comparablePath(const std::string& path) {
    char full[MAX_PATH * 4];
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    if (length == 0 || length >= sizeof full) return path;
    char longForm[MAX_PATH * 4];
    const DWORD longLength = GetLongPathNameA(full, longForm, sizeof longForm);
    std::string comparable =
        longLength != 0 && longLength < sizeof longForm ? std::string(longForm, longLength) : std::string(full, length);
    CharUpperBuffA(&comparable[0], static_cast<DWORD>(comparable.size()));
    return comparable;
}

bool identify(const std::string& path, FileIdentity& identity) {
    // No access rights needed: only the identity of the file is asked for.
    HANDLE h = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION info;
    const BOOL ok = GetFileInformationByHandle(h, &info);
    CloseHandle(h);
    if (!ok) return false;
    identity.volumeSerial = info.dwVolumeSerialNumber;
    identity.fileIndex = (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    identity.fullPath = comparablePath(path);
    return true;
}

}  // namespace

bool isSameFile(const std::string& a, const std::string& b) {
    FileIdentity ia, ib;
    if (!identify(a, ia) || !identify(b, ib)) return false;
    return isSameIdentity(ia, ib);
}

bool fileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool isReplaceable(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return true;
    if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) return false;
    // What the move into place will need: writing and deleting, with the file
    // not held open by anyone who refuses to share it. Nothing is changed.
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    return true;
}

// The stream is already open; Windows takes this hint only when a file is opened
// (FILE_FLAG_SEQUENTIAL_SCAN), and its read-ahead suits a plain sequential read.
void adviseSequentialRead(std::FILE*) {}
