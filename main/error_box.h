// Every failure of the main program ends it the same way: a box without owner,
// the product title, an error icon, OK, then exit code 1.
#pragma once

#include <string>

[[noreturn]] void fatalError(const std::string& text);

// path + " CAN NOT BE OPENED. ERROR NO. :" + number, and the like.
std::string cannotOpenText(const std::string& path, const char* number);
std::string cannotReadText(const std::string& path, const char* number);
