#include "main/run_failure.h"

namespace {

std::string numbered(const std::string& path, const char* what, const char* number) {
    return path + what + ". ERROR NO. :" + number;
}

}  // namespace

std::string runFailureText(RunStatus status, RunKind kind, const std::string& sourcePath,
                           const std::string& destinationPath) {
    const bool encrypting = kind == kEncrypting;
    switch (status) {
    case RunStatus::Completed:
    case RunStatus::Cancelled: return std::string();
    case RunStatus::SourceNotOpened: return numbered(sourcePath, " CAN NOT BE OPENED", encrypting ? "0004" : "0006");
    // The window refuses the source and an overlong path as the destination; a
    // file renamed meanwhile still ends here, as a destination that cannot be made.
    case RunStatus::PathTooLong:
    case RunStatus::DestinationIsSource:
    case RunStatus::DestinationNotCreated:
        return numbered(destinationPath, " CAN NOT BE OPENED", encrypting ? "0005" : "0007");
    case RunStatus::SourceNotPositioned: return numbered(sourcePath, " CAN NOT BE READ", "0008");
    // Failures part way: the partial output is gone and the source is kept.
    case RunStatus::DestinationNotWritten: return numbered(destinationPath, " CAN NOT BE WRITTEN", "0013");
    case RunStatus::SourceNotRead: return numbered(sourcePath, " CAN NOT BE READ", "0014");
    }
    return numbered(destinationPath, " CAN NOT BE WRITTEN", "0013");
}

std::string damagedHeaderText(const std::string& sourcePath) {
    return numbered(sourcePath, " IS DAMAGED AND CAN NOT BE DECRYPTED", "0015");
}
