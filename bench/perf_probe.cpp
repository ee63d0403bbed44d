// One measurement of the whole program, printed as "key value" lines for perf_table, which runs
// it paired with floor_probe (the same measurement on a bare Qt Widgets program).
//
//   perf_probe start       start to the main menu's first frame (under a display: the frame
//                          shown; with QT_QPA_PLATFORM=offscreen: the driver's start-up)
//   perf_probe repaint     the full repaint of every form, headless; the heaviest one
//   perf_probe rss         peak memory after opening and closing every lesson once, headless
//   perf_probe memo        a memo filled line by line: time and text layouts per fill
//   perf_probe tick        under a display: one line drawn on a form and shown
//   perf_probe pace S      under a display: a 1 ms timer drawing a line per tick, for S seconds
#include "app/Program.h"
#include "bench/ProbeSupport.h"
#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/FormAccess.h"
#include "framework/FormWindow.h"
#include "framework/Forms.h"
#include "framework/SurfaceWidget.h"
#include "framework/Timers.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitMenue.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

using namespace wb;
using namespace probe;

namespace {

bool offscreen()
{
    return qgetenv("QT_QPA_PLATFORM") == "offscreen";
}

// The start-up as the program runs it, up to the main menu: every form created, the cover page
// shown, then the main menu shown (as closing the cover page does) until its first frame.
int start()
{
    const bool headless = offscreen();
    prepareQtEnvironment(headless);
    QApplication app(g_argc, g_argv);
    Screen.setSize(1024, 768);
    Application.Initialize();
    createAllForms();
    Application.MainForm()->Show();
    Application.flushPendingPaints();
    if (headless) {
        FormMenue->Show();
        Application.flushPendingPaints();
    } else {
        FirstFrame frame(FormAccess::window(*FormMenue)->client());
        FormMenue->Show();
        frame.wait();
    }
    printValue("frame_ns", monotonicNs());
    printValue("rss_mib", statusMiB("VmRSS"));
    shutdownProgram();
    return 0;
}

// The program's forms without the cover page and the main menu: the lessons and the
// information page.
std::vector<TForm*> lessons()
{
    std::vector<TForm*> out;
    for (TForm* f : Application.forms())
        if (f != FormDeckblatt && f != FormMenue)
            out.push_back(f);
    return out;
}

int repaint()
{
    prepareQtEnvironment(true);
    QApplication app(g_argc, g_argv);
    Screen.setSize(1024, 768);
    Application.Initialize();
    createAllForms();
    double worst = 0;
    QString worstName;
    for (TForm* f : Application.forms()) {
        if (f == FormDeckblatt)
            continue;
        f->Show();
        Application.flushPendingPaints();
        std::vector<double> ms;
        for (int i = 0; i < 15; ++i) {
            QElapsedTimer t;
            t.start();
            f->Refresh();
            ms.push_back(t.nsecsElapsed() / 1e6);
        }
        f->Hide();
        const double m = median(ms);
        if (m > worst) {
            worst = m;
            worstName = f->Name();
        }
    }
    printValue("repaint_ms", worst);
    std::printf("repaint_form %s\n", qPrintable(worstName));
    shutdownProgram();
    return 0;
}

int rss()
{
    prepareQtEnvironment(true);
    QApplication app(g_argc, g_argv);
    Screen.setSize(1024, 768);
    Application.Initialize();
    createAllForms();
    Application.MainForm()->Show();
    Application.flushPendingPaints();
    FormMenue->Show();
    Application.flushPendingPaints();
    for (TForm* f : lessons()) {
        f->Show();
        Application.flushPendingPaints();
        f->Close();
        Application.flushPendingPaints();
    }
    printValue("peak_mib", statusMiB("VmHWM"));
    printValue("rss_mib", statusMiB("VmRSS"));
    shutdownProgram();
    return 0;
}

// A memo filled as the lessons fill theirs line by line: Clear, then Add per line, then the
// form's next paint (when a pending layout is done at the latest).
int memo()
{
    prepareQtEnvironment(true);
    QApplication app(g_argc, g_argv);
    Application.Initialize();
    TForm form(QStringLiteral("MemoForm"));
    form.SetBounds(0, 0, 800, 600);
    TMemo memo(&form, QStringLiteral("MemoErlaeuterung"));
    memo.SetBounds(13, 3, 255, 494);
    memo.Font.SetHeight(-13);
    form.Show();
    Application.flushPendingPaints();
    // Every change of the memo's document that puts text in lays that text out again.
    auto* edit = qobject_cast<QTextEdit*>(memo.widget());
    int changes = 0;
    QObject::connect(
        edit->document(), &QTextDocument::contentsChange, [&](int, int, int added) { changes += added > 0; });
    for (const int lines : { 10, 40, 160 }) {
        std::vector<double> us;
        int layouts = 0;
        for (int round = 0; round < 9; ++round) {
            const int before = changes;
            QElapsedTimer t;
            t.start();
            memo.Lines.Clear();
            for (int i = 0; i < lines; ++i)
                memo.Lines.Add(
                    QStringLiteral("Zeile %1: Austenit wandelt beim Abkühlen in Ferrit und Perlit um.").arg(i));
            Application.flushPendingPaints();
            edit->document()->size(); // the layout done, not only asked for
            us.push_back(t.nsecsElapsed() / 1e3);
            layouts = changes - before;
        }
        printValue(QStringLiteral("memo%1_us").arg(lines), median(us));
        printValue(QStringLiteral("memo%1_layouts").arg(lines), layouts);
    }
    return 0;
}

// A lesson-like form with a drawing layer for the tick and pace measurements.
class TickForm : public TForm {
public:
    TickForm()
        : TForm(QStringLiteral("TickForm"))
    {
        SetBorderStyle(bsToolWindow);
        SetBounds(0, 0, 800, 600);
        SetColor(RGB(0xD3, 0x05, 0x62));
        Layer.SetBounds(265, 5, 505, 492);
    }
    TPaintBox Layer { this, QStringLiteral("PaintBoxLayer") };
    TTimer Tick { this, QStringLiteral("Tick"), 1 };
};

void settle()
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 300)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

