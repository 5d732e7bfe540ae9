#include "main/byte_pipeline.h"

#include <cstring>
#include <memory>

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

}  // namespace

PipelineResult transformStream(std::FILE* source, std::FILE* destination, const unsigned char (&table)[256],
                               std::atomic<uint64_t>& doneBytes, const std::atomic<int>& cancelFlag) {
    std::unique_ptr<unsigned char[]> block(new unsigned char[kPipelineBlockSize]);
    std::unique_ptr<PairTable> pairs(new PairTable);
    buildPairTable(table, *pairs);
    for (;;) {
        if (cancelFlag.load(std::memory_order_relaxed) != 0) return PipelineResult::Cancelled;
        const size_t got = std::fread(block.get(), 1, kPipelineBlockSize, source);
        if (got == 0) return std::ferror(source) ? PipelineResult::ReadFailed : PipelineResult::Done;
        substitute(block.get(), got, *pairs, table);
        if (std::fwrite(block.get(), 1, got, destination) != got) return PipelineResult::WriteFailed;
        doneBytes.fetch_add(got, std::memory_order_relaxed);
        if (got < kPipelineBlockSize) {
            if (std::ferror(source)) return PipelineResult::ReadFailed;
            if (std::feof(source)) return PipelineResult::Done;
        }
    }
}
