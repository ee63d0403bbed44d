// The iron–carbon explorer's pointer: how long one move of the pointer over the diagram takes until
// the read-out, the tie line, the micrograph and the marks on the shares and the cooling curve are
// drawn (memos laid out, the form's pending paints done), at device pixel ratio 1 and 2. Two paths:
// along the rows (the temperature stays, the shares keep their picture and only their mark moves)
// and diagonally (every move a new temperature, the shares drawn anew). Goal: 4 ms at ratio 1,
// 12 ms at ratio 2.
//
//   ekdexplorer_bench [--rounds N]
//
// Wall time and the thread's processor time are both shown: on a busy machine the processor time
// is the move's own cost, the wall time what a student would have waited.
#include "framework/Application.h"
#include "framework/FormAccess.h"
#include "framework/Forms.h"
#include "ironcarbon/ExplorerDiagram.h"
#include "ironcarbon/ExplorerReadout.h"
#include "ironcarbon/UnitErkundenEKD.h"

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

using namespace wb;
namespace ex = wb::ekderkunden;

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

// Pointer positions in the diagram's own pixels.
std::vector<QPoint> alongRows()
{
    std::vector<QPoint> out;
    bool right = true;
    for (int y = ex::kFeldOben + 5; y < ex::fieldBottom(); y += 23) {
        for (int i = 0; i <= (ex::fieldRight() - ex::kFeldLinks) / 3; ++i)
            out.push_back({ right ? ex::kFeldLinks + 3 * i : ex::fieldRight() - 3 * i, y });
        right = !right;
    }
    return out;
}

std::vector<QPoint> diagonally()
{
    std::vector<QPoint> out;
    const int w = ex::fieldRight() - ex::kFeldLinks, h = ex::fieldBottom() - ex::kFeldOben;
    for (int i = 0; i < 600; ++i) {
        // Back and forth across the field, three pixels across and two down at each move.
        const int x = (3 * i) % (2 * w), y = (2 * i) % (2 * h);
        out.push_back({ ex::kFeldLinks + (x < w ? x : 2 * w - x), ex::kFeldOben + (y < h ? y : 2 * h - y) });
    }
    return out;
}

struct Result {
    double wall;
    double cpu;
    double p90;
    double cpu90;
};

Result sweep(TFormErkundenEKD& f, const std::vector<QPoint>& path, int rounds)
{
    std::vector<double> wall, cpu;
    const QPoint origin = f.PaintBoxDiagramm.clientRect().topLeft();
    for (int r = 0; r < rounds; ++r) {
        for (const QPoint& p : path) {
            const Clock a = now();
            f.mouseMoveAt(origin + p);
            Application.flushPendingPaints();
            const Clock b = now();
            wall.push_back(b.wall - a.wall);
            cpu.push_back(b.cpu - a.cpu);
        }
    }
    return { quantile(wall, 0.5), quantile(cpu, 0.5), quantile(wall, 0.9), quantile(cpu, 0.9) };
}

// The parts of a diagonal move on their own, over the same path: the shares drawn anew, the read-out's
// texts, the micrograph rendered.
void parts(TFormErkundenEKD& f, const std::vector<QPoint>& path)
{
    std::vector<double> shares, texts, micro;
    micrograph::Synthesis synthesis;
    const qreal ratio = f.PaintBoxAnteile.Canvas().target()->ratio();
    for (const QPoint& p : path) {
        const std::optional<model::ekd::State> s = ex::pointAt(p.x(), p.y());
        if (!s)
            continue;
        const Clock a = now();
        ex::drawShares(f.PaintBoxAnteile.Canvas(), f.PaintBoxAnteile.Width(), f.PaintBoxAnteile.Height(),
            model::ekd::System::Metastable, s->celsius);
        const Clock b = now();
        ex::phaseLines(model::ekd::System::Metastable, s->carbon, { s->celsius });
        ex::constituentLines(model::ekd::System::Metastable, s->carbon, { s->celsius });
        const Clock c = now();
        synthesis.render({ 160, 160, ratio, f.seed(),
            ex::micrographParts(model::ekd::constituents(model::ekd::System::Metastable, *s)) });
        const Clock d = now();
        shares.push_back(b.wall - a.wall);
        texts.push_back(c.wall - b.wall);
        micro.push_back(d.wall - c.wall);
    }
    std::printf("  parts at ratio %.0f (median / p90 wall ms): shares %.3f / %.3f, texts %.3f / %.3f, micrograph "
                "%.3f / %.3f\n",
        ratio, quantile(shares, 0.5), quantile(shares, 0.9), quantile(texts, 0.5), quantile(texts, 0.9),
        quantile(micro, 0.5), quantile(micro, 0.9));
}

} // namespace

int main(int argc, char** argv)
{
    int rounds = 3;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--rounds")
            rounds = std::max(1, std::atoi(argv[i + 1]));
    prepareQtEnvironment(true);
    QApplication app(argc, argv);
    Application.Initialize();
    Screen.setSize(1024, 768);

    std::printf("Iron-carbon explorer: one pointer move until everything it changes is drawn, %d rounds\n", rounds);
    std::printf("%-24s %5s  %9s  %9s %9s %9s %9s  %s\n", "path", "ratio", "open ms", "median", "median", "p90", "p90",
        "goal (median)");
    std::printf("%-24s %5s  %9s  %9s %9s %9s %9s\n", "", "", "wall", "wall ms", "cpu ms", "wall ms", "cpu ms");
    for (const double ratio : { 1.0, 2.0 }) {
        const double goal = ratio == 1.0 ? 4.0 : 12.0;
        struct Path {
            const char* name;
            std::vector<QPoint> points;
        };
        const Path paths[] = { { "along the rows", alongRows() }, { "diagonally", diagonally() } };
        for (const Path& path : paths) {
            TFormErkundenEKD f;
            FormAccess::create(f);
            FormAccess::setRatio(f, ratio);
            const Clock a = now();
            f.Show();
            Application.flushPendingPaints();
            const Clock b = now();
            const Result r = sweep(f, path.points, rounds);
            std::printf("%-24s %5.1f  %9.1f  %9.3f %9.3f %9.3f %9.3f  %s %.0f ms\n", path.name, ratio, b.wall - a.wall,
                r.wall, r.cpu, r.p90, r.cpu90, r.wall <= goal ? "met  <=" : "MISSED <=", goal);
            if (&path == &paths[1])
                parts(f, path.points);
            f.Hide();
        }
    }
    Application.reset();
    return 0;
}
