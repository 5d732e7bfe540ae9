#include "main/byte_pipeline.h"

#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>

namespace {

// The table applied to two bytes at once: half as many lookups as bytes, which is
// what the loop spends its time on. Built from the byte table at the start of each
// stream. Key and entry are two bytes in memory order, and the loop below takes
// words apart and puts them together with the same shifts, so this holds on
// either byte order.
struct PairTable {
    uint16_t entries[65536];
};

void buildPairTable(const unsigned char (&table)[256], PairTable& pairs) {
    for (unsigned first = 0; first < 256; first++) {
        for (unsigned second = 0; second < 256; second++) {
            const unsigned char in[2] = {static_cast<unsigned char>(first), static_cast<unsigned char>(second)};
            const unsigned char out[2] = {table[first], table[second]};
            uint16_t key, value;
            std::memcpy(&key, in, 2);
            std::memcpy(&value, out, 2);
            pairs.entries[key] = value;
        }
    }
}

uint64_t substituteWord(const PairTable& pairs, uint64_t in) {
    return uint64_t(pairs.entries[in & 0xFFFF]) | uint64_t(pairs.entries[(in >> 16) & 0xFFFF]) << 16 |
           uint64_t(pairs.entries[(in >> 32) & 0xFFFF]) << 32 | uint64_t(pairs.entries[in >> 48]) << 48;
}

void substitute(unsigned char* bytes, size_t count, const PairTable& pairs, const unsigned char (&table)[256]) {
    size_t i = 0;
    // Sixteen bytes per step as two words, taken apart and put together in
    // registers: two independent words keep more lookups in flight, and loading
    // the pairs one by one from memory would stall on the store before it.
    for (; i + 16 <= count; i += 16) {
        uint64_t first, second;
        std::memcpy(&first, bytes + i, 8);
        std::memcpy(&second, bytes + i + 8, 8);
        first = substituteWord(pairs, first);
        second = substituteWord(pairs, second);
        std::memcpy(bytes + i, &first, 8);
        std::memcpy(bytes + i + 8, &second, 8);
    }
    for (; i < count; i++) bytes[i] = table[bytes[i]];
}

// Two blocks in turn between this thread, which reads and substitutes, and a
// writer thread: the substitution of one block runs while the system copies the
// other to the destination, which on two cores takes most of the table's cost
// off the run's time.
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
        return writeFailed_ ? nullptr : blocks_[next_].get();
    }

    // Hands the block from nextFreeBlock, with `count` bytes in it, to the writer.
    void passToWriter(size_t count) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            filled_[next_] = count;
        }
        changed_.notify_all();
        next_ ^= 1;
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
        for (unsigned turn = 0;; turn ^= 1) {
            size_t count;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                changed_.wait(lock, [&] { return filled_[turn] != 0 || noMoreBlocks_; });
                count = filled_[turn];
                if (count == 0) return;  // blocks are handed over in turn: none left
            }
            const bool written = std::fwrite(blocks_[turn].get(), 1, count, destination_) == count;
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
    std::unique_ptr<unsigned char[]> blocks_[2] = {std::unique_ptr<unsigned char[]>(new unsigned char[kPipelineBlockSize]),
                                                   std::unique_ptr<unsigned char[]>(new unsigned char[kPipelineBlockSize])};
    std::mutex mutex_;
    std::condition_variable changed_;
    size_t filled_[2] = {0, 0};  // bytes waiting to be written; 0 when free
    bool noMoreBlocks_ = false;
    bool writeFailed_ = false;
    unsigned next_ = 0;  // only this thread's
    std::thread writer_;  // last: starts once everything above is set up
};

}  // namespace

PipelineResult transformStream(std::FILE* source, std::FILE* destination, const unsigned char (&table)[256],
                               std::atomic<uint64_t>& doneBytes, const std::atomic<int>& cancelFlag) {
    std::unique_ptr<PairTable> pairs(new PairTable);
    buildPairTable(table, *pairs);
    BlockHandoff handoff(destination, doneBytes);
    PipelineResult result = PipelineResult::Done;
    for (;;) {
        if (cancelFlag.load(std::memory_order_relaxed) != 0) {
            result = PipelineResult::Cancelled;
            break;
        }
        unsigned char* block = handoff.nextFreeBlock();
        if (block == nullptr) break;  // the write failure is reported below
        const size_t got = std::fread(block, 1, kPipelineBlockSize, source);
        if (got > 0) {
            substitute(block, got, *pairs, table);
            handoff.passToWriter(got);
        }
        if (got < kPipelineBlockSize) {
            if (std::ferror(source)) result = PipelineResult::ReadFailed;
            break;
        }
    }
    if (!handoff.finish()) return PipelineResult::WriteFailed;
    return result;
}
