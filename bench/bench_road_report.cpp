#include "bench_road_report.h"

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
