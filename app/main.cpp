// Wärmebehandlung: the program's entry.
#include "app/AppIcon.h"
#include "app/Program.h"
#include "framework/Application.h"

#include <QApplication>

int main(int argc, char** argv)
{
    wb::prepareQtEnvironment(false);
    QApplication app(argc, argv);
    // One icon for every window of the program, drawn at every size it may be shown at.
    QApplication::setWindowIcon(wb::appIcon());
    QGuiApplication::setDesktopFileName(QLatin1String(wb::kAppId));
    const int code = wb::runProgram();
    wb::shutdownProgram();
    return code;
}
