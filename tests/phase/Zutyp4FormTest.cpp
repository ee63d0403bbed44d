// The type 4 lesson driven directly: the inset's item, and two alloys' lines on one diagram.
#include "phase/UnitZutyp4.h"
#include "tests/phase/LessonMoments.h"
#include "tests/support/Program.h"

using namespace wb;

namespace {

class ZuTyp4 : public wbtest::LessonTest<TFormZuTyp4> {
protected:
    TColor at(int x, int y) { return LessonTest::at(f.PaintBoxHaupt, x, y); }
};

} // namespace

// The frames of L1 and of the inset in order are checked by the table of the type lessons; the
// inset's item is the lesson's own.
TEST_F(ZuTyp4, TheInsetsItemIsOffAfterItsSeventeenFramesUntilLoeschenNeu)
{
    ASSERT_TRUE(f.AinB.Click());
    for (int t = 0; t < 17; ++t) {
        EXPECT_TRUE(f.TimerAinB.Enabled()) << "tick " << t + 1;
        Scheduler::instance().advance(100);
    }
    EXPECT_FALSE(f.TimerAinB.Enabled());
    EXPECT_FALSE(f.AinB.Enabled());
    EXPECT_FALSE(f.AinB.Click()) << "until Löschen/Neu";
    ASSERT_TRUE(f.Neu.Click());
    EXPECT_TRUE(f.AinB.Enabled());
    EXPECT_EQ(f.moduleState().BildNrAinB, 0);
}

TEST_F(ZuTyp4, L1AndL2LeaveTheirPermanentLinesOnOneDiagram)
{
    for (auto [start, timer] : { std::pair { &f.StartL1, &f.TimerL1 }, std::pair { &f.StartL2, &f.TimerL2 } }) {
        ASSERT_TRUE(start->Click());
        for (int t = 0; t < 100 && timer->Enabled(); ++t)
            Scheduler::instance().advance(100);
    }
    EXPECT_EQ(at(150, 88), clBlue) << "L1's line to the liquidus at 88";
    EXPECT_EQ(at(150, 132), clPurple) << "L2's at 132";
    EXPECT_EQ(at(204, 300), clBlue) << "L1's cooling line";
    EXPECT_EQ(at(296, 300), clPurple) << "L2's cooling line";
    EXPECT_TRUE(f.moduleState().Konoden.empty()) << "each run erased its last tie line";
}
