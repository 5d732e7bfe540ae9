#include "installer/payload.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <sys/stat.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

// A small installer file: an image, then an uninstaller and a main program of
// distinct bytes, so a slice taken from the wrong place shows.
struct Fixture {
    std::string folder;
    std::string setupPath;
    std::string directory;  // installation directory, with its trailing "\" as a "/"
    std::string image, uninstaller, mainProgram;
    PayloadSizes sizes{};

    Fixture() {
        char pattern[] = "/tmp/payload_test_XXXXXX";
        folder = mkdtemp(pattern);
        setupPath = folder + "/setup.exe";
        directory = folder + "/dest/";
        mkdir(directory.c_str(), 0700);
        image = bytes(3000, 1);
        uninstaller = bytes(70001, 7);  // larger than one copy block
        mainProgram = bytes(200003, 13);
        sizes = {static_cast<long>(uninstaller.size()), static_cast<long>(mainProgram.size())};
        write(setupPath, image + uninstaller + mainProgram);
    }
    ~Fixture() { std::system(("rm -rf '" + folder + "'").c_str()); }

    static std::string bytes(size_t count, int seed) {
        std::string s(count, '\0');
        for (size_t i = 0; i < count; ++i) s[i] = static_cast<char>((i * 31 + static_cast<size_t>(seed)) % 251);
        return s;
    }
    static void write(const std::string& path, const std::string& content) {
        std::ofstream(path, std::ios::binary) << content;
    }
    static std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static bool exists(const std::string& path) {
        struct stat st;
        return stat(path.c_str(), &st) == 0;
    }
    std::string mainPath() const { return directory + "ZORVANEX installed component.exe"; }
    std::string uninstallerPath() const { return directory + "UNINSTALL.exe"; }
};

TEST(Payload, CopiesBothProgramsFromTheEnd) {
    Fixture f;
    Fixture::write(f.mainPath(), "an older, longer installation " + std::string(300000, 'x'));
    ASSERT_EQ(copyPayload(f.setupPath, f.directory, f.sizes), FileStepStatus::done);
    EXPECT_TRUE(Fixture::read(f.mainPath()) == f.mainProgram) << "main program differs from the last slice";
    EXPECT_TRUE(Fixture::read(f.uninstallerPath()) == f.uninstaller) << "uninstaller differs from its slice";
}

TEST(Payload, FileOfExactlyThePayloadSize) {
    Fixture f;
    Fixture::write(f.setupPath, f.uninstaller + f.mainProgram);
    EXPECT_EQ(copyPayload(f.setupPath, f.directory, f.sizes), FileStepStatus::done);
    EXPECT_TRUE(Fixture::read(f.uninstallerPath()) == f.uninstaller);
}

TEST(Payload, Failures) {
    {
        Fixture f;
        EXPECT_EQ(copyPayload(f.folder + "/missing.exe", f.directory, f.sizes), FileStepStatus::ownFileUnreadable);
        EXPECT_EQ(errorNumberOf(FileStepStatus::ownFileUnreadable), 112);
    }
    {
        Fixture f;  // shorter than its payload: no seek before the start of the file
        Fixture::write(f.setupPath, f.mainProgram);
        EXPECT_EQ(copyPayload(f.setupPath, f.directory, f.sizes), FileStepStatus::ownFileTooShort);
        EXPECT_EQ(errorNumberOf(FileStepStatus::ownFileTooShort), 112);
        EXPECT_FALSE(Fixture::exists(f.mainPath())) << "nothing written for a short installer";
    }
    {
        Fixture f;  // main program file cannot be created: a folder of that name
        mkdir(f.mainPath().c_str(), 0700);
        EXPECT_EQ(copyPayload(f.setupPath, f.directory, f.sizes), FileStepStatus::mainProgramNotCreated);
        EXPECT_EQ(errorNumberOf(FileStepStatus::mainProgramNotCreated), 113);
        EXPECT_FALSE(Fixture::exists(f.uninstallerPath()));
    }
    {
        Fixture f;  // the uninstaller cannot be created: reported, not a success
        mkdir(f.uninstallerPath().c_str(), 0700);
        EXPECT_EQ(copyPayload(f.setupPath, f.directory, f.sizes), FileStepStatus::uninstallerNotCreated);
        EXPECT_EQ(errorNumberOf(FileStepStatus::uninstallerNotCreated), 114);
        EXPECT_TRUE(Fixture::read(f.mainPath()) == f.mainProgram) << "main program was written before";
    }
    if (Fixture::exists("/dev/full")) {
        Fixture f;  // a full disk: writes fail; the incomplete file goes away again
        ASSERT_EQ(symlink("/dev/full", f.mainPath().c_str()), 0);
        EXPECT_EQ(copyPayload(f.setupPath, f.directory, f.sizes), FileStepStatus::copyFailed);
        EXPECT_EQ(errorNumberOf(FileStepStatus::copyFailed), 114);
        EXPECT_FALSE(Fixture::exists(f.uninstallerPath())) << "no uninstaller after a failed main program";
    }
}

}  // namespace
