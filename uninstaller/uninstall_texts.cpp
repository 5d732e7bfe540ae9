#include "uninstaller/uninstall_texts.h"

#include "installer/install_texts.h"

namespace {

// cmd expands %NAME% even inside double quotes; a folder named "100%" or
// "%WINDIR%" would make the batch file address another path. "%%" is a
// literal percent sign in a batch file.
std::string batchLiteral(const std::string& text) {
    std::string literal;
    for (char c : text) {
        if (c == '%') literal += '%';
        literal += c;
    }
    return literal;
}

}  // namespace

std::string confirmationText() {
    return std::string("Do you really want to remove ") + kProductTitle +
           " and all of its components from your computer?";
}

std::string successText() {
    return "Zorvanex has been successfully removed from your computer. To complete the uninstallation, the "
           "computer must be restarted. Exit all other running applications(if any) and press OK.";
}

std::string batchFilePathIn(const std::string& startupFolder) {
    if (startupFolder.empty()) return "";
    return startupFolder + "\\" + kBatchFileName;
}

std::string batchFileText(const std::string& installationDirectory) {
    std::string directory = installationDirectory;
    std::string text = "@echo off";
    text += "\ndel \"" + batchLiteral(directory) + kUninstallerFileName + "\"";
    if (!directory.empty() && directory.back() == '\\') directory.pop_back();
    text += "\nrmdir \"" + batchLiteral(directory) + "\"";
    text += "\ndel \"" + std::string(kBatchFileName) + "\"";
    return text;
}
