#include "SynthesisSheet.h"

#include "micrograph/Synthesis.h"

#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <vector>

namespace picgen {

namespace {

using wb::micrograph::Part;
using C = wb::micrograph::Constituent;

struct Mix {
    const char* label;
    std::vector<Part> parts;
};

// clang-format off
const std::vector<Mix> kMixes {
    { "melt",                          { { C::Melt, 1.0 } } },
    { "A 20 %, melt",                  { { C::PrimaryA, 0.2 }, { C::Melt, 0.8 } } },
    { "A 50 %, eutectic",              { { C::PrimaryA, 0.5 }, { C::EutecticAB, 0.5 } } },
    { "B 30 %, eutectic, melt",        { { C::PrimaryB, 0.3 }, { C::EutecticAB, 0.3 }, { C::Melt, 0.4 } } },
    { "alpha 60 %, eutectic",          { { C::PrimaryAlpha, 0.6 }, { C::EutecticAlphaBeta, 0.4 } } },
    { "beta 30 %, eutectic",           { { C::PrimaryBeta, 0.3 }, { C::EutecticAlphaBeta, 0.7 } } },
    { "solid solution 70 %, melt",     { { C::SolidSolution, 0.7 }, { C::Melt, 0.3 } } },
    { "solid solution",                { { C::SolidSolution, 1.0 } } },
    { "alpha, peritectic beta, melt",  { { C::PrimaryAlpha, 0.35 }, { C::PeritecticBeta, 0.3 }, { C::Melt, 0.35 } } },
    { "alpha 30 %, peritectic beta",   { { C::PrimaryAlpha, 0.3 }, { C::PeritecticBeta, 0.7 } } },
    { "delta, austenite, melt",        { { C::DeltaFerrite, 0.5 }, { C::Austenite, 0.2 }, { C::Melt, 0.3 } } },
    { "austenite 60 %, melt",          { { C::Austenite, 0.6 }, { C::Melt, 0.4 } } },
    { "austenite",                     { { C::Austenite, 1.0 } } },
    { "ferrite 30 %, austenite",       { { C::Ferrite, 0.3 }, { C::Austenite, 0.7 } } },
    { "ferrite 45 %, pearlite",        { { C::Ferrite, 0.45 }, { C::Pearlite, 0.55 } } },
    { "ferrite 90 %, pearlite",        { { C::Ferrite, 0.9 }, { C::Pearlite, 0.1 } } },
    { "ferrite, tertiary cementite",   { { C::Ferrite, 0.997 }, { C::TertiaryCementite, 0.003 } } },
    { "austenite, sec. cementite 7 %", { { C::Austenite, 0.93 }, { C::SecondaryCementite, 0.07 } } },
    { "pearlite, sec. cementite 7 %",  { { C::Pearlite, 0.93 }, { C::SecondaryCementite, 0.07 } } },
    { "austenite, ledeburite 42 %",    { { C::Austenite, 0.58 }, { C::Ledeburite, 0.42 } } },
    { "pearlite, Fe3C II, Ld' 42 %",   { { C::Pearlite, 0.5 }, { C::SecondaryCementite, 0.08 }, { C::TransformedLedeburite, 0.42 } } },
    { "primary cementite 15 %, melt",  { { C::PrimaryCementite, 0.15 }, { C::Melt, 0.85 } } },
    { "primary cementite, Ld' 70 %",   { { C::PrimaryCementite, 0.3 }, { C::TransformedLedeburite, 0.7 } } },
    { "graphite 10 %, ferrite, pearl.", { { C::Graphite, 0.1 }, { C::Ferrite, 0.4 }, { C::Pearlite, 0.5 } } },
    { "F 20, P 30, B 20, M 25, RA 5",  { { C::Ferrite, 0.2 }, { C::Pearlite, 0.3 }, { C::Bainite, 0.2 }, { C::Martensite, 0.25 }, { C::RetainedAustenite, 0.05 } } },
    { "bainite",                       { { C::Bainite, 1.0 } } },
    { "bainite 60 %, martensite",      { { C::Bainite, 0.6 }, { C::Martensite, 0.4 } } },
    { "martensite 92 %, ret. aust.",   { { C::Martensite, 0.92 }, { C::RetainedAustenite, 0.08 } } },
};
// clang-format on

} // namespace

bool writeSynthesisSheets(const QString& dir)
{
    if (!QDir().mkpath(dir))
        return false;
    const int size = 200;
    const int cols = 6;
    const QFont font(QStringLiteral("DejaVu Sans"), 9);
    for (const int ratio : { 1, 2 }) {
        wb::micrograph::Synthesis synthesis;
        const int cell = size * ratio;
        const int rows = static_cast<int>((kMixes.size() + cols - 1) / cols);
        QImage sheet(cols * (cell + 8), rows * (cell + 22), QImage::Format_RGB32);
        sheet.fill(QColor(60, 60, 60));
        QPainter p(&sheet);
        p.setFont(font);
        p.setPen(Qt::white);
        for (std::size_t k = 0; k < kMixes.size(); ++k) {
            QImage image = synthesis.render({ size, size, double(ratio), 1, kMixes[k].parts }).image;
            image.setDevicePixelRatio(1.0);
            const int x = static_cast<int>(k % cols) * (cell + 8) + 4;
            const int y = static_cast<int>(k / cols) * (cell + 22) + 18;
            p.drawImage(x, y, image);
            p.drawText(x, y - 5, QString::fromUtf8(kMixes[k].label));
        }
        p.end();
        if (!sheet.save(dir + QStringLiteral("/synthesis-%1.png").arg(ratio)))
            return false;
    }
    return true;
}

} // namespace picgen
