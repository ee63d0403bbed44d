// What the diagram-type lessons share: the colour bands, the lever rule, the stepping of the
// cooling mark, the run's phases, the NOT-XOR trace that erases exactly what it drew, and the
// engine that plays an alloy's keyframes on small canvases.
#include "phase/TypeDiagram.h"

#include "framework/Controls.h"
#include "framework/Menus.h"
#include "framework/Timers.h"
#include "tests/phase/LessonMoments.h"
#include "tests/support/Harness.h"
#include "tests/support/Program.h"

#include <gtest/gtest.h>
#include <vector>

using namespace wb;
using namespace wb::typediagram;

TEST(TypeDiagram, BandsRunFromYellowThroughOrangeToDarkRed)
{
    struct Case {
        int y;
        TColor color;
    };
    const Case cases[] = {
        { 20, clYellow }, // the top of the field
        { 70, clYellow }, // the first band's last row; the second band would give (255, 255, 0) too
        { 71, RGB(255, 254, 0) }, // green 325 - 71
        { 200, RGB(255, 125, 0) },
        { 325, RGB(255, 0, 0) }, // the second band's last row; the third gives 905 - 650 = 255 too
        { 326, RGB(253, 0, 0) }, // red 905 - 652
        { 370, RGB(165, 0, 0) }, // the bottom: 905 - 740
    };
    for (const Case& c : cases)
        EXPECT_EQ(bandColor(c.y), c.color) << "y = " << c.y;
}

TEST(TypeDiagram, BandsFillTheFieldRowByRowWithoutTheRightEnd)
{
    wbtest::PixelCanvas p(482, 372);
    drawBands(p.canvas);
    EXPECT_EQ(p.at(19, 100), clWhite); // left of the field
    EXPECT_EQ(p.at(20, 100), bandColor(100));
    EXPECT_EQ(p.at(479, 370), bandColor(370));
    EXPECT_EQ(p.at(480, 200), clWhite); // LineTo leaves its end point
    EXPECT_EQ(p.at(200, 19), clWhite); // above the field
    EXPECT_EQ(p.canvas.Pen.Width(), 1);
    EXPECT_EQ(p.canvas.Pen.Color(), bandColor(370));
}

TEST(TypeDiagram, LeverRuleTruncatesTowardZeroOnEitherSide)
{
    struct Case {
        int fest;
        int schmelze;
        int legierung;
        int anteil;
    };
    const Case cases[] = {
        { 122, 230, 198, 29 }, // 3200 / 108 = 29.6: truncated, rounding would give 30
        { 20, 213, 204, 4 }, // crystals at the left: 900 / 193 = 4.66
        { 20, 204, 204, 0 }, // the tie line ends on the alloy line: no crystals yet
        { 480, 382, 388, 6 }, // crystals at the right: -600 / -98 = 6.12
        { 480, 377, 388, 10 }, // -1100 / -103 = 10.68, truncated toward zero
        { 480, 296, 388, 50 }, // -9200 / -184 exactly
    };
    for (const Case& c : cases)
        EXPECT_EQ(kristallAnteil(c.fest, c.schmelze, c.legierung), c.anteil)
            << c.fest << " " << c.schmelze << " " << c.legierung;
}

TEST(TypeDiagram, MarkStepsFineThenCoarseAndBothInTheTickThatCrosses)
{
    const MarkSteps typ1 = { .feinBis = 160, .feinSchritt = 3, .grobAb = 160, .grobSchritt = 6 };
    const MarkSteps typ2 = { .feinBis = 225, .feinSchritt = 4, .grobAb = 226, .grobSchritt = 16 };
    const MarkSteps typ3 = { .feinBis = 380, .feinSchritt = 4 };
    struct Case {
        const MarkSteps* steps;
        int from;
        std::vector<int> marks;
    };
    const Case cases[] = {
        { &typ1, 20, { 23 } }, { &typ1, 155, { 158 } }, { &typ1, 158, { 161, 167 } }, // 161 is passed within the tick
        { &typ1, 365, { 371 } }, { &typ2, 218, { 222 } }, { &typ2, 222, { 226, 242 } }, // 226 is passed within the tick
        { &typ2, 354, { 370 } }, { &typ3, 19, { 23 } }, { &typ3, 376, { 380 } },
        { &typ3, 380, {} }, // at its limit the mark stands still
    };
    for (const Case& c : cases) {
        const MarkStep s = stepMark(c.from, *c.steps);
        EXPECT_EQ(std::vector<int>(s.marks, s.marks + s.count), c.marks) << "from " << c.from;
    }
}

