// The two steels of the time–temperature and heat-treatment lessons, unalloyed with 0.45 % C (C45)
// and with 0.70 % C (C70), in physical units: their transformation temperatures, the lines of their
// ZTA and ZTU diagrams in log time and °C, the cooling rates the lessons run with the structures
// and hardness they give, the isothermal holds, and the end-quench curves of C45. The diagrams are
// schematic, as the lessons show them; each lesson draws them through its own scales.
#pragma once

#include <span>

namespace wb::model {

// --- Time–temperature diagrams -----------------------------------------------------------------

// A point of a time–temperature diagram: the time as the decimal logarithm of seconds (−1 is
// 0.1 s, 5 is 10^5 s), the temperature in °C.
struct TimeTemperature {
    double lgSeconds;
    double celsius;
};

// What a line of a ZTU diagram marks.
enum class TransformationKind {
    MartensiteStart, // Ms; some lines run on from its knee into the start of transformation
    TransformationStart, // the austenite starts to transform (ferrite above the nose, bainite below it)
    PearliteStart, // pearlite starts to form after the ferrite
    BainiteStart, // the start of the bainite field below the ferrite nose
    TransformationEnd, // no austenite is left (after ferrite and pearlite, or after bainite)
    FieldBoundary, // between the fields of two products, without a start or an end of its own
};

// A line of a ZTU diagram: a polyline in log time, its points in the order the lessons draw them.
struct TransformationLine {
    TransformationKind kind;
    std::span<const TimeTemperature> points;
};

// --- Austenitising (ZTA) diagrams --------------------------------------------------------------

// T(lg t) = vertexCelsius + curvature · (lg t − vertexLgSeconds)²: the shape the ZTA lines take
// over the long times, where the austenitising temperatures fall towards equilibrium.
struct LogTimeParabola {
    double vertexLgSeconds;
    double vertexCelsius;
    double curvature; // °C per decade²

    double celsiusAt(double lgSeconds) const;
};

enum class AusteniteKind {
    Ac1b, // austenite starts to form
    Ac1e, // the carbides are dissolved
    Ac3, // the ferrite is gone
    Ac3Ac1e, // both at once, as at 0.45 % C on continuous heating
    Homogeneous, // the carbon is spread evenly through the austenite
};

// A line of a ZTA diagram: points measured at short times (perhaps none), the parabola through
// the long times, and a piece at the longest times where the line levels out (perhaps none).
struct AustenitisingLine {
    AusteniteKind kind;
    std::span<const TimeTemperature> head;
    LogTimeParabola parabola;
    std::span<const TimeTemperature> tail;
};

// --- Cooling and holding -----------------------------------------------------------------------

// The structure after a treatment, in whole percent of the volume.
struct Shares {
    int ferrite = 0;
    int pearlite = 0;
    int bainite = 0;
    int martensite = 0;

    int total() const { return ferrite + pearlite + bainite + martensite; }
    bool operator==(const Shares&) const = default;
};

// A constant-rate cooling from the austenitising temperature, as the continuous ZTU lessons run
// it: the rate they name it by, the rate of the line they draw (a schematic line, steeper than
// the named rate), and the structure and hardness it gives.
struct Cooling {
    double rate; // °C/s
    double drawnRate; // °C/s
    Shares shares;
    int hardnessHV;
};

// A hold after quenching, as the isothermal ZTU lessons run it: the temperature they name, the
// one their isotherm is drawn at, and the structure once the austenite has transformed.
struct IsothermalHold {
    double celsius;
    double drawnCelsius;
    Shares shares;
};

// --- The steels --------------------------------------------------------------------------------

struct LessonSteel {
    double carbon; // % by mass
    double a1; // °C, equilibrium
    double a3; // °C, equilibrium
    double austenitising; // °C, where the cooling runs start on the continuous ZTU diagram

    std::span<const TransformationLine> continuous; // ZTU, continuous cooling
    std::span<const TransformationLine> isothermal; // ZTU, isothermal transformation
    double msContinuous; // °C, the martensite start of each diagram
    double msIsothermal;

    std::span<const AustenitisingLine> continuousHeating; // ZTA, continuous heating

