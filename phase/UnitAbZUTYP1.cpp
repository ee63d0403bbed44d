// Thermal analysis of a system completely soluble, liquid and solid: six cooling curves build its diagram.
#include "phase/UnitAbZUTYP1.h"

#include <iterator>

namespace wb {

TFormAbZuTyp1* FormAbZuTyp1 = nullptr;

namespace abzutyp1 {

namespace {

using namespace thermal;
using enum Condition::Test;

// The liquidus and solidus of the finished diagram, over the right panel's x.
constexpr Parabola kLiquidus = { 0.00129, 405, 97 };
constexpr Parabola kSolidus = { -0.00131, 790, 252 };

// clang-format off
// The cooling curves: y = a·(x − b)² + c per segment, each segment with the x it starts from
// (the kink where the one before hands over). The pure components A and B arrest at y = 100
// and 250; the alloys show the start and end of solidification as two kinks. Some joins are
// not continuous (L3 jumps from 161 to 159 at x = 220/221, L4 from 202 to 201 at 290/291);
// they are drawn as they come.
constexpr std::array<CoolingCurve, kKurven> kKurven1 = { {
    //  start          melt while      height                      melt segment                  segment 2                     segment 3
    { { 11, 60 },  { AtMost, 19 },  HeightAt::AfterStep, { { { { -0.0064, 360, 840 }, 11 },  { flat(100), 20 },               { { -0.007, 370, 813 }, 50 } } },  3, { Above, 110 } },
    { { 71, 60 },  { AtMost, 84 },  HeightAt::AfterStep, { { { { -0.0076, 324, 545 }, 71 },  { { 0.0036, -35, 57 }, 85 },     { { -0.0144, 300, 587 }, 125 } } }, 3, { AtLeast, 170 } },
    { { 131, 60 }, { AtMost, 149 }, HeightAt::AfterStep, { { { { -0.0113, 304, 398 }, 131 }, { { 0.0095, 90, 95 }, 150 },     { { -0.0212, 300, 445 }, 190 } } }, 3, { AtLeast, 230 } },
    { { 191, 60 }, { Below, 220 },  HeightAt::AfterStep, { { { { -0.0173, 304, 283 }, 191 }, { { 0.0047, 70, 52 }, 220 },     { { -0.031, 340, 420 }, 260 } } },  3, { AtLeast, 290 } },
    { { 251, 60 }, { AtMost, 289 }, HeightAt::AfterStep, { { { { -0.022, 355, 295 }, 251 },  { { 0.0049, 205, 165 }, 290 },   { { -0.085, 370, 373 }, 330 } } },  3, { AtLeast, 350 } },
    { { 311, 60 }, { Below, 360 },  HeightAt::AfterStep, { { { { -0.0205, 430, 350 }, 311 }, { flat(250), 360 },              { { -0.02, 514, 557 }, 390 } } },   3, { AtLeast, 410 } },
} };

// The connecting lines carry each curve's start and end of solidification across to its
// composition line. The first is the longest (430 steps): when it is complete, all are.
constexpr Connection kVerbindungen[] = {
    { { 20, 100 },  { 450, 100 } }, // A: solidification temperature
    { { 85, 110 },  { 510, 110 } }, // L1: start
    { { 125, 150 }, { 510, 150 } }, // L1: end
    { { 150, 130 }, { 570, 130 } }, // L2: start
    { { 190, 190 }, { 570, 190 } }, // L2: end
    { { 220, 160 }, { 630, 160 } }, // L3: start
    { { 260, 220 }, { 630, 220 } }, // L3: end
    { { 290, 200 }, { 690, 200 } }, // L4: start
    { { 330, 240 }, { 690, 240 } }, // L4: end
    { { 360, 250 }, { 750, 250 } }, // B: solidification temperature
};
static_assert(std::size(kVerbindungen) == 10);

// The three painters, one column per tick from x = 451 to 751 (301 ticks each): the red one
// draws from the liquidus down to two pixels above the solidus, the melt columns hang from
// y = 60 to three pixels above the liquidus, the solid columns stand on y = 349 up to two
// pixels above the solidus. The melt and solid columns take their height at the x before the step.
constexpr Diagram kDiagramm = {
    .liquidus = { { 450, 750, 0, kLiquidus, HeightAt::AfterStep, 0 }, false, {} },
    .lower = { { 450, 750, 0, kSolidus, HeightAt::AfterStep, -2 }, false, {} },
    .melt = { { 450, 750, 0, kLiquidus, HeightAt::BeforeStep, -3 }, false, {} },
    .meltTop = 60,
    .solid = { { 450, 750, 0, kSolidus, HeightAt::BeforeStep, -2 }, false, {} },
    .solidBottom = 349,
};

constexpr TextAt kSchwarz[] = { { 570, 70, "Schmelze" }, { 680, 180, "Liquiduslinie" } };
constexpr TextAt kWeiss[] = {
    { 540, 150, "Schmelze" }, { 590, 170, "- MK" }, { 580, 280, "- Mischkristalle" }, { 610, 230, "Soliduslinie" },
};
constexpr TextAt kSymbol[] = { { 583, 170, "a" }, { 573, 280, "a" } };
// clang-format on

// The end circles of the connecting lines once more, over the silver lines.
constexpr auto kEndKreise = [] {
    std::array<Box, std::size(kVerbindungen)> boxes {};
    for (size_t i = 0; i < boxes.size(); ++i)
        boxes[i] = circleAt(kVerbindungen[i].to);
    return boxes;
}();

const Lesson kLesson = {
    .curves = kKurven1,
    .connections = kVerbindungen,
    .leadingConnection = 0,
    .diagramStart = { 450, 100 },
    .connectionColor = clPurple,
    .diagram = kDiagramm,
    .staticPicture = { .whitePanelFirst = false,
        .timeAxisBrush = RGB(0xB1, 0x00, 0x00),
        .timeAxisFont = clYellow,
        .concentrationY = 370 },
    .finalPicture = { kSchwarz, kWeiss, kSymbol, kEndKreise },
};

} // namespace

const Lesson& lesson()
{
    return kLesson;
}

} // namespace abzutyp1

namespace {

// clang-format off
// Line 3 ends with a blank.
constexpr const char* kMemo[] = {
    " Mit dem Verfahren der thermischen Analyse kann man den Erstarrungstyp mit Hilfe von zeitabhängigen Temperaturverläufen",
    " verschiedener Legierungszusammensetzungen ermitteln.",
    " Bei der lückenlosen Mischkristallreihe sind die Erstarrungspunkte der reinen Komponenten A und B ",
    " durch zwei stetige Kurven verbunden. Die obere Kurve gibt die Liquiduslinie und die untere die Soliduslinie wieder.",
    " Die Diagrammfläche ist somit in die drei Zustandsfelder (Schmelze,Schmelze + Mischkristalle und Mischkristalle) aufgeteilt.",
};
// clang-format on
static_assert(std::size(kMemo) == 5);

} // namespace

TFormAbZuTyp1::TFormAbZuTyp1()
    : TThermalAnalysisForm(QStringLiteral("FormAbZuTyp1"),
        { .caption = QStringLiteral("Thermische Analyse und Zustandsschaubild bei vollkommener Löslichkeit im "
                                    "flüssigen und festen Zustand (schematisch)"),
            .height = 605,
            .fontHeight = -16 },
        abzutyp1::lesson(), kMemo)
{
}

} // namespace wb