TEST(TypeDiagram, RunPhaseFollowsTimerAndMark)
{
    EXPECT_EQ(runPhase(20, false, 20, 367), RunPhase::Idle);
    EXPECT_EQ(runPhase(20, true, 20, 367), RunPhase::Running);
    EXPECT_EQ(runPhase(104, false, 20, 367), RunPhase::Paused);
    EXPECT_EQ(runPhase(371, false, 20, 367), RunPhase::Finished);
}

TEST(TypeDiagram, XorTraceErasesExactlyWhatItDrewOnce)
{
    // A 3-pixel NOT-XOR pen on a white 8 x 6 canvas; the erase must restore every pixel, also
    // when the pen has changed in between, and a second erase must not draw anything.
    wbtest::PixelCanvas p(8, 6);
    TCanvas& c = p.canvas;
    c.Pen.SetMode(pmNotXor);
    c.Pen.SetColor(clBlue);
    c.Pen.SetWidth(1);
    XorTrace trace;
    trace.draw(c, { { 1, 2 }, { 7, 2 } });
    c.Pen.SetColor(clRed);
    trace.draw(c, { { 3, 0 }, { 3, 6 } });
    // Blue NOT-XOR white leaves blue; red then flips the crossing once more.
    EXPECT_EQ(p.at(1, 2), clBlue);
    EXPECT_EQ(p.at(3, 4), clRed);
    EXPECT_EQ(p.at(3, 2), wbtest::notXor(clBlue, clRed));
    ASSERT_EQ(trace.lines().size(), 2u);

    c.Pen.SetColor(clLime);
    c.Pen.SetWidth(3);
    trace.erase();
    EXPECT_TRUE(wbtest::matchesRows(
        p.image, { "........", "........", "........", "........", "........", "........" }, { { '.', clWhite } }));
    EXPECT_EQ(c.Pen.Color(), clLime); // the canvas keeps the pen it had
    EXPECT_EQ(c.Pen.Width(), 3);
    EXPECT_TRUE(trace.empty());

    trace.erase(); // nothing is kept: nothing is drawn
    EXPECT_EQ(p.at(3, 2), clWhite);
}

TEST(TypeDiagram, AForgottenTraceDrawsNothingAtTheNextErase)
{
    wbtest::PixelCanvas p(8, 4);
    p.canvas.Pen.SetMode(pmNotXor);
    XorTrace trace;
    trace.draw(p.canvas, { { 0, 1 }, { 8, 1 } });
    p.image.fill(0xFFFFFFFFu); // a repaint by a reset
    trace.forget();
    trace.erase();
    EXPECT_EQ(p.at(4, 1), clWhite);
}

// --- The engine that plays the runs -----------------------------------------------------------

