#include "main/encrypt_checks.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct StartCase {
    const char* what;
    const char* password;
    const char* confirmation;
    std::string destination;
    StartRefusal expected;
};

const std::string kGood = "C:\\DOCS\\REPORT.EPT";

const StartCase kStartCases[] = {
    {"empty password accepted", "", "", kGood, StartRefusal::None},
    {"20 characters accepted", "abcdefghijABCDEFGHIJ", "abcdefghijABCDEFGHIJ", kGood, StartRefusal::None},
    {"case differs: mismatch", "Secret", "secret", kGood, StartRefusal::PasswordMismatch},
    {"21 characters", "abcdefghijABCDEFGHIJK", "abcdefghijABCDEFGHIJK", kGood, StartRefusal::PasswordTooLong},
    {"23 characters, the most a field gives", "abcdefghijABCDEFGHIJKLM", "abcdefghijABCDEFGHIJKLM", kGood,
     StartRefusal::PasswordTooLong},
    {"lower-case extension", "a", "a", "C:\\DOCS\\REPORT.ept", StartRefusal::WrongExtension},
    {"other extension", "a", "a", "C:\\DOCS\\REPORT.TXT", StartRefusal::WrongExtension},
    {"too short for an extension", "a", "a", "EPT", StartRefusal::WrongExtension},
    {"just the extension", "a", "a", ".EPT", StartRefusal::None},
    // The order: a mismatch first, then the length, then the extension.
    {"mismatch before length", "abcdefghijABCDEFGHIJK", "abcdefghijABCDEFGHIJX", "X.TXT",
     StartRefusal::PasswordMismatch},
    {"length before extension", "abcdefghijABCDEFGHIJK", "abcdefghijABCDEFGHIJK", "X.TXT",
     StartRefusal::PasswordTooLong},
    {"999 characters fit", "", "", std::string(995, 'A') + ".EPT", StartRefusal::None},
    {"1000 characters do not", "", "", std::string(996, 'A') + ".EPT", StartRefusal::DestinationTooLong},
};

TEST(EncryptChecks, StartSequenceInOrder) {
    for (const StartCase& c : kStartCases) {
        EXPECT_EQ(checkStartRequest(c.password, c.confirmation, c.destination), c.expected) << c.what;
    }
}

TEST(EncryptChecks, RefusalTexts) {
    EXPECT_STREQ(refusalText(StartRefusal::PasswordMismatch), "YOUR CONFIRM PASSWORD DID NOT MATCH");
    EXPECT_STREQ(refusalText(StartRefusal::PasswordTooLong), "PASSWORD SHOULD NOT EXCEED 20 CHARACTERS");
    EXPECT_STREQ(refusalText(StartRefusal::WrongExtension), "DONT TRY TO MODIFY THE EXETNSION OF THE ENCRYPTED FILE");
    EXPECT_EQ(overwriteQuestion("C:\\A.EPT"), "C:\\A.EPT ALREADY EXISTS.\nDO YOU WANT TO OVERWRITE IT?");
}

TEST(EncryptChecks, ExtensionGuard) {
    struct {
        const char* what;
        const char* text;
        const char* lastAccepted;
        GuardAction expected;
    } cases[] = {
        {"first choice without .EPT is kept", "C:\\X.TXT", "", GuardAction::Keep},
        {"a .EPT choice is accepted", "C:\\X.EPT", "", GuardAction::Accept},
        {"after an accepted one, a wrong one is put back", "C:\\X.TXT", "C:\\A.EPT", GuardAction::Restore},
        {"lower case does not count", "C:\\X.ept", "C:\\A.EPT", GuardAction::Restore},
        {"another .EPT replaces the accepted one", "D:\\B.EPT", "C:\\A.EPT", GuardAction::Accept},
    };
    for (const auto& c : cases) EXPECT_EQ(guardDestination(c.text, c.lastAccepted), c.expected) << c.what;
}

}  // namespace
