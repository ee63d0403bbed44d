// The two lesson steels in physical units. Unless a comment says otherwise, the values were read
// off the schematic diagrams of the atlas the lessons cite (their memo texts name it) and are
// what the lessons draw.
#include "model/LessonSteels.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <iterator>
#include <limits>
#include <vector>

namespace wb::model {

double LogTimeParabola::celsiusAt(double lgSeconds) const
{
    const double d = lgSeconds - vertexLgSeconds;
    return vertexCelsius + curvature * d * d;
}

namespace {

using Kind = TransformationKind;

constexpr double kA1 = 723; // both steels: the eutectoid line of the iron–carbon diagram
// The cooling runs start at the top of the continuous diagrams' curve area, two rows of 200 °C
// below 1200 °C on rows of 68 pixels: (430 − 156) / 0.34.
constexpr double kAustenitising = 805.9;

// --- C45 ---------------------------------------------------------------------------------------

constexpr double kMsC45 = 340; // continuous cooling; the lesson's text says "unterhalb von 345°C"
constexpr double kMsC45Iso = 350;

// clang-format off
// Continuous cooling, (lg t / s, °C).
constexpr TimeTemperature kC45Ms[] = { { -1, kMsC45 }, { 0.47, kMsC45 }, { 1.47, 276 } };
constexpr TimeTemperature kC45Ende[] = {
    { 1.65, 140 }, { 1, 600 }, { 1.02, 610 }, { 1.1, 620 }, { 1.2, 630 }, { 2, 646 }, { 3, 664 }, { 4, 678 },
};
constexpr TimeTemperature kC45Perlit[] = {
    { 0.29, 520 }, { 0.37, 564 }, { 0.4, 578 }, { 0.5, 600 }, { 0.7, 620 }, { 0.85, 636 }, { 1, 644 },
    { 1.02, 648 }, { 1.1, 650 }, { 1.2, 652 }, { 2, 670 }, { 3, 686 }, { 4, 700 },
};
// From the long times down to the ferrite nose, then below it along the bainite field.
constexpr TimeTemperature kC45Beginn[] = {
    { 4, 744 }, { 3, 728 }, { 2, 716 }, { 1, 696 }, { 0.8, 688 }, { 0.6, 680 }, { 0.4, 666 },
    { 0.22, 640 }, { 0.17, 628 }, { 0.16, 596 }, { 0.36, 470 },
};
// From the knee of the Ms line up to the end of transformation.
constexpr TimeTemperature kC45Bainit[] = { { 0.47, kMsC45 }, { 0.32, 400 }, { 0.28, 420 }, { 0.32, 460 }, { 1, 600 } };
constexpr TransformationLine kC45Kontinuierlich[] = {
    { Kind::MartensiteStart, kC45Ms },
    { Kind::TransformationEnd, kC45Ende },
    { Kind::PearliteStart, kC45Perlit },
    { Kind::TransformationStart, kC45Beginn },
    { Kind::BainiteStart, kC45Bainit },
};

// Isothermal transformation.
constexpr TimeTemperature kC45IsoMsBeginn[] = {
    { -1, kMsC45Iso }, { 0.6, kMsC45Iso }, { 0.36, 400 }, { 0.05, 500 }, { 0, 550 }, { 0.12, 600 }, { 0.4, 646 },
    { 0.6, 666 }, { 0.8, 684 }, { 1, 696 }, { 2, 736 }, { 3, 752 }, { 4, 766 },
};
constexpr TimeTemperature kC45IsoPerlit[] = {
    { 0.33, 500 }, { 0.25, 530 }, { 0.25, 550 }, { 0.32, 570 }, { 0.47, 600 }, { 0.6, 620 }, { 1, 650 },
    { 2, 692 }, { 3, 712 }, { 4, 726 },
};
constexpr TimeTemperature kC45IsoEnde[] = {
    { 4, 692 }, { 3, 670 }, { 2, 648 }, { 1, 600 }, { 0.85, 580 }, { 0.82, 570 }, { 0.79, 560 }, { 0.77, 550 },
    { 0.85, 520 }, { 1.05, 472 },
};
constexpr TimeTemperature kC45IsoGrenze[] = { { 0.16, 476 }, { 0.33, 500 }, { 0.53, 484 }, { 0.8, 476 }, { 1.05, 472 } };
constexpr TimeTemperature kC45IsoUnterMs[] = {
    { 4, 210 }, { 3, 228 }, { 2, 260 }, { 1, 310 }, { 0.8, 324 }, { 0.7, 332 }, { 0.6, kMsC45Iso },
};
constexpr TimeTemperature kC45IsoBainitEnde[] = {
    { 4, 288 }, { 3, 302 }, { 2.5, 316 }, { 2, 336 }, { 1.65, 360 }, { 1.3, 400 }, { 1.16, 420 }, { 1.1, 454 },
    { 1.05, 472 },
};
constexpr TransformationLine kC45Isotherm[] = {
    { Kind::MartensiteStart, kC45IsoMsBeginn },
    { Kind::PearliteStart, kC45IsoPerlit },
    { Kind::TransformationEnd, kC45IsoEnde },
    { Kind::FieldBoundary, kC45IsoGrenze },
    { Kind::TransformationStart, kC45IsoUnterMs },
    { Kind::TransformationEnd, kC45IsoBainitEnde },
};

// Continuous heating. The parabolas were fitted to the lines the lesson draws, to the digits that
// keep every pixel of them and their height within a thousandth of a pixel.
constexpr AustenitisingLine kC45Erwaermung[] = {
    { AusteniteKind::Ac1b, {}, { 3.8519, 715.79, 3.8368 }, {} },
    { AusteniteKind::Ac3Ac1e, {}, { 3.35185, 781.579, 5.37158 }, {} },
    { AusteniteKind::Homogeneous, {}, { 3.35185, 810.526, 28.3926 }, {} },
};

// Isothermal austenitising: points measured at short times, the parabola (fitted as above), and
// the level pieces at the longest times.
constexpr TimeTemperature kC45Ac1bKopf[] = { { -1, 814 }, { -0.8, 810 }, { -0.6, 802 }, { -0.4, 800 } };
constexpr TimeTemperature kC45Ac1eKopf[] = { { -1, 850 }, { -0.8, 848 }, { -0.4, 836 } };
constexpr TimeTemperature kC45Ac3Kopf[] = { { -1, 920 }, { -0.6, 918 }, { -0.4, 914 }, { -0.2, 906 }, { 0, 898 } };
constexpr TimeTemperature kC45Ac3Ende[] = { { 4.31, 784 }, { 4.9, 784 } };
constexpr TimeTemperature kC45HomoEnde[] = { { 4.31, 798 }, { 4.9, 792 } };
constexpr AustenitisingLine kC45IsoErwaermung[] = {
    { AusteniteKind::Ac1b, kC45Ac1bKopf, { 4.37037, 721.053, 3.22295 }, {} },
    { AusteniteKind::Ac1e, kC45Ac1eKopf, { 4.37037, 757.8947, 3.453158 }, {} },
    { AusteniteKind::Ac3, kC45Ac3Kopf, { 5.94444, 776.316, 3.45316 }, kC45Ac3Ende },
    { AusteniteKind::Homogeneous, {}, { 4.8333333, 792.10526, 13.812632 }, kC45HomoEnde },
};
constexpr double kC45IsoHalten[] = { 800, 850, 900 };

// The rates of the continuous lesson with its table of structures and hardness. The drawn rate is
// the slope of the lesson's straight cooling line: its curve factor (pixels at 1 s) over 0.34
// pixels per °C.
constexpr Cooling kC45Abkuehlungen[] = {
    { 0.04, 0.0447058823529412, { .ferrite = 42, .pearlite = 58 }, 190 },
    { 0.6, 1.11764705882353, { .ferrite = 36, .pearlite = 64 }, 200 },
    { 15, 26.8235294117647, { .ferrite = 20, .pearlite = 80 }, 280 },
    { 60, 111.764705882353, { .ferrite = 5, .pearlite = 50, .bainite = 20, .martensite = 25 }, 390 },
    { 600, 760, { .martensite = 100 }, 780 },
};
// Ferrite and pearlite by the lever rule between 0.02 and 0.8 % C: (0.45 − 0.02) / 0.78 = 55 %.
// No hardness is given for it.
constexpr Cooling kC45Gleichgewicht { 0.001, 0.00106176470588235, { .ferrite = 45, .pearlite = 55 }, 0 };

// The isotherms of the isothermal lesson, drawn at the temperatures of their pixel rows.
constexpr IsothermalHold kC45Halten[] = {
    { 20, 20, { .martensite = 100 } },
    { 330, 332, { .bainite = 70, .martensite = 30 } },
    { 530, 526, { .ferrite = 5, .pearlite = 95 } },
    { 670, 668, { .ferrite = 20, .pearlite = 80 } },
};

// --- C70 ---------------------------------------------------------------------------------------

constexpr double kMsC70 = 230; // both diagrams; the lesson's text says "unterhalb von 210°C"

// Continuous cooling.
constexpr TimeTemperature kC70MsBeginn[] = {
    { -1, kMsC70 }, { 0.75, kMsC70 }, { 0.15, 500 }, { 0.13, 520 }, { 0.11, 540 }, { 0.12, 560 }, { 0.15, 580 },
    { 0.2, 600 }, { 0.25, 616 }, { 0.32, 632 }, { 0.42, 650 }, { 0.6, 668 }, { 1.16, 684 },
};
constexpr TimeTemperature kC70Fortsetzung[] = { { 1.16, 684 }, { 4, 726 } };
constexpr TimeTemperature kC70Perlit[] = { { 0.6, 664 }, { 4, 712 } };
constexpr TimeTemperature kC70Ende[] = {
    { 4, 700 }, { 1.4, 660 }, { 1.25, 656 }, { 1.1, 650 }, { 0.95, 644 }, { 0.8, 630 }, { 0.75, 616 },
    { 0.72, 600 }, { 0.68, 580 }, { 0.68, 560 }, { 0.74, 512 }, { 1.5, 100 },
};
constexpr TimeTemperature kC70Verbindung[] = { { 0.26, 460 }, { 0.76, 500 } };
// A short piece rising from the Ms line into the bainite field.
constexpr TimeTemperature kC70MsKurz[] = { { 1.2, 260 }, { 0.68, kMsC70 } };
constexpr TransformationLine kC70Kontinuierlich[] = {
    { Kind::MartensiteStart, kC70MsBeginn },
    { Kind::TransformationStart, kC70Fortsetzung },
    { Kind::PearliteStart, kC70Perlit },
    { Kind::TransformationEnd, kC70Ende },
    { Kind::FieldBoundary, kC70Verbindung },
    { Kind::FieldBoundary, kC70MsKurz },
};

// Isothermal transformation.
constexpr TimeTemperature kC70IsoMsBeginn[] = {
    { -1, kMsC70 }, { 2.45, kMsC70 }, { 1.3, 335 }, { 0.48, 400 }, { 0.28, 420 }, { 0, 460 }, { -0.14, 488 },
    { -0.24, 530 }, { -0.22, 560 }, { -0.16, 600 }, { -0.08, 620 }, { 0, 636 }, { 0.2, 670 }, { 0.27, 676 },
    { 0.4, 688 }, { 1, 718 }, { 2, 732 }, { 3, 744 }, { 4, 750 },
};
constexpr TimeTemperature kC70IsoPerlit[] = {
    { 0, 636 }, { 0.26, 664 }, { 0.3, 664 }, { 0.44, 680 }, { 1.05, 710 }, { 2, 724 }, { 3, 732 }, { 4, 740 },
};
constexpr TimeTemperature kC70IsoEnde[] = {
    { 4, 220 }, { 3.5, 240 }, { 3, 270 }, { 1.85, 380 }, { 1.82, 394 }, { 1.5, 400 }, { 1.2, 410 }, { 1, 420 },
    { 0.7, 450 }, { 0.5, 480 }, { 0.32, 530 }, { 0.41, 580 }, { 0.5, 600 }, { 0.67, 620 }, { 1, 650 },
    { 1.28, 670 }, { 2, 700 }, { 3, 720 }, { 4, 730 },
};
constexpr TimeTemperature kC70IsoGrenze[] = { { 1.4, 400 }, { 0.7, 420 }, { 0.4, 432 }, { 0, 460 } };
constexpr TimeTemperature kC70IsoUnterMs[] = { { 2.45, kMsC70 }, { 3, 200 }, { 3.5, 180 }, { 4, 166 } };
constexpr TransformationLine kC70Isotherm[] = {
    { Kind::MartensiteStart, kC70IsoMsBeginn },
    { Kind::PearliteStart, kC70IsoPerlit },
    { Kind::TransformationEnd, kC70IsoEnde },
    { Kind::FieldBoundary, kC70IsoGrenze },
    { Kind::TransformationStart, kC70IsoUnterMs },
};

// Continuous heating: A(c1e) lies well above A(c3) at this carbon content.
constexpr AustenitisingLine kC70Erwaermung[] = {
    { AusteniteKind::Ac1b, {}, { 4.0, 715.79, 4.6042 }, {} },
    { AusteniteKind::Ac3, {}, { 4.0, 742.105, 5.37158 }, {} },
    { AusteniteKind::Ac1e, {}, { 4.1852, 852.63, 3.8368 }, {} },
    { AusteniteKind::Homogeneous, {}, { 4.37037, 889.474, 15.3474 }, {} },
};

constexpr Cooling kC70Abkuehlungen[] = {
    { 0.04, 0.0447058823529412, { .ferrite = 10, .pearlite = 90 }, 230 },
    { 5, 8.94117647058824, { .ferrite = 3, .pearlite = 97 }, 280 },
    { 40, 78.2352941176471, { .pearlite = 100 }, 370 },
    { 60, 111.764705882353, { .pearlite = 80, .bainite = 20 }, 440 },
    { 600, 670.588235294118, { .martensite = 100 }, 900 },
};
// The lever rule: (0.70 − 0.02) / 0.78 = 87 % pearlite.
constexpr Cooling kC70Gleichgewicht { 0.001, 0.00106176470588235, { .ferrite = 13, .pearlite = 87 }, 0 };

constexpr IsothermalHold kC70Halten[] = {
    { 20, 20, { .martensite = 100 } },
    { 330, 332, { .bainite = 100 } },
    { 530, 526, { .pearlite = 100 } },
    { 670, 668, { .ferrite = 5, .pearlite = 95 } },
};
// clang-format on

constexpr LessonSteel kC45 {
    .carbon = 0.45,
    .a1 = kA1,
    .a3 = 780,
    .austenitising = kAustenitising,
    .continuous = kC45Kontinuierlich,
    .isothermal = kC45Isotherm,
    .msContinuous = kMsC45,
    .msIsothermal = kMsC45Iso,
    .continuousHeating = kC45Erwaermung,
    .coolings = kC45Abkuehlungen,
    .equilibrium = kC45Gleichgewicht,
    .holds = kC45Halten,
};

constexpr LessonSteel kC70 {
    .carbon = 0.70,
    .a1 = kA1,
    .a3 = 745,
    .austenitising = kAustenitising,
    .continuous = kC70Kontinuierlich,
    .isothermal = kC70Isotherm,
    .msContinuous = kMsC70,
    .msIsothermal = kMsC70,
    .continuousHeating = kC70Erwaermung,
    .coolings = kC70Abkuehlungen,
    .equilibrium = kC70Gleichgewicht,
    .holds = kC70Halten,
};

constexpr IsothermalAustenitising kC45IsoAustenitisierung { 130, kC45IsoHalten, kC45IsoErwaermung };

// --- End-quench curves of C45 --------------------------------------------------------------------

// clang-format off
// Hardness in HRC, read to a tenth.
constexpr DistanceHardness kAuslauf[] = {
    { 21, 28.0 }, { 26, 27.3 }, { 31, 26.1 }, { 33, 25.5 }, { 35, 24.8 }, { 38, 23.9 }, { 41, 22.9 },
    { 51, 20.8 }, { 61, 19.7 }, { 71, 18.9 }, { 81, 18.3 },
};
constexpr DistanceHardness k650[] = {
    { 2, 22.3 }, { 3, 23.0 }, { 4, 23.0 }, { 5, 22.9 }, { 15, 21.5 }, { 25, 19.5 }, { 35, 18.0 }, { 45, 17.0 },
    { 55, 16.4 }, { 65, 15.8 }, { 80, 15.3 },
};
constexpr DistanceHardness k600[] = {
    { 2, 26.8 }, { 3, 27.6 }, { 4, 27.6 }, { 5, 27.4 }, { 15, 26.1 }, { 25, 23.8 }, { 35, 21.8 }, { 45, 19.7 },
    { 55, 18.5 }, { 65, 17.4 }, { 80, 16.7 },
};
constexpr DistanceHardness k500[] = {
    { 2, 33.3 }, { 2.5, 34.8 }, { 3, 35.6 }, { 3.5, 35.9 }, { 4, 35.6 }, { 4.5, 34.8 }, { 5, 33.6 },
    { 5.5, 32.9 }, { 6, 32.1 }, { 7, 31.2 }, { 8, 30.6 }, { 9, 30.2 }, { 10, 29.8 }, { 11, 29.5 },
};
constexpr DistanceHardness k400[] = {
    { 2, 42.4 }, { 2.5, 43.9 }, { 3, 44.2 }, { 3.5, 44.1 }, { 4, 43.5 }, { 4.5, 42.6 }, { 5, 40.9 },
    { 5.5, 39.4 }, { 6, 37.9 }, { 7, 34.8 }, { 8, 33.3 }, { 9, 32.1 }, { 10, 31.4 }, { 11, 30.9 },
};
constexpr DistanceHardness k300[] = {
    { 2, 50.8 }, { 2.5, 52.3 }, { 3, 52.6 }, { 3.5, 52.7 }, { 4, 52.3 }, { 4.5, 50.9 }, { 5, 48.5 },
    { 5.5, 45.5 }, { 6, 40.9 }, { 7, 36.4 }, { 8, 34.1 }, { 9, 32.1 }, { 10, 31.4 }, { 11, 30.9 },
};
// Its last point lies on the 300 °C curve.
constexpr DistanceHardness k200[] = {
    { 2, 54.5 }, { 2.5, 55.3 }, { 3, 55.6 }, { 3.5, 55.3 }, { 4, 54.5 }, { 4.5, 51.5 }, { 5, 48.5 },
};
// Not tempered; its last point lies on the 200 °C curve.
constexpr DistanceHardness k20[] = {
    { 2, 59.1 }, { 2.5, 59.1 }, { 3, 58.8 }, { 3.5, 58.0 }, { 4, 56.1 }, { 4.5, 51.5 },
};
using Then = EndQuenchCurve::Then;
constexpr EndQuenchCurve kStirnabschreckKurven[] = {
    { 650, k650, Then::Ends },
    { 600, k600, Then::Ends },
    { 500, k500, Then::CommonTail },
    { 400, k400, Then::CommonTail },
    { 300, k300, Then::CommonTail },
    { 200, k200, Then::MeetsHotterCurve },
    { 20, k20, Then::MeetsHotterCurve },
};
// clang-format on

constexpr EndQuenchChart kStirnabschreck { 880, kStirnabschreckKurven, kAuslauf };

// Whole percent that still add up to 100 (the exact shares add up to 100): round down, then give
// the missing points to the largest remainders.
Shares wholePercent(const double (&exact)[4])
{
    int whole[4];
    int sum = 0;
    for (int k = 0; k < 4; ++k) {
        whole[k] = int(std::floor(exact[k] + 1e-9));
        sum += whole[k];
    }
    int order[4] = { 0, 1, 2, 3 };
    std::stable_sort(
        std::begin(order), std::end(order), [&](int p, int q) { return exact[p] - whole[p] > exact[q] - whole[q]; });
    for (int k = 0; sum < 100 && k < 4; ++k, ++sum)
        ++whole[order[k]];
    return { whole[0], whole[1], whole[2], whole[3] };
}

// Linear between the points of `points`; NaN outside them.
double interpolate(std::span<const DistanceHardness> points, double mm)
{
    for (size_t i = 0; i + 1 < points.size(); ++i) {
        const DistanceHardness& a = points[i];
        const DistanceHardness& b = points[i + 1];
        if (mm >= a.mm && mm <= b.mm)
            return a.hrc + (b.hrc - a.hrc) * (mm - a.mm) / (b.mm - a.mm);
    }
    return std::numeric_limits<double>::quiet_NaN();
}

} // namespace

const LessonSteel& c45()
{
    return kC45;
}

const LessonSteel& c70()
{
    return kC70;
}

const IsothermalAustenitising& c45IsothermalAustenitising()
{
    return kC45IsoAustenitisierung;
}

CoolingResult afterCooling(const LessonSteel& steel, double rate)
{
    const std::span<const Cooling> c = steel.coolings;
    assert(!c.empty() && rate > 0);
    if (rate <= c.front().rate)
        return { c.front().shares, c.front().hardnessHV };
    if (rate >= c.back().rate)
        return { c.back().shares, c.back().hardnessHV };
    size_t i = 0;
    while (c[i + 1].rate < rate)
        ++i;
    const Cooling& a = c[i];
    const Cooling& b = c[i + 1];
    const double f = (std::log10(rate) - std::log10(a.rate)) / (std::log10(b.rate) - std::log10(a.rate));
    const auto mix = [f](int x, int y) { return x + (y - x) * f; };
    const double exact[] = { mix(a.shares.ferrite, b.shares.ferrite), mix(a.shares.pearlite, b.shares.pearlite),
        mix(a.shares.bainite, b.shares.bainite), mix(a.shares.martensite, b.shares.martensite) };
    return { wholePercent(exact), int(std::lround(mix(a.hardnessHV, b.hardnessHV))) };
}

const EndQuenchChart& c45EndQuench()
{
    return kStirnabschreck;
}

double endQuenchHRC(const EndQuenchChart& chart, int index, double mm)
{
    const EndQuenchCurve& curve = chart.curves[size_t(index)];
    if (mm <= curve.points.back().mm)
        return interpolate(curve.points, mm);
    switch (curve.then) {
    case EndQuenchCurve::Then::Ends:
        break;
    case EndQuenchCurve::Then::CommonTail:
        // The gap between the curve's last point and the tail's first is bridged by a straight line.
        if (mm < chart.commonTail.front().mm) {
            const DistanceHardness bridge[] = { curve.points.back(), chart.commonTail.front() };
            return interpolate(bridge, mm);
        }
        return interpolate(chart.commonTail, mm);
    case EndQuenchCurve::Then::MeetsHotterCurve:
        return endQuenchHRC(chart, index - 1, mm);
    }
    return std::numeric_limits<double>::quiet_NaN();
}

// --- Any cooling on the lessons' diagrams ------------------------------------------------------

double drawnRate(const LessonSteel& steel, double rate)
{
    const std::span<const Cooling> c = steel.coolings;
    assert(!c.empty() && rate > 0);
    const auto ratio = [](const Cooling& k) { return k.drawnRate / k.rate; };
    if (rate <= c.front().rate)
        return rate * ratio(c.front());
    if (rate >= c.back().rate)
        return rate * ratio(c.back());
    size_t i = 0;
    while (c[i + 1].rate < rate)
        ++i;
    const double f = (std::log10(rate) - std::log10(c[i].rate)) / (std::log10(c[i + 1].rate) - std::log10(c[i].rate));
    // The ratio in log as well, so that the drawn rate is the lessons' exactly at their rates.
    const double lgRatio = std::log10(ratio(c[i])) + f * (std::log10(ratio(c[i + 1])) - std::log10(ratio(c[i])));
    return rate * std::pow(10.0, lgRatio);
}

double coolingLineCelsius(const LessonSteel& steel, double drawnRate, double lgSeconds)
{
    return steel.austenitising - drawnRate * std::pow(10.0, lgSeconds);
}

bool crossesContinuous(
    const LessonSteel& steel, double drawnRate, std::span<const TransformationKind> kinds, double aboveCelsius)
{
    // Each piece of a line is walked in small steps; where the cooling line's temperature passes
    // the piece's between two steps, the two cross there.
    constexpr int kSteps = 24;
    for (const TransformationLine& line : steel.continuous) {
        if (std::find(kinds.begin(), kinds.end(), line.kind) == kinds.end())
            continue;
        for (size_t i = 0; i + 1 < line.points.size(); ++i) {
            const TimeTemperature& p = line.points[i];
            const TimeTemperature& q = line.points[i + 1];
            double before = 0;
            for (int k = 0; k <= kSteps; ++k) {
                const double s = double(k) / kSteps;
                const double lg = p.lgSeconds + s * (q.lgSeconds - p.lgSeconds);
                const double celsius = p.celsius + s * (q.celsius - p.celsius);
                const double gap = coolingLineCelsius(steel, drawnRate, lg) - celsius;
                if (k > 0 && (gap < 0) != (before < 0) && celsius > aboveCelsius)
                    return true;
                before = gap;
            }
        }
    }
    return false;
}

namespace {

constexpr TransformationKind kPearliteStart[] = { Kind::PearliteStart };
// Every line where the austenite starts to transform; the Ms lines run on into the start of
// transformation above Ms.
constexpr TransformationKind kAnyStart[]
    = { Kind::TransformationStart, Kind::PearliteStart, Kind::BainiteStart, Kind::MartensiteStart };

// The cumulative shares in the order the austenite transforms: ferrite; ferrite and pearlite; all
// but martensite. Each falls as the rate rises.
struct Cumulative {
    double c[3];
};

Cumulative cumulative(const Shares& s)
{
    return { { double(s.ferrite), double(s.ferrite + s.pearlite), double(s.ferrite + s.pearlite + s.bainite) } };
}

// The named rate at which the cooling line stops crossing the lines of `kinds` above Ms, found by
// halving in log rate between the two lessons' rates where the tables' cumulative share `k` runs
// out; NaN if the lines drawn at those two rates do not bracket it (the lessons' lines bend where
// the steel transforms, the straight ones do not).
double whereCrossingEnds(const LessonSteel& steel, std::span<const TransformationKind> kinds, int k)
{
    const std::span<const Cooling> c = steel.coolings;
    const double above = steel.msContinuous + 1;
    const auto crosses = [&](double rate) { return crossesContinuous(steel, drawnRate(steel, rate), kinds, above); };
    for (size_t i = 0; i + 1 < c.size(); ++i) {
        if (cumulative(c[i].shares).c[k] == 0 || cumulative(c[i + 1].shares).c[k] != 0)
            continue;
        if (!crosses(c[i].rate) || crosses(c[i + 1].rate))
            break;
        double lo = std::log10(c[i].rate), hi = std::log10(c[i + 1].rate);
        for (int n = 0; n < 40; ++n) {
            const double m = (lo + hi) / 2;
            (crosses(std::pow(10.0, m)) ? lo : hi) = m;
        }
        return std::pow(10.0, (lo + hi) / 2);
    }
    return std::numeric_limits<double>::quiet_NaN();
}

CriticalRates findCriticalRates(const LessonSteel& steel)
{
    return { whereCrossingEnds(steel, kPearliteStart, 1), whereCrossingEnds(steel, kAnyStart, 2) };
}

// Shares from cumulative ones, each rounded to whole percent: rounding keeps their order and their
// fall with the rate, so the shares still add up to 100, the ferrite still falls and the
// martensite still rises.
Shares fromCumulative(const Cumulative& k)
{
    const int f = int(std::lround(k.c[0])), fp = int(std::lround(k.c[1])), fpb = int(std::lround(k.c[2]));
    return { f, fp - f, fpb - fp, 100 - fpb };
}

// A later cumulative share holds an earlier one: where one runs out first, those before it go too.
Cumulative ordered(Cumulative k)
{
    k.c[1] = std::min(k.c[1], k.c[2]);
    k.c[0] = std::min(k.c[0], k.c[1]);
    return k;
}

} // namespace

const CriticalRates& criticalRates(const LessonSteel& steel)
{
    if (&steel == &kC45) {
        static const CriticalRates rates = findCriticalRates(kC45);
        return rates;
    }
    assert(&steel == &kC70);
    static const CriticalRates rates = findCriticalRates(kC70);
    return rates;
}

CoolingResult throughDiagram(const LessonSteel& steel, double rate)
{
    const std::span<const Cooling> c = steel.coolings;
    assert(!c.empty() && rate > 0);
    if (rate >= c.back().rate)
        return { c.back().shares, c.back().hardnessHV };
    if (rate <= steel.equilibrium.rate)
        return { steel.equilibrium.shares, c.front().hardnessHV };
    // The interval of rates: from the equilibrium to the slowest lesson rate, or between two of them.
    const Cooling* a = &steel.equilibrium;
    const Cooling* b = &c.front();
    for (size_t i = 0; b->rate < rate; ++i) {
        a = &c[i];
        b = &c[i + 1];
    }
    const double u = std::log10(rate), la = std::log10(a->rate), lb = std::log10(b->rate);
    const CriticalRates& critical = criticalRates(steel);
    // Ferrite and pearlite run out where the line misses the pearlite start, the rest where it
    // misses every start of transformation.
    const double runsOut[3] = { critical.pearliteGone, critical.pearliteGone, critical.martensiteOnly };
    const Cumulative from = cumulative(a->shares), to = cumulative(b->shares);
    Cumulative now {};
    double moved = 0, whole = 0;
    for (int k = 0; k < 3; ++k) {
        double hi = lb;
        if (to.c[k] == 0 && std::isfinite(runsOut[k])) {
            const double l = std::log10(runsOut[k]);
            if (l > la && l < lb)
                hi = l;
        }
        const double f = std::clamp((u - la) / (hi - la), 0.0, 1.0);
        now.c[k] = from.c[k] + (to.c[k] - from.c[k]) * f;
    }
    now = ordered(now);
    for (int k = 0; k < 3; ++k) {
        moved += from.c[k] - now.c[k];
        whole += from.c[k] - to.c[k];
    }
    const CoolingResult result { fromCumulative(now), 0 };
    if (a == &steel.equilibrium) // the equilibrium has no hardness of its own
        return { result.shares, b->hardnessHV };
    const double g = whole != 0 ? moved / whole : (u - la) / (lb - la);
    return { result.shares, int(std::lround(a->hardnessHV + (b->hardnessHV - a->hardnessHV) * g)) };
}

namespace {

// The least lg t at which a line of one of the kinds passes `celsius` (a level piece does not
// count: it is the Ms level, not a start or end); NaN if none does.
double firstTimeAt(std::span<const TransformationLine> lines, std::span<const TransformationKind> kinds, double celsius)
{
    double first = std::numeric_limits<double>::quiet_NaN();
    for (const TransformationLine& line : lines) {
        if (std::find(kinds.begin(), kinds.end(), line.kind) == kinds.end())
            continue;
        for (size_t i = 0; i + 1 < line.points.size(); ++i) {
            const TimeTemperature& p = line.points[i];
            const TimeTemperature& q = line.points[i + 1];
            if (p.celsius == q.celsius || celsius < std::min(p.celsius, q.celsius)
                || celsius > std::max(p.celsius, q.celsius))
                continue;
            const double lg
                = p.lgSeconds + (celsius - p.celsius) / (q.celsius - p.celsius) * (q.lgSeconds - p.lgSeconds);
            if (!(lg >= first))
                first = lg;
        }
    }
    return first;
}

constexpr TransformationKind kIsoStart[] = { Kind::MartensiteStart, Kind::TransformationStart };
constexpr TransformationKind kIsoEnd[] = { Kind::TransformationEnd };
constexpr double kDiagramEnd = 5; // lg s: the diagrams end at 10^5 s
constexpr double kRoomCelsius = 20;

// A value given at some temperatures.
struct AtTemperature {
    double celsius;
    double value;
};

// Linear through points sorted by temperature, held at the ends.
double alongTemperature(std::span<const AtTemperature> points, double celsius)
{
    if (celsius <= points.front().celsius)
        return points.front().value;
    for (size_t i = 0; i + 1 < points.size(); ++i)
        if (celsius <= points[i + 1].celsius)
            return points[i].value
                + (celsius - points[i].celsius) / (points[i + 1].celsius - points[i].celsius)
                * (points[i + 1].value - points[i].value);
    return points.back().value;
}

bool colder(const AtTemperature& p, const AtTemperature& q)
{
    return p.celsius < q.celsius;
}

} // namespace

double bainiteBelow(const LessonSteel& steel)
{
    for (const TransformationLine& line : steel.isothermal)
        if (line.kind == Kind::FieldBoundary) {
            const auto first = std::min_element(line.points.begin(), line.points.end(),
                [](const TimeTemperature& p, const TimeTemperature& q) { return p.lgSeconds < q.lgSeconds; });
            return first->celsius;
        }
    return steel.msIsothermal;
}

HoldResult afterHold(const LessonSteel& steel, double celsius, double seconds)
{
    assert(seconds > 0);
    const double ms = steel.msIsothermal;
    // Martensite formed on quenching below Ms: none at Ms, the lesson's holds below Ms, all of it
    // at room temperature; linear between them.
    std::vector<AtTemperature> quench { { kRoomCelsius, 100 }, { ms, 0 } };
    for (const IsothermalHold& h : steel.holds)
        if (h.celsius > kRoomCelsius && h.celsius < ms)
            quench.push_back({ h.celsius, double(h.shares.martensite) });
    std::sort(quench.begin(), quench.end(), colder);
    const double quenched = celsius >= ms ? 0 : alongTemperature(quench, celsius);
    const double left = 100 - quenched;

    const double start = firstTimeAt(steel.isothermal, kIsoStart, celsius);
    const double finish = firstTimeAt(steel.isothermal, kIsoEnd, celsius);
    double transformed = 0; // of the austenite left, 0 … 1
    if (std::isfinite(start)) {
        const double end = std::isfinite(finish) && finish > start ? finish : std::max(kDiagramEnd, start + 0.1);
        const double u = (std::log10(seconds) - start) / (end - start);
        // 1 % at the start line, 99 % at the end line, smoothly in log time between.
        if (u >= 1)
            transformed = std::isfinite(finish) ? 1 : 0.99;
        else if (u > 0)
            transformed = 0.01 + 0.98 * u * u * (3 - 2 * u);
    }

    // What the transformed austenite becomes: bainite below the boundary of the two fields,
    // ferrite and pearlite above it (a band of 20 °C blends them), the ferrite's share of these
    // through the lesson's holds, none at the boundary and the equilibrium's at A1.
    const double boundary = bainiteBelow(steel);
    const double bainite = std::clamp((boundary + 10 - celsius) / 20, 0.0, 1.0);
    std::vector<AtTemperature> ferrite { { boundary, 0 }, { steel.a1, double(steel.equilibrium.shares.ferrite) } };
    for (const IsothermalHold& h : steel.holds)
        if (h.shares.bainite == 0 && h.shares.martensite == 0 && h.celsius > boundary)
            ferrite.push_back({ h.celsius, double(h.shares.ferrite) });
    std::sort(ferrite.begin(), ferrite.end(), colder);
    const double ferriteShare = alongTemperature(ferrite, celsius) / 100;

    const double t = left * transformed;
    const double f = t * (1 - bainite) * ferriteShare;
    const double p = t * (1 - bainite) * (1 - ferriteShare);
    const double b = t * bainite;
    const Cumulative k { { f, f + p, f + p + b } };
    return { fromCumulative(ordered(k)), std::isfinite(start) ? std::pow(10.0, start) : start,
        std::isfinite(finish) ? std::pow(10.0, finish) : finish, int(std::lround(transformed * 100)) };
}

// --- Hardness scales ---------------------------------------------------------------------------

namespace {

// The end-quench chart's HV marks, each at its height on the HRC axis (rows of 10 HRC): HV, HRC.
struct HvMark {
    double hv;
    double hrc;
};
constexpr HvMark kHvMarks[]
    = { { 150, 3 }, { 200, 15 }, { 300, 30 }, { 400, 42 }, { 500, 48 }, { 600, 55 }, { 700, 60.2 } };
constexpr double kRockwellCFrom = 20;

} // namespace

double rockwellC(double vickers)
{
    // Linear between the marks; above the last one its interval's slope runs on.
    size_t i = 0;
    while (i + 2 < std::size(kHvMarks) && vickers > kHvMarks[i + 1].hv)
        ++i;
    const HvMark& a = kHvMarks[i];
    const HvMark& b = kHvMarks[i + 1];
    const double hrc = a.hrc + (vickers - a.hv) * (b.hrc - a.hrc) / (b.hv - a.hv);
    return hrc < kRockwellCFrom ? std::numeric_limits<double>::quiet_NaN() : hrc;
}

} // namespace wb::model
