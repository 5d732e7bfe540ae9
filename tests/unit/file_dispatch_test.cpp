#include "main/file_dispatch.h"

#include <gtest/gtest.h>

namespace {

TEST(FileDispatch, DispatchTable) {
    EXPECT_EQ(dispatchFor(false, false), Dispatch::Encrypt);
    EXPECT_EQ(dispatchFor(true, true), Dispatch::Decrypt);
    EXPECT_EQ(dispatchFor(true, false), Dispatch::RefuseEptWithoutHeader);
    EXPECT_EQ(dispatchFor(false, true), Dispatch::RepairExtension);
}

struct TextCase {
    const char* input;
    const char* expected;
};

TEST(FileDispatch, EnclosingQuotes) {
    const TextCase cases[] = {
        {"\"C:\\a b\\c.txt\"", "C:\\a b\\c.txt"},
        {"C:\\a b\\c.txt", "C:\\a b\\c.txt"},
        {"\"\"", ""},
        {"\"", "\""},
        {"\"C:\\x.txt\" ", "\"C:\\x.txt\" "},  // a blank after the closing quote keeps both
        {"\"\"x\"\"", "\"x\""},                // only one pair goes
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(stripEnclosingQuotes(c.input), c.expected) << "argument [" << c.input << "]";
    }
}

TEST(FileDispatch, EptExtensionIsExactlyLowerOrUpperCase) {
    const struct {
        const char* path;
        bool expected;
    } cases[] = {
        {"C:\\SAFE\\REPORT.EPT", true},
        {"report.ept", true},
        {".ept", true},
        {"x.Ept", false},
        {"x.EPt", false},
        {"ept", false},
        {"x.ept ", false},
        {"C:\\A.EPT\\x", false},
        {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(hasEptExtension(c.path), c.expected) << "path [" << c.path << "]";
}

TEST(FileDispatch, EncryptProposals) {
    const TextCase cases[] = {
        {"C:\\DOCS\\REPORT.DOC", "C:\\DOCS\\REPORT.ept"},
        {"C:\\MY.DIR\\README", "C:\\MY.DIR\\README.ept"},
        {"C:\\MY.DIR\\archive.tar.gz", "C:\\MY.DIR\\archive.tar.ept"},
        {"C:\\DOCS\\trailing.", "C:\\DOCS\\trailing.ept"},
        {"plain", "plain.ept"},
        {"/home/me/my.dir/notes.txt", "/home/me/my.dir/notes.ept"},
        {"/home/me/my.dir/notes", "/home/me/my.dir/notes.ept"},
    };
    for (const TextCase& c : cases) EXPECT_EQ(proposeEncryptDestination(c.input), c.expected) << c.input;
}

TEST(FileDispatch, RepairedNamesKeepFolderDots) {
    const TextCase cases[] = {
        {"C:\\DOCS\\x.dat", "C:\\DOCS\\x.EPT"},
        {"C:\\DOCS\\x.Ept", "C:\\DOCS\\x.EPT"},
        {"C:\\MY.DIR\\README", "C:\\MY.DIR\\README.EPT"},
        {"C:\\MY.DIR\\a.b.c", "C:\\MY.DIR\\a.b.EPT"},
        {"README", "README.EPT"},
        {"/srv/my.dir/blob", "/srv/my.dir/blob.EPT"},
    };
    for (const TextCase& c : cases) EXPECT_EQ(repairedExtensionPath(c.input), c.expected) << c.input;
}

struct DecryptProposalCase {
    const char* what;
    const char* source;
    std::string storedName;
    const char* expected;
};

TEST(FileDispatch, DecryptProposalsStayInTheEncryptedFilesFolder) {
    const DecryptProposalCase cases[] = {
        {"stored name beside the source", "C:\\SAFE\\REPORT.EPT", "Report.doc", "C:\\SAFE\\Report.doc"},
        {"no folder", "x.ept", "abc.txt", "abc.txt"},
        {"POSIX folder", "/data/a.ept", "abc.txt", "/data/abc.txt"},
        {"a stored folder is dropped", "C:\\SAFE\\A.EPT", "..\\..\\WINDOWS\\win.ini", "C:\\SAFE\\win.ini"},
        {"a stored POSIX folder is dropped", "/data/a.ept", "../../etc/passwd", "/data/passwd"},
        {"empty stored name", "/data/a.ept", "", "/data/a"},
        {"stored name ..", "C:\\SAFE\\A.EPT", "..", "C:\\SAFE\\A"},
        {"stored name ending in a separator", "/data/a.ept", "x/", "/data/a"},
        {"unusable name, source without .ept", "/data/blob", ".", "/data/blob.out"},
    };
    for (const DecryptProposalCase& c : cases) {
        EXPECT_EQ(proposeDecryptDestination(c.source, c.storedName), c.expected) << c.what;
    }
}

// Names anyone can put into a header, and what the decrypt window proposes for them.
TEST(FileDispatch, CraftedStoredNamesArePlainFilesInTheEncryptedFilesFolder) {
    const DecryptProposalCase cases[] = {
        {"an ordinary name is kept", "C:\\SAFE\\A.EPT", "Report 2024 (final).doc", "C:\\SAFE\\Report 2024 (final).doc"},
        {"letters beyond ASCII are kept", "C:\\SAFE\\A.EPT",
         "\xDC"
         "bersicht.txt",
         "C:\\SAFE\\\xDC"
         "bersicht.txt"},
        {"a hidden stream of another file", "C:\\SAFE\\A.EPT", "a.txt:hidden", "C:\\SAFE\\a.txt_hidden"},
        {"a stream named with its type", "C:\\SAFE\\A.EPT", "a.txt:x:$DATA", "C:\\SAFE\\a.txt_x_$DATA"},
        {"a drive-relative name", "C:\\SAFE\\A.EPT", "D:evil.exe", "C:\\SAFE\\D_evil.exe"},
        {"every forbidden character", "C:\\SAFE\\A.EPT", "a*b?c\"d<e>f|g", "C:\\SAFE\\a_b_c_d_e_f_g"},
        {"control characters", "C:\\SAFE\\A.EPT", "a\tb\nc\x1B[2J\x01", "C:\\SAFE\\a_b_c_[2J_"},
        {"a trailing dot", "C:\\SAFE\\A.EPT", "a.txt.", "C:\\SAFE\\a.txt"},
        {"trailing blanks and dots", "C:\\SAFE\\A.EPT", "a.txt . .", "C:\\SAFE\\a.txt"},
        {"a leading blank is a name", "C:\\SAFE\\A.EPT", " a.txt", "C:\\SAFE\\ a.txt"},
        {"device CON", "C:\\SAFE\\A.EPT", "CON", "C:\\SAFE\\_CON"},
        {"device in lower case with an extension", "C:\\SAFE\\A.EPT", "nul.txt", "C:\\SAFE\\_nul.txt"},
        {"device with two extensions", "C:\\SAFE\\A.EPT", "Com1.tar.gz", "C:\\SAFE\\_Com1.tar.gz"},
        {"device with a blank before the extension", "C:\\SAFE\\A.EPT", "PRN .log", "C:\\SAFE\\_PRN .log"},
        {"device after a trailing dot goes", "C:\\SAFE\\A.EPT", "AUX.", "C:\\SAFE\\_AUX"},
        {"device LPT9", "C:\\SAFE\\A.EPT", "LPT9", "C:\\SAFE\\_LPT9"},
        {"device COM with a superscript digit", "C:\\SAFE\\A.EPT", "COM\xB9.txt", "C:\\SAFE\\_COM\xB9.txt"},
        {"console devices", "C:\\SAFE\\A.EPT", "conout$", "C:\\SAFE\\_conout$"},
        {"COM10 is no device", "C:\\SAFE\\A.EPT", "COM10", "C:\\SAFE\\COM10"},
        {"a device name inside a longer name", "C:\\SAFE\\A.EPT", "CONTRACT.doc", "C:\\SAFE\\CONTRACT.doc"},
        {"device behind a folder", "C:\\SAFE\\A.EPT", "x\\NUL", "C:\\SAFE\\_NUL"},
        {"only dots", "C:\\SAFE\\REPORT.EPT", "...", "C:\\SAFE\\REPORT"},
        {"only blanks", "C:\\SAFE\\REPORT.EPT", "   ", "C:\\SAFE\\REPORT"},
        {"blanks and dots", "/data/report.ept", ". .", "/data/report"},
    };
    for (const DecryptProposalCase& c : cases) {
        EXPECT_EQ(proposeDecryptDestination(c.source, c.storedName), c.expected) << c.what;
    }
}

TEST(FileDispatch, PlainFileNameLeavesNothingUsableEmpty) {
    for (const char* name : {"", ".", "..", " . ", "  "}) EXPECT_EQ(plainFileName(name), "") << "[" << name << "]";
}

TEST(FileDispatch, Captions) {
    EXPECT_EQ(encryptionCaption("C:\\DOCS\\a.txt", "C:\\DOCS\\a.ept"), "ENCRYPTING \"a.txt\" TO \"A.EPT\".");
    EXPECT_EQ(decryptionCaption("C:\\SAFE\\A.EPT", "C:\\SAFE\\Report.doc"), "DECRYPTING \"A.EPT\" TO \"Report.doc\".");
}

}  // namespace
