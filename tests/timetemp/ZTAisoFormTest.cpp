// The isothermal ZTA lesson at 0.45 % C as a form: components, menu and text; the boundary lines
// of its static picture; the three isotherms through the headless driver at the ticks where they
// dot a crossing, show a micrograph, end and hand over; "Löschen / Neu" and Esc during the run and
// after it.
#include "framework/FormAccess.h"
#include "resources/Pictures.h"
#include "tests/support/Program.h"
#include "timetemp/UnitZTAisoC045.h"

#include <QImage>
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
constexpr TColor kLinie = RGB(0x0A, 0x00, 0x00);

TColor framePixel(int frame, int x, int y)
{
    const QImage strip = pictures::stripLoader(QStringLiteral("FormZTAiso045.ImageListGef"))();
    return fromPixel(strip.pixel(frame * 100 + x, y));
}

std::string hex(TColor c)
{
    return colorToHex(c).toStdString();
}

// A driver script on the lesson, opened from the main menu, counting ticks from the last start.
class Script : public wbtest::Script {
public:
    Script()
        : wbtest::Script { "skip-cover", "menu ZTAiso045" }
    {
    }
    int state() { return wbtest::Script::state("FormZTAiso045"); }
    Script& toTick(int tick)
    {
        if (tick > m_tick)
            *this << "advance " + std::to_string((tick - m_tick) * 50);
        m_tick = std::max(m_tick, tick);
        return *this;
    }
    Script& start()
    {
        *this << "menu Aufheizungskurven";
        m_tick = 0;
        return *this;
    }

private:
    int m_tick = 0;
};

// The run's ticks: 97 for 800 °C, 90 for 850 °C, 87 for 900 °C.
constexpr int kEnd800 = 97;
constexpr int kEnd850 = kEnd800 + 90;
constexpr int kEnd900 = kEnd850 + 87;

class ZTAisoForm : public ::testing::Test {
protected:
    void SetUp() override { wbtest::resetApplication(); }
    void TearDown() override { wbtest::resetApplication(); }
};

} // namespace

TEST_F(ZTAisoForm, ComponentsMenuAndTextAsDescribed)
{
    TFormZTAiso045 f;
    FormAccess::create(f);
    EXPECT_EQ(f.PaintBoxHaupt.BoundsRect(), QRect(5, 5, 750, 500));
    EXPECT_EQ(f.PaintBoxLog.BoundsRect(), QRect(405, 25, 358, 160));
    EXPECT_EQ(f.PaintBoxLog.Font.Height(), -13);
    EXPECT_EQ(f.MemoErlaeuterung.BoundsRect(), QRect(0, 0, 355, 320));
    EXPECT_EQ(f.MemoErlaeuterung.Font.Height(), 18);
    EXPECT_TRUE(f.MemoErlaeuterung.ReadOnly());
    EXPECT_FALSE(f.MemoErlaeuterung.Visible());
    EXPECT_EQ(f.MemoErlaeuterung.widget()->focusPolicy(), Qt::ClickFocus) << "not a tab stop";
    // Seventeen lines of 16 pixels fit 320 pixels: no vertical scroll bar.
    ASSERT_EQ(f.MemoErlaeuterung.Lines.Count(), 17);
    EXPECT_EQ(f.MemoErlaeuterung.ScrollBars(), ssHorizontal);
    EXPECT_EQ(f.MemoErlaeuterung.Lines[7], QStringLiteral(" Stahl mit 0.45% Kohlenstoff"))
        << "the text speaks of this lesson's steel";
    EXPECT_EQ(f.ImageListGef.Count(), 4);
    for (const TTimer* t : { &f.Timer800, &f.Timer850, &f.Timer900 }) {
        EXPECT_EQ(t->Interval(), 50) << t->Name().toStdString();
        EXPECT_FALSE(t->Enabled()) << t->Name().toStdString();
    }
    EXPECT_TRUE(wbtest::menuIs(f,
        {
            { "Ende", "&Ende" },
            { "Text", "&Text ja/nein", "F1" },
            { "ESCAPE", "ESCAPE", "Esc", false },
            { "Aufheizungskurven", "&Start Isotherme" },
            { "NEU", "&Löschen / Neu", "", true, false },
        }));
}

