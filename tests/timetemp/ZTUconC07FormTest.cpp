// The continuous ZTU lesson at 0.70 % C as a form: components and menu with the read-only text,
// every run through the headless driver at its last locked and first finished tick with its
// markers and label, runs in either order, "Löschen / Neu" during and after runs, Esc during a run.
#include "framework/FormAccess.h"
#include "tests/support/Program.h"
#include "timetemp/UnitZTUconC07.h"

#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

using namespace wb;
using wbtest::Script;
using wbtest::StateView;

namespace {

// PaintBoxLog lies at (405, 161) of the client area, PaintBoxHaupt at (5, 5).
QPoint logPixel(int x, int y)
{
    return { x + 405, y + 161 };
}
QPoint hauptPixel(int x, int y)
{
    return { x + 5, y + 5 };
}

const char* const kItems[] = { "VGleich", "V004", "V5", "V40", "V60", "V600" };
const char* const kTimers[] = { "TimerGleich", "Timer004", "Timer5", "Timer40", "Timer60", "Timer600" };

// Idle: the form enabled, the six rate items enabled, no timer running, both memos hidden.
::testing::AssertionResult idle(const StateView& s)
{
    if (!s.enabled())
        return ::testing::AssertionFailure() << "the form is locked";
    for (const char* item : kItems)
        if (!s.itemEnabled(item))
            return ::testing::AssertionFailure() << item << " is disabled";
    for (const char* timer : kTimers)
        if (s.timerEnabled(timer))
            return ::testing::AssertionFailure() << timer << " runs";
    for (const char* memo : { "MemoT", "MemoErlaeuterung" })
        if (s.visible(memo))
            return ::testing::AssertionFailure() << memo << " is shown";
    return ::testing::AssertionSuccess();
}

class ZTUcon07Form : public ::testing::Test {
protected:
    void SetUp() override { wbtest::resetApplication(); }
    void TearDown() override { wbtest::resetApplication(); }
};

} // namespace

TEST_F(ZTUcon07Form, ComponentsMenuAndTimersAsDescribed)
{
    TFormZTUcon07 f;
    FormAccess::create(f);
    EXPECT_EQ(f.PaintBoxHaupt.BoundsRect(), QRect(5, 5, 750, 500));
    EXPECT_EQ(f.PaintBoxHaupt.Color(), RGB(0x76, 0x02, 0x86));
    EXPECT_EQ(f.PaintBoxLog.BoundsRect(), QRect(405, 161, 348, 274));
    EXPECT_EQ(f.MemoErlaeuterung.BoundsRect(), QRect(0, 0, 365, 410));
    EXPECT_EQ(f.MemoErlaeuterung.Font.Height(), 18);
    EXPECT_EQ(f.MemoErlaeuterung.widget()->focusPolicy(), Qt::ClickFocus) << "not a tab stop";
    ASSERT_EQ(f.MemoErlaeuterung.Lines.Count(), 25);
    EXPECT_EQ(f.MemoErlaeuterung.Lines[20], QStringLiteral(" Bei einer mittleren Abkühlgeschwindigkeit von v = 600°C "))
        << "the rate without /s is the lesson's own text";
    // Twenty-five lines of 18 pixels do not fit 410 pixels: the text scrolls.
    EXPECT_EQ(f.MemoErlaeuterung.ScrollBars(), ssBoth);
    EXPECT_EQ(f.MemoT.BoundsRect(), QRect(0, 411, 365, 110));
    EXPECT_EQ(f.MemoT.Font.Height(), 18);
    // The table is wider and taller than its place: it scrolls both ways instead of losing a column.
    EXPECT_EQ(f.MemoT.ScrollBars(), ssBoth);
    EXPECT_FALSE(f.MemoT.WordWrap());
    ASSERT_EQ(f.MemoT.Lines.Count(), 7);
    EXPECT_EQ(f.MemoT.Lines[0],
        QStringLiteral(" Geschwindigkeit (°C/s)        600       60       40          5         0.04"));
    for (const TTimer* t : { &f.TimerGleich, &f.Timer004, &f.Timer5, &f.Timer40, &f.Timer60, &f.Timer600 }) {
        EXPECT_EQ(t->Interval(), 50) << t->Name().toStdString();
        EXPECT_FALSE(t->Enabled()) << t->Name().toStdString();
    }
    EXPECT_TRUE(wbtest::menuIs(f,
        {
            { "Datei", "&Datei" },
            { "NEU", "Löschen / Neu" },
            { "Text", "Text ja/nein", "F1" },
            { "Tabelle", "Tabelle Gefügeanteile ja/nein" },
            { "ESCAPE", "ESCAPE", "Esc", false },
            { "Ende", "&Ende" },
            { "VGleich", "&Gleichgewicht" },
            { "V004", "v = &0.04°C/s" },
            { "V5", "v = &5°C/s" },
            { "V40", "v = &40°C/s" },
            { "V60", "v = &60°C/s" },
            { "V600", "v = 600°C/&s" },
        }));
}

