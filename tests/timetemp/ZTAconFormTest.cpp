// The continuous ZTA lessons at 0.45 and 0.70 % C as forms: components and menu, the automatic
// sequence through the headless driver at the ticks where its curves end and the next start,
// where it dots a crossing, shows a micrograph and ends a boundary line; the entry that opens
// only after it; typed rates drawn, refused or answered by the error box; "Löschen / Neu" and
// Esc during the sequence and after it.
#include "framework/FormAccess.h"
#include "resources/Pictures.h"
#include "tests/support/Program.h"
#include "timetemp/UnitZTAconC045.h"
#include "timetemp/UnitZTAconC07.h"

#include <QImage>
#include <QJsonArray>
#include <QWidget>
#include <algorithm>
#include <string>
#include <vector>

using namespace wb;
using wbtest::StateView;

namespace {

// PaintBoxLog lies at (405, 25) of the client area, PaintBoxHaupt at (5, 5).
QPoint logPixel(int x, int y)
{
    return { x + 405, y + 25 };
}
QPoint hauptPixel(int x, int y)
{
    return { x + 5, y + 5 };
}

constexpr TColor kGruen = RGB(0x00, 0x80, 0x00);
constexpr TColor kGold = RGB(0xFF, 0xD7, 0x00);

// A pixel of a micrograph frame as the image list holds it.
TColor framePixel(const char* form, int frame, int x, int y)
{
    const QImage strip = pictures::stripLoader(QString::fromLatin1(form) + QStringLiteral(".ImageListGef"))();
    return fromPixel(strip.pixel(frame * 100 + x, y));
}

// A pixel that takes its colour at a tick of the automatic sequence (ticks from 1, 50 ms apart,
// from the click on "&Start ZTA-Diagramm") and had another one the tick before.
struct Moment {
    int tick;
    QPoint at;
    TColor color;
    const char* what;
    int frame = -1; // a micrograph's middle: the colour the frame has there (read when the test runs)
};

// The colour of a frame moment is the frame's own, looked up when the test runs.
constexpr TColor kFrame = 0;

// What differs between the two steels.
struct Steel {
    const char* form;
    const char* item; // of the main menu
    const char* button;
    int sequenceTicks;
    std::vector<const char*> lineTimers;
    std::vector<Moment> moments;
    // A typed rate of 100 °C/min: its ticks, its label's first pixel, and a micrograph label's
    // first pixel that all appear in its last tick; then the ticks of the lines.
    int typedTicks;
    QPoint typedLabel;
    QPoint typedMicrograph;
    int typedLineTicks;
};

const std::vector<Steel>& steels()
{
    // Dots are checked inside their 6-pixel box at (x1 + 2, y1 + 3): the tick draws the curve's
    // segment first and the dot over it, the next tick's segment starts in the dot's middle and
    // covers it again. Labels by their first pixel, the background their brush gives.
    static const std::vector<Steel> s = {
        { "FormZTAcon045", "ZTAcon045", "Sta&rt", 568, { "TimerAc1", "TimerAc3", "TimerHomo" },
            {
                { 1, hauptPixel(404, 355), clBlack, "micrograph 0's region \"   < A(c1b)       \"" },
                { 1, hauptPixel(404 + 50, 250 + 50), kFrame, "frame 0's middle", 0 },
                // KurveX reaches 218 in tick 218 (one pixel a tick from 0).
                { 218, logPixel(217, 182), clBlue, "2.5 °C/min crossing A(c1b), dot (215, 179, 221, 185)" },
                // KurveX is 220 at the start of tick 221.
                { 221, hauptPixel(510, 355), clBlack, "micrograph 1's region" },
                { 221, hauptPixel(515 + 50, 250 + 50), kFrame, "frame 1's middle", 1 },
                { 242, logPixel(239, 159), clWhite, "2.5 °C/min crossing A(c3)/A(c1e), dot (237, 156, 243, 162)" },
                { 242, hauptPixel(625, 315), clBlack, "micrograph 2's region" },
                { 242, hauptPixel(625 + 50, 210 + 50), kFrame, "frame 2's middle", 2 },
                { 256, logPixel(206, 102), kGruen, "\" v = 2.5°C/min \" as the first curve ends" },
                // The 35 °C/min curve, 3 pixels a tick from 0: (147, 186) to (150, 185) in its tick 51,
                // the dot when KurveX reaches 162 in its tick 54.
                { 256 + 51, logPixel(150, 185), kGruen, "35 °C/min at (150, 185)" },
                { 256 + 54, logPixel(159, 178), clBlue, "35 °C/min crossing A(c1b), dot (157, 175, 163, 181)" },
                { 322, logPixel(148, 87), kGruen, "\" v = 35°C/min \"" },
                { 365, logPixel(109, 70), kGruen, "\" v = 900°C/min \"" },
                { 431, logPixel(0, 150), clBlack, "\" A(c1b) \" where its line ends" },
                { 431, logPixel(39, 170), clYellow, "\" F+P \"" },
                { 501, logPixel(0, 113), clBlack, "\" A(c3)/A(c1e) \"" },
                { 501, logPixel(40, 140), clYellow, "\"F+A\"" },
                { 568, logPixel(50, 24), clYellow, "\" AUSTENIT \" where the homogeneity line ends" },
            },
            60, logPixel(160, 70), hauptPixel(625, 315), 66 + 70 + 67 },
        { "FormZTAcon07", "ZTAcon07", "S&tart", 651, { "TimerAc1", "TimerAc3", "TimerAcm", "TimerHomo" },
            {
                { 1, hauptPixel(410, 355), clBlack, "micrograph 0's region" },
                { 219, logPixel(218, 182), clBlue, "2.5 °C/min crossing A(c1b), dot (216, 179, 222, 185)" },
                { 221, hauptPixel(500, 355), clBlack, "micrograph 1's region" },
                { 221, hauptPixel(520 + 50, 250 + 50), kFrame, "frame 1's middle", 1 },
                { 232, logPixel(228, 173), clWhite, "2.5 °C/min crossing A(c3), dot (226, 170, 232, 176)" },
                { 233, hauptPixel(625, 355), clBlack, "micrograph 2's region" },
                { 255, logPixel(251, 132), clWhite, "2.5 °C/min crossing A(c1e), dot (249, 129, 255, 135)" },
                { 255, hauptPixel(565, 11), clBlack, "micrograph 3's region \"     > A(c1e)     \"" },
                { 255, hauptPixel(645 + 50, 1 + 50), kFrame, "frame 3's middle", 3 },
                { 260, logPixel(260, 88), kGruen, "\" v = 2.5°C/min \"" },
                // The 35 °C/min curve's dots by their bands of KurveY: the blue one in its tick 54.
                { 260 + 54, logPixel(161, 177), clBlue, "35 °C/min crossing A(c1b), dot (159, 174, 165, 180)" },
                { 327, logPixel(171, 75), kGruen, "\" v = 35°C/min \"" },
                { 371, logPixel(112, 37), kGruen, "\" v = 900°C/min \"" },
                { 437, logPixel(0, 143), clBlack, "\" A(c1b) \"" },
                { 507, logPixel(0, 118), clBlack, "\" A(c3) \"" },
                { 577, logPixel(10, 84), clBlack, "\" A(c1e) \"" },
                { 577, logPixel(40, 113), clYellow, "\"A+K\"" },
                { 651, logPixel(49, 4), clYellow, "\" AUSTENIT \"" },
            },
            62, logPixel(106, 70), hauptPixel(565, 11), 66 + 70 + 70 + 74 },
    };
    return s;
}

TColor expected(const Steel& steel, const Moment& m)
{
    return m.frame < 0 ? m.color : framePixel(steel.form, m.frame, 50, 50);
}

void PrintTo(const Steel& steel, std::ostream* os)
{
    *os << steel.form;
}

class ZTAconForm : public ::testing::TestWithParam<Steel> {
protected:
    void SetUp() override { wbtest::resetApplication(); }
    void TearDown() override { wbtest::resetApplication(); }
};

// A driver script on the lesson, opened from the main menu.
class Script : public wbtest::Script {
public:
    explicit Script(const Steel& steel)
        : wbtest::Script { "skip-cover", std::string("menu ") + steel.item }
        , m_form(steel.form)
    {
    }
    int state() { return wbtest::Script::state(m_form); }
    // Advances to the end of tick `tick` counted from the last start (no further back).
    Script& toTick(int tick)
    {
        if (tick > m_tick)
            *this << "advance " + std::to_string((tick - m_tick) * 50);
        m_tick = std::max(m_tick, tick);
        return *this;
    }
    Script& start(const std::string& command)
    {
        *this << command;
        m_tick = 0;
        return *this;
    }

private:
    std::string m_form;
    int m_tick = 0;
};

// Idle at opening: only "&Start ZTA-Diagramm" starts anything, no timer runs, the entry reads "0".
::testing::AssertionResult idle(const StateView& s)
{
    if (!s.itemEnabled("Aufheizungskurven"))
        return ::testing::AssertionFailure() << "\"&Start ZTA-Diagramm\" is disabled";
    if (s.itemEnabled("NEU"))
        return ::testing::AssertionFailure() << "\"&Löschen / Neu\" is enabled";
    for (const char* c : { "EditVauf", "ButtonVauf" })
        if (s.component(c).value("enabled").toBool())
            return ::testing::AssertionFailure() << c << " takes input";
    if (s.text("EditVauf") != "0")
        return ::testing::AssertionFailure() << "the entry reads \"" << s.text("EditVauf") << "\"";
    for (const auto& [timer, on] : s.timersEnabled())
        if (on)
            return ::testing::AssertionFailure() << timer << " runs";
    if (s.visible("MemoErlaeuterung"))
        return ::testing::AssertionFailure() << "the text is shown";
    return ::testing::AssertionSuccess();
}

bool takesInput(const StateView& s, const char* component)
{
    return s.component(component).value("enabled").toBool();
}

std::string hex(TColor c)
{
    return colorToHex(c).toStdString();
}

} // namespace

