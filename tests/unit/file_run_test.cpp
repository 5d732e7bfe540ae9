#include "main/file_run.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "main/cipher.h"
#include "main/file_dispatch.h"
#include "tests/unit/temp_folder.h"

namespace {

struct Counters {
    std::atomic<uint64_t> done{0};
    std::atomic<int> cancel{0};
    RunCounters run() { return RunCounters{done, cancel}; }
};

std::vector<unsigned char> headerBytes(const std::string& name, const std::string& password) {
    const FileHeader h = buildHeader(name, password);
    return std::vector<unsigned char>(h.bytes, h.bytes + kHeaderSize);
}

TEST(FileRun, RoundTripsKeepEveryByte) {
    const size_t sizes[] = {0, 1, 163, 164, 165, 3 * 1024 * 1024 + 17};
    for (size_t size : sizes) {
        TempFolder folder;
        const std::vector<unsigned char> source = randomBytes(size, static_cast<unsigned>(size));
        writeBytes(folder / "data.bin", source);

        Counters encrypting;
        ASSERT_EQ(encryptFile(folder / "data.bin", folder / "data.ept", "pw", encrypting.run()), RunStatus::Completed)
            << "size " << size;
        EXPECT_EQ(encrypting.done.load(), size);
        const std::vector<unsigned char> encrypted = readBytes(folder / "data.ept");
        ASSERT_EQ(encrypted.size(), size + kHeaderSize) << "size " << size;
        EXPECT_EQ(std::vector<unsigned char>(encrypted.begin(), encrypted.begin() + kHeaderSize),
                  headerBytes("data.bin", "pw"))
            << "size " << size;
        for (size_t i = 0; i < size; i++) {
            ASSERT_EQ(encrypted[kHeaderSize + i], kEncryptTable[source[i]]) << "body byte " << i << " of " << size;
        }

        Counters decrypting;
        ASSERT_EQ(decryptFile(folder / "data.ept", folder / "restored", decrypting.run()), RunStatus::Completed)
            << "size " << size;
        EXPECT_EQ(decrypting.done.load(), size);
        EXPECT_EQ(readBytes(folder / "restored"), source) << "size " << size;
        EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"data.bin", "data.ept", "restored"}))
            << "no temporary file is left, size " << size;
    }
}

TEST(FileRun, EncryptingTheDecryptedFileAgainGivesTheSameFile) {
    TempFolder a, b;
    writeBytes(a / "notes.txt", randomBytes(5000, 1));
    Counters c1, c2, c3;
    ASSERT_EQ(encryptFile(a / "notes.txt", a / "notes.ept", "abc", c1.run()), RunStatus::Completed);
    ASSERT_EQ(decryptFile(a / "notes.ept", b / "notes.txt", c2.run()), RunStatus::Completed);
    ASSERT_EQ(encryptFile(b / "notes.txt", b / "other name.EPT", "abc", c3.run()), RunStatus::Completed);
    EXPECT_EQ(readBytes(a / "notes.ept"), readBytes(b / "other name.EPT"))
        << "the header stores the source's name, never the destination's";
}

TEST(FileRun, ExistingDestinationIsReplacedOnlyByACompletedRun) {
    TempFolder folder;
    writeBytes(folder / "a.txt", randomBytes(2 * kHeaderSize, 2));
    writeBytes(folder / "a.ept", {'o', 'l', 'd'});
    Counters c;
    ASSERT_EQ(encryptFile(folder / "a.txt", folder / "a.ept", "", c.run()), RunStatus::Completed);
    EXPECT_EQ(readBytes(folder / "a.ept").size(), 3 * kHeaderSize);
}

TEST(FileRun, CancelLeavesNoFileAndAnExistingDestinationUntouched) {
    for (bool existing : {false, true}) {
        TempFolder folder;
        const std::vector<unsigned char> source = randomBytes(1024 * 1024, 3);
        writeBytes(folder / "big.bin", source);
        if (existing) writeBytes(folder / "big.ept", {'o', 'l', 'd'});

        Counters c;
        // The main program's progress window may cancel as soon as it exists.
        const RunStatus status = encryptFile(folder / "big.bin", folder / "big.ept", "pw", c.run(), [&c] {
            c.cancel = 13;
            return true;
        });
        EXPECT_EQ(status, RunStatus::Cancelled) << "existing destination: " << existing;
        EXPECT_EQ(readBytes(folder / "big.bin"), source);
        const std::vector<std::string> expected =
            existing ? std::vector<std::string>{"big.bin", "big.ept"} : std::vector<std::string>{"big.bin"};
        EXPECT_EQ(namesIn(folder.path()), expected) << "existing destination: " << existing;
        if (existing) {
            EXPECT_EQ(readBytes(folder / "big.ept"), (std::vector<unsigned char>{'o', 'l', 'd'}));
        }
    }
}