TEST_F(ZTUcon07Form, TheLessonTextIsReadOnlyLikeEveryOther)
{
    // A text the student could type into would stay changed for the rest of the session.
    TFormZTUcon07 f;
    FormAccess::create(f);
    EXPECT_TRUE(f.MemoErlaeuterung.ReadOnly());
    const QString before = f.MemoErlaeuterung.Lines[0];
    f.Show();
    f.MemoErlaeuterung.SetVisible(true);
    QWidget* w = f.MemoErlaeuterung.widget();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->property("readOnly").toBool()) << "the widget takes no typing";
    f.Hide();
    EXPECT_EQ(f.MemoErlaeuterung.Lines[0], before);
}

namespace {

// One run: its ticks at 50 ms, its marker boxes on PaintBoxLog (the last of each numeric run but
// the fastest is white), its label's first pixel and the canvas it is written on.
struct RunCase {
    const char* item;
    const char* timer;
    int ticks;
    bool showsTable;
    std::vector<QRect> markers; // (x1, y1) and (x2, y2) of the Ellipse box as left, top, right, bottom
    QPoint label; // client coordinates
    TColor labelColor;
};

// clang-format off
const RunCase kRuns[] = {
    { "V004", "Timer004", 165, true, { QRect(QPoint(233, 26), QPoint(239, 32)), QRect(QPoint(235, 30), QPoint(241, 36)),
        QRect(QPoint(238, 35), QPoint(244, 41)) }, logPixel(246, 231), clBlue },
    { "V5", "Timer5", 115, true, { QRect(QPoint(114, 38), QPoint(120, 44)), QRect(QPoint(118, 42), QPoint(124, 48)),
        QRect(QPoint(133, 47), QPoint(139, 53)) }, logPixel(178, 208), clBlue },
    { "V40", "Timer40", 54, true, { QRect(QPoint(71, 55), QPoint(77, 61)), QRect(QPoint(89, 73), QPoint(95, 79)) },
        logPixel(143, 235), clBlue },
    { "V60", "Timer60", 53, true, { QRect(QPoint(65, 64), QPoint(71, 70)), QRect(QPoint(88, 104), QPoint(94, 110)),
        QRect(QPoint(112, 184), QPoint(118, 190)) }, logPixel(105, 258), clBlue },
    { "V600", "Timer600", 27, true, { QRect(QPoint(59, 194), QPoint(65, 200)) }, logPixel(17, 236), clBlue },
    // The equilibrium run's result is written on PaintBoxHaupt, " 87 % Perlit " white on purple.
    { "VGleich", "TimerGleich", 164, false, { QRect(QPoint(316, 20), QPoint(322, 26)), QRect(QPoint(322, 26),
        QPoint(328, 32)) }, hauptPixel(414, 124), clPurple },
};
// clang-format on

} // namespace

