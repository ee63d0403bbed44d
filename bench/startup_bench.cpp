// Start-up cost of the whole program: creating all 49 forms, painting the cover page and the
// main menu with its background photograph, and the memory that takes (headless, no display).
#include "app/Program.h"
#include "framework/Application.h"
#include "framework/Forms.h"
#include "resources/Pictures.h"
#include "shell/UnitMenue.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

namespace {

double rssMiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    wb::prepareQtEnvironment(true);
    QApplication app(argc, argv);
    const double before = rssMiB();
    wb::Screen.setSize(1024, 768);
    QElapsedTimer t;
    t.start();
    wb::Application.Initialize();
    wb::createAllForms();
    const double created = t.nsecsElapsed() / 1e6;
    wb::Application.MainForm()->Show();
    wb::Application.flushPendingPaints();
    const double cover = t.nsecsElapsed() / 1e6;
    wb::FormMenue->Show();
    wb::Application.flushPendingPaints();
    const double menu = t.nsecsElapsed() / 1e6;
    const double afterMenu = rssMiB();
    for (const QString& key : wb::pictures::pictureKeys())
        wb::pictures::jpeg(key);
    for (const QString& key : wb::pictures::stripKeys())
        wb::pictures::strip(key);
    std::printf("startup_bench (1024 x 768, headless)\n");
    std::printf("  create the 49 forms:                 %7.1f ms\n", created);
    std::printf("  + first paint of the cover page:     %7.1f ms\n", cover);
    std::printf("  + main menu with its photograph:     %7.1f ms\n", menu);
    std::printf("  process RSS: Qt only %.1f MiB, after start-up %.1f MiB, all pictures loaded %.1f MiB\n", before,
        afterMenu, rssMiB());
    wb::shutdownProgram();
    return 0;
}
