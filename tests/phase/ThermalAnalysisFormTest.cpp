// The two thermal-analysis forms on their own: menu, memo, the static picture as opened, and a
// run on the virtual clock with the form's own timers.
#include "framework/Application.h"
#include "phase/UnitAbZUTYP1.h"
#include "phase/UnitAbZUTYP2.h"
#include "tests/support/Program.h"

using namespace wb;

namespace {

template <class Form> class ThermalForm : public wbtest::LessonTest<Form> {
protected:
    TColor at(int x, int y) { return this->LessonTest::at(this->f.PaintBoxHaupt, x, y); }
};

class AbZuTyp1 : public ThermalForm<TFormAbZuTyp1> { };
class AbZuTyp2 : public ThermalForm<TFormAbZuTyp2> { };

} // namespace

TEST_F(AbZuTyp1, MenuBarHoldsEndeAndStartWithEscHidden)
{
    EXPECT_TRUE(wbtest::menuIs(
        f, { { "Ende", "&Ende" }, { "Start", "&Start" }, { "ESCAPEDOWN", "ESC = Abbruch", "Esc", false } }));
}

TEST_F(AbZuTyp1, MemoHoldsItsFiveLinesAndScrolls)
{
    const TMemo& m = f.MemoErlaeuterung;
    ASSERT_EQ(m.Lines.Count(), 5);
    EXPECT_EQ(m.Lines[0].left(38), QStringLiteral(" Mit dem Verfahren der thermischen Ana"));
    EXPECT_EQ(m.Lines[2],
        QStringLiteral(" Bei der lückenlosen Mischkristallreihe sind die Erstarrungspunkte der reinen "
                       "Komponenten A und B "))
        << "ends with a blank";
    // Five lines of 18 pixels in a memo 100 pixels high: a vertical scroll bar keeps the last
    // one readable should a line wrap.
    EXPECT_EQ(m.ScrollBars(), ssVertical);
    EXPECT_TRUE(m.ReadOnly());
    EXPECT_EQ(m.Font.Height(), 18);
    EXPECT_EQ(m.Font.Color(), clBlack);
    EXPECT_EQ(m.BoundsRect(), QRect(5, 415, 765, 100));
    EXPECT_EQ(f.PaintBoxHaupt.BoundsRect(), QRect(5, 5, 765, 410));
}

TEST_F(AbZuTyp2, MemoLineFourEndsWithABlank)
{
    const TMemo& m = f.MemoErlaeuterung;
    ASSERT_EQ(m.Lines.Count(), 5);
    EXPECT_TRUE(m.Lines[3].endsWith(QStringLiteral("besitzen in ihren ")));
    EXPECT_EQ(m.Lines[4],
        QStringLiteral(" Abkühlungskurven nur einen Haltepunkt. Alle anderen Legierungen erstarren über einen "
                       "Temperaturbereich."));
}

TEST_F(AbZuTyp1, OpensWithTheStaticPictureAndRunsOnItsOwnTimers)
{
    // The right panel is outlined in the colour of band row 420, below the box: (65, 0, 0).
    EXPECT_EQ(at(420, 200), RGB(65, 0, 0));
    EXPECT_EQ(at(600, 200), clWhite);
    EXPECT_EQ(at(300, 200), RGB(255, 125, 0));

    f.Start.Click();
    EXPECT_FALSE(f.Enabled());
    EXPECT_TRUE(f.Timer1.Enabled());
    Scheduler::instance().advance(1314);
    EXPECT_TRUE(f.Enabled());
    EXPECT_TRUE(f.Ende.Enabled());
    EXPECT_FALSE(f.Start.Enabled()) << "until the form is left by Ende or Esc";
    EXPECT_EQ(at(655, 210), clRed); // the two-phase field
    EXPECT_EQ(at(449, 300), clRed); // the frame

    f.ESCAPEDOWN.Click();
    EXPECT_FALSE(f.Visible());
    EXPECT_TRUE(f.Start.Enabled());
    EXPECT_TRUE(f.Ende.Enabled());
}

TEST_F(AbZuTyp2, OpensWithAWhiteRightPanelAndLabels)
{
    // Type 2 whitens the right panel before the bands: no dark outline at x = 420.
    EXPECT_EQ(at(420, 200), clWhite);
    EXPECT_EQ(at(380, 355), RGB(0xC8, 0, 0)); // the "Zeit" cell
    EXPECT_EQ(at(570, 200), clBlack); // the L2 composition line
}
