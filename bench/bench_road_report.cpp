#include "bench_road_report.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace roadbench {

namespace {

const char* const kStepNames[kStepCount] = {
    "import of all (btnImportAll)",
    "load of the project (BreloButton6)",
    "pick, faction properties (cboFP_group)",
    "pick, empathy (cboemphaty_group)",
    "pick, initial world (cboInit_group)",
    "REP column write (lv_emphaty double-click)",
    "faction-property compile, btnCompileFP",
    "empathy compile, btnEmphatySave",
    "initial-world compile, BreloButton13",
    "faction-property compile alone",
    "empathy compile alone",
    "initial-world compile alone",
    "empathy compile alone, 1/2 reps missing",
};

std::string Figure(const Timing& t)
{
    if (!t.Valid())
        return "failed";
    char text[32];
    if (t.seconds < 1)
        std::snprintf(text, sizeof text, "%.1f ms%s", t.seconds * 1000, t.Scaled() ? "*" : " ");
    else
        std::snprintf(text, sizeof text, "%.2f s%s", t.seconds, t.Scaled() ? "*" : " ");
    return text;
}

std::string MeasuredOn(const Timing& t)
{
    if (!t.Valid())
        return "-";
    if (!t.Scaled())
        return "all";
    return std::to_string(t.reached) + " of " + std::to_string(t.n);
}

// The machine's load over the last minute: the figures of a busy machine are slower.
std::string LoadAverage()
{
    char text[16] = "?";
    if (std::FILE* file = std::fopen("/proc/loadavg", "r")) {
        if (std::fscanf(file, "%15s", text) != 1)
            text[0] = '?', text[1] = 0;
        std::fclose(file);
    }
    return text;
}

const Figures* Find(const std::vector<Figures>& all, int n)
{
    for (const Figures& f : all) {
        if (f.n == n)
            return &f;
    }
    return nullptr;
}

void Verdict(const char* what, const std::string& figure, bool valid, bool met, bool scaled)
{
    std::printf("  %-62s %14s  %s\n", what, figure.c_str(),
                !valid ? "NO FIGURE"
                : met  ? (scaled ? "met (scaled)" : "met")
                       : (scaled ? "MISSED (scaled)" : "MISSED"));
}

void Under(const Timing& t, double limit, const std::string& what)
{
    Verdict(what.c_str(), Figure(t), t.Valid(), t.seconds < limit, t.Scaled());
}

void Within(const Timing& t, const Timing& reference, double factor, const std::string& what)
{
    char ratio[32];
    std::snprintf(ratio, sizeof ratio, "%.2fx", t.seconds / reference.seconds);
    Verdict(what.c_str(), ratio, t.Valid() && reference.Valid(),
            t.seconds <= factor * reference.seconds, t.Scaled() || reference.Scaled());
}

} // namespace

const char* StepName(int step)
{
    return kStepNames[step];
}

const char* ColdStepName(int step)
{
    switch (step) {
    case kColdStart:
        return "start of the program (window loaded, shown)";
    case kColdLoad:
        return "load of the empty project (BreloButton6)";
    default: {
        // The rest are steps of the warm road.
        static const int warm[kColdStepCount] = {-1,
                                                 -1,
                                                 kImportAll,
                                                 kPickProperties,
                                                 kPickEmpathy,
                                                 kPickInitialWorld,
                                                 kRepWrite,
                                                 kButtonProperties,
                                                 kButtonEmpathy,
                                                 kButtonInitialWorld};
        return kStepNames[warm[step]];
    }
    }
}

void PrintTable(const Figures& f)
{
    std::printf("\nThe road at N = %d factions (fast: the fast paths on; baseline: all off; "
                "load average at the end: %s)\n\n",
                f.n, LoadAverage().c_str());
    std::printf("%-44s | %12s | %12s | %12s | %12s | %9s\n", "step", "fast", "measured on",
                "baseline", "measured on", "base/fast");
    std::printf("%s\n", std::string(44, '-')
                            .append("-+--------------+--------------+---------"
                                    "-----+--------------+----------")
                            .c_str());
    for (int s = 0; s < kStepCount; ++s) {
        const Timing& fast = f.fast[s];
        const bool base = !f.baseline.empty();
        std::string factor = "";
        if (base && fast.Valid() && f.baseline[s].Valid() && fast.seconds > 0) {
            char text[32];
            std::snprintf(text, sizeof text, "%.1fx", f.baseline[s].seconds / fast.seconds);
            factor = text;
        }
        std::printf("%-44s | %12s | %12s | %12s | %12s | %9s\n", kStepNames[s],
                    Figure(fast).c_str(), MeasuredOn(fast).c_str(),
                    base ? Figure(f.baseline[s]).c_str() : "not run",
                    base ? MeasuredOn(f.baseline[s]).c_str() : "", factor.c_str());
    }
    for (int s = 0; s < kStepCount; ++s) {
        for (const Timing* t : {&f.fast[s], f.baseline.empty() ? nullptr : &f.baseline[s]}) {
            if (t && !t->Valid())
                std::printf("  %s (%s): %s\n", kStepNames[s], t == &f.fast[s] ? "fast" : "baseline",
                            t->error.c_str());
        }
    }
    std::printf("* scaled to N from the runs on the first factions of the N (the files stay "
                "those of N factions); the others measured on all N.\n");
    std::fflush(stdout);
}

