#include "main/file_run.h"

#include <cstdio>

#include "common/file_ops.h"
#include "main/byte_pipeline.h"
#include "main/cipher.h"
#include "main/file_dispatch.h"

namespace {

// The pipeline moves whole blocks itself; a stream buffer would only copy them
// once more and split every block into two calls (the 164 header bytes shift
// the body against the buffer). So both streams of a run are unbuffered.
void unbuffer(std::FILE* file) {
    if (file) std::setvbuf(file, nullptr, _IONBF, 0);
}

struct InputFile {
    std::FILE* file = nullptr;

    bool openForRun(const std::string& path) {
        file = std::fopen(path.c_str(), "rb");
        unbuffer(file);
        if (file) adviseSequentialRead(file);
        return file != nullptr;
    }

    ~InputFile() {
        if (file) std::fclose(file);
    }
};

// The destination under construction: a fresh file beside it.
struct OutputFile {
    std::FILE* file = nullptr;
    std::string temporaryPath;

    bool create(const std::string& destinationPath) {
        for (unsigned attempt = 0; attempt < 100 && !file; attempt++) {
            temporaryPath = temporaryPathFor(destinationPath, attempt);
            file = createNewFile(temporaryPath);
            unbuffer(file);
        }
        return file != nullptr;
    }

    // Puts the data on the disk, closes and moves into place; on any failure
    // nothing is left behind. The data is on the disk before the name is, so a
    // power cut leaves the old destination or the whole new file, and a caller
    // that deletes the source after a completed run never loses both.
    RunStatus commit(const std::string& destinationPath) {
        const bool written = !std::ferror(file) && flushToDisk(file);
        const bool closed = std::fclose(file) == 0;
        file = nullptr;
        if (!written || !closed) {
            std::remove(temporaryPath.c_str());
            return RunStatus::DestinationNotWritten;
        }
        if (!replaceFile(temporaryPath, destinationPath)) {
            std::remove(temporaryPath.c_str());
            return RunStatus::DestinationNotCreated;
        }
        return RunStatus::Completed;
    }

    ~OutputFile() {
        if (file) {
            std::fclose(file);
            std::remove(temporaryPath.c_str());
        }
    }
};

RunStatus statusOf(PipelineResult result) {
    switch (result) {
    case PipelineResult::Done: return RunStatus::Completed;
    case PipelineResult::Cancelled: return RunStatus::Cancelled;
    case PipelineResult::ReadFailed: return RunStatus::SourceNotRead;
    case PipelineResult::WriteFailed: return RunStatus::DestinationNotWritten;
    }
    return RunStatus::DestinationNotWritten;
}

RunStatus copyBody(InputFile& in, OutputFile& out, const std::string& destinationPath,
                   const unsigned char (&table)[256], RunCounters counters, const BeforeBody& beforeBody) {
    if (beforeBody && !beforeBody()) return RunStatus::Cancelled;  // out's destructor removes the file
    const RunStatus status =
        statusOf(transformStream(in.file, out.file, table, counters.doneBytes, counters.cancelCode));
    if (status != RunStatus::Completed) return status;  // out's destructor removes the partial file
    // The caller decides by its cancel flag; a cancel after the last block must not
    // leave a finished file behind a cancelled run.
    if (counters.cancelCode.load() != 0) return RunStatus::Cancelled;
    return out.commit(destinationPath);
}

bool pathsFit(const std::string& sourcePath, const std::string& destinationPath) {
    return sourcePath.size() <= kMaxPathLength && destinationPath.size() <= kMaxPathLength;
}

// Checked before anything is written: a read-only destination, or one that
// cannot be opened for writing now, is refused as its creation would be, and
// stays as it was. (Moving a finished file over it would replace it, or fail
// only after the whole copy.) Completed when the run may go on.
RunStatus destinationStatus(const std::string& sourcePath, const std::string& destinationPath) {
    if (isSameFile(sourcePath, destinationPath)) return RunStatus::DestinationIsSource;
    if (!isReplaceable(destinationPath)) return RunStatus::DestinationNotCreated;
    return RunStatus::Completed;
}

}  // namespace

std::string temporaryPathFor(const std::string& destinationPath, unsigned attempt) {
    return folderOf(destinationPath) + "~" + fileNameOf(destinationPath) + "." + std::to_string(attempt) + ".tmp";
}

HeaderRead readFileHeader(const std::string& path, FileHeader& header) {
    InputFile in;
    in.file = std::fopen(path.c_str(), "rb");
    if (!in.file) return HeaderRead::NotOpened;
    if (std::fread(header.bytes, 1, kHeaderSize, in.file) != kHeaderSize) return HeaderRead::TooShort;
    return HeaderRead::Complete;
}

RunStatus encryptFile(const std::string& sourcePath, const std::string& destinationPath, const std::string& password,
                      RunCounters counters, const BeforeBody& beforeBody) {
    if (!pathsFit(sourcePath, destinationPath)) return RunStatus::PathTooLong;
    InputFile in;
    if (!in.openForRun(sourcePath)) return RunStatus::SourceNotOpened;
    const RunStatus destination = destinationStatus(sourcePath, destinationPath);
    if (destination != RunStatus::Completed) return destination;

    OutputFile out;
    if (!out.create(destinationPath)) return RunStatus::DestinationNotCreated;
    const FileHeader header = buildHeader(fileNameOf(sourcePath), password);
    if (std::fwrite(header.bytes, 1, kHeaderSize, out.file) != kHeaderSize) return RunStatus::DestinationNotWritten;
    return copyBody(in, out, destinationPath, kEncryptTable, counters, beforeBody);
}

RunStatus decryptFile(const std::string& sourcePath, const std::string& destinationPath, RunCounters counters,
                      const BeforeBody& beforeBody) {
    if (!pathsFit(sourcePath, destinationPath)) return RunStatus::PathTooLong;
    InputFile in;
    if (!in.openForRun(sourcePath)) return RunStatus::SourceNotOpened;
    // Read past the header rather than seek: a seek beyond the end of a short file
    // succeeds and would "decrypt" it to an empty file. Done before the destination
    // is made, so a failure here leaves nothing behind.
    unsigned char header[kHeaderSize];
    if (std::fread(header, 1, kHeaderSize, in.file) != kHeaderSize) return RunStatus::SourceNotPositioned;
    const RunStatus destination = destinationStatus(sourcePath, destinationPath);
    if (destination != RunStatus::Completed) return destination;

    OutputFile out;
    if (!out.create(destinationPath)) return RunStatus::DestinationNotCreated;
    return copyBody(in, out, destinationPath, kDecryptTable, counters, beforeBody);
}
