#include "main/decrypt_checks.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kGood = "C:\\SAFE\\REPORT.DOC";

TEST(DecryptChecks, StartSequence) {
    const std::string twenty = "abcdefghijABCDEFGHIJ";
    struct {
        const char* what;
        std::string typed;
        std::string stored;
        std::string destination;
        DecryptRefusal expected;
    } cases[] = {
        {"no stored password: anything typed goes", "", "", kGood, DecryptRefusal::None},
        {"the stored password typed exactly", "Secret", "Secret", kGood, DecryptRefusal::None},
        {"one letter in the other case", "secret", "Secret", kGood, DecryptRefusal::WrongPassword},
        {"nothing typed", "", "Secret", kGood, DecryptRefusal::WrongPassword},
        {"a prefix of the stored one", "Secre", "Secret", kGood, DecryptRefusal::WrongPassword},
        {"20 characters accepted", twenty, twenty, kGood, DecryptRefusal::None},
        // A field cuts 24 typed characters to 23, which never equal 20 stored ones.
        {"23 characters for a stored 20", twenty + "xyz", twenty, kGood, DecryptRefusal::WrongPassword},
        {"a wrong password before a long destination", "x", "y", std::string(1000, 'A'), DecryptRefusal::WrongPassword},
        {"999 characters fit", "", "", std::string(999, 'A'), DecryptRefusal::None},
        {"1000 characters do not", "", "", std::string(1000, 'A'), DecryptRefusal::DestinationTooLong},
        {"no extension needed", "", "", "C:\\SAFE\\REPORT", DecryptRefusal::None},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(checkDecryptStart(c.typed, c.stored, c.destination), c.expected) << c.what;
    }
    EXPECT_STREQ(decryptRefusalText(DecryptRefusal::WrongPassword), "YOUR PASSWORD IS NOT CORRECT");
}

TEST(DecryptChecks, DefaultExtension) {
    struct {
        const char* path;
        const char* expected;
    } cases[] = {
        {"C:\\SAFE\\REPORT.DOC", "DOC"},
        {"C:\\SAFE\\REPORT", ""},
        {"C:\\MY.DIR\\README", ""},  // a dot in a folder
                                     // is not an
                                     // extension
        {"C:\\SAFE\\ARCHIVE.TAR.GZ", "GZ"},
        {"C:\\SAFE\\REPORT.", ""},
        {"REPORT.TXT", "TXT"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(defaultExtensionFor(c.path), c.expected) << c.path;
}

TEST(DecryptChecks, SameFileWarning) {
    EXPECT_EQ(decryptSameFileWarning("C:\\SAFE\\REPORT.EPT"),
              "C:\\SAFE\\REPORT.EPT IS THE FILE TO BE DECRYPTED.\nPLEASE CHOOSE ANOTHER DESTINATION.");
}

}  // namespace
