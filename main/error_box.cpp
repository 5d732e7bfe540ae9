#include "main/error_box.h"

#include <windows.h>

#include "main/run_state.h"

void fatalError(const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), kProductTitle, MB_OK | MB_ICONERROR);
    ExitProcess(1);
}

std::string cannotOpenText(const std::string& path, const char* number) {
    return path + " CAN NOT BE OPENED. ERROR NO. :" + number;
}

std::string cannotReadText(const std::string& path, const char* number) {
    return path + " CAN NOT BE READ. ERROR NO. :" + number;
}
