// The whole performance picture in one table: every figure measured on the program (perf_probe)
// and on a bare Qt Widgets program built with the same flags (floor_probe), in paired runs of
// the same invocation, their ratio and whether the goal holds. Run by hand; it asserts nothing.
//
//   perf_table [--runs N] [--pace S] [--xvfb DISPLAYNUMBER]
//
// The rows under a display use $DISPLAY, or an Xvfb it starts itself with --xvfb; without
// either they are left out. Each figure is the median over the runs.
#include "bench/ProbeSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <vector>

using namespace probe;

namespace {

using Values = QHash<QString, double>;

QString g_dir;

// Runs a probe once; its "key value" lines, and with "start" the time from launching the
// process to its frame.
Values runProbe(const QString& program, const QStringList& args, bool headless, QString* text = nullptr)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (headless) {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    } else {
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    }
    if (env.value(QStringLiteral("XDG_RUNTIME_DIR")).isEmpty()) {
        const QString dir = QDir::tempPath() + QStringLiteral("/wb-runtime-%1").arg(getuid());
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir);
    }
    p.setProcessEnvironment(env);
    // Qt's own complaints (an offscreen window cannot be raised) are not figures.
    p.setStandardErrorFile(QProcess::nullDevice());
    const long long launched = monotonicNs();
    p.start(g_dir + QLatin1Char('/') + program, args);
    p.waitForFinished(120000);
    Values v;
    for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.trimmed().split(' ');
        if (parts.size() != 2)
            continue;
        bool ok = false;
        const double value = parts[1].toDouble(&ok);
        if (ok)
            v.insert(QString::fromLatin1(parts[0]), value);
        else if (text)
            *text = QString::fromLatin1(parts[1]);
    }
    if (v.contains(QStringLiteral("frame_ns")))
        v.insert(QStringLiteral("start_ms"), (v.value(QStringLiteral("frame_ns")) - launched) / 1e6);
    if (p.exitCode() != 0)
        std::fprintf(stderr, "%s %s: exit code %d\n", qPrintable(program), qPrintable(args.join(' ')), p.exitCode());
    return v;
}

// Medians of paired runs: the program and the floor alternate, starting with the other one
// every round, so that the load of the machine falls on both alike.
struct Pair {
    Values ours, floor;
    QString text;
};

Pair paired(const QStringList& args, bool headless, int runs)
{
    std::map<QString, std::vector<double>> ours, floor;
    QString text;
    for (int r = 0; r < runs; ++r) {
        for (int k = 0; k < 2; ++k) {
            const bool oursNow = (r + k) % 2 == 0;
            const Values v = oursNow ? runProbe(QStringLiteral("perf_probe"), args, headless, &text)
                                     : runProbe(QStringLiteral("floor_probe"), args, headless);
            for (auto it = v.begin(); it != v.end(); ++it)
                (oursNow ? ours : floor)[it.key()].push_back(it.value());
        }
    }
    Pair p;
    for (auto& [k, v] : ours)
        p.ours.insert(k, median(v));
    for (auto& [k, v] : floor)
        p.floor.insert(k, median(v));
    p.text = text;
    return p;
}

int g_goals = 0, g_held = 0;

void row(const char* what, const char* unit, double ours, double floor, const QString& goal, bool holds)
{
    ++g_goals;
    g_held += holds ? 1 : 0;
    std::printf("%-46s %10.2f %10.2f %-3s %7.2fx  %-24s %s\n", what, ours, floor, unit, floor > 0 ? ours / floor : 0.0,
        qPrintable(goal), holds ? "holds" : "NOT MET");
}

