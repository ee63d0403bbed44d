// The steel calculator's full recomputation for each steel of its menu: all transformation temperatures,
// the isothermal diagram at 300 temperatures, the continuous diagram for 12 cooling curves with their
// hardness, DI and the end-quench curve, and the tempering chart for 1 h and 10 h. Also the cooling
// window's quenched bar (three places). Prints the median and the slowest of repeated runs; run by hand,
// it asserts nothing. The goal for the recomputation is 20 ms.
#include "steel/Calculator.h"
#include "steel/Cooling.h"
#include "steel/NamedSteels.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Figures {
    double median, worst;
};

template <class F> Figures measure(int runs, F&& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work();
        times.push_back(msSince(start));
    }
    std::sort(times.begin(), times.end());
    return { times[times.size() / 2], times.back() };
}

} // namespace

int main()
{
    using namespace wb::steel;
    volatile double sink = 0; // keeps the work from being optimised away
    std::printf("%-10s %12s %12s\n", "steel", "median ms", "slowest ms");
    double worstMedian = 0;
    for (const NamedSteel& named : namedSteels()) {
        const Steel steel = std::get<Steel>(Steel::from(named.composition));
        const Figures f = measure(21, [&] {
            const CalculatorReport report = recompute(steel);
            sink = sink + report.cooling.back().hardness + report.ttt.back().temperature;
        });
        worstMedian = std::max(worstMedian, f.median);
        std::printf("%-10s %12.3f %12.3f\n", named.name, f.median, f.worst);
    }
    std::printf("full recomputation, slowest median: %.3f ms (goal 20 ms)\n", worstMedian);

    const Steel c45 = std::get<Steel>(Steel::from(findNamedSteel("C45")->composition));
    const LiKinetics kinetics = liKinetics(c45);
    const Figures bar = measure(21, [&] {
        const BarCooling cooling(40, Quenchant::Oil);
        for (double place : { 0.0, 0.5, 1.0 }) {
            const auto curve = cooling.curve(place);
            sink = sink + continuousCooling(kinetics, curve).martensite;
        }
    });
    std::printf("quenched bar 40 mm in oil, three places with their shares: median %.3f ms, slowest %.3f ms\n",
        bar.median, bar.worst);
    return 0;
}
