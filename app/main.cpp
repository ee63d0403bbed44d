// Wärmebehandlung: the program's entry.
#include "app/Program.h"
#include "framework/Application.h"
#include "waermebehandlung.xpm"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

int main(int argc, char** argv)
{
    wb::prepareQtEnvironment(false);
    QApplication app(argc, argv);
    // One icon for every window of the program.
    QApplication::setWindowIcon(QIcon(QPixmap(waermebehandlung_xpm)));
    const int code = wb::runProgram();
    wb::shutdownProgram();
    return code;
}
