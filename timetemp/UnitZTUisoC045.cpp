// Isothermal ZTU diagram of an unalloyed steel with 0.45 % C: transformation while holding at 20, 330, 530 and 670 °C.
#include "timetemp/UnitZTUisoC045.h"

#include <iterator>

namespace wb::ztuiso045 {

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
    " dies für unterschiedliche Isothermen  eines unlegierten ",
    " Stahles mit 0.45% Kohlenstoff",
    " (K. Mustermann: Schaubilder unlegierter Stähle). ",
    " ",
    " Beispielsweise beginnt bei einer Temperatur von 670°C ",
    " (Isotherme) nach 4 sec. die Ausscheidung von Ferrit. ",
    " Nach einer Haltedauer von 12 sec schließt sich  die ",
    " Perlitbildung an, die nach etwa 1000 sec abgeschlossen ",
    " ist. ",
    " ",
    " Die Isotherme (T = 20°C) entspricht einem \"Abschrecken\", ",
    " wie es beispielsweise beim Härten durchgeführt wird. ",
    " Diffusionsvorgänge finden bei Raumtemperatur nicht mehr ",
    " statt. ",
};
static_assert(std::size(kMemoErlaeuterung) == 19);

// Step 7, in pixels of (d, T): d the decade position, 0 at 0.1 s.
constexpr TPoint kKurve1[] = {  // Ms line into the start of transformation: (0, 350) (1.6, 350) (1.36, 400) (1.05, 500)
                                // (1, 550) (1.12, 600) (1.4, 646) (1.6, 666) (1.8, 684) (2, 696) (3, 736) (4, 752) (5, 766)
    { 400, 311 }, { 486, 311 }, { 473, 294 }, { 457, 260 }, { 454, 243 }, { 460, 226 }, { 476, 210 },
    { 486, 204 }, { 497, 197 }, { 508, 193 }, { 562, 180 }, { 616, 174 }, { 670, 170 },
};
constexpr TPoint kKurve2[] = {  // pearlite start: (1.33, 500) (1.25, 530) (1.25, 550) (1.32, 570) (1.47, 600) (1.6, 620)
                                // (2, 650) (3, 692) (4, 712) (5, 726)
    { 472, 260 }, { 468, 250 }, { 468, 243 }, { 471, 236 }, { 479, 226 },
    { 486, 219 }, { 508, 209 }, { 562, 195 }, { 616, 188 }, { 670, 183 },
};
constexpr TPoint kKurve3[] = {  // end of the ferrite–pearlite transformation: (5, 692) (4, 670) (3, 648) (2, 600)
                                // (1.85, 580) (1.82, 570) (1.79, 560) (1.77, 550) (1.85, 520) (2.05, 472)
    { 670, 195 }, { 616, 202 }, { 562, 210 }, { 508, 226 }, { 500, 233 },
    { 498, 236 }, { 497, 240 }, { 496, 243 }, { 500, 253 }, { 511, 270 },
};
constexpr TPoint kKurve4[] = {  // pearlite–bainite boundary: (1.16, 476) (1.33, 500) (1.53, 484) (1.8, 476) (2.05, 472)
    { 463, 268 }, { 472, 260 }, { 483, 265 }, { 497, 268 }, { 511, 270 },
};
constexpr TPoint kKurve5[] = {  // start below Ms: (5, 210) (4, 228) (3, 260) (2, 310) (1.8, 324) (1.7, 332) (1.6, 350)
    { 670, 359 }, { 616, 352 }, { 562, 342 }, { 508, 325 }, { 497, 320 }, { 492, 317 }, { 486, 311 },
};
constexpr TPoint kKurve6[] = {  // end of the bainite transformation: (5, 288) (4, 302) (3.5, 316) (3, 336) (2.65, 360)
                                // (2.3, 400) (2.16, 420) (2.1, 454) (2.05, 472)
    { 670, 332 }, { 616, 327 }, { 589, 323 }, { 562, 316 }, { 543, 308 },
    { 524, 294 }, { 517, 287 }, { 513, 276 }, { 511, 270 },
};
constexpr Curve kZtuKurven[] = {
    { 2, kKurve1 }, { 2, kKurve2 }, { 2, kKurve3 }, { 2, kKurve4 }, { 2, kKurve5 }, { 2, kKurve6 },
};

