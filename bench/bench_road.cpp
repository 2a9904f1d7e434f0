// Times the road of a modder through the real main window, offscreen, at hundreds of
// factions: the import of all stock factions, a pick on each data tab, the REP column write,
// each compile button with its bars and each compile alone, on generated stock folders in
// which every faction holds its empathy rate and its reputation toward every other faction.
// Beside it, in the same run, the same steps with the batched writes and the caches switched
// off (the baseline). A step that would not fit its time budget runs on the first m of the n
// factions (the files stay those of n factions) and is scaled to n; the table says which
// figures were measured and which scaled. This is the warm road: one window for every run,
// and a step under half a second is run three times and the best kept.
// Before it, for each n, the cold road: the whole road once (start, load, import of all, the
// three picks, the REP column write, the three compiles) in a fresh process and a program
// folder of its own, fast and baseline, with each step's peak resident memory. The cold roads
// run before every warm one, and nothing is deleted while they run. Not a test: run it by hand,
// e.g.
//   build/bin/bench_road [--n=100,200,1000] [--cap=20] [--fast-cap=45] [--no-baseline]
//                        [--no-cold] [--no-warm] [--cold-baseline-up-to=100]
//                        [--cold-baseline-import-up-to=40] [--kolvetra=libKolvetra.so]
// --cap is the budget in seconds of each baseline step, --fast-cap that of each fast step.
// The cold baseline cannot be scaled: it runs only up to the n given (its initial-world
// compile, which parses the whole file for every key, takes about 20 minutes at 200), and
// its import only up to the second n (above it the bench writes the imported files itself).
// --kolvetra names the component library to register (the one built beside the bench by
// default). To walk one cold road alone, lay out its program folder first:
//   build/bin/bench_road --stock-only=1000 --root=/tmp/road
//   build/bin/bench_road --cold-road=1000 --root=/tmp/road
#include "bench_road_cold.h"
#include "bench_road_data.h"
#include "bench_road_measure.h"
#include "bench_road_report.h"
#include "bench_road_window.h"

#include "app/main_window/frmMain/empathy_compiler.h"
#include "app/main_window/frmMain/faction_prop_compiler.h"
#include "app/main_window/frmMain/initial_world_compiler.h"
#include "platform/files/files.h"
#include "platform/profile/profile.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <ftw.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace roadbench;
using Clock = std::chrono::steady_clock;

struct Options {
    std::vector<int> ns = {100, 200, 1000};
    double cap = 20;
    double fastCap = 45;
    bool baseline = true;
    bool cold = true;
    bool warm = true;
    int coldBaselineUpTo = 100;
    int coldBaselineImportUpTo = 40;
    // The child of a cold road: its n, the program folder and the mode.
    std::string kolvetra = QV_KOLVETRA;
    int coldRoad = 0;
    std::string root;
    bool coldBaseline = false;
    bool writtenImport = false;
    // Lays out a program folder with the stock of n factions in `root` and stops, so that one
    // cold road can be walked alone (under a profiler, say) with --cold-road=n --root=...
    int stockOnly = 0;
};

