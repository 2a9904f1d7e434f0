#include "bench_road_cold.h"

#include "bench_road_data.h"
#include "bench_road_window.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <stdexcept>

namespace roadbench {

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Writing 5 to clear_refs resets the process's peak resident size to its present size
// (Linux 4.0 and later); a kernel or sandbox that refuses leaves the running peak.
bool ResetPeak()
{
    std::FILE* file = std::fopen("/proc/self/clear_refs", "w");
    if (!file)
        return false;
    const bool written = std::fputs("5", file) >= 0;
    return std::fclose(file) == 0 && written;
}

// A "Vm...:" line of /proc/self/status, in kB; 0 when it cannot be read.
long StatusKb(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::size_t length = std::strlen(field);
    while (std::getline(status, line)) {
        if (line.compare(0, length, field) == 0 && line.size() > length && line[length] == ':')
            return std::atol(line.c_str() + length + 1);
    }
    return 0;
}

// FNV-1a over the bytes of the files, in order, each followed by its length.
unsigned long long Digest(const std::vector<std::string>& files)
{
    unsigned long long h = 14695981039346656037ull;
    const auto mix = [&h](unsigned char c) { h = (h ^ c) * 1099511628211ull; };
    for (const std::string& file : files) {
        std::ifstream in(file, std::ios::binary);
        unsigned long long length = 0;
        for (std::istreambuf_iterator<char> it(in), end; it != end; ++it, ++length)
            mix(static_cast<unsigned char>(*it));
        for (int byte = 0; byte < 8; ++byte)
            mix(static_cast<unsigned char>(length >> (8 * byte)));
    }
    return h;
}

} // namespace

int WalkColdRoad(int& argc, char** argv, const std::string& root, int n, bool fast, bool import,
                 const std::string& kolvetra)
{
    const bool perStep = ResetPeak();
    std::printf("peak-per-step %d\n", perStep ? 1 : 0);
    std::unique_ptr<QApplication> app;
    std::unique_ptr<RoadWindow> w;
    const auto check = [&w](const char* what) {
        const std::string messages = w ? w->TakeMessages() : "";
        if (!messages.empty())
            throw std::runtime_error(std::string(what) + " showed: " + messages);
    };
    int step = 0;
    const auto timed = [&](const std::function<void()>& run) {
        check("the set-up");
        if (perStep)
            ResetPeak();
        const auto start = Clock::now();
        run();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        check(ColdStepName(step));
        std::printf("step %d %.6f %ld\n", step++, seconds, StatusKb("VmHWM"));
        std::fflush(stdout);
        std::fprintf(stderr, ".");
    };
    const std::string project = "Cold" + std::to_string(n) + (fast ? "fast" : "base");
    const std::string folder = root + "/projects/" + project;
    try {
        SetFastPaths(fast);
        timed([&] {
            app = std::make_unique<QApplication>(argc, argv);
            w = std::make_unique<RoadWindow>(root, kolvetra);
        });
        w->CreateInNameBox(project);
        w->SelectProject(project);
        timed([&] { w->ClickLoad(); });
        w->FinishSlide();
        w->ShowPageOf("btnImportAll");
        if (import) {
            timed([&] { w->Click("btnImportAll"); });
        } else {
            // The same files, written by the bench, and the lists reloaded from them.
            WriteImportedProject(folder, n, n);
            w->Click("btnnewfactionreload");
            check("the reload of the lists");
            std::printf("step %d -1 0\n", step++);
        }
        for (const char* picker : {"cboFP_group", "cboemphaty_group", "cboInit_group"}) {
            w->ShowPageOf(picker);
            timed([&] { w->Pick(picker, n / 2); });
        }
        w->Pick("cboemphaty_group", n / 2);
        w->SelectRow("lv_emphaty", n / 3 + 1, "0.25");
        timed([&] { w->DoubleClick("lv_emphaty"); });
        if (!w->Answered())
            throw std::runtime_error("the REP column write asked for no value");
        for (const char* button : {"btnCompileFP", "btnEmphatySave", "BreloButton13"}) {
            w->ShowPageOf(button);
            timed([&] { w->Click(button); });
        }
        const std::string compiled = folder + "/compiled/";
        std::printf("outputs %llu\n",
                    Digest({compiled + "faction_prop.ini", compiled + "emphaty.ini",
                            compiled + "initialworld.ini"}));
    } catch (const std::exception& e) {
        std::printf("error %s\n", e.what());
    }
    std::fflush(stdout);
    // The project stays until the bench ends: thousands of files deleted just before the next
    // road would make the file system's search for free inodes part of that road's import
    // (ext4 passes over inodes deleted in the last minutes), which no user meets.
    w.reset();
    return 0;
}

ColdRoad RunColdRoad(const std::string& self, const std::string& kolvetra, const std::string& root,
                     int n, bool fast, bool import)
{
    ColdRoad road;
    const std::string command = "'" + self + "' --cold-road=" + std::to_string(n) + " --root='" +
                                root + "' --kolvetra='" + kolvetra + "'" +
                                (fast ? "" : " --baseline") + (import ? "" : " --written-import");
    std::FILE* child = ::popen(command.c_str(), "r");
    if (!child) {
        road.error = "the cold road could not be started";
        return road;
    }
    char line[4096];
    while (std::fgets(line, sizeof line, child)) {
        int step = 0, flag = 0;
        double seconds = 0;
        long kb = 0;
        unsigned long long digest = 0;
        if (std::sscanf(line, "step %d %lf %ld", &step, &seconds, &kb) == 3) {
            road.steps.push_back({seconds, kb});
        } else if (std::sscanf(line, "peak-per-step %d", &flag) == 1) {
            road.peakPerStep = flag != 0;
        } else if (std::sscanf(line, "outputs %llu", &digest) == 1) {
            road.outputs = digest;
        } else if (std::strncmp(line, "error ", 6) == 0) {
            road.error = line + 6;
            if (!road.error.empty() && road.error.back() == '\n')
                road.error.pop_back();
        }
    }
    const int status = ::pclose(child);
    if (road.error.empty() && (status != 0 || road.steps.size() != kColdStepCount))
        road.error = "the cold road ended early";
    std::fprintf(stderr, "\n");
    return road;
}

} // namespace roadbench
