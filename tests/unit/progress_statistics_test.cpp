#include "main/ui/progress_statistics.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ProgressStatistics, UnitFormats) {
    struct {
        int64_t value;
        const char* size;
        const char* speed;
    } cases[] = {
        {0, "   0 bytes", "   0 bytes/sec"},
        {1023, "1023 bytes", "1023 bytes/sec"},
        {1024, "   1.00 KB", "   1.00 KB/sec"},
        {1536, "   1.50 KB", "   1.50 KB/sec"},
        // Still kilobytes: the unit is chosen before rounding.
        {1048575, "1024.00 KB", "1024.00 KB/sec"},
        {1048576, "   1.00 MB", "   1.00 MB/sec"},
        {1073741823, "1024.00 MB", "1024.00 MB/sec"},
        {1073741824, "   1.00 GB", "   1.00 GB/sec"},
        {5LL * 1073741824 + 536870912, "   5.50 GB", "   5.50 GB/sec"},
        {-7, "  -7 bytes", "  -7 bytes/sec"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sizeText(c.value), c.size) << "value " << c.value;
        EXPECT_EQ(speedText(c.value), c.speed) << "value " << c.value;
    }
}

TEST(ProgressStatistics, PercentageFormat) {
    EXPECT_EQ(percentageText(512, 50.0), " 512 bytes [  50.0% ]");
    EXPECT_EQ(percentageText(1536, 100.0), "   1.50 KB [ 100.0% ]");
    EXPECT_EQ(percentageText(3145728, 0.04), "   3.00 MB [   0.0% ]");
    EXPECT_EQ(percentageText(2147483648LL, 33.35), "   2.00 GB [  33.4% ]");
}

TEST(ProgressStatistics, AverageSpeedWithoutAverage) {
    EXPECT_EQ(averageSpeedText(kNoAverage), "0 bytes/sec");
    EXPECT_EQ(averageSpeedText(-1), "0 bytes/sec");
    EXPECT_EQ(averageSpeedText(0), "   0 bytes/sec");
    EXPECT_EQ(averageSpeedText(2048), "   2.00 KB/sec");
}

TEST(ProgressStatistics, Times) {
    EXPECT_EQ(timePassedText(0), "   0hr  0min  0sec");
    EXPECT_EQ(timePassedText(3723), "   1hr  2min  3sec");
    EXPECT_EQ(timePassedText(3599), "   0hr 59min 59sec");
    EXPECT_EQ(timePassedText(36000 * 100 + 61), "1000hr  1min  1sec");

    EXPECT_EQ(timeLeftText(1000, 0), "Calculating.......");
    EXPECT_EQ(timeLeftText(72000, 10), "   2hr  0min  0sec");
    // Integer division: 99 bytes at 10 per second leave 9 seconds.
    EXPECT_EQ(timeLeftText(99, 10), "   0hr  0min  9sec");
    EXPECT_EQ(timeLeftText(0, 5), "   0hr  0min  0sec");
}

TEST(ProgressStatistics, CaptionLines) {
    const std::string a106(106, 'a');
    struct {
        const char* what;
        std::string caption;
        std::vector<std::string> lines;
    } cases[] = {
        {"106 characters: one line", a106, {a106}},
        {"shorter than 107: spaces kept",
         "ENCRYPTING \"a  b.txt\" TO \"A  B.EPT\".",
         {"ENCRYPTING \"a  b.txt\" TO \"A  B.EPT\"."}},
        {"107 without spaces: a hyphen and the last character", a106 + "z", {a106 + "-", "z"}},
        {"a word ending at 107 takes no hyphen; the space after it goes", a106 + "b c", {a106 + "b", "c"}},
        {"runs of spaces shrink to one",
         std::string(50, 'a') + "    " + std::string(60, 'b'),
         {std::string(50, 'a') + " " + std::string(55, 'b') + "-", std::string(5, 'b')}},
        {"214 characters: three lines",
         std::string(214, 'x'),
         {std::string(106, 'x') + "-", std::string(106, 'x') + "-", "xx"}},
    };
    for (const auto& c : cases) EXPECT_EQ(captionLines(c.caption), c.lines) << c.what;
}

