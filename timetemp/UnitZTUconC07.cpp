// Continuous ZTU diagram of an unalloyed steel with 0.70 % C: the microstructures that different cooling rates produce.
#include "timetemp/UnitZTUconC07.h"

#include "diagrams/SteelCorner.h"
#include "timetemp/ZtuIsoDiagram.h"

#include <iterator>

namespace wb::ztucon07 {

namespace {

using namespace ztaztu;

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

constexpr TextAt kGleichKasten[] = {
    { 428, 67, " ~ " }, { 442, 63, "Gleichgewicht " }, { 436, 76, " sehr langsame " }, { 442, 90, " Abkühlung " },
};
constexpr RunMarker kGleichMarken[] = {
    { 326, -10, -8, -4, -2, clBlack },
    { 328, -6, -5, 0, 1, clWhite },
};
constexpr TextAt kGleichErgebnis[] = { { 414, 124, " 87 % Perlit " }, { 414, 138, " 13 % Ferrit " } };

// Curve factor (the steel's), pieces, markers, end when KurveY > PaintBoxLog.Height − this, end
// labels.
constexpr CoolingRun kLaeufe[] = {
    { ztucon::kFromSteel, kStuecke004, kMarken004, 50, kTexte004 },
    { ztucon::kFromSteel, kStuecke5, kMarken5, 50, kTexte5 },
    { ztucon::kFromSteel, kStuecke40, kMarken40, 50, kTexte40 },
    { ztucon::kFromSteel, kStuecke60, kMarken60, 30, kTexte60 },
    { ztucon::kFromSteel, kStuecke600, kMarken600, 40, kTexte600 },
};
static_assert(std::size(kLaeufe) == ztucon::kRates);

constexpr EquilibriumRun kGleichgewicht {
    .K = ztucon::kFromSteel,
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

void drawPicture(TCanvas& c, const DiagramLayout& l, int width, int height)
{
    const ekd::SteelCorner ecke(l, 0);
    const PictureScheme scheme {
        .axisLabels = ztuiso::axisLabels(),
        .ekdLines = ecke.curves(),
        .ekdLabels = ztuiso::ekdLabels(),
        .timeLines = model::c70().continuous,
        .timeLabels = kZtuTexte,
        .steelBox = kStahl,
        .purpleGapLines = kLegierungslinie,
        .markings = kMarkierungen,
    };
    drawStaticPicture(c, l, width, height, scheme);
}

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
    static const auto laeufe = ztucon::withFactors(kLaeufe, model::c70());
    static const EquilibriumRun gleichgewicht = ztucon::withFactor(kGleichgewicht, model::c70());
    static const ztucon::Lesson lesson {
        .steel = &model::c70(),
        .layout = &ztuiso::layoutRule(),
        .drawPicture = drawPicture,
        .runs = laeufe,
        .equilibrium = &gleichgewicht,
        .logBounds = QRect(405, 161, 348, 274),
        .memoBounds = QRect(0, 0, 365, 410),
        .tableBounds = QRect(0, 411, 365, 110),
        .memoTabStop = false,
        .memo = kMemoErlaeuterung,
        .table = kMemoT,
    };
    return lesson;
}

} // namespace wb::ztucon07

namespace wb {

TFormZTUcon07* FormZTUcon07 = nullptr;

TFormZTUcon07::TFormZTUcon07()
    : TZtuConForm(QStringLiteral("FormZTUcon07"),
        QStringLiteral("Kontinuierliches Zeit-Temperatur-Umwandlungs-Schaubild für einen unlegierten "
                       "Stahl mit C =  0.70 % (schematisch) "),
        ztucon07::lesson())
{
    setUp({ .PaintBoxHaupt = &PaintBoxHaupt,
        .PaintBoxLog = &PaintBoxLog,
        .MemoErlaeuterung = &MemoErlaeuterung,
        .MemoT = &MemoT,
        .TimerGleich = &TimerGleich,
        .VGleich = &VGleich,
        .timers = { &Timer004, &Timer5, &Timer40, &Timer60, &Timer600 },
        .items = { &V004, &V5, &V40, &V60, &V600 },
        .pictures = {} });
}

void TFormZTUcon07::V5Click()
{
    startRate(1);
}

void TFormZTUcon07::V40Click()
{
    startRate(2);
}

void TFormZTUcon07::Timer5Timer()
{
    rateStep(1);
}

void TFormZTUcon07::Timer40Timer()
{
    rateStep(2);
}

} // namespace wb
