#include "main/byte_pipeline.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "main/substitution.h"

namespace {

// Blocks in turn between this thread, which reads and substitutes, and a writer
// thread: the system's copy of one block from the source runs while it copies
// another to the destination. Four rather than two, so that neither thread waits
// for the other whenever that one waits for a core: on a loaded machine four
// blocks ran at 1.14 to 1.28 of dd bs=256K's throughput, two at 1.06 to 1.14.
constexpr unsigned kBlocks = 4;
class BlockHandoff {
public:
    explicit BlockHandoff(std::FILE* destination, std::atomic<uint64_t>& doneBytes)
        : destination_(destination), doneBytes_(doneBytes), writer_(&BlockHandoff::writeBlocks, this) {}

    ~BlockHandoff() { finish(); }

    // The block this thread may fill next, once the writer has let it go; null
    // after a failed write.
    unsigned char* nextFreeBlock() {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [&] { return filled_[next_] == 0 || writeFailed_; });
        return writeFailed_ ? nullptr : blocks_[next_].bytes;
    }

    // Hands the block from nextFreeBlock, with `count` bytes in it, to the writer.
    void passToWriter(size_t count) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            filled_[next_] = count;
        }
        changed_.notify_all();
        next_ = (next_ + 1) % kBlocks;
    }

    // Waits until every block handed over is written; false if a write failed.
    bool finish() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            noMoreBlocks_ = true;
        }
        changed_.notify_all();
        if (writer_.joinable()) writer_.join();
        return !writeFailed_;
    }

private:
    void writeBlocks() {
        for (unsigned turn = 0;; turn = (turn + 1) % kBlocks) {
            size_t count;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                changed_.wait(lock, [&] { return filled_[turn] != 0 || noMoreBlocks_; });
                count = filled_[turn];
                if (count == 0) return;  // blocks are handed over in turn: none left
            }
            const bool written = std::fwrite(blocks_[turn].bytes, 1, count, destination_) == count;
            if (written) doneBytes_.fetch_add(count, std::memory_order_relaxed);
            {
                std::lock_guard<std::mutex> lock(mutex_);
                filled_[turn] = 0;
                writeFailed_ = !written;
            }
            changed_.notify_all();
            if (!written) return;
        }
    }

    std::FILE* destination_;
    std::atomic<uint64_t>& doneBytes_;
    // On a cache line: the vector kernels' loads and stores then never straddle two.
    struct alignas(64) Block {
        unsigned char bytes[kPipelineBlockSize];
    };
    std::unique_ptr<Block[]> blocks_{new Block[kBlocks]};
    std::mutex mutex_;
    std::condition_variable changed_;
    size_t filled_[kBlocks] = {};  // bytes waiting to be written; 0 when free
    bool noMoreBlocks_ = false;
    bool writeFailed_ = false;
    unsigned next_ = 0;   // only this thread's
    std::thread writer_;  // last: starts once everything above is set up
};

}  // namespace

PipelineResult transformStream(std::FILE* source, std::FILE* destination, const unsigned char (&table)[256],
                               std::atomic<uint64_t>& doneBytes, const std::atomic<int>& cancelFlag) {
    const Substitution substitution(table);
    BlockHandoff handoff(destination, doneBytes);
    PipelineResult result = PipelineResult::Done;
    // The first block is shortened so that every later write starts at a multiple
    // of the block size in the destination (an encrypted file's header puts its
    // body at 164): writes of whole pages measured faster than writes across them.
    const long destinationOffset = std::ftell(destination);
    size_t want = kPipelineBlockSize;
    if (destinationOffset > 0) want -= static_cast<size_t>(destinationOffset) % kPipelineBlockSize;
    for (;;) {
        if (cancelFlag.load(std::memory_order_relaxed) != 0) {
            result = PipelineResult::Cancelled;
            break;
        }
        unsigned char* block = handoff.nextFreeBlock();
        if (block == nullptr) break;  // the write failure is reported below
        const size_t got = std::fread(block, 1, want, source);
        if (got > 0) {
            substitution.apply(block, got);
            handoff.passToWriter(got);
        }
        if (got < want) {
            if (std::ferror(source)) result = PipelineResult::ReadFailed;
            break;
        }
        want = kPipelineBlockSize;
    }
    if (!handoff.finish()) return PipelineResult::WriteFailed;
    return result;
}
