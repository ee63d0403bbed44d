// What the four diagram-type lessons have in common, checked on each from one table: where their
// components sit, their menus, an explanation that scrolls to the lines an alloy appends, every
// picture series in order without gaps, and the start items once every alloy has run.
#include "framework/FormAccess.h"
#include "phase/UnitZutyp1.h"
#include "phase/UnitZutyp2.h"
#include "phase/UnitZutyp3.h"
#include "phase/UnitZutyp4.h"
#include "tests/phase/LessonMoments.h"
#include "tests/support/Program.h"

#include <QScrollBar>
#include <QTextEdit>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

using namespace wb;

namespace {

// A component's bounds in the client area.
struct Bounds {
    const char* component;
    QRect rect;
};
// An image list: its frames and their size.
struct Series {
    const char* list;
    int count;
    int width;
    int height;
};
// The explanation: lines of the base text, one alloy's appended lines and the memo's last line
// then.
struct MemoLine {
    int index;
    const char* text;
};
struct Memo {
    int baseLines;
    std::vector<MemoLine> lines; // some of the base text, letter for letter
    const char* start; // the alloy whose lines are appended
    int advance; // milliseconds until its melt keyframe has run
    int withAlloy; // lines then
    MemoLine last;
};
// One alloy's pictures over a whole run: (tick, frame) whenever the frame at the picture's
// centre changes.
struct Frames {
    const char* start;
    const char* timer;
    const char* list;
    QPoint centre; // in the main diagram box
    std::vector<std::pair<int, int>> changes;
};

struct Lesson {
    const char* name;
    std::function<std::unique_ptr<TForm>()> make;
    std::vector<Bounds> bounds;
    std::vector<const char*> paintOrder; // the paint boxes in description order
    std::vector<const char*> timers; // 100 ms each, off at start
    std::vector<Series> series;
    std::vector<wbtest::ItemExpectation> menu;
    std::optional<Memo> memo;
    std::vector<Frames> frames;
};

template <class Form> std::function<std::unique_ptr<TForm>()> maker()
{
    return [] { return std::make_unique<Form>(); };
}

// The ticks (1, 2, …) at which a run of marks from `start` by `step` reaches each mark.
std::function<int(int)> tickAt(int start, int step)
{
    return [=](int marke) { return (marke - start) / step; };
}

std::vector<Lesson> lessons()
{
    std::vector<Lesson> all;

    // Type 1: frame 0 with the melt at the 3rd tick (29), 1 at point 1 (24th tick, 92), one
    // frame per tie-line step from 95 (25th tick) to 140 (40th), and 18 at point 2 (41st, 143).
    std::vector<std::pair<int, int>> typ1 { { 3, 0 }, { 24, 1 } };
    for (int i = 0; i < 16; ++i)
        typ1.emplace_back(25 + i, 2 + i);
    typ1.emplace_back(41, 18);
    all.push_back({ "FormZuTyp1", maker<TFormZuTyp1>(),
        {
            { "PaintBoxHilfslinien", { 265, 5, 505, 492 } }, { "PaintBoxUmwandlung", { 265, 5, 505, 492 } },
            { "PaintBoxHaupt", { 265, 5, 505, 492 } }, { "PaintBoxHebel", { 265, 5, 505, 492 } },
            { "PaintBoxHand", { 265, 440, 505, 60 } }, // top = width 505 + top 5 - 70
            { "MemoErlaeuterung", { 13, 3, 255, 494 } }, // 265 - 252, 5 - 2, height 492 + 2
            { "EditMK", { 515, 460, 50, 25 } }, // lever strip + (250, 455)
            { "EditSch", { 665, 460, 50, 25 } }, // lever strip + (400, 455)
            { "StatusBarHint", { 0, 534, 792, 20 } }, // the bottom 20 rows of the 792 x 554 client area
        },
        // The layers paint in this order, so the strip lies on top of the diagram.
        { "PaintBoxHilfslinien", "PaintBoxUmwandlung", "PaintBoxHaupt", "PaintBoxHebel", "PaintBoxHand" },
        { "TimerHaupt" }, { { "ImageListMkBildung", 19, 100, 100 } },
        { { "Ende", "&Ende" }, { "StartStop", "&Start/Stop" }, { "NEu", "&Löschen/Neu" },
            { "ESCAPE", "ESCAPE", "Esc", false } },
        std::nullopt, { { "StartStop", "TimerHaupt", "ImageListMkBildung", { 370 + 50, 260 + 50 }, typ1 } } });

    // Type 2: frame 0 with the melt at mark 30 (2nd tick); L1: 1 at point 1 (146, 31st tick),
    // one per tie-line step from 150 to 218 (32nd to 49th), 20 at the eutectic (222, 50th); L3:
    // 1 at point 2 (154, 33rd), one per step from 158 to 218, 18 at the eutectic; L2: 1 at the
    // eutectic.
    std::vector<std::pair<int, int>> unter { { 2, 0 }, { 31, 1 } };
    for (int i = 0; i < 18; ++i)
        unter.emplace_back(32 + i, 2 + i);
    unter.emplace_back(50, 20);
    std::vector<std::pair<int, int>> ueber { { 2, 0 }, { 33, 1 } };
    for (int i = 0; i < 16; ++i)
        ueber.emplace_back(34 + i, 2 + i);
    ueber.emplace_back(50, 18);
    all.push_back({ "FormZuTyp2", maker<TFormZuTyp2>(),
        {
            { "PaintBoxHaupt", { 266, 10, 505, 492 } }, { "PaintBoxHilfslinien", { 266, 10, 505, 492 } },
            { "PaintBoxUmwandlung", { 266, 10, 505, 492 } },
            { "PaintBoxHebel1", { 266, 10, 252, 492 } }, // half the width: 505 div 2
            { "PaintBoxHebel2", { 518, 10, 252, 492 } }, // 266 + 252
            { "PaintBoxHand1", { 266, 412, 252, 60 } }, // top 492 - 10 - 70
            { "PaintBoxHand2", { 518, 412, 252, 60 } },
            { "MemoErlaeuterung", { 0, 8, 266, 494 } }, // 266 - 266, 10 - 2, height 492 + 2
            { "EditA", { 461, 440, 50, 20 } }, // left strip + (195, 430)
            { "EditSch1", { 461, 470, 50, 20 } }, // left strip + (195, 460)
            { "EditB", { 718, 440, 50, 20 } }, // right strip + (200, 430)
            { "EditSch2", { 718, 470, 50, 20 } }, // right strip + (200, 460)
        },
        { "PaintBoxHaupt", "PaintBoxHilfslinien", "PaintBoxUmwandlung", "PaintBoxHebel1", "PaintBoxHebel2",
            "PaintBoxHand1", "PaintBoxHand2" },
        { "TimerUnter", "TimerEutek", "TimerUeber" },
        { { "ImageListUnter", 21, 80, 80 }, { "ImageListEu", 2, 80, 80 }, { "ImageListUeber", 19, 80, 80 } },
        { { "Ende", "&Ende" }, { "Startunter", "Start/Stop &untereutektisch" },
            { "Starteutektisch", "Start/Stop &eutektisch" }, { "Startueber", "Start/Stop &übereutektisch" },
            { "Neu", "&Löschen/Neu" }, { "ESCAPE", "ESCAPE", "Esc", false } },
        Memo { 28,
            {
                { 1, " den idealen Fall ein, dass im flüssigen " }, // ends with a blank
                { 8, " lage für alle Zusammensetzungen, die  " }, // ends with two blanks
                { 18, " " },
                { 19, " Die Grafik zeigt drei für diesen \"Typ\"" },
                { 27, "     Bereich (B > 60%, A < 40%)" },
            },
            "Startunter", 200, 28 + 12, { 39, " aus A = 40%, B = 60 %)." } },
        {
            { "Startunter", "TimerUnter", "ImageListUnter", { 30 + 40, 265 + 40 }, unter },
            { "Starteutektisch", "TimerEutek", "ImageListEu", { 210 + 40, 265 + 40 }, { { 2, 0 }, { 50, 1 } } },
            { "Startueber", "TimerUeber", "ImageListUeber", { 395 + 40, 265 + 40 }, ueber },
        } });

    // Type 3: L2 shows 0 at the melt (31), 1 at 147, one per tie line from 151 to 219, 20 at
    // 223, then 21 … 28 at 231, 259, 275, 291, 307, 323, 339, 347 and 29 at 355 (and once more at
    // 371, which changes nothing). L4: 0 at 31, 1 at 123, 2 … 9 at 127 … 155, then 10 … 18 at
    // 163, 179, 191, 207, 287, 299, 311, 323, 335; 19 at 343 (and again at 351), 20 at 359, 21 at
    // the end.
    const auto tick3 = tickAt(19, 4);
    std::vector<std::pair<int, int>> l2 { { tick3(31), 0 }, { tick3(147), 1 } };
    for (int i = 0; i < 18; ++i)
        l2.emplace_back(tick3(151 + 4 * i), 2 + i);
    const int l2Later[] = { 223, 231, 259, 275, 291, 307, 323, 339, 347, 355 };
    for (int i = 0; i < 10; ++i)
        l2.emplace_back(tick3(l2Later[i]), 20 + i);
    std::vector<std::pair<int, int>> l4 { { tick3(31), 0 }, { tick3(123), 1 } };
    for (int i = 0; i < 8; ++i)
        l4.emplace_back(tick3(127 + 4 * i), 2 + i);
    const int l4Later[] = { 163, 179, 191, 207, 287, 299, 311, 323, 335, 343, 359, 371 };
    for (int i = 0; i < 12; ++i)
        l4.emplace_back(tick3(l4Later[i]), 10 + i);
    all.push_back({ "FormZuTyp3", maker<TFormZuTyp3>(),
        {
            { "PaintBoxUmwandlung", { 270, 10, 490, 500 } },
            { "PaintBoxHaupt", { 270, 10, 490, 500 } },
            // 270 - 266, 10 - 2, height 500 + 2: it overlaps the left 18 pixels of the paint boxes.
            { "MemoErlaeuterung", { 4, 8, 284, 502 } },
        },
        { "PaintBoxUmwandlung", "PaintBoxHaupt" }, { "TimerL1", "TimerL2", "TimerL3", "TimerL4" },
        { { "ImageListL1", 16, 80, 80 }, { "ImageListL2", 30, 80, 80 }, { "ImageListL3", 2, 80, 80 },
            { "ImageListL4", 22, 80, 80 } },
        { { "Ende", "&Ende" }, { "StartL1", "Start /Stop L&1" }, { "StartL2", "Start /Stop L&2" },
            { "StartL3", "Start/Stop L&3" }, { "StartL4", "Start/Stop L&4" }, { "Neu", "&Löschen/Neu" },
            { "ESCAPE", "ESCAPE", "Esc", false } },
        // The base text fits; an alloy's lines appended at its melt keyframe do not.
        Memo { 26,
            {
                { 0, " Bei diesem Zustandsdiagramm entsteht " }, // ends with a blank
                { 14, " " },
                { 22, " Die Grafik zeigt vier für diesen \"Typ\"" },
                { 25, " tration der Komponenten A und B." },
            },
            "StartL4", 300, 36, { 35, " ausscheiden." } },
        {
            { "StartL2", "TimerL2", "ImageListL2", { 170 + 40, 417 + 40 }, l2 },
            { "StartL4", "TimerL4", "ImageListL4", { 385 + 40, 417 + 40 }, l4 },
        } });

    // Type 4: L1 shows 0 at the melt (32), 1 at the first tie line (92), 2 … 5 at 96 … 108, then
    // 6 … 20 at the marks below; the inset one frame per tick, 17 of them.
    const auto tick4 = tickAt(20, 4);
    std::vector<std::pair<int, int>> typ4l1 { { tick4(32), 0 }, { tick4(92), 1 } };
    for (int i = 0; i < 4; ++i)
        typ4l1.emplace_back(tick4(96 + 4 * i), 2 + i);
    const int later[] = { 116, 124, 132, 144, 152, 164, 172, 180, 184, 216, 244, 276, 308, 336, 368 };
    for (int i = 0; i < 15; ++i)
        typ4l1.emplace_back(tick4(later[i]), 6 + i);
    std::vector<std::pair<int, int>> inset;
    for (int i = 0; i < 17; ++i)
        inset.emplace_back(i + 1, i);
    all.push_back({ "FormZuTyp4", maker<TFormZuTyp4>(),
        {
            { "PaintBoxUmwandlung", { 270, 10, 500, 500 } }, { "PaintBoxHaupt", { 270, 10, 500, 500 } },
            { "MemoErlaeuterung", { 7, 9, 263, 501 } }, // 270 - 263, 10 - 1, height 500 + 1
        },
        { "PaintBoxUmwandlung", "PaintBoxHaupt" }, { "TimerL1", "TimerL2", "TimerL3", "TimerAinB" },
        { { "ImageListL1", 21, 80, 80 }, { "ImageListL2", 16, 80, 80 }, { "ImageListL3", 12, 80, 80 },
            { "ImageListAinB", 17, 80, 80 } },
        { { "Ende", "&Ende" }, { "StartL1", "Start/Stop L&1" }, { "StartL2", "Start/Stop L&2" },
            { "StartL3", "Start/Stop L&3" }, { "AinB", "&Start/Stop Alpha in Beta " }, { "Neu", "&Löschen/Neu" },
            { "ESCAPE", "ESCAPE", "Esc", false } },
        Memo { 26,
            {
                { 2, " neuen Kristallart (z. B. Beta-MK) umge-, " }, // ends with a blank
                { 7, " beginnt an der Öberfläche der zuerst" },
                { 18, " " },
            },
            "StartL2", 300, 26 + 13, { 38, " sind." } },
        {
            { "StartL1", "TimerL1", "ImageListL1", { 20 + 40, 417 + 40 }, typ4l1 },
            { "AinB", "TimerAinB", "ImageListAinB", { 380 + 40, 80 + 40 }, inset },
        } });
    return all;
}

class TypeLessons : public ::testing::TestWithParam<Lesson> {
protected:
    void SetUp() override
    {
        wbtest::resetApplication();
        form = GetParam().make();
        FormAccess::create(*form);
        form->Show();
        Application.flushPendingPaints();
    }
    void TearDown() override
    {
        wbtest::stopTimers(*form);
        if (form->Visible())
            form->Hide();
    }

