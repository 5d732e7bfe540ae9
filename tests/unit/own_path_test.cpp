#include "common/own_path.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct CommandLineCase {
    const char* what;
    const char* commandLine;
    const char* path;
    const char* directory;
    const char* fileName;
};

const CommandLineCase kCommandLines[] = {
    {"quoted, as Explorer starts it", "\"C:\\Down loads\\ZORVANEX(version-3.1) SETUP.exe\"",
     "C:\\Down loads\\ZORVANEX(version-3.1) SETUP.exe", "C:\\Down loads\\", "ZORVANEX(version-3.1) SETUP.exe"},
    {"quoted with trailing blanks", "\"C:\\x\\UNINSTALL.exe\"   ", "C:\\x\\UNINSTALL.exe", "C:\\x\\", "UNINSTALL.exe"},
    {"quoted with arguments", "\"C:\\x\\UNINSTALL.exe\"  /S extra", "C:\\x\\UNINSTALL.exe", "C:\\x\\", "UNINSTALL.exe"},
    {"quoted, TAB before the arguments", "\"C:\\x\\setup.exe\"\targ", "C:\\x\\setup.exe", "C:\\x\\", "setup.exe"},
    {"unquoted with an argument", "C:\\x\\setup.exe /q", "C:\\x\\setup.exe", "C:\\x\\", "setup.exe"},
    {"bare name from a console", "setup.exe", "setup.exe", "", "setup.exe"},
    {"bare name with trailing blanks", "UNINSTALL.exe  ", "UNINSTALL.exe", "", "UNINSTALL.exe"},
    {"relative path", "..\\dist\\setup.exe", "..\\dist\\setup.exe", "..\\dist\\", "setup.exe"},
    {"lone quote is no pair", "\"", "\"", "", "\""},
    {"empty command line", "", "", "", ""},
};

TEST(OwnPath, FromCommandLine) {
    for (const CommandLineCase& c : kCommandLines) {
        OwnPath own = ownPathFromCommandLine(c.commandLine);
        EXPECT_EQ(own.path, c.path) << c.what;
        EXPECT_EQ(own.directory, c.directory) << c.what;
        EXPECT_EQ(own.fileName, c.fileName) << c.what;
    }
}

TEST(OwnPath, FullPathsNameTheirFileWhereverTheProcessRuns) {
    const struct {
        const char* path;
        bool full;
    } kCases[] = {
        {"C:\\x\\UNINSTALL.exe", true},
        {"\\\\server\\share\\UNINSTALL.exe", true},
        {"UNINSTALL.exe", false},
        {"..\\dist\\setup.exe", false},
        {"C:UNINSTALL.exe", false},     // relative to drive C:'s current directory
        {"\\x\\UNINSTALL.exe", false},  // relative to the current drive
        {"", false},
    };
    for (const auto& c : kCases) EXPECT_EQ(isFullPath(c.path), c.full) << c.path;
}

TEST(OwnPath, ArgumentStringSkipsNameAndControlCharacters) {
    EXPECT_STREQ(argumentStringOf("\"C:\\a b\\x.exe\" \t one two"), "one two");
    EXPECT_STREQ(argumentStringOf("x.exe\x01\x02"
                                  "arg"),
                 "arg");
    EXPECT_STREQ(argumentStringOf("\"C:\\unterminated"), "");
    // Bytes above 0x7F belong to names in the ANSI code page, not to the blanks.
    EXPECT_STREQ(argumentStringOf("C:\\\xE9t\xE9.exe a"), "a");
}

struct NameCase {
    const char* a;
    const char* b;
    bool same;
};

const NameCase kNames[] = {
    {"zorvanex(version-3.1) setup.exe", "ZORVANEX(version-3.1) SETUP.exe", true},
    {"uninstall.EXE", "UNINSTALL.exe", true},
    {"setup.exe", "ZORVANEX(version-3.1) SETUP.exe", false},
    {"UNINSTALL.ex", "UNINSTALL.exe", false},
    {"UNINSTALL.exe ", "UNINSTALL.exe", false},
    // Only A to Z fold: an accented letter in another case is another name.
    {"\xE9.exe", "\xC9.exe", false},
    {"[", "{", false},  // 0x5B and 0x7B differ by 0x20 but are no letters
};

TEST(OwnPath, SameFileNameFoldsOnlyAtoZ) {
    for (const NameCase& c : kNames) {
        EXPECT_EQ(sameFileName(c.a, c.b), c.same) << "'" << c.a << "' vs '" << c.b << "'";
    }
}

TEST(OwnPath, RenamedCopyGoesBackToItsOwnFolder) {
    EXPECT_EQ(properPathOf(splitOwnPath("C:\\Down loads\\setup.exe"), "ZORVANEX(version-3.1) SETUP.exe"),
              "C:\\Down loads\\ZORVANEX(version-3.1) SETUP.exe");
    EXPECT_EQ(properPathOf(splitOwnPath("setup2.exe"), "UNINSTALL.exe"), "UNINSTALL.exe");
    EXPECT_EQ(renameRefusalText("UNINSTALL.exe"), "Do not try to rename \"UNINSTALL.exe\"");
}

}  // namespace