// The main program's progress window could not be made: the run stops before
// the body and leaves no temporary file beside the destination.
TEST(FileRun, StoppedBeforeTheBodyLeavesNothingBehind) {
    for (bool encrypting : {true, false}) {
        TempFolder folder;
        writeBytes(folder / "a.bin", randomBytes(3000, 6));
        Counters c0;
        ASSERT_EQ(encryptFile(folder / "a.bin", folder / "a.ept", "", c0.run()), RunStatus::Completed);
        const std::vector<std::string> before = namesIn(folder.path());

        Counters c;
        const BeforeBody refuse = [] { return false; };
        const RunStatus status = encrypting ? encryptFile(folder / "a.bin", folder / "b.ept", "", c.run(), refuse)
                                            : decryptFile(folder / "a.ept", folder / "b.bin", c.run(), refuse);
        EXPECT_EQ(status, RunStatus::Cancelled) << "encrypting: " << encrypting;
        EXPECT_EQ(c.done.load(), 0u) << "encrypting: " << encrypting;
        EXPECT_EQ(namesIn(folder.path()), before) << "encrypting: " << encrypting;
    }
}

// A read-only destination is one the user asked the system to protect: refused
// before anything is written, as creating it would have been, and left as it was.
TEST(FileRun, ReadOnlyDestinationIsRefusedBeforeAnythingIsWritten) {
    for (bool encrypting : {true, false}) {
        TempFolder folder;
        writeBytes(folder / "a.bin", randomBytes(3000, 7));
        Counters c0;
        ASSERT_EQ(encryptFile(folder / "a.bin", folder / "a.ept", "", c0.run()), RunStatus::Completed);
        const std::string destination = folder / (encrypting ? "locked.ept" : "locked.bin");
        writeBytes(destination, {'k', 'e', 'e', 'p'});
        ASSERT_EQ(::chmod(destination.c_str(), 0444), 0);
        const std::vector<std::string> before = namesIn(folder.path());

        Counters c;
        bool bodyReached = false;
        const BeforeBody watch = [&bodyReached] { return bodyReached = true; };
        const RunStatus status = encrypting ? encryptFile(folder / "a.bin", destination, "", c.run(), watch)
                                            : decryptFile(folder / "a.ept", destination, c.run(), watch);
        EXPECT_EQ(status, RunStatus::DestinationNotCreated) << "encrypting: " << encrypting;
        EXPECT_FALSE(bodyReached) << "refused before the run starts, encrypting: " << encrypting;
        EXPECT_EQ(readBytes(destination), (std::vector<unsigned char>{'k', 'e', 'e', 'p'}));
        struct stat st;
        ASSERT_EQ(::stat(destination.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0444u) << "still read-only";
        EXPECT_EQ(namesIn(folder.path()), before) << "no temporary file, encrypting: " << encrypting;

        ASSERT_EQ(::chmod(destination.c_str(), 0644), 0);
        Counters c2;
        EXPECT_EQ(encrypting ? encryptFile(folder / "a.bin", destination, "", c2.run())
                             : decryptFile(folder / "a.ept", destination, c2.run()),
                  RunStatus::Completed)
            << "writable again, encrypting: " << encrypting;
    }
}

TEST(FileRun, DestinationThatIsTheSourceIsRefused) {
    TempFolder folder;
    const std::vector<unsigned char> source = randomBytes(1000, 4);
    writeBytes(folder / "x.txt", source);
    ASSERT_EQ(::link((folder / "x.txt").c_str(), (folder / "alias.ept").c_str()), 0) << std::strerror(errno);

    Counters c;
    EXPECT_EQ(encryptFile(folder / "x.txt", folder / "x.txt", "", c.run()), RunStatus::DestinationIsSource);
    EXPECT_EQ(encryptFile(folder / "x.txt", folder / "alias.ept", "", c.run()), RunStatus::DestinationIsSource)
        << "a second name of the same file";
    EXPECT_EQ(readBytes(folder / "x.txt"), source);

    ASSERT_EQ(encryptFile(folder / "x.txt", folder / "x.ept", "", c.run()), RunStatus::Completed);
    const std::vector<unsigned char> encrypted = readBytes(folder / "x.ept");
    EXPECT_EQ(decryptFile(folder / "x.ept", folder / "x.ept", c.run()), RunStatus::DestinationIsSource);
    EXPECT_EQ(readBytes(folder / "x.ept"), encrypted);
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"alias.ept", "x.ept", "x.txt"}));
}

