// Continuous ZTA diagram of an unalloyed steel with 0.45 % C: austenitising at chosen heating rates.
#include "timetemp/UnitZTAconC045.h"

#include <iterator>

namespace wb {

TFormZTAcon045* FormZTAcon045 = nullptr;

namespace ztacon045 {

namespace {

using namespace ztaztu;
using zta::BoundaryLine;
using zta::HeatingCurve;
using zta::kFromSteel;
using zta::Label;
using zta::Look;
using zta::Micrograph;

// clang-format off
constexpr const char* kMemoErlaeuterung[] = {
    " Die Grafik soll anhand eines unlegierten Stahles mit ",
    " 0.45 % Kohlenstoff  die  Austenitbildung in  Abhängigkeit ",
    " von der Erwärmungsgeschwindigkeit zeigen",
    " (K. Mustermann: Schaubilder unlegierter Stähle).",
    " ",
    " Bei einer Erwärmung von 2.5°C/min beginnt die Austenit-",
    " bildung (A[c1b]) bei ca. 725°C. Die Karbide (K) gehen in",
    " Lösung und der Ferrit (F) wandelt in Austenit (A) um, bis ",
    " beim Erreichen von ca. 780°C (A[c1e], A[c3]) dieser ",
    " Prozess abgeschlossen ist und ein inhomogener Austenit ",
    " vorliegt. Erst  oberhalb von  830°C ist der Austenit homogen.",
    "",
    " Die A[c1b], A[c1e] und A[c3]-Linien, d. h. die Phasenbe-",
    " grenzungslinien  werden  mit  zunehmender  Aufheizge-",
    " schwindigkeit als Folge der zeitabhängigen Diffusion zu ",
    " höheren Temperatur hin verschoben. Bei einem Kohlen-",
    " stoffanteil  von  0.45 %  fallen bei  kontinuierlicher  Er-",
    " wärmung die Linien A[c1e] und A[c3] zusammen.",
    " Diese Verschiebung zu höheren Temperaturen mit",
    " zunehmender Aufheizgeschwindigkeit gilt auch für das",
    " Erreichen der Homogenität des Austenits.",
    "",
    " Sind die Umwandlungslinien (A[c1b], A[c3], A[c1e]) für eine ",
    " bestimmte Legierung empirisch ermittelt worden, so kann",
    " für jede andere Erwärmungsgeschwindigkeit die Phasen-",
    " änderung aus dem Diagramm entnommen werden.   ",
    "",
    " ",
};
static_assert(std::size(kMemoErlaeuterung) == 28);

// Step 10: the 0.45 % C line and A(3) at 780 °C, both with the purple gaps the steel box's brush
// leaves, then the labels white on black and A(1) at about 722 °C with black gaps.
constexpr Segment kLegierungslinie[] = { { { 113, 180 }, { 113, 400 } }, { { 113, 180 }, { 360, 180 } } };
constexpr Marking kMarkierungen[] = {
    { false, {}, { 230, 172, " A(3) = 780°C " } },
    { true, { { 113, 201 }, { 360, 201 } }, { 230, 206, " A(1) = 723°C " } },
};

// The micrographs along the 2.5 °C/min curve, on PaintBoxHaupt: before A(c1b), between the lines,
// above A(c3)/A(c1e). Each names its region white on black and its structure black on yellow.
constexpr Label kBild0[] = {
    { 404, 355, "   < A(c1b)       ", Look::WhiteOnBlack },
    { 404, 370, " Ferrit + Perlit ", Look::BlackOnYellow },
};
constexpr Label kBild1[] = {
    { 510, 355, " > A(c1b),< A(c3)/A(c1e) ", Look::WhiteOnBlack },
    { 510, 370, " Ferrit + Austenit +         ", Look::BlackOnYellow },
    { 510, 385, " Resteisenkarbid           ", Look::BlackOnYellow },
};
constexpr Label kBild2[] = {
    { 625, 315, " > A(c3)/A(c1e)       ", Look::WhiteOnBlack },
    { 625, 330, "     Austenit             ", Look::BlackOnYellow },
};
constexpr Micrograph kBilder[] = {
    { 0, { 404, 250 }, kBild0 },
    { 220, { 515, 250 }, kBild1 },
    { 241, { 625, 210 }, kBild2 },
};

// The three heating curves: H − inset − K · 10^((X − a) / 54), step, drawn while X < limit; dots
// where they cross A(c1b) (blue) and A(c3)/A(c1e) (white), by X after the step.
constexpr RunMarker kPunkte25[] = { { 218, -3, -3, 3, 3, clBlue }, { 242, -5, 0, 1, 6, clWhite } };
constexpr RunMarker kPunkte35[] = { { 162, -5, -3, 1, 3, clBlue }, { 183, -9, 4, -3, 10, clWhite } };
constexpr RunMarker kPunkte900[] = { { 93, -5, -3, 1, 3, clBlue }, { 111, -9, 5, -3, 11, clWhite } };
constexpr HeatingCurve kKurven[] = {
    { 1, 0.85 / 60, 54, 1, 256, kPunkte25, {}, { -50, -20, " v = 2.5°C/min ", Look::WhiteOnGreen, 12 } },
    { 0, 13.3 / 60, 54, 3, 196, kPunkte35, {}, { -50, -20, " v = 35°C/min ", Look::WhiteOnGreen, 12 } },
    { 0, 342.0 / 60, 53, 3, 127, kPunkte900, {}, { -20, 0, " v = 900°C/min ", Look::WhiteOnGreen, 12 } },
};

// The boundary lines, right to left, the steel's ZTA lines in its order: pen, width, start, end.
constexpr Label kEndeAc1[] = {
    // One pixel right of the line's end less 40, so that the label starts inside the overlay
    // rather than one pixel left of it, where its first column would be cut.
    { -39, -10, " A(c1b) ", Look::WhiteOnBlack, 12 },
    { 0, 10, " F+P ", Look::DarkOnYellow, 8 },
};
constexpr Label kEndeAc3[] = {
    { -40, -20, " A(c3)/A(c1e) ", Look::WhiteOnBlack, 12 },
    { 0, 7, "F+A", Look::DarkOnYellow, 8 },
    { 30, 13, " +K", Look::DarkOnYellow, 8 },
};
constexpr Label kEndeHomo[] = {
    { 1, 0, " AUSTENIT ", Look::DarkOnYellow, 12 },
    { 90, 5, " homogen ", Look::DarkOnYellow },
    { -45, 35, "inhomogen ", Look::DarkOnYellow },
};
constexpr BoundaryLine kLinien[] = {
    { kFromSteel, clBlack, 2, 237, 39, kEndeAc1 },
    { kFromSteel, clBlack, 2, 250, 40, kEndeAc3 },
    { kFromSteel, clGray, 1, 250, 50, kEndeHomo },
};
// clang-format on

} // namespace

const ztacon::Lesson& lesson()
{
    static const auto linien = zta::withParabolas(kLinien, model::c45().continuousHeating);
    static const ztacon::Lesson lesson {
        .caption = QStringLiteral("Kontinuierliches Zeit-Temperatur-Austenitisierungs-Schaubild für einen unlegierten "
                                  "Stahl mit C =  0.45 % (schematisch) "),
        .buttonCaption = QStringLiteral("Sta&rt"),
        .memo = kMemoErlaeuterung,
        // Twenty-eight lines of 16 pixels fit the memo's 480 pixels.
        .memoScrollBars = ssHorizontal,
        .steelBox
        = { { 184, 233, 324, 294 }, { { 198, 248, " Stahl mit 0.45% C " }, { 196, 263, "  Gleichgewicht " } } },
        .purpleGapLines = kLegierungslinie,
        .markings = kMarkierungen,
        .micrographs = kBilder,
        .curves = kKurven,
        // H − 0.0006 · (237 − 262)² − 14 = 183.6
        .linesStart = { 237, 184 },
        .lines = linien,
        // The typed rate ends once above 77, its label right of the curve's end.
        .typed = { 77, { -20, -2, "v =          °C/min", Look::WhiteOnGreen, 12 }, { 8, -2 } },
        // H − 0.0006 · (237 − 270)² − 14 = 183.3
        .typedLinesStart = { 237, 183 },
    };
    return lesson;
}

} // namespace ztacon045

TFormZTAcon045::TFormZTAcon045()
    : TZtaConForm(QStringLiteral("FormZTAcon045"), ztacon045::lesson())
{
}

} // namespace wb