    // The continuous lessons' five rates, slowest first, and the very slow cooling they call
    // equilibrium.
    std::span<const Cooling> coolings;
    Cooling equilibrium;
    std::span<const IsothermalHold> holds; // the isothermal lessons', coldest first
};

const LessonSteel& c45();
const LessonSteel& c70();

// The isothermal ZTA diagram of C45: austenitising at a constant temperature after heating at
// `heatingRate`, at the `holdCelsius` temperatures, coldest first.
struct IsothermalAustenitising {
    double heatingRate; // °C/s
    std::span<const double> holdCelsius;
    std::span<const AustenitisingLine> lines;
};
const IsothermalAustenitising& c45IsothermalAustenitising();

// The structure and hardness after cooling at `rate` °C/s: the lessons' values at their rates,
// between them interpolated linearly in log rate, beyond them the nearest rate's values. Shares
// are rounded to whole percent and still add up to 100.
struct CoolingResult {
    Shares shares;
    int hardnessHV;
};
CoolingResult afterCooling(const LessonSteel& steel, double rate);

// --- Any cooling on the lessons' diagrams ------------------------------------------------------

// The rate of the straight line the continuous diagram draws for a cooling at `rate` °C/s: the
// lessons' drawn rates at their rates, between them interpolated in log rate, beyond them at the
// nearest rate's ratio of drawn to named rate.
double drawnRate(const LessonSteel& steel, double rate);
// The temperature of that straight line from the austenitising temperature at lg t (s).
double coolingLineCelsius(const LessonSteel& steel, double drawnRate, double lgSeconds);

// Whether the straight line drawn at `drawnRate` crosses a line of the continuous diagram of one of
// the kinds above `aboveCelsius` (the Ms lines count only where they rise above Ms).
bool crossesContinuous(
    const LessonSteel& steel, double drawnRate, std::span<const TransformationKind> kinds, double aboveCelsius);

// Where, between two of the lessons' rates, the cooling line leaves a field: the named rate at which
// it no longer crosses the pearlite start (ferrite and pearlite are gone), and the one at which it
// crosses no start of transformation above Ms (martensite only). NaN where the lessons' rates do not
// bracket such a change.
struct CriticalRates {
    double pearliteGone;
    double martensiteOnly;
};
const CriticalRates& criticalRates(const LessonSteel& steel);

// The structure and hardness after cooling at `rate` °C/s through the continuous diagram. At the
// lessons' five rates they are the lessons' tables. Between two of them the cumulative shares (the
// ferrite; ferrite and pearlite; all but martensite), which only fall as the rate rises, move
// linearly in log rate from one table to the next, and a share that runs out does so where the
// cooling line leaves its field (`criticalRates`); below the slowest rate the shares run on to the
// equilibrium's at its rate. The hardness moves between the tables' with the cumulative shares.
// Shares are whole percent that add up to 100.
CoolingResult throughDiagram(const LessonSteel& steel, double rate);

// An isothermal hold on the isothermal diagram: quenched to `celsius`, held `seconds`, then cooled
// to room temperature; what the austenite has not transformed by then becomes martensite.
struct HoldResult {
    Shares shares;
    double startSeconds; // the transformation starts (NaN: no start line at this temperature)
    double finishSeconds; // it is finished (NaN: no end line at this temperature; it runs to 10^5 s)
    int transformedPercent; // of the austenite left after the quench, transformed in the hold
};
HoldResult afterHold(const LessonSteel& steel, double celsius, double seconds);
// The temperature below which the isothermal diagram forms bainite rather than pearlite: where its
// boundary between the two fields leaves the start of transformation.
double bainiteBelow(const LessonSteel& steel);

// --- Hardness scales ---------------------------------------------------------------------------

// Rockwell C for a Vickers hardness as the end-quench chart pairs its two scales (its HV marks on
// the HRC axis), linear between the marks; NaN below 20 HRC, where the Rockwell C scale ends.
double rockwellC(double vickers);

// --- End-quench test of C45 --------------------------------------------------------------------

// Hardness at a distance from the quenched end of an end-quench specimen.
struct DistanceHardness {
    double mm;
    double hrc;
};

// An end-quench hardness curve of specimens tempered at `temperingCelsius` after quenching (20 °C:
// not tempered). Beyond its last point it runs on along another curve or ends there.
struct EndQuenchCurve {
    enum class Then { Ends, CommonTail, MeetsHotterCurve };
    double temperingCelsius;
    std::span<const DistanceHardness> points;
    Then then;
};

// The chart of C45 austenitised at `austenitising` °C: the curves from the hottest tempering
// down to the untempered specimen, and the tail that the curves tempered at 300 to 500 °C share.
struct EndQuenchChart {
    double austenitising;
    std::span<const EndQuenchCurve> curves;
    std::span<const DistanceHardness> commonTail;
};
const EndQuenchChart& c45EndQuench();

// The hardness of curve `index` at `mm`, linear between its points and, beyond its last one, along
// the curve it runs on; NaN beyond the end of a curve that ends.
double endQuenchHRC(const EndQuenchChart& chart, int index, double mm);

} // namespace wb::model
