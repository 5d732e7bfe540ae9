#include "installer/controls/progress_pacing.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(ProgressPacing, TicksToCompletion) {
    InstallPacing pacing;
    std::map<double, int> firstSeen;  // percentage shown -> tick that first showed it
    int pauses = 0;
    int finishedAt = 0;
    int tick = 0;
    while (finishedAt == 0 && tick < 2000) {
        ++tick;
        PacingTick t = advanceInstallPacing(pacing);
        if (t.paused) ++pauses;
        if (!t.paused && !firstSeen.count(t.shown)) firstSeen[t.shown] = tick;
        if (t.finished) finishedAt = tick;
    }
    EXPECT_EQ(finishedAt, 805);
    EXPECT_EQ(pauses, 180);
    const std::pair<double, int> milestones[] = {{9.0, 73},   {14.0, 149}, {30.0, 181}, {37.0, 237},
                                                 {52.0, 399}, {57.0, 503}, {73.0, 567}, {79.0, 663},
                                                 {86.0, 691}, {95.0, 765}, {100.0, 805}};
    for (const auto& [percentage, expectedTick] : milestones) {
        EXPECT_EQ(firstSeen[percentage], expectedTick) << "percentage " << percentage;
    }
    EXPECT_EQ(pacing.percentage, 100.0) << "stays at 100 after completion";
}

TEST(ProgressPacing, PauseStartsAfterTheStep) {
    InstallPacing pacing;
    pacing.percentage = 9.0;
    PacingTick t = advanceInstallPacing(pacing);
    EXPECT_FALSE(t.paused);
    EXPECT_TRUE(t.wholeNumber);
    EXPECT_EQ(pacing.percentage, 9.125) << "the tick at 9 still advances";
    EXPECT_EQ(pacing.pauseCounter, 36);
    for (int i = 0; i < 36; ++i) EXPECT_TRUE(advanceInstallPacing(pacing).paused) << "pause tick " << i;
    t = advanceInstallPacing(pacing);
    EXPECT_FALSE(t.paused);
    EXPECT_FALSE(t.wholeNumber);
    EXPECT_EQ(t.shown, 9.125);
}

TEST(ProgressPacing, FinishedTickDoesNotAdvance) {
    InstallPacing pacing;
    pacing.percentage = 100.0;
    PacingTick t = advanceInstallPacing(pacing);
    EXPECT_TRUE(t.finished);
    EXPECT_EQ(pacing.percentage, 100.0);
}

}  // namespace