TEST_F(ZTUcon07Form, EachRunEndsAtItsTickWithItsMarkersAndLabelAndItsItemOff)
{
    for (const RunCase& c : kRuns) {
        SCOPED_TRACE(c.item);
        Script s { "skip-cover", "menu ZTUcon07" };
        s << std::string("menu ") + c.item << "advance " + std::to_string((c.ticks - 1) * 50);
        const int before = s.state("FormZTUcon07");
        const int labelBefore = s.pixel(c.label);
        s << "advance 50";
        const int after = s.state("FormZTUcon07");
        const int label = s.pixel(c.label);
        // Inside a 6-pixel box, one left of its middle: the next line of the curve starts where
        // the last one ended, inside the box, and its round cap of the 3-pixel pen may cover the
        // middle itself.
        std::vector<int> fills;
        for (const QRect& m : c.markers)
            fills.push_back(s.pixel(logPixel(m.left() + 2, m.top() + 3)));
        s.run();
        ASSERT_EQ(s.code(), 0) << s.err();
        const StateView b = s.stateView(before), a = s.stateView(after);
        EXPECT_TRUE(b.timerEnabled(c.timer)) << "one tick before its end the run goes on";
        EXPECT_FALSE(b.enabled()) << "locked while it runs";
        EXPECT_FALSE(b.itemEnabled(c.item));
        EXPECT_NE(s.color(labelBefore), c.labelColor) << "no label before the last tick";
        EXPECT_FALSE(a.timerEnabled(c.timer)) << "over at its last tick";
        EXPECT_TRUE(a.enabled());
        EXPECT_FALSE(a.itemEnabled(c.item)) << "a finished rate waits for Löschen / Neu";
        EXPECT_EQ(a.visible("MemoT"), c.showsTable);
        for (const char* other : kItems) {
            if (std::string(other) != c.item) {
                EXPECT_TRUE(a.itemEnabled(other)) << other;
            }
        }
        EXPECT_EQ(colorToHex(s.color(label)), colorToHex(c.labelColor)) << "the label's first pixel";
        for (size_t i = 0; i < fills.size(); ++i) {
            const bool white = i + 1 == fills.size() && std::string(c.item) != "V600";
            EXPECT_EQ(colorToHex(s.color(fills[i])), colorToHex(white ? clWhite : clBlack)) << "marker " << i;
        }
    }
}

TEST_F(ZTUcon07Form, EquilibriumContinuesA3AndA1FromTheSteelsLineAcrossTheZtuPanel)
{
    Script s { "skip-cover", "menu ZTUcon07", "menu VGleich", "advance 9000" };
    // Dashed from x = 148 with the pen black after the repaint: at 600 (452 in, 452 mod 24 = 20)
    // a gap filled white, at 604 (456 mod 24 = 0) a dash.
    const int gap178 = s.pixel(hauptPixel(600, 178)), dash178 = s.pixel(hauptPixel(604, 178));
    const int gap184 = s.pixel(hauptPixel(600, 184)), dash184 = s.pixel(hauptPixel(604, 184));
    const int box = s.pixel(hauptPixel(540, 100)); // inside the purple box (414, 56)–(546, 110)
    const int ferrit = s.pixel(hauptPixel(414, 138)); // " 13 % Ferrit "
    const int st = s.state("FormZTUcon07");
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    EXPECT_EQ(s.color(gap178), clWhite);
    EXPECT_EQ(s.color(dash178), clBlack);
    EXPECT_EQ(s.color(gap184), clWhite);
    EXPECT_EQ(s.color(dash184), clBlack);
    EXPECT_EQ(s.color(box), clPurple);
    EXPECT_EQ(s.color(ferrit), clPurple);
    EXPECT_FALSE(s.stateView(st).visible("MemoT")) << "the equilibrium run leaves the table as it was";
}

TEST_F(ZTUcon07Form, CoolingRunsInEitherOrderThenEquilibriumEndInTheSamePicture)
{
    // The equilibrium run goes last: its dashed lines across the panel cut the curves they cross,
    // so where it comes in the order shows.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto picture = [&](const std::vector<const char*>& order, const QString& name) {
        Script s { "skip-cover", "menu ZTUcon07" };
        for (const char* item : order)
            s << std::string("menu ") + item << "advance 9000";
        s << "snapshot " + dir.filePath(name).toStdString();
        s.run();
        EXPECT_EQ(s.code(), 0) << s.err();
        return QImage(dir.filePath(name));
    };
    const QImage a = picture({ "V004", "V5", "V40", "V60", "V600", "VGleich" }, QStringLiteral("a.png"));
    const QImage b = picture({ "V600", "V60", "V40", "V5", "V004", "VGleich" }, QStringLiteral("b.png"));
    const QImage still = picture({}, QStringLiteral("c.png"));
    ASSERT_FALSE(a.isNull());
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a == still);
}