// Step 8.
constexpr TextAt kZtuTexte[] = {
    { 518, 124, "Austenit" }, { 568, 177, "Ferrit" },    { 476, 253, "Perlit" },
    { 490, 294, "Bainit" },   { 422, 342, "Martensit" }, { 428, 296, "Ms" },
};

// Step 10: the 0.45 % C line from 780 °C down, then A(3) at 780 °C and A(1).
constexpr Segment kLegierungslinie[] = { { { 113, 165 }, { 113, 430 } } };
constexpr Marking kMarkierungen[] = {
    { true, { { 113, 165 }, { 360, 165 } }, { 230, 158, " A(3) = 780°C " } },
    { true, { { 113, 184 }, { 360, 184 } }, { 230, 189, " A(1) = 723°C " } },
};

// The isotherm runs. Markers: X → box offsets, fill. Labels: offsets from the end point.
constexpr RunLabel kTexte20[] = { { -100, -35, " Abschrecken auf Raumtemperatur " }, { 0, -20, " Martensit " } };

constexpr RunMarker kMarken330[] = {
    { 92, -3, -3, 3, 3, clBlack },
    { 170, -5, -3, 1, 3, clWhite },
};
constexpr RunLabel kTexte330[] = {
    { 10, -15, " Zwischenstufe " }, { 10, 15, "+ 70% Bainit " }, { 10, 0, "30% Martensit " },
};

constexpr RunMarker kMarken530[] = {
    { 56, -3, -3, 3, 3, clBlack },
    { 72, -6, -3, 0, 3, clBlue }, // the middle marker is filled blue
    { 102, -6, -3, 0, 3, clWhite },
};
constexpr RunLabel kTexte530[] = { { 10, 10, "+ 95% Perlit " }, { 10, -5, "5% Ferrit " } };

constexpr RunMarker kMarken670[] = {
    { 89, -3, -3, 3, 3, clBlack },
    { 128, -3, -3, 3, 3, clBlack },
    { 220, -3, -3, 3, 3, clWhite },
};
constexpr RunLabel kTexte670[] = { { 10, 0, "+ 80% Perlit " }, { 10, -15, " 20% Ferrit " } };

// n, drop, knee, the isotherm's Y on PaintBoxLog (its temperature in the comment), markers, end at
// KurveX, labels.
constexpr IsothermRun kLaeufe[] = {
    { 11, 19, Knee::A, 270, {}, 200, kTexte20 },                // 20 °C
    { 7, 13, Knee::A, 164, kMarken330, 220, kTexte330 },        // 332 °C
    { 4, 21, Knee::B, 98, kMarken530, 220, kTexte530 },         // 526 °C
    { 2, 24, Knee::B, 50, kMarken670, 240, kTexte670 },         // 668 °C
};
static_assert(std::size(kLaeufe) == ztuiso::kIsotherms);

constexpr IsoLesson kLektion {
    .runs = kLaeufe,
    .curves = kZtuKurven,
    .curveLabels = kZtuTexte,
    .laterCurves = {},
    .steelBox = { { 184, 212, 324, 267 }, { { 198, 226, " Stahl mit 0.45% C " }, { 196, 240, "  Gleichgewicht " } } },
    .purpleGapLines = kLegierungslinie,
    .markings = kMarkierungen,
    .memoErlaeuterung = kMemoErlaeuterung,
};
// clang-format on

} // namespace

const IsoLesson& lesson()
{
    return kLektion;
}

} // namespace wb::ztuiso045

namespace wb {

TFormZTUi045* FormZTUi045 = nullptr;

TFormZTUi045::TFormZTUi045()
    : TZtuIsoForm(QStringLiteral("FormZTUi045"),
        QStringLiteral("Isothermes Zeit-Temperatur-Umwandlungs-Schaubild für einen unlegierten Stahl mit "
                       "C =  0.45 % (schematisch) "),
        ztuiso045::lesson(), false)
{
}

} // namespace wb
