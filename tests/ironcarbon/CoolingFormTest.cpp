// The cooling lessons at 0.6, 1.2 and 3.0 % C driven directly: their components, menus and memos,
// the picture series frame by frame (with strips whose frames tell their index), the end of a run
// and the text toggle while the memo has the focus.
#include "framework/InputRouter.h"
#include "ironcarbon/UnitEKD06.h"
#include "ironcarbon/UnitEKD12.h"
#include "ironcarbon/UnitEKD30.h"
#include "tests/support/Program.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextEdit>
#include <utility>

using namespace wb;

namespace {

// A strip whose frame i is one colour with red component i.
QImage codedStrip(int frames)
{
    QImage strip(frames * 100, 100, QImage::Format_RGB32);
    for (int i = 0; i < frames; ++i)
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                strip.setPixel(i * 100 + x, y, qRgb(i, 0x40, 0x80));
    return strip;
}
int codedFrame(TColor c)
{
    return GetGValue(c) == 0x40 && GetBValue(c) == 0x80 ? GetRValue(c) : -1;
}

using Changes = std::vector<std::pair<int, int>>; // (tick, frame now shown)

// Starts the run and plays it to its end tick by tick; for each probe (the centre of a picture
// place, in the diagram's coordinates) the ticks at which the frame shown there changes.
template <class Form> std::vector<Changes> frameChanges(Form& f, std::initializer_list<TPoint> probes)
{
    std::vector<Changes> changes(probes.size());
    std::vector<int> shown(probes.size(), -1);
    EXPECT_TRUE(f.Start.Click());
    for (int tick = 0; f.TimerHaupt.Enabled() && tick < 400; ++tick) {
        Scheduler::instance().advance(f.TimerHaupt.Interval());
        int i = 0;
        for (const TPoint& p : probes) {
            const int now = codedFrame(wbtest::pixelIn(f, f.PaintBoxHaupt, p.X, p.Y));
            if (now != shown[i])
                changes[i].emplace_back(tick, now);
            shown[i++] = now;
        }
    }
    EXPECT_FALSE(f.TimerHaupt.Enabled());
    return changes;
}

// The frames of a series shown one after the other from `first` at these marker positions.
Changes series(std::initializer_list<int> marks, int markToTick(int), int first = 0)
{
    Changes c;
    int frame = first;
    for (int m : marks)
        c.emplace_back(markToTick(m), frame++);
    return c;
}

int tick2(int marke)
{
    return (marke - 22) / 2; // the 0.6 and 1.2 % lessons: 20 + 2 per tick
}
int tick30(int marke)
{
    return (marke - 23) / 2; // the cast iron: 21 + 2 per tick
}

class EKD06 : public wbtest::LessonTest<TFormEKD06> { };
class EKD12 : public wbtest::LessonTest<TFormEKD12> { };
class EKD30 : public wbtest::LessonTest<TFormEKD30> { };

// What the three forms share in their layout: checked on each.
void expectSharedLayout(TCoolingForm& f, int memoHeight)
{
    EXPECT_EQ(f.PaintBoxHaupt.BoundsRect(), QRect(10, 30, 760, 490));
    EXPECT_EQ(f.PaintBoxUmwandlung.BoundsRect(), QRect(10, 30, 760, 490));
    EXPECT_EQ(f.PanelMax.BoundsRect(), QRect(10, 0, 50, 20));
    EXPECT_EQ(f.ScrollBarVAb.BoundsRect(), QRect(60, 0, 300, 17));
    EXPECT_EQ(f.PanelMin.BoundsRect(), QRect(360, 0, 50, 20));
    EXPECT_EQ(f.MemoErlaeuterung.BoundsRect(), QRect(410, 1, 380, memoHeight));
    EXPECT_EQ(f.PanelMax.Caption(), QStringLiteral("max"));
    EXPECT_EQ(f.PanelMin.Caption(), QStringLiteral("min"));
    EXPECT_TRUE(f.PanelMax.Font.Bold());
    EXPECT_EQ(f.PanelMin.Font.Height(), -13);
    // Left is fast: 1 ms at "max", 2000 ms at "min".
    EXPECT_EQ(f.ScrollBarVAb.Min(), 1);
    EXPECT_EQ(f.ScrollBarVAb.Max(), 2000);
    EXPECT_EQ(f.ScrollBarVAb.Position(), 1000);
    EXPECT_EQ(f.TimerHaupt.Interval(), 50);
    EXPECT_FALSE(f.TimerHaupt.Enabled());
    EXPECT_FALSE(f.MemoErlaeuterung.Visible());
    EXPECT_TRUE(f.MemoErlaeuterung.ReadOnly());
    EXPECT_EQ(f.MemoErlaeuterung.Color(), RGB(0xFF, 0xBF, 0xBF));
    EXPECT_EQ(f.MemoErlaeuterung.Font.Height(), 18);
}

} // namespace