TEST_F(ZTUcon07Form, LoeschenNeuIsRefusedDuringARunAndAfterRunsLeavesTheStaticPicture)
{
    Script s { "skip-cover", "menu ZTUcon07" };
    std::vector<int> statics, after;
    const QPoint probes[] = { kRuns[0].label, kRuns[1].label, kRuns[5].label, logPixel(100, 0) };
    for (QPoint p : probes)
        statics.push_back(s.pixel(p));
    s << "menu V5"
      << "advance 2000"
      << "menu NEU"; // refused: the form is locked
    const int neuLine = s.line();
    const int during = s.state("FormZTUcon07");
    s << "advance 5000"
      << "menu V004"
      << "advance 9000"
      << "menu VGleich"
      << "advance 9000"
      << "menu NEU";
    const int cleared = s.state("FormZTUcon07");
    for (QPoint p : probes)
        after.push_back(s.pixel(p));
    s.run(true);
    EXPECT_NE(s.err().find("line " + std::to_string(neuLine) + ": FormZTUcon07 is disabled"), std::string::npos)
        << s.err();
    EXPECT_TRUE(s.stateView(during).timerEnabled("Timer5")) << "the run goes on";
    EXPECT_TRUE(idle(s.stateView(cleared)));
    for (size_t i = 0; i < statics.size(); ++i)
        EXPECT_EQ(s.answer(after[i]), s.answer(statics[i])) << "a run's trace is left at probe " << i;
}

TEST_F(ZTUcon07Form, EscMidRunClosesAndTheNextOpeningIsIdleAndStatic)
{
    Script s { "skip-cover", "menu ZTUcon07" };
    const int staticPixel = s.pixel(logPixel(100, 0));
    s << "menu V004"
      << "advance 3000" // 60 ticks: the curve runs along the top at X = 120
      << "key F1"
      << "key Esc";
    const int closed = s.state("FormZTUcon07");
    s << "advance 6000";
    const int later = s.state("FormZTUcon07");
    s << "menu ZTUcon07";
    const int reopened = s.state("FormZTUcon07");
    const int pixel = s.pixel(logPixel(100, 0));
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    EXPECT_FALSE(s.stateView(closed).visible());
    EXPECT_TRUE(idle(s.stateView(closed)));
    EXPECT_TRUE(idle(s.stateView(later))) << "nothing runs on unseen";
    EXPECT_TRUE(idle(s.stateView(reopened)));
    EXPECT_EQ(s.answer(pixel), s.answer(staticPixel)) << "the reopened form shows the static picture only";
}

TEST_F(ZTUcon07Form, TheTableTogglesWhileTheFormIsFreeAndTheCloseBoxClosesLikeEsc)
{
    Script s { "skip-cover", "menu ZTUcon07", "menu Tabelle" };
    const int shown = s.state("FormZTUcon07");
    s << "menu Tabelle"
      << "menu VGleich"
      << "advance 9000";
    const int afterEquilibrium = s.state("FormZTUcon07");
    s << "menu V40"
      << "advance 1000"
      << "menu Tabelle"; // refused while locked
    const int tabelleLine = s.line();
    s << "advance 3000";
    const int afterRun = s.state("FormZTUcon07");
    s << "close";
    const int closed = s.state("FormZTUcon07");
    s << "menu ZTUcon07";
    const int reopened = s.state("FormZTUcon07");
    s.run(true);
    EXPECT_NE(s.err().find("line " + std::to_string(tabelleLine) + ": FormZTUcon07 is disabled"), std::string::npos)
        << s.err();
    EXPECT_TRUE(s.stateView(shown).visible("MemoT"));
    EXPECT_FALSE(s.stateView(afterEquilibrium).visible("MemoT")) << "hidden again, and the equilibrium run left it so";
    EXPECT_TRUE(s.stateView(afterRun).visible("MemoT")) << "a numeric run shows the table";
    EXPECT_FALSE(s.stateView(closed).visible());
    EXPECT_TRUE(idle(s.stateView(closed)));
    EXPECT_TRUE(idle(s.stateView(reopened)));
}
