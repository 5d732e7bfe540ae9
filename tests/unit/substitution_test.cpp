// Every substitution kernel against the table itself, byte for byte: every byte
// value at every position within the widest vector, every length and start
// offset around the vector widths, random data, both tables. A kernel this
// processor does not run is skipped, with the reason.
#include "main/substitution.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main/cipher.h"
#include "tests/unit/temp_folder.h"

namespace {

constexpr size_t kWidest = 64;  // bytes of the widest vector (AVX-512)
constexpr size_t kGuard = 2 * kWidest;
constexpr unsigned char kGuardByte = 0xA5;

struct NamedTable {
    const char* name;
    const unsigned char (*table)[256];
};
const NamedTable kTables[] = {{"encrypt", &kEncryptTable}, {"decrypt", &kDecryptTable}};

class KernelTest : public ::testing::TestWithParam<SubstitutionKernel> {
protected:
    void SetUp() override {
        if (!kernelRuns(GetParam())) {
            GTEST_SKIP() << kernelName(GetParam()) << ": " << whyKernelDoesNotRun(GetParam());
        }
    }
};

// Puts `input` through the kernel at `offset` bytes past a 64-byte boundary,
// with guard bytes on both sides, and checks every byte against the table and
// that no guard byte changed. Returns false after the first failure.
bool sameAsTable(const Substitution& substitution, const unsigned char (&table)[256],
                 const std::vector<unsigned char>& input, size_t offset, const std::string& what) {
    std::vector<unsigned char> storage(kGuard + kWidest + input.size() + kGuard, kGuardByte);
    unsigned char* base = storage.data() + kGuard;
    base += (kWidest - reinterpret_cast<uintptr_t>(base) % kWidest) % kWidest;  // on a 64-byte boundary
    unsigned char* bytes = base + offset;
    std::copy(input.begin(), input.end(), bytes);
    substitution.apply(bytes, input.size());
    for (size_t i = 0; i < input.size(); i++) {
        if (bytes[i] != table[input[i]]) {
            ADD_FAILURE() << what << ": byte " << i << " of " << input.size() << " (value " << int(input[i])
                          << ") became " << int(bytes[i]) << ", the table says " << int(table[input[i]]);
            return false;
        }
    }
    for (unsigned char* p = storage.data(); p < storage.data() + storage.size(); p++) {
        if (p >= bytes && p < bytes + input.size()) continue;
        if (*p != kGuardByte) {
            ADD_FAILURE() << what << ": a byte outside the buffer changed, " << (p - bytes) << " from its start";
            return false;
        }
    }
    return true;
}

// Each value 0..255 twice in a row, starting at each offset within the widest
// vector: every value passes through every lane of every kernel.
TEST_P(KernelTest, EveryValueInEveryLane) {
    std::vector<unsigned char> values(512);
    for (size_t i = 0; i < values.size(); i++) values[i] = static_cast<unsigned char>(i);
    for (const NamedTable& t : kTables) {
        const Substitution substitution(*t.table, GetParam());
        ASSERT_EQ(substitution.kernel(), GetParam());
        for (size_t offset = 0; offset < kWidest; offset++) {
            ASSERT_TRUE(sameAsTable(substitution, *t.table, values, offset,
                                    std::string(t.name) + ", offset " + std::to_string(offset)));
        }
    }
}

// Every length up to three of the widest vectors and a little more, at every
// start offset within one: the vector steps, the two-vector steps and the ends.
TEST_P(KernelTest, EveryLengthAtEveryOffset) {
    const std::vector<unsigned char> random = randomBytes(3 * kWidest + 17, 13);
    for (const NamedTable& t : kTables) {
        const Substitution substitution(*t.table, GetParam());
        for (size_t length = 0; length <= random.size(); length++) {
            const std::vector<unsigned char> input(random.begin(), random.begin() + length);
            for (size_t offset = 0; offset < kWidest; offset++) {
                ASSERT_TRUE(sameAsTable(
                    substitution, *t.table, input, offset,
                    std::string(t.name) + ", length " + std::to_string(length) + ", offset " + std::to_string(offset)));
            }
        }
    }
}

// Lengths around the vector widths and their multiples, a few hundred kilobytes
// of random data, and runs of one value.
TEST_P(KernelTest, RandomDataOfManyLengths) {
    const std::vector<unsigned char> random = randomBytes(256 * 1024 + 200, 7);
    std::vector<size_t> lengths;
    for (size_t width : {16, 32, 64, 128, 4096, 256 * 1024}) {
        for (size_t around : {width - 1, width, width + 1, 3 * width - 1, 3 * width + 1}) {
            if (around <= random.size()) lengths.push_back(around);
        }
    }
    lengths.push_back(random.size());
    for (const NamedTable& t : kTables) {
        const Substitution substitution(*t.table, GetParam());
        for (size_t length : lengths) {
            const std::vector<unsigned char> input(random.begin(), random.begin() + length);
            for (size_t offset : {0, 1, 15, 31, 33, 63}) {
                ASSERT_TRUE(sameAsTable(substitution, *t.table, input, offset,
                                        std::string(t.name) + ", random, length " + std::to_string(length) +
                                            ", offset " + std::to_string(offset)));
            }
        }
        for (int value : {0x00, 0x7F, 0x80, 0xFF}) {
            ASSERT_TRUE(sameAsTable(substitution, *t.table,
                                    std::vector<unsigned char>(1000, static_cast<unsigned char>(value)), 5,
                                    std::string(t.name) + ", 1000 times " + std::to_string(value)));
        }
    }
}

TEST_P(KernelTest, DecryptingTheEncryptedBytesGivesThemBack) {
    const std::vector<unsigned char> original = randomBytes(100000, 21);
    std::vector<unsigned char> bytes = original;
    Substitution(kEncryptTable, GetParam()).apply(bytes.data(), bytes.size());
    EXPECT_NE(bytes, original);
    Substitution(kDecryptTable, GetParam()).apply(bytes.data(), bytes.size());
    EXPECT_EQ(bytes, original);
}

INSTANTIATE_TEST_SUITE_P(AllKernels, KernelTest, ::testing::ValuesIn(kAllSubstitutionKernels),
                         [](const ::testing::TestParamInfo<SubstitutionKernel>& kernel) {
                             std::string name = kernelName(kernel.param);
                             for (char& c : name) {
                                 if (c == '-') c = '_';
                             }
                             return name;
                         });

TEST(Substitution, TheChosenKernelIsTheLastThatRunsAndIsChosenWhereItRuns) {
    const SubstitutionKernel chosen = fastestKernel();
    EXPECT_TRUE(kernelRuns(chosen)) << kernelName(chosen);
    EXPECT_TRUE(kernelIsChosenWhereItRuns(chosen)) << kernelName(chosen);
    EXPECT_EQ(Substitution(kEncryptTable).kernel(), chosen);
    bool after = false;
    for (SubstitutionKernel kernel : kAllSubstitutionKernels) {
        if (after) {
            EXPECT_FALSE(kernelRuns(kernel) && kernelIsChosenWhereItRuns(kernel))
                << kernelName(kernel) << " runs here and is taken before " << kernelName(chosen);
        }
        if (kernel == chosen) after = true;
    }
    EXPECT_TRUE(kernelIsChosenWhereItRuns(SubstitutionKernel::PairTable));
    std::printf("substitution kernel chosen here: %s\n", kernelName(chosen));
}

TEST(Substitution, AKernelThatDoesNotRunHereFallsBackToThePairTable) {
    EXPECT_TRUE(kernelRuns(SubstitutionKernel::PairTable));
    EXPECT_STREQ(whyKernelDoesNotRun(SubstitutionKernel::PairTable), "");
    for (SubstitutionKernel kernel : kAllSubstitutionKernels) {
        const Substitution substitution(kEncryptTable, kernel);
        EXPECT_EQ(substitution.kernel(), kernelRuns(kernel) ? kernel : SubstitutionKernel::PairTable)
            << kernelName(kernel);
    }
}

}  // namespace