namespace {

// The components a run uses, on a form of their own.
class Buehnenform : public TForm {
public:
    Buehnenform()
        : TForm(QStringLiteral("Buehnenform"))
    {
        Bilder.SetStrip(wbtest::codedStrip(4, 2, 2));
    }
    TTimer TimerA { this, QStringLiteral("TimerA"), 100 };
    TTimer TimerB { this, QStringLiteral("TimerB"), 100 };
    TMainMenu Menu { this, QStringLiteral("Menu") };
    TMenuItem StartA { Menu, QStringLiteral("StartA"), QStringLiteral("A") };
    TMenuItem StartB { Menu, QStringLiteral("StartB"), QStringLiteral("B") };
    TEdit Kristalle { this, QStringLiteral("Kristalle") };
    TEdit Schmelze { this, QStringLiteral("Schmelze") };
    TMemo Memo { this, QStringLiteral("Memo") };
    TImageList Bilder { this, QStringLiteral("Bilder"), 2, 2 };
};

class Engine : public ::testing::Test {
protected:
    void SetUp() override { wbtest::resetApplication(); }
    void TearDown() override
    {
        f.TimerA.SetEnabled(false);
        f.TimerB.SetEnabled(false);
    }

    // A run whose mark steps by 2 from 0 while below 100; its cooling line stands in column 0.
    static Lauf lauf(std::span<const Aktion> drehbuch, std::span<const char* const> memo = {})
    {
        return { 0, { .feinBis = 100, .feinSchritt = 2 }, { .x = 0, .oben = 0 }, false, drehbuch, memo, { 10, 10 } };
    }

    Buehnenform f;
    wbtest::PixelCanvas haupt { 482, 14 };
    wbtest::PixelCanvas umwandlung { 482, 14 };
    XorTrace konoden;
    int markeA = 0, markeB = 0, bildA = 0, bildB = 0;
    Buehne buehne { phasefield::Projection { 0, 350 }, haupt.canvas, umwandlung.canvas, nullptr, konoden, f.Memo };
};

} // namespace

TEST_F(Engine, ATickPlaysTheActionsOfItsMarkInTheOrderOfTheTable)
{
    // Two overlapping boxes at mark 2: the blue one drawn second lies over the red one's
    // outline; mark 4 has an action of its own that mark 2 must not play.
    static constexpr auto drehbuch
        = typediagram::drehbuch(bei(2, pinsel(clRed), rahmen({ 2, 2, 6, 6 }), pinsel(clBlue), rahmen({ 4, 4, 8, 8 })),
            bei(4, pinsel(clLime), rahmen({ 9, 2, 12, 5 })));
    const Lauf l = lauf(drehbuch);
    Laeufe laeufe(buehne, { { &l, &f.Bilder, &f.TimerA, &markeA, &bildA } });
    EXPECT_FALSE(laeufe.tick(0));
    EXPECT_EQ(markeA, 2);
    EXPECT_EQ(haupt.at(3, 3), clRed);
    EXPECT_EQ(haupt.at(5, 5), clBlue) << "the second box over the first one's outline";
    EXPECT_EQ(haupt.at(10, 3), clWhite) << "mark 4's box waits for its mark";
    laeufe.tick(0);
    EXPECT_EQ(haupt.at(10, 3), clLime);
}

TEST_F(Engine, TheCoolingLineFollowsEveryMarkATickPassesAndTheSidesBelowTheirMark)
{
    // Steps of 1 below 5, then of 3 from 5 on: the tick from 4 passes 5 and lands on 8, drawing
    // the line to both; marks past 5 draw the field's sides from row 4 down.
    const Lauf l { 0, { .feinBis = 5, .feinSchritt = 1, .grobAb = 5, .grobSchritt = 3 },
        { .x = 2, .oben = 0, .seitenAb = 5, .seitenOben = 4 }, false, {}, {}, {} };
    Laeufe laeufe(buehne, { { &l, &f.Bilder, &f.TimerA, &markeA, &bildA } });
    haupt.canvas.Pen.SetColor(clBlack);
    for (int i = 0; i < 4; ++i)
        laeufe.tick(0);
    EXPECT_EQ(markeA, 4);
    EXPECT_EQ(haupt.at(2, 3), clBlack);
    EXPECT_EQ(haupt.at(2, 4), clWhite) << "the line's end point stays untouched";
    EXPECT_EQ(haupt.at(kFeldLinks, 5), clWhite);
    laeufe.tick(0);
    EXPECT_EQ(markeA, 8);
    EXPECT_EQ(haupt.at(2, 7), clBlack);
    EXPECT_EQ(haupt.at(kFeldLinks, 4), clBlack) << "the sides, for the mark 8 past 5";
    EXPECT_EQ(haupt.at(kFeldRechts, 7), clBlack);
}

