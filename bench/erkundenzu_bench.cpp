// The phase diagram explorer under the pointer: how long one pointer move over the diagram takes
// until the cross-hair and tie line, the read-out (edits and both memos laid out) and the micrograph
// are drawn, at ratio 1 and 2, over a sweep of every type's whole diagram (goal: median ≤ 4 ms at
// ratio 1, ≤ 12 ms at ratio 2). The first paint of an opening, which makes the micrograph's
// arrangement, is timed apart.
//
//   erkundenzu_bench [--step N]   (pixels between the sweep's points, default 6)
//
// Wall time and the thread's processor time are both shown: on a busy machine the processor time
// is the window's own cost, the wall time what a student would have waited.
#include "framework/Application.h"
#include "framework/FormAccess.h"
#include "phase/UnitErkundenZu.h"

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

using namespace wb;

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

double quantile(std::vector<double> v, double q)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(double(v.size()) * q))];
}

} // namespace

int main(int argc, char** argv)
{
    int step = 6;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--step") == 0)
            step = std::max(1, std::atoi(argv[i + 1]));
    prepareQtEnvironment(true);
    QApplication app(argc, argv);
    Application.Initialize();
    std::printf("Phase diagram explorer: one pointer move over the diagram, drawn and read out, a sweep of every\n"
                "type's field in steps of %d pixels (zigzag, row by row)\n\n",
        step);
    for (const double ratio : { 1.0, 2.0 }) {
        TFormErkundenZu form;
        FormAccess::create(form);
        FormAccess::setRatio(form, ratio);
        const Clock opening = now();
        form.Show();
        Application.flushPendingPaints();
        const Clock opened = now();
        std::printf("ratio %.0f: opening (first paint, the micrograph's arrangement made): wall %.1f ms, cpu %.1f ms\n",
            ratio, opened.wall - opening.wall, opened.cpu - opening.cpu);
        std::vector<double> wallAll, cpuAll;
        TMenuItem* types[] = { &form.ErkTyp1, &form.ErkTyp2, &form.ErkTyp3, &form.ErkTyp4 };
        for (int t = 0; t < 4; ++t) {
            types[t]->Click();
            Application.flushPendingPaints();
            const QRect box = form.PaintBoxDiagramm.BoundsRect();
            std::vector<double> wall, cpu;
            bool forwards = true;
            for (int y = 20; y <= 370; y += step) {
                for (int i = 0; i <= 460 / step; ++i) {
                    const int x = 20 + (forwards ? i : 460 / step - i) * step;
                    const Clock a = now();
                    form.mouseMoveAt(box.topLeft() + QPoint(x, y));
                    Application.flushPendingPaints();
                    const Clock b = now();
                    wall.push_back(b.wall - a.wall);
                    cpu.push_back(b.cpu - a.cpu);
                }
                forwards = !forwards;
            }
            std::printf("  type %d: %zu moves   median: wall %.2f ms, cpu %.2f ms   90 %%: wall %.2f ms, cpu %.2f ms   "
                        "max wall %.2f ms\n",
                t + 1, wall.size(), quantile(wall, 0.5), quantile(cpu, 0.5), quantile(wall, 0.9), quantile(cpu, 0.9),
                quantile(wall, 1.0));
            wallAll.insert(wallAll.end(), wall.begin(), wall.end());
            cpuAll.insert(cpuAll.end(), cpu.begin(), cpu.end());
        }
        std::printf("  all types: median wall %.2f ms, cpu %.2f ms (goal %s %.0f ms)\n\n", quantile(wallAll, 0.5),
            quantile(cpuAll, 0.5), "≤", ratio == 1 ? 4.0 : 12.0);
        form.Close();
    }
    return 0;
}
