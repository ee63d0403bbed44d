// The steel corner of the ZTA/ZTU diagrams: one table in % C and °C on each EKD panel by the
// panel's own scale gives the pixels the three panels were drawn with by hand; the scale is the
// one the panel's axis labels stand on; and the corner against the iron–carbon model.
#include "diagrams/SteelCorner.h"
#include "tests/support/Harness.h"

#include <sstream>

using namespace wb;
using namespace wb::ekd;
namespace mek = wb::model::ekd;

namespace {

std::string show(const std::vector<TPoint>& points)
{
    std::ostringstream out;
    for (const TPoint& p : points)
        out << "(" << p.X << ", " << p.Y << ") ";
    return out.str();
}

// The panels as the forms lay them out on their 750 × 500 PaintBoxHaupt.
const ztaztu::DiagramLayout kZta = ztaztu::computeLayout(
    { .ztuLinks = 400, .ztuRechtsRand = 22, .untenRand = 100, .zeilen = 5, .ekdLinks = 50, .ekdRechtsRand = 390 }, 750,
    500);
const ztaztu::DiagramLayout kZtaIso = ztaztu::computeLayout(
    { .ztuLinks = 400, .ztuRechtsRand = 22, .untenRand = 100, .zeilen = 5, .ekdLinks = 40, .ekdRechtsRand = 400 }, 750,
    500);
const ztaztu::DiagramLayout kZtu045 = ztaztu::computeLayout(
    { .ztuLinks = 412, .ztuRechtsRand = 10, .untenRand = 70, .zeilen = 6, .ekdLinks = 50, .ekdRechtsRand = 380 }, 750,
    500);
const ztaztu::DiagramLayout kZtuIso = ztaztu::computeLayout(
    { .ztuLinks = 400, .ztuRechtsRand = 22, .untenRand = 70, .zeilen = 6, .ekdLinks = 50, .ekdRechtsRand = 390 }, 750,
    500);

// The ZTA panels draw G–S at 0.4 and 0.6 % C a pixel lower than the corner's 790 and 756 °C put
// it: at 786 and 752 °C.
const CornerCelsius kZtaGS[] = { { CornerLine::GS, 2, 786 }, { CornerLine::GS, 3, 752 } };

struct Golden {
    const char* name;
    const ztaztu::DiagramLayout& layout;
    double bottom;
    std::span<const CornerCelsius> moved;
    // The hand-drawn tables: eutectoid composition, P–S–K, E–C–F, E upwards, G–S, S–E, G–P–Q.
    std::vector<std::vector<TPoint>> lines;
};

// clang-format off
const Golden kGolden[] = {
    { "ZTA", kZta, 200, kZtaGS, {
        { { 162, 202 }, { 162, 400 } },
        { { 56, 202 }, { 360, 202 } },
        { { 338, 41 }, { 360, 41 } },
        { { 338, 41 }, { 302, 20 } },
        { { 50, 130 }, { 78, 157 }, { 106, 177 }, { 134, 190 }, { 148, 195 }, { 162, 201 } },
        { { 162, 202 }, { 190, 172 }, { 218, 145 }, { 246, 118 }, { 274, 94 }, { 302, 70 }, { 338, 41 } },
        { { 50, 130 }, { 56, 202 }, { 50, 286 } } } },
    // The isothermal ZTA panel lies ten pixels further left.
    { "ZTA isothermal", kZtaIso, 200, kZtaGS, {
        { { 152, 202 }, { 152, 400 } },
        { { 46, 202 }, { 350, 202 } },
        { { 328, 41 }, { 350, 41 } },
        { { 328, 41 }, { 292, 20 } },
        { { 40, 130 }, { 68, 157 }, { 96, 177 }, { 124, 190 }, { 138, 195 }, { 152, 201 } },
        { { 152, 202 }, { 180, 172 }, { 208, 145 }, { 236, 118 }, { 264, 94 }, { 292, 70 }, { 328, 41 } },
        { { 40, 130 }, { 46, 202 }, { 40, 286 } } } },
    { "ZTU 0.45 % C", kZtu045, 0, {}, {
        { { 166, 185 }, { 166, 430 } },
        { { 56, 185 }, { 370, 185 } },
        { { 349, 40 }, { 370, 40 } },
        { { 349, 40 }, { 311, 22 } },
        { { 50, 121 }, { 79, 144 }, { 108, 161 }, { 137, 173 }, { 152, 178 }, { 166, 184 } },
        { { 166, 185 }, { 195, 158 }, { 224, 134 }, { 253, 110 }, { 282, 88 }, { 311, 67 }, { 349, 40 } },
        { { 50, 121 }, { 56, 185 }, { 50, 260 } } } },
    { "ZTU isothermal and 0.70 % C", kZtuIso, 0, {}, {
        { { 162, 185 }, { 162, 430 } },
        { { 56, 185 }, { 360, 185 } },
        { { 338, 40 }, { 360, 40 } },
        { { 338, 40 }, { 302, 22 } },
        { { 50, 121 }, { 78, 144 }, { 106, 161 }, { 134, 173 }, { 148, 178 }, { 162, 184 } },
        { { 162, 185 }, { 190, 158 }, { 218, 134 }, { 246, 110 }, { 274, 88 }, { 302, 67 }, { 338, 40 } },
        { { 50, 121 }, { 56, 185 }, { 50, 260 } } } },
};
// clang-format on

} // namespace

