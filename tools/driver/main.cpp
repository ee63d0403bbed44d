// waermebehandlung-script: runs the whole program headless from a command script.
#include "ScriptDriver.h"
#include "app/Program.h"

#include <QApplication>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sys/stat.h>

int main(int argc, char** argv)
{
    bool keepGoing = false;
    const char* file = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--keep-going") == 0) {
            keepGoing = true;
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << "usage: waermebehandlung-script [--keep-going] [SCRIPT]\n"
                         "Runs the program headless on a virtual clock; commands come from SCRIPT or stdin.\n";
            return 0;
        } else if (!file) {
            file = argv[i];
        } else {
            std::cerr << "usage: waermebehandlung-script [--keep-going] [SCRIPT]\n";
            return 2;
        }
    }
    std::ifstream script;
    if (file) {
        // A folder opens like a file but cannot be read: say so instead of failing on it.
        struct stat st { };
        if (::stat(file, &st) == 0 && S_ISDIR(st.st_mode)) {
            std::cerr << "error: '" << file << "' is a folder, not a script\n";
            return 2;
        }
        script.open(file);
        if (!script) {
            std::cerr << "error: cannot read '" << file << "'\n";
            return 2;
        }
    }
    struct stat in_st { };
    if (!file && ::fstat(0, &in_st) == 0 && S_ISDIR(in_st.st_mode)) {
        std::cerr << "error: the standard input is a folder, not a script\n";
        return 2;
    }
    std::istream& in = file ? static_cast<std::istream&>(script) : std::cin;

    wb::prepareQtEnvironment(true);
    QApplication app(argc, argv);
    wb::ScriptDriver driver(in, std::cout, std::cerr, keepGoing);
    wb::Application.setHeadless(&driver, &driver);
    const int code = driver.run([] { return wb::runProgram(); });
    wb::shutdownProgram();
    std::cout.flush();
    std::cerr.flush();
    return code;
}
