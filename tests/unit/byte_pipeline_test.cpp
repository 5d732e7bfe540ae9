#include "main/byte_pipeline.h"

#include <gtest/gtest.h>

#include <sys/types.h>
#include <cstdio>
#include <vector>

#include "main/cipher.h"
#include "tests/unit/temp_folder.h"

namespace {

struct StreamResult {
    PipelineResult result;
    uint64_t done;
    std::vector<unsigned char> output;
};

// `before` is written to the destination first, as a run writes the header.
StreamResult runThrough(const std::vector<unsigned char>& input, const unsigned char (&table)[256], int cancel = 0,
                        size_t before = 0) {
    std::FILE* source = std::tmpfile();
    std::FILE* destination = std::tmpfile();
    if (!input.empty()) std::fwrite(input.data(), 1, input.size(), source);
    for (size_t i = 0; i < before; i++) std::fputc(0xCC, destination);
    std::rewind(source);
    std::atomic<uint64_t> done{0};
    std::atomic<int> cancelFlag{cancel};
    StreamResult r{transformStream(source, destination, table, done, cancelFlag), done.load(), {}};
    std::fflush(destination);
    std::fseek(destination, static_cast<long>(before), SEEK_SET);
    unsigned char buffer[4096];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, destination)) > 0;) {
        r.output.insert(r.output.end(), buffer, buffer + got);
    }
    std::fclose(source);
    std::fclose(destination);
    return r;
}

// Every byte value at every position modulo 16, in lengths around the step size
// and the block size: the output must be exactly the byte-by-byte lookup.
TEST(BytePipeline, SameAsAByteLoopForEveryLength) {
    const size_t b = kPipelineBlockSize;
    const size_t lengths[] = {0, 1, 7, 8, 9, 15, 16, 17, 255, 256, 257, 2048 + 3, b - 1, b, b + 1, 3 * b + 5};
    for (size_t length : lengths) {
        std::vector<unsigned char> input(length);
        for (size_t i = 0; i < length; i++) input[i] = static_cast<unsigned char>(i * 167 + i / 256);
        for (const auto* table : {&kEncryptTable, &kDecryptTable}) {
            const StreamResult r = runThrough(input, *table);
            EXPECT_EQ(r.result, PipelineResult::Done) << "length " << length;
            EXPECT_EQ(r.done, length) << "counted bytes for length " << length;
            ASSERT_EQ(r.output.size(), length) << "output length for input length " << length;
            for (size_t i = 0; i < length; i++) {
                ASSERT_EQ(r.output[i], (*table)[input[i]]) << "byte " << i << " of " << length;
            }
        }
    }
}

// Behind a header the first block is shorter, so that later writes start at block
// multiples of the destination: lengths around those ends, and a destination
// already a block or more long.
TEST(BytePipeline, SameAsAByteLoopBehindAHeader) {
    const size_t b = kPipelineBlockSize;
    const size_t h = 164;
    const size_t lengths[] = {0, 1, b - h - 1, b - h, b - h + 1, 2 * b - h - 1, 2 * b - h, 2 * b - h + 1, 3 * b + 7};
    const std::vector<unsigned char> random = randomBytes(3 * b + 7, 5);
    for (size_t before : {h, b, b + h}) {
        for (size_t length : lengths) {
            const std::vector<unsigned char> input(random.begin(), random.begin() + length);
            const StreamResult r = runThrough(input, kDecryptTable, 0, before);
            EXPECT_EQ(r.result, PipelineResult::Done) << before << " before, length " << length;
            EXPECT_EQ(r.done, length) << before << " before, length " << length;
            ASSERT_EQ(r.output.size(), length) << before << " before, length " << length;
            for (size_t i = 0; i < length; i++) {
                ASSERT_EQ(r.output[i], kDecryptTable[input[i]])
                    << "byte " << i << " of " << length << ", " << before << " before";
            }
        }
    }
}

// A destination stream that notes where each write call starts.
struct WriteLog {
    uint64_t position = 0;
    std::vector<uint64_t> starts;
    std::vector<size_t> sizes;
};