TEST_F(EKD06, ComponentsMenuAndMemo)
{
    expectSharedLayout(f, 350);
    EXPECT_FALSE(f.MemoErlaeuterung.WordWrap());
    EXPECT_EQ(f.MemoErlaeuterung.Lines.Count(), 20);
    EXPECT_TRUE(wbtest::menuIs(f,
        { { "Ende", "&Ende" }, { "Textjanein1", "Text ja/nein", "F1" }, { "Start", "&Start/Abkühlung mit Regler" },
            { "Neu", "Löschen/&Neu" }, { "ESCAPE", "ESCAPE", "Esc", false } }));
    EXPECT_EQ(f.ImageListSchA.Count(), 19);
    EXPECT_EQ(f.ImageListAFerPer.Count(), 8);
    EXPECT_EQ(f.moduleState().MarkeY, 20);
}

TEST_F(EKD12, ComponentsMenuAndMemo)
{
    expectSharedLayout(f, 344);
    EXPECT_EQ(f.PanelMax.Name(), QStringLiteral("Panelmax"));
    EXPECT_FALSE(f.MemoErlaeuterung.WordWrap());
    EXPECT_EQ(f.MemoErlaeuterung.Lines.Count(), 21);
    EXPECT_TRUE(wbtest::menuIs(f,
        { { "Ende", "&Ende" }, { "Textja", "Te&xt ja/nein", "F1" }, { "Start", "&Start/Abkühlung mit Regler" },
            { "Neu", "Löschen/&Neu" }, { "ESCAPE", "ESCAPE", "Esc", false } }));
    EXPECT_EQ(f.ImageListSchA.Count(), 20);
    EXPECT_EQ(f.ImageListAZemPer.Count(), 10);
}