// Runs a measurement on a shown TickForm under a display, after the window has settled.
int onTickForm(const std::function<void(TickForm&)>& measure)
{
    prepareQtEnvironment(false);
    QApplication app(g_argc, g_argv);
    Application.Initialize();
    Screen.setSize(1024, 768);
    {
        TickForm form;
        form.Show();
        settle();
        measure(form);
        form.Hide();
    }
    Application.reset();
    return 0;
}

int tick()
{
    return onTickForm([](TickForm& form) {
        auto& c = form.Layer.Canvas();
        c.Pen.SetWidth(3);
        c.Pen.SetMode(pmNotXor);
        std::vector<double> us;
        for (int round = 0; round < 7; ++round) {
            QElapsedTimer t;
            t.start();
            for (int i = 0; i < 2000; ++i) {
                const int y = 20 + i % 350;
                c.MoveTo(100, y);
                c.LineTo(300, y);
                QApplication::processEvents();
            }
            us.push_back(t.nsecsElapsed() / 1e3 / 2000);
        }
        printValue("tick_us", median(us));
    });
}

int pace(double seconds)
{
    return onTickForm([seconds](TickForm& form) {
        int ticks = 0;
        form.Tick.OnTimer = [&] {
            ++ticks;
            auto& c = form.Layer.Canvas();
            const int y = 20 + ticks % 350;
            c.MoveTo(100, y);
            c.LineTo(300, y);
        };
        QElapsedTimer clock;
        clock.start();
        form.Tick.SetEnabled(true);
        QEventLoop loop;
        QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
        loop.exec();
        form.Tick.SetEnabled(false);
        const double elapsed = clock.nsecsElapsed() / 1e9;
        printValue("pace_pct", ticks / elapsed / 10.0);
    });
}

} // namespace

int main(int argc, char** argv)
{
    g_argc = argc;
    g_argv = argv;
    const char* mode = argc > 1 ? argv[1] : "";
    if (!std::strcmp(mode, "start"))
        return start();
    if (!std::strcmp(mode, "repaint"))
        return repaint();
    if (!std::strcmp(mode, "rss"))
        return rss();
    if (!std::strcmp(mode, "memo"))
        return memo();
    if (!std::strcmp(mode, "tick"))
        return tick();
    if (!std::strcmp(mode, "pace"))
        return pace(argc > 2 ? std::atof(argv[2]) : 2.0);
    std::fprintf(stderr, "usage: perf_probe start|repaint|rss|memo|tick|pace S\n");
    return 2;
}
