#include "tools/ept/password_input.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

bool readPasswordLine(std::FILE* stream, std::string& password) {
    password.clear();
    int c;
    bool sawLineEnd = false;
    while ((c = std::getc(stream)) != EOF) {
        if (c == '\n') {
            sawLineEnd = true;
            break;
        }
        password.push_back(static_cast<char>(c));
    }
    if (!password.empty() && password.back() == '\r') password.pop_back();
    return sawLineEnd || !password.empty();
}

namespace {

void writeAll(int fd, const std::string& text) {
    for (size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        done += static_cast<size_t>(n);
    }
}

}  // namespace

TerminalRead readHiddenLine(const std::string& prompt, std::string& line, const std::atomic<int>& interrupted) {
    line.clear();
    const int tty = ::open("/dev/tty", O_RDWR | O_CLOEXEC);
    if (tty < 0) return TerminalRead::NoTerminal;
    termios saved;
    if (::tcgetattr(tty, &saved) != 0) {
        ::close(tty);
        return TerminalRead::NoTerminal;
    }
    termios quiet = saved;
    quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
    quiet.c_lflag |= ECHONL;  // the line end still shows, so the next output starts on a fresh line
    ::tcsetattr(tty, TCSAFLUSH, &quiet);
    writeAll(tty, prompt);

    TerminalRead result = TerminalRead::Read;
    for (;;) {
        char c;
        const ssize_t n = ::read(tty, &c, 1);
        if (n < 0 && errno == EINTR) {
            if (interrupted.load() != 0) {
                result = TerminalRead::Interrupted;
                break;
            }
            continue;
        }
        if (n <= 0) {
            result = TerminalRead::Ended;
            break;
        }
        if (c == '\n') break;
        line.push_back(c);
    }
    ::tcsetattr(tty, TCSAFLUSH, &saved);
    if (result != TerminalRead::Read) writeAll(tty, "\n");
    ::close(tty);
    return result;
}
