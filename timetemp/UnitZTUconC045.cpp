// Continuous ZTU diagram of an unalloyed steel with 0.45 % C: the microstructures that different cooling rates produce.
#include "timetemp/UnitZTUconC045.h"

#include "diagrams/SteelCorner.h"
#include "resources/Pictures.h"

#include <iterator>

namespace wb {

TFormZTUcon045* FormZTUcon045 = nullptr;

namespace {

using namespace ztaztu;

// The EKD corner at 0 … 2.2 % C and the ZTU panel from 0.1 s to 10^5 s, both from 0 °C at the
// bottom to 1200 °C in six rows.
constexpr LayoutRule kLayout {
    .ztuLinks = 412, .ztuRechtsRand = 10, .untenRand = 70, .zeilen = 6, .ekdLinks = 50, .ekdRechtsRand = 380
};
// The overlay starts two rows below the panel's top (about 806 °C) and reaches 20 pixels right
// of its frame.
constexpr OverlayRule kOverlay { .topRows = 2, .bottomRows = 0, .extraWidth = 20 };

// clang-format off
constexpr const char* kMemoT[] = {
    " Geschwindigkeit (°C/s)              600     60       15       0.6       0.04",
    " Ferritanteil (%)                                 -         5        20       36           42",
    " Perlitanteil (%)                                 -        50       80       64           58",
    " Bainitanteil (%)                                -        20         -           -             -",
    " Martensitanteil (%)                      100     25          -           -            -",
    " Erzielte Härte HV                        780    390      280     200      190",
    "     ",
};
static_assert(std::size(kMemoT) == 7);

constexpr const char* kMemoErlaeuterung[] = {
    " Die Darstellung zeigt ein ZTU-Schaubild kontinuierlicher Ab-",
    " kühlung am Beispiel eines unlegierten Stahls mit 0.45% C,",
    " in der Kurven unterschiedlicher stetiger Abkühlungsgeschwin-",
    " digkeiten eingetragen sind",
    " (K. Mustermann: Schaubilder zur Wärmebehandlung unlegierter Stähle).",
    "",
    " Die Kurve, die annähernd die Abkühlung unter Gleichgewichts-",
    " bedingungen zeigt, soll den Zusammenhang zwischen EKD",
    " und einem  ZTU-Schaubild wiederspiegeln.",
    "",
    " Kühlt man beispielsweise nach einer durchgeführten Austenit-.",
    " isierung von 800°C mit einer mittleren Geschwindigkeit von ",
    " 0.6°C/s ab, so entsteht ab 720°C zunächst Ferrit. Nach Unter- ",
    " schreitung von 670°C beginnt die Perlitbildung und bei 650°C ",
    " ist die Umwandlung beendet.",
    "",
    " Bei einer Abkühlung mit einer mittleren Geschwindigkeit von ",
    " 60°C/s beginnt die Ferritbildung bei ca. 635°C, bei 580°C be-",
    " ginnt die Perlitbildung und bei 510°C schließt sich die Bildung ",
    " des Bainits (Ferrit mit feinverteilten Karbiden) an. Unterhalb von ",
    " 320°C bildet sich aus dem noch verbliebenen Austenit Martensit.",
    "",
    " Wird von der Austenitisiertemperatur so schnell abgekühlt",
    " (v = 600°C/s), dass für Diffusionsvorgänge keine Zeit verbleibt, ",
    " entsteht unterhalb von  345°C  infolge eines Umklappens  des ",
    " kfz-Gitter in ein tetragonal verspanntes Gitter, indem der Kohlen-",
    " stoff zwangsweise eingelagert ist, Martensit.",
    "  ",
    " ",
};
static_assert(std::size(kMemoErlaeuterung) == 29);

// Step 4: the temperature scales (ZTU panel, then EKD panel), the time axis with its exponents
// and the carbon axis.
constexpr ColoredText kAchsen[] = {
    { 407,   5, "Temperatur/°C", clBlack }, { 379,  16, "1200", clBlack }, { 382,  84, "1000", clBlack },
    { 382, 152, " 800", clBlack },          { 382, 220, " 600", clYellow },    { 382, 288, " 400", clWhite },
    { 382, 356, " 200", clWhite },
    {  45,   5, "Temperatur/°C", clBlack }, {  17,  16, "1200", clBlack }, {  20,  84, "1000", clBlack },
    {  20, 152, " 800", clBlack },          {  20, 220, " 600", clYellow },    {  20, 288, " 400", clWhite },
    {  20, 356, " 200", clWhite },
    { 407, 436, "10", clWhite }, { 423, 430, "-1", clWhite },
    { 461, 436, "1", clWhite },
    { 515, 436, "10", clWhite },
    { 569, 436, "10", clWhite }, { 585, 430, "2", clWhite },
    { 623, 436, "10", clWhite }, { 639, 430, "3", clWhite },
    { 677, 436, "10", clWhite }, { 693, 430, "4", clWhite },
    { 724, 436, "10", clWhite }, { 739, 430, "5", clWhite },
    { 674, 455, "Zeit/sec", clWhite },
    {  45, 436, "0", clWhite },   { 103, 436, "0.4", clWhite }, { 161, 436, "0.8", clWhite },
    { 219, 436, "1.2", clWhite }, { 277, 436, "1.6", clWhite }, { 335, 436, "2.0", clWhite },
    { 161, 455, "Kohlenstoffgehalt/Gew.%", clWhite },
};
static_assert(std::size(kAchsen) == 7 + 7 + 13 + 7);

// Step 6.
constexpr TextAt kEkdTexte[] = {
    {  53, 104, "G" },          { 169, 185, "S" },          { 349,  29, "E" },
    {  57, 168, "P" },          { 331, 189, "723°C" },      { 299,  36, "1147°C" },
    { 160,  90, " Austenit " }, { 270, 110, " Austenit " }, { 270, 124, "+Zementit " },
    {  58, 158, " Austenit " }, {  74, 172, "+ Ferrit " },  {  62, 206, " Ferrit " },
    {  70, 280, " Perlit " },   {  72, 294, "+ Ferrit " },  { 230, 280, " Perlit " },
    { 240, 294, "+ Zementit " }, { 170, 335, "Eutektoid " }, { 170, 348, " Perlit " },
};
static_assert(std::size(kEkdTexte) == 18);

// Step 7, in pixels of (d, T): d the decade position, 0 at 0.1 s.
constexpr TPoint kMs[] = { { 412, 314 }, { 491, 314 }, { 545, 336 } };  // (0, 340) (1.47, 340) (2.47, 276)
constexpr TPoint kKurve1[] = {  // end of transformation: (2.65, 140) (2, 600) (2.02, 610) (2.1, 620) (2.2, 630) (3, 646) (4, 664) (5, 678)
    { 555, 382 }, { 520, 226 }, { 521, 223 }, { 525, 219 }, { 531, 216 }, { 574, 210 }, { 628, 204 }, { 682, 199 },
};
constexpr TPoint kKurve2[] = {  // pearlite start: (1.29, 520) (1.37, 564) (1.4, 578) (1.5, 600) (1.7, 620) (1.85, 636)
                                // (2, 644) (2.02, 648) (2.1, 650) (2.2, 652) (3, 670) (4, 686) (5, 700)
    { 482, 253 }, { 486, 238 }, { 488, 233 }, { 493, 226 }, { 504, 219 }, { 512, 214 }, { 520, 211 },
    { 521, 210 }, { 525, 209 }, { 531, 208 }, { 574, 202 }, { 628, 197 }, { 682, 192 },
};
constexpr TPoint kKurve3[] = {  // upper start curve: (5, 744) (4, 728) (3, 716) (2, 696) (1.8, 688) (1.6, 680) (1.4, 666)
                                // (1.22, 640) (1.17, 628) (1.16, 596) (1.36, 470)
    { 682, 177 }, { 628, 182 }, { 574, 187 }, { 520, 193 }, { 509, 196 }, { 498, 199 }, { 488, 204 },
    { 478, 212 }, { 475, 216 }, { 475, 227 }, { 485, 270 },
};
constexpr TPoint kKurve4[] = {  // bainite boundary: (1.47, 340) (1.32, 400) (1.28, 420) (1.32, 460) (2, 600)
    { 491, 314 }, { 483, 294 }, { 481, 287 }, { 483, 274 }, { 520, 226 },
};
constexpr Curve kZtuKurven[] = { { 2, kMs }, { 2, kKurve1 }, { 2, kKurve2 }, { 2, kKurve3 }, { 2, kKurve4 } };

// Step 8.
constexpr TextAt kZtuTexte[] = {
    { 534, 124, "Austenit" }, { 499, 199, "Ferrit" },    { 487, 233, "Perlit" },
    { 499, 274, "Bainit" },   { 418, 369, "Martensit" }, { 441, 301, "Ms" },
};

// Step 10: the 0.45 % C line from 780 °C down, then A(3) at 780 °C and A(1) at 3.612 rows.
constexpr Segment kLegierungslinie[] = { { { 115, 165 }, { 115, 430 } } };
constexpr Marking kMarkierungen[] = {
    { true, { { 115, 165 }, { 370, 165 } }, { 240, 149, " A(3) = 780°C " } },
    { true, { { 115, 184 }, { 370, 184 } }, { 240, 189, " A(1) = 723°C " } },
};

constexpr PictureScheme kBild {
    .axisLabels = kAchsen,
    .ekdLines = {}, // the steel corner on the EKD panel, filled in at every paint
    .ekdLabels = kEkdTexte,
    .timeCurves = kZtuKurven,
    .timeLabels = kZtuTexte,
    .steelBox = { { 189, 212, 334, 267 }, { { 204, 226, " Stahl mit 0.45% C " }, { 201, 240, "  Gleichgewicht " } } },
    .purpleGapLines = kLegierungslinie,
    .markings = kMarkierungen,
};

// The cooling runs, in the lesson's order of items. Pieces: (above, up to, step, step first,
// sets Y, a, slope, offset) for Y := (X − a) · slope + offset. Markers: X → box offsets, fill.
constexpr RunPiece kStuecke004[] = {
    { kOpen, 238, 2 },
    { 238, kNoEnd, 1 },
};
constexpr RunMarker kMarken004[] = {
    { 236, -8, -6, -2, 0, clBlack },
    { 246, -6, -7, 0, -1, clBlack },
    { 250, -6, -8, 0, -2, clWhite },
};
constexpr RunLabel kTexte004[] = { { -40, 0, " v = 0.04°C/s " }, { -40, 16, " Normalisiert " } };

constexpr RunPiece kStuecke06[] = {
    { kOpen, 168, 2 },
    { 168, 230, 1, true, true, 92, 3.3, -214 },
};
constexpr RunMarker kMarken06[] = {
    { 166, -8, -7, -2, -1, clBlack },
    { 172, -5, -7, 1, -1, clBlack },
    { 176, -6, -12, 0, -6, clWhite },
};
constexpr RunLabel kTexte06[] = { { -20, -20, " v = 0.6°C/s " } };

constexpr RunPiece kStuecke15[] = {
    { kOpen, 100, 3 },
    { 100, 113, 2, false, true, 0, 0, 58 },
    { 113, 170, 2, false, true, 0, 4, -392 },
};
constexpr RunMarker kMarken15[] = {
    { 96, -7, -6, -1, 0, clBlack },
    { 104, -7, -3, -1, 3, clBlack },
    { 118, -7, -12, -1, -5, clWhite },
};
constexpr RunLabel kTexte15[] = { { 5, 7, " v = 15°C/s " } };

constexpr RunPiece kStuecke60[] = {
    { kOpen, 73, 3 },
    { 73, 80, 2, false, true, 0, 0, 81 },
    { 80, 150, 2, false, true, 88, 3.35, 110 },
};
constexpr RunMarker kMarken60[] = {
    { 72, -10, -14, -4, -8, clBlack },
    { 83, -10, -10, -4, -4, clBlack },
    { 91, -8, -16, -2, -10, clBlack },
    { 109, -7, -8, -1, -2, clWhite },
};
constexpr RunLabel kTexte60[] = { { -40, -10, " v = 60°C/s " } };

constexpr RunPiece kStuecke600[] = {
    { kOpen, 44, 3 },
    { 44, 80, 3, false, true, 93, 2.4, 277 },
};
constexpr RunMarker kMarken600[] = { { 51, -9, -13, -3, -7, clBlack } };
constexpr RunLabel kTexte600[] = { { -70, -10, " v = 600°C/s " }, { -70, 7, "   Martensit   " } };

// K, pieces, markers, end when KurveY > PaintBoxLog.Height − this, end labels.
constexpr CoolingRun kLaeufe[] = {
    { 0.0152, kStuecke004, kMarken004, 50, kTexte004 },
    { 0.38, kStuecke06, kMarken06, 50, kTexte06 },
    { 9.12, kStuecke15, kMarken15, 50, kTexte15 },
    { 38, kStuecke60, kMarken60, 30, kTexte60 },
    { 258.4, kStuecke600, kMarken600, 40, kTexte600 },
};
static_assert(std::size(kLaeufe) == 5);

constexpr TextAt kGleichKasten[] = {
    { 442, 67, " ~ " }, { 456, 63, "Gleichgewicht " }, { 450, 76, " sehr langsame " }, { 456, 90, " Abkühlung " },
};
constexpr RunMarker kGleichMarken[] = {
    { 310, -15, -8, -9, -2, clBlack },
    { 328, -6, -5, 0, 1, clWhite },
};
constexpr TextAt kGleichErgebnis[] = { { 427, 124, " 55 % Perlit " }, { 427, 138, " 45 % Ferrit " } };

constexpr EquilibriumRun kGleichgewicht {
    .K = 0.000361,
    .pen = clPurple,
    .across = { { { 115, 165 }, { 740, 165 } }, { { 115, 184 }, { 740, 184 } } },
    .boxPenSolid = false,
    .box = { 427, 56, 563, 110 },
    .boxTexts = kGleichKasten,
    .markers = kGleichMarken,
    .endLabels = kGleichErgebnis,
};
// clang-format on

constexpr TColor kHauptFarbe = RGB(0x76, 0x02, 0x86);
constexpr TColor kTabelleFarbe = RGB(0x00, 0x00, 0xFF);

} // namespace

namespace ztucon045 {

const CoolingRun& coolingRun(Rate rate)
{
    return kLaeufe[int(rate)];
}

const EquilibriumRun& equilibriumRun()
{
    return kGleichgewicht;
}

const LayoutRule& layoutRule()
{
    return kLayout;
}

const OverlayRule& overlayRule()
{
    return kOverlay;
}

} // namespace ztucon045

TFormZTUcon045::TFormZTUcon045()
    : TLessonForm(QStringLiteral("FormZTUcon045"),
        { .caption = QStringLiteral("Kontinuierliches Zeit-Temperatur-Umwandlungs-Schaubild für einen unlegierten "
                                    "Stahl mit C =  0.45 % (schematisch) "),
            .status = status::S2,
            .statusHeight = 19 })
{
    // The form description; FormCreate places the rest.
    PaintBoxHaupt.SetColor(kHauptFarbe);
    PaintBoxLog.SetBounds(417, 161, 348, 274);
    PaintBoxLog.Font.SetHeight(-13);
    ImageMart.SetBounds(400, 424, 161, 105);
    pictures::assignJpeg(ImageMart);
    ImageMart.SetVisible(false);
    ImageNorm.SetBounds(624, 424, 161, 105);
    pictures::assignJpeg(ImageNorm);
    ImageNorm.SetVisible(false);
    MemoErlaeuterung.SetColor(kMemoColor);
    MemoErlaeuterung.SetReadOnly(true);
    // More lines than the memo shows at once: a vertical scroll bar reaches the rest.
    MemoErlaeuterung.SetScrollBars(ssBoth);
    MemoErlaeuterung.Lines.setTable(kMemoErlaeuterung);
    MemoErlaeuterung.SetVisible(false);
    MemoT.SetColor(kTabelleFarbe);
    MemoT.SetBordered(false);
    MemoT.Font.SetColor(clWhite);
    // The blanks align the columns: a row that wrapped would no longer be a row of the table.
    MemoT.SetWordWrap(false);
    // The table is wider and taller than its place: scroll bars let the user read all of it.
    MemoT.SetScrollBars(ssBoth);
    MemoT.Lines.setTable(kMemoT);
    MemoT.SetVisible(false);
}

void TFormZTUcon045::FormCreate()
{
    PaintBoxHaupt.SetBounds(5, 5, 750, 500);
    MemoErlaeuterung.SetBounds(0, 0, 385, 460);
    MemoT.SetBounds(0, 435, 385, 97);
    MemoErlaeuterung.Font.SetHeight(18);
    MemoT.Font.SetHeight(18);
}

void TFormZTUcon045::PaintBoxHauptPaint()
{
    const int w = PaintBoxHaupt.Width(), h = PaintBoxHaupt.Height();
    m_state.Layout = computeLayout(kLayout, w, h);
    const ekd::SteelCorner ecke(m_state.Layout, 0);
    PictureScheme bild = kBild;
    bild.ekdLines = ecke.curves();
    drawStaticPicture(PaintBoxHaupt.Canvas(), m_state.Layout, w, h, bild);
}

void TFormZTUcon045::PaintBoxLogPaint()
{
    const QRect r = overlayBounds(m_state.Layout, PaintBoxHaupt.BoundsRect(), kOverlay);
    PaintBoxLog.SetBounds(r.left(), r.top(), r.width(), r.height());
}

void TFormZTUcon045::startRun(TTimer& timer, TMenuItem& item, bool showTable)
{
    timer.SetEnabled(true);
    LockRun({ &item });
    if (showTable)
        MemoT.SetVisible(true);
    m_state.KurveX = 0;
    m_state.KurveY = 0;
    PaintBoxLog.Canvas().MoveTo(0, 0);
}

void TFormZTUcon045::VGleichClick()
{
    // The equilibrium curve belongs to the EKD, not to the table: the table stays as it is.
    startRun(TimerGleich, VGleich, false);
}

void TFormZTUcon045::V004Click()
{
    startRun(Timer004, V004, true);
}

void TFormZTUcon045::V06Click()
{
    startRun(Timer06, V06, true);
}

void TFormZTUcon045::V15Click()
{
    startRun(Timer20, V15, true);
}

void TFormZTUcon045::V60Click()
{
    startRun(Timer60, V60, true);
}

void TFormZTUcon045::V600Click()
{
    startRun(Timer600, V600, true);
}

void TFormZTUcon045::coolingStep(ztucon045::Rate rate, TTimer& timer, TImage* picture)
{
    const CoolingRun& run = kLaeufe[int(rate)];
    const RunTick tick = coolingTick(run, m_state.KurveX, m_state.KurveY, PaintBoxLog.Height());
    drawCoolingTick(PaintBoxLog.Canvas(), run, tick, m_state.KurveX, m_state.KurveY);
    if (!tick.ended)
        return;
    if (picture)
        picture->SetVisible(true);
    // The rate's item stays disabled: its curve is on the picture until "Löschen / Neu".
    UnlockRun();
    timer.SetEnabled(false);
}

void TFormZTUcon045::TimerGleichTimer()
{
    const EquilibriumTick tick
        = equilibriumTick(kGleichgewicht, m_state.KurveX, m_state.KurveY, PaintBoxLog.Width(), PaintBoxLog.Height());
    drawEquilibriumTick(PaintBoxHaupt.Canvas(), PaintBoxLog.Canvas(), kGleichgewicht, tick);
    if (!tick.ended)
        return;
    UnlockRun();
    TimerGleich.SetEnabled(false);
    drawEquilibriumEnd(PaintBoxHaupt.Canvas(), kGleichgewicht);
}

void TFormZTUcon045::Timer004Timer()
{
    coolingStep(ztucon045::Rate::V004, Timer004, &ImageNorm);
}

void TFormZTUcon045::Timer06Timer()
{
    coolingStep(ztucon045::Rate::V06, Timer06, nullptr);
}

void TFormZTUcon045::Timer20Timer()
{
    coolingStep(ztucon045::Rate::V15, Timer20, nullptr);
}

void TFormZTUcon045::Timer60Timer()
{
    coolingStep(ztucon045::Rate::V60, Timer60, nullptr);
}

void TFormZTUcon045::Timer600Timer()
{
    coolingStep(ztucon045::Rate::V600, Timer600, &ImageMart);
}

void TFormZTUcon045::enableRateItems()
{
    for (TMenuItem* item : { &VGleich, &V004, &V06, &V15, &V60, &V600 })
        item->SetEnabled(true);
}

void TFormZTUcon045::NEUClick()
{
    // The lock keeps the mouse from this item during a run; stopping the timers and lifting
    // the lock anyway leaves an idle form however the item is reached.
    StopTimers();
    UnlockRun();
    MemoT.SetVisible(false);
    enableRateItems();
    ImageMart.SetVisible(false);
    ImageNorm.SetVisible(false);
    Refresh();
}

void TFormZTUcon045::TextClick()
{
    ToggleText(MemoErlaeuterung);
}

void TFormZTUcon045::TabelleClick()
{
    MemoT.SetVisible(!MemoT.Visible());
}

void TFormZTUcon045::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle. KurveX
    // and KurveY keep their values; the next run sets them anew.
    MemoT.SetVisible(false);
    enableRateItems();
    UnlockRun();
    ImageMart.SetVisible(false);
    ImageNorm.SetVisible(false);
    MemoErlaeuterung.SetVisible(false);
    StopTimers();
}

} // namespace wb
