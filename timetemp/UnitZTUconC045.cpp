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

// Step 7 draws the steel's lines from the model.

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
    .timeLines = {},
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

constexpr TextAt kGleichKasten[] = {
    { 442, 67, " ~ " }, { 456, 63, "Gleichgewicht " }, { 450, 76, " sehr langsame " }, { 456, 90, " Abkühlung " },
};
constexpr RunMarker kGleichMarken[] = {
    { 310, -15, -8, -9, -2, clBlack },
    { 328, -6, -5, 0, 1, clWhite },
};
constexpr TextAt kGleichErgebnis[] = { { 427, 124, " 55 % Perlit " }, { 427, 138, " 45 % Ferrit " } };

// Curve factor (the steel's), pieces, markers, end when KurveY > PaintBoxLog.Height − this, end
// labels.
constexpr CoolingRun kLaeufe[] = {
    { ztucon::kFromSteel, kStuecke004, kMarken004, 50, kTexte004 },
    { ztucon::kFromSteel, kStuecke06, kMarken06, 50, kTexte06 },
    { ztucon::kFromSteel, kStuecke15, kMarken15, 50, kTexte15 },
    { ztucon::kFromSteel, kStuecke60, kMarken60, 30, kTexte60 },
    { ztucon::kFromSteel, kStuecke600, kMarken600, 40, kTexte600 },
};
static_assert(std::size(kLaeufe) == ztucon::kRates);

constexpr EquilibriumRun kGleichgewicht {
    .K = ztucon::kFromSteel,
    .pen = clPurple,
    .across = { { { 115, 165 }, { 740, 165 } }, { { 115, 184 }, { 740, 184 } } },
    .boxPenSolid = false,
    .box = { 427, 56, 563, 110 },
    .boxTexts = kGleichKasten,
    .markers = kGleichMarken,
    .endLabels = kGleichErgebnis,
};
// clang-format on

void drawPicture(TCanvas& c, const DiagramLayout& l, int width, int height)
{
    const ekd::SteelCorner ecke(l, 0);
    PictureScheme scheme = kBild;
    scheme.ekdLines = ecke.curves();
    scheme.timeLines = model::c45().continuous;
    drawStaticPicture(c, l, width, height, scheme);
}

} // namespace

namespace ztucon045 {

const CoolingRun& coolingRun(Rate rate)
{
    return lesson().runs[size_t(rate)];
}

const EquilibriumRun& equilibriumRun()
{
    return *lesson().equilibrium;
}

const ztucon::Lesson& lesson()
{
    static const auto laeufe = ztucon::withFactors(kLaeufe, model::c45());
    static const EquilibriumRun gleichgewicht = ztucon::withFactor(kGleichgewicht, model::c45());
    static const ztucon::Lesson lesson {
        .steel = &model::c45(),
        .layout = &kLayout,
        .drawPicture = drawPicture,
        .runs = laeufe,
        .equilibrium = &gleichgewicht,
        .logBounds = QRect(417, 161, 348, 274),
        .memoBounds = QRect(0, 0, 385, 460),
        .tableBounds = QRect(0, 435, 385, 97),
        .memoTabStop = true,
        .memo = kMemoErlaeuterung,
        .table = kMemoT,
    };
    return lesson;
}

} // namespace ztucon045

TFormZTUcon045::TFormZTUcon045()
    : TZtuConForm(QStringLiteral("FormZTUcon045"),
        QStringLiteral("Kontinuierliches Zeit-Temperatur-Umwandlungs-Schaubild für einen unlegierten "
                       "Stahl mit C =  0.45 % (schematisch) "),
        ztucon045::lesson())
{
    setUp({ .PaintBoxHaupt = &PaintBoxHaupt,
        .PaintBoxLog = &PaintBoxLog,
        .MemoErlaeuterung = &MemoErlaeuterung,
        .MemoT = &MemoT,
        .TimerGleich = &TimerGleich,
        .VGleich = &VGleich,
        .timers = { &Timer004, &Timer06, &Timer20, &Timer60, &Timer600 },
        .items = { &V004, &V06, &V15, &V60, &V600 },
        // The slowest rate ends in the normalised structure, the fastest in martensite.
        .pictures = { &ImageNorm, nullptr, nullptr, nullptr, &ImageMart } });
    ImageMart.SetBounds(400, 424, 161, 105);
    pictures::assignJpeg(ImageMart);
    ImageMart.SetVisible(false);
    ImageNorm.SetBounds(624, 424, 161, 105);
    pictures::assignJpeg(ImageNorm);
    ImageNorm.SetVisible(false);
}

void TFormZTUcon045::V06Click()
{
    startRate(1);
}

void TFormZTUcon045::V15Click()
{
    startRate(2);
}

void TFormZTUcon045::Timer06Timer()
{
    rateStep(1);
}

void TFormZTUcon045::Timer20Timer()
{
    rateStep(2);
}

} // namespace wb
