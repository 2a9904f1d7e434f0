#pragma once

#include <functional>
#include <string>

namespace roadbench {

// How a step's time grows with m, the factions it works on, while the files stay those of n
// factions: a constant part and one per faction (a pick: its writes, then one read per row),
// or a part per faction and one per pair of factions (an import, whose every faction writes
// into files that grow with the factions before it; a compile of rows times factions).
enum class Growth { Linear, Quadratic };

// One step of the road at m of n factions: sets up, then returns the seconds of the step
// alone. Raises std::runtime_error when the step failed (the window showed an error).
using StepRun = std::function<double(int m)>;

struct Timing {
    double seconds = 0; // for all n factions: measured, or scaled from `reached`
    int reached = 0;    // the factions the largest run really worked on
    int n = 0;
    std::string error; // not empty when a run failed
    bool Scaled() const { return reached < n; }
    bool Valid() const { return error.empty(); }
};

// Runs the step on growing prefixes of the n factions, from `start` on, each as large as the
// runs so far judge to fit in what is left of `budget` seconds; a run on all n is the figure
// itself. Otherwise the figure is extrapolated with `growth` from the last two runs (one
// run: by its power of m). A step of all n under half a second is run three times and the
// best kept.
Timing Measure(const StepRun& run, Growth growth, int n, int start, double budget);

} // namespace roadbench
