#include "common/file_identity.h"

bool isSameIdentity(const FileIdentity& a, const FileIdentity& b) {
    if (a.fileIndex == 0 || b.fileIndex == 0) return a.fullPath == b.fullPath;
    return a.volumeSerial == b.volumeSerial && a.fileIndex == b.fileIndex;
}
