// The run-time micrograph: how long a 200 × 200 picture takes at ratio 1 and 2 while a pointer
// sweeps the shares as the explorers do (a binary alloy cooling, the iron–carbon diagram's room
// temperature strip from 0 to 6.67 % C, the continuous-cooling constituents over the cooling
// rate), after the sweep has once made the caches; and what the first call of a seed costs.
//
//   micrograph_bench [--sweeps N]
//
// Wall time and the thread's processor time are both shown: on a busy machine the processor time
// is the picture's own cost, the wall time what a student would have waited.
#include "micrograph/Synthesis.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

using namespace wb::micrograph;
using C = Constituent;

namespace {

struct Clock {
    double wall;
    double cpu;
};

Clock now()
{
    timespec w {}, c {};
    clock_gettime(CLOCK_MONOTONIC, &w);
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &c);
    return { w.tv_sec * 1e3 + w.tv_nsec * 1e-6, c.tv_sec * 1e3 + c.tv_nsec * 1e-6 };
}

double clampShare(double v)
{
    return std::clamp(v, 0.0, 1.0);
}

// A type-2 alloy of 30 % B cooling: primary A grows to half the area, then the rest of the melt
// turns into eutectic.
std::vector<Part> binaryCooling(double s)
{
    if (s < 0.5)
        return { { C::PrimaryA, s }, { C::Melt, 1.0 - s } };
    const double eutectic = clampShare((s - 0.5) * 2.0) * 0.5;
    return { { C::PrimaryA, 0.5 }, { C::EutecticAB, eutectic }, { C::Melt, 0.5 - eutectic } };
}

// The room-temperature constituents of slowly cooled iron–carbon alloys, by the lever rule.
std::vector<Part> ironCarbonStrip(double s)
{
    const double c = 6.67 * s;
    if (c <= 0.8) {
        const double ferrite = clampShare((0.8 - c) / 0.78);
        return { { C::Ferrite, ferrite }, { C::Pearlite, 1.0 - ferrite } };
    }
    if (c <= 2.06) {
        const double cementite = (c - 0.8) / (6.67 - 0.8);
        return { { C::Pearlite, 1.0 - cementite }, { C::SecondaryCementite, cementite } };
    }
    if (c <= 4.3) {
        const double ledeburite = (c - 2.06) / (4.3 - 2.06);
        const double cementite = (1.0 - ledeburite) * (2.06 - 0.8) / (6.67 - 0.8);
        return { { C::Pearlite, 1.0 - ledeburite - cementite }, { C::SecondaryCementite, cementite },
            { C::TransformedLedeburite, ledeburite } };
    }
    const double primary = (c - 4.3) / (6.67 - 4.3);
    return { { C::PrimaryCementite, primary }, { C::TransformedLedeburite, 1.0 - primary } };
}

// Slow to fast cooling: ferrite and pearlite give way to bainite, then martensite with some
// retained austenite.
std::vector<Part> continuousCooling(double s)
{
    const double ferrite = 0.45 * clampShare(1.0 - 2.5 * s);
    const double pearlite = 0.55 * clampShare(1.0 - 2.0 * s);
    const double martensite = 0.92 * clampShare((s - 0.35) / 0.5);
    const double retained = 0.08 * clampShare((s - 0.35) / 0.5);
    const double bainite = std::max(0.0, 1.0 - ferrite - pearlite - martensite - retained);
    return { { C::Ferrite, ferrite }, { C::Pearlite, pearlite }, { C::Bainite, bainite }, { C::Martensite, martensite },
        { C::RetainedAustenite, retained } };
}

struct Sweep {
    const char* name;
    std::function<std::vector<Part>(double)> parts;
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double quantile90(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() * 9 / 10];
}

} // namespace

int main(int argc, char** argv)
{
    int sweeps = 3;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--sweeps")
            sweeps = std::max(1, std::atoi(argv[i + 1]));
    const std::vector<Sweep> all {
        { "binary alloy cooling", binaryCooling },
        { "iron-carbon 0 ... 6.67 % C", ironCarbonStrip },
        { "continuous cooling rates", continuousCooling },
    };
    const int steps = 200;
    const int size = 200;
    std::printf("Run-time micrograph, %d x %d logical pixels, %d pointer steps per sweep, %d timed sweeps\n", size,
        size, steps, sweeps);
    std::printf("%-28s %5s  %9s %9s  %9s %9s  %9s %9s  %s\n", "sweep", "ratio", "first", "first", "warm-up", "median",
        "median", "p90", "goal");
    std::printf("%-28s %5s  %9s %9s  %9s %9s  %9s %9s\n", "", "", "wall ms", "cpu ms", "max ms", "wall ms", "cpu ms",
        "wall ms");
    for (const double ratio : { 1.0, 2.0 }) {
        const double goal = ratio == 1.0 ? 1.5 : 5.0;
        for (const Sweep& sweep : all) {
            Synthesis synthesis;
            auto request = [&](int k) {
                return Request { size, size, ratio, 20240611, sweep.parts(static_cast<double>(k) / (steps - 1)) };
            };
            // The first call of the seed makes the layout and the first textures; the rest of
            // the first sweep makes the textures of constituents that appear later.
            const Clock a = now();
            synthesis.render(request(0));
            const Clock b = now();
            double warmup = b.wall - a.wall;
            for (int k = 1; k < steps; ++k) {
                const Clock s = now();
                synthesis.render(request(k));
                warmup = std::max(warmup, now().wall - s.wall);
            }
            std::vector<double> wall, cpu;
            for (int r = 0; r < sweeps; ++r)
                for (int k = 0; k < steps; ++k) {
                    // Back and forth, as a pointer moves.
                    const int step = r % 2 == 0 ? k : steps - 1 - k;
                    const Clock s = now();
                    const Micrograph m = synthesis.render(request(step));
                    const Clock e = now();
                    if (m.image.isNull())
                        return 1;
                    wall.push_back(e.wall - s.wall);
                    cpu.push_back(e.cpu - s.cpu);
                }
            const double med = median(wall);
            const bool met = med <= goal;
            std::printf("%-28s %5.1f  %9.1f %9.1f  %9.1f %9.3f  %9.3f %9.3f  %s %.1f ms\n", sweep.name, ratio,
                b.wall - a.wall, b.cpu - a.cpu, warmup, med, median(cpu), quantile90(wall),
                met ? "met  <=" : "MISSED <=", goal);
        }
    }
    return 0;
}
