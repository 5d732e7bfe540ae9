#include "main/decrypt_checks.h"

#include "main/file_dispatch.h"

DecryptRefusal checkDecryptStart(const std::string& typedPassword, const std::string& storedPassword,
                                 const std::string& destination) {
    if (!storedPassword.empty() && typedPassword != storedPassword) return DecryptRefusal::WrongPassword;
    // The run keeps the destination in a path buffer of 1000 bytes.
    if (destination.size() > kMaxPathLength) return DecryptRefusal::DestinationTooLong;
    return DecryptRefusal::None;
}

const char* decryptRefusalText(DecryptRefusal refusal) {
    switch (refusal) {
    case DecryptRefusal::WrongPassword: return "YOUR PASSWORD IS NOT CORRECT";
    case DecryptRefusal::DestinationTooLong:
        return "THE PATH OF THE DECRYPTED FILE IS TOO LONG.\nPLEASE CHOOSE A SHORTER DESTINATION.";
    case DecryptRefusal::None: break;
    }
    return "";
}

std::string defaultExtensionFor(const std::string& destination) {
    for (size_t i = destination.size(); i-- > 0;) {
        if (destination[i] == '\\') break;
        if (destination[i] == '.') return destination.substr(i + 1);
    }
    return std::string();
}

std::string decryptSameFileWarning(const std::string& destination) {
    return destination + " IS THE FILE TO BE DECRYPTED.\nPLEASE CHOOSE ANOTHER DESTINATION.";
}
