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

// n, drop, knee, the isotherm's row on PaintBoxLog (from the hold's drawn temperature), markers,
// end at KurveX, labels.
constexpr IsothermRun kLaeufe[] = {
    { 11, 19, Knee::A, ztuiso::kRowFromSteel, {}, 200, kTexte20 },
    { 7, 13, Knee::A, ztuiso::kRowFromSteel, kMarken330, 220, kTexte330 },
    { 4, 21, Knee::B, ztuiso::kRowFromSteel, kMarken530, 220, kTexte530 },
    { 2, 24, Knee::B, ztuiso::kRowFromSteel, kMarken670, 240, kTexte670 },
};
static_assert(std::size(kLaeufe) == ztuiso::kIsotherms);
// clang-format on

} // namespace

const IsoLesson& lesson()
{
    static const auto laeufe = ztuiso::onHoldRows(kLaeufe, model::c45());
    static const IsoLesson lektion {
        .runs = laeufe,
        .lines = model::c45().isothermal,
        .linesBeforeLabels = 6,
        .curveLabels = kZtuTexte,
        .steelBox
        = { { 184, 212, 324, 267 }, { { 198, 226, " Stahl mit 0.45% C " }, { 196, 240, "  Gleichgewicht " } } },
        .purpleGapLines = kLegierungslinie,
        .markings = kMarkierungen,
        .memoErlaeuterung = kMemoErlaeuterung,
    };
    return lektion;
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