TEST_F(ZTAisoForm, TheStaticPictureHasTheBoundaryLinesAsParabolas)
{
    Script s;
    // At x = 600: A(c1b) 202 − 0.00042 · 90² = 198.6, A(c1e) 188 − 0.00045 · 90² = 184.4, the
    // homogeneity line 175 − 0.0018 · 115² = 151.2; the width-2 lines cover their row and the one
    // above, the width-1 grey line only its own.
    const int ac1b = s.pixel(hauptPixel(600, 199)), below = s.pixel(hauptPixel(600, 200));
    const int ac1e = s.pixel(hauptPixel(600, 184));
    const int homo = s.pixel(hauptPixel(600, 151)), belowHomo = s.pixel(hauptPixel(600, 152));
    // The homogeneity line's first step from (455, 56) up to its parabola's 53.3.
    const int step = s.pixel(hauptPixel(455, 55));
    // A(c3)'s separate piece at long times, (687, 178)–(719, 178).
    const int piece = s.pixel(hauptPixel(700, 178));
    // The names of the lines left of the panel, white on black.
    const int name = s.pixel(hauptPixel(358, 157));
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    EXPECT_EQ(hex(s.color(ac1b)), hex(kLinie));
    EXPECT_EQ(hex(s.color(below)), hex(kGold));
    EXPECT_EQ(hex(s.color(ac1e)), hex(kLinie));
    EXPECT_EQ(hex(s.color(homo)), hex(clGray));
    EXPECT_EQ(hex(s.color(belowHomo)), hex(kGold));
    EXPECT_EQ(hex(s.color(step)), hex(clGray));
    EXPECT_EQ(hex(s.color(piece)), hex(kLinie));
    EXPECT_EQ(hex(s.color(name)), hex(clBlack));
}

namespace {

struct Moment {
    int tick;
    QPoint at;
    TColor color;
    const char* what;
};

} // namespace

TEST_F(ZTAisoForm, TheIsothermsDrawEachMomentAtItsTick)
{
    // Dots inside their 6-pixel box at (x1 + 2, y1 + 3), labels by their first pixel. Each
    // isotherm's tick k draws its holding line to KurveX = 3 (k − 1) and then moves on by 3.
    // clang-format off
    const Moment moments[] = {
        { 1, hauptPixel(454, 377), kGruen, "\"   Aufheizgeschwindigkeit = 130 °C/sec   \"" },
        { 1, hauptPixel(405, 325), clBlack, "micrograph 0's region" },
        { 1, hauptPixel(395 + 50, 220 + 50), framePixel(0, 50, 50), "frame 0's middle" },
        { 7, logPixel(20, 152), clBlue, "800 °C crossing A(c1b), dot (18, 149, 24, 155)" },
        { 8, hauptPixel(490, 325), clBlack, "micrograph 1's region, at KurveX = 21" },
        { 8, hauptPixel(508 + 50, 220 + 50), framePixel(1, 50, 50), "frame 1's middle" },
        { 34, logPixel(95, 152), clWhite, "800 °C crossing A(c1e), dot (93, 149, 99, 155)" },
        { 35, hauptPixel(625, 325), clBlack, "micrograph 2's region, at KurveX = 102" },
        { 35, hauptPixel(620 + 50, 220 + 50), framePixel(2, 50, 50), "frame 2's middle" },
        { 77, logPixel(230, 152), clBlue, "800 °C crossing A(c3), dot (228, 149, 234, 155)" },
        { 78, hauptPixel(570, 110), clBlack, "micrograph 3's region \"> A(c3)\", at KurveX = 231" },
        { 78, hauptPixel(570 + 50, 5 + 50), framePixel(3, 50, 50), "frame 3's middle" },
        { kEnd800, logPixel(296, 142), clRed, "\" T = 800°C \"" },
        // 850 °C: its first tick draws the heating line up the overlay's left edge, covering
        // x = −1 … 0; the white dot of its second tick lies half outside the overlay.
        { kEnd800 + 1, logPixel(0, 140), clRed, "850 °C heating line" },
        { kEnd800 + 2, logPixel(0, 133), clWhite, "850 °C crossing A(c1e), dot (−3, 130, 3, 136)" },
        { kEnd800 + 42, logPixel(125, 133), clBlue, "850 °C crossing A(c3), dot (123, 130, 129, 136)" },
        { kEnd850, logPixel(280, 123), clRed, "\" T = 850°C \"" },
        { kEnd850 + 1, logPixel(0, 120), clRed, "900 °C heating line" },
        { kEnd850 + 15, logPixel(44, 114), clBlue, "900 °C crossing A(c3), dot (42, 111, 48, 117)" },
        { kEnd900, logPixel(271, 106), clRed, "\" T = 900°C \"" },
    };
    // clang-format on
    Script s;
    s.start();
    struct Query {
        const Moment* m;
        int before;
        int after;
    };
    std::vector<Query> queries;
    // The moments in order of their ticks; those of one tick are read together.
    const size_t n = std::size(moments);
    for (size_t i = 0; i < n;) {
        size_t j = i;
        while (j < n && moments[j].tick == moments[i].tick)
            ++j;
        ASSERT_TRUE(j == n || moments[j].tick > moments[i].tick) << "moments in order of their ticks";
        s.toTick(moments[i].tick - 1);
        for (size_t k = i; k < j; ++k)
            queries.push_back({ &moments[k], s.pixel(moments[k].at), 0 });
        s.toTick(moments[i].tick);
        for (size_t k = i; k < j; ++k)
            queries[k].after = s.pixel(moments[k].at);
        i = j;
    }
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    for (const Query& q : queries) {
        SCOPED_TRACE(std::string("tick ") + std::to_string(q.m->tick) + ": " + q.m->what);
        EXPECT_NE(hex(s.color(q.before)), hex(q.m->color)) << "not yet the tick before";
        EXPECT_EQ(hex(s.color(q.after)), hex(q.m->color));
    }
}

