// Moves a stream through a substitution table in blocks. Both runs use it, in the
// main program and in the ept tool. Another thread may read the done counter and
// set the cancel flag while it runs; neither needs a lock.
#pragma once

#include <atomic>
#include <cstdint>
#include <cstdio>

// The counter is updated and the cancel flag tested once per block. 256 KiB keeps
// the block, and the pair table below, inside the processor's second-level cache:
// larger blocks measured slower, smaller ones cost more calls.
constexpr size_t kPipelineBlockSize = 256 * 1024;

enum class PipelineResult { Done, Cancelled, ReadFailed, WriteFailed };

// Reads source to its end, writes table[b] for every byte b, adds each block to
// doneBytes after it was written, and stops before the next block once
// cancelFlag is nonzero. The writes run on a thread of its own, which has ended
// by the return. Memory use is two blocks and one 128 KiB pair table, whatever
// the stream size.
PipelineResult transformStream(std::FILE* source, std::FILE* destination, const unsigned char (&table)[256],
                               std::atomic<uint64_t>& doneBytes, const std::atomic<int>& cancelFlag);
