// The conventions every lesson form shares, tested once on the base: size and centring, the
// look, the "Text ja/nein" toggle and the run lock that closing lifts.
#include "framework/LessonForm.h"

#include "framework/FormAccess.h"
#include "framework/FormWindow.h"
#include "framework/Menus.h"
#include "framework/SurfaceWidget.h"
#include "framework/Timers.h"
#include "tests/support/Harness.h"

using namespace wb;
using wbtest::events;

namespace {

// A lesson in miniature, written as lessons are: an explanation behind F1, a start item that
// locks the form for a run of five ticks, close-only items, and a FormClose that lifts the lock
// and hides the text again.
class TTestLesson : public TLessonForm {
public:
    explicit TTestLesson(Centring centring = Centring::OnCreate, int height = 600)
        : TLessonForm(QStringLiteral("TestLesson"),
            { .caption = QStringLiteral("Probe "), .height = height, .centring = centring, .status = status::S2 })
    {
        MemoErlaeuterung.SetBounds(5, 5, 200, 300);
        MemoErlaeuterung.SetVisible(false);
        PaintBoxHaupt.SetBounds(210, 5, 100, 100);
    }

    TMemo MemoErlaeuterung { this, QStringLiteral("MemoErlaeuterung") };
    TPaintBox PaintBoxHaupt { this, QStringLiteral("PaintBoxHaupt"), &TTestLesson::PaintBoxHauptPaint };
    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem Text { MainMenu1, QStringLiteral("Text"), QStringLiteral("&Text ja/nein"), &TTestLesson::TextClick,
        VK_F1 };
    TMenuItem Start { MainMenu1, QStringLiteral("Start"), QStringLiteral("&Start"), &TTestLesson::StartClick };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };
    TTimer TimerHaupt { this, QStringLiteral("TimerHaupt"), &TTestLesson::TimerHauptTimer, 50 };
    int ticks = 0;
    int paints = 0;
    int closes = 0;

private:
    void FormClose() override
    {
        ++closes;
        StopTimers();
        UnlockRun({ &Start });
        MemoErlaeuterung.SetVisible(false);
    }
    void PaintBoxHauptPaint() { ++paints; }
    void TextClick() { ToggleText(MemoErlaeuterung); }
    void StartClick()
    {
        TimerHaupt.SetEnabled(true);
        LockRun({ &Start });
    }
    void TimerHauptTimer()
    {
        if (++ticks < 5)
            return;
        TimerHaupt.SetEnabled(false);
        UnlockRun({ &Start });
    }
};

QRect bounds(const TForm& f)
{
    return QRect(f.Left(), f.Top(), f.Width(), f.Height());
}

class LessonForms : public ::testing::Test {
protected:
    void SetUp() override { wbtest::resetApplication(); }
    void TearDown() override { Screen.setSize(1024, 768); }
};

} // namespace

TEST_F(LessonForms, CreationSizesAndCentresOnTheScreenTruncatingTowardZero)
{
    struct Case {
        int screenW, screenH, height;
        int left, top;
    };
    const Case cases[] = {
        { 1024, 768, 600, 112, 84 }, // (1024 - 800) / 2, (768 - 600) / 2
        { 800, 600, 600, 0, 0 }, // the form fills the small screen
        { 1024, 768, 605, 112, 81 }, // 163 / 2 = 81.5 truncates to 81
        { 640, 480, 605, -80, -62 }, // -125 / 2 = -62.5 truncates toward zero, not down to -63
    };
    for (const Case& c : cases) {
        Screen.setSize(c.screenW, c.screenH);
        TTestLesson f(Centring::OnCreate, c.height);
        FormAccess::create(f);
        EXPECT_EQ(bounds(f), QRect(c.left, c.top, 800, c.height)) << c.screenW << "x" << c.screenH;
    }
}

TEST_F(LessonForms, CreationCentredFormStaysWhereItIsMovedAcrossRepaints)
{
    TTestLesson f;
    FormAccess::create(f);
    f.Show();
    f.SetLeft(5);
    f.Refresh();
    EXPECT_EQ(f.Left(), 5);
    f.Hide();
}

TEST_F(LessonForms, PaintCentredFormSnapsBackToTheCentreAtEveryRepaint)
{
    TTestLesson f(Centring::OnPaint);
    FormAccess::create(f);
    EXPECT_EQ(f.Left(), 0) << "placed only by its first paint";
    f.Show();
    Application.flushPendingPaints();
    EXPECT_EQ(bounds(f), QRect(112, 84, 800, 600));
    f.SetBounds(3, 4, 500, 400);
    f.Refresh();
    EXPECT_EQ(bounds(f), QRect(112, 84, 800, 600));
    Screen.setSize(800, 600);
    f.Refresh();
    EXPECT_EQ(bounds(f), QRect(0, 0, 800, 600));
    f.Hide();
}