std::FILE* loggingStream(WriteLog& log) {
    cookie_io_functions_t functions{};
    functions.write = [](void* cookie, const char*, size_t size) -> ssize_t {
        WriteLog& l = *static_cast<WriteLog*>(cookie);
        l.starts.push_back(l.position);
        l.sizes.push_back(size);
        l.position += size;
        return static_cast<ssize_t>(size);
    };
    functions.seek = [](void* cookie, off64_t* offset, int whence) -> int {
        WriteLog& l = *static_cast<WriteLog*>(cookie);
        if (whence != SEEK_CUR || *offset != 0) return -1;  // only asked where it stands
        *offset = static_cast<off64_t>(l.position);
        return 0;
    };
    std::FILE* stream = fopencookie(&log, "wb", functions);
    if (stream) std::setvbuf(stream, nullptr, _IONBF, 0);
    return stream;
}

TEST(BytePipeline, WritesBehindAHeaderStartAtBlockMultiplesAfterTheFirst) {
    const size_t b = kPipelineBlockSize;
    const std::vector<unsigned char> data = randomBytes(3 * b + 1000, 9);
    std::FILE* source = std::tmpfile();
    std::fwrite(data.data(), 1, data.size(), source);
    std::rewind(source);
    WriteLog log;
    std::FILE* destination = loggingStream(log);
    ASSERT_NE(destination, nullptr);
    ASSERT_EQ(std::fwrite(data.data(), 1, 164, destination), 164u);  // the header
    std::atomic<uint64_t> done{0};
    std::atomic<int> cancel{0};
    EXPECT_EQ(transformStream(source, destination, kEncryptTable, done, cancel), PipelineResult::Done);
    std::fclose(source);
    std::fclose(destination);
    ASSERT_EQ(log.starts.size(), 5u) << "the header, a shortened block, two whole blocks, the rest";
    EXPECT_EQ(log.sizes[1], b - 164);
    for (size_t i = 2; i < log.starts.size(); i++) EXPECT_EQ(log.starts[i] % b, 0u) << "write " << i;
    EXPECT_EQ(log.position, 164 + data.size());
}

TEST(BytePipeline, EveryByteValueMapsToADifferentValue) {
    std::vector<unsigned char> all(256);
    for (int v = 0; v < 256; v++) all[v] = static_cast<unsigned char>(v);
    const StreamResult r = runThrough(all, kEncryptTable);
    ASSERT_EQ(r.output.size(), 256u);
    bool seen[256] = {};
    for (int v = 0; v < 256; v++) {
        EXPECT_NE(r.output[v], v) << "the table maps no byte to itself";
        EXPECT_FALSE(seen[r.output[v]]) << "value " << int(r.output[v]) << " twice";
        seen[r.output[v]] = true;
    }
    const StreamResult back = runThrough(r.output, kDecryptTable);
    EXPECT_EQ(back.output, all);

    const StreamResult zeros = runThrough(std::vector<unsigned char>(1000, 0), kEncryptTable);
    EXPECT_EQ(zeros.output, std::vector<unsigned char>(1000, kEncryptTable[0]));
}

TEST(BytePipeline, CancelBeforeTheFirstBlockWritesNothing) {
    const StreamResult r = runThrough(std::vector<unsigned char>(1000, 7), kEncryptTable, 13);
    EXPECT_EQ(r.result, PipelineResult::Cancelled);
    EXPECT_EQ(r.done, 0u);
    EXPECT_TRUE(r.output.empty()) << r.output.size() << " bytes written after a cancel";
}

TEST(BytePipeline, FailedWriteIsReported) {
    std::FILE* full = std::fopen("/dev/full", "wb");
    if (!full) GTEST_SKIP() << "no /dev/full on this system";
    std::FILE* source = std::tmpfile();
    const std::vector<unsigned char> data(3 * kPipelineBlockSize, 1);
    std::fwrite(data.data(), 1, data.size(), source);
    std::rewind(source);
    std::atomic<uint64_t> done{0};
    std::atomic<int> cancel{0};
    EXPECT_EQ(transformStream(source, full, kEncryptTable, done, cancel), PipelineResult::WriteFailed);
    EXPECT_LT(done.load(), data.size()) << "bytes that were never written are not counted";
    std::fclose(source);
    std::fclose(full);
}

TEST(BytePipeline, FailedReadIsReported) {
    TempFolder folder;
    // Reading a folder as a stream opens on Linux and fails on the first read.
    std::FILE* source = std::fopen(folder.path().c_str(), "rb");
    if (!source) GTEST_SKIP() << "this system does not open folders as streams";
    std::FILE* destination = std::tmpfile();
    std::atomic<uint64_t> done{0};
    std::atomic<int> cancel{0};
    EXPECT_EQ(transformStream(source, destination, kEncryptTable, done, cancel), PipelineResult::ReadFailed);
    std::fclose(source);
    std::fclose(destination);
}

}  // namespace