TEST_F(ZTAisoForm, EachIsothermHandsOverInItsLastTickAndLoeschenNeuOpensAtTheEnd)
{
    Script s;
    const int opened = s.state();
    s.start();
    const int started = s.state();
    const std::pair<const char*, int> chain[]
        = { { "Timer800", kEnd800 }, { "Timer850", kEnd850 }, { "Timer900", kEnd900 } };
    std::vector<std::pair<int, int>> around;
    for (const auto& [timer, tick] : chain) {
        s.toTick(tick - 1);
        const int before = s.state();
        s.toTick(tick);
        around.emplace_back(before, s.state());
    }
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    const StateView o = s.stateView(opened);
    EXPECT_TRUE(o.itemEnabled("Aufheizungskurven"));
    EXPECT_FALSE(o.itemEnabled("NEU"));
    const StateView st = s.stateView(started);
    EXPECT_TRUE(st.timerEnabled("Timer800"));
    EXPECT_FALSE(st.itemEnabled("Aufheizungskurven"));
    EXPECT_TRUE(st.enabled()) << "the form is not locked";
    for (size_t i = 0; i < std::size(chain); ++i) {
        SCOPED_TRACE(chain[i].first);
        const StateView b = s.stateView(around[i].first), a = s.stateView(around[i].second);
        EXPECT_TRUE(b.timerEnabled(chain[i].first));
        EXPECT_FALSE(a.timerEnabled(chain[i].first));
        const bool last = i + 1 == std::size(chain);
        if (!last) {
            EXPECT_TRUE(a.timerEnabled(chain[i + 1].first));
        }
        EXPECT_FALSE(b.itemEnabled("NEU"));
        EXPECT_EQ(a.itemEnabled("NEU"), last);
        EXPECT_FALSE(a.itemEnabled("Aufheizungskurven")) << "one run until \"Löschen / Neu\"";
    }
}

TEST_F(ZTAisoForm, EscDuringTheRunStopsItAndTheNextOpeningShowsTheStaticPicture)
{
    // By tick 150 the 850 °C isotherm (from tick 98) has reached KurveX = 156: (60, 133) on the
    // overlay is red; in the static picture it is gold, clear of every line.
    Script s;
    s.start().toTick(150);
    const int drawn = s.pixel(logPixel(60, 133));
    s << "key Esc"
      << "menu ZTAiso045"
      << "advance 10000";
    const int reopened = s.state();
    const int pixel = s.pixel(logPixel(60, 133));
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    EXPECT_EQ(hex(s.color(drawn)), hex(clRed));
    const StateView r = s.stateView(reopened);
    EXPECT_TRUE(r.itemEnabled("Aufheizungskurven"));
    EXPECT_FALSE(r.itemEnabled("NEU")) << "\"Löschen / Neu\" keeps the state it had";
    for (const auto& [timer, on] : r.timersEnabled())
        EXPECT_FALSE(on) << timer;
    EXPECT_FALSE(r.visible("MemoErlaeuterung"));
    EXPECT_EQ(hex(s.color(pixel)), hex(kGold)) << "the static picture, and nothing drawn since";
}

TEST_F(ZTAisoForm, AfterTheRunLoeschenNeuErasesItAndEscKeepsItOpen)
{
    Script s;
    s.start().toTick(kEnd900);
    const int drawn = s.pixel(logPixel(60, 133));
    s << "key Esc"
      << "menu ZTAiso045";
    const int reopened = s.state();
    s << "key F1";
    const int text = s.state();
    s << "menu NEU";
    const int erased = s.pixel(logPixel(60, 133));
    const int rateErased = s.pixel(hauptPixel(454, 377));
    const int after = s.state();
    s.start().toTick(1);
    const int again = s.pixel(hauptPixel(454, 377));
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    EXPECT_EQ(hex(s.color(drawn)), hex(clRed));
    const StateView r = s.stateView(reopened);
    EXPECT_TRUE(r.itemEnabled("Aufheizungskurven")) << "closing enables the start";
    EXPECT_TRUE(r.itemEnabled("NEU")) << "and leaves \"Löschen / Neu\" as it was";
    EXPECT_TRUE(s.stateView(text).visible("MemoErlaeuterung"));
    EXPECT_EQ(hex(s.color(erased)), hex(kGold));
    EXPECT_NE(hex(s.color(rateErased)), hex(kGruen));
    EXPECT_TRUE(s.stateView(after).itemEnabled("Aufheizungskurven"));
    EXPECT_EQ(hex(s.color(again)), hex(kGruen)) << "a new run starts with its first micrograph";
}
