#pragma once

#include <string>
#include <vector>

// The cold road: the whole road once, in a fresh process of its own, as a modder walks it
// after starting the program. Nothing is left from an earlier run in that process: no parsed
// file, no listing, no picture. The files themselves are in the system's page cache, since
// the bench has just written them.
namespace roadbench {

// The steps of the cold road, in the order they run and are printed.
enum ColdStep {
    kColdStart,
    kColdLoad,
    kColdImportAll,
    kColdPickProperties,
    kColdPickEmpathy,
    kColdPickInitialWorld,
    kColdRepWrite,
    kColdButtonProperties,
    kColdButtonEmpathy,
    kColdButtonInitialWorld,
    kColdStepCount
};

const char* ColdStepName(int step);

struct ColdTiming {
    double seconds = 0; // negative: not run
    long peakKb = 0;    // the step's peak resident memory (or the process's so far, see below)
};

struct ColdRoad {
    std::vector<ColdTiming> steps; // in the order of ColdStep; empty when the road failed
    // True when each step's peak was measured from the step's start (the kernel let the
    // process reset its peak); false: each figure is the process's peak up to the step's end.
    bool peakPerStep = false;
    unsigned long long outputs = 0; // a digest of the three compiled files
    std::string error;
};

// Runs the cold road of n factions in a fresh process (`self`, this program, started again
// with --cold-road) with the component library `kolvetra`, with the fast paths on or all off,
// over the stock folders already written below `root`, and collects what it measured. Without
// `import` the bench writes the files of the import itself (the same bytes) and the import is not
// run: a baseline import of hundreds of factions takes hours.
ColdRoad RunColdRoad(const std::string& self, const std::string& kolvetra, const std::string& root,
                     int n, bool fast, bool import);

// The child's side: starts the program in this process (the application object is made from
// argc and argv as part of the start), walks the road and writes its figures to stdout.
// Returns the process's exit status.
int WalkColdRoad(int& argc, char** argv, const std::string& root, int n, bool fast, bool import,
                 const std::string& kolvetra);

} // namespace roadbench
