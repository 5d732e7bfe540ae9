// Inside the substitution (main/substitution.h): the tables every kernel reads,
// and the vector kernels of main/substitution_x86.cpp.
#pragma once

#include <cstddef>

struct SubstitutionTables {
    // The table itself; the AVX-512 kernel holds it in four registers.
    alignas(64) unsigned char bytes[256];
    // The table's sixteen 16-byte rows (row r: the entries of the bytes whose high
    // nibble is r), each XORed with the row before it, except rows 0 and 8: the
    // pshufb kernels XOR rows 0..r (or 8..r) together, which leaves row r.
    alignas(64) unsigned char rowSteps[256];
};

using SubstitutionFunction = void (*)(const SubstitutionTables& tables, unsigned char* bytes, size_t count);

#if defined(__x86_64__) || defined(__i386__)
#define ZORVANEX_SUBSTITUTION_SSSE3 1
bool ssse3Runs();
void substituteSsse3(const SubstitutionTables& tables, unsigned char* bytes, size_t count);
#endif

// AVX2 and AVX-512 only in the 64-bit build: the 32-bit build stays within what
// a 32-bit x86 processor may have.
#if defined(__x86_64__)
#define ZORVANEX_SUBSTITUTION_AVX 1
bool avx2Runs();
bool avx512VbmiRuns();
void substituteAvx2(const SubstitutionTables& tables, unsigned char* bytes, size_t count);
void substituteAvx512Vbmi(const SubstitutionTables& tables, unsigned char* bytes, size_t count);
#endif
