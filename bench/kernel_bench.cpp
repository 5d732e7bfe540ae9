// The substitution kernels alone, in memory, on one core: bytes per second of
// each kernel this processor runs, for both tables, on a buffer the size of the
// pipeline's block (as the pipeline uses them: in the processor's cache) and on
// a buffer far larger than the caches (main memory's speed). Not a test: it
// prints figures. It does check that every kernel gives the table's bytes, and
// exits 1 if one does not.
//
//   kernel_bench [ROUNDS [LARGE_MIB]]       defaults: 7 rounds, 256 MiB
//
// In each round every kernel runs once on each buffer, in turn, so that a slow
// moment of the machine hits all of them alike; the median and the best round
// are printed. Each measurement repeats the kernel over the buffer for at least
// 0.25 s of the thread's processor time, and the speed is bytes per second of
// that time: on a loaded machine the time the thread waited for a core does not
// count (the load average is printed all the same).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "main/byte_pipeline.h"
#include "main/cipher.h"
#include "main/substitution.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif
#if defined(_WIN32)
#include <windows.h>
#else
#include <time.h>
#endif

namespace {

std::string processorName() {
#if defined(__x86_64__) || defined(__i386__)
    unsigned int words[12] = {};
    unsigned int highest = __get_cpuid_max(0x80000000u, nullptr);
    if (highest >= 0x80000004u) {
        for (unsigned int i = 0; i < 3; i++) {
            __get_cpuid(0x80000002u + i, &words[4 * i], &words[4 * i + 1], &words[4 * i + 2], &words[4 * i + 3]);
        }
        char brand[49] = {};
        std::memcpy(brand, words, 48);
        std::string name(brand);
        name.erase(0, name.find_first_not_of(' '));
        name.erase(name.find_last_not_of(' ') + 1);
        unsigned int a = 0, b = 0, c = 0, d = 0;
        __get_cpuid(1, &a, &b, &c, &d);
        unsigned int family = (a >> 8) & 0xF, model = (a >> 4) & 0xF;
        if (family == 0xF) family += (a >> 20) & 0xFF;
        if (family >= 6) model += ((a >> 16) & 0xF) << 4;
        return name + " (family " + std::to_string(family) + ", model " + std::to_string(model) + ")";
    }
#endif
    return "unknown processor";
}

std::string loadAverage() {
    std::FILE* file = std::fopen("/proc/loadavg", "r");
    if (!file) return "";
    char line[128] = {};
    const bool got = std::fgets(line, sizeof line, file) != nullptr;
    std::fclose(file);
    if (!got) return "";
    std::string text(line);
    // The first three fields: 1, 5 and 15 minutes.
    size_t end = 0;
    for (int field = 0; field < 3 && end != std::string::npos; field++) end = text.find(' ', end + 1);
    return text.substr(0, end);
}

// A buffer on a 64-byte boundary, as the pipeline's blocks are.
struct AlignedBuffer {
    explicit AlignedBuffer(size_t size) : storage(new unsigned char[size + 64]), bytes(nullptr), count(size) {
        const uintptr_t at = reinterpret_cast<uintptr_t>(storage.get());
        bytes = storage.get() + (64 - at % 64) % 64;
    }
    std::unique_ptr<unsigned char[]> storage;
    unsigned char* bytes;
    size_t count;
};

// The processor time this thread has used.
double threadSeconds() {
#if defined(_WIN32)
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    const auto ticks = [](const FILETIME& t) { return (uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return double(ticks(kernel) + ticks(user)) * 1e-7;
#else
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
#endif
}

// Bytes per second of one kernel over `buffer`, repeated for at least minSeconds.
double measure(const Substitution& substitution, AlignedBuffer& buffer, double minSeconds) {
    substitution.apply(buffer.bytes, buffer.count);  // warm: the buffer in the cache, the table made
    uint64_t bytes = 0;
    const double start = threadSeconds();
    double seconds = 0;
    do {
        substitution.apply(buffer.bytes, buffer.count);
        bytes += buffer.count;
        seconds = threadSeconds() - start;
    } while (seconds < minSeconds);
    return double(bytes) / seconds;
}

bool givesTheTable(SubstitutionKernel kernel, const unsigned char (&table)[256],
                   const std::vector<unsigned char>& data) {
    std::vector<unsigned char> bytes = data;
    Substitution(table, kernel).apply(bytes.data(), bytes.size());
    for (size_t i = 0; i < data.size(); i++) {
        if (bytes[i] != table[data[i]]) return false;
    }
    return true;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Case {
    SubstitutionKernel kernel;
    const char* direction;
    const unsigned char (*table)[256];
    std::vector<double> small, large;  // bytes per second, one per round
};

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const size_t largeMib = argc > 2 ? static_cast<size_t>(std::max(1, std::atoi(argv[2]))) : 256;
    const size_t smallSize = kPipelineBlockSize;

    std::vector<unsigned char> random(smallSize + 77);
    std::mt19937 generator(2024);
    for (unsigned char& b : random) b = static_cast<unsigned char>(generator() >> 24);

    std::printf("kernel_bench: %s; chosen kernel: %s\n", processorName().c_str(), kernelName(fastestKernel()));
    const std::string load = loadAverage();
    if (!load.empty()) std::printf("kernel_bench: load average before: %s\n", load.c_str());

    bool allEqual = true;
    std::vector<Case> cases;
    for (SubstitutionKernel kernel : kAllSubstitutionKernels) {
        if (!kernelRuns(kernel)) {
            std::printf("kernel_bench: %-12s not measured: %s\n", kernelName(kernel), whyKernelDoesNotRun(kernel));
            continue;
        }
        for (const auto* table : {&kEncryptTable, &kDecryptTable}) {
            if (!givesTheTable(kernel, *table, random)) {
                std::printf("kernel_bench: %s does NOT give the table's bytes\n", kernelName(kernel));
                allEqual = false;
            }
            cases.push_back(Case{kernel, table == &kEncryptTable ? "encrypt" : "decrypt", table, {}, {}});
        }
    }

    AlignedBuffer small(smallSize), large(largeMib * 1024 * 1024);
    for (size_t i = 0; i < small.count; i++) small.bytes[i] = random[i];
    for (size_t i = 0; i < large.count; i++)
        large.bytes[i] = random[i % random.size()] ^ static_cast<unsigned char>(i >> 12);

    std::printf("kernel_bench: %d rounds; buffers of %zu KiB (the pipeline's block) and %zu MiB\n", rounds,
                smallSize / 1024, largeMib);
    for (int round = 0; round < rounds; round++) {
        for (Case& c : cases) {
            const Substitution substitution(*c.table, c.kernel);
            c.small.push_back(measure(substitution, small, 0.25));
            c.large.push_back(measure(substitution, large, 0.25));
        }
    }

    std::printf("\n%-12s %-8s %11s %8s %11s %8s %9s  %s\n", "kernel", "table", "block GB/s", "best", "large GB/s",
                "best", "vs pairs", "in this build");
    double pairsSmall[2] = {0, 0};
    for (const Case& c : cases) {
        const int which = c.table == &kEncryptTable ? 0 : 1;
        const double s = median(c.small), l = median(c.large);
        if (c.kernel == SubstitutionKernel::PairTable) pairsSmall[which] = s;
        const double best = *std::max_element(c.small.begin(), c.small.end());
        const double bestLarge = *std::max_element(c.large.begin(), c.large.end());
        const char* use = c.kernel == fastestKernel()           ? "chosen"
                          : kernelIsChosenWhereItRuns(c.kernel) ? "chosen where nothing faster runs"
                                                                : "never chosen (slower than the pair table)";
        std::printf("%-12s %-8s %11.2f %8.2f %11.2f %8.2f %8.2fx  %s\n", kernelName(c.kernel), c.direction, s / 1e9,
                    best / 1e9, l / 1e9, bestLarge / 1e9, pairsSmall[which] > 0 ? s / pairsSmall[which] : 0.0, use);
    }
    if (!load.empty()) std::printf("\nkernel_bench: load average after: %s\n", loadAverage().c_str());
    std::printf(
        "GB/s: 10^9 bytes per second of the thread's processor time (one core), medians of %d rounds;\n"
        "vs pairs: block speed against the pair table's on the same table.\n",
        rounds);
    if (!allEqual) {
        std::printf("kernel_bench: a kernel gave other bytes than the table\n");
        return 1;
    }
    return 0;
}
