// Continuous ZTU diagram of an unalloyed steel with 0.70 % C: the microstructures that different cooling rates produce.
#include "timetemp/UnitZTUconC07.h"

#include "timetemp/ZtuIsoDiagram.h"

#include <iterator>

namespace wb::ztucon07 {

namespace {

using namespace ztaztu;

constexpr OverlayRule kOverlay { .topRows = 2, .bottomRows = 0, .extraWidth = 20 };

// clang-format off
constexpr const char* kMemoT[] = {
    " Geschwindigkeit (°C/s)        600       60       40          5         0.04",
    " Ferritanteil (%)                          -            -            -         3            10",
    " Perlitanteil (%)                          -           80      100      97           90",
    " Bainitanteil (%)                         -           20         -          -              -",
    " Martensitanteil (%)                100        -            -          -              -",
    " Erzielte Härte HV                  900       440      370     280       230",
    "     ",
};
static_assert(std::size(kMemoT) == 7);

constexpr const char* kMemoErlaeuterung[] = {
    " Die Darstellung zeigt ein ZTU-Schaubild kontinuierlicher Ab-",
    " kühlung am Beispiel eines unlegierten Stahles mit 0.7% C,",
    " in der Kurven unterschiedlicher stetiger Abkühlungsge-",
    " schwindigkeiten eingetragen sind",
    " (K. Mustermann: Schaubilder unlegierter Stähle).",
    " ",
    " Die Kurve, die annähernd die Abkühlung unter Gleichge-",
    " wichtsbedingungen zeigt, soll den Zusammenhang  zwi-",
    " schen EKD und einem  ZTU-Schaubild wiederspiegeln.",
    " Wird mit einer langsamen Geschwindigkeit (v = 0.04°C/s) ",
    " abgekühlt, so fängt die Ferritbildung bei 710°C an. Die ",
    " Perlitbildung beginnt bei ca. 700°C und ist  bei ca. 685°C ",
    " abgeschlossen.",
    " ",
    " Bei einer Abkühlung mit einer mittleren Geschwindigkeit ",
    " von 60°C/s beginnt die Perlitbildung bei ca. 610°C und ",
    " endet bei ca. 500°C. Bei weiterer Abkühlung entsteht ",
    " Bainit (Ferrit mit feinverteilten Karbiden) und zum Abschluss",
    " Martensit.",
    "",
    // The rate without "/s" is the lesson's own text.
    " Bei einer mittleren Abkühlgeschwindigkeit von v = 600°C ",
    " werden  Diffusionsvorgänge unterbunden und der Austenit ",
    " klappt unterhalb von 210°C in ein tetragonal verzerrtes Gitter ",
    " um (Martensit).  ",
    "  ",
};
static_assert(std::size(kMemoErlaeuterung) == 25);

// ZTU curves in pixels of (d, T): d the decade position, 0 at 0.1 s.
constexpr TPoint kMsStart[] = {  // Ms line with the start curve: (0, 230) (1.75, 230) (1.15, 500) (1.13, 520) (1.11, 540)
                                 // (1.12, 560) (1.15, 580) (1.2, 600) (1.25, 616) (1.32, 632) (1.42, 650) (1.6, 668) (2.16, 684)
    { 400, 352 }, { 494, 352 }, { 462, 260 }, { 461, 253 }, { 460, 246 }, { 460, 240 }, { 462, 233 },
    { 465, 226 }, { 468, 221 }, { 471, 215 }, { 477, 209 }, { 486, 203 }, { 517, 197 },
};
constexpr TPoint kFortsetzung[] = { { 517, 197 }, { 670, 183 } };  // (2.16, 686) to (5, 726)
constexpr TPoint kZweiterBeginn[] = { { 486, 204 }, { 670, 188 } };  // (1.6, 664) to (5, 712)
constexpr TPoint kEnde[] = {  // end of transformation: (5, 700) (2.4, 660) (2.25, 656) (2.1, 650) (1.95, 644) (1.8, 630)
                              // (1.75, 616) (1.72, 600) (1.68, 580) (1.68, 560) (1.74, 512) (2.5, 100)
    { 670, 192 }, { 530, 206 }, { 522, 207 }, { 513, 209 }, { 505, 211 }, { 497, 216 },
    { 494, 221 }, { 493, 226 }, { 491, 233 }, { 491, 240 }, { 494, 256 }, { 535, 396 },
};
constexpr TPoint kVerbindung[] = { { 468, 274 }, { 495, 260 } };  // (1.26, 460) to (1.76, 500)
constexpr TPoint kMsKurz[] = { { 519, 342 }, { 491, 352 } };  // (2.2, 260) to (1.68, 230) at the Ms level
constexpr Curve kZtuKurven[] = {
    { 2, kMsStart }, { 2, kFortsetzung }, { 2, kZweiterBeginn }, { 2, kEnde }, { 2, kVerbindung }, { 2, kMsKurz },
};

constexpr TextAt kZtuTexte[] = {
    { 518, 124, "Austenit" }, { 484, 189, "Ferrit" },    { 464, 246, "Perlit" },
    { 484, 314, "Bainit" },   { 406, 369, "Martensit" }, { 428, 337, "Ms" },
};

// The 0.70 % C line from 742 °C down, then A(3) at 740 °C and A(1) at 724 °C.
constexpr Segment kLegierungslinie[] = { { { 148, 178 }, { 148, 430 } } };
constexpr Marking kMarkierungen[] = {
    { true, { { 148, 178 }, { 360, 178 } }, { 230, 158, " A(3) = 745°C " } },
    { true, { { 148, 184 }, { 360, 184 } }, { 230, 189, " A(1) = 723°C " } },
};

constexpr SteelBox kStahl { { 184, 212, 324, 267 }, { { 198, 226, " Stahl mit 0.7% C " }, { 196, 240, "  Gleichgewicht " } } };

// The cooling runs, in the lesson's order of items. Pieces: (above, up to, step, step first,
// sets Y, a, slope, offset) for Y := (X − a) · slope + offset. Markers: X → box offsets, fill.
constexpr RunPiece kStuecke004[] = {
    { kOpen, 238, 2 },
    { 238, kNoEnd, 1 },
};
constexpr RunMarker kMarken004[] = {
    { 241, -8, -6, -2, 0, clBlack },
    { 243, -8, -8, -2, -2, clBlack },
    { 246, -8, -8, -2, -2, clWhite },
};
constexpr RunLabel kTexte004[] = { { -40, 0, " v = 0.04°C/s " } };

constexpr RunPiece kStuecke5[] = {
    { kOpen, 121, 2 },
    { 121, 133, 1, true, true, 0, 0, 47 },
    { 133, 190, 1, true, true, 93, 4.2, -129 },
};
constexpr RunMarker kMarken5[] = {
    { 120, -6, -4, 0, 2, clBlack },
    { 126, -8, -5, -2, 1, clBlack },
    { 136, -3, -5, 3, 1, clWhite },
};
constexpr RunLabel kTexte5[] = { { 0, -20, " v = 5°C/s " } };

constexpr RunPiece kStuecke40[] = {
    { kOpen, 77, 3 },
    { 77, 84, 2, false, true, 0, 0, 63 },
    { 84, 150, 2, false, true, 93, 3.35, 84 },
};
constexpr RunMarker kMarken40[] = {
    { 80, -9, -8, -3, -2, clBlack },
    { 96, -7, -14, -1, -8, clWhite },
};
constexpr RunLabel kTexte40[] = { { 5, 7, " v = 40°C/s " } };

constexpr RunPiece kStuecke60[] = {
    { kOpen, 73, 3 },
    { 73, 83, 2, false, true, 0, 0, 81 },
    { 83, 150, 2, false, true, 88, 3.35, 95 },
};
constexpr RunMarker kMarken60[] = {
    { 72, -7, -4, -1, 2, clBlack },
    { 95, -7, -8, -1, -2, clBlack },
    { 119, -7, -8, -1, -2, clWhite },
};
constexpr RunLabel kTexte60[] = { { -30, 12, " v = 60°C/s " } };

constexpr RunPiece kStuecke600[] = {
    { kOpen, 37, 3 },
    { 37, 57, 3, false, true, 93, 3.4, 297 },
    { 57, 100, 3, false, true, 91, 1.8, 249 },
};
constexpr RunMarker kMarken600[] = { { 69, -10, -10, -4, -4, clBlack } };
constexpr RunLabel kTexte600[] = { { -70, 0, " v = 600°C/s " } };

// K, pieces, markers, end when KurveY > PaintBoxLog.Height − this, end labels.
constexpr CoolingRun kLaeufe[] = {
    { 0.0152, kStuecke004, kMarken004, 50, kTexte004 },
    { 3.04, kStuecke5, kMarken5, 50, kTexte5 },
    { 26.6, kStuecke40, kMarken40, 50, kTexte40 },
    { 38, kStuecke60, kMarken60, 30, kTexte60 },
    { 228, kStuecke600, kMarken600, 40, kTexte600 },
};
static_assert(std::size(kLaeufe) == 5);

constexpr TextAt kGleichKasten[] = {
    { 428, 67, " ~ " }, { 442, 63, "Gleichgewicht " }, { 436, 76, " sehr langsame " }, { 442, 90, " Abkühlung " },
};
constexpr RunMarker kGleichMarken[] = {
    { 326, -10, -8, -4, -2, clBlack },
    { 328, -6, -5, 0, 1, clWhite },
};
constexpr TextAt kGleichErgebnis[] = { { 414, 124, " 87 % Perlit " }, { 414, 138, " 13 % Ferrit " } };

constexpr EquilibriumRun kGleichgewicht {
    .K = 0.000361,
    .pen = clPurple,
    .across = { { { 148, 178 }, { 728, 178 } }, { { 148, 184 }, { 728, 184 } } },
    .boxPenSolid = true,
    .box = { 414, 56, 546, 110 },
    .boxTexts = kGleichKasten,
    .markers = kGleichMarken,
    .endLabels = kGleichErgebnis,
};
// clang-format on

} // namespace

const CoolingRun& coolingRun(Rate rate)
{
    return kLaeufe[int(rate)];
}

const EquilibriumRun& equilibriumRun()
{
    return kGleichgewicht;
}

const OverlayRule& overlayRule()
{
    return kOverlay;
}

void drawPicture(TCanvas& c, const DiagramLayout& l, int width, int height)
{
    ztuiso::drawFrame(c, l, width, height);
    drawCurves(c, kZtuKurven);
    drawDarkTexts(c, kZtuTexte);
    drawSteelBox(c, kStahl);
    drawMarkings(c, kLegierungslinie, kMarkierungen);
}

std::span<const char* const> memoErlaeuterung()
{
    return kMemoErlaeuterung;
}

std::span<const char* const> memoT()
{
    return kMemoT;
}

} // namespace wb::ztucon07

