// The progress window's figures and texts: the speed arithmetic, the unit
// formats, the caption's line breaks and the panel's rows. Pure logic; the
// window (progress_window.cpp) only draws what these return.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "main/run_state.h"

// The caption breaks into lines of at most this many characters.
constexpr size_t kCaptionLineLength = 107;

// Progress bar: filled from (129, 410), at most 512 x 15 pixels.
constexpr int kBarLeft = 129;
constexpr int kBarTop = 410;
constexpr int kBarHeight = 15;
constexpr int kBarLength = 512;

// Shown while no average can be computed (no whole second has passed).
constexpr int64_t kNoAverage = INT64_MIN;

// One paint's view of the run.
struct ProgressFigures {
    uint64_t doneBytes = 0;  // the count these figures were computed from
    float percentDone = 0;
    uint64_t remaining = 0;
    unsigned elapsedSeconds = 0;
};

// Computes the figures at calendar time `now`, updates currentSpeed and
// averageSpeed in `progress`, and takes the sample for the next paint
// (sampleTime, sampleBytes). An empty input counts as complete.
ProgressFigures updateStatistics(RunProgress& progress, std::time_t now);

// Unit formats: bytes below 1 KiB, then KB, MB and GB with two decimals.
std::string sizeText(int64_t value);                                 // "1023 bytes", "   1.00 KB"
std::string percentageText(int64_t value, double percent);           // "   1.00 KB [  50.0% ]"
std::string speedText(int64_t value);                                // "   1.00 MB/sec"
std::string averageSpeedText(int64_t averageSpeed);                  // "0 bytes/sec" while negative
std::string timePassedText(unsigned elapsedSeconds);                 // "   1hr  2min  3sec"
std::string timeLeftText(uint64_t remaining, int64_t currentSpeed);  // "Calculating......." at speed 0

// The caption as drawn: unchanged when shorter than 107 characters, otherwise
// broken into lines of at most 107 (runs of spaces shrink to one; a word cut at
// the end of a line gets a "-").
std::vector<std::string> captionLines(const std::string& caption);

// The y of the first label row (TOTAL SIZE) for a caption of that length.
int firstRowY(size_t captionLength);
// The top of the two value columns a tick redraws.
int valueColumnsTop(size_t captionLength);

// Pixels of the bar filled at that percentage (0 to 512).
int barWidth(float percentDone);
