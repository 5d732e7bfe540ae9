// The few file operations whose behaviour differs between Windows and POSIX.
// Paths are single-byte strings as the programs hold them.
#pragma once

#include <cstdio>
#include <string>

// Creates a file that must not exist yet, opened for binary writing; null on failure.
std::FILE* createNewFile(const std::string& path);

// Writes the stream's buffer out and puts the file's data on the disk, not only
// in the system's cache (FlushFileBuffers / fsync), so that it survives a power
// cut from the moment this returns true.
bool flushToDisk(std::FILE* file);

// Moves `from` over `to` in one step, replacing an existing `to`. The move
// itself is on the disk when this returns true (write-through on Windows, the
// folder flushed on POSIX).
bool replaceFile(const std::string& from, const std::string& to);

// True when both paths exist and name the same file (on Windows x.Ept and X.EPT do).
bool isSameFile(const std::string& a, const std::string& b);

bool fileExists(const std::string& path);

// False for an existing file the user asked the system to protect (read-only)
// or that cannot be opened for writing now, and for a folder: writing over it
// would fail, or replace what should not be replaced. True when nothing exists
// at `path` (creating it is another question).
bool isReplaceable(const std::string& path);

// Tells the system that the file will be read once from start to end, so it
// reads ahead further. Only a hint: does nothing where there is no such call.
void adviseSequentialRead(std::FILE* file);
