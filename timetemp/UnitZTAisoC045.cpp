// Isothermal ZTA diagram of an unalloyed steel with 0.45 % C: austenitising while holding at 800, 850 and 900 °C.
#include "timetemp/UnitZTAisoC045.h"

#include <iterator>

namespace wb {

TFormZTAiso045* FormZTAiso045 = nullptr;

namespace {

using namespace ztaztu;
using zta::Isotherm;
using zta::Label;
using zta::Look;
using zta::Micrograph;

// The EKD corner at 0 … 2.2 % C and the ZTA panel from 0.1 s to 10^5 s, both from 200 °C at the
// bottom to 1200 °C in five rows; the EKD panel lies 10 pixels further left than in the
// continuous diagrams.
constexpr LayoutRule kLayout {
    .ztuLinks = 400, .ztuRechtsRand = 22, .untenRand = 100, .zeilen = 5, .ekdLinks = 40, .ekdRechtsRand = 400
};
// The overlay ends 2.9 rows above the bottom line (779 °C): the isotherms start from there.
constexpr OverlayRule kOverlay { .topRows = 0, .bottomRows = 2.9, .extraWidth = 30 };

// clang-format off
constexpr const char* kMemoErlaeuterung[] = {
    " Beim isothermen Zeit-Temperatur-Austenitisierungs-",
    " Schaubild wird mit einer definierten Geschwindigkeit  ",
    " bis zu einer bestimmten Temperatur schnell erwärmt",
    " und anschließend bei isothermer Versuchsführung ",
    " (konstante Temperatur) Beginn und Ende der Austenit-",
    " bildung verfolgt. Die Grafik zeigt dies schematisch",
    " anhand verschiedener Isothermen für einen unlegierten ",
    // The steel of this lesson: 0.45 % carbon, as its caption and picture say.
    " Stahl mit 0.45% Kohlenstoff",
    " (K. Mustermann: Schaubilder unlegierter Stähle). ",
    " ",
    " Beispielsweise beginnt die Austenitbildung bei einer ",
    " Isothermen von T= 800°C nach 0.3 s und nach einer ",
    " Haltedauer von 9 s sind die Karbide aufgelöst.  ",
    " Nach ca. 1600 s ist schließlich der Ferrit vollständig in ",
    " Austenit umgewandelt. Erst nach etwa 10500 s ist der ",
    " Kohlenstoff gleichmäßig im Austenit verteilt und es liegt",
    " ein homogener Austenit vor.",
};
static_assert(std::size(kMemoErlaeuterung) == 17);

// Step 4: the ZTA panel's temperature scale, its " 800" 5 pixels lower than in the continuous
// diagrams; the EKD panel's scales, the time axis and the steel corner are the ones every ZTA
// form draws, here 10 pixels further left.
constexpr ColoredText kAchsen[] = {
    { 395,   3, "Temperatur/°C", clBlack }, { 367,  14, "1200", clBlack }, { 370,  90, "1000", clBlack },
    { 370, 171, " 800", clBlack },          { 370, 242, " 600", clYellow },    { 370, 318, " 400", clWhite },
};
static_assert(std::size(kAchsen) == 6);

// Step 7: the steel's lines of the isothermal diagram, A(c1b), A(c1e), A(c3) and the homogeneity
// line, each from the point where the lesson lets its parabola set in.
constexpr TColor kLinie = RGB(0x0A, 0x00, 0x00);
constexpr zta::StaticLine kZtaLinien[] = {
    { kLinie, 2, { 430, 173 }, 430, 723 },
    { kLinie, 2, { 430, 158 }, 430, 723 },
    { kLinie, 2, { 455, 135 }, 455, 685 },
    // The homogeneity line starts with a step up from (455, 56) to the parabola's 53.
    { clGray, 1, { 455, 56 }, 455, 685 },
};

// Step 8, drawn last: the regions in black, then the lines' names white on black left of the panel.
constexpr ColoredText kZtaTexte[] = {
    { 438, 195, " Perlit + Ferrit", clBlack }, { 672, 188, " A + F + K", clBlack }, { 518, 159, " A + F ", clBlack },
    { 428, 43, " Austenit ", clBlack },        { 408, 66, " inhomogen ", clBlack }, { 508, 66, " homogen ", clBlack },
};
constexpr TextAt kLinienNamen[] = { { 358, 142, " A(c1e) " }, { 358, 157, " A(c1b) " }, { 358, 119, " A(c3) " } };

// Step 10: as in the continuous diagram, 10 pixels further left.
constexpr Segment kLegierungslinie[] = { { { 103, 180 }, { 103, 400 } }, { { 103, 180 }, { 350, 180 } } };
constexpr Marking kMarkierungen[] = {
    { false, {}, { 220, 172, " A(3) = 780°C " } },
    { true, { { 103, 201 }, { 350, 201 } }, { 220, 206, " A(1) = 723°C " } },
};
constexpr SteelBox kStahl { { 174, 233, 314, 294 }, { { 188, 248, " Stahl mit 0.45% C " }, { 186, 263, "  Gleichgewicht " } } };

// The micrographs along the 800 °C isotherm, on PaintBoxHaupt: before A(c1b), between A(c1b) and
// A(c1e), between A(c1e) and A(c3), above A(c3). The first tick also names the heating rate,
// under the 1 s line at 0.3 rows above the bottom.
constexpr Label kBild0[] = {
    { 454, 377, "   Aufheizgeschwindigkeit = 130 °C/sec   ", Look::WhiteOnGreen },
    { 405, 325, "   < A(c1b)       ", Look::WhiteOnBlack },
    { 405, 340, " Ferrit + Perlit ", Look::BlackOnYellow },
};
constexpr Label kBild1[] = {
    { 490, 325, " > A(c1b) und < A(c1e) ", Look::WhiteOnBlack },
    { 490, 340, " Ferrit + Austenit +   ", Look::BlackOnYellow },
    { 490, 355, " Resteisenkarbid      ", Look::BlackOnYellow },
};
constexpr Label kBild2[] = {
    { 625, 325, " > A(c1e) und < A(c3) ", Look::WhiteOnBlack },
    { 625, 340, "     Austenit +              ", Look::BlackOnYellow },
    { 625, 355, "       Ferrit                   ", Look::BlackOnYellow },
};
constexpr Label kBild3[] = {
    { 570, 110, "> A(c3)", Look::WhiteOnBlack },
    { 610, 110, " Austenit  ", Look::BlackOnYellow },
};
constexpr Micrograph kBilder[] = {
    { 0, { 395, 220 }, kBild0 },
    { 21, { 508, 220 }, kBild1 },
    { 102, { 620, 220 }, kBild2 },
    { 231, { 570, 5 }, kBild3 },
};

// The isotherms: u rows below the panel's top, drawn while X < the first limit, ended at the
// second; dots by X after the step where they cross A(c1b) and A(c3) (blue) and A(c1e) (white).
constexpr RunMarker kPunkte800[] = {
    { 21, -3, -3, 3, 3, clBlue }, { 102, -9, -3, -3, 3, clWhite }, { 231, -3, -3, 3, 3, clBlue },
};
constexpr RunMarker kPunkte850[] = { { 6, -9, -3, -3, 3, clWhite }, { 126, -3, -3, 3, 3, clBlue } };
constexpr RunMarker kPunkte900[] = { { 45, -3, -3, 3, 3, clBlue } };
constexpr Isotherm kIsothermen[] = {
    { 3.0, 300, 290, kPunkte800, { 5, -10, " T = 800°C ", Look::WhiteOnRed, 12 } },
    { 3.25, 270, 270, kPunkte850, { 10, -10, " T = 850°C ", Look::WhiteOnRed, 12 } },
    { 3.5, 260, 260, kPunkte900, { 10, -8, " T = 900°C ", Look::WhiteOnRed, 12 } },
};
// clang-format on

} // namespace

namespace ztaiso045 {

const Isotherm& isotherm(Temperature t)
{
    return kIsothermen[int(t)];
}

std::span<const Micrograph> micrographs()
{
    return kBilder;
}

std::span<const zta::StaticLine> boundaryLines()
{
    return kZtaLinien;
}

const LayoutRule& layoutRule()
{
    return kLayout;
}

const OverlayRule& overlayRule()
{
    return kOverlay;
}

} // namespace ztaiso045

TFormZTAiso045::TFormZTAiso045()
    : TLessonForm(QStringLiteral("FormZTAiso045"),
        { .caption = QStringLiteral("Isothermes Zeit-Temperatur-Austenitisierungs-Schaubild für einen unlegierten "
                                    "Stahl mit C =  0.45 % (schematisch) "),
            .status = status::S2,
            .statusHeight = 19 })
{
    // The form description; FormCreate places the rest.
    zta::setUpComponents(PaintBoxLog, 160, MemoErlaeuterung, kMemoErlaeuterung, ssHorizontal, ImageListGef);
    NEU.SetEnabled(false);
}

void TFormZTAiso045::FormCreate()
{
    PaintBoxHaupt.SetBounds(5, 5, 750, 500);
    MemoErlaeuterung.SetBounds(0, 0, 355, 320);
    MemoErlaeuterung.Font.SetHeight(18);
}

void TFormZTAiso045::PaintBoxHauptPaint()
{
    const int w = PaintBoxHaupt.Width(), h = PaintBoxHaupt.Height();
    TCanvas& c = PaintBoxHaupt.Canvas();
    m_state.Layout = computeLayout(kLayout, w, h);
    zta::drawPanelsAndSteelCorner(c, m_state.Layout, w, h, kAchsen);
    const auto lines = model::c45IsothermalAustenitising().lines;
    Q_ASSERT(lines.size() == std::size(kZtaLinien));
    for (size_t i = 0; i < lines.size(); ++i)
        zta::drawStaticLine(c, m_state.Layout, lines[i], kZtaLinien[i]);
    drawSteelBox(c, kStahl);
    drawMarkings(c, kLegierungslinie, kMarkierungen);
    // The regions' names come last, over the markings.
    drawColoredTexts(c, kZtaTexte);
    c.Brush.SetColor(clBlack);
    c.Font.SetColor(clWhite);
    drawAll(c, kLinienNamen);
}

void TFormZTAiso045::PaintBoxLogPaint()
{
    zta::placeOverlay(PaintBoxLog, PaintBoxHaupt, m_state.Layout, kOverlay);
}

void TFormZTAiso045::penToStart()
{
    zta::penToStart(PaintBoxLog, m_state.KurveX, m_state.KurveY);
}

void TFormZTAiso045::AufheizungskurvenClick()
{
    Timer800.SetEnabled(true);
    Aufheizungskurven.SetEnabled(false);
    NEU.SetEnabled(false);
    penToStart();
}

void TFormZTAiso045::isothermStep(ztaiso045::Temperature t, TTimer& timer, TTimer* next)
{
    // The micrographs show the structure along the 800 °C isotherm.
    if (t == ztaiso045::Temperature::T800)
        zta::drawMicrographAt(PaintBoxHaupt.Canvas(), ImageListGef, kBilder, m_state.KurveX, m_state.BildNr);
    const Isotherm& iso = kIsothermen[int(t)];
    const zta::CurveTick tick = zta::isothermTick(iso, m_state.Layout, m_state.KurveX, m_state.KurveY);
    zta::drawIsothermTick(PaintBoxLog.Canvas(), iso, tick, m_state.KurveX, m_state.KurveY);
    if (!tick.ended)
        return;
    penToStart();
    if (next)
        next->SetEnabled(true);
    else
        NEU.SetEnabled(true);
    timer.SetEnabled(false);
}

void TFormZTAiso045::Timer800Timer()
{
    isothermStep(ztaiso045::Temperature::T800, Timer800, &Timer850);
}

void TFormZTAiso045::Timer850Timer()
{
    isothermStep(ztaiso045::Temperature::T850, Timer850, &Timer900);
}

void TFormZTAiso045::Timer900Timer()
{
    // The last isotherm leaves "&Start Isotherme" off: the picture is complete until "Löschen / Neu".
    isothermStep(ztaiso045::Temperature::T900, Timer900, nullptr);
}

void TFormZTAiso045::NEUClick()
{
    m_state.BildNr = 0;
    Aufheizungskurven.SetEnabled(true);
    Refresh();
}

void TFormZTAiso045::TextClick()
{
    ToggleText(MemoErlaeuterung);
}

void TFormZTAiso045::FormClose()
{
    // Ende, Esc and the close box all stop the isotherms; "Löschen / Neu" keeps its state, so a
    // form closed during a run opens with it still off.
    Aufheizungskurven.SetEnabled(true);
    MemoErlaeuterung.SetVisible(false);
    StopTimers();
}

} // namespace wb
