#include "main/byte_pipeline.h"

#include <memory>

PipelineResult transformStream(std::FILE* source, std::FILE* destination, const unsigned char (&table)[256],
                               std::atomic<uint64_t>& doneBytes, const std::atomic<int>& cancelFlag) {
    std::unique_ptr<unsigned char[]> block(new unsigned char[kPipelineBlockSize]);
    for (;;) {
        if (cancelFlag.load(std::memory_order_relaxed) != 0) return PipelineResult::Cancelled;
        const size_t got = std::fread(block.get(), 1, kPipelineBlockSize, source);
        if (got == 0) return std::ferror(source) ? PipelineResult::ReadFailed : PipelineResult::Done;
        unsigned char* p = block.get();
        for (size_t i = 0; i < got; i++) p[i] = table[p[i]];
        if (std::fwrite(p, 1, got, destination) != got) return PipelineResult::WriteFailed;
        doneBytes.fetch_add(got, std::memory_order_relaxed);
        if (got < kPipelineBlockSize) {
            if (std::ferror(source)) return PipelineResult::ReadFailed;
            if (std::feof(source)) return PipelineResult::Done;
        }
    }
}