void PrintTargets(const std::vector<Figures>& all)
{
    std::printf("\nTargets (fast figures)\n");
    const int buttons[] = {kButtonProperties, kButtonEmpathy, kButtonInitialWorld};
    const int alone[] = {kAloneProperties, kAloneEmpathy, kAloneInitialWorld};
    if (const Figures* f = Find(all, 200)) {
        std::printf(" N = 200\n");
        Under(f->fast[kImportAll], 1.0, std::string(StepName(kImportAll)) + " < 1 s");
        for (int b : buttons)
            Under(f->fast[b], 0.5, std::string(StepName(b)) + " < 0.5 s");
        for (int s : {kPickProperties, kPickEmpathy, kPickInitialWorld, kRepWrite})
            Under(f->fast[s], 0.05, std::string(StepName(s)) + " < 50 ms");
    }
    if (const Figures* f = Find(all, 1000)) {
        std::printf(" N = 1000\n");
        Under(f->fast[kImportAll], 20.0, std::string(StepName(kImportAll)) + " < 20 s");
        for (int i = 0; i < 3; ++i) {
            Under(f->fast[buttons[i]], 3.0, std::string(StepName(buttons[i])) + " < 3 s");
            Within(f->fast[buttons[i]], f->fast[alone[i]], 1.5,
                   std::string(StepName(buttons[i])) + " <= 1.5x alone");
        }
        Within(f->fast[kAloneEmpathyHalfMissing], f->fast[kAloneEmpathy], 1.2,
               "empathy alone, 1/2 reps missing <= 1.2x all present");
    }
    const Figures* small = Find(all, 200);
    const Figures* large = Find(all, 1000);
    if (small && large) {
        std::printf(" N = 1000 against N = 200, each step within 30x\n");
        for (int s = 0; s < kStepCount; ++s)
            Within(large->fast[s], small->fast[s], 30.0, StepName(s));
    }
    std::fflush(stdout);
}

} // namespace roadbench

