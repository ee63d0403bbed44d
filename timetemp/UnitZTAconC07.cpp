// Continuous ZTA diagram of an unalloyed steel with 0.70 % C: austenitising at chosen heating rates.
#include "timetemp/UnitZTAconC07.h"

#include <iterator>

namespace wb {

TFormZTAcon07* FormZTAcon07 = nullptr;

namespace ztacon07 {

namespace {

using namespace ztaztu;
using zta::BandMarker;
using zta::BoundaryLine;
using zta::HeatingCurve;
using zta::kFromSteel;
using zta::Label;
using zta::Look;
using zta::Micrograph;

// clang-format off
constexpr const char* kMemoErlaeuterung[] = {
    " Die Grafik soll anhand eines unlegierten Stahles mit ",
    " 0.70 % Kohlenstoff  die  Austenitbildung in  Abhängigkeit ",
    " von der Erwärmungsgeschwindigkeit zeigen",
    " (K. Mustermann: Schaubilder unlegierter Stähle).",
    " ",
    " Wird die Legierung z. B. mit 35°C/min aufgeheizt, so ",
    " beginnt die Austenitumwandlung (A[c1b]) bei ca. 730°C. ",
    " Die Karbide (K) gehen  in Lösung und der Ferrit (F) wandelt  ",
    " in Austenit (A) um bis schließlich beim Erreichen von 750°C ",
    " ( A[c3]) kein Ferrit mehr vorliegt. Es bleiben allerdings noch ",
    " Resteisenkarbide  übrig, die oberhalb 850°C aufgelöst wer-",
    " den. Ein homogener Austenit liegt erst oberhalb 920°C vor.",
    "",
    " Die A[c1b], A[c1e] und A[c3]-Linien, d. h. alle Phasenbe-",
    " grenzungslinien  werden  mit  zunehmender  Aufheizge-",
    " schwindigkeit als Folge der zeitabhängigen Diffusion zu ",
    " höheren Temperatur hin verschoben, wobei bei einem ",
    " Kohlenstoffanteil  von  0.70 %  bei  kontinuierlicher  Er-",
    " wärmung das Ende der Karbidauflösung A[c1e] bei deut-",
    " lich höheren Temperatur liegt als die abgeschlossene ",
    " Ferrit/Austenit Umwandlung.",
    " Diese Verschiebung zu höheren Temperaturen bei",
    " zunehmender Aufheizgeschwindigkeit gilt auch für das",
    " Erreichen der Homogenität des Austenits.",
    " Sind die Umwandlungslinien (A[c1b], A[c3], A[c1e]) für eine ",
    " bestimmte Legierung empirisch ermittelt worden, so kann",
    " für jede andere Erwärmungsgeschwindigkeit die Phasen-",
    " änderung aus dem Diagramm entnommen werden.   ",
    "",
    " ",
};
static_assert(std::size(kMemoErlaeuterung) == 30);

// Step 10: the 0.70 % C line from 742 °C down with purple gaps, then A(3) rising from 742 to
// 744 °C and A(1) at 722 °C with black gaps, labelled white on black.
constexpr Segment kLegierungslinie[] = { { { 148, 194 }, { 148, 400 } } };
constexpr Marking kMarkierungen[] = {
    { true, { { 148, 194 }, { 360, 193 } }, { 230, 172, " A(3) = 745°C " } },
    { true, { { 148, 202 }, { 360, 202 } }, { 230, 206, " A(1) = 723°C " } },
};

// The micrographs along the 2.5 °C/min curve: before A(c1b), between A(c1b) and A(c3), between
// A(c3) and A(c1e) with carbide left, above A(c1e).
constexpr Label kBild0[] = {
    { 410, 355, "   < A(c1b)       ", Look::WhiteOnBlack },
    { 410, 370, " Ferrit + Perlit   ", Look::BlackOnYellow },
};
constexpr Label kBild1[] = {
    { 500, 355, " > A(c1b) und < A(c3) ", Look::WhiteOnBlack },
    { 500, 370, " Ferrit + Austenit +   ", Look::BlackOnYellow },
    { 500, 385, " Resteisenkarbid      ", Look::BlackOnYellow },
};
constexpr Label kBild2[] = {
    { 625, 355, " > A(c3) und < A(c1e) ", Look::WhiteOnBlack },
    { 625, 370, "     Austenit +           ", Look::BlackOnYellow },
    { 625, 385, "   Resteisenkarbid   ", Look::BlackOnYellow },
};
constexpr Label kBild3[] = {
    { 565, 11, "     > A(c1e)     ", Look::WhiteOnBlack },
    { 565, 26, "     Austenit     ", Look::BlackOnYellow },
};
constexpr Micrograph kBilder[] = {
    { 0, { 410, 250 }, kBild0 },
    { 220, { 520, 250 }, kBild1 },
    { 232, { 630, 250 }, kBild2 },
    { 254, { 645, 1 }, kBild3 },
};

// The three heating curves. The slowest has its dots by X after the step; the faster two by the
// band of KurveY they pass: A(c1b) blue, A(c3) and A(c1e) white.
constexpr RunMarker kPunkte25[] = {
    { 219, -3, -3, 3, 3, clBlue }, { 232, -6, 0, 0, 6, clWhite }, { 255, -6, 4, 0, 10, clWhite },
};
constexpr BandMarker kPunkte35[] = {
    { 178, 180, -3, -4, 3, 2, clBlue }, { 164, 167, -7, -1, -1, 5, clWhite }, { 110, 125, -9, 7, -3, 13, clWhite },
};
constexpr BandMarker kPunkte900[] = {
    { 165, 168, -5, -4, 1, 2, clBlue }, { 150, 154, -7, -1, -1, 5, clWhite }, { 110, 120, -8, 5, -2, 11, clWhite },
};
constexpr HeatingCurve kKurven[] = {
    { 1, 0.85 / 60, 54, 1, 260, kPunkte25, {}, { 0, -20, " v = 2.5°C/min ", Look::WhiteOnGreen, 12 } },
    { 0, 13.3 / 60, 54, 3, 200, {}, kPunkte35, { -30, -20, " v = 35°C/min ", Look::WhiteOnGreen, 12 } },
    { 0, 5.7, 53, 3, 132, {}, kPunkte900, { -20, -15, " v = 900°C/min ", Look::WhiteOnGreen, 12 } },
};

// The four boundary lines, right to left, the steel's ZTA lines in its order: pen, width, start,
// end.
constexpr Label kEndeAc1[] = {
    // One pixel right of the line's end less 40, so that the label starts inside the overlay
    // rather than one pixel left of it, where its first column would be cut.
    { -39, -10, " A(c1b) ", Look::WhiteOnBlack, 12 },
    { -5, 20, " F+P ", Look::DarkOnYellow, 8 },
};
constexpr Label kEndeAc3[] = {
    { -40, -20, " A(c3) ", Look::WhiteOnBlack, 12 },
    { 0, 3, "F+A", Look::DarkOnYellow, 8 },
    { 24, 9, "+K", Look::DarkOnYellow, 8 },
};
constexpr Label kEndeAcm[] = {
    { -30, -20, " A(c1e) ", Look::WhiteOnBlack, 12 },
    { 0, 9, "A+K", Look::DarkOnYellow, 8 },
};
constexpr Label kEndeHomo[] = {
    { 1, 0, " AUSTENIT ", Look::DarkOnYellow, 12 },
    { 40, 15, " homogen ", Look::DarkOnYellow },
    { -30, 35, "inhomogen ", Look::DarkOnYellow },
};
constexpr BoundaryLine kLinien[] = {
    { kFromSteel, clBlack, 2, 237, 39, kEndeAc1 },
    { kFromSteel, clBlack, 2, 250, 40, kEndeAc3 },
    { kFromSteel, clBlack, 2, 250, 40, kEndeAcm },
    // It starts right of where the other three start.
    { kFromSteel, clGray, 1, 270, 50, kEndeHomo },
};
// clang-format on

} // namespace

const ztacon::Lesson& lesson()
{
    static const auto linien = zta::withParabolas(kLinien, model::c70().continuousHeating);
    static const ztacon::Lesson lesson {
        .caption = QStringLiteral("Kontinuierliches Zeit-Temperatur-Austenitisierungs-Schaubild für einen unlegierten "
                                  "Stahl mit C =  0.70 % (schematisch) "),
        .buttonCaption = QStringLiteral("S&tart"),
        .memo = kMemoErlaeuterung,
        // Thirty lines of 16 pixels are more than the memo's 480 pixels show.
        .memoScrollBars = ssBoth,
        .steelBox
        = { { 156, 233, 296, 294 }, { { 170, 248, " Stahl mit 0.7% C " }, { 168, 263, "  Gleichgewicht " } } },
        .purpleGapLines = kLegierungslinie,
        .markings = kMarkierungen,
        .micrographs = kBilder,
        .curves = kKurven,
        // A(c1b)'s own start: H − 0.0006 · (237 − 270)² − 14 = 183.3
        .linesStart = { 237, 183 },
        .lines = linien,
        // The typed rate ends once above 53, its label below and left of the curve's end.
        .typed = { 53, { -80, 35, "v =          °C/min", Look::WhiteOnGreen, 12 }, { -52, 35 } },
        .typedLinesStart = { 237, 183 },
    };
    return lesson;
}

} // namespace ztacon07

TFormZTAcon07::TFormZTAcon07()
    : TZtaConForm(QStringLiteral("FormZTAcon07"), ztacon07::lesson())
{
    setLineTimers({ &TimerAc1, &TimerAc3, &TimerAcm, &TimerHomo });
}

void TFormZTAcon07::TimerAcmTimer()
{
    lineStep(TimerAcm);
}

} // namespace wb
