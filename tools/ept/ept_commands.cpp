#include "tools/ept/ept_commands.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "common/file_ops.h"
#include "main/file_dispatch.h"
#include "main/file_format.h"
#include "main/file_run.h"
#include "tools/ept/call_files.h"
#include "tools/ept/password_input.h"
#include "tools/ept/progress_line.h"

std::atomic<int> cancelRequest{0};
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler stores into cancelRequest");

namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "ept: %s\n", message.c_str());
    return kExitFailure;
}

// How a path or name appears in a message: long ones shortened so that a refusal
// stays one line, control characters as \xNN. Names may come from a file's
// header (a stored name, a destination proposed from it), not from the user, and
// a crafted one must not drive the terminal.
std::string shown(const std::string& path) {
    const std::string shortened =
        path.size() <= 120 ? path : path.substr(0, 60) + "..." + path.substr(path.size() - 40);
    std::string text;
    for (const char c : shortened) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            text += escaped;
        } else {
            text += c;
        }
    }
    return text;
}

std::string tooLongMessage(const std::string& path) {
    return "path too long (" + std::to_string(path.size()) + " characters, at most " + std::to_string(kMaxPathLength) +
           "): " + shown(path);
}

// Empty when the source can be opened for reading, else why not.
std::string sourceProblem(const std::string& path) {
    if (path.size() > kMaxPathLength) return tooLongMessage(path);
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return "cannot open " + shown(path) + ": " + std::strerror(errno);
    if (S_ISDIR(st.st_mode)) return shown(path) + " is a folder, not a file";
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return "cannot open " + shown(path) + ": " + std::strerror(errno);
    std::fclose(file);
    return std::string();
}

