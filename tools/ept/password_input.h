// Reading a password: one line from a stream, or from the terminal without echo.
#pragma once

#include <atomic>
#include <cstdio>
#include <string>

// One line without its line end ("\n" or "\r\n"); false when the stream ends
// before a single character or line end was read.
bool readPasswordLine(std::FILE* stream, std::string& password);

enum class TerminalRead { Read, NoTerminal, Interrupted, Ended };

// Shows the prompt on the controlling terminal and reads one line with echo off;
// echo is restored whatever happens. A signal that sets `interrupted` ends the
// wait with Interrupted.
TerminalRead readHiddenLine(const std::string& prompt, std::string& line, const std::atomic<int>& interrupted);
