// The portable rules of program entry and of the two runs: what the command line
// means, what kind of file it names, and which names the runs propose.
#pragma once

#include <string>

// Paths longer than this do not fit the programs' 1000-byte path buffers.
constexpr size_t kMaxPathLength = 999;

// Drops one pair of enclosing double quotes; nothing else is trimmed.
std::string stripEnclosingQuotes(const std::string& argument);

// Last four characters exactly ".ept" or ".EPT" (mixed case does not count).
bool hasEptExtension(const std::string& path);

enum class Dispatch { Encrypt, Decrypt, RefuseEptWithoutHeader, RepairExtension };
Dispatch dispatchFor(bool hasExtension, bool hasHeader);

// The part after the last path separator (backslash, or slash for POSIX paths).
std::string fileNameOf(const std::string& path);
// Everything up to and including the last separator; empty when there is none.
std::string folderOf(const std::string& path);

// The name an encrypted file without the extension gets: the file name's
// extension replaced by ".EPT" (a dot in a folder name is never cut).
std::string repairedExtensionPath(const std::string& path);

// C:\DOCS\REPORT.DOC -> C:\DOCS\REPORT.ept; a name without a dot gets ".ept".
std::string proposeEncryptDestination(const std::string& sourcePath);
// A name as a plain file of its own on Windows: each character Windows forbids
// in a name (: * ? " < > | and the control characters) becomes "_", trailing
// dots and blanks go, and a device name (CON, NUL.txt, COM1, ...) gets "_" in
// front. Empty when nothing is left.
std::string plainFileName(const std::string& name);

// The encrypted file's folder followed by the name stored in its header, made a
// plain file name. Only the last component of the stored name counts, so a
// damaged or crafted header can never lead out of that folder, name a device or
// a hidden stream of another file ("a.txt:x"); a name that leaves nothing usable
// ("", ".", "..", "...") gives the encrypted file's own name without ".ept", or
// with ".out" added when it has no such extension.
std::string proposeDecryptDestination(const std::string& sourcePath, const std::string& storedName);

// Upper case as the destination field shows it (ASCII letters only).
std::string upperCased(std::string text);

// "ENCRYPTING "a.txt" TO "A.EPT"." -- the destination name in upper case.
std::string encryptionCaption(const std::string& sourcePath, const std::string& destinationPath);
// "DECRYPTING "A.EPT" TO "a.txt"."
std::string decryptionCaption(const std::string& sourcePath, const std::string& destinationPath);