namespace roadbench {

namespace {

std::string ColdFigure(const ColdRoad& road, int step)
{
    if (!road.error.empty() || road.steps.size() != kColdStepCount)
        return "failed";
    if (road.steps[step].seconds < 0)
        return "not run";
    Timing measured;
    measured.seconds = road.steps[step].seconds;
    measured.reached = measured.n = 1;
    return Figure(measured);
}

std::string Megabytes(const ColdRoad& road, int step)
{
    if (!road.error.empty() || road.steps.size() != kColdStepCount || road.steps[step].seconds < 0)
        return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MB", road.steps[step].peakKb / 1024.0);
    return text;
}

bool Complete(const ColdRoad& road)
{
    return road.error.empty() && road.steps.size() == kColdStepCount;
}

const ColdFigures* FindCold(const std::vector<ColdFigures>& all, int n)
{
    for (const ColdFigures& f : all) {
        if (f.n == n)
            return &f;
    }
    return nullptr;
}

long RoadPeakKb(const ColdRoad& road)
{
    long peak = 0;
    for (const ColdTiming& t : road.steps)
        peak = std::max(peak, t.peakKb);
    return peak;
}

void ColdUnder(const ColdRoad& road, int step, double limit, const std::string& what)
{
    const bool valid = Complete(road) && road.steps[step].seconds >= 0;
    Verdict(what.c_str(), ColdFigure(road, step), valid, valid && road.steps[step].seconds < limit,
            false);
}

void ColdWithin(const ColdRoad& large, const ColdRoad& small, int step, double factor,
                const std::string& what)
{
    const bool valid = Complete(large) && Complete(small) && small.steps[step].seconds > 0 &&
                       large.steps[step].seconds >= 0;
    char ratio[32] = "-";
    if (valid)
        std::snprintf(ratio, sizeof ratio, "%.1fx",
                      large.steps[step].seconds / small.steps[step].seconds);
    Verdict(what.c_str(), ratio, valid,
            valid && large.steps[step].seconds <= factor * small.steps[step].seconds, false);
}

} // namespace

void PrintColdTable(const ColdFigures& f)
{
    const bool base = f.baselineRun;
    const bool perStep = f.fast.peakPerStep && (!base || f.baseline.peakPerStep);
    std::printf("\nThe cold road at N = %d factions: once, in a fresh process each (fast: the "
                "fast paths on; baseline: all off; load average at the end: %s)\n",
                f.n, LoadAverage().c_str());
    std::printf("peak: the resident memory's peak %s\n\n",
                perStep ? "during the step (reset at its start)"
                        : "of the process up to the step's end (the peak could not be reset)");
    std::printf("%-44s | %12s | %10s | %12s | %10s | %9s\n", "step", "fast", "peak", "baseline",
                "peak", "base/fast");
    std::printf("%s\n", std::string(44, '-')
                            .append("-+--------------+------------+--------------+-----------"
                                    "-+----------")
                            .c_str());
    for (int s = 0; s < kColdStepCount; ++s) {
        std::string factor;
        if (base && Complete(f.fast) && Complete(f.baseline) && f.fast.steps[s].seconds > 0 &&
            f.baseline.steps[s].seconds >= 0) {
            char text[32];
            std::snprintf(text, sizeof text, "%.1fx",
                          f.baseline.steps[s].seconds / f.fast.steps[s].seconds);
            factor = text;
        }
        std::printf("%-44s | %12s | %10s | %12s | %10s | %9s\n", ColdStepName(s),
                    ColdFigure(f.fast, s).c_str(), Megabytes(f.fast, s).c_str(),
                    base ? ColdFigure(f.baseline, s).c_str() : "not run",
                    base ? Megabytes(f.baseline, s).c_str() : "", factor.c_str());
    }
    if (Complete(f.fast))
        std::printf("peak of the whole road: fast %.1f MB", RoadPeakKb(f.fast) / 1024.0);
    if (base && Complete(f.baseline))
        std::printf(", baseline %.1f MB", RoadPeakKb(f.baseline) / 1024.0);
    std::printf("\n");
    for (const ColdRoad* road : {&f.fast, base ? &f.baseline : nullptr}) {
        if (road && !road->error.empty())
            std::printf("  %s: %s\n", road == &f.fast ? "fast" : "baseline", road->error.c_str());
    }
    if (base && Complete(f.fast) && Complete(f.baseline))
        std::printf("compiled files of the fast and the baseline road: %s\n",
                    f.fast.outputs == f.baseline.outputs ? "the same bytes" : "DIFFERENT");
    std::fflush(stdout);
}

void PrintColdTargets(const std::vector<ColdFigures>& all)
{
    std::printf("\nTargets of the cold road (fast figures)\n");
    const int compiles[] = {kColdButtonProperties, kColdButtonEmpathy, kColdButtonInitialWorld};
    const int small[] = {kColdPickProperties, kColdPickEmpathy, kColdPickInitialWorld,
                         kColdRepWrite};
    if (const ColdFigures* f = FindCold(all, 200)) {
        std::printf(" N = 200\n");
        ColdUnder(f->fast, kColdImportAll, 0.5,
                  std::string(ColdStepName(kColdImportAll)) + " < 0.5 s");
        for (int s : compiles)
            ColdUnder(f->fast, s, 0.3, std::string(ColdStepName(s)) + " < 0.3 s");
    }
    if (const ColdFigures* f = FindCold(all, 1000)) {
        std::printf(" N = 1000\n");
        ColdUnder(f->fast, kColdImportAll, 4.0,
                  std::string(ColdStepName(kColdImportAll)) + " < 4 s");
        for (int s : small)
            ColdUnder(f->fast, s, 0.05, std::string(ColdStepName(s)) + " < 50 ms");
        for (int s : compiles)
            ColdUnder(f->fast, s, 1.5, std::string(ColdStepName(s)) + " < 1.5 s");
        const bool valid = Complete(f->fast);
        char figure[32] = "-";
        if (valid)
            std::snprintf(figure, sizeof figure, "%.1f MB", RoadPeakKb(f->fast) / 1024.0);
        Verdict("peak resident memory of the whole road < 160 MB", figure, valid,
                valid && RoadPeakKb(f->fast) < 160 * 1024, false);
    }
    const ColdFigures* lo = FindCold(all, 200);
    const ColdFigures* hi = FindCold(all, 1000);
    if (lo && hi) {
        std::printf(" N = 1000 against N = 200, each step within its bytes' growth\n");
        for (int s : {kColdImportAll, kColdButtonEmpathy, kColdButtonInitialWorld})
            ColdWithin(hi->fast, lo->fast, s, 25.0, std::string(ColdStepName(s)) + " <= 25x");
        for (int s :
             {kColdPickProperties, kColdPickEmpathy, kColdPickInitialWorld, kColdButtonProperties})
            ColdWithin(hi->fast, lo->fast, s, 5.0, std::string(ColdStepName(s)) + " <= 5x");
    }
    std::fflush(stdout);
}

} // namespace roadbench
