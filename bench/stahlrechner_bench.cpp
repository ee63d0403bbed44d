// What one entry in the steel calculator costs: the full recomputation and the three diagrams
// drawn anew, as typing a carbon content does it, on the shown window at device ratio 1 and 2
// (headless, offscreen). Each steel of the menu, a sweep of typed carbon contents over it; prints
// the median and the slowest entry. Run by hand, it asserts nothing. The goal is 20 ms an entry.
#include "framework/Application.h"
#include "framework/FormAccess.h"
#include "heattreat/StahlrechnerEingabe.h"
#include "heattreat/UnitStahlrechner.h"
#include "steel/NamedSteels.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace wb;

namespace {

using Clock = std::chrono::steady_clock;

struct Figures {
    double median, worst;
};

Figures measure(TFormStahlrechner& form)
{
    std::vector<double> times;
    for (const steel::NamedSteel& named : steel::namedSteels()) {
        form.findMenuItem(QStringLiteral("Stahl") + QString::fromUtf8(named.name))->Click();
        // Ten entries around the steel's carbon, each a new composition.
        for (int i = 1; i <= 10; ++i) {
            const QString typed = stahlrechner::gehalt(named.composition.C * (0.9 + 0.02 * i));
            const auto start = Clock::now();
            form.EditC.typeText(typed);
            times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        }
    }
    std::sort(times.begin(), times.end());
    return { times[times.size() / 2], times.back() };
}

} // namespace

int main(int argc, char** argv)
{
    prepareQtEnvironment(true);
    QApplication app(argc, argv);
    Application.Initialize();
    {
        TFormStahlrechner form;
        FormAccess::create(form);
        form.Show();
        for (qreal ratio : { 1.0, 2.0 }) {
            FormAccess::setRatio(form, ratio);
            form.Refresh();
            measure(form); // warm the caches (glyphs at this ratio)
            const Figures f = measure(form);
            std::printf("ratio %.0f: one entry (recomputation and three diagrams), median %.2f ms, slowest %.2f ms "
                        "(goal 20 ms)\n",
                ratio, f.median, f.worst);
        }
        form.Hide();
    }
    Application.reset();
    return 0;
}
