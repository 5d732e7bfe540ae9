// The decrypt window's rules for what it accepts, without the window.
#pragma once

#include <string>

enum class DecryptRefusal { None, WrongPassword, DestinationTooLong };

// The start sequence's checks: the typed password (as the field gives it, cut to
// 23 characters) against the stored one, byte for byte, when the file has one;
// then the destination's length.
DecryptRefusal checkDecryptStart(const std::string& typedPassword, const std::string& storedPassword,
                                 const std::string& destination);
const char* decryptRefusalText(DecryptRefusal refusal);

// The save dialog's default extension: the current file name's extension, or
// empty when the name has no dot, and the dialog then adds nothing to a name
// typed without one. (Given "*", the dialog adds ".*", and a file of that name
// cannot be created.)
std::string defaultExtensionFor(const std::string& destination);

std::string decryptSameFileWarning(const std::string& destination);