TEST(ProgressStatistics, RowsFollowTheCaption) {
    EXPECT_EQ(firstRowY(106), 91);
    EXPECT_EQ(firstRowY(107), 108);
    EXPECT_EQ(firstRowY(108), 109);
    EXPECT_EQ(firstRowY(214), 126);
    EXPECT_EQ(valueColumnsTop(106), 120);
    EXPECT_EQ(valueColumnsTop(107), 138);
}

TEST(ProgressStatistics, BarWidth) {
    EXPECT_EQ(barWidth(0.0f), 0);
    EXPECT_EQ(barWidth(0.1f), 0);
    EXPECT_EQ(barWidth(50.0f), 256);
    EXPECT_EQ(barWidth(99.9f), 511);
    EXPECT_EQ(barWidth(100.0f), 512);
}

struct TestRun {
    RunProgress progress;
    TestRun(uint64_t total, std::time_t start) {
        progress.totalBytes = total;
        progress.startTime = start;
        progress.sampleTime = start;
    }
};

TEST(ProgressStatistics, SpeedsFromSamples) {
    TestRun run(10000, 1000);

    // The first paint, in the second the run started: no average, no speed.
    ProgressFigures f = updateStatistics(run.progress, 1000);
    EXPECT_FLOAT_EQ(f.percentDone, 0.0f);
    EXPECT_EQ(f.remaining, 10000u);
    EXPECT_EQ(run.progress.averageSpeed, kNoAverage);
    EXPECT_EQ(run.progress.currentSpeed, 0);

    // Same second, more bytes: the speed keeps its value, the sample moves on.
    run.progress.doneBytes = 500;
    updateStatistics(run.progress, 1000);
    EXPECT_EQ(run.progress.currentSpeed, 0);
    EXPECT_EQ(run.progress.sampleBytes, 500u);
    EXPECT_EQ(run.progress.sampleTime, 1000);

    // Two seconds later 3000 more bytes: 1500 per second since the last paint.
    run.progress.doneBytes = 3500;
    f = updateStatistics(run.progress, 1002);
    EXPECT_EQ(run.progress.currentSpeed, 1500);
    EXPECT_EQ(run.progress.averageSpeed, 1750);
    EXPECT_FLOAT_EQ(f.percentDone, 35.0f);
    EXPECT_EQ(f.remaining, 6500u);
    EXPECT_EQ(f.elapsedSeconds, 2u);

    // A later second without new bytes: the speed stays.
    updateStatistics(run.progress, 1003);
    EXPECT_EQ(run.progress.currentSpeed, 1500);
    EXPECT_EQ(run.progress.averageSpeed, 1166);  // 3500 / 3, truncated

    // Truncation towards zero: 1000 bytes in 3 seconds.
    run.progress.doneBytes = 4500;
    updateStatistics(run.progress, 1006);
    EXPECT_EQ(run.progress.currentSpeed, 333);
}

TEST(ProgressStatistics, CompleteRuns) {
    struct {
        const char* what;
        uint64_t total;
        uint64_t done;
        uint64_t remaining;
    } cases[] = {
        {"all bytes done", 3000, 3000, 0},
        {"an empty input is complete at once", 0, 0, 0},
        {"a file that grew past its measured size", 3000, 4000, 0},
    };
    for (const auto& c : cases) {
        TestRun run(c.total, 50);
        run.progress.doneBytes = c.done;
        const ProgressFigures f = updateStatistics(run.progress, 52);
        // The timer stops only on exactly 100.
        EXPECT_EQ(f.percentDone, 100.0f) << c.what;
        EXPECT_EQ(f.remaining, c.remaining) << c.what;
        EXPECT_EQ(barWidth(f.percentDone), kBarLength) << c.what;
    }
}

TEST(ProgressStatistics, ClockSetBack) {
    TestRun run(1000, 5000);
    run.progress.doneBytes = 100;
    const ProgressFigures f = updateStatistics(run.progress, 4990);
    EXPECT_EQ(f.elapsedSeconds, 0u);
    EXPECT_EQ(run.progress.averageSpeed, kNoAverage);
    EXPECT_EQ(run.progress.currentSpeed, 0);
    EXPECT_EQ(timePassedText(f.elapsedSeconds), "   0hr  0min  0sec");
}

}  // namespace
