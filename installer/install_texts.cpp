#include "installer/install_texts.h"

#include <cstdio>

namespace {

const char* const kAccessHelp =
    "Either your Operating System or your antivirus software is blocking this program. "
    "Please run this software as an administrator";
const char* const kLoadingHelp =
    "Software Loading error. It may be due to its incompatiblity with your Operating System.";

std::string errorText(int number, const char* secondLine) {
    char firstLine[32];
    std::snprintf(firstLine, sizeof firstLine, "ERROR NO. :%04d", number);
    return std::string(firstLine) + "\n" + secondLine;
}

}  // namespace

std::string defaultParentFolderFrom(const std::string& programFilesFolder) {
    return programFilesFolder + "\\Pelk Softwares";
}

std::string installationDirectoryFrom(const std::string& folder) {
    std::string directory = folder;
    if (directory.empty() || directory.back() != '\\') directory += '\\';
    return directory + kProductTitle + "\\";
}

std::vector<std::string> directoryLevelsOf(const std::string& installationDirectory) {
    std::vector<std::string> levels;
    for (size_t i = 3; i < installationDirectory.size(); ++i) {
        if (installationDirectory[i] == '\\') levels.push_back(installationDirectory.substr(0, i));
    }
    return levels;
}

std::string programCommandFor(const std::string& installationDirectory) {
    return "\"" + installationDirectory + kMainProgramFileName + "\" \"%1\"";
}

std::string programIconFrom(const std::string& programCommand) {
    return programCommand.substr(0, programCommand.size() - 5);
}

std::string uninstallCommandFor(const std::string& installationDirectory) {
    return "\"" + installationDirectory + kUninstallerFileName + "\"";
}

std::string readmeFileBytes() {
    const std::string tabs6(6, '\t');
    const std::string tabs2(2, '\t');
    const std::vector<std::string> lines = {
        tabs6 + "ZORVANEX(version-3.1)",
        tabs6 + std::string(33, '_'),
        "INSTALLING THE SOFTWARE:",
        std::string(24, '_'),
        tabs2 +
            "Double click on the \"ZORVANEX(version-3.1) SETUP.EXE\" icon & follow the instructions. "
            "You must install the software",
        "as an administrator otherwise the software may not be properly installed.",
        "",
        "",
        "USING THE ZORVANEX:",
        std::string(31, '_'),
        tabs2 +
            "To encrypt any file right-click on any file and select \"ENCRYPT/DECRYPT\" from the "
            "drop-down menu. To decrypt an encrypted file",
        "just double-click on the encrypted file.",
        "",
        "",
        "SOME IMPORTANT NOTES:",
        std::string(21, '_'),
        tabs2 + "1.Always run this software as an administrator.",
        tabs2 +
            "2.Do not modify any installed component or move the installation folder to some different "
            "location.",
    };
    std::string bytes;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) bytes += "\r\n";
        bytes += lines[i];
    }
    return bytes;
}

std::string initialSuccessText() {
    return "    ZORVANEX(version-3.1) had been successfully installed. For more information read the "
           "\"README.TXT\" in your installation directory: \"";
}

std::string completedSuccessText(const std::string& installationDirectory) {
    return initialSuccessText() + installationDirectory + "\"";
}

std::string accessErrorText(int number) { return errorText(number, kAccessHelp); }

std::string loadingErrorText(int number) { return errorText(number, kLoadingHelp); }
