#include "bench_road_measure.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>
#include <vector>

namespace roadbench {

namespace {

double Power(Growth growth)
{
    return growth == Growth::Quadratic ? 2.0 : 1.0;
}

// The time at n from runs at m1 < m2. The fit's two parts may not be negative (a noisy small
// run can make one so): then the other part alone carries the larger run to n.
double Extrapolate(Growth growth, std::pair<int, double> p1, std::pair<int, double> p2, int n)
{
    const double m1 = p1.first, t1 = p1.second, m2 = p2.first, t2 = p2.second;
    if (growth == Growth::Linear) {
        const double perFaction = (t2 - t1) / (m2 - m1);
        const double fixed = t1 - perFaction * m1;
        if (perFaction < 0)
            return t2;
        if (fixed < 0)
            return t2 * n / m2;
        return fixed + perFaction * n;
    }
    const double perPair = (t2 / m2 - t1 / m1) / (m2 - m1);
    const double perFaction = t1 / m1 - perPair * m1;
    if (perPair < 0)
        return t2 * n / m2;
    if (perFaction < 0)
        return t2 * (n / m2) * (n / m2);
    return perFaction * n + perPair * n * n;
}

} // namespace

Timing Measure(const StepRun& run, Growth growth, int n, int start, double budget)
{
    Timing timing;
    timing.n = n;
    std::vector<std::pair<int, double>> runs;
    double spent = 0;
    int m = std::clamp(start, 1, n);
    // The time of a run on x factions as judged so far: fitted to the last two runs, or by
    // the step's power of m from the first; with a margin, so that the budget holds.
    const auto judged = [&](int x) {
        const double t =
            runs.size() < 2
                ? runs.back().second * std::pow(double(x) / runs.back().first, Power(growth))
                : Extrapolate(growth, runs[runs.size() - 2], runs.back(), x);
        return 1.2 * t;
    };
    try {
        for (;;) {
            const double t = run(m);
            spent += t;
            runs.emplace_back(m, t);
            if (m == n)
                break;
            const double left = budget - spent;
            int next = n;
            if (judged(n) > left) {
                int lo = m, hi = n; // the largest size that fits lies in [lo, hi)
                while (hi - lo > 1) {
                    const int mid = lo + (hi - lo) / 2;
                    (judged(mid) <= left ? lo : hi) = mid;
                }
                next = lo;
            }
            // A run barely larger than the last adds time but tells nothing new. After one
            // run, one more of the least useful size is made when its time judged by the
            // first power of m fits, so that the extrapolation has two runs to fit: it
            // overruns the budget by at most that power's error.
            const int least = m + std::max(1, m / 2);
            if (next < least && runs.size() == 1 && std::min(least, n) * t / m <= left)
                next = std::min(least, n);
            if (next < least && next < n)
                break;
            m = next;
        }
    } catch (const std::exception& e) {
        timing.error = e.what();
        return timing;
    }

    const auto [m2, t2] = runs.back();
    timing.reached = m2;
    if (m2 == n) {
        timing.seconds = t2;
        if (t2 < 0.5) {
            try {
                for (int r = 0; r < 2; ++r)
                    timing.seconds = std::min(timing.seconds, run(n));
            } catch (const std::exception& e) {
                timing.error = e.what();
            }
        }
        return timing;
    }
    if (runs.size() == 1)
        timing.seconds = t2 * std::pow(static_cast<double>(n) / m2, Power(growth));
    else
        timing.seconds = Extrapolate(growth, runs[runs.size() - 2], runs.back(), n);
    return timing;
}

} // namespace roadbench
