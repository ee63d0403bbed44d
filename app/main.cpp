// Wärmebehandlung: the program's entry.
#include "app/Program.h"
#include "framework/Application.h"

#include <QApplication>

int main(int argc, char** argv)
{
    wb::prepareQtEnvironment(false);
    QApplication app(argc, argv);
    const int code = wb::runProgram();
    wb::shutdownProgram();
    return code;
}
