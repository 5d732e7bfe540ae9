#include "installer/controls/progress_pacing.h"

namespace {

struct PacingRule {
    double percentage;
    int pause;    // pause counter to set, or 0
    double step;  // step to set, or 0
};

const PacingRule kPacingTable[] = {
    {9.0, 36, 0.0},  {14.0, 0, 0.5},    {30.0, 0, 0.125}, {37.0, 42, 0.0}, {52.0, 64, 0.0},
    {57.0, 0, 0.25}, {73.0, 0, 0.0625}, {79.0, 0, 0.25},  {86.0, 38, 0.0}, {95.0, 0, 0.125},
};

}  // namespace

PacingTick advanceInstallPacing(InstallPacing& pacing) {
    if (pacing.pauseCounter > 0) {
        --pacing.pauseCounter;
        return {true, pacing.percentage, false, false};
    }
    for (const PacingRule& rule : kPacingTable) {
        // Exact comparison on purpose: every step is a power of two.
        if (pacing.percentage == rule.percentage) {
            if (rule.pause > 0) pacing.pauseCounter = rule.pause;
            if (rule.step > 0.0) pacing.step = rule.step;
            break;
        }
    }
    PacingTick tick;
    tick.paused = false;
    tick.shown = pacing.percentage;
    tick.wholeNumber = pacing.percentage - static_cast<double>(static_cast<int>(pacing.percentage)) == 0.0;
    tick.finished = pacing.percentage == 100.0;
    if (!tick.finished) pacing.percentage += pacing.step;
    return tick;
}
