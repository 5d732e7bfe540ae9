#include "installer/installation.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "common/file_ops.h"
#include "installer/failure.h"
#include "installer/install_texts.h"
#include "installer/payload.h"
#include "installer/payload_sizes.h"
#include "installer/registration.h"
#include "installer/wizard.h"

namespace {

// Creates each missing level of the installation directory. Existence is asked
// of the file system rather than by changing into the folder, so the process
// keeps its current directory.
void createDirectories(const std::string& installationDirectory) {
    for (const std::string& level : directoryLevelsOf(installationDirectory)) {
        DWORD attributes = GetFileAttributesA(level.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            CreateDirectoryA(level.c_str(), nullptr);
        }
    }
}

void writeReadme(const std::string& installationDirectory) {
    const std::string path = installationDirectory + kReadmeFileName;
    // The bytes carry their own CR LF pairs, so binary mode stores them as they are.
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) failWithLoadingError(103, mainWindow);
    const std::string text = readmeFileBytes();
    std::fwrite(text.data(), 1, text.size(), file);
    flushToDisk(file);
    std::fclose(file);
}

}  // namespace

void writeInstallationStart(const char* installationDirectory) {
    registerInstallation(installationDirectory);
    createDirectories(installationDirectory);
    writeReadme(installationDirectory);
}

void runFileStep(const char* installationDirectory) {
    const PayloadSizes sizes = {kUninstallerSize, kMainProgramSize};
    const FileStepStatus status = copyPayload(ownPath, installationDirectory, sizes);
    if (status != FileStepStatus::done) failWithAccessError(errorNumberOf(status));
}
