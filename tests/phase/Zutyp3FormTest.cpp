// The type 3 lesson driven directly: the picture counters of the alloys whose frames repeat, and
// the start items once every alloy has run.
#include "phase/UnitZutyp3.h"
#include "tests/phase/LessonMoments.h"
#include "tests/support/Program.h"

using namespace wb;
using wbtest::runToEnd;

namespace {

class ZuTyp3 : public wbtest::LessonTest<TFormZuTyp3> {
protected:
    TColor at(int x, int y) { return LessonTest::at(f.PaintBoxHaupt, x, y); }
};

} // namespace

// The frames of L2 and L4 in order are checked by the table of the type lessons; what a frame
// shown twice does to the counter is the lesson's own.
TEST_F(ZuTyp3, AFrameShownTwiceLeavesTheCounterWhereItWas)
{
    runToEnd(f.StartL2, f.TimerL2);
    EXPECT_EQ(f.moduleState().BildNrL2, 29) << "the last frame, shown at 355 and 371, is 29 and stays";
    runToEnd(f.StartL4, f.TimerL4);
    EXPECT_EQ(f.moduleState().BildNrL4, 22) << "frame 19 at 343 and 351 takes one step of the counter";
}

TEST_F(ZuTyp3, AfterEveryAlloyHasRunNoStartItemIsOnUntilLoeschenNeu)
{
    runToEnd(f.StartL1, f.TimerL1);
    runToEnd(f.StartL2, f.TimerL2);
    // L3 runs the tie lines L2 drew for good below the eutectic: its NOT-XOR lines cross them
    // and erase only themselves, so L2's final line at 369 is still there after L3.
    runToEnd(f.StartL3, f.TimerL3);
    EXPECT_EQ(at(200, 369), clGreen) << "L3's own end line over L2's";
    runToEnd(f.StartL4, f.TimerL4);
    for (const TMenuItem* i : { &f.StartL1, &f.StartL2, &f.StartL3, &f.StartL4 })
        EXPECT_FALSE(i->Enabled()) << i->Name().toStdString();
    EXPECT_TRUE(f.moduleState().Konoden.empty()) << "every run erased its last tie line";
    ASSERT_TRUE(f.Neu.Click());
    for (const TMenuItem* i : { &f.StartL1, &f.StartL2, &f.StartL3, &f.StartL4 })
        EXPECT_TRUE(i->Enabled()) << i->Name().toStdString();
    EXPECT_EQ(f.moduleState().MarkeL4, 19);
}
