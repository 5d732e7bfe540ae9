#include "main/encrypt_checks.h"

#include "main/file_dispatch.h"
#include "main/file_format.h"

const char kExtensionWarning[] = "DONT TRY TO MODIFY THE EXETNSION OF THE ENCRYPTED FILE";
const char kNoPasswordWarning[] =
    "YOU DID NOT GIVE A PASSWORD FOR THE ENCRYPTED FILE. SO ANYONE WHO POSSES THIS SOFTWARE CAN DECRYPT YOUR "
    "ENCRYPTED FILE.";

bool hasUpperEptEnding(const std::string& path) {
    return path.size() >= 4 && path.compare(path.size() - 4, 4, ".EPT") == 0;
}

StartRefusal checkStartRequest(const std::string& password, const std::string& confirmation,
                               const std::string& destination) {
    if (password != confirmation) return StartRefusal::PasswordMismatch;
    if (password.size() > kMaxPasswordLength) return StartRefusal::PasswordTooLong;
    if (!hasUpperEptEnding(destination)) return StartRefusal::WrongExtension;
    // The run keeps the destination in a path buffer of 1000 bytes.
    if (destination.size() > kMaxPathLength) return StartRefusal::DestinationTooLong;
    return StartRefusal::None;
}

const char* refusalText(StartRefusal refusal) {
    switch (refusal) {
    case StartRefusal::PasswordMismatch: return "YOUR CONFIRM PASSWORD DID NOT MATCH";
    case StartRefusal::PasswordTooLong: return "PASSWORD SHOULD NOT EXCEED 20 CHARACTERS";
    case StartRefusal::WrongExtension: return kExtensionWarning;
    case StartRefusal::DestinationTooLong:
        return "THE PATH OF THE ENCRYPTED FILE IS TOO LONG.\nPLEASE CHOOSE A SHORTER DESTINATION.";
    case StartRefusal::None: break;
    }
    return "";
}

GuardAction guardDestination(const std::string& fieldText, const std::string& lastAccepted) {
    if (hasUpperEptEnding(fieldText)) return GuardAction::Accept;
    return lastAccepted.empty() ? GuardAction::Keep : GuardAction::Restore;
}

std::string overwriteQuestion(const std::string& destination) {
    return destination + " ALREADY EXISTS.\nDO YOU WANT TO OVERWRITE IT?";
}

std::string sameFileWarning(const std::string& destination) {
    return destination + " IS THE FILE TO BE ENCRYPTED.\nPLEASE CHOOSE ANOTHER DESTINATION.";
}