void info(const char* what, const char* unit, double ours, double floor)
{
    std::printf("%-46s %10.2f %10.2f %-3s %7.2fx\n", what, ours, floor, unit, floor > 0 ? ours / floor : 0.0);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    g_dir = QCoreApplication::applicationDirPath();
    int runs = 5;
    double paceSeconds = 2;
    QString xvfbDisplay;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--runs") && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (!std::strcmp(argv[i], "--pace") && i + 1 < argc)
            paceSeconds = std::atof(argv[++i]);
        else if (!std::strcmp(argv[i], "--xvfb") && i + 1 < argc)
            xvfbDisplay = QStringLiteral(":") + QString::fromLatin1(argv[++i]);
    }
    QProcess xvfb;
    if (!xvfbDisplay.isEmpty()) {
        xvfb.start(QStringLiteral("Xvfb"),
            { xvfbDisplay, QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1024x768x24"),
                QStringLiteral("-nolisten"), QStringLiteral("tcp") });
        xvfb.waitForStarted();
        QThread::msleep(1000);
        qputenv("DISPLAY", xvfbDisplay.toLocal8Bit());
    }
    const bool display = !qEnvironmentVariableIsEmpty("DISPLAY");

    std::printf("perf_table: median of %d paired runs; ours = the program, floor = bare Qt Widgets\n", runs);
    std::printf("%-46s %10s %10s %-3s %8s  %-24s %s\n", "figure", "ours", "floor", "", "ratio", "goal", "");
    if (display) {
        const Pair p = paired({ QStringLiteral("start") }, false, runs);
        const double ours = p.ours.value(QStringLiteral("start_ms")), floor = p.floor.value(QStringLiteral("start_ms"));
        row("start to the main menu's first frame, Xvfb", "ms", ours, floor, QStringLiteral("ratio <= 2"),
            ours <= 2 * floor);
    }
    {
        const Pair p = paired({ QStringLiteral("start") }, true, runs);
        const double ours = p.ours.value(QStringLiteral("start_ms")), floor = p.floor.value(QStringLiteral("start_ms"));
        row("start to the main menu's first frame, headless", "ms", ours, floor, QStringLiteral("ratio <= 2.5"),
            ours <= 2.5 * floor);
    }
    {
        const Pair p = paired({ QStringLiteral("repaint") }, true, runs);
        const double ours = p.ours.value(QStringLiteral("repaint_ms"));
        const QString what = QStringLiteral("heaviest repaint (%1)").arg(p.text);
        row(qPrintable(what), "ms", ours, p.floor.value(QStringLiteral("repaint_ms")), QStringLiteral("<= 2 ms"),
            ours <= 2);
    }
    {
        const Pair p = paired({ QStringLiteral("rss") }, true, runs);
        const double ours = p.ours.value(QStringLiteral("peak_mib"));
        row("peak RSS, every lesson opened once", "MiB", ours, p.floor.value(QStringLiteral("peak_mib")),
            QStringLiteral("<= 80 MiB"), ours <= 80);
        info("  RSS at the end", "MiB", p.ours.value(QStringLiteral("rss_mib")),
            p.floor.value(QStringLiteral("rss_mib")));
    }
    {
        const Pair p = paired({ QStringLiteral("memo") }, true, runs);
        bool once = true;
        for (const int n : { 10, 40, 160 }) {
            const QString key = QStringLiteral("memo%1").arg(n);
            const double layouts = p.ours.value(key + QStringLiteral("_layouts"));
            once = once && layouts == 1;
            const QString what = QStringLiteral("memo fill, %1 lines (%2 layouts, floor %3)")
                                     .arg(n)
                                     .arg(layouts)
                                     .arg(p.floor.value(key + QStringLiteral("_layouts")));
            info(qPrintable(what), "us", p.ours.value(key + QStringLiteral("_us")),
                p.floor.value(key + QStringLiteral("_us")));
        }
        // Linear: a line of a 160-line fill costs at most twice a line of a 10-line fill.
        const double perLine10 = p.ours.value(QStringLiteral("memo10_us")) / 10;
        const double perLine160 = p.ours.value(QStringLiteral("memo160_us")) / 160;
        const double floor10 = p.floor.value(QStringLiteral("memo10_us")) / 10;
        const double floor160 = p.floor.value(QStringLiteral("memo160_us")) / 160;
        row("memo: per line at 160 / per line at 10", "", perLine160 / perLine10, floor160 / floor10,
            QStringLiteral("1 layout, <= 2"), once && perLine160 <= 2 * perLine10);
    }
    if (display) {
        const Pair p = paired({ QStringLiteral("pace"), QString::number(paceSeconds) }, false, runs);
        const double ours = p.ours.value(QStringLiteral("pace_pct"));
        row("1 ms timer pace, Xvfb (% of nominal)", "%", ours, p.floor.value(QStringLiteral("pace_pct")),
            QStringLiteral(">= 99.5 %"), ours >= 99.5);
        const Pair t = paired({ QStringLiteral("tick") }, false, runs);
        const double tick = t.ours.value(QStringLiteral("tick_us")), floor = t.floor.value(QStringLiteral("tick_us"));
        row("tick drawn and shown, Xvfb", "us", tick, floor, QStringLiteral("ratio <= 1.5"), tick <= 1.5 * floor);
    } else {
        std::printf("(no display: the Xvfb rows are left out; use --xvfb N or set DISPLAY)\n");
    }
    std::printf("%d of %d goals hold\n", g_held, g_goals);
    if (xvfb.state() != QProcess::NotRunning) {
        xvfb.terminate();
        xvfb.waitForFinished(3000);
    }
    return 0;
}