TEST_F(Engine, TheEndStopsTheRunAndGivesBackTheItemsOfAlloysNotRunYet)
{
    static constexpr auto drehbuch = typediagram::drehbuch(bei(4, ende()));
    const Lauf l = lauf(drehbuch);
    Laeufe laeufe(buehne,
        { { &l, &f.Bilder, &f.TimerA, &markeA, &bildA, &f.StartA },
            { &l, &f.Bilder, &f.TimerB, &markeB, &bildB, &f.StartB } });
    laeufe.startStop(0);
    EXPECT_TRUE(f.TimerA.Enabled());
    EXPECT_FALSE(f.StartB.Enabled()) << "B waits while A runs";
    laeufe.startStop(0);
    EXPECT_FALSE(f.TimerA.Enabled()) << "the second Start/Stop pauses";
    EXPECT_FALSE(f.StartB.Enabled()) << "and B waits while A is paused";
    laeufe.startStop(0);
    EXPECT_FALSE(laeufe.tick(0));
    EXPECT_TRUE(laeufe.tick(0)) << "the end at mark 4";
    EXPECT_FALSE(f.TimerA.Enabled());
    EXPECT_FALSE(f.StartA.Enabled()) << "A has run";
    EXPECT_TRUE(f.StartB.Enabled()) << "B has not";
    laeufe.startStop(1);
    laeufe.tick(1);
    laeufe.tick(1);
    EXPECT_FALSE(f.StartA.Enabled()) << "A stays off: its mark is not at its start";
    laeufe.reset();
    EXPECT_TRUE(f.StartA.Enabled());
    EXPECT_TRUE(f.StartB.Enabled());
    EXPECT_FALSE(f.TimerB.Enabled());
}

TEST_F(Engine, TheLeverRuleWritesTheSharesAndKeepsTheTieLinesEnds)
{
    // The alloy's line at x = 25; tie lines from 10 (crystals) to 40 (melt): (40 - 25) * 100 div 30.
    static constexpr auto drehbuch = typediagram::drehbuch(
        bei(2, anteile(10, 40)), bei(4, erstarrt(10, 44)), bei(6, werte(100, 0)), bei(8, anteile(40, 10)));
    Lauf l = lauf(drehbuch);
    l.linie.x = 25;
    int links = 0, rechts = 0;
    float anteil = 0;
    Laeufe laeufe(buehne,
        { { .lauf = &l,
            .bilder = &f.Bilder,
            .timer = &f.TimerA,
            .marke = &markeA,
            .bildNr = &bildA,
            .kristalle = &f.Kristalle,
            .schmelze = &f.Schmelze,
            .konodeLinks = &links,
            .konodeRechts = &rechts,
            .anteil = &anteil } });
    struct Moment {
        const char* kristalle;
        const char* schmelze;
    };
    const Moment moments[] = {
        { "50", "50" }, { "55", "0" }, // 1900 div 34 = 55.9, truncated; the melt used up
        { "100", "0" }, { "50", "50" }, // crystals at the right: -1500 div -30
    };
    for (const Moment& m : moments) {
        laeufe.tick(0);
        EXPECT_EQ(f.Kristalle.Text().toStdString(), m.kristalle) << "mark " << markeA;
        EXPECT_EQ(f.Schmelze.Text().toStdString(), m.schmelze) << "mark " << markeA;
    }
    EXPECT_EQ(links, 40);
    EXPECT_EQ(rechts, 10);
    EXPECT_EQ(anteil, 50.0f);
}

