// libFuzzer target: reading the header of an encrypted file. Every input is tried
// twice: as the first bytes of a file, and as the inside of a header whose
// signatures are intact, so that the decoding is reached from the first run.
// Anything decoded must survive writing it again, and the proposed destination
// must stay in the encrypted file's folder.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "main/file_dispatch.h"
#include "main/file_format.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

void checkHeader(const FileHeader& header) {
    if (!hasSignatures(header)) return;
    const HeaderFields fields = readHeaderFields(header);
    if (fields.problem != HeaderProblem::None) {
        require(fields.storedName.empty() || fields.problem == HeaderProblem::PasswordTooLong);
        require(fields.password.empty());
        return;
    }
    require(fields.storedName.size() <= kMaxStoredNameLength);
    require(fields.password.size() <= kMaxPasswordLength);
    require(fields.password.size() == header.bytes[kPasswordLengthOffset]);

    const HeaderFields again = readHeaderFields(buildHeader(fields.storedName, fields.password));
    require(again.problem == HeaderProblem::None);
    require(again.storedName == fields.storedName);
    require(again.password == fields.password);

    for (const char* source : {"C:\\SAFE\\A.EPT", "/data/a.ept", "a.ept"}) {
        const std::string destination = proposeDecryptDestination(source, fields.storedName);
        require(folderOf(destination) == folderOf(source));
        const std::string name = fileNameOf(destination);
        require(!name.empty() && name != "." && name != "..");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FileHeader header;
    if (size >= kHeaderSize) {
        std::memcpy(header.bytes, data, kHeaderSize);
        checkHeader(header);
    }
    header = buildHeader("x", "");
    const size_t inside = kSignatureBOffset - kNameFieldOffset;
    std::memcpy(header.bytes + kNameFieldOffset, data, size < inside ? size : inside);
    checkHeader(header);
    return 0;
}
