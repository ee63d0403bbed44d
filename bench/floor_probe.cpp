// The floor for perf_probe: the same measurements on a bare Qt Widgets program, built with the
// same flags, printed as "key value" lines for perf_table.
//
//   floor_probe start | repaint | rss | memo | tick | pace S
#include "bench/ProbeSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>
#include <cstring>

using namespace probe;

namespace {

// An 800 × 600 window that keeps its picture in an image, as a hand-written Qt program would.
class PictureWidget : public QWidget {
public:
    PictureWidget()
        : m_image(800, 600, QImage::Format_RGB32)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        resize(800, 600);
        m_image.fill(QColor(0x62, 0x05, 0xD3));
    }
    QImage& image() { return m_image; }
    // A full redraw of a lesson-like picture: background, colour bands, labels, a curve.
    void drawAll()
    {
        QPainter p(&m_image);
        p.fillRect(m_image.rect(), QColor(0x62, 0x05, 0xD3));
        p.setPen(Qt::white);
        p.setBrush(QColor(0xFF, 0xA6, 0xA6));
        p.drawRect(265, 5, 504, 491);
        for (int y = 20; y <= 370; ++y) {
            p.setPen(y < 70 ? QColor(Qt::yellow) : QColor(255, std::max(0, 325 - y), 0));
            p.drawLine(285, y + 5, 744, y + 5);
        }
        p.setPen(Qt::black);
        for (int i = 0; i < 12; ++i)
            p.drawText(285 + 30 * i, 430, QStringLiteral(" %1").arg(i * 10));
        p.setPen(QPen(Qt::lightGray, 2));
        for (int x = 20; x < 480; ++x)
            p.drawLine(265 + x, 5 + int(250 - (x - 660) * (x - 660) * 0.0005), 266 + x,
                5 + int(250 - (x + 1 - 660) * (x + 1 - 660) * 0.0005));
    }

protected:
    void paintEvent(QPaintEvent* e) override
    {
        if (m_redrawOnPaint)
            drawAll();
        QPainter p(this);
        p.drawImage(e->rect().topLeft(), m_image, e->rect());
    }

public:
    bool m_redrawOnPaint = false;

private:
    QImage m_image;
};

int start()
{
    QApplication app(g_argc, g_argv);
    PictureWidget w;
    FirstFrame frame(&w);
    w.show();
    frame.wait();
    printValue("frame_ns", monotonicNs());
    printValue("rss_mib", statusMiB("VmRSS"));
    return 0;
}

int repaint()
{
    QApplication app(g_argc, g_argv);
    PictureWidget w;
    w.m_redrawOnPaint = true;
    w.show();
    QCoreApplication::processEvents();
    std::vector<double> ms;
    for (int i = 0; i < 15; ++i) {
        QElapsedTimer t;
        t.start();
        w.repaint();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    printValue("repaint_ms", median(ms));
    return 0;
}

int rss()
{
    QApplication app(g_argc, g_argv);
    PictureWidget w;
    w.show();
    QCoreApplication::processEvents();
    w.drawAll();
    w.repaint();
    printValue("peak_mib", statusMiB("VmHWM"));
    printValue("rss_mib", statusMiB("VmRSS"));
    return 0;
}

int memo()
{
    QApplication app(g_argc, g_argv);
    QTextEdit edit;
    edit.resize(255, 494);
    edit.show();
    QCoreApplication::processEvents();
    int changes = 0;
    QObject::connect(
        edit.document(), &QTextDocument::contentsChange, [&](int, int, int added) { changes += added > 0; });
    for (const int lines : { 10, 40, 160 }) {
        std::vector<double> us;
        int layouts = 0;
        for (int round = 0; round < 9; ++round) {
            const int before = changes;
            QElapsedTimer t;
            t.start();
            QStringList text;
            for (int i = 0; i < lines; ++i)
                text << QStringLiteral("Zeile %1: Austenit wandelt beim Abkühlen in Ferrit und Perlit um.").arg(i);
            edit.setPlainText(text.join(QLatin1Char('\n')));
            edit.document()->size();
            us.push_back(t.nsecsElapsed() / 1e3);
            layouts = changes - before;
        }
        printValue(QStringLiteral("memo%1_us").arg(lines), median(us));
        printValue(QStringLiteral("memo%1_layouts").arg(lines), layouts);
    }
    return 0;
}

void settle()
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 300)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

// One tick: a 3-pixel line into the picture, the changed rectangle shown.
void drawTick(PictureWidget& w, int i)
{
    const int y = 25 + i % 350;
    QPainter p(&w.image());
    p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    p.setPen(QPen(Qt::white, 3));
    p.drawLine(365, y, 565, y);
    p.end();
    w.update(QRect(363, y - 2, 205, 5));
}

int tick()
{
    QApplication app(g_argc, g_argv);
    PictureWidget w;
    w.show();
    settle();
    std::vector<double> us;
    for (int round = 0; round < 7; ++round) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < 2000; ++i) {
            drawTick(w, i);
            QApplication::processEvents();
        }
        us.push_back(t.nsecsElapsed() / 1e3 / 2000);
    }
    printValue("tick_us", median(us));
    return 0;
}

int pace(double seconds)
{
    QApplication app(g_argc, g_argv);
    PictureWidget w;
    w.show();
    settle();
    int ticks = 0;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&] { drawTick(w, ++ticks); });
    QElapsedTimer clock;
    clock.start();
    timer.start(1);
    QEventLoop loop;
    QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
    timer.stop();
    printValue("pace_pct", ticks / (clock.nsecsElapsed() / 1e9) / 10.0);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    g_argc = argc;
    g_argv = argv;
    const char* mode = argc > 1 ? argv[1] : "";
    if (std::strcmp(mode, "repaint") == 0 || std::strcmp(mode, "rss") == 0 || std::strcmp(mode, "memo") == 0)
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
    std::fprintf(stderr, "usage: floor_probe start|repaint|rss|memo|tick|pace S\n");
    return 2;
}
