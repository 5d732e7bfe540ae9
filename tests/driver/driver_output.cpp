#include <cstdarg>
#include <cstdio>

#include "tests/driver/driver.h"

DriverSession session;

void note(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::fputs("    ", stdout);
    std::vfprintf(stdout, format, args);
    std::fputc('\n', stdout);
    va_end(args);
    std::fflush(stdout);
}

bool fail(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::fputs("FAIL: ", stdout);
    std::vfprintf(stdout, format, args);
    std::fputc('\n', stdout);
    va_end(args);
    std::fflush(stdout);
    return false;
}
