// The installer's progress bar animates; it measures nothing. Its pace is a fixed
// table of pauses and speed changes keyed on exact percentages (all steps are
// powers of two, so the sums hit them exactly). Portable.
#pragma once

struct InstallPacing {
    int pauseCounter = 0;     // ticks still to wait before the percentage moves again
    double percentage = 0.0;  // 0.0 to 100.0
    double step = 0.125;      // added on each tick that is not a pause
};

struct PacingTick {
    bool paused;       // the tick only counted down a pause
    double shown;      // the percentage this tick shows (before the step is added)
    bool wholeNumber;  // `shown` has no fraction: its text changes
    bool finished;     // `shown` is 100: stop the timer and complete
};

// One timer tick: count down a pause, or apply the pacing table, report the
// percentage to show and add the step unless it is 100.
PacingTick advanceInstallPacing(InstallPacing& pacing);
