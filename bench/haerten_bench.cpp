// Wall time of the hardening lesson's runs on the real clock, with the form shown on a display
// (use under Xvfb): the ZTU water quench is 33 ticks of a 1 ms timer and should take about
// 33 ms, not 33 coarse timer periods; the austenitising run is 173 ticks of 50 ms (8.65 s).
//
//   haerten_bench [--repeats N] [--austenitising]
#include "framework/Application.h"
#include "framework/FormAccess.h"
#include "framework/Timers.h"
#include "heattreat/UnitHaerten.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace wb;

namespace {

struct Measured {
    double ms;
    int ticks;
};

// Starts a run by its menu item and lets the message loop run until the run's timer stops.
Measured timeRun(TFormHaerten& form, TMenuItem& start, TTimer& timer)
{
    int ticks = 0;
    const auto tick = timer.OnTimer;
    timer.OnTimer = [&] {
        ++ticks;
        tick();
    };
    QElapsedTimer clock;
    clock.start();
    start.Click();
    while (timer.Enabled())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    timer.OnTimer = tick;
    form.NEU.Click();
    QCoreApplication::processEvents();
    return { ms, ticks };
}

void report(const char* what, std::vector<Measured> runs, double nominalMs)
{
    std::sort(runs.begin(), runs.end(), [](const Measured& a, const Measured& b) { return a.ms < b.ms; });
    const Measured& median = runs[runs.size() / 2];
    std::printf("%s, %zu runs of %d ticks (nominal %.0f ms):\n", what, runs.size(), median.ticks, nominalMs);
    std::printf("  min %8.2f ms   median %8.2f ms   max %8.2f ms   (median %.2f ms per tick)\n", runs.front().ms,
        median.ms, runs.back().ms, median.ms / median.ticks);
}

} // namespace

int main(int argc, char** argv)
{
    int repeats = 20;
    bool austenitising = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--repeats") == 0 && i + 1 < argc)
            repeats = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--austenitising") == 0)
            austenitising = true;
    }
    prepareQtEnvironment(false);
    QApplication app(argc, argv);
    Application.Initialize();
    {
        TFormHaerten form;
        FormAccess::create(form);
        form.Show();
        // Let the window appear and take its first paint before anything is timed.
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 300)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);

        std::vector<Measured> quench;
        for (int i = 0; i < repeats; ++i)
            quench.push_back(timeRun(form, form.ZTUWasserabkuehlung, form.Timer600));
        report("ZTU water quench (Timer600, 1 ms)", quench, 33);

        if (austenitising)
            report("Austenitising run (TimerZTA, 50 ms)", { timeRun(form, form.Austenitisierung, form.TimerZTA) },
                173 * 50);
        form.Hide();
    }
    Application.reset();
    return 0;
}
