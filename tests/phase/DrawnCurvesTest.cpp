// The lessons' boundary curves projected from the model give the pixels the lessons drew by
// formula, and the model's invariant lines lie where the lessons draw their straight lines. The formulas below are the
// golden data: each is the parabola a lesson evaluated at every column of its field (in double precision, stored in
// single precision, rounded half to even) before the diagrams became a model, written with the same order of
// operations. They are right because every lesson pixel of every recorded run stayed the same when the model took their
// place; here they hold the model to them at every column of the field and a little beyond.
#include "framework/Types.h"
#include "model/PhaseTypes.h"
#include "phase/PhaseField.h"
#include "phase/UnitZutyp1.h"

#include <gtest/gtest.h>

using namespace wb;

namespace {

// clang-format off
int drawn1Solidus(int x) { const double d = x - 660; return RoundSingle(250 - d * d * 0.0005); }
int drawn1Liquidus(int x) { const double d = x + 161; return RoundSingle(d * d * 0.0005 + 27); }
int drawn2LiquidusA(int x) { const double d = x + 70; return RoundSingle(d * d * 0.0013 + 48); }
int drawn2LiquidusB(int x) { const double d = x - 677; return RoundSingle(d * d * 0.0011 + 62); }
int drawn3LiquidusA(int x) { return RoundSingle(double(x + 70) * (x + 70) * 0.0013 + 48); }
int drawn3SolidusA(int x) { return RoundSingle(247 - 0.009 * double(x - 165) * (x - 165)); }
int drawn3SolvusA(int x) { return RoundSingle(0.11 * double(x - 130) * (x - 130) + 184); }
int drawn3LiquidusB(int x) { return RoundSingle(double(x - 677) * (x - 677) * 0.0011 + 63); }
int drawn3SolidusB(int x) { return RoundSingle(248 - 0.0224 * double(x - 400) * (x - 400)); }
int drawn3SolvusB(int x) { return RoundSingle(0.05 * double(x - 380) * (x - 380) + 75); }
int drawn4Liquidus(int x) { return RoundSingle(0.00108 * double(x - 15) * (x - 15) + 48); }
int drawn4LiquidusB(int x) { return RoundSingle(0.0008 * double(x + 62) * (x + 62) + 34); }
int drawn4SolidusA(int x) { return RoundSingle(200 - 0.0072 * double(x - 165) * (x - 165)); }
int drawn4SolvusA(int x) { return RoundSingle(0.066 * double(x - 120) * (x - 120) + 175); }
int drawn4SolidusB(int x) { return RoundSingle(293 - 0.001 * double(x - 633) * (x - 633)); }
int drawn4SolvusB(int x) { return RoundSingle(0.071 * double(x - 251) * (x - 251) + 29); }
// Types 5 and 6 drew a·(x − b)² + c with the square taken first.
int parabola(int x, double a, double b, double c) { const double d = x - b; return RoundSingle(a * (d * d) + c); }

struct Kurve {
    const char* name;
    int type;
    const model::Curve& curve;
    int (*drawn)(int x);
};
const Kurve kKurven[] = {
    { "type 1 solidus", 1, model::typ1::solidus, drawn1Solidus },
    { "type 1 liquidus", 1, model::typ1::liquidus, drawn1Liquidus },
    { "type 2 liquidus A", 2, model::typ2::liquidusA, drawn2LiquidusA },
    { "type 2 liquidus B", 2, model::typ2::liquidusB, drawn2LiquidusB },
    { "type 3 liquidus A", 3, model::typ3::liquidusA, drawn3LiquidusA },
    { "type 3 solidus A", 3, model::typ3::solidusA, drawn3SolidusA },
    { "type 3 solvus A", 3, model::typ3::solvusA, drawn3SolvusA },
    { "type 3 liquidus B", 3, model::typ3::liquidusB, drawn3LiquidusB },
    { "type 3 solidus B", 3, model::typ3::solidusB, drawn3SolidusB },
    { "type 3 solvus B", 3, model::typ3::solvusB, drawn3SolvusB },
    { "type 4 liquidus", 4, model::typ4::liquidus, drawn4Liquidus },
    { "type 4 liquidus B", 4, model::typ4::liquidusB, drawn4LiquidusB },
    { "type 4 solidus A", 4, model::typ4::solidusA, drawn4SolidusA },
    { "type 4 solvus A", 4, model::typ4::solvusA, drawn4SolvusA },
    { "type 4 solidus B", 4, model::typ4::solidusB, drawn4SolidusB },
    { "type 4 solvus B", 4, model::typ4::solvusB, drawn4SolvusB },
    { "type 5 liquidus A", 5, model::typ5::liquidusA, [](int x) { return parabola(x, -0.0013, 320, 294); } },
    { "type 5 compound, left", 5, model::typ5::compoundLeft, [](int x) { return parabola(x, 0.006, 300, 88); } },
    { "type 5 compound, right", 5, model::typ5::compoundRight, [](int x) { return parabola(x, 0.008, 290, 88); } },
    { "type 5 liquidus B", 5, model::typ5::liquidusB, [](int x) { return parabola(x, 0.003, 540, 95); } },
    { "type 6 line A-B", 6, model::typ6::transformationA, [](int x) { return parabola(x, -0.0007, 450, 317); } },
    { "type 6 line B-C", 6, model::typ6::transformationB, [](int x) { return parabola(x, -0.0007, 170, 310); } },
    { "type 6 solidus", 6, model::typ6::solidus, [](int x) { return parabola(x, -0.0004, 660, 200); } },
    { "type 6 liquidus", 6, model::typ6::liquidus, [](int x) { return parabola(x, 0.0004, -160, 22); } },
};
// clang-format on

} // namespace

