#include "main/substitution.h"

#include <cstring>

#include "main/substitution_kernels.h"

namespace {

// ---- The pair table: the table applied to two bytes at once, half as many
// lookups as bytes. Key and entry are two bytes in memory order, and the loop
// below takes words apart and puts them together with the same shifts, so this
// holds on either byte order.

constexpr size_t kPairCount = 65536;

void buildPairTable(const unsigned char (&table)[256], uint16_t* pairs) {
    for (unsigned first = 0; first < 256; first++) {
        for (unsigned second = 0; second < 256; second++) {
            const unsigned char in[2] = {static_cast<unsigned char>(first), static_cast<unsigned char>(second)};
            const unsigned char out[2] = {table[first], table[second]};
            uint16_t key, value;
            std::memcpy(&key, in, 2);
            std::memcpy(&value, out, 2);
            pairs[key] = value;
        }
    }
}

uint64_t substituteWord(const uint16_t* pairs, uint64_t in) {
    return uint64_t(pairs[in & 0xFFFF]) | uint64_t(pairs[(in >> 16) & 0xFFFF]) << 16 |
           uint64_t(pairs[(in >> 32) & 0xFFFF]) << 32 | uint64_t(pairs[in >> 48]) << 48;
}

void substitutePairs(const uint16_t* pairs, const unsigned char (&table)[256], unsigned char* bytes, size_t count) {
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

SubstitutionFunction vectorFunction(SubstitutionKernel kernel) {
    switch (kernel) {
    case SubstitutionKernel::PairTable: return nullptr;
#if defined(ZORVANEX_SUBSTITUTION_SSSE3)
    case SubstitutionKernel::Ssse3: return substituteSsse3;
#endif
#if defined(ZORVANEX_SUBSTITUTION_AVX)
    case SubstitutionKernel::Avx2: return substituteAvx2;
    case SubstitutionKernel::Avx512Vbmi: return substituteAvx512Vbmi;
#endif
    default: return nullptr;
    }
}

bool compiledIn(SubstitutionKernel kernel) {
    return kernel == SubstitutionKernel::PairTable || vectorFunction(kernel) != nullptr;
}

bool processorRuns(SubstitutionKernel kernel) {
    switch (kernel) {
    case SubstitutionKernel::PairTable: return true;
#if defined(ZORVANEX_SUBSTITUTION_SSSE3)
    case SubstitutionKernel::Ssse3: return ssse3Runs();
#endif
#if defined(ZORVANEX_SUBSTITUTION_AVX)
    case SubstitutionKernel::Avx2: return avx2Runs();
    case SubstitutionKernel::Avx512Vbmi: return avx512VbmiRuns();
#endif
    default: return false;
    }
}

}  // namespace

const char* kernelName(SubstitutionKernel kernel) {
    switch (kernel) {
    case SubstitutionKernel::PairTable: return "pair-table";
    case SubstitutionKernel::Ssse3: return "ssse3";
    case SubstitutionKernel::Avx2: return "avx2";
    case SubstitutionKernel::Avx512Vbmi: return "avx512-vbmi";
    }
    return "?";
}

const char* whyKernelDoesNotRun(SubstitutionKernel kernel) {
    if (!compiledIn(kernel)) return "not in this build (it has no such kernel for this processor family)";
    if (!processorRuns(kernel)) return "this processor, or its system, does not run these instructions";
    return "";
}

bool kernelRuns(SubstitutionKernel kernel) { return *whyKernelDoesNotRun(kernel) == '\0'; }

bool kernelIsChosenWhereItRuns(SubstitutionKernel kernel) {
#if defined(__x86_64__)
    // On x86-64 the SSSE3 kernel measured slower than the pair table, which has
    // 64-bit registers there (AMD EPYC, Zen 4: 3.0 to 3.6 against 3.9 to 4.4
    // GB/s); in the 32-bit build it is the faster one (2.0 to 2.5 against 1.5 to
    // 1.9 GB/s). The 64-bit build keeps it for its tests: it is the same code as
    // the one the 32-bit build chooses.
    if (kernel == SubstitutionKernel::Ssse3) return false;
#endif
    return compiledIn(kernel);
}

SubstitutionKernel fastestKernel() {
    // Each kernel in kAllSubstitutionKernels that is chosen where it runs measured
    // faster than every one before it (bench/kernel_bench).
    static const SubstitutionKernel chosen = [] {
        SubstitutionKernel best = SubstitutionKernel::PairTable;
        for (SubstitutionKernel kernel : kAllSubstitutionKernels) {
            if (kernelIsChosenWhereItRuns(kernel) && kernelRuns(kernel)) best = kernel;
        }
        return best;
    }();
    return chosen;
}

Substitution::Substitution(const unsigned char (&table)[256]) : Substitution(table, fastestKernel()) {}

Substitution::Substitution(const unsigned char (&table)[256], SubstitutionKernel kernel)
    : kernel_(kernelRuns(kernel) ? kernel : SubstitutionKernel::PairTable), tables_(new SubstitutionTables) {
    std::memcpy(tables_->bytes, table, 256);
    for (unsigned row = 0; row < 16; row++) {
        for (unsigned low = 0; low < 16; low++) {
            const unsigned char entry = table[16 * row + low];
            const bool first = row == 0 || row == 8;
            tables_->rowSteps[16 * row + low] = first ? entry : entry ^ table[16 * (row - 1) + low];
        }
    }
    if (kernel_ == SubstitutionKernel::PairTable) {
        pairs_.reset(new uint16_t[kPairCount]);
        buildPairTable(table, pairs_.get());
    }
}

Substitution::~Substitution() = default;

void Substitution::apply(unsigned char* bytes, size_t count) const {
    if (pairs_) {
        substitutePairs(pairs_.get(), tables_->bytes, bytes, count);
    } else {
        vectorFunction(kernel_)(*tables_, bytes, count);
    }
}
