#include "main/ui/progress_statistics.h"

#include <cinttypes>
#include <cstdio>

namespace {

constexpr int64_t kKilo = 1024;
constexpr int64_t kMega = 1048576;
constexpr int64_t kGiga = 1073741824;

// The three formats of one unit: size, percentage and speed.
struct Unit {
    const char* size;
    const char* percentage;
    const char* speed;
    double divisor;
};

const Unit kKiloUnit = {"%7.2lf KB", "%7.2lf KB [ %5.1f%c ]", "%7.2lf KB/sec", 1024.0};
const Unit kMegaUnit = {"%7.2lf MB", "%7.2lf MB [ %5.1f%c ]", "%7.2lf MB/sec", 1048576.0};
const Unit kGigaUnit = {"%7.2lf GB", "%7.2lf GB [ %5.1f%c ]", "%7.2lf GB/sec", 1073741824.0};

// Null below 1024 (negative values included): those are shown in bytes.
const Unit* unitFor(int64_t value) {
    if (value < kKilo) return nullptr;
    if (value < kMega) return &kKiloUnit;
    if (value < kGiga) return &kMegaUnit;
    return &kGigaUnit;
}

double inUnit(int64_t value, const Unit& unit) { return static_cast<double>(value) / unit.divisor; }

// The formats are fixed texts chosen above, never built from input.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
template <typename... Args>
std::string formatted(const char* format, Args... args) {
    char text[96];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}
#pragma GCC diagnostic pop

}  // namespace

ProgressFigures updateStatistics(RunProgress& progress, std::time_t now) {
    ProgressFigures figures;
    const uint64_t total = progress.totalBytes;
    // Read once: the run keeps counting while we paint.
    const uint64_t done = progress.doneBytes.load();
    figures.doneBytes = done;

    // An empty input has nothing left to do; more bytes than were measured at the
    // start (the file grew) show as complete rather than past the end.
    if (total == 0 || done >= total) {
        figures.percentDone = 100.0f;
    } else {
        figures.percentDone = static_cast<float>(static_cast<double>(done) / static_cast<double>(total) * 100.0);
    }
    figures.remaining = done < total ? total - done : 0;

    // Whole seconds; a clock set back counts as no time passed.
    const double elapsed = now > progress.startTime ? static_cast<double>(now - progress.startTime) : 0.0;
    const double interval = now > progress.sampleTime ? static_cast<double>(now - progress.sampleTime) : 0.0;
    figures.elapsedSeconds = static_cast<unsigned>(elapsed);

    if (done > progress.sampleBytes && interval > 0) {
        progress.currentSpeed = static_cast<int64_t>(static_cast<double>(done - progress.sampleBytes) / interval);
    }
    progress.averageSpeed = elapsed > 0 ? static_cast<int64_t>(static_cast<double>(done) / elapsed) : kNoAverage;

    progress.sampleTime = now;
    progress.sampleBytes = done;
    return figures;
}

std::string sizeText(int64_t value) {
    const Unit* unit = unitFor(value);
    if (!unit) return formatted("%4" PRId64 " bytes", value);
    return formatted(unit->size, inUnit(value, *unit));
}

std::string percentageText(int64_t value, double percent) {
    const Unit* unit = unitFor(value);
    if (!unit) return formatted("%4" PRId64 " bytes [ %5.1f%c ]", value, percent, '%');
    return formatted(unit->percentage, inUnit(value, *unit), percent, '%');
}

std::string speedText(int64_t value) {
    const Unit* unit = unitFor(value);
    if (!unit) return formatted("%4" PRId64 " bytes/sec", value);
    return formatted(unit->speed, inUnit(value, *unit));
}

std::string averageSpeedText(int64_t averageSpeed) {
    if (averageSpeed < 0) return "0 bytes/sec";
    return speedText(averageSpeed);
}

std::string timePassedText(unsigned elapsedSeconds) {
    return formatted("%4uhr %2umin %2usec", elapsedSeconds / 3600, elapsedSeconds % 3600 / 60, elapsedSeconds % 60);
}

std::string timeLeftText(uint64_t remaining, int64_t currentSpeed) {
    if (currentSpeed <= 0) return "Calculating.......";
    const int64_t left = static_cast<int64_t>(remaining / static_cast<uint64_t>(currentSpeed));
    return formatted("%4" PRId64 "hr %2" PRId64 "min %2" PRId64 "sec", left / 3600, left % 3600 / 60, left % 60);
}

std::vector<std::string> captionLines(const std::string& caption) {
    if (caption.size() < kCaptionLineLength) return {caption};
    std::vector<std::string> lines;
    std::string line;
    const size_t length = caption.size();
    for (size_t i = 0; i < length; i++) {
        const char c = caption[i];
        const char next = i + 1 < length ? caption[i + 1] : '\0';
        if (c == ' ' && next == ' ') continue;
        if (line.size() == kCaptionLineLength - 1) {
            if (next == ' ') {
                // The word ends with the line; the space after it is not carried over.
                line += c;
                lines.push_back(line);
                line.clear();
                i++;
            } else {
                line += '-';
                lines.push_back(line);
                line.assign(1, c);
            }
            continue;
        }
        line += c;
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

int firstRowY(size_t captionLength) {
    const int fullLines = static_cast<int>(captionLength / kCaptionLineLength);
    return 90 + 18 * fullLines + (captionLength % kCaptionLineLength != 0 ? 1 : 0);
}

int valueColumnsTop(size_t captionLength) { return 120 + 18 * static_cast<int>(captionLength / kCaptionLineLength); }

int barWidth(float percentDone) {
    if (!(percentDone > 0)) return 0;
    const int width = static_cast<int>(static_cast<float>(kBarLength) * (percentDone / 100.0f));
    return width > kBarLength ? kBarLength : width;
}