TEST(DrawnCurves, TheModelProjectedGivesEveryPixelTheLessonsDrew)
{
    for (const Kurve& k : kKurven) {
        const phasefield::Projection p = phasefield::projectionOf(model::phaseDiagram(k.type));
        int differ = 0;
        for (int x = 0; x <= 500; ++x) {
            if (p.curveY(k.curve, x) != k.drawn(x) && ++differ <= 3)
                ADD_FAILURE() << k.name << " at x = " << x << ": " << p.curveY(k.curve, x) << " instead of "
                              << k.drawn(x);
        }
        EXPECT_EQ(differ, 0) << k.name;
    }
    // Type 1's lesson offers its two curves as functions of the column.
    for (int x = 0; x <= 500; ++x) {
        EXPECT_EQ(zutyp1::solidusY(x), drawn1Solidus(x)) << x;
        EXPECT_EQ(zutyp1::liquidusY(x), drawn1Liquidus(x)) << x;
    }
}

TEST(DrawnCurves, TheInvariantLinesLieWhereTheLessonsDrawThem)
{
    struct Linie {
        int type;
        int invariant;
        int y; // the row of the lesson's line
        int von; // its ends, at the outer phases' compositions
        int bis;
        int mitte; // the column of the middle phase's composition
    };
    // The lessons' lines as they drew them: type 2's eutectic line across the field at row 222
    // with the eutectic point at 296 (60 % B); type 3's from D (112, 20 %) to E (434, 90 %);
    // type 4's peritectic line from alpha's end (112) to the melt's (365, 75 %) with beta at
    // 296; type 5's two eutectic lines at rows 250 and 165 beside the compound's line at 296;
    // type 6's eutectoid line at row 300.
    const Linie linien[] = {
        { 2, 0, 222, 20, 480, 296 },
        { 3, 0, 222, 112, 434, 296 },
        { 4, 0, 180, 112, 365, 296 },
        { 5, 0, 250, 20, 296, 135 },
        { 5, 1, 165, 296, 480, 388 },
        { 6, 0, 300, 20, 480, 296 },
    };
    for (const Linie& l : linien) {
        const model::PhaseDiagram& d = model::phaseDiagram(l.type);
        const phasefield::Projection p = phasefield::projectionOf(d);
        const model::Invariant& inv = d.invariants[size_t(l.invariant)];
        SCOPED_TRACE("type " + std::to_string(l.type));
        EXPECT_EQ(p.pixelY(inv.t), l.y);
        EXPECT_EQ(p.pixelX(inv.left.w), l.von);
        EXPECT_EQ(p.pixelX(inv.right.w), l.bis);
        EXPECT_EQ(p.pixelX(inv.middle.w), l.mitte);
    }
    // Type 5's compound melts at row 88, where its line begins.
    EXPECT_EQ(phasefield::projectionOf(model::phaseDiagram(5)).pixelY(model::typ5::compoundMelting), 88);
}