TEST(IronCarbonSteelCorner, EachPanelGetsTheCornerItWasDrawnWith)
{
    for (const Golden& g : kGolden) {
        SCOPED_TRACE(g.name);
        const SteelCorner corner(g.layout, g.bottom, g.moved);
        ASSERT_EQ(int(g.lines.size()), kCornerLineCount);
        for (int l = 0; l < kCornerLineCount; ++l) {
            const std::vector<TPoint>& drawn = corner.points(CornerLine(l));
            EXPECT_EQ(drawn, g.lines[size_t(l)]) << "line " << l << ": " << show(drawn);
        }
        // The eutectoid composition with a thin pen, the rest with one of width 2.
        ASSERT_EQ(corner.curves().size(), size_t(kCornerLineCount));
        EXPECT_EQ(corner.curves()[0].width, 1);
        for (size_t l = 1; l < corner.curves().size(); ++l)
            EXPECT_EQ(corner.curves()[l].width, 2);
    }
}

TEST(IronCarbonSteelCorner, WithoutItsMovedPointsTheZtaPanelDiffersInTwoPixels)
{
    // The common curve on the ZTA panel's 0.38 pixels per °C puts 790 °C on 175.8 → 176 and 756 °C
    // on 188.7 → 189; the panel was drawn with 177 and 190.
    const SteelCorner common(kZta, 200);
    const SteelCorner drawn(kZta, 200, kZtaGS);
    const std::vector<TPoint>& a = common.points(CornerLine::GS);
    const std::vector<TPoint>& b = drawn.points(CornerLine::GS);
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        if (i == 2 || i == 3)
            EXPECT_EQ(a[i].Y + 1, b[i].Y) << i;
        else
            EXPECT_EQ(a[i], b[i]) << i;
    }
    EXPECT_EQ(a[2], Point(106, 176));
    EXPECT_EQ(a[3], Point(134, 189));
}

