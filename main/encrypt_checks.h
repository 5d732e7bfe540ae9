// The encrypt window's rules for what it accepts, without the window.
#pragma once

#include <string>

enum class StartRefusal { None, PasswordMismatch, PasswordTooLong, WrongExtension, DestinationTooLong };

// The start sequence's checks on the typed texts, in their order: a mismatch is
// reported before an overlong password, both before a wrong extension.
StartRefusal checkStartRequest(const std::string& password, const std::string& confirmation,
                               const std::string& destination);
const char* refusalText(StartRefusal refusal);

// The encrypted file's name must end in ".EPT" exactly.
bool hasUpperEptEnding(const std::string& path);

// The extension guard's answer to a new text in the destination field.
enum class GuardAction {
    Accept,   // ends in ".EPT": it becomes the last accepted destination
    Restore,  // put the last accepted destination back, with a warning
    Keep,     // nothing accepted yet: the field keeps it and ENCRYPT refuses it later
};
GuardAction guardDestination(const std::string& fieldText, const std::string& lastAccepted);

std::string overwriteQuestion(const std::string& destination);
std::string sameFileWarning(const std::string& destination);

extern const char kExtensionWarning[];
extern const char kNoPasswordWarning[];
