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

constexpr TextAt kZtuTexte[] = {
    { 518, 124, "Austenit" }, { 456, 184, "Ferrit" },    { 450, 219, "Perlit" },
    { 520, 301, "Bainit" },   { 422, 389, "Martensit" }, { 428, 337, "Ms" },
};

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

// n, drop, knee, the isotherm's row on PaintBoxLog (from the hold's drawn temperature), markers,
// end at KurveX, labels. The 670 °C isotherm ends at 220 here, 20 ticks before that of 0.45 % C.
constexpr IsothermRun kLaeufe[] = {
    { 11, 19, Knee::A, ztuiso::kRowFromSteel, {}, 200, kTexte20 },
    { 7, 13, Knee::A, ztuiso::kRowFromSteel, kMarken330, 220, kTexte330 },
    { 4, 21, Knee::B, ztuiso::kRowFromSteel, kMarken530, 220, kTexte530 },
    { 2, 24, Knee::B, ztuiso::kRowFromSteel, kMarken670, 220, kTexte670 },
};
static_assert(std::size(kLaeufe) == ztuiso::kIsotherms);
// clang-format on

} // namespace

const IsoLesson& lesson()
{
    static const auto laeufe = ztuiso::onHoldRows(kLaeufe, model::c70());
    static const IsoLesson lektion {
        .runs = laeufe,
        .lines = model::c70().isothermal,
        .linesBeforeLabels = 4,
        .curveLabels = kZtuTexte,
        .steelBox
        = { { 184, 212, 324, 267 }, { { 198, 226, " Stahl mit 0.7% C " }, { 196, 240, "  Gleichgewicht " } } },
        .purpleGapLines = kLegierungslinien,
        .markings = kMarkierungen,
        .memoErlaeuterung = kMemoErlaeuterung,
    };
    return lektion;
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
