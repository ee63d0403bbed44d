// icongen DIR: writes the program's icon into an icon theme tree under DIR:
// scalable/apps/ID.svg and NxN/apps/ID.png for every size the theme gets.
#include "app/AppIcon.h"

#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: icongen DIR\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString id = QLatin1String(wb::kAppId);
    const QString svgDir = root + QStringLiteral("/scalable/apps");
    QDir().mkpath(svgDir);
    QFile svg(svgDir + QLatin1Char('/') + id + QStringLiteral(".svg"));
    if (!svg.open(QIODevice::WriteOnly | QIODevice::Truncate) || svg.write(wb::appIconSvg().toUtf8()) < 0) {
        std::fprintf(stderr, "icongen: cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    for (const int size : wb::kAppIconSizes) {
        const QString dir = root + QStringLiteral("/%1x%1/apps").arg(size);
        QDir().mkpath(dir);
        const QString file = dir + QLatin1Char('/') + id + QStringLiteral(".png");
        if (!wb::appIconImage(size).save(file, "PNG")) {
            std::fprintf(stderr, "icongen: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
