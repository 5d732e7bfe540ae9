#include "main/run_state.h"

#include <cstring>

RunProgress runProgress;
OptionFlags optionFlags;
char messageBuffer[kMessageBufferSize];
std::atomic<int> windowResult{0};
std::atomic<int> aboutState{kAboutClosed};
FileHeader sourceHeader;
int windowX = 0;
int windowY = 0;

namespace {

// The destination's length; the whole buffer when it holds no zero byte.
size_t destinationLengthIn(const char (&buffer)[kMessageBufferSize]) {
    const void* end = std::memchr(buffer, '\0', kMessageBufferSize);
    return end ? static_cast<size_t>(static_cast<const char*>(end) - buffer) : kMessageBufferSize;
}

}  // namespace

bool storeRunRequest(char (&buffer)[kMessageBufferSize], const std::string& password) {
    const size_t destinationLength = destinationLengthIn(buffer);
    if (password.size() > kMaxPasswordLength) return false;
    // destination, zero byte, length byte, password characters
    if (destinationLength + 2 + password.size() > kMessageBufferSize) return false;
    char* length = buffer + destinationLength + 1;
    *length = static_cast<char>(password.size());
    std::memcpy(length + 1, password.data(), password.size());
    return true;
}

RunRequest readRunRequest(const char (&buffer)[kMessageBufferSize]) {
    RunRequest request;
    const size_t destinationLength = destinationLengthIn(buffer);
    request.destination.assign(buffer, destinationLength);
    if (destinationLength + 2 > kMessageBufferSize) return request;
    const auto length = static_cast<signed char>(buffer[destinationLength + 1]);
    if (length <= 0 || static_cast<size_t>(length) > kMaxPasswordLength) return request;
    if (destinationLength + 2 + static_cast<size_t>(length) > kMessageBufferSize) return request;
    request.password.assign(buffer + destinationLength + 2, static_cast<size_t>(length));
    return request;
}
