// The few file operations whose behaviour differs between Windows and POSIX.
// Paths are single-byte strings as the programs hold them.
#pragma once

#include <cstdio>
#include <string>

// Creates a file that must not exist yet, opened for binary writing; null on failure.
std::FILE* createNewFile(const std::string& path);

// Moves `from` over `to` in one step, replacing an existing `to`.
bool replaceFile(const std::string& from, const std::string& to);

// True when both paths exist and name the same file (on Windows x.Ept and X.EPT do).
bool isSameFile(const std::string& a, const std::string& b);

bool fileExists(const std::string& path);

// Tells the system that the file will be read once from start to end, so it
// reads ahead further. Only a hint: does nothing where there is no such call.
void adviseSequentialRead(std::FILE* file);
