// The window "Abkühlung selbst wählen": how long one step of the rate slider takes until the
// cooling line, the shares, the hardness and the micrograph are drawn, at device pixel ratio 1
// and 2, swept over the slider's whole range for C45 and for a computed steel (42CrMo4).
//
//   erkundenztu_bench [--sweeps N]
//
// The goal: at most 8 ms per step at ratio 1 and 16 ms at ratio 2 (median).
#include "framework/Application.h"
#include "framework/FormAccess.h"
#include "steel/NamedSteels.h"
#include "timetemp/ErkundenZTURechnung.h"
#include "timetemp/UnitErkundenZTU.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace wb;

namespace {

void sweep(TFormErkundenZTU& form, int sweeps, const char* what, qreal ratio)
{
    FormAccess::setRatio(form, ratio);
    QCoreApplication::processEvents();
    std::vector<double> ms;
    for (int s = 0; s < sweeps; ++s)
        for (int p = 0; p <= erkundenztu::kSchieberMax; ++p) {
            QElapsedTimer clock;
            clock.start();
            form.ScrollBarRate.scrollTo(s % 2 ? erkundenztu::kSchieberMax - p : p);
            ms.push_back(double(clock.nsecsElapsed()) / 1e6);
        }
    std::sort(ms.begin(), ms.end());
    std::printf("%-28s ratio %.0f: %zu steps, median %6.2f ms, 90 %% %6.2f ms, max %6.2f ms\n", what, ratio, ms.size(),
        ms[ms.size() / 2], ms[ms.size() * 9 / 10], ms.back());
    // Where the time goes: each picture drawn again on its own, at the last setting.
    for (TPaintBox* box : { &form.PaintBoxZTU, &form.PaintBoxGefuege, &form.PaintBoxJominy }) {
        std::vector<double> teil;
        for (int i = 0; i < 21; ++i) {
            QElapsedTimer clock;
            clock.start();
            box->paint();
            teil.push_back(double(clock.nsecsElapsed()) / 1e6);
        }
        std::sort(teil.begin(), teil.end());
        std::printf("    %-24s median %6.2f ms\n", box->Name().toUtf8().constData(), teil[teil.size() / 2]);
    }
}

} // namespace

int main(int argc, char** argv)
{
    int sweeps = 2;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--sweeps") == 0 && i + 1 < argc)
            sweeps = std::max(1, std::atoi(argv[++i]));
    prepareQtEnvironment(false);
    QApplication app(argc, argv);
    Application.Initialize();
    {
        TFormErkundenZTU form;
        FormAccess::create(form);
        form.Show();
        QCoreApplication::processEvents();
        for (const qreal ratio : { 1.0, 2.0 }) {
            form.StahlC45.Click();
            sweep(form, sweeps, "C45 (schematic)", ratio);
            form.setComposition(steel::findNamedSteel("42CrMo4")->composition, QStringLiteral("42CrMo4"));
            sweep(form, sweeps, "42CrMo4 (computed)", ratio);
        }
        form.Hide();
    }
    Application.reset();
    return 0;
}