std::string destinationProblem(const std::string& source, const std::string& destination, bool force) {
    if (destination.size() > kMaxPathLength) return tooLongMessage(destination);
    if (isSameFile(source, destination)) return shown(destination) + " is the source file itself";
    struct stat st;
    if (::stat(destination.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return shown(destination) + " is a folder";
        if (!force) return shown(destination) + " already exists (use --force to replace it)";
    }
    return std::string();
}

uint64_t fileSize(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? static_cast<uint64_t>(st.st_size) : 0;
}

bool hasHeader(const std::string& path, FileHeader& header) {
    return readFileHeader(path, header) == HeaderRead::Complete && hasSignatures(header);
}

std::string headerProblemText(const std::string& path, const FileHeader& header, HeaderProblem problem) {
    if (problem == HeaderProblem::NameUnterminated) {
        return shown(path) + " has a damaged header: the stored name has no end";
    }
    return shown(path) + " has a damaged header: password length " +
           std::to_string(header.bytes[kPasswordLengthOffset]) + " (at most " + std::to_string(kMaxPasswordLength) +
           ")";
}

std::string runFailureText(RunStatus status, const std::string& source, const std::string& destination) {
    switch (status) {
    case RunStatus::Completed: return std::string();
    case RunStatus::Cancelled: return "cancelled; " + shown(destination) + " was not written";
    case RunStatus::PathTooLong: return tooLongMessage(source.size() > kMaxPathLength ? source : destination);
    case RunStatus::SourceNotOpened: return "cannot open " + shown(source);
    case RunStatus::DestinationIsSource: return shown(destination) + " is the source file itself";
    case RunStatus::DestinationNotCreated: return "cannot create " + shown(destination);
    case RunStatus::SourceNotPositioned: return shown(source) + " is shorter than an encrypted file's header";
    case RunStatus::SourceNotRead:
        return "reading " + shown(source) + " failed; " + shown(destination) + " was not written";
    case RunStatus::DestinationNotWritten:
        return "writing " + shown(destination) + " failed (is the disk full?); it was not written";
    }
    return "unknown failure";
}

// Asks on the terminal; on failure `problem` says why.
bool askTerminal(const std::string& prompt, std::string& password, std::string& problem) {
    switch (readHiddenLine(prompt, password, cancelRequest)) {
    case TerminalRead::Read: return true;
    case TerminalRead::NoTerminal: problem = "no terminal to ask for the password; use --password-stdin"; return false;
    case TerminalRead::Interrupted: problem = "cancelled"; return false;
    case TerminalRead::Ended: problem = "no password given"; return false;
    }
    return false;
}

bool readStdinPassword(std::string& password, std::string& problem) {
    if (readPasswordLine(stdin, password)) return true;
    problem = "no password on standard input";
    return false;
}

std::string passwordLengthProblem(const std::string& password) {
    if (password.size() <= kMaxPasswordLength) return std::string();
    return "the password has " + std::to_string(password.size()) + " characters; at most " +
           std::to_string(kMaxPasswordLength) + " are allowed";
}

bool encryptionPassword(const CommandOptions& options, std::string& password, std::string& problem) {
    password.clear();
    if (options.noPassword) return true;
    if (options.passwordFromStdin) {
        if (!readStdinPassword(password, problem)) return false;
    } else {
        std::string again;
        if (!askTerminal("Password (at most 20 characters, empty for none): ", password, problem)) return false;
        if (!askTerminal("Password again: ", again, problem)) return false;
        if (password != again) {
            problem = "the two passwords differ";
            return false;
        }
    }
    problem = passwordLengthProblem(password);
    return problem.empty();
}

// What the files of one call share: one password, asked when the first file
// needs it, and what was written so far.
struct Call {
    explicit Call(const CommandOptions& givenOptions)
        : options(givenOptions), files(callFilesOf(givenOptions.sources)) {}

    const CommandOptions& options;
    CallFiles files;
    bool havePassword = false;
    std::string password;
    bool stopped = false;  // cancelled, or no password to be had: the files left are skipped
};

bool severalFiles(const Call& call) { return call.options.sources.size() > 1; }

// On failure the call stops: without its password no further file can be done.
bool callEncryptionPassword(Call& call, const std::string& destination) {
    if (call.havePassword) return true;
    std::string problem;
    if (!encryptionPassword(call.options, call.password, problem)) {
        call.stopped = true;
        fail(problem);
        return false;
    }
    call.havePassword = true;
    if (call.password.empty() && !call.options.noPassword && !call.options.passwordFromStdin) {
        const std::string what = severalFiles(call) ? "these files" : shown(destination);
        std::fprintf(stderr, "ept: no password: anyone with this program can decrypt %s\n", what.c_str());
    }
    return true;
}

bool callDecryptionPassword(Call& call, const std::string& source) {
    if (call.havePassword) return true;
    std::string problem;
    const std::string prompt = severalFiles(call) ? "Password: " : "Password for " + shown(source) + ": ";
    const bool got = call.options.passwordFromStdin ? readStdinPassword(call.password, problem)
                                                    : askTerminal(prompt, call.password, problem);
    if (!got) {
        call.stopped = true;
        fail(problem);
        return false;
    }
    call.havePassword = true;
    return true;
}

// Empty when no other file of the call stands at the destination.
std::string callConflictProblem(const Call& call, const std::string& source, const std::string& destination) {
    const CallConflict conflict = callConflictOf(call.files, source, destination);
    switch (conflict.kind) {
    case Conflict::None: return std::string();
    case Conflict::WrittenInCall:
        return shown(destination) + " was just written from " + shown(conflict.other) + "; not replacing it";
    case Conflict::NamedInCall: return shown(destination) + " is one of the files given; not replacing it";
    }
    return std::string();
}

int finishRun(RunStatus status, ProgressDisplay& progress, Call& call, const std::string& source,
              const std::string& destination) {
    progress.finish(status == RunStatus::Completed);
    if (status == RunStatus::Cancelled) call.stopped = true;
    if (status != RunStatus::Completed) return fail(runFailureText(status, source, destination));
    recordWritten(call.files, source, destination);
    return kExitSuccess;
}

// With several files the progress line says which one it is about.
std::string progressLabel(const Call& call, const std::string& source) {
    return severalFiles(call) ? shown(source) : std::string();
}

int encryptOne(const std::string& source, Call& call) {
    const CommandOptions& options = call.options;
    std::string problem = sourceProblem(source);
    if (!problem.empty()) return fail(problem);

    FileHeader header;
    switch (dispatchFor(hasEptExtension(source), hasHeader(source, header))) {
    case Dispatch::Encrypt: break;
    case Dispatch::Decrypt: return fail(shown(source) + " is already an encrypted file");
    case Dispatch::RepairExtension:
        return fail(shown(source) + " is already an encrypted file, under a wrong name (rename it to " +
                    shown(repairedExtensionPath(source)) + ")");
    case Dispatch::RefuseEptWithoutHeader:
        return fail("cannot encrypt " + shown(source) +
                    ": its name ends in .ept but it is no encrypted file; rename it first");
    }

    const std::string destination =
        options.destination.empty() ? proposeEncryptDestination(source) : options.destination;
    if (!hasEptExtension(destination)) {
        return fail("the encrypted file's name must end in .ept or .EPT: " + shown(destination));
    }
    // Before the existence check: --force does not help here.
    problem = callConflictProblem(call, source, destination);
    if (problem.empty()) problem = destinationProblem(source, destination, options.force);
    if (!problem.empty()) return fail(problem);

    if (!callEncryptionPassword(call, destination)) return kExitFailure;

    std::atomic<uint64_t> doneBytes{0};
    ProgressDisplay progress(doneBytes, fileSize(source), progressLabel(call, source));
    const RunStatus status = encryptFile(source, destination, call.password, RunCounters{doneBytes, cancelRequest});
    return finishRun(status, progress, call, source, destination);
}

int decryptOne(const std::string& source, Call& call) {
    const CommandOptions& options = call.options;
    std::string problem = sourceProblem(source);
    if (!problem.empty()) return fail(problem);

    FileHeader header;
    switch (dispatchFor(hasEptExtension(source), hasHeader(source, header))) {
    case Dispatch::Decrypt: break;
    case Dispatch::Encrypt: return fail(shown(source) + " is not an encrypted file");
    // As in the Windows program: an encrypted file under another extension is
    // neither encrypted nor decrypted until it carries its own.
    case Dispatch::RepairExtension:
        return fail(shown(source) + " is an encrypted file under a wrong name (rename it to " +
                    shown(repairedExtensionPath(source)) + " first)");
    case Dispatch::RefuseEptWithoutHeader:
        return fail(shown(source) + " has no encrypted file's header; it cannot be decrypted");
    }
    const HeaderFields fields = readHeaderFields(header);
    if (fields.problem != HeaderProblem::None) return fail(headerProblemText(source, header, fields.problem));

    const std::string destination =
        options.destination.empty() ? proposeDecryptDestination(source, fields.storedName) : options.destination;
    // Before the existence check: --force does not help here.
    problem = callConflictProblem(call, source, destination);
    if (problem.empty()) problem = destinationProblem(source, destination, options.force);
    if (!problem.empty()) return fail(problem);

    if (!fields.password.empty()) {
        if (!callDecryptionPassword(call, source)) return kExitFailure;
        if (call.password != fields.password) return fail("wrong password for " + shown(source));
    }

    std::atomic<uint64_t> doneBytes{0};
    ProgressDisplay progress(doneBytes, fileSize(source) - kHeaderSize, progressLabel(call, source));
    const RunStatus status = decryptFile(source, destination, RunCounters{doneBytes, cancelRequest});
    return finishRun(status, progress, call, source, destination);
}

// Each file in turn; one that fails does not stop the others, but a cancel or a
// missing password ends the call, and the files left count as skipped.
int eachFile(const CommandOptions& options, int (*one)(const std::string&, Call&)) {
    Call call(options);
    size_t succeeded = 0, failed = 0;
    for (const std::string& source : options.sources) {
        if (call.stopped) break;
        if (cancelRequest.load() != 0) {
            fail("cancelled");
            break;
        }
        if (one(source, call) == kExitSuccess) {
            succeeded++;
        } else {
            failed++;
        }
    }
    const size_t skipped = options.sources.size() - succeeded - failed;
    if (severalFiles(call)) std::fprintf(stderr, "ept: %s\n", summaryLine(succeeded, failed, skipped).c_str());
    return succeeded == options.sources.size() ? kExitSuccess : kExitFailure;
}

}  // namespace

int encryptCommand(const CommandOptions& options) { return eachFile(options, encryptOne); }

int decryptCommand(const CommandOptions& options) { return eachFile(options, decryptOne); }

int infoCommand(const std::string& path) {
    const std::string problem = sourceProblem(path);
    if (!problem.empty()) return fail(problem);
    FileHeader header;
    if (!hasHeader(path, header)) return fail(shown(path) + " is not an encrypted file");
    const HeaderFields fields = readHeaderFields(header);
    if (fields.problem != HeaderProblem::None) return fail(headerProblemText(path, header, fields.problem));
    std::printf("stored name: %s\n", shown(fields.storedName).c_str());
    std::printf("password:    %s\n", fields.password.empty() ? "no" : "yes");
    std::printf("body:        %llu bytes\n", static_cast<unsigned long long>(fileSize(path) - kHeaderSize));
    return std::fflush(stdout) == 0 ? kExitSuccess : kExitFailure;
}
