#include "uninstaller/uninstall_texts.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct BatchCase {
    const char* what;
    const char* installationDirectory;
    const char* text;
};

const BatchCase kBatchCases[] = {
    {"short folder", "C:\\Apps\\Z\\",
     "@echo off\n"
     "del \"C:\\Apps\\Z\\UNINSTALL.exe\"\n"
     "rmdir \"C:\\Apps\\Z\"\n"
     "del \"temp1234.bat\""},
    {"default folder, with blanks and parentheses", "C:\\Program Files\\Pelk Softwares\\ZORVANEX(version-3.1)\\",
     "@echo off\n"
     "del \"C:\\Program Files\\Pelk Softwares\\ZORVANEX(version-3.1)\\UNINSTALL.exe\"\n"
     "rmdir \"C:\\Program Files\\Pelk Softwares\\ZORVANEX(version-3.1)\"\n"
     "del \"temp1234.bat\""},
    // cmd would expand %WINDIR% and drop a lone %, deleting somewhere else.
    {"percent signs are literal", "D:\\100% sure\\%WINDIR%\\",
     "@echo off\n"
     "del \"D:\\100%% sure\\%%WINDIR%%\\UNINSTALL.exe\"\n"
     "rmdir \"D:\\100%% sure\\%%WINDIR%%\"\n"
     "del \"temp1234.bat\""},
    // A capital U with umlaut is 0xDC in the ANSI code page, 0x9A in the OEM one.
    {"OEM letters pass byte for byte",
     "C:\\Apps\\\x9A"
     "bersicht 100%\\",
     "@echo off\n"
     "del \"C:\\Apps\\\x9A"
     "bersicht 100%%\\UNINSTALL.exe\"\n"
     "rmdir \"C:\\Apps\\\x9A"
     "bersicht 100%%\"\n"
     "del \"temp1234.bat\""},
    {"ampersand is safe inside the quotes", "C:\\R&D\\",
     "@echo off\n"
     "del \"C:\\R&D\\UNINSTALL.exe\"\n"
     "rmdir \"C:\\R&D\"\n"
     "del \"temp1234.bat\""},
};

TEST(UninstallTexts, BatchFileText) {
    for (const BatchCase& c : kBatchCases) {
        EXPECT_EQ(batchFileText(c.installationDirectory), c.text) << c.what;
    }
}

TEST(UninstallTexts, BatchFileHasFourLinesAndNoLineEndAfterTheLast) {
    const std::string text = batchFileText("C:\\Apps\\Z\\");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3) << text;
    EXPECT_EQ(text.find('\r'), std::string::npos) << "line ends are the text stream's job";
    EXPECT_NE(text.back(), '\n');
}

TEST(UninstallTexts, BatchFilePathIsSkippedWithoutAStartupFolder) {
    EXPECT_EQ(batchFilePathIn("C:\\Users\\me\\Start Menu\\Programs\\Startup"),
              "C:\\Users\\me\\Start Menu\\Programs\\Startup\\temp1234.bat");
    EXPECT_EQ(batchFilePathIn(""), "") << "an unknown Startup folder must not become the drive's root";
}

TEST(UninstallTexts, QuestionNamesTheProduct) {
    EXPECT_NE(confirmationText().find("ZORVANEX(version-3.1)"), std::string::npos) << confirmationText();
    EXPECT_EQ(confirmationText().back(), '?');
}

}  // namespace
