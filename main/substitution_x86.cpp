// The x86 vector kernels of the substitution. Each function is compiled for its
// own instruction set by a target attribute, not by the build's flags, and is
// called only after the processor said it runs that set (kernelRuns). The build
// itself assumes nothing beyond its baseline (i686 or x86-64).
#include "main/substitution_kernels.h"

#if defined(ZORVANEX_SUBSTITUTION_SSSE3)

#include <immintrin.h>

#include <cstdint>

// The pshufb kernels. pshufb looks up sixteen bytes in a 16-byte row by the low
// four bits of each index, and gives 0 where the index has its top bit set. The
// low half of the table (bytes 0 to 127) is rows 0 to 7: at step k the index is
// the byte minus 16k with signed saturation, so its top bit stays clear exactly
// for k = 0 up to the byte's high nibble h, and stays set throughout for bytes
// from 128 up. XORing the looked-up steps 0..h of rowSteps leaves row h, the
// table's own entry. The high half is the same chain on the byte XOR 0x80.
// Eight steps of three instructions per half, over sixteen 16-byte table rows.

// ---- SSSE3: 16 bytes a step. The only vector kernel of the 32-bit build.

#define ZORVANEX_TARGET_SSSE3 __attribute__((target("ssse3")))

namespace {

struct Rows128 {
    __m128i row[16];
};

ZORVANEX_TARGET_SSSE3 inline __m128i lookUp128(__m128i x, const Rows128& rows) {
    const __m128i sixteen = _mm_set1_epi8(16);
    __m128i low = x;
    __m128i high = _mm_xor_si128(x, _mm_set1_epi8(static_cast<char>(0x80)));
    __m128i fromLow = _mm_shuffle_epi8(rows.row[0], low);
    __m128i fromHigh = _mm_shuffle_epi8(rows.row[8], high);
#pragma GCC unroll 7  // also in the size-optimised Windows builds
    for (int k = 1; k < 8; k++) {
        low = _mm_subs_epi8(low, sixteen);
        high = _mm_subs_epi8(high, sixteen);
        fromLow = _mm_xor_si128(fromLow, _mm_shuffle_epi8(rows.row[k], low));
        fromHigh = _mm_xor_si128(fromHigh, _mm_shuffle_epi8(rows.row[8 + k], high));
    }
    return _mm_xor_si128(fromLow, fromHigh);
}

}  // namespace

bool ssse3Runs() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("ssse3");
}

ZORVANEX_TARGET_SSSE3 void substituteSsse3(const SubstitutionTables& tables, unsigned char* bytes, size_t count) {
    Rows128 rows;
#pragma GCC unroll 16
    for (int k = 0; k < 16; k++) {
        rows.row[k] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(tables.rowSteps + 16 * k));
    }
    size_t i = 0;
    for (; i + 16 <= count; i += 16) {
        __m128i* at = reinterpret_cast<__m128i*>(bytes + i);
        _mm_storeu_si128(at, lookUp128(_mm_loadu_si128(at), rows));
    }
    for (; i < count; i++) bytes[i] = tables.bytes[bytes[i]];
}

#endif  // ZORVANEX_SUBSTITUTION_SSSE3

#if defined(ZORVANEX_SUBSTITUTION_AVX)

// ---- AVX2: the SSSE3 kernel on 32 bytes a step (vpshufb looks up each 16-byte
// half in its own copy of the row).

#define ZORVANEX_TARGET_AVX2 __attribute__((target("avx2")))