Options Parse(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--n=", 0) == 0) {
            options.ns.clear();
            for (const char* p = argv[i] + 4; *p;) {
                char* end;
                const long n = std::strtol(p, &end, 10);
                if (end == p || n < 2)
                    throw std::runtime_error("--n takes numbers of at least 2: " + arg);
                options.ns.push_back(static_cast<int>(n));
                p = *end == ',' ? end + 1 : end;
            }
        } else if (arg.rfind("--cap=", 0) == 0) {
            options.cap = std::atof(argv[i] + 6);
        } else if (arg.rfind("--fast-cap=", 0) == 0) {
            options.fastCap = std::atof(argv[i] + 11);
        } else if (arg == "--no-baseline") {
            options.baseline = false;
        } else if (arg == "--no-cold") {
            options.cold = false;
        } else if (arg == "--no-warm") {
            options.warm = false;
        } else if (arg.rfind("--cold-baseline-import-up-to=", 0) == 0) {
            options.coldBaselineImportUpTo = std::atoi(argv[i] + 29);
        } else if (arg.rfind("--kolvetra=", 0) == 0) {
            options.kolvetra = argv[i] + 11;
        } else if (arg == "--written-import") {
            options.writtenImport = true;
        } else if (arg.rfind("--cold-baseline-up-to=", 0) == 0) {
            options.coldBaselineUpTo = std::atoi(argv[i] + 22);
        } else if (arg.rfind("--cold-road=", 0) == 0) {
            options.coldRoad = std::atoi(argv[i] + 12);
        } else if (arg.rfind("--root=", 0) == 0) {
            options.root = argv[i] + 7;
        } else if (arg.rfind("--stock-only=", 0) == 0) {
            options.stockOnly = std::atoi(argv[i] + 13);
        } else if (arg == "--baseline") {
            options.coldBaseline = true;
        } else {
            throw std::runtime_error("unknown option " + arg);
        }
    }
    return options;
}

