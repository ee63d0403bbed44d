// What the normalising and the quench-and-temper lessons share, on the virtual clock: F2 pausing
// and resuming the process run so that the curve goes on from its end, F2 doing nothing at every
// other time, "Löschen / Neu" after the runs, and Esc mid-run or while paused.
#include "heattreat/UnitNormal.h"
#include "heattreat/UnitVergueten.h"
#include "tests/heattreat/ProcessLessonTest.h"

#include <functional>
#include <string>
#include <vector>

using namespace wb;
using processtest::Pixel;

namespace {

constexpr TColor kGold = RGB(0xFF, 0xD7, 0x00);

// A run of the lesson besides the process run: its item, timer and length in ticks of 50 ms.
struct OtherRun {
    const char* name;
    TMenuItem* item;
    TTimer* timer;
    int ticks;
};

// What differs between the two lessons.
template <class Form> struct Lesson;

template <> struct Lesson<TFormNormal> {
    static TTimer& timer(TFormNormal& f) { return f.TimerZTA; }
    static std::vector<OtherRun> others(TFormNormal& f) { return { { "the ZTU run", &f.ZTULuftab, &f.Timer15, 73 } }; }
    static constexpr int kRunTicks = 248;
    static constexpr int kFirstX = 41; // after the first tick from (40, 300)
    static constexpr TPoint kFirstFrame = { 90, 180 }; // frame 0, shown in the first tick
    // 200 ticks: cooling at (210, 113) + 32 · (1, 2) = (242, 177); the run ends at x = 290.
    static constexpr int kPauseAt = 200;
    static constexpr int kPausedX = 242;
    static constexpr Pixel kNextStep = { 243, 178, clRed, "the next step (242, 177)–(243, 179)" };
    // A repaint while paused moves the pen to the end of the ZTU title.
    static constexpr Pixel kNoStrayLine = { 345, 150, kGold, "no line from where the repaint left the pen" };
    static constexpr int kEndX = 290;
    static constexpr int kMidRun = 100;
    static constexpr int kEscAt = 30;
};

template <> struct Lesson<TFormVergueten> {
    static TTimer& timer(TFormVergueten& f) { return f.TimerProzess; }
    static std::vector<OtherRun> others(TFormVergueten&) { return {}; }
    static constexpr int kRunTicks = 457;
    static constexpr int kFirstX = 191;
    static constexpr TPoint kFirstFrame = { 40, 220 };
    // 150 ticks: reheating at x = 321 + 36, y = 294 − 72; the run ends at x = 666.
    static constexpr int kPauseAt = 150;
    static constexpr int kPausedX = 357;
    static constexpr Pixel kNextStep = { 358, 220, clRed, "the next step (357, 222)–(358, 220)" };
    // A repaint while paused moves the pen to the end of the static picture's arrow.
    static constexpr Pixel kNoStrayLine = { 497, 270, kGold, "no line from where the repaint left the pen" };
    static constexpr int kEndX = 666;
    static constexpr int kMidRun = 120;
    static constexpr int kEscAt = 200;
};

template <class Form> class PausableLesson : public processtest::ProcessLesson<Form> {
protected:
    using L = Lesson<Form>;
    using processtest::ProcessLesson<Form>::f;

    bool pressF2() { return f.pressKey(VK_F2); }
    TTimer& timer() { return L::timer(f); }
    int x() const { return f.moduleState().ProzessX; }
    // Every timer of the form is stopped.
    void expectStopped()
    {
        EXPECT_FALSE(timer().Enabled());
        for (const OtherRun& o : L::others(f))
            EXPECT_FALSE(o.timer->Enabled()) << o.name;
    }
    // The start items, F2 and the form are enabled.
    void expectIdle()
    {
        EXPECT_TRUE(f.Enabled());
        EXPECT_TRUE(f.Austenitisierung.Enabled());
        EXPECT_TRUE(f.Prozessanhalten.Enabled());
        for (const OtherRun& o : L::others(f))
            EXPECT_TRUE(o.item->Enabled()) << o.name;
    }
};

struct Names {
    template <class Form> static std::string GetName(int)
    {
        return std::is_same_v<Form, TFormNormal> ? "Normal" : "Vergueten";
    }
};

using Lessons = ::testing::Types<TFormNormal, TFormVergueten>;
TYPED_TEST_SUITE(PausableLesson, Lessons, Names);

} // namespace

