// The cipher's byte substitution applied to a buffer in place, by one of
// several kernels that all give exactly the table's bytes. Which kernels a build
// has depends on its processor family (x86-64: AVX-512 VBMI, AVX2, SSSE3; 32-bit
// x86: SSSE3; everywhere: the pair table); which of them run is asked of the
// processor at run time, so no build assumes more than its family's baseline.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

enum class SubstitutionKernel {
    PairTable,   // two bytes per lookup in a 128 KiB table: any processor
    Ssse3,       // pshufb over sixteen 16-byte rows, by the high nibble: 16 bytes a step
    Avx2,        // the same on 32 bytes a step
    Avx512Vbmi,  // vpermi2b over the table's four 64-byte quarters: 64 bytes a step
};

// Every kernel, slowest first.
constexpr SubstitutionKernel kAllSubstitutionKernels[] = {SubstitutionKernel::PairTable, SubstitutionKernel::Ssse3,
                                                          SubstitutionKernel::Avx2, SubstitutionKernel::Avx512Vbmi};

// "pair-table", "ssse3", "avx2", "avx512-vbmi".
const char* kernelName(SubstitutionKernel kernel);

// Whether this build has the kernel and this processor and system run it (for
// the vector kernels the system must also save the registers they use).
bool kernelRuns(SubstitutionKernel kernel);

// Why a kernel does not run here, for messages; empty when it runs.
const char* whyKernelDoesNotRun(SubstitutionKernel kernel);

// Whether fastestKernel takes the kernel where it runs: false for a kernel that
// is in the build but measured slower than the pair table there (SSSE3 on x86-64).
bool kernelIsChosenWhereItRuns(SubstitutionKernel kernel);

// The fastest kernel that runs here, chosen once per process: the last in
// kAllSubstitutionKernels that runs and is chosen where it runs.
SubstitutionKernel fastestKernel();

struct SubstitutionTables;

// One table made ready for one kernel. Only the pair-table kernel needs more
// than a few hundred bytes: its 128 KiB table is built only for it.
class Substitution {
public:
    explicit Substitution(const unsigned char (&table)[256]);
    // That kernel; the pair table where it does not run here (kernelRuns).
    Substitution(const unsigned char (&table)[256], SubstitutionKernel kernel);
    ~Substitution();
    Substitution(const Substitution&) = delete;
    Substitution& operator=(const Substitution&) = delete;

    // Replaces every byte b of bytes[0, count) by table[b]. Any alignment, any count.
    void apply(unsigned char* bytes, size_t count) const;

    SubstitutionKernel kernel() const { return kernel_; }

private:
    SubstitutionKernel kernel_;
    std::unique_ptr<SubstitutionTables> tables_;
    std::unique_ptr<uint16_t[]> pairs_;
};