template <class F> double Seconds(F&& f)
{
    const auto start = Clock::now();
    f();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void RemoveTree(const std::string& folder)
{
    std::error_code ec;
    fs::remove_all(folder, ec);
}

// The road of one n in one mode, in the window `w`, over the program folder `root`.
class Road {
public:
    Road(RoadWindow& w, const std::string& root, int n, bool fast)
        : m_w(w)
        , m_root(root)
        , m_n(n)
        , m_mode(fast ? "fast" : "base")
        , m_project("Road" + std::to_string(n) + m_mode)
        , m_keys(FactionKeys(n))
    {
    }

    // Each step's timing, in the order of kSteps.
    std::vector<Timing> Run(double budget);

private:
    std::string ProjectFolder(const std::string& name) const
    {
        return m_root + "/projects/" + name;
    }
    void Check(const char* what)
    {
        const std::string messages = m_w.TakeMessages();
        if (!messages.empty())
            throw std::runtime_error(std::string(what) + " showed: " + messages);
    }
    double Timed(const char* what, const std::function<void()>& step)
    {
        Check("the set-up");
        const double t = Seconds(step);
        Check(what);
        return t;
    }
    // The project's registry cut to its first m factions, and the lists reloaded from it:
    // the lists, and so the pickers and the compiles, work on m factions of files of n.
    void UseFactions(int m)
    {
        if (m == m_listed)
            return;
        WriteRegistry(m);
        m_w.Click("btnnewfactionreload");
        Check("the reload of the lists");
        m_listed = m;
    }
    void WriteRegistry(int m) const
    {
        std::string registry;
        for (int i = 0; i < m; ++i)
            registry += "[" + m_keys[i] + "]\r\ngrp=" + m_keys[i] + "\r\n";
        Put(ProjectFolder(m_project) + "/misc/factions.ini", registry);
    }
    std::vector<std::string> Keys(int m) const
    {
        return std::vector<std::string>(m_keys.begin(), m_keys.begin() + m);
    }

    double Import(int m);
    double Load(int m);

    RoadWindow& m_w;
    std::string m_root;
    int m_n;
    std::string m_mode;
    std::string m_project;
    std::vector<std::string> m_keys;
    int m_listed = -1;
    int m_imports = 0;
};

// The empty project made and loaded as the user does, the stock empathy folder holding the
// first m factions (the other two folders keep all n), then the click on btnImportAll.
double Road::Import(int m)
{
    const std::string name = "Imp" + std::to_string(m_n) + m_mode + std::to_string(++m_imports);
    m_w.CreateInNameBox(name);
    m_w.SelectProject(name);
    m_w.ClickLoad();
    m_w.FinishSlide();
    m_listed = -1;
    const std::string stock = m_root + "/data/emphaty/original_factions/";
    const std::string aside = m_root + "/held_back/";
    fs::create_directories(aside);
    for (int i = m; i < m_n; ++i)
        fs::rename(stock + m_keys[i], aside + m_keys[i]);
    double t = 0;
    try {
        m_w.ShowPageOf("btnImportAll");
        t = Timed("the import of all", [&] { m_w.Click("btnImportAll"); });
    } catch (...) {
        for (int i = m; i < m_n; ++i)
            fs::rename(aside + m_keys[i], stock + m_keys[i]);
        throw;
    }
    for (int i = m; i < m_n; ++i)
        fs::rename(aside + m_keys[i], stock + m_keys[i]);

    // The smaller imports are held against the generated project, which stands for the
    // import everywhere else: the same bytes, or the bench measures something else.
    if (m <= 40) {
        const std::string expected = m_root + "/expected";
        MakeProjectFolders(expected);
        WriteImportedProject(expected, m_n, m);
        auto got = TreeOf(ProjectFolder(name));
        std::erase_if(got, [](const auto& file) { return file.first.rfind("Protocol", 0) == 0; });
        const bool same = got == TreeOf(expected);
        RemoveTree(expected);
        if (!same)
            throw std::runtime_error("the import of " + std::to_string(m) +
                                     " factions differs from the generated project");
    }
    RemoveTree(ProjectFolder(name));
    return t;
}

double Road::Load(int m)
{
    WriteRegistry(m);
    m_w.SelectProject(m_project);
    const double t = Timed("the load", [&] { m_w.ClickLoad(); });
    m_w.FinishSlide();
    m_listed = m;
    return t;
}

std::vector<Timing> Road::Run(double budget)
{
    const std::string p = ProjectFolder(m_project);
    MakeProjectFolders(p);
    WriteImportedProject(p, m_n, m_n);

    const auto pick = [this](const char* picker) {
        return [this, picker](int m) {
            UseFactions(m);
            m_w.ShowPageOf(picker);
            return Timed("the pick", [&] { m_w.Pick(picker, m / 2); });
        };
    };
    const auto click = [this](const char* button) {
        return [this, button](int m) {
            UseFactions(m);
            m_w.ShowPageOf(button);
            return Timed(button, [&] { m_w.Click(button); });
        };
    };
    const auto alone = [this](const std::function<void(const std::vector<std::string>&)>& compile) {
        return [this, compile](int m) {
            const std::vector<std::string> keys = Keys(m);
            return Timed("the compile", [&] { compile(keys); });
        };
    };

    std::vector<Timing> timings;
    const auto measure = [&](const StepRun& run, Growth growth, int start) {
        timings.push_back(Measure(run, growth, m_n, start, budget));
        std::fprintf(stderr, ".");
    };
    measure([this](int m) { return Import(m); }, Growth::Quadratic, 1);
    measure([this](int m) { return Load(m); }, Growth::Quadratic, 2);
    measure(pick("cboFP_group"), Growth::Linear, 2);
    measure(pick("cboemphaty_group"), Growth::Linear, 2);
    measure(pick("cboInit_group"), Growth::Linear, 2);
    measure(
        [this](int m) {
            UseFactions(m);
            m_w.Pick("cboemphaty_group", m / 2);
            m_w.SelectRow("lv_emphaty", m / 3 + 1, "0.25");
            const double t = Timed("the REP column write", [&] { m_w.DoubleClick("lv_emphaty"); });
            if (!m_w.Answered())
                throw std::runtime_error("the REP column write asked for no value");
            return t;
        },
        Growth::Linear, 2);
    measure(click("btnCompileFP"), Growth::Linear, 2);
    measure(click("btnEmphatySave"), Growth::Quadratic, 2);
    measure(click("BreloButton13"), Growth::Quadratic, 2);
    measure(alone([](const auto& keys) { quorvel::CompileFactionProperties(keys); }),
            Growth::Linear, 2);
    measure(alone([](const auto& keys) { quorvel::CompileEmpathy(keys, keys); }), Growth::Quadratic,
            20);
    measure(alone([](const auto& keys) { quorvel::CompileInitialWorld(keys, keys); }),
            Growth::Quadratic, 2);
    for (int i = 1; i < m_n; i += 2)
        fs::remove(p + "/emphaty/new/reps_" + m_keys[i] + ".facts");
    measure(alone([](const auto& keys) { quorvel::CompileEmpathy(keys, keys); }), Growth::Quadratic,
            20);
    std::fprintf(stderr, "\n");
    RemoveTree(p);
    return timings;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    try {
        options = Parse(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_road: %s\n", e.what());
        return 2;
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (options.coldRoad > 0)
        return WalkColdRoad(argc, argv, options.root, options.coldRoad, !options.coldBaseline,
                            !options.writtenImport, options.kolvetra);
    if (options.stockOnly > 0) {
        if (options.root.empty()) {
            std::fprintf(stderr, "bench_road: --stock-only needs --root\n");
            return 2;
        }
        fs::create_directories(options.root + "/projects");
        WriteStock(options.root, options.stockOnly);
        return 0;
    }
    QApplication app(argc, argv);
    std::error_code ec;
    const std::string self = fs::read_symlink("/proc/self/exe", ec).string();

    char pattern[] = "/tmp/qv_bench_road_XXXXXX";
    if (!::mkdtemp(pattern)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string root = pattern;
    int status = 0;
    try {
        fs::create_directories(root + "/projects");
        WriteStock(root, 0);
        RoadWindow window(root, options.kolvetra);
        std::vector<Figures> figures;
        std::vector<ColdFigures> cold;
        // Every cold road first, then the warm ones: the warm roads make and delete whole
        // projects, and a cold road right after would pay for those deletions (see
        // WalkColdRoad). A cold road gets a program folder of its own, so that nothing is
        // deleted while the cold roads run.
        const auto writeStock = [](const std::string& folder, int n) {
            const double made = Seconds([&] { WriteStock(folder, n); });
            std::fprintf(stderr, "n = %d: stock folders written in %.1f s\n", n, made);
        };
        for (int n : options.cold ? options.ns : std::vector<int>{}) {
            const std::string folder = root + "/cold" + std::to_string(n);
            fs::create_directories(folder + "/projects");
            writeStock(folder, n);
            ColdFigures c;
            c.n = n;
            std::fprintf(stderr, "n = %d, cold road ", n);
            c.fast = RunColdRoad(self, options.kolvetra, folder, n, true, true);
            if (options.baseline && n <= options.coldBaselineUpTo) {
                std::fprintf(stderr, "n = %d, cold road, baseline ", n);
                c.baseline = RunColdRoad(self, options.kolvetra, folder, n, false,
                                         n <= options.coldBaselineImportUpTo);
                c.baselineRun = true;
            }
            cold.push_back(c);
            PrintColdTable(cold.back());
        }
        for (int n : options.warm ? options.ns : std::vector<int>{}) {
            RemoveTree(root + "/data");
            writeStock(root, n);
            std::fprintf(stderr, "n = %d, warm road ", n);
            Figures f;
            f.n = n;
            SetFastPaths(true);
            f.fast = Road(window, root, n, true).Run(options.fastCap);
            if (options.baseline) {
                std::fprintf(stderr, "n = %d, baseline ", n);
                SetFastPaths(false);
                f.baseline = Road(window, root, n, false).Run(options.cap);
                SetFastPaths(true);
            }
            figures.push_back(f);
            PrintTable(figures.back());
        }
        if (options.cold)
            PrintColdTargets(cold);
        if (options.warm)
            PrintTargets(figures);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_road: %s\n", e.what());
        status = 1;
    }
    RemoveTree(root);
    return status;
}
