#include "tools/ept/progress_line.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

std::string speedText(double bytesPerSecond) {
    const char* units[] = {"B/s", "KiB/s", "MiB/s", "GiB/s"};
    int unit = 0;
    while (bytesPerSecond >= 1024 && unit < 3) {
        bytesPerSecond /= 1024;
        unit++;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %s", bytesPerSecond, units[unit]);
    return text;
}

std::string durationText(uint64_t seconds) {
    char text[32];
    if (seconds >= 3600) {
        std::snprintf(text, sizeof text, "%llu:%02u:%02u", static_cast<unsigned long long>(seconds / 3600),
                      static_cast<unsigned>(seconds / 60 % 60), static_cast<unsigned>(seconds % 60));
    } else {
        std::snprintf(text, sizeof text, "%u:%02u", static_cast<unsigned>(seconds / 60),
                      static_cast<unsigned>(seconds % 60));
    }
    return text;
}

}  // namespace

std::string progressLine(uint64_t doneBytes, uint64_t totalBytes, double seconds) {
    const double done = static_cast<double>(doneBytes), total = static_cast<double>(totalBytes);
    const unsigned percent = doneBytes >= totalBytes ? 100u : static_cast<unsigned>(done * 100.0 / total);
    char head[16];
    std::snprintf(head, sizeof head, "%3u%%", percent);
    // Too early for a speed worth showing: the first blocks come from the cache.
    if (seconds < 0.2 || doneBytes == 0) return std::string(head) + "   --   --:-- left";
    const double speed = done / seconds;
    const uint64_t left = doneBytes >= totalBytes ? 0 : static_cast<uint64_t>((total - done) / speed + 0.5);
    return std::string(head) + "   " + speedText(speed) + "   " + durationText(left) + " left";
}

ProgressDisplay::ProgressDisplay(const std::atomic<uint64_t>& doneBytes, uint64_t totalBytes, std::string label)
    : doneBytes_(doneBytes),
      totalBytes_(totalBytes),
      label_(label.empty() ? label : label + "  "),
      active_(::isatty(STDERR_FILENO) == 1) {
    if (active_) thread_ = std::thread(&ProgressDisplay::run, this);
}

ProgressDisplay::~ProgressDisplay() { finish(false); }

void ProgressDisplay::run() {
    const Clock::time_point start = Clock::now();
    Clock::time_point nextDraw = start;
    while (!stop_.load()) {
        const Clock::time_point now = Clock::now();
        if (now >= nextDraw) {
            draw(progressLine(doneBytes_.load(), totalBytes_, std::chrono::duration<double>(now - start).count()));
            nextDraw = now + std::chrono::milliseconds(250);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

void ProgressDisplay::draw(const std::string& line) {
    // Blanks after the text wipe out a longer line drawn before.
    std::fprintf(stderr, "\r%s%s        ", label_.c_str(), line.c_str());
    std::fflush(stderr);
}

void ProgressDisplay::finish(bool completed) {
    if (!active_) return;
    active_ = false;
    stop_ = true;
    thread_.join();
    if (completed) draw("100%   done");
    std::fputc('\n', stderr);
}
