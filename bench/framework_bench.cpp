// Costs of the framework's hot paths: a full repaint of an 800 × 600 lesson form, a typical
// animation tick (one line drawn and shown), and the pace a 1 ms timer keeps in real time.
//
//   framework_bench            repaint and tick costs (offscreen, no display needed)
//   framework_bench --pace S   additionally runs a 1 ms timer drawing a line per tick for S
//                              seconds on the real display (use under Xvfb) and reports the
//                              pace against a plain Qt timer doing the same
#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/Forms.h"
#include "framework/Timers.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstring>

using namespace wb;

namespace {

// A lesson-like form: a background box, colour bands, curves and labels.
class BenchForm : public TForm {
public:
    BenchForm()
        : TForm(QStringLiteral("BenchForm"))
    {
        SetBorderStyle(bsToolWindow);
        SetBounds(0, 0, 800, 600);
        SetColor(RGB(0xD3, 0x05, 0x62));
        Haupt.SetBounds(265, 5, 505, 492);
        Layer.SetBounds(265, 5, 505, 492);
        Haupt.OnPaint = [this] {
            auto& c = Haupt.Canvas();
            c.Pen.SetColor(clWhite);
            c.Pen.SetWidth(1);
            c.Brush.SetColor(RGB(0xA6, 0xA6, 0xFF));
            c.Rectangle(0, 0, 505, 492);
            for (int y = 20; y <= 370; ++y) {
                c.Pen.SetColor(y < 70 ? clYellow : RGB(255, std::max(0, 325 - y), 0));
                c.MoveTo(20, y);
                c.LineTo(480, y);
            }
            c.Brush.SetStyle(bsClear);
            for (int i = 0; i < 12; ++i)
                c.TextOut(20 + 30 * i, 410, QStringLiteral(" %1").arg(i * 10));
            c.Pen.SetWidth(2);
            c.Pen.SetColor(clSilver);
            c.MoveTo(20, 48);
            for (int x = 20; x <= 480; ++x)
                c.LineTo(x, RoundSingle(250 - (x - 660) * (x - 660) * 0.0005));
        };
        Memo.SetBounds(13, 3, 255, 494);
    }
    TPaintBox Haupt { this, QStringLiteral("PaintBoxHaupt") };
    TPaintBox Layer { this, QStringLiteral("PaintBoxLayer") };
    TMemo Memo { this, QStringLiteral("MemoErlaeuterung") };
    TTimer Tick { this, QStringLiteral("Tick"), 1 };
};

template <typename F> double perCallUs(int n, F f)
{
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < n; ++i)
        f(i);
    return double(t.nsecsElapsed()) / 1000.0 / n;
}

void costs(bool headless)
{
    BenchForm form;
    form.Show();
    Application.flushPendingPaints();
    const double refresh = perCallUs(200, [&](int) { form.Refresh(); });
    std::printf("full Refresh of an 800 x 600 form:      %8.1f us\n", refresh);
    auto& c = form.Layer.Canvas();
    c.Pen.SetWidth(3);
    c.Pen.SetMode(pmNotXor);
    const double tick = perCallUs(20000, [&](int i) {
        const int y = 20 + i % 350;
        c.MoveTo(100, y);
        c.LineTo(300, y);
        if (!headless)
            QApplication::processEvents(); // shows the changed rectangle
    });
    std::printf("tick: one 3-pixel line drawn%s:    %8.2f us\n", headless ? "          " : " and shown", tick);
}

// Runs a 1 ms timer that draws a line per tick for `seconds` and returns ticks per second.
double framePace(double seconds, bool plainQt)
{
    BenchForm form;
    form.Show();
    QApplication::processEvents();
    int ticks = 0;
    auto step = [&] {
        ++ticks;
        auto& c = form.Layer.Canvas();
        const int y = 20 + ticks % 350;
        c.MoveTo(100, y);
        c.LineTo(300, y);
    };
    QTimer plain;
    plain.setTimerType(Qt::PreciseTimer);
    QObject::connect(&plain, &QTimer::timeout, step);
    form.Tick.OnTimer = step;
    QElapsedTimer clock;
    clock.start();
    if (plainQt)
        plain.start(1);
    else
        form.Tick.SetEnabled(true);
    QEventLoop loop;
    QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
    plain.stop();
    form.Tick.SetEnabled(false);
    const double elapsed = double(clock.nsecsElapsed()) / 1e9;
    form.Hide();
    return ticks / elapsed;
}

} // namespace

int main(int argc, char** argv)
{
    double paceSeconds = 0;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--pace") == 0 && i + 1 < argc)
            paceSeconds = std::atof(argv[++i]);
    const bool headless = paceSeconds <= 0;
    prepareQtEnvironment(headless);
    QApplication app(argc, argv);
    Application.Initialize();
    Screen.setSize(1024, 768);
    costs(headless);
    if (!headless) {
        const double qt = framePace(paceSeconds, true);
        const double ours = framePace(paceSeconds, false);
        std::printf("1 ms timer drawing a line per tick, %.0f s each:\n", paceSeconds);
        std::printf("  plain Qt precise timer: %7.1f ticks/s (%5.1f %% of nominal)\n", qt, qt / 10.0);
        std::printf("  framework scheduler:    %7.1f ticks/s (%5.1f %% of nominal)\n", ours, ours / 10.0);
    }
    Application.reset();
    return 0;
}
