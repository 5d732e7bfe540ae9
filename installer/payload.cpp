#include "installer/payload.h"

#include <cstdio>

#include "common/file_ops.h"
#include "installer/install_texts.h"

namespace {

// Copies exactly `count` bytes; false when the source ends early or a write fails.
bool copyBytes(std::FILE* from, std::FILE* to, long count) {
    char block[64 * 1024];
    while (count > 0) {
        size_t want = count < static_cast<long>(sizeof block) ? static_cast<size_t>(count) : sizeof block;
        size_t got = std::fread(block, 1, want, from);
        if (got == 0 || std::fwrite(block, 1, got, to) != got) return false;
        count -= static_cast<long>(got);
    }
    return true;
}

// Creates `path`, fills it with `count` bytes from `from` and closes it.
FileStepStatus writeProgram(std::FILE* from, const std::string& path, long count, FileStepStatus notCreated) {
    std::FILE* to = std::fopen(path.c_str(), "wb");
    if (to == nullptr) return notCreated;
    // On the disk before the installer reports success and offers a restart.
    bool copied = copyBytes(from, to, count) && flushToDisk(to);
    bool closed = std::fclose(to) == 0;
    if (copied && closed) return FileStepStatus::done;
    std::remove(path.c_str());
    return FileStepStatus::copyFailed;
}

}  // namespace

int errorNumberOf(FileStepStatus status) {
    switch (status) {
    case FileStepStatus::done: return 0;
    case FileStepStatus::ownFileUnreadable:
    case FileStepStatus::ownFileTooShort: return 112;
    case FileStepStatus::mainProgramNotCreated: return 113;
    case FileStepStatus::uninstallerNotCreated:
    case FileStepStatus::copyFailed: return 114;
    }
    return 114;
}

FileStepStatus copyPayload(const std::string& ownPath, const std::string& installationDirectory,
                           const PayloadSizes& sizes) {
    std::FILE* own = std::fopen(ownPath.c_str(), "rb");
    if (own == nullptr) return FileStepStatus::ownFileUnreadable;

    const long payloadSize = sizes.uninstaller + sizes.mainProgram;
    if (std::fseek(own, 0, SEEK_END) != 0 || std::ftell(own) < payloadSize) {
        std::fclose(own);
        return FileStepStatus::ownFileTooShort;
    }

    std::fseek(own, -sizes.mainProgram, SEEK_END);
    FileStepStatus status = writeProgram(own, installationDirectory + kMainProgramFileName, sizes.mainProgram,
                                         FileStepStatus::mainProgramNotCreated);
    if (status == FileStepStatus::done) {
        std::fseek(own, -payloadSize, SEEK_END);
        status = writeProgram(own, installationDirectory + kUninstallerFileName, sizes.uninstaller,
                              FileStepStatus::uninstallerNotCreated);
    }
    std::fclose(own);
    return status;
}