TYPED_TEST(PausableLesson, F2PausesAndResumesAndTheCurveGoesOnFromItsEnd)
{
    using L = Lesson<TypeParam>;
    auto& f = this->f;
    f.Austenitisierung.Click();
    this->ticks(L::kPauseAt);
    ASSERT_EQ(this->x(), L::kPausedX);
    EXPECT_TRUE(this->pressF2());
    EXPECT_FALSE(this->timer().Enabled()) << "paused";
    EXPECT_FALSE(f.Enabled()) << "still locked: only F2 and Esc reach it";
    this->ticks(200);
    EXPECT_EQ(this->x(), L::kPausedX);
    f.Refresh();
    Application.flushPendingPaints();
    EXPECT_TRUE(this->pressF2());
    EXPECT_TRUE(this->timer().Enabled()) << "resumed";
    this->ticks(1);
    EXPECT_TRUE(this->shows(f.PaintBoxHaupt, L::kNextStep));
    EXPECT_TRUE(this->shows(f.PaintBoxHaupt, L::kNoStrayLine));
    this->ticks(L::kRunTicks - L::kPauseAt - 1);
    EXPECT_FALSE(this->timer().Enabled());
    EXPECT_TRUE(f.Enabled());
    EXPECT_EQ(this->x(), L::kEndX) << "the paused ticks are not lost: the run's ticks in all";
}

TYPED_TEST(PausableLesson, F2DoesNothingWithoutAProcessRunUnderWay)
{
    using L = Lesson<TypeParam>;
    auto& f = this->f;
    struct Case {
        std::string when;
        std::function<void()> before;
    };
    std::vector<Case> cases = {
        { "on a fresh form", [] {} },
        { "after a finished process run",
            [&] {
                f.Austenitisierung.Click();
                this->ticks(L::kRunTicks);
            } },
        { "after Löschen / Neu mid-run",
            [&] {
                f.Austenitisierung.Click();
                this->ticks(L::kMidRun);
                f.NEU.Click();
            } },
        { "after Löschen / Neu after a run",
            [&] {
                f.Austenitisierung.Click();
                this->ticks(L::kRunTicks);
                f.NEU.Click();
            } },
        { "after closing mid-run",
            [&] {
                f.Austenitisierung.Click();
                this->ticks(L::kMidRun);
                f.pressKey(VK_ESCAPE);
                f.Show();
                Application.flushPendingPaints();
            } },
    };
    for (const OtherRun& o : L::others(f))
        cases.push_back({ std::string("after ") + o.name, [&f, this, o] {
                             o.item->Click();
                             this->ticks(o.ticks);
                         } });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.when);
        c.before();
        const QImage before = this->picture().copy();
        const int x = this->x();
        const bool enabled = f.Enabled();
        this->pressF2();
        EXPECT_EQ(f.Enabled(), enabled) << "the form stays as it was";
        EXPECT_TRUE(f.Enabled());
        this->ticks(300);
        this->expectStopped();
        EXPECT_EQ(this->x(), x);
        EXPECT_TRUE(this->picture() == before) << "nothing is drawn";
        f.NEU.Click();
    }
}

TYPED_TEST(PausableLesson, LoeschenNeuAfterTheRunsErasesAndEnablesTheItems)
{
    using L = Lesson<TypeParam>;
    auto& f = this->f;
    f.Austenitisierung.Click();
    this->ticks(L::kRunTicks);
    for (const OtherRun& o : L::others(f)) {
        o.item->Click();
        this->ticks(o.ticks);
    }
    f.NEU.Click();
    EXPECT_TRUE(this->showsOpenedPicture());
    this->expectIdle();
    f.Austenitisierung.Click();
    this->ticks(1);
    EXPECT_EQ(this->x(), L::kFirstX) << "a new run from the beginning";
    EXPECT_TRUE(this->showsFrame(0, L::kFirstFrame.X, L::kFirstFrame.Y));
    EXPECT_TRUE(this->pressF2()) << "F2 pauses the new run";
    EXPECT_FALSE(this->timer().Enabled());
}

TYPED_TEST(PausableLesson, EscMidEveryRunClosesAndTheNextOpeningStartsIdle)
{
    using L = Lesson<TypeParam>;
    auto& f = this->f;
    std::vector<OtherRun> runs = { { "the process run", &f.Austenitisierung, &this->timer(), L::kEscAt } };
    for (const OtherRun& o : L::others(f))
        runs.push_back({ o.name, o.item, o.timer, L::kEscAt });
    for (const OtherRun& run : runs) {
        SCOPED_TRACE(run.name);
        run.item->Click();
        this->ticks(run.ticks);
        EXPECT_TRUE(f.pressKey(VK_ESCAPE)) << "Esc works while the form is locked";
        EXPECT_FALSE(f.Visible());
        this->expectIdle();
        this->expectStopped();
        this->ticks(300);
        f.Show();
        Application.flushPendingPaints();
        EXPECT_TRUE(this->showsOpenedPicture());
    }
}

TYPED_TEST(PausableLesson, EscWhilePausedClosesToo)
{
    auto& f = this->f;
    f.Austenitisierung.Click();
    this->ticks(50);
    this->pressF2();
    EXPECT_TRUE(f.pressKey(VK_ESCAPE));
    EXPECT_FALSE(f.Visible());
    EXPECT_TRUE(f.Enabled());
    EXPECT_FALSE(this->timer().Enabled());
    f.Show();
    Application.flushPendingPaints();
    this->pressF2();
    this->ticks(10);
    EXPECT_FALSE(this->timer().Enabled()) << "the closed run cannot be resumed";
}
