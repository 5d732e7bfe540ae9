// One encryption or decryption of a whole file, as both the main program and the
// ept tool perform it. The destination is written under a temporary name beside
// it and moved into place only when everything was written, so a cancelled or
// failed run leaves no partial file and never harms an existing destination.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "main/file_format.h"

enum class RunStatus {
    Completed,
    PathTooLong,  // the source or destination path has more than kMaxPathLength characters
    Cancelled,
    SourceNotOpened,        // the source cannot be opened for reading
    DestinationIsSource,    // the destination names the source file itself
    DestinationNotCreated,  // the destination is read-only or cannot be written, or neither the
                            // temporary file nor the final name could be made
    SourceNotPositioned,    // the encrypted file is shorter than its header, or cannot be read up to its body
    SourceNotRead,          // a read failed part way
    DestinationNotWritten,  // a write failed part way (a full disk, say)
};

struct RunCounters {
    std::atomic<uint64_t>& doneBytes;
    const std::atomic<int>& cancelCode;
};

// Called once the header is written or skipped and the body is about to be
// copied: the main program starts its progress window here. False stops the
// run (the window could not be made): the output is removed, the result is
// Cancelled and the caller reports why.
using BeforeBody = std::function<bool()>;

// A cancel that arrives after the last block still counts: the output is removed
// and the result is Cancelled, so a caller that sees its cancel flag set never
// finds a completed file. Nothing is opened for writing before both paths were
// checked and the destination was found to be neither the source itself nor a
// file that may not be replaced. A completed file is on the disk, not only in
// the system's cache, before it takes the destination's name.
RunStatus encryptFile(const std::string& sourcePath, const std::string& destinationPath, const std::string& password,
                      RunCounters counters, const BeforeBody& beforeBody = {});

RunStatus decryptFile(const std::string& sourcePath, const std::string& destinationPath, RunCounters counters,
                      const BeforeBody& beforeBody = {});

enum class HeaderRead { Complete, NotOpened, TooShort };

// Reads the first 164 bytes of the file into `header`. TooShort: the file
// ended, or could not be read, before 164 bytes.
HeaderRead readFileHeader(const std::string& path, FileHeader& header);

// The temporary name the run writes before moving into place (attempt 0, 1, ...).
std::string temporaryPathFor(const std::string& destinationPath, unsigned attempt);
