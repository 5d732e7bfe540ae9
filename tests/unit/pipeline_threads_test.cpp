// The run as the main program drives it: the run on one thread, the progress
// window polling the counter on another, and a cancel from a third. Built into its
// own program so that the ThreadSanitizer build runs exactly this.
#include "main/file_run.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#include <vector>

#include "main/byte_pipeline.h"
#include "main/file_format.h"
#include "tests/unit/temp_folder.h"

namespace {

struct Counters {
    std::atomic<uint64_t> done{0};
    std::atomic<int> cancel{0};
    std::atomic<unsigned> polls{0};  // the poller's samples so far
};

void waitFor(const std::atomic<uint64_t>& done, uint64_t count) {
    while (done.load() < count) std::this_thread::sleep_for(std::chrono::microseconds(200));
}

// Writes whole blocks into the pipe until the run has counted all of them that it
// can, cancels, then sends `tail` more bytes and closes. The run's first block is
// shorter by the header (so that its later writes start at multiples of the block
// size in the encrypted file), so the last kHeaderSize bytes wait in the pipe for
// a block to fill. The run cannot finish before the close, so whatever it does
// with them and the tail, it has seen the cancel by then.
void feedThenCancel(const std::string& fifo, Counters& counters, size_t blocks, size_t tail) {
    const int fd = ::open(fifo.c_str(), O_WRONLY);
    if (fd < 0) return;
    const std::vector<unsigned char> block(kPipelineBlockSize, 0x5A);
    for (size_t i = 0; i < blocks; i++) {
        for (size_t off = 0; off < block.size();) {
            const ssize_t n = ::write(fd, block.data() + off, block.size() - off);
            if (n <= 0) break;
            off += static_cast<size_t>(n);
        }
    }
    waitFor(counters.done, blocks * kPipelineBlockSize - kHeaderSize);
    // And the poller has read the counter while the run goes on, however late its
    // thread got a core.
    while (counters.polls.load() == 0) std::this_thread::sleep_for(std::chrono::microseconds(200));
    counters.cancel.store(13);
    if (tail > 0) (void)!::write(fd, block.data(), tail);  // with the header's worth, less than a pipe holds
    ::close(fd);
}

struct PollResult {
    unsigned samples = 0;
    bool wentBack = false;
    uint64_t highest = 0;
};

// What the progress window does: read the counter on its own timer.
void poll(Counters& counters, const std::atomic<bool>& finished, PollResult& result) {
    uint64_t last = 0;
    while (!finished.load()) {
        const uint64_t now = counters.done.load();
        if (now < last) result.wentBack = true;
        last = now;
        result.samples++;
        counters.polls.fetch_add(1);
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    result.highest = last;
}

struct CancelCase {
    const char* what;
    size_t blocks;
    size_t tail;
};

TEST(PipelineThreads, CancelStopsTheRunAndRemovesItsOutput) {
    const CancelCase cases[] = {
        {"cancel while more data is on its way", 6, 1000},
        {"cancel after the last byte was counted", 3, 0},
    };
    for (const CancelCase& c : cases) {
        TempFolder folder;
        const std::string fifo = folder / "source";
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

        Counters counters;
        std::atomic<bool> finished{false};
        PollResult polled;
        std::thread feeder(feedThenCancel, fifo, std::ref(counters), c.blocks, c.tail);
        std::thread poller(poll, std::ref(counters), std::cref(finished), std::ref(polled));
        const RunStatus status =
            encryptFile(fifo, folder / "out.ept", "pw", RunCounters{counters.done, counters.cancel});
        finished = true;
        feeder.join();
        poller.join();

        EXPECT_EQ(status, RunStatus::Cancelled) << c.what;
        const uint64_t fed = c.blocks * kPipelineBlockSize;
        // All that was counted before the cancel; the header's worth left in the
        // pipe may or may not be taken, as the cancel comes before or after the
        // run asks for its next block.
        EXPECT_GE(counters.done.load(), fed - kHeaderSize) << c.what;
        EXPECT_LE(counters.done.load(), fed + c.tail) << c.what << ": at most the block in flight after the cancel";
        EXPECT_FALSE(polled.wentBack) << c.what << ": the counter never goes back";
        EXPECT_LE(polled.highest, counters.done.load()) << c.what;
        EXPECT_GT(polled.samples, 0u) << c.what;
        EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"source"})) << c.what << ": no output is left";
    }
}

}  // namespace