TEST_F(LessonForms, LookGivesCaptionColourFontBorderAndStatusBar)
{
    TTestLesson f;
    FormAccess::create(f);
    EXPECT_EQ(f.Caption(), QStringLiteral("Probe ")) << "the trailing blank belongs to the caption";
    EXPECT_EQ(f.Color(), RGB(0xD3, 0x05, 0x62));
    EXPECT_EQ(f.Font.Name(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(f.Font.Height(), -11);
    EXPECT_EQ(f.BorderStyle(), bsToolWindow);
    // 800 x 600 tool window with a menu bar: 792 x 554, the status bar its lowest 18 rows.
    EXPECT_EQ(f.StatusBarHint.BoundsRect(), QRect(0, 554 - 18, 792, 18));
    EXPECT_EQ(f.StatusBarHint.SimpleText(),
        QStringLiteral("Drücken Sie F1 um den begleitenden Text ein- oder auszublenden / ESC = Abbruch"));
    EXPECT_EQ(f.StatusBarHint.Color(), clSilver);
    EXPECT_TRUE(f.StatusBarHint.Font.Bold());
    EXPECT_EQ(f.StatusBarHint.Font.Height(), -13);
}

TEST_F(LessonForms, F1ShowsAndHidesTheTextAndReopeningStartsHidden)
{
    TTestLesson f;
    FormAccess::create(f);
    std::vector<bool> seen;
    auto look = [&] { seen.push_back(f.MemoErlaeuterung.Visible()); };
    events().actions.push_back(look);
    events().actions.push_back([&] { f.pressKey(VK_F1); });
    events().actions.push_back(look);
    events().actions.push_back([&] { f.pressKey(VK_F1); });
    events().actions.push_back(look);
    events().actions.push_back([&] { f.pressKey(VK_F1); });
    events().actions.push_back(look);
    events().actions.push_back([&] { f.pressKey(VK_ESCAPE); });
    f.ShowModal();
    EXPECT_EQ(seen, (std::vector<bool> { false, true, false, true }));
    events().actions.push_back(look);
    events().actions.push_back([&] { f.pressKey(VK_ESCAPE); });
    f.ShowModal();
    EXPECT_FALSE(seen.back()) << "closing hid the text that was shown";
}

TEST_F(LessonForms, EscClosesALockedFormWhichReopensUsable)
{
    TTestLesson f;
    FormAccess::create(f);
    bool lockedForMouse = false, closeBoxRefused = false;
    events().actions.push_back([&] { f.Start.Click(); });
    events().actions.push_back([&] {
        Scheduler::instance().advance(100);
        lockedForMouse = !f.Enabled() && !f.Start.Enabled() && !f.acceptsMouse();
        closeBoxRefused = !f.closeBox();
        f.pressKey(VK_ESCAPE); // the hidden item's shortcut still reaches a disabled form
    });
    f.ShowModal();
    EXPECT_TRUE(lockedForMouse);
    EXPECT_TRUE(closeBoxRefused);
    EXPECT_FALSE(f.Visible());
    EXPECT_FALSE(f.TimerHaupt.Enabled());
    EXPECT_EQ(f.ticks, 2);
    Scheduler::instance().advance(500);
    EXPECT_EQ(f.ticks, 2) << "closing stopped the run";

    bool usable = false;
    events().actions.push_back([&] {
        usable = f.Enabled() && f.Start.Enabled() && f.acceptsMouse();
        f.pressKey(VK_ESCAPE);
    });
    f.ShowModal();
    EXPECT_TRUE(usable);
}

TEST_F(LessonForms, TheRunsLastTickLiftsTheLock)
{
    TTestLesson f;
    FormAccess::create(f);
    std::vector<bool> enabled;
    events().actions.push_back([&] { f.Start.Click(); });
    events().actions.push_back([&] {
        Scheduler::instance().advance(200); // four ticks: still running
        enabled.push_back(f.Enabled());
        Scheduler::instance().advance(50); // the fifth and last tick
        enabled.push_back(f.Enabled());
        enabled.push_back(f.Start.Enabled());
        f.pressKey(VK_ESCAPE);
    });
    f.ShowModal();
    EXPECT_EQ(enabled, (std::vector<bool> { false, true, true }));
    EXPECT_FALSE(f.TimerHaupt.Enabled());
}

TEST_F(LessonForms, HandlersGivenAtTheDeclarationRunOnTheirEvents)
{
    TTestLesson f;
    FormAccess::create(f);
    f.Show();
    Application.flushPendingPaints();
    EXPECT_EQ(f.paints, 1) << "the paint box's handler ran with the form's repaint";
    f.Start.Click();
    EXPECT_TRUE(f.TimerHaupt.Enabled()) << "the start item's handler";
    Scheduler::instance().advance(5 * 50);
    EXPECT_EQ(f.ticks, 5) << "the timer's handler, once a tick";
    EXPECT_FALSE(f.TimerHaupt.Enabled());
}

TEST_F(LessonForms, CloseOnlyItemsCloseTheFormThroughItsFormClose)
{
    for (const char* item : { "Ende", "ESCAPE" }) {
        SCOPED_TRACE(item);
        TTestLesson f;
        FormAccess::create(f);
        f.Show();
        f.Text.Click();
        ASSERT_TRUE(f.MemoErlaeuterung.Visible());
        ASSERT_TRUE(f.findMenuItem(QString::fromLatin1(item))->Click());
        EXPECT_FALSE(f.Visible());
        EXPECT_EQ(f.closes, 1);
        EXPECT_FALSE(f.MemoErlaeuterung.Visible()) << "FormClose ran";
    }
}

TEST_F(LessonForms, TheRunLockShowsTheBusyCursorUntilItLifts)
{
    TTestLesson f;
    FormAccess::create(f);
    std::vector<bool> busy;
    std::vector<Qt::CursorShape> shapes;
    auto look = [&] {
        busy.push_back(f.Busy());
        shapes.push_back(FormAccess::window(f)->client()->cursor().shape());
    };
    events().actions.push_back([&] {
        look(); // idle
        f.Start.Click();
        look(); // locked
        Scheduler::instance().advance(250); // the run's last tick lifts the lock
        look();
        f.Start.Click();
        look(); // locked again; Esc closes and lifts it
        f.pressKey(VK_ESCAPE);
        look();
    });
    f.ShowModal();
    EXPECT_EQ(busy, (std::vector<bool> { false, true, false, true, false }));
    EXPECT_EQ(shapes,
        (std::vector<Qt::CursorShape> {
            Qt::ArrowCursor, Qt::BusyCursor, Qt::ArrowCursor, Qt::BusyCursor, Qt::ArrowCursor }));
}