TEST_F(Engine, PicturesMoveOnShowTheSameAgainOrAGivenFrame)
{
    static constexpr auto drehbuch
        = typediagram::drehbuch(bei(2, bild()), bei(4, bild(false)), bei(6, bild()), bei(8, bildNr(3)));
    const Lauf l = lauf(drehbuch);
    Laeufe laeufe(buehne, { { &l, &f.Bilder, &f.TimerA, &markeA, &bildA } });
    const int frames[] = { 0, 1, 1, 3 };
    const int counters[] = { 1, 1, 2, 2 };
    for (int i = 0; i < 4; ++i) {
        laeufe.tick(0);
        EXPECT_EQ(wbtest::codedFrame(haupt.at(10, 10)), frames[i]) << "mark " << markeA;
        EXPECT_EQ(bildA, counters[i]) << "mark " << markeA;
    }
}

TEST_F(Engine, ATieLineStaysUntilTheNextStepErasesIt)
{
    // Rows at 4 and 6 of a field, one erase at 8: each row's line replaces the previous one.
    static constexpr Konode rows[] = { { 4, 1, 6 }, { 6, 2, 7 } };
    static constexpr int loeschen[] = { 8 };
    static constexpr auto drehbuch
        = typediagram::drehbuch(jeZeile(rows, konodenSchritt<>), jeZeile(loeschen, loeschSchritt));
    static_assert(drehbuch.size() == 5);
    static_assert(drehbuch[2].marke == 6 && drehbuch[3].linie.to.X == 7);
    const Lauf l = lauf(drehbuch);
    Laeufe laeufe(buehne, { { &l, &f.Bilder, &f.TimerA, &markeA, &bildA } });
    umwandlung.canvas.Pen.SetMode(pmNotXor);
    umwandlung.canvas.Pen.SetColor(clBlue);
    laeufe.tick(0);
    laeufe.tick(0);
    EXPECT_EQ(umwandlung.at(3, 4), clBlue);
    laeufe.tick(0);
    EXPECT_EQ(umwandlung.at(3, 4), clWhite) << "row 4 erased";
    EXPECT_EQ(umwandlung.at(3, 6), clBlue);
    laeufe.tick(0);
    EXPECT_EQ(umwandlung.at(3, 6), clWhite) << "the last row erased at 8";
    EXPECT_TRUE(konoden.empty());
}

TEST_F(Engine, TheAlloysLinesGoIntoTheExplanation)
{
    static constexpr const char* zeilen[] = { " eins", " zwei " };
    static constexpr auto drehbuch = typediagram::drehbuch(bei(2, memo()));
    const Lauf l = lauf(drehbuch, zeilen);
    Laeufe laeufe(buehne, { { &l, &f.Bilder, &f.TimerA, &markeA, &bildA } });
    f.Memo.Lines.Add(QStringLiteral("Grundtext"));
    laeufe.tick(0);
    ASSERT_EQ(f.Memo.Lines.Count(), 3);
    EXPECT_EQ(f.Memo.Lines[2], QStringLiteral(" zwei ")) << "letter for letter, blanks included";
}

TEST_F(Engine, ARunThatWantsItDrawsTheCoolingLineAgainOverItsKeyframes)
{
    // A red box over the line's column at mark 2: with `nochmal` the black line lies on top.
    static constexpr auto drehbuch = typediagram::drehbuch(bei(2, pinsel(clRed), rahmen({ 0, 0, 4, 6 })));
    for (bool nochmal : { false, true }) {
        Lauf l = lauf(drehbuch);
        l.linie.x = 2;
        l.nochmal = nochmal;
        haupt.image.fill(0xFFFFFFFFu);
        markeA = 0;
        haupt.canvas.Pen.SetColor(clBlack);
        Laeufe laeufe(buehne, { { &l, &f.Bilder, &f.TimerA, &markeA, &bildA } });
        laeufe.tick(0);
        EXPECT_EQ(haupt.at(2, 1), nochmal ? clBlack : clRed) << (nochmal ? "again" : "once");
    }
}