TEST(FileRun, FailuresLeaveNothingBehind) {
    TempFolder folder;
    writeBytes(folder / "short.ept", std::vector<unsigned char>(kHeaderSize - 1, 0xCC));
    writeBytes(folder / "x.txt", {1, 2, 3});
    ASSERT_EQ(::mkdir((folder / "sub").c_str(), 0755), 0);
    const std::string longPath = folder.path() + std::string(kMaxPathLength + 1 - folder.path().size(), 'p');
    const std::string longestPath = longPath.substr(0, kMaxPathLength);

    const struct {
        const char* what;
        bool encrypt;
        std::string source, destination;
        RunStatus expected;
    } cases[] = {
        {"missing source", true, folder / "none.txt", folder / "none.ept", RunStatus::SourceNotOpened},
        {"missing encrypted file", false, folder / "none.ept", folder / "none", RunStatus::SourceNotOpened},
        {"source is a folder", true, folder / "sub", folder / "sub.ept", RunStatus::SourceNotRead},
        {"encrypted file shorter than a header", false, folder / "short.ept", folder / "out",
         RunStatus::SourceNotPositioned},
        {"destination in a missing folder", true, folder / "x.txt", folder / "no/x.ept",
         RunStatus::DestinationNotCreated},
        {"destination is a folder", true, folder / "x.txt", folder / "sub", RunStatus::DestinationNotCreated},
        {"source path of 1000 characters", true, longPath, folder / "x.ept", RunStatus::PathTooLong},
        {"destination path of 1000 characters", true, folder / "x.txt", longPath, RunStatus::PathTooLong},
        {"decryption with a path of 1000 characters", false, longPath, folder / "out", RunStatus::PathTooLong},
        {"999 characters are still tried", true, longestPath, folder / "x.ept", RunStatus::SourceNotOpened},
    };
    for (const auto& c : cases) {
        Counters counters;
        const RunStatus status = c.encrypt ? encryptFile(c.source, c.destination, "", counters.run())
                                           : decryptFile(c.source, c.destination, counters.run());
        EXPECT_EQ(status, c.expected) << c.what;
        EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"short.ept", "sub", "x.txt"})) << c.what;
        EXPECT_TRUE(namesIn(folder / "sub").empty()) << c.what;
    }
}

// A destination on a filesystem of 64 KiB, mounted for the test: the write fails
// part way, as on a full disk.
class FullFilesystem : public ::testing::Test {
protected:
    void SetUp() override {
        mountPoint = folder / "small";
        ASSERT_EQ(::mkdir(mountPoint.c_str(), 0755), 0);
        if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=64k") != 0) {
            GTEST_SKIP() << "cannot mount a small tmpfs here (" << std::strerror(errno)
                         << "); the full-disk case needs root and mount rights";
        }
        mounted = true;
        mountPoint += "/";
    }
    void TearDown() override {
        if (mounted) ::umount2(mountPoint.c_str(), MNT_DETACH);
    }

    TempFolder folder;
    std::string mountPoint;
    bool mounted = false;
};

TEST_F(FullFilesystem, FailedWriteKeepsSourceAndLeavesNoPartialFile) {
    const std::vector<unsigned char> source = randomBytes(1024 * 1024, 5);
    writeBytes(folder / "big.bin", source);
    writeBytes(mountPoint + "kept.ept", {'o', 'l', 'd'});

    Counters c1, c2;
    EXPECT_EQ(encryptFile(folder / "big.bin", mountPoint + "big.ept", "", c1.run()), RunStatus::DestinationNotWritten);
    EXPECT_EQ(encryptFile(folder / "big.bin", mountPoint + "kept.ept", "", c2.run()), RunStatus::DestinationNotWritten);
    EXPECT_EQ(readBytes(folder / "big.bin"), source) << "the source is kept";
    EXPECT_EQ(namesIn(mountPoint), (std::vector<std::string>{"kept.ept"})) << "no partial or temporary file";
    EXPECT_EQ(readBytes(mountPoint + "kept.ept"), (std::vector<unsigned char>{'o', 'l', 'd'}));

    Counters c3, c4;
    ASSERT_EQ(encryptFile(folder / "big.bin", folder / "big.ept", "", c3.run()), RunStatus::Completed);
    EXPECT_EQ(decryptFile(folder / "big.ept", mountPoint + "big.bin", c4.run()), RunStatus::DestinationNotWritten);
    EXPECT_EQ(namesIn(mountPoint), (std::vector<std::string>{"kept.ept"}));
}

}  // namespace

namespace {

// The one header reader: what it reports for a missing, a short and a full header.
TEST(FileRun, ReadFileHeaderTellsMissingFromShort) {
    TempFolder folder;
    const std::vector<unsigned char> full = randomBytes(kHeaderSize + 5, 7);
    writeBytes(folder / "short", std::vector<unsigned char>(full.begin(), full.begin() + kHeaderSize - 1));
    writeBytes(folder / "full", full);
    const struct {
        const char* name;
        HeaderRead expected;
    } cases[] = {{"missing", HeaderRead::NotOpened}, {"short", HeaderRead::TooShort}, {"full", HeaderRead::Complete}};
    for (const auto& c : cases) {
        FileHeader header{};
        EXPECT_EQ(readFileHeader(folder / c.name, header), c.expected) << c.name;
    }
    FileHeader header{};
    ASSERT_EQ(readFileHeader(folder / "full", header), HeaderRead::Complete);
    EXPECT_TRUE(std::equal(header.bytes, header.bytes + kHeaderSize, full.begin())) << "the first 164 bytes";
}

}  // namespace