TEST(IronCarbonSteelCorner, TheScaleIsTheOneTheAxisLabelsStandOn)
{
    // Each panel writes its temperatures every 200 °C six pixels above their rows and its carbon
    // contents every 0.4 % five pixels left of their columns.
    struct Label {
        double value;
        int at;
    };
    struct Case {
        const char* name;
        const ztaztu::DiagramLayout& layout;
        double bottom;
        std::vector<Label> temperatures; // y of the label's top
        std::vector<Label> carbon; // x of the label's left
    };
    const Case cases[] = {
        { "ZTA", kZta, 200, { { 1200, 14 }, { 1000, 90 }, { 800, 166 }, { 600, 242 }, { 400, 318 } },
            { { 0, 45 }, { 0.4, 101 }, { 0.8, 157 }, { 1.2, 213 }, { 1.6, 269 }, { 2.0, 325 } } },
        { "ZTU 0.45 % C", kZtu045, 0,
            { { 1200, 16 }, { 1000, 84 }, { 800, 152 }, { 600, 220 }, { 400, 288 }, { 200, 356 } },
            { { 0, 45 }, { 0.4, 103 }, { 0.8, 161 }, { 1.2, 219 }, { 1.6, 277 }, { 2.0, 335 } } },
        { "ZTU isothermal", kZtuIso, 0,
            { { 1200, 16 }, { 1000, 84 }, { 800, 152 }, { 600, 220 }, { 400, 288 }, { 200, 356 } },
            { { 0, 45 }, { 0.4, 101 }, { 0.8, 157 }, { 1.2, 213 }, { 1.6, 269 }, { 2.0, 325 } } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Scale s = steelCornerScale(c.layout, c.bottom);
        for (const Label& t : c.temperatures)
            EXPECT_EQ(temperatureY(s, t.value), t.at + 6) << t.value << " °C";
        for (const Label& k : c.carbon)
            EXPECT_EQ(carbonX(s, k.value), k.at + 5) << k.value << " % C";
    }
}

TEST(IronCarbonSteelCorner, TheCornerAgainstTheModel)
{
    // Drawn from its own table, the corner stands within a pixel of the model at its points and on
    // G–S, and clearly below it on S–E. On the ZTA panel (0.38 pixels per °C, 140 per % C):
    const SteelCorner zta(kZta, 200);
    const Scale s = steelCornerScale(kZta, 200);
    auto carbonOf = [&s](int x) { return (x - s.left) / s.perPercent; };
    auto near = [](int a, int b) { return std::abs(a - b) <= 1; };
    // G (910 against 911 °C), the horizontals (722 and 1146 against 723 and 1147 °C), P (0.04
    // against 0.02 % C): a pixel at most.
    EXPECT_TRUE(near(zta.points(CornerLine::GS).front().Y, temperatureY(s, mek::kGammaAlpha)));
    EXPECT_TRUE(near(zta.points(CornerLine::PSK).front().Y, temperatureY(s, mek::kEutektoid)));
    EXPECT_TRUE(near(zta.points(CornerLine::ECF).front().Y, temperatureY(s, mek::kEutektikale)));
    EXPECT_EQ(zta.points(CornerLine::PSK).front().X, 56);
    EXPECT_EQ(carbonX(s, mek::at(mek::Point::P).carbon), 53) << "P three pixels further left";
    // S, E and Q are the model's.
    EXPECT_EQ(zta.points(CornerLine::Eutektoid).front().X, carbonX(s, mek::at(mek::Point::S).carbon));
    EXPECT_EQ(zta.points(CornerLine::GS).back(), Point(carbonX(s, 0.8), temperatureY(s, mek::kEutektoid)));
    EXPECT_EQ(zta.points(CornerLine::ECF).front().X, carbonX(s, mek::at(mek::Point::E).carbon));
    EXPECT_EQ(zta.points(CornerLine::GPQ).back(), Point(carbonX(s, 0), temperatureY(s, mek::kTiefsteTemperatur)));
    // G–S (within 3 °C of the model's) a pixel at most from the model's at each of its points.
    for (const TPoint& p : zta.points(CornerLine::GS)) {
        const double c = carbonOf(p.X);
        EXPECT_TRUE(near(p.Y, temperatureY(s, *mek::celsiusAt(mek::Line::SG, c)))) << c << " % C";
    }
    // S–E 15 to 25 °C below the model's between S and E, most at 1.2 % C (870 °C against 894 °C):
    // 6 to 9 pixels lower.
    const std::vector<TPoint>& se = zta.points(CornerLine::SE);
    for (size_t i = 1; i + 1 < se.size(); ++i) {
        const double c = carbonOf(se[i].X);
        const int lower = se[i].Y - temperatureY(s, *mek::celsiusAt(mek::Line::SE, c));
        EXPECT_GE(lower, 6) << c << " % C";
        EXPECT_LE(lower, 9) << c << " % C";
    }
    // The solidus above E leaves the panel at 1200 °C at 1.8 % C; the model's reaches 1200 °C at
    // 1.66 % C, 20 pixels further left.
    EXPECT_EQ(zta.points(CornerLine::EAufwaerts).back(), Point(302, 20));
    EXPECT_EQ(carbonX(s, *mek::carbonAt(mek::Line::JE, 1200)), 282);
}
