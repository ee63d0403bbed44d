// Thermal analysis of a system soluble when liquid, insoluble when solid: eutectic cooling curves build its diagram.
#include "phase/UnitAbZUTYP2.h"

#include <iterator>

namespace wb {

TFormAbZuTyp2* FormAbZuTyp2 = nullptr;

namespace abzutyp2 {

namespace {

using namespace thermal;
using enum Condition::Test;

// The eutectic arrest of the alloys, and the eutectic line two pixels above it in the diagram.
constexpr Parabola kEutektikum = flat(270);
constexpr Parabola kEutektikale = flat(268);
// The two liquidus branches over the diagram's table x u (diagram x = u + 100), meeting at the
// eutectic point.
constexpr Parabola kLiquidusA = { 0.001, 22, 12 };
constexpr Parabola kLiquidusB = { 0.002, 840, 79 };

// clang-format off
// The cooling curves: melt cooling, primary crystallisation, the eutectic arrest at y = 270,
// solid cooling; the pure metals arrest at y = 120 and 150, the eutectic alloy L3 has no
// primary crystallisation. Curve A takes its melt heights at the new x; L1 to B take them at
// the x before the step and draw them one pixel to the right. Each start is the curve's own
// melt height at its first x, but A's pen starts at 61 (a constant 1170 where the curve has
// 1160): its first line jumps up to (10, 58).
constexpr std::array<CoolingCurve, kKurven> kKurven2 = { {
    //  start          melt while      height                       melt segment                   segment 2                       segment 3                   segment 4
    { { 9, 61 },   { Below, 20 },  HeightAt::AfterStep,  { { { { -0.009, 360, 1160 }, 9 },   { flat(120), 20 },                { { -0.0064, 370, 771 }, 50 } } },                                   3, { Above, 110 } },
    { { 70, 59 },  { Below, 90 },  HeightAt::BeforeStep, { { { { -0.0104, 324, 730 }, 70 },  { { 0.006, -47, 46 }, 90 },       { kEutektikum, 146 },         { { -0.013, 300, 562 }, 150 } } }, 4, { AtLeast, 170 } },
    { { 130, 59 }, { Below, 160 }, HeightAt::BeforeStep, { { { { -0.0167, 304, 565 }, 130 }, { { 0.017, 140, 206 }, 160 },     { kEutektikum, 200 },         { { -0.023, 300, 455 }, 210 } } }, 4, { AtLeast, 230 } },
    { { 190, 59 }, { Below, 235 }, HeightAt::BeforeStep, { { { { -0.026, 304, 397 }, 190 },  { kEutektikum, 235 },              { { -0.03, 340, 415 }, 270 } } },                                    3, { AtLeast, 290 } },
    { { 250, 59 }, { Below, 280 }, HeightAt::BeforeStep, { { { { -0.05, 315, 270 }, 250 },   { { 0.0075, 205, 162 }, 280 },    { kEutektikum, 325 },         { { -0.14, 360, 352 }, 335 } } },  4, { AtLeast, 350 } },
    { { 310, 59 }, { Below, 332 }, HeightAt::BeforeStep, { { { { -0.0234, 408, 284 }, 310 }, { flat(150), 332 },               { { -0.015, 514, 500 }, 360 } } },                                   3, { AtLeast, 410 } },
} };

// The eutectic line starts with a circle on each of the four eutectic arrests and gets one on
// each composition line it reaches.
constexpr int kEutektischeHaltepunkte[] = { 145, 200, 235, 325 };
constexpr int kEutektischeLegierungen[] = { 510, 570, 630, 690 };

constexpr Connection kVerbindungen[] = {
    { { 20, 120 },  { 450, 120 } }, // A: solidification temperature
    { { 92, 163 },  { 510, 163 } }, // L1: start of solidification
    { { 160, 212 }, { 570, 212 } }, // L2: start
    { { 145, 270 }, { 690, 270 }, kEutektischeHaltepunkte, kEutektischeLegierungen }, // the eutectic line
    { { 280, 202 }, { 690, 202 } }, // L4: start
    { { 333, 150 }, { 750, 150 } }, // B: solidification temperature
};
static_assert(std::size(kVerbindungen) == 6);

// The painters step the table x u from 350 while u <= 648 (299 ticks), drawing at u + 100. The
// red one goes from the liquidus (branch A up to u = 531, then branch B) to the eutectic line;
// the melt columns hang from y = 60 to four (branch A) or one (branch B) pixel above the
// liquidus; the solid columns stand on y = 349 up to the eutectic line.
constexpr Diagram kDiagramm = {
    .liquidus = { { 350, 530, 100, kLiquidusA, HeightAt::BeforeStep, 0 }, true,
                  { 530, 648, 100, kLiquidusB, HeightAt::AfterStep, 0 } },
    .lower = { { 350, 648, 100, kEutektikale, HeightAt::AfterStep, 0 }, false, {} },
    .melt = { { 350, 530, 100, kLiquidusA, HeightAt::BeforeStep, -4 }, true,
              { 530, 648, 100, kLiquidusB, HeightAt::AfterStep, -1 } },
    .meltTop = 60,
    .solid = { { 350, 648, 100, kEutektikale, HeightAt::AfterStep, 0 }, false, {} },
    .solidBottom = 349,
};

constexpr TextAt kSchwarz[] = { { 600, 110, "Schmelze" }, { 500, 140, "Liquiduslinie" }, { 640, 180, "Liquiduslinie" } };
constexpr TextAt kWeiss[] = {
    { 500, 220, "Schmelze" }, { 500, 245, "- Kristalle" }, { 680, 220, "Schmelze" }, { 680, 245, "- Kristalle" },
    { 580, 300, "- Kristalle +" }, { 600, 320, "- Kristalle" }, { 600, 275, "Eutektikum" }, { 500, 275, "Soliduslinie" },
};
constexpr TextAt kSymbol[] = { { 492, 245, "a" }, { 672, 245, "b" }, { 572, 300, "a" }, { 592, 320, "b" } };

// The circles over the silver lines. Those at the ends of the L4 and B lines sit two pixels
// lower than the ones the connecting lines drew.
constexpr Box kKreise[] = {
    { 447, 117, 453, 123 }, { 507, 160, 513, 166 }, { 567, 209, 573, 215 },
    { 507, 267, 513, 273 }, { 567, 267, 573, 273 }, { 627, 267, 633, 273 }, { 687, 267, 693, 273 },
    { 687, 201, 693, 207 }, { 747, 149, 753, 155 },
};
// clang-format on

const Lesson kLesson = {
    .curves = kKurven2,
    .connections = kVerbindungen,
    .leadingConnection = 3,
    .diagramStart = { 450, 120 },
    .connectionColor = clBlue,
    .diagram = kDiagramm,
    .staticPicture = { .whitePanelFirst = true,
        .timeAxisBrush = RGB(0xC8, 0x00, 0x00),
        .timeAxisFont = clWhite,
        .concentrationY = 375 },
    .finalPicture = { kSchwarz, kWeiss, kSymbol, kKreise },
};

} // namespace

const Lesson& lesson()
{
    return kLesson;
}

} // namespace abzutyp2

namespace {

// clang-format off
// Line 4 ends with a blank.
constexpr const char* kMemo[] = {
    " Mit dem Verfahren der thermischen Analyse kann man den Erstarrungstyp mit Hilfe von zeitabhängigen Temperaturverläufen",
    " verschiedener Legierungszusammensetzungen ermitteln.",
    " Die reinen Metalle (A = 100% oder B = 100 %) sowie eine bestimmte Legierungszusammensetzung (B = 60 %, A = 40 %),",
    " bei der beide Legierungselemente bei konstanter Temperatur in den festen Zustand übergehen, besitzen in ihren ",
    " Abkühlungskurven nur einen Haltepunkt. Alle anderen Legierungen erstarren über einen Temperaturbereich.",
};
// clang-format on
static_assert(std::size(kMemo) == 5);

} // namespace

TFormAbZuTyp2::TFormAbZuTyp2()
    : TThermalAnalysisForm(QStringLiteral("FormAbZuTyp2"),
        { .caption = QStringLiteral("Thermische Analyse und Zustandsschaubild bei vollkommener Löslichkeit im "
                                    "flüssigen und Unlöslichkeit im festen Zustand (schematisch)"),
            .height = 605 },
        abzutyp2::lesson(), kMemo)
{
}

} // namespace wb
