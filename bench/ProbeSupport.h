// What the paired probes share: the monotonic clock perf_table reads too, the process's memory,
// a median, the wait for a widget's first frame and the "key value" output.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace probe {

inline int g_argc = 0;
inline char** g_argv = nullptr;

// Nanoseconds on the system's monotonic clock (the same clock in every process).
inline long long monotonicNs()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

// A field of /proc/self/status ("VmRSS", "VmHWM") in MiB.
inline double statusMiB(const char* field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

inline void printValue(const QString& key, double value)
{
    std::printf("%s %.6f\n", qPrintable(key), value);
}
inline void printValue(const char* key, double value)
{
    printValue(QString::fromLatin1(key), value);
}
inline void printValue(const char* key, long long value)
{
    std::printf("%s %lld\n", key, value);
}

// Waits until a widget has painted for the first time and the frame went out to the display.
class FirstFrame : public QObject {
public:
    explicit FirstFrame(QWidget* w)
        : m_widget(w)
    {
        w->installEventFilter(this);
    }
    void wait()
    {
        QElapsedTimer t;
        t.start();
        while (!m_painted && t.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        // The paint event fills the backing store; the flush to the window follows it.
        QCoreApplication::processEvents();
        m_widget->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            m_painted = true;
        return false;
    }

private:
    QWidget* m_widget;
    bool m_painted = false;
};

} // namespace probe