    template <class Component> Component& find(const char* name)
    {
        auto* c = dynamic_cast<Component*>(form->findComponent(QString::fromUtf8(name)));
        if (!c)
            throw std::runtime_error(std::string("no such component: ") + name);
        return *c;
    }
    TColor at(QPoint p) { return wbtest::pixelIn(*form, find<TPaintBox>("PaintBoxHaupt"), p.x(), p.y()); }

    std::unique_ptr<TForm> form;
};

std::string nameOf(const ::testing::TestParamInfo<Lesson>& info)
{
    return info.param.name;
}

} // namespace

// Caption, size, colour and status text are checked for every form by the shell tests.
TEST_P(TypeLessons, ComponentsSitWhereFormCreatePutsThem)
{
    for (const Bounds& b : GetParam().bounds)
        EXPECT_EQ(find<TControl>(b.component).BoundsRect(), b.rect) << b.component;
    std::vector<std::string> order;
    for (TComponent* c : form->components())
        if (dynamic_cast<TPaintBox*>(c))
            order.push_back(c->Name().toStdString());
    EXPECT_EQ(order, std::vector<std::string>(GetParam().paintOrder.begin(), GetParam().paintOrder.end()));
    for (const char* name : GetParam().timers) {
        EXPECT_EQ(find<TTimer>(name).Interval(), 100) << name;
        EXPECT_FALSE(find<TTimer>(name).Enabled()) << name;
    }
    for (const Series& s : GetParam().series) {
        EXPECT_EQ(find<TImageList>(s.list).Count(), s.count) << s.list;
        EXPECT_EQ(find<TImageList>(s.list).Width(), s.width) << s.list;
        EXPECT_EQ(find<TImageList>(s.list).Height(), s.height) << s.list;
    }
}

