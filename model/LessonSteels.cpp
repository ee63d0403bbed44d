// The two lesson steels in physical units. Unless a comment says otherwise, the values were read
// off the schematic diagrams of the atlas the lessons cite (their memo texts name it) and are
// what the lessons draw.
#include "model/LessonSteels.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <iterator>
#include <limits>

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
    // Whole percent that still add up to 100: round down, then give the missing points to the
    // largest remainders.
    int whole[4];
    int sum = 0;
    for (int k = 0; k < 4; ++k) {
        whole[k] = int(std::floor(exact[k] + 1e-9));
        sum += whole[k];
    }
    int order[4] = { 0, 1, 2, 3 };
    std::stable_sort(
        std::begin(order), std::end(order), [&](int p, int q) { return exact[p] - whole[p] > exact[q] - whole[q]; });
    for (int k = 0; sum < 100; ++k, ++sum)
        ++whole[order[k]];
    return { { whole[0], whole[1], whole[2], whole[3] }, int(std::lround(mix(a.hardnessHV, b.hardnessHV))) };
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

} // namespace wb::model
