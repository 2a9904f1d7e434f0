#pragma once

#include "bench_road_cold.h"
#include "bench_road_measure.h"

#include <vector>

namespace roadbench {

// The steps of the road, in the order they run and are printed.
enum Step {
    kImportAll,
    kLoad,
    kPickProperties,
    kPickEmpathy,
    kPickInitialWorld,
    kRepWrite,
    kButtonProperties,
    kButtonEmpathy,
    kButtonInitialWorld,
    kAloneProperties,
    kAloneEmpathy,
    kAloneInitialWorld,
    kAloneEmpathyHalfMissing,
    kStepCount
};

const char* StepName(int step);

// The timings of one n: fast paths on, and the baseline (empty when it was not run).
struct Figures {
    int n = 0;
    std::vector<Timing> fast;
    std::vector<Timing> baseline;
};

// The table of one n: each step with its fast and baseline figure, which of them were
// measured and which scaled, and the baseline's factor over the fast figure.
void PrintTable(const Figures& figures);

// The targets of the fast figures at n = 200 and 1000, and 1000 against 200, each with
// its verdict; a target whose n was not run is left out.
void PrintTargets(const std::vector<Figures>& all);

// The cold road of one n: fast paths on, and the baseline (no steps when it was not run).
struct ColdFigures {
    int n = 0;
    ColdRoad fast;
    ColdRoad baseline;
    bool baselineRun = false;
};

// The table of one cold road: each step's time and peak resident memory, fast and baseline.
void PrintColdTable(const ColdFigures& figures);

// The targets of the cold road at n = 200 and 1000, and 1000 against 200.
void PrintColdTargets(const std::vector<ColdFigures>& all);

} // namespace roadbench