TEST_P(TypeLessons, MenuBarHoldsItsItemsWithEscHidden)
{
    EXPECT_TRUE(wbtest::menuIs(*form, GetParam().menu));
}

// Types 2 to 4 append an alloy's lines to their explanation; type 1's is checked on its own.
class TypeLessonMemos : public TypeLessons { };

TEST_P(TypeLessonMemos, ScrollSoThatAnAlloysLinesCanBeRead)
{
    const Memo& expected = *GetParam().memo;
    const TMemo& m = find<TMemo>("MemoErlaeuterung");
    ASSERT_EQ(m.Lines.Count(), expected.baseLines);
    for (const MemoLine& l : expected.lines)
        EXPECT_EQ(m.Lines[l.index], QString::fromUtf8(l.text)) << "line " << l.index + 1;
    EXPECT_EQ(m.Font.Height(), 18);
    EXPECT_EQ(m.Color(), RGB(0xFF, 0xBF, 0xBF));
    EXPECT_EQ(m.ScrollBars(), ssBoth);
    // The alloy's lines appended at its melt keyframe make the text longer than the memo is
    // high: the vertical scroll bar then reaches them.
    ASSERT_TRUE(find<TMenuItem>(expected.start).Click());
    Scheduler::instance().advance(expected.advance);
    ASSERT_EQ(m.Lines.Count(), expected.withAlloy);
    EXPECT_EQ(m.Lines[expected.last.index], QString::fromUtf8(expected.last.text));
    auto* edit = qobject_cast<QTextEdit*>(find<TMemo>("MemoErlaeuterung").widget());
    ASSERT_NE(edit, nullptr);
    EXPECT_GT(edit->document()->size().height(), edit->viewport()->height());
    EXPECT_EQ(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_GT(edit->verticalScrollBar()->maximum(), 0);
}

TEST_P(TypeLessons, EveryPictureSeriesRunsInOrderWithoutGaps)
{
    // Frames of our own, each one colour whose red component is its index, so that the frame
    // at the picture's centre tells which one was drawn last.
    for (const Frames& f : GetParam().frames) {
        SCOPED_TRACE(f.start);
        TImageList& list = find<TImageList>(f.list);
        list.SetStrip(wbtest::codedStrip(list.Count(), list.Width(), list.Height()));
        EXPECT_EQ(wbtest::codedFrame(at(f.centre)), -1) << "no frame before the run";
        ASSERT_TRUE(find<TMenuItem>(f.start).Click());
        EXPECT_EQ(wbtest::frameChanges(find<TTimer>(f.timer), [&] { return at(f.centre); }), f.changes);
        EXPECT_FALSE(find<TTimer>(f.timer).Enabled()) << "the run has ended";
    }
}

INSTANTIATE_TEST_SUITE_P(Phase, TypeLessons, ::testing::ValuesIn(lessons()), nameOf);

std::vector<Lesson> lessonsWithMemo()
{
    std::vector<Lesson> with;
    for (const Lesson& l : lessons())
        if (l.memo)
            with.push_back(l);
    return with;
}
INSTANTIATE_TEST_SUITE_P(Phase, TypeLessonMemos, ::testing::ValuesIn(lessonsWithMemo()), nameOf);
