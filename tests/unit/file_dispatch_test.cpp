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

TEST(FileDispatch, Captions) {
    EXPECT_EQ(encryptionCaption("C:\\DOCS\\a.txt", "C:\\DOCS\\a.ept"), "ENCRYPTING \"a.txt\" TO \"A.EPT\".");
    EXPECT_EQ(decryptionCaption("C:\\SAFE\\A.EPT", "C:\\SAFE\\Report.doc"), "DECRYPTING \"A.EPT\" TO \"Report.doc\".");
}

}  // namespace
