// Nothing the user owns is deleted before its replacement is on the disk: each
// finished file is flushed to the disk before it is moved into place (the main
// program deletes a source only after the run has returned), and the installer
// flushes the programs it writes. Runs on the counting file layer.
#include <gtest/gtest.h>

#include <atomic>

#include "installer/payload.h"
#include "main/file_format.h"
#include "main/file_run.h"
#include "tests/unit/counting_file_ops.h"
#include "tests/unit/temp_folder.h"

// Beside FileEvent, for the comparisons of gtest to find them.
bool operator==(const FileEvent& a, const FileEvent& b) {
    return a.call == b.call && a.name == b.name && a.size == b.size;
}

void PrintTo(const FileEvent& e, std::ostream* out) { *out << e.call << " " << e.name << " (" << e.size << " bytes)"; }

namespace {

struct Counters {
    std::atomic<uint64_t> done{0};
    std::atomic<int> cancel{0};
    RunCounters run() { return RunCounters{done, cancel}; }
};

TEST(DurableOrder, RunFlushesTheWholeFileBeforeMovingItIntoPlace) {
    TempFolder folder;
    const int64_t size = 700001;
    writeBytes(folder / "data.bin", randomBytes(size, 1));
    writeBytes(folder / "data.ept", {'o', 'l', 'd'});

    fileEvents.clear();
    Counters c1;
    ASSERT_EQ(encryptFile(folder / "data.bin", folder / "data.ept", "pw", c1.run()), RunStatus::Completed);
    const std::vector<FileEvent> encrypting = {
        {"flush", "~data.ept.0.tmp", size + static_cast<int64_t>(kHeaderSize)},
        {"replace", "data.ept", size + static_cast<int64_t>(kHeaderSize)},
    };
    EXPECT_EQ(fileEvents, encrypting);

    fileEvents.clear();
    Counters c2;
    ASSERT_EQ(decryptFile(folder / "data.ept", folder / "restored.bin", c2.run()), RunStatus::Completed);
    const std::vector<FileEvent> decrypting = {{"flush", "~restored.bin.0.tmp", size},
                                               {"replace", "restored.bin", size}};
    EXPECT_EQ(fileEvents, decrypting);
}

TEST(DurableOrder, CancelledRunMovesNothing) {
    TempFolder folder;
    writeBytes(folder / "data.bin", randomBytes(300000, 2));
    fileEvents.clear();
    Counters c;
    const BeforeBody cancel = [&c] {
        c.cancel = 13;
        return true;
    };
    ASSERT_EQ(encryptFile(folder / "data.bin", folder / "data.ept", "", c.run(), cancel), RunStatus::Cancelled);
    for (const FileEvent& e : fileEvents) EXPECT_NE(e.call, "replace") << "moved " << e.name;
}

TEST(DurableOrder, InstallerFlushesBothProgramsItWrites) {
    TempFolder folder;
    const std::vector<unsigned char> image = randomBytes(3000, 3);
    const std::vector<unsigned char> uninstaller = randomBytes(70001, 4);
    const std::vector<unsigned char> mainProgram = randomBytes(200003, 5);
    std::vector<unsigned char> setup = image;
    setup.insert(setup.end(), uninstaller.begin(), uninstaller.end());
    setup.insert(setup.end(), mainProgram.begin(), mainProgram.end());
    writeBytes(folder / "setup.exe", setup);

    fileEvents.clear();
    const PayloadSizes sizes = {static_cast<long>(uninstaller.size()), static_cast<long>(mainProgram.size())};
    ASSERT_EQ(copyPayload(folder / "setup.exe", folder.path(), sizes), FileStepStatus::done);
    const std::vector<FileEvent> expected = {
        {"flush", "ZORVANEX installed component.exe", static_cast<int64_t>(mainProgram.size())},
        {"flush", "UNINSTALL.exe", static_cast<int64_t>(uninstaller.size())},
    };
    EXPECT_EQ(fileEvents, expected);
}

}  // namespace
