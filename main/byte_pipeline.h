// Moves a stream through a substitution table in blocks. Both runs use it, in the
// main program and in the ept tool. Another thread may read the done counter and
// set the cancel flag while it runs; neither needs a lock.
#pragma once

#include <atomic>
#include <cstdint>
#include <cstdio>

// The counter is updated and the cancel flag tested once per block. With the
// vector kernels the substitution costs almost nothing next to the system's two
// copies of each block, so the size was measured again (AMD EPYC, Zen 4, Linux
// 6.18 under KVM, cached 512 MiB files, bench/run.sh): with the four blocks in
// flight of byte_pipeline.cpp, 256 KiB ran at 1.3 times dd bs=256K's throughput
// in both directions. Larger blocks make the system keep the new file in larger
// page-cache pieces: with 512 KiB or 1 MiB a run that followed another program
// was often three to eight times slower there, all of it in the system's copy
// into those pieces. Smaller blocks cost more calls and hand-overs.
constexpr size_t kPipelineBlockSize = 256 * 1024;

enum class PipelineResult { Done, Cancelled, ReadFailed, WriteFailed };

// Reads source to its end, writes table[b] for every byte b, adds each block to
// doneBytes after it was written, and stops before the next block once
// cancelFlag is nonzero. When the destination already holds bytes (a header), the
// first block is shorter, so that each later write starts at a multiple of the
// block size in the destination. The substitution is the fastest kernel this
// processor runs (main/substitution.h). The writes run on a thread of their own,
// which has ended by the return. Memory use is four blocks (and 128 KiB for the
// pair table where no vector kernel runs), whatever the stream size.
PipelineResult transformStream(std::FILE* source, std::FILE* destination, const unsigned char (&table)[256],
                               std::atomic<uint64_t>& doneBytes, const std::atomic<int>& cancelFlag);