TEST_F(EKD30, ComponentsMenuAndAMemoThatWrapsAndScrolls)
{
    expectSharedLayout(f, 200);
    EXPECT_TRUE(wbtest::menuIs(f,
        { { "Ende", "&Ende" }, { "Textja", "&Text ja/nein", "F1" }, { "Start", "&Start/Abkühlung mit Regler" },
            { "ESCAPE", "ESCAPE", "Esc", false }, { "Neu", "Löschen/&Neu" } }));
    EXPECT_EQ(f.ImageListSchAuLede.Count(), 16);
    EXPECT_EQ(f.ImageListLedePer.Count(), 10);
    EXPECT_EQ(f.moduleState().MarkeY, 21);
    // 18 lines, some wrapped, in a memo 200 pixels high: the vertical bar reaches the last ones.
    EXPECT_TRUE(f.MemoErlaeuterung.WordWrap());
    EXPECT_EQ(f.MemoErlaeuterung.ScrollBars(), ssVertical);
    auto* edit = qobject_cast<QTextEdit*>(f.MemoErlaeuterung.widget());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(edit->lineWrapMode(), QTextEdit::WidgetWidth);
    // Laid out at the width left beside the bar, the text is higher than the memo.
    const int frame = edit->frameWidth();
    edit->document()->setTextWidth(380 - 2 * frame - edit->verticalScrollBar()->sizeHint().width());
    EXPECT_GT(edit->document()->size().height(), 200 - 2 * frame);
    EXPECT_EQ(edit->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(edit->focusPolicy() & Qt::TabFocus) << "the memo is a tab stop";
}

// The static diagram the three lessons share, at pixels whose colour its steps decide.
TEST_F(EKD06, StaticDiagram)
{
    // The field's shading: width-3 lines at y = 3i + 40 in green 275 - i, so row y has the colour of
    // line (y - 39) div 3.
    const auto shade = [](int y) { return RGB(255, 275 - (y - 39) / 3, 0); };
    struct Case {
        int x, y;
        TColor expected;
        const char* why;
    };
    const Case cases[] = {
        { 400, 10, clYellow, "the background's yellow rows above the field" },
        { 740, 200, RGB(255, 325 - 200, 0), "the background right of the field: green 325 - y" },
        { 49, 200, RGB(580 - 439, 0, 0), "the field's frame, width 2, in the last band's dark red" },
        { 50, 200, RGB(580 - 439, 0, 0), "" },
        { 51, 200, shade(200), "the shading begins inside the frame" },
        { 400, 60, clYellow, "the field's own yellow above the shading" },
        { 400, 103, shade(103), "the first shading line but one, y = 103" },
        { 300, 394, shade(394), "" },
        { 300, 395, clBlack, "the line P-S-K, one pixel wide" },
        { 300, 396, shade(396), "" },
        { 110, 30, clYellow, "no marker before the start" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(openedAt(f.PaintBoxHaupt, c.x, c.y), c.expected) << c.why << " (" << c.x << ", " << c.y << ")";
}

// The cast-iron memo can hold the focus; F1 still toggles it, and Esc still closes.
TEST_F(EKD30, F1TogglesTheTextAlsoWhileTheMemoHasTheFocus)
{
    qApp->installEventFilter(&inputRouter());
    ASSERT_TRUE(f.Textja.Click());
    ASSERT_TRUE(f.MemoErlaeuterung.Visible());
    QWidget* memo = f.MemoErlaeuterung.widget();
    memo->setFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(memo, &press);
    EXPECT_FALSE(f.MemoErlaeuterung.Visible());
    QApplication::sendEvent(memo, &press);
    EXPECT_TRUE(f.MemoErlaeuterung.Visible());
    qApp->removeEventFilter(&inputRouter());
}

TEST_F(EKD06, PictureSeriesFrameByFrame)
{
    f.ImageListSchA.SetStrip(codedStrip(19));
    f.ImageListAFerPer.SetStrip(codedStrip(8));
    // The running solidification picture, the snapshot above it, the ferrite picture, the final one.
    const auto c = frameChanges(f, { { 310, 175 }, { 310, 55 }, { 310, 300 }, { 310, 417 } });
    // Tick 24 draws frames 0 and 1 at once: frame 1 is what shows.
    Changes solid { { 24, 1 } };
    for (int i = 2; i <= 18; ++i)
        solid.emplace_back(tick2(68 + 2 * i), i);
    EXPECT_EQ(c[0], solid);
    EXPECT_EQ(c[1], (Changes { { 27, 4 } })) << "the snapshot keeps the frame shown at tick 27";
    EXPECT_EQ(c[2], series({ 382, 384, 386, 388, 390, 392, 394 }, tick2));
    EXPECT_EQ(c[3], (Changes { { 187, 7 } }));
    EXPECT_EQ(f.moduleState().MarkeY, 450);
    EXPECT_EQ(f.moduleState().BildNr, 19);
    EXPECT_EQ(f.moduleState().BildNr2, 8);
}

TEST_F(EKD12, PictureSeriesFrameByFrame)
{
    f.ImageListSchA.SetStrip(codedStrip(20));
    f.ImageListAZemPer.SetStrip(codedStrip(10));
    const auto c = frameChanges(f, { { 110, 200 }, { 340, 55 }, { 230, 250 }, { 310, 410 } });
    // The frames come less often as solidification goes on; tick 42 (106) shows none.
    EXPECT_EQ(c[0],
        series({ 86, 88, 90, 92, 94, 96, 98, 100, 102, 104, 108, 112, 116, 120, 126, 132, 140, 148, 154, 156 }, tick2));
    EXPECT_EQ(c[1], (Changes { { tick2(98), 6 } })) << "the snapshot of the frame just shown";
    EXPECT_EQ(c[2], series({ 324, 328, 334, 344, 354, 364, 374, 384, 392 }, tick2));
    EXPECT_EQ(c[3], (Changes { { 187, 9 } }));
    EXPECT_EQ(f.moduleState().MarkeY, 450);
}

TEST_F(EKD30, PictureSeriesFrameByFrame)
{
    f.ImageListSchAuLede.SetStrip(codedStrip(16));
    f.ImageListLedePer.SetStrip(codedStrip(10));
    const auto c = frameChanges(f, { { 60, 53 }, { 60, 173 }, { 60, 290 }, { 60, 415 } });
    // None at 185 and 201.
    EXPECT_EQ(c[0], series({ 149, 153, 157, 161, 165, 169, 173, 177, 181, 189, 193, 197, 205, 209, 213 }, tick30));
    EXPECT_EQ(c[1], (Changes { { tick30(217), 15 } }));
    EXPECT_EQ(c[2], series({ 225, 245, 265, 285, 305, 325, 345, 365, 385 }, tick30));
    EXPECT_EQ(c[3], (Changes { { tick30(397), 9 } }));
    EXPECT_EQ(f.moduleState().MarkeY, 401);
}

// A start after the end: the first tick ends the run again and the marker stays where it ended.
// In the cast iron, whose end lies above the others', the marker would otherwise step on.
TEST_F(EKD30, AStartAfterTheEndEndsAtTheFirstTick)
{
    ASSERT_TRUE(f.Start.Click());
    for (int t = 0; t < 400 && f.TimerHaupt.Enabled(); ++t)
        Scheduler::instance().advance(500);
    ASSERT_FALSE(f.TimerHaupt.Enabled());
    ASSERT_EQ(f.moduleState().MarkeY, 401);
    ASSERT_TRUE(f.Start.Click());
    EXPECT_TRUE(f.TimerHaupt.Enabled());
    Scheduler::instance().advance(500);
    EXPECT_FALSE(f.TimerHaupt.Enabled());
    EXPECT_EQ(f.moduleState().MarkeY, 401);
    ASSERT_TRUE(f.Neu.Click());
    EXPECT_EQ(f.moduleState().MarkeY, 21);
    EXPECT_EQ(f.moduleState().BildNr, 0);
    EXPECT_EQ(f.moduleState().BildNr2, 0);
}
