#include "installer/install_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct DirectoryCase {
    const char* folder;
    const char* installationDirectory;
};

const DirectoryCase kDirectories[] = {
    {"C:\\Program Files\\Pelk Softwares", "C:\\Program Files\\Pelk Softwares\\ZORVANEX(version-3.1)\\"},
    {"D:\\", "D:\\ZORVANEX(version-3.1)\\"},
    {"E:\\Apps\\", "E:\\Apps\\ZORVANEX(version-3.1)\\"},
};

TEST(InstallTexts, InstallationDirectoryFromFolder) {
    for (const DirectoryCase& c : kDirectories) {
        EXPECT_EQ(installationDirectoryFrom(c.folder), c.installationDirectory) << c.folder;
    }
    EXPECT_EQ(defaultParentFolderFrom("C:\\Program Files"), "C:\\Program Files\\Pelk Softwares");
}

TEST(InstallTexts, DirectoryLevelsStartPastTheDrive) {
    EXPECT_EQ(directoryLevelsOf("C:\\Program Files\\Pelk Softwares\\ZORVANEX(version-3.1)\\"),
              (std::vector<std::string>{"C:\\Program Files", "C:\\Program Files\\Pelk Softwares",
                                        "C:\\Program Files\\Pelk Softwares\\ZORVANEX(version-3.1)"}));
    EXPECT_EQ(directoryLevelsOf("D:\\ZORVANEX(version-3.1)\\"),
              (std::vector<std::string>{"D:\\ZORVANEX(version-3.1)"}));
}

TEST(InstallTexts, RegistryStrings) {
    const std::string d = "C:\\Program Files\\Pelk Softwares\\ZORVANEX(version-3.1)\\";
    const std::string command = programCommandFor(d);
    EXPECT_EQ(command,
              "\"C:\\Program Files\\Pelk Softwares\\ZORVANEX(version-3.1)\\ZORVANEX installed component.exe\" "
              "\"%1\"");
    EXPECT_EQ(programIconFrom(command),
              "\"C:\\Program Files\\Pelk Softwares\\ZORVANEX(version-3.1)\\ZORVANEX installed component.exe\"");
    EXPECT_EQ(uninstallCommandFor(d), "\"C:\\Program Files\\Pelk Softwares\\ZORVANEX(version-3.1)\\UNINSTALL.exe\"");
    EXPECT_EQ(programIconFrom(programCommandFor("D:\\Z\\")), "\"D:\\Z\\ZORVANEX installed component.exe\"");
}

std::vector<std::string> splitAt(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + separator.size()) {
        parts.push_back(text.substr(start, at - start));
    }
    parts.push_back(text.substr(start));
    return parts;
}

TEST(InstallTexts, ReadmeBytes) {
    const std::string bytes = readmeFileBytes();
    EXPECT_EQ(bytes.substr(0, 8), "\t\t\t\t\t\tZO") << "six tabs open the title line";
    EXPECT_NE(bytes.back(), '\n') << "no line end after the last line";
    EXPECT_EQ(bytes.find("\n\n"), std::string::npos) << "every line feed has its carriage return";

    const std::vector<std::string> lines = splitAt(bytes, "\r\n");
    ASSERT_EQ(lines.size(), 18u);
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].find_first_of("\r\n"), std::string::npos) << "line " << i + 1;
    }
    const std::string underscores33 = "\t\t\t\t\t\t" + std::string(33, '_');
    EXPECT_EQ(lines[0], "\t\t\t\t\t\tZORVANEX(version-3.1)");
    EXPECT_EQ(lines[1], underscores33);
    EXPECT_EQ(lines[2], "INSTALLING THE SOFTWARE:");
    EXPECT_EQ(lines[3], std::string(24, '_'));
    EXPECT_EQ(lines[4],
              "\t\tDouble click on the \"ZORVANEX(version-3.1) SETUP.EXE\" icon & follow the instructions. "
              "You must install the software");
    EXPECT_EQ(lines[5], "as an administrator otherwise the software may not be properly installed.");
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[8], "USING THE ZORVANEX:");
    EXPECT_EQ(lines[9], std::string(31, '_'));
    EXPECT_EQ(lines[10],
              "\t\tTo encrypt any file right-click on any file and select \"ENCRYPT/DECRYPT\" from the drop-down "
              "menu. To decrypt an encrypted file");
    EXPECT_EQ(lines[11], "just double-click on the encrypted file.");
    EXPECT_EQ(lines[12], "");
    EXPECT_EQ(lines[13], "");
    EXPECT_EQ(lines[14], "SOME IMPORTANT NOTES:");
    EXPECT_EQ(lines[15], std::string(21, '_'));
    EXPECT_EQ(lines[16], "\t\t1.Always run this software as an administrator.");
    EXPECT_EQ(lines[17],
              "\t\t2.Do not modify any installed component or move the installation folder to some different "
              "location.");
}

TEST(InstallTexts, SuccessTextEndsWithTheQuotedDirectory) {
    const std::string initial =
        "    ZORVANEX(version-3.1) had been successfully installed. For more information read the \"README.TXT\" "
        "in your installation directory: \"";
    EXPECT_EQ(initialSuccessText(), initial);
    EXPECT_EQ(completedSuccessText("D:\\ZORVANEX(version-3.1)\\"), initial + "D:\\ZORVANEX(version-3.1)\\\"");
}

TEST(InstallTexts, ErrorMessagesHaveTwoLines) {
    EXPECT_EQ(accessErrorText(112),
              "ERROR NO. :0112\nEither your Operating System or your antivirus software is blocking this program. "
              "Please run this software as an administrator");
    EXPECT_EQ(loadingErrorText(103),
              "ERROR NO. :0103\nSoftware Loading error. It may be due to its incompatiblity with your Operating "
              "System.");
}

}  // namespace
