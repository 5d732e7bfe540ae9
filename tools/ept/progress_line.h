// The progress line ept shows on a terminal while a file is processed:
// "  42%   312.5 MiB/s   0:03 left".
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

std::string progressLine(uint64_t doneBytes, uint64_t totalBytes, double seconds);

// Redraws the line on standard error about four times a second from its own
// thread, reading the run's counter as the progress window does. Does nothing
// when standard error is not a terminal. A label (the file's name) goes in front.
class ProgressDisplay {
public:
    ProgressDisplay(const std::atomic<uint64_t>& doneBytes, uint64_t totalBytes, std::string label = std::string());
    ~ProgressDisplay();
    // Stops the thread; after a completed run the line shows 100 percent.
    void finish(bool completed);

private:
    void run();
    void draw(const std::string& line);

    const std::atomic<uint64_t>& doneBytes_;
    const uint64_t totalBytes_;
    const std::string label_;
    std::atomic<bool> stop_{false};
    bool active_ = false;
    std::thread thread_;
};
