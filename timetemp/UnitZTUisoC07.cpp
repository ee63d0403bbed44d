// Isothermal ZTU diagram of an unalloyed steel with 0.70 % C: transformation while holding at 20, 330, 530 and 670 °C.
#include "timetemp/UnitZTUisoC07.h"

#include <iterator>

namespace wb::ztuiso07 {

namespace {

using namespace ztaztu;
using ztuiso::IsoLesson;
using ztuiso::IsothermRun;
using ztuiso::Knee;

// clang-format off
constexpr const char* kMemoErlaeuterung[] = {
    " Beim isothermen Zeit-Temperatur-Umwandlungs-Schau-",
    " bild wird aus dem Austenit auf eine vorgegebene Tempe-",
    " ratur schnell abgekühlt und anschließend bei isothermer ",
    " Versuchsführung (konstante Temperatur) Beginn und ",
    " Ende der Umwandlung aufgetragen. Die Grafik zeigt ",
    " dies für unterschiedliche Isothermen eines unlegierten ",
    " Stahles mit 0.7% Kohlenstoff",
    " (K. Mustermann: Schaubilder unlegierter Stähle). ",
    " ",
    " Beispielsweise beginnt bei einer Temperatur von 670°C ",
    " (Isotherme) nach 1.5 sec. die Ausscheidung von Ferrit. ",
    " Der Beginn und das Ende der Perlitbildung erfolgt ",
    " im Vergleich zu einem unlegierten Stahl mit niedrigeren",
    " Kohlenstoffgehalt (siehe unlegierter Stahl C = 0.45%)",
    " bei gleicher Isotherme schneller. ",
    " ",
    " Die Isotherme (T = 20°C) entspricht einem \"Abschrecken\", ",
    " wie es beispielsweise beim Härten durchgeführt wird. ",
    " Diffusionsvorgänge finden bei Raumtemperatur nicht mehr ",
    " statt. ",
};
static_assert(std::size(kMemoErlaeuterung) == 20);

// ZTU curves in pixels of (d, T): d the decade position, 0 at 0.1 s.
constexpr TPoint kMsStart[] = {  // Ms line into the start of transformation: (0, 230) (3.45, 230) (2.3, 335) (1.48, 400)
                                 // (1.28, 420) (1, 460) (0.86, 488) (0.76, 530) (0.78, 560) (0.84, 600) (0.92, 620)
                                 // (1, 636) (1.2, 670) (1.27, 676) (1.4, 688) (2, 718) (3, 732) (4, 744) (5, 750)
    { 400, 352 }, { 586, 352 }, { 524, 316 }, { 480, 294 }, { 469, 287 }, { 454, 274 }, { 446, 264 },
    { 441, 250 }, { 442, 240 }, { 445, 226 }, { 450, 219 }, { 454, 214 }, { 465, 202 }, { 469, 200 },
    { 476, 196 }, { 508, 186 }, { 562, 181 }, { 616, 177 }, { 670, 175 },
};
static_assert(std::size(kMsStart) == 19);
constexpr TPoint kPerlitBeginn[] = {  // (1, 636) (1.26, 664) (1.3, 664) (1.44, 680) (2.05, 710) (3, 724) (4, 732) (5, 740)
    { 454, 214 }, { 468, 204 }, { 470, 204 }, { 478, 199 }, { 511, 189 }, { 562, 184 }, { 616, 181 }, { 670, 178 },
};
constexpr TPoint kEnde[] = {  // end of transformation: (5, 220) (4.5, 240) (4, 270) (2.85, 380) (2.82, 394) (2.5, 400)
                              // (2.2, 410) (2, 420) (1.7, 450) (1.5, 480) (1.32, 530) (1.41, 580) (1.5, 600) (1.67, 620)
                              // (2, 650) (2.28, 670) (3, 700) (4, 720) (5, 730)
    { 670, 355 }, { 643, 348 }, { 616, 338 }, { 554, 301 }, { 552, 296 }, { 535, 294 }, { 519, 291 },
    { 508, 287 }, { 492, 277 }, { 481, 267 }, { 471, 250 }, { 476, 233 }, { 481, 226 }, { 490, 219 },
    { 508, 209 }, { 523, 202 }, { 562, 192 }, { 616, 185 }, { 670, 182 },
};
static_assert(std::size(kEnde) == 19);
constexpr TPoint kBainitGrenze[] = { { 530, 294 }, { 492, 287 }, { 476, 283 }, { 454, 274 } };  // (2.4, 400) (1.7, 420) (1.4, 432) (1, 460)
constexpr Curve kZtuKurven[] = { { 2, kMsStart }, { 2, kPerlitBeginn }, { 2, kEnde }, { 2, kBainitGrenze } };

constexpr TextAt kZtuTexte[] = {
    { 518, 124, "Austenit" }, { 456, 184, "Ferrit" },    { 450, 219, "Perlit" },
    { 520, 301, "Bainit" },   { 422, 389, "Martensit" }, { 428, 337, "Ms" },
};

// Below the Ms level at the right, drawn after the labels: (3.45, 230) (4, 200) (4.5, 180) (5, 166).
constexpr TPoint kUnterMs[] = { { 586, 352 }, { 616, 362 }, { 643, 369 }, { 670, 374 } };
constexpr Curve kSpaeteKurven[] = { { 2, kUnterMs } };

// The 0.70 % C line from 742 °C down and the A(3) line from 742 to 744 °C, both with purple
// gaps; then A(3)'s label alone and A(1) at 722 °C with black gaps.
constexpr Segment kLegierungslinien[] = { { { 148, 178 }, { 148, 430 } }, { { 148, 178 }, { 360, 177 } } };
constexpr Marking kMarkierungen[] = {
    { false, {}, { 230, 158, " A(3) = 745°C " } },
    { true, { { 148, 185 }, { 360, 185 } }, { 230, 189, " A(1) = 723°C " } },
};

// The isotherm runs, with the quench and knee of the 0.45 % C diagram. Markers: X → box offsets, fill.
constexpr RunLabel kTexte20[] = { { -100, -35, " Abschrecken auf Raumtemperatur " }, { 0, -20, " Martensit " } };

constexpr RunMarker kMarken330[] = {
    { 127, -3, -3, 3, 3, clBlack },
    { 176, -3, -3, 3, 3, clWhite },
};
constexpr RunLabel kTexte330[] = { { 10, -15, " Zwischenstufe " }, { 10, 0, " Bainit " } };

constexpr RunMarker kMarken530[] = {
    { 42, -3, -3, 3, 3, clBlack },
    { 72, -3, -3, 3, 3, clWhite },
};
constexpr RunLabel kTexte530[] = { { 10, -5, " Perlit " } };

constexpr RunMarker kMarken670[] = {
    { 65, -3, -3, 3, 3, clBlack },
    { 72, -3, -3, 3, 3, clBlack },
    { 121, -3, -3, 3, 3, clWhite },
};
constexpr RunLabel kTexte670[] = { { 10, -15, " 5% Ferrit " }, { 10, 0, " + 95% Perlit " } };

// n, drop, knee, the isotherm's Y on PaintBoxLog (its temperature in the comment), markers, end at
// KurveX, labels. The 670 °C isotherm ends at 220 here, 20 ticks before that of 0.45 % C.
constexpr IsothermRun kLaeufe[] = {
    { 11, 19, Knee::A, 270, {}, 200, kTexte20 },                // 20 °C
    { 7, 13, Knee::A, 164, kMarken330, 220, kTexte330 },        // 332 °C
    { 4, 21, Knee::B, 98, kMarken530, 220, kTexte530 },         // 526 °C
    { 2, 24, Knee::B, 50, kMarken670, 220, kTexte670 },         // 668 °C
};
static_assert(std::size(kLaeufe) == ztuiso::kIsotherms);

constexpr IsoLesson kLektion {
    .runs = kLaeufe,
    .curves = kZtuKurven,
    .curveLabels = kZtuTexte,
    .laterCurves = kSpaeteKurven,
    .steelBox = { { 184, 212, 324, 267 }, { { 198, 226, " Stahl mit 0.7% C " }, { 196, 240, "  Gleichgewicht " } } },
    .purpleGapLines = kLegierungslinien,
    .markings = kMarkierungen,
    .memoErlaeuterung = kMemoErlaeuterung,
};
// clang-format on

} // namespace

const IsoLesson& lesson()
{
    return kLektion;
}

} // namespace wb::ztuiso07

namespace wb {

TFormZTUi07* FormZTUi07 = nullptr;

TFormZTUi07::TFormZTUi07()
    : TZtuIsoForm(QStringLiteral("FormZTUi07"),
        QStringLiteral("Isothermes Zeit-Temperatur-Umwandlungs-Schaubild für einen unlegierten Stahl mit "
                       "C =  0.70 % (schematisch) "),
        ztuiso07::lesson(), true) // its runs' labels are bold
{
}

} // namespace wb