TEST_P(ZTAconForm, ComponentsMenuAndTimersAsDescribed)
{
    const Steel& steel = GetParam();
    Script s(steel);
    const int st = s.state();
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    const StateView v = s.stateView(st);
    EXPECT_TRUE(idle(v));
    const auto bounds = [&](const char* c) {
        const QJsonArray b = v.component(c).value("bounds").toArray();
        return QRect(b[0].toInt(), b[1].toInt(), b[2].toInt(), b[3].toInt());
    };
    EXPECT_EQ(bounds("PaintBoxHaupt"), QRect(5, 5, 750, 500));
    EXPECT_EQ(bounds("PaintBoxLog"), QRect(405, 25, 358, 198));
    EXPECT_EQ(bounds("MemoErlaeuterung"), QRect(0, 0, 365, 480));
    // The edit box takes the height of its font in both lessons.
    EXPECT_EQ(bounds("EditVauf"), QRect(610, 480, 32, 20));
    EXPECT_EQ(bounds("ButtonVauf"), QRect(660, 482, 45, 20));
    EXPECT_EQ(v.text("ButtonVauf"), steel.button);
    EXPECT_EQ(v.text("LabelVauf"), " Aufheizgeschwindigkeit in °C/min (2-999 °C/min)");
    std::vector<std::string> timers;
    for (const auto& [timer, on] : v.timersEnabled())
        timers.push_back(timer);
    std::vector<std::string> expected { "TimerLog1", "TimerLog2", "TimerLog3", "TimerVauf" };
    expected.insert(expected.end(), steel.lineTimers.begin(), steel.lineTimers.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(timers, expected);
}

TEST(ZTAconForms, MenuMemoAndPictureListAsDescribed)
{
    wbtest::resetApplication();
    TFormZTAcon045 f045;
    TFormZTAcon07 f07;
    for (TZtaConForm* f : std::initializer_list<TZtaConForm*> { &f045, &f07 }) {
        SCOPED_TRACE(f->Name().toStdString());
        FormAccess::create(*f);
        EXPECT_TRUE(wbtest::menuIs(*f,
            {
                { "Ende", "&Ende" },
                { "Text", "&Text ja/nein", "F1" },
                { "ESCAPE", "ESCAPE", "Esc", false },
                { "Aufheizungskurven", "&Start ZTA-Diagramm" },
                { "NEU", "&Löschen / Neu", "", true, false },
            }));
        EXPECT_EQ(f->PaintBoxHaupt.Color(), RGB(0x76, 0x02, 0x86));
        EXPECT_EQ(f->PaintBoxLog.Font.Height(), -13);
        EXPECT_EQ(f->MemoErlaeuterung.Font.Height(), 18);
        EXPECT_EQ(f->LabelVauf.Font.Height(), 18);
        EXPECT_TRUE(f->MemoErlaeuterung.ReadOnly());
        EXPECT_EQ(f->MemoErlaeuterung.widget()->focusPolicy(), Qt::ClickFocus) << "not a tab stop";
        for (const TTimer* t :
            { &f->TimerLog1, &f->TimerLog2, &f->TimerLog3, &f->TimerVauf, &f->TimerAc1, &f->TimerAc3, &f->TimerHomo })
            EXPECT_EQ(t->Interval(), 50) << t->Name().toStdString();
    }
    // 28 lines of 16 pixels fit 480 pixels with the horizontal bar; the 30 of the 0.70 % lesson
    // need the vertical one too.
    EXPECT_EQ(f045.MemoErlaeuterung.Lines.Count(), 28);
    EXPECT_EQ(f045.MemoErlaeuterung.ScrollBars(), ssHorizontal);
    EXPECT_EQ(f07.MemoErlaeuterung.Lines.Count(), 30);
    EXPECT_EQ(f07.MemoErlaeuterung.ScrollBars(), ssBoth);
    EXPECT_EQ(f07.TimerAcm.Interval(), 50);
    // Three frames at 0.45 % C (the lines A(c3) and A(c1e) coincide), four at 0.70 % C.
    EXPECT_EQ(f045.ImageListGef.Count(), 3);
    EXPECT_EQ(f07.ImageListGef.Count(), 4);
    wbtest::resetApplication();
}

TEST_P(ZTAconForm, TheSequenceDrawsEachMomentAtItsTick)
{
    const Steel& steel = GetParam();
    Script s(steel);
    s.start("menu Aufheizungskurven");
    struct Query {
        const Moment* m;
        int before;
        int after;
    };
    std::vector<Query> queries;
    // The moments in order of their ticks; those of one tick are read together.
    const std::vector<Moment>& ms = steel.moments;
    for (size_t i = 0; i < ms.size();) {
        size_t j = i;
        while (j < ms.size() && ms[j].tick == ms[i].tick)
            ++j;
        ASSERT_TRUE(j == ms.size() || ms[j].tick > ms[i].tick) << "moments in order of their ticks";
        s.toTick(ms[i].tick - 1);
        for (size_t k = i; k < j; ++k)
            queries.push_back({ &ms[k], s.pixel(ms[k].at), 0 });
        s.toTick(ms[i].tick);
        for (size_t k = i; k < j; ++k)
            queries[k].after = s.pixel(ms[k].at);
        i = j;
    }
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    for (const Query& q : queries) {
        SCOPED_TRACE(std::string("tick ") + std::to_string(q.m->tick) + ": " + q.m->what);
        EXPECT_NE(hex(s.color(q.before)), hex(expected(steel, *q.m))) << "not yet the tick before";
        EXPECT_EQ(hex(s.color(q.after)), hex(expected(steel, *q.m)));
    }
}

TEST_P(ZTAconForm, EachCurveHandsOverToTheNextInItsLastTickAndTheEntryOpensOnlyAtTheEnd)
{
    const Steel& steel = GetParam();
    const auto& lesson = std::string(steel.form) == "FormZTAcon045" ? ztacon045::lesson() : ztacon07::lesson();
    Script s(steel);
    const int opened = s.state();
    s.start("menu Aufheizungskurven");
    const int started = s.state();
    // The timers in the order they run, with the tick each one ends in.
    std::vector<std::pair<std::string, int>> chain;
    int end = 0;
    const char* const curveTimers[] = { "TimerLog1", "TimerLog2", "TimerLog3" };
    const int curveTicks045[] = { 256, 66, 43 }, curveTicks07[] = { 260, 67, 44 };
    const int lineTicks045[] = { 66, 70, 67 }, lineTicks07[] = { 66, 70, 70, 74 };
    const bool c045 = lesson.lines.size() == 3;
    for (int i = 0; i < 3; ++i)
        chain.emplace_back(curveTimers[i], end += (c045 ? curveTicks045 : curveTicks07)[i]);
    for (size_t i = 0; i < steel.lineTimers.size(); ++i)
        chain.emplace_back(steel.lineTimers[i], end += (c045 ? lineTicks045 : lineTicks07)[i]);
    ASSERT_EQ(end, steel.sequenceTicks);
    std::vector<std::pair<int, int>> around; // state one tick before each end, and at it
    for (const auto& [timer, tick] : chain) {
        s.toTick(tick - 1);
        const int before = s.state();
        s.toTick(tick);
        around.emplace_back(before, s.state());
    }
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    EXPECT_TRUE(idle(s.stateView(opened)));
    const StateView st = s.stateView(started);
    EXPECT_TRUE(st.timerEnabled("TimerLog1"));
    EXPECT_FALSE(st.itemEnabled("Aufheizungskurven"));
    EXPECT_TRUE(st.enabled()) << "these lessons do not lock the form";
    for (size_t i = 0; i < chain.size(); ++i) {
        SCOPED_TRACE(chain[i].first + " ending in tick " + std::to_string(chain[i].second));
        const StateView b = s.stateView(around[i].first), a = s.stateView(around[i].second);
        EXPECT_TRUE(b.timerEnabled(chain[i].first.c_str()));
        EXPECT_FALSE(a.timerEnabled(chain[i].first.c_str()));
        if (i + 1 < chain.size()) {
            EXPECT_TRUE(a.timerEnabled(chain[i + 1].first.c_str())) << "the next one starts in the same tick";
        }
        // Entry, button and "Löschen / Neu" stay closed until the very last tick.
        const bool last = i + 1 == chain.size();
        for (const char* c : { "EditVauf", "ButtonVauf" }) {
            EXPECT_FALSE(takesInput(b, c)) << c;
            EXPECT_EQ(takesInput(a, c), last) << c;
        }
        EXPECT_FALSE(b.itemEnabled("NEU"));
        EXPECT_EQ(a.itemEnabled("NEU"), last);
        EXPECT_FALSE(a.itemEnabled("Aufheizungskurven")) << "the sequence runs once until \"Löschen / Neu\"";
    }
}

TEST_P(ZTAconForm, ATypedRateRedrawsThePictureWithItsCurveAllMicrographsAndTheLines)
{
    const Steel& steel = GetParam();
    Script s(steel);
    const QPoint slowLabel = steel.moments[steel.moments.size() - 1].at; // the sequence's last label
    const int fresh = s.pixel(slowLabel);
    s.start("menu Aufheizungskurven").toTick(steel.sequenceTicks);
    const int sequence = s.pixel(slowLabel);
    s << "type EditVauf 100";
    s.start("button ButtonVauf");
    const int refreshed = s.pixel(slowLabel);
    const int running = s.state();
    s.toTick(steel.typedTicks - 1);
    const int labelBefore = s.pixel(steel.typedLabel), picBefore = s.pixel(steel.typedMicrograph);
    s.toTick(steel.typedTicks);
    const int label = s.pixel(steel.typedLabel), pic = s.pixel(steel.typedMicrograph);
    const int curveEnd = s.state();
    s.toTick(steel.typedTicks + steel.typedLineTicks - 1);
    const int linesBefore = s.state();
    s.toTick(steel.typedTicks + steel.typedLineTicks);
    const int linesDone = s.state();
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    EXPECT_EQ(hex(s.color(sequence)), hex(clYellow));
    EXPECT_EQ(hex(s.color(refreshed)), hex(s.color(fresh))) << "the accepted rate first brings back the static picture";
    const StateView r = s.stateView(running);
    EXPECT_TRUE(r.timerEnabled("TimerVauf"));
    EXPECT_FALSE(takesInput(r, "ButtonVauf"));
    EXPECT_FALSE(takesInput(r, "EditVauf"));
    EXPECT_FALSE(r.itemEnabled("NEU"));
    EXPECT_EQ(r.text("EditVauf"), "100");
    EXPECT_NE(hex(s.color(labelBefore)), hex(kGruen));
    EXPECT_EQ(hex(s.color(label)), hex(kGruen)) << "\"v =          °C/min\" as the curve ends";
    EXPECT_NE(hex(s.color(picBefore)), hex(clBlack));
    EXPECT_EQ(hex(s.color(pic)), hex(clBlack)) << "the micrographs all at once in that tick";
    const StateView e = s.stateView(curveEnd);
    EXPECT_FALSE(e.timerEnabled("TimerVauf"));
    EXPECT_TRUE(e.timerEnabled("TimerAc1")) << "the boundary lines follow";
    EXPECT_FALSE(takesInput(s.stateView(linesBefore), "ButtonVauf"));
    const StateView d = s.stateView(linesDone);
    EXPECT_TRUE(takesInput(d, "ButtonVauf"));
    EXPECT_TRUE(takesInput(d, "EditVauf"));
    EXPECT_TRUE(d.itemEnabled("NEU"));
    EXPECT_FALSE(d.itemEnabled("Aufheizungskurven"));
    for (const auto& [timer, on] : d.timersEnabled())
        EXPECT_FALSE(on) << timer;
}

TEST_P(ZTAconForm, TextThatIsNoNumberGetsTheErrorBoxAndChangesNothing)
{
    // The `message` command answers with the text of the last message box, so this script is
    // read line by line: the label's pixel, the message, the pixel a second later, the state.
    const Steel& steel = GetParam();
    const QPoint at = steel.moments.back().at;
    const std::string pixel = "pixel " + std::to_string(at.x()) + " " + std::to_string(at.y()) + "\n";
    for (const char* typed : { "abc", "1.000,5", "nan", "inf", "" }) {
        SCOPED_TRACE(std::string("\"") + typed + "\"");
        const wbtest::ProgramRun r
            = wbtest::runProgram(std::string("skip-cover\nmenu ") + steel.item + "\nmenu Aufheizungskurven\nadvance "
                + std::to_string(steel.sequenceTicks * 50) + "\n" + pixel + "type EditVauf " + typed
                + "\nbutton ButtonVauf\nmessage\nadvance 1000\n" + pixel + "state " + steel.form + "\n");
        ASSERT_EQ(r.code, 0) << r.err;
        ASSERT_EQ(r.lines.size(), 4u);
        EXPECT_EQ(r.lines[1], std::string("'") + typed + "' ist kein gültiger Gleitkommawert");
        EXPECT_EQ(r.lines[2], r.lines[0]) << "the picture stays as it was";
        const StateView v(r.lines[3]);
        for (const auto& [timer, on] : v.timersEnabled())
            EXPECT_FALSE(on) << timer;
        EXPECT_TRUE(takesInput(v, "ButtonVauf")) << "the student may try again";
        EXPECT_EQ(v.text("EditVauf"), typed);
    }
}

TEST_P(ZTAconForm, ARateOutOfRangeIsRefusedWithoutABox)
{
    const Steel& steel = GetParam();
    const QPoint at = steel.moments.back().at;
    const std::string pixel = "pixel " + std::to_string(at.x()) + " " + std::to_string(at.y()) + "\n";
    for (const char* typed : { "1,5", "1.5", "1000", "1e3", "1e400", "-7" }) {
        SCOPED_TRACE(typed);
        const wbtest::ProgramRun r
            = wbtest::runProgram(std::string("skip-cover\nmenu ") + steel.item + "\nmenu Aufheizungskurven\nadvance "
                + std::to_string(steel.sequenceTicks * 50) + "\n" + pixel + "type EditVauf " + typed
                + "\nbutton ButtonVauf\nmessage\nadvance 1000\n" + pixel + "state " + steel.form + "\n");
        ASSERT_EQ(r.code, 0) << r.err;
        ASSERT_EQ(r.lines.size(), 4u);
        EXPECT_EQ(r.lines[1], "") << "no message box";
        EXPECT_EQ(r.lines[2], r.lines[0]) << "nothing drawn, nothing erased";
        const StateView v(r.lines[3]);
        EXPECT_FALSE(v.timerEnabled("TimerVauf"));
        EXPECT_TRUE(takesInput(v, "ButtonVauf"));
    }
}

TEST_P(ZTAconForm, PointAndCommaDrawTheSameCurve)
{
    // 2.5 °C/min: KurveY = 197 − 0.01583 · 10^((X − 53) / 54) first falls below 77 at X = 264
    // (69.1; at 261 it is 84.4), the 89th tick; the label "v =" then starts at (267 − 20, 67).
    const Steel& steel = GetParam();
    const bool c045 = std::string(steel.form) == "FormZTAcon045";
    // At 0.70 % C the curve goes on to KurveY < 53: 10^((X − 53) / 54) > 9095 first at X = 267
    // (KurveY 51.6), the 90th tick, label at (270 − 80, 51.6 + 35).
    const int ticks = c045 ? 89 : 90;
    const QPoint label = c045 ? logPixel(247, 67) : logPixel(190, 87);
    const char* const texts[] = { "2.5", "2,5" };
    for (int i = 0; i < 2; ++i) {
        Script s(steel);
        s.start("menu Aufheizungskurven").toTick(steel.sequenceTicks);
        s << std::string("type EditVauf ") + texts[i];
        s.start("button ButtonVauf").toTick(ticks - 1);
        const int before = s.pixel(label);
        s.toTick(ticks);
        const int after = s.pixel(label);
        const int st = s.state();
        s.run();
        ASSERT_EQ(s.code(), 0) << s.err();
        SCOPED_TRACE(texts[i]);
        EXPECT_NE(hex(s.color(before)), hex(kGruen));
        EXPECT_EQ(hex(s.color(after)), hex(kGruen));
        EXPECT_TRUE(s.stateView(st).timerEnabled("TimerAc1"));
    }
}

TEST_P(ZTAconForm, EscDuringTheSequenceStopsItAndTheNextOpeningIsIdle)
{
    const Steel& steel = GetParam();
    // Where the slowest curve has drawn by tick 300: its dot at A(c1b), on the gold panel.
    const QPoint dot = steel.moments[std::string(steel.form) == "FormZTAcon045" ? 2 : 1].at;
    Script s(steel);
    s.start("menu Aufheizungskurven").toTick(300);
    const int drawn = s.pixel(dot);
    s << "key Esc";
    const int closed = s.state();
    s << std::string("menu ") + steel.item << "advance 20000";
    const int reopened = s.state();
    const int pixel = s.pixel(dot);
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    EXPECT_NE(hex(s.color(drawn)), hex(kGold));
    EXPECT_FALSE(s.stateView(closed).visible());
    EXPECT_TRUE(idle(s.stateView(reopened))) << "nothing ran on while the form was closed";
    EXPECT_EQ(hex(s.color(pixel)), hex(kGold)) << "the static picture, and nothing drawn since";
}

TEST_P(ZTAconForm, EscAfterTheSequenceResetsTheEntry)
{
    const Steel& steel = GetParam();
    Script s(steel);
    s.start("menu Aufheizungskurven").toTick(steel.sequenceTicks);
    s << "type EditVauf 55";
    const int typed = s.state();
    s << "key Esc" << std::string("menu ") + steel.item;
    const int reopened = s.state();
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    EXPECT_EQ(s.stateView(typed).text("EditVauf"), "55");
    EXPECT_TRUE(idle(s.stateView(reopened)));
}

TEST_P(ZTAconForm, LoeschenNeuIsClosedDuringTheSequenceAndErasesItAfterwards)
{
    const Steel& steel = GetParam();
    const QPoint label = steel.moments.back().at;
    Script s(steel);
    const int fresh = s.pixel(label);
    s.start("menu Aufheizungskurven").toTick(300);
    const int refusedAt = s.line() + 1;
    s << "menu NEU"; // refused: the item is disabled while the sequence runs
    s << "key F1";
    const int textShown = s.state();
    s.toTick(steel.sequenceTicks);
    const int drawn = s.pixel(label);
    s << "type EditVauf 55"
      << "menu NEU";
    const int erased = s.pixel(label);
    const int after = s.state();
    s << "menu Aufheizungskurven";
    s.start("advance 50");
    // The sequence runs again from its start: the first micrograph's region in its first tick.
    const int again = s.pixel(steel.moments.front().at);
    s.run(true);
    EXPECT_NE(s.err().find("line " + std::to_string(refusedAt) + ": menu item 'NEU' is disabled"), std::string::npos)
        << s.err();
    const StateView t = s.stateView(textShown);
    EXPECT_TRUE(t.visible("MemoErlaeuterung")) << "F1 works during the sequence";
    EXPECT_TRUE(t.timerEnabled("TimerLog2")) << "and the sequence goes on";
    EXPECT_EQ(hex(s.color(drawn)), hex(clYellow));
    EXPECT_EQ(hex(s.color(erased)), hex(s.color(fresh))) << "\"Löschen / Neu\" brings back the static picture";
    const StateView a = s.stateView(after);
    EXPECT_EQ(a.text("EditVauf"), "0");
    EXPECT_TRUE(a.itemEnabled("Aufheizungskurven"));
    EXPECT_TRUE(takesInput(a, "EditVauf")) << "entry and button stay open";
    EXPECT_TRUE(takesInput(a, "ButtonVauf"));
    EXPECT_EQ(hex(s.color(again)), hex(steel.moments.front().color));
}

INSTANTIATE_TEST_SUITE_P(Steels, ZTAconForm, ::testing::ValuesIn(steels()),
    [](const ::testing::TestParamInfo<Steel>& info) { return std::string(info.param.form); });