namespace {

struct Rows256 {
    __m256i row[16];
};

ZORVANEX_TARGET_AVX2 inline __m256i lookUp256(__m256i x, const Rows256& rows) {
    const __m256i sixteen = _mm256_set1_epi8(16);
    __m256i low = x;
    __m256i high = _mm256_xor_si256(x, _mm256_set1_epi8(static_cast<char>(0x80)));
    __m256i fromLow = _mm256_shuffle_epi8(rows.row[0], low);
    __m256i fromHigh = _mm256_shuffle_epi8(rows.row[8], high);
#pragma GCC unroll 7  // also in the size-optimised Windows builds
    for (int k = 1; k < 8; k++) {
        low = _mm256_subs_epi8(low, sixteen);
        high = _mm256_subs_epi8(high, sixteen);
        fromLow = _mm256_xor_si256(fromLow, _mm256_shuffle_epi8(rows.row[k], low));
        fromHigh = _mm256_xor_si256(fromHigh, _mm256_shuffle_epi8(rows.row[8 + k], high));
    }
    return _mm256_xor_si256(fromLow, fromHigh);
}

}  // namespace

bool avx2Runs() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");  // also false where the system does not save the ymm registers
}

ZORVANEX_TARGET_AVX2 void substituteAvx2(const SubstitutionTables& tables, unsigned char* bytes, size_t count) {
    Rows256 rows;
#pragma GCC unroll 16
    for (int k = 0; k < 16; k++) {
        rows.row[k] =
            _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(tables.rowSteps + 16 * k)));
    }
    size_t i = 0;
    for (; i + 32 <= count; i += 32) {
        __m256i* at = reinterpret_cast<__m256i*>(bytes + i);
        _mm256_storeu_si256(at, lookUp256(_mm256_loadu_si256(at), rows));
    }
    for (; i < count; i++) bytes[i] = tables.bytes[bytes[i]];
}

// ---- AVX-512 VBMI: vpermi2b looks up 64 bytes in 128 table entries (two
// registers) by the low seven bits of each byte; one lookup in each half of the
// table, and the byte's top bit picks between them. The end of the buffer goes
// through the same instructions with a masked load and store.

#define ZORVANEX_TARGET_AVX512VBMI __attribute__((target("avx512f,avx512bw,avx512vbmi")))

namespace {

struct Quarters {
    __m512i q0, q1, q2, q3;
};

ZORVANEX_TARGET_AVX512VBMI inline __m512i lookUp512(__m512i x, const Quarters& t) {
    const __m512i fromLow = _mm512_permutex2var_epi8(t.q0, x, t.q1);
    const __m512i fromHigh = _mm512_permutex2var_epi8(t.q2, x, t.q3);
    return _mm512_mask_blend_epi8(_mm512_movepi8_mask(x), fromLow, fromHigh);
}

}  // namespace

bool avx512VbmiRuns() {
    __builtin_cpu_init();
    // Also false where the system does not save the zmm and mask registers.
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
           __builtin_cpu_supports("avx512vbmi");
}

ZORVANEX_TARGET_AVX512VBMI void substituteAvx512Vbmi(const SubstitutionTables& tables, unsigned char* bytes,
                                                     size_t count) {
    const Quarters t{_mm512_loadu_si512(tables.bytes), _mm512_loadu_si512(tables.bytes + 64),
                     _mm512_loadu_si512(tables.bytes + 128), _mm512_loadu_si512(tables.bytes + 192)};
    size_t i = 0;
    // Two vectors a step: two independent lookups in flight.
    for (; i + 128 <= count; i += 128) {
        const __m512i first = _mm512_loadu_si512(bytes + i);
        const __m512i second = _mm512_loadu_si512(bytes + i + 64);
        _mm512_storeu_si512(bytes + i, lookUp512(first, t));
        _mm512_storeu_si512(bytes + i + 64, lookUp512(second, t));
    }
    for (; i < count; i += 64) {
        const size_t left = count - i;
        const __mmask64 mask = left >= 64 ? ~__mmask64(0) : (__mmask64(1) << left) - 1;
        const __m512i x = _mm512_maskz_loadu_epi8(mask, bytes + i);
        _mm512_mask_storeu_epi8(bytes + i, mask, lookUp512(x, t));
    }
}

#endif  // ZORVANEX_SUBSTITUTION_AVX