namespace wb {

TFormZTUcon07* FormZTUcon07 = nullptr;

namespace {

using namespace ztaztu;

constexpr TColor kHauptFarbe = RGB(0x76, 0x02, 0x86);
constexpr TColor kTabelleFarbe = RGB(0x00, 0x00, 0xFF);

} // namespace

TFormZTUcon07::TFormZTUcon07()
    : TLessonForm(QStringLiteral("FormZTUcon07"),
        { .caption = QStringLiteral("Kontinuierliches Zeit-Temperatur-Umwandlungs-Schaubild für einen unlegierten "
                                    "Stahl mit C =  0.70 % (schematisch) "),
            .status = status::S2,
            .statusHeight = 19 })
{
    // The form description; FormCreate places the rest.
    PaintBoxHaupt.SetColor(kHauptFarbe);
    PaintBoxLog.SetBounds(405, 161, 348, 274);
    PaintBoxLog.Font.SetHeight(-13);
    MemoErlaeuterung.SetColor(kMemoColor);
    // Read-only like every lesson text, so that the text cannot be overwritten for the rest of
    // the session.
    MemoErlaeuterung.SetReadOnly(true);
    MemoErlaeuterung.SetTabStop(false);
    // The lines are longer than the memo is wide, and more than its height holds.
    MemoErlaeuterung.SetScrollBars(ssBoth);
    MemoErlaeuterung.Lines.setTable(ztucon07::memoErlaeuterung());
    MemoErlaeuterung.SetVisible(false);
    MemoT.SetColor(kTabelleFarbe);
    MemoT.SetBordered(false);
    MemoT.Font.SetColor(clWhite);
    // The blanks align the columns: a row that wrapped would no longer be a row of the table.
    MemoT.SetWordWrap(false);
    // The table is wider and taller than its place: scroll bars let the user read all of it.
    MemoT.SetScrollBars(ssBoth);
    MemoT.Lines.setTable(ztucon07::memoT());
    MemoT.SetVisible(false);
}

void TFormZTUcon07::FormCreate()
{
    PaintBoxHaupt.SetBounds(5, 5, 750, 500);
    MemoErlaeuterung.SetBounds(0, 0, 365, 410);
    MemoT.SetBounds(0, 411, 365, 110);
    MemoErlaeuterung.Font.SetHeight(18);
    MemoT.Font.SetHeight(18);
}

void TFormZTUcon07::PaintBoxHauptPaint()
{
    const int w = PaintBoxHaupt.Width(), h = PaintBoxHaupt.Height();
    m_state.Layout = computeLayout(ztuiso::layoutRule(), w, h);
    ztucon07::drawPicture(PaintBoxHaupt.Canvas(), m_state.Layout, w, h);
}

void TFormZTUcon07::PaintBoxLogPaint()
{
    const QRect r = overlayBounds(m_state.Layout, PaintBoxHaupt.BoundsRect(), ztucon07::overlayRule());
    PaintBoxLog.SetBounds(r.left(), r.top(), r.width(), r.height());
}

void TFormZTUcon07::startRun(TTimer& timer, TMenuItem& item, bool showTable)
{
    timer.SetEnabled(true);
    LockRun({ &item });
    if (showTable)
        MemoT.SetVisible(true);
    m_state.restartRun();
    PaintBoxLog.Canvas().MoveTo(0, 0);
}

void TFormZTUcon07::VGleichClick()
{
    // The equilibrium curve belongs to the EKD, not to the table: the table stays as it is.
    startRun(TimerGleich, VGleich, false);
}

void TFormZTUcon07::V004Click()
{
    startRun(Timer004, V004, true);
}

void TFormZTUcon07::V5Click()
{
    startRun(Timer5, V5, true);
}

void TFormZTUcon07::V40Click()
{
    startRun(Timer40, V40, true);
}

void TFormZTUcon07::V60Click()
{
    startRun(Timer60, V60, true);
}

void TFormZTUcon07::V600Click()
{
    startRun(Timer600, V600, true);
}

void TFormZTUcon07::coolingStep(ztucon07::Rate rate, TTimer& timer)
{
    const CoolingRun& run = ztucon07::coolingRun(rate);
    const RunTick tick = coolingTick(run, m_state.KurveX, m_state.KurveY, PaintBoxLog.Height());
    drawCoolingTick(PaintBoxLog.Canvas(), run, tick, m_state.KurveX, m_state.KurveY);
    if (!tick.ended)
        return;
    // The rate's item stays disabled: its curve is on the picture until "Löschen / Neu".
    UnlockRun();
    timer.SetEnabled(false);
}

void TFormZTUcon07::TimerGleichTimer()
{
    const EquilibriumRun& run = ztucon07::equilibriumRun();
    const EquilibriumTick tick
        = equilibriumTick(run, m_state.KurveX, m_state.KurveY, PaintBoxLog.Width(), PaintBoxLog.Height());
    drawEquilibriumTick(PaintBoxHaupt.Canvas(), PaintBoxLog.Canvas(), run, tick);
    if (!tick.ended)
        return;
    UnlockRun();
    TimerGleich.SetEnabled(false);
    drawEquilibriumEnd(PaintBoxHaupt.Canvas(), run);
}

void TFormZTUcon07::Timer004Timer()
{
    coolingStep(ztucon07::Rate::V004, Timer004);
}

void TFormZTUcon07::Timer5Timer()
{
    coolingStep(ztucon07::Rate::V5, Timer5);
}

void TFormZTUcon07::Timer40Timer()
{
    coolingStep(ztucon07::Rate::V40, Timer40);
}

void TFormZTUcon07::Timer60Timer()
{
    coolingStep(ztucon07::Rate::V60, Timer60);
}

void TFormZTUcon07::Timer600Timer()
{
    coolingStep(ztucon07::Rate::V600, Timer600);
}

void TFormZTUcon07::enableRateItems()
{
    for (TMenuItem* item : { &VGleich, &V004, &V5, &V40, &V60, &V600 })
        item->SetEnabled(true);
}

void TFormZTUcon07::NEUClick()
{
    // The lock keeps the mouse from this item during a run; stopping the timers and lifting
    // the lock anyway leaves an idle form however the item is reached.
    StopTimers();
    UnlockRun();
    MemoT.SetVisible(false);
    enableRateItems();
    Refresh();
}

void TFormZTUcon07::TextClick()
{
    ToggleText(MemoErlaeuterung);
}

void TFormZTUcon07::TabelleClick()
{
    MemoT.SetVisible(!MemoT.Visible());
}

void TFormZTUcon07::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle. KurveX
    // and KurveY keep their values; the next run sets them anew.
    MemoT.SetVisible(false);
    enableRateItems();
    UnlockRun();
    MemoErlaeuterung.SetVisible(false);
    StopTimers();
}

} // namespace wb
