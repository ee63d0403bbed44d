// The continuous ZTU lesson at 0.45 % C: its runs as data, its components and menu, its static
// picture, and the six runs played through the headless driver with the run lock, the table,
// the micrographs, "Löschen / Neu", repaints and closing.
#include "framework/Application.h"
#include "framework/FormAccess.h"
#include "resources/Pictures.h"
#include "tests/support/Program.h"
#include "tests/timetemp/ZtuConRuns.h"
#include "timetemp/UnitZTUconC045.h"

#include <QJsonArray>
#include <QJsonObject>

using namespace wb;
using namespace wb::ztaztu;
using ztucon045::Rate;
using ztutest::inOrder;
using ztutest::playCooling;
using ztutest::Played;

namespace {

// --- Helpers ---------------------------------------------------------------------------------

// PaintBoxLog lies at (417, 161) of the client area, PaintBoxHaupt at (5, 5).
QPoint logPixel(int x, int y)
{
    return { x + 417, y + 161 };
}
QPoint hauptPixel(int x, int y)
{
    return { x + 5, y + 5 };
}

constexpr TColor kBlau = RGB(0x00, 0x00, 0xFF);
constexpr TColor kLila = RGB(0x80, 0x00, 0x80);
constexpr TColor kGold = RGB(0xFF, 0xD7, 0x00);
constexpr TColor kFormFarbe = RGB(0xD3, 0x05, 0x62);

// A driver script on the lesson, opened from the main menu.
class Script : public wbtest::Script {
public:
    Script()
        : wbtest::Script { "skip-cover", "menu ZTUcon045" }
    {
    }
    std::string refused(int line) const { return "line " + std::to_string(line) + ": FormZTUcon045 is disabled"; }
    int state(const std::string& form = "FormZTUcon045") { return wbtest::Script::state(form); }
};

using wbtest::StateView;

const char* const kRateItems[] = { "VGleich", "V004", "V06", "V15", "V60", "V600" };
const char* const kTimers[] = { "TimerGleich", "Timer004", "Timer06", "Timer20", "Timer60", "Timer600" };

// The idle state: form enabled, the six items enabled, no timer running, memos and pictures hidden.
::testing::AssertionResult idle(const StateView& s)
{
    if (!s.enabled())
        return ::testing::AssertionFailure() << "the form is locked";
    for (const char* item : kRateItems)
        if (!s.itemEnabled(item))
            return ::testing::AssertionFailure() << item << " is disabled";
    for (const char* timer : kTimers)
        if (s.timerEnabled(timer))
            return ::testing::AssertionFailure() << timer << " runs";
    for (const char* c : { "MemoT", "MemoErlaeuterung", "ImageMart", "ImageNorm" })
        if (s.visible(c))
            return ::testing::AssertionFailure() << c << " is shown";
    return ::testing::AssertionSuccess();
}

// --- The runs as data ------------------------------------------------------------------------

struct RateRow {
    Rate rate;
    const char* name;
    int ticks;
    std::vector<TPoint> points; // telling points of the curve, the last one where it ends
    std::vector<Box> markers;
    std::vector<TPoint> labels;
};

// The lesson's table of resulting runs, at 50 ms per tick, in pixels of PaintBoxLog.
const std::vector<RateRow>& rateRows()
{
    // clang-format off
    static const std::vector<RateRow> rows = {
        { Rate::V004, "0.04", 165,
            { { 0, 0 }, { 138, 0 }, { 140, 1 }, { 236, 30 }, { 238, 32 }, { 240, 32 }, { 241, 37 }, { 250, 53 },
                { 285, 231 } },
            { { 228, 21, 234, 27 }, { 240, 36, 246, 42 }, { 244, 43, 250, 49 } }, { { 246, 231 }, { 246, 247 } } },
        { Rate::V06, "0.6", 139,
            { { 0, 0 }, { 60, 0 }, { 62, 1 }, { 166, 40 }, { 168, 43 }, { 171, 47 }, { 172, 50 }, { 225, 225 } },
            { { 158, 29, 164, 35 }, { 167, 43, 173, 49 }, { 170, 51, 176, 57 } }, { { 205, 205 } } },
        { Rate::V15, "15", 60, { { 0, 1 }, { 99, 58 }, { 102, 58 }, { 112, 58 }, { 114, 64 }, { 156, 232 } },
            { { 89, 39, 95, 45 }, { 97, 55, 103, 61 }, { 111, 60, 117, 67 } }, { { 163, 239 } } },
        { Rate::V60, "60", 51, { { 0, 4 }, { 72, 77 }, { 75, 81 }, { 79, 81 }, { 81, 87 }, { 129, 247 } },
            { { 62, 54, 68, 60 }, { 73, 77, 79, 83 }, { 83, 97, 89, 103 }, { 102, 166, 108, 172 } }, { { 91, 237 } } },
        { Rate::V600, "600", 26, { { 0, 26 }, { 42, 150 }, { 45, 162 }, { 78, 241 } }, { { 42, 156, 48, 162 } },
            { { 11, 231 }, { 11, 248 } } },
    };
    // clang-format on
    return rows;
}

} // namespace

TEST(ZTUcon045Runs, EachCoolingRunGivesTheLessonsTicksPointsMarkersAndLabels)
{
    for (const RateRow& row : rateRows()) {
        SCOPED_TRACE(row.name);
        const Played p = playCooling(ztucon045::coolingRun(row.rate));
        EXPECT_EQ(p.ticks, row.ticks);
        EXPECT_TRUE(inOrder(p.lines, row.points));
        ASSERT_FALSE(p.lines.empty());
        EXPECT_EQ(p.lines.back(), row.points.back()) << "the last line ends at the last telling point";
        EXPECT_EQ(p.markers, row.markers);
        EXPECT_EQ(p.labels, row.labels);
    }
}

TEST(ZTUcon045Runs, ThePointSixRunEndsByItsLimitBeforeItsLastPieceRunsOut)
{
    // The last piece reaches to X = 230; Y = (225 − 92) · 3.3 − 214 = 224.9 already passes 224.
    const Played p = playCooling(ztucon045::coolingRun(Rate::V06));
    EXPECT_EQ(p.lines.back(), (TPoint { 225, 225 }));
}

TEST(ZTUcon045Runs, FifteenDegreesPassTwoPiecesInOneTickAtTheFerriteNose)
{
    // The tick at X = 99 draws the cooling line to (99, 58), moves to 102 and the flat piece
    // draws (102, 58) in the same tick; the tick at 112 does the same into the sloped piece.
    const CoolingRun& run = ztucon045::coolingRun(Rate::V15);
    int x = 99;
    float y = 0;
    RunTick t = coolingTick(run, x, y, 274);
    ASSERT_EQ(t.lineCount, 2);
    EXPECT_EQ(t.lines[0], (TPoint { 99, 58 })); // 9.12 · 10^(44/55) = 57.55
    EXPECT_EQ(t.lines[1], (TPoint { 102, 58 }));
    x = 112;
    t = coolingTick(run, x, y, 274);
    ASSERT_EQ(t.lineCount, 2);
    EXPECT_EQ(t.lines[0], (TPoint { 112, 58 }));
    EXPECT_EQ(t.lines[1], (TPoint { 114, 64 })); // 4 · 114 − 392
}

TEST(ZTUcon045Runs, EquilibriumRunsFlatThenEndsAtItsWhiteDot)
{
    const EquilibriumRun& run = ztucon045::equilibriumRun();
    int x = 0;
    float y = 0;
    std::vector<TPoint> lines;
    std::vector<Box> markers;
    int ticks = 0;
    bool firstOnlyOnce = true;
    for (bool ended = false; !ended && ticks < 1000;) {
        const EquilibriumTick t = equilibriumTick(run, x, y, 348, 274);
        firstOnlyOnce = firstOnlyOnce && (t.first == (ticks == 0));
        ++ticks;
        if (t.draws)
            lines.push_back(t.to);
        if (t.marker)
            markers.push_back(t.markerBox);
        ended = t.ended;
    }
    EXPECT_TRUE(firstOnlyOnce);
    // 164 ticks of 2 pixels: the last line at X = 326, then X = 328 = 348 − 20 ends it.
    EXPECT_EQ(ticks, 164);
    ASSERT_EQ(lines.size(), 164u);
    for (const TPoint& p : lines) {
        if (p.X <= 226) {
            EXPECT_EQ(p.Y, 0) << "flat at X = " << p.X;
        }
    }
    EXPECT_TRUE(inOrder(lines, { { 226, 0 }, { 228, 1 }, { 326, 31 } }));
    EXPECT_EQ(lines.back(), (TPoint { 326, 31 }));
    // At X = 310 and 328: 0.000361 · 10^(253/55) = 14.4 and 10^(271/55) · 0.000361 = 30.5.
    EXPECT_EQ(markers, (std::vector<Box> { { 295, 6, 301, 12 }, { 322, 26, 328, 32 } }));
}

// --- The form --------------------------------------------------------------------------------

namespace {

class ZTUcon045Form : public ::testing::Test {
protected:
    void SetUp() override { wbtest::resetApplication(); }
    void TearDown() override { wbtest::resetApplication(); }
};

} // namespace

TEST_F(ZTUcon045Form, ComponentsMenuAndTimersAsDescribed)
{
    TFormZTUcon045 f;
    FormAccess::create(f);
    EXPECT_EQ(f.PaintBoxHaupt.BoundsRect(), QRect(5, 5, 750, 500));
    EXPECT_EQ(f.PaintBoxHaupt.Color(), RGB(0x76, 0x02, 0x86));
    EXPECT_EQ(f.PaintBoxLog.BoundsRect(), QRect(417, 161, 348, 274));
    EXPECT_EQ(f.PaintBoxLog.Font.Height(), -13);
    EXPECT_EQ(f.ImageMart.BoundsRect(), QRect(400, 424, 161, 105));
    EXPECT_EQ(f.ImageNorm.BoundsRect(), QRect(624, 424, 161, 105));
    EXPECT_TRUE(f.ImageMart.hasPicture());
    EXPECT_TRUE(f.ImageNorm.hasPicture());
    EXPECT_EQ(f.MemoErlaeuterung.BoundsRect(), QRect(0, 0, 385, 460));
    EXPECT_EQ(f.MemoErlaeuterung.Color(), RGB(0xFF, 0xBF, 0xBF));
    EXPECT_EQ(f.MemoErlaeuterung.Font.Height(), 18);
    EXPECT_TRUE(f.MemoErlaeuterung.ReadOnly());
    // Its horizontal scroll bar, and a vertical one: 29 lines of 16 pixels are more than it shows.
    EXPECT_EQ(f.MemoErlaeuterung.ScrollBars(), ssBoth);
    ASSERT_EQ(f.MemoErlaeuterung.Lines.Count(), 29);
    // The source line: a leading blank, author and title in parentheses, a closing full stop.
    const QString source = f.MemoErlaeuterung.Lines[4];
    EXPECT_TRUE(source.startsWith(QStringLiteral(" (")) && source.endsWith(QStringLiteral(").")))
        << source.toStdString();
    EXPECT_EQ(
        f.MemoErlaeuterung.Lines[10], QStringLiteral(" Kühlt man beispielsweise nach einer durchgeführten Austenit-."));
    EXPECT_EQ(f.MemoErlaeuterung.Lines[27], QStringLiteral("  "));
    EXPECT_EQ(f.MemoT.BoundsRect(), QRect(0, 435, 385, 97));
    EXPECT_EQ(f.MemoT.Color(), RGB(0x00, 0x00, 0xFF));
    EXPECT_FALSE(f.MemoT.Bordered());
    EXPECT_EQ(f.MemoT.Font.Color(), clWhite);
    EXPECT_EQ(f.MemoT.Font.Height(), 18);
    // The table is wider and taller than its place: it scrolls both ways instead of losing a column.
    EXPECT_EQ(f.MemoT.ScrollBars(), ssBoth);
    EXPECT_FALSE(f.MemoT.WordWrap());
    ASSERT_EQ(f.MemoT.Lines.Count(), 7);
    EXPECT_EQ(f.MemoT.Lines[5],
        QStringLiteral(" Erzielte Härte HV                        780    390      280     200      190"));
    EXPECT_EQ(f.MemoT.Lines[6], QStringLiteral("     "));
    for (const TControl* c :
        std::initializer_list<const TControl*> { &f.ImageMart, &f.ImageNorm, &f.MemoErlaeuterung, &f.MemoT })
        EXPECT_FALSE(c->Visible()) << c->Name().toStdString();
    for (const TTimer* t : { &f.TimerGleich, &f.Timer004, &f.Timer06, &f.Timer20, &f.Timer60, &f.Timer600 }) {
        EXPECT_EQ(t->Interval(), 50) << t->Name().toStdString();
        EXPECT_FALSE(t->Enabled()) << t->Name().toStdString();
    }

    struct ItemRow {
        const TMenuItem* item;
        const char* name;
        const char* caption;
        const char* shortCut;
        bool visible;
        const TMenuItem* parent;
    };
    const ItemRow items[] = {
        { &f.Datei, "Datei", "&Datei", "", true, nullptr },
        { &f.NEU, "NEU", "Löschen / Neu", "", true, &f.Datei },
        { &f.Text, "Text", "Text ja/nein", "F1", true, &f.Datei },
        { &f.Tabelle, "Tabelle", "Tabelle Gefügeanteile ja/nein", "", true, &f.Datei },
        { &f.ESCAPE, "ESCAPE", "ESCAPE", "Esc", false, &f.Datei },
        { &f.Ende, "Ende", "&Ende", "", true, &f.Datei },
        { &f.VGleich, "VGleich", "&Gleichgewicht", "", true, nullptr },
        { &f.V004, "V004", "v = &0.04 °C/s", "", true, nullptr },
        { &f.V06, "V06", "v = 0.&6 °C/s", "", true, nullptr },
        { &f.V15, "V15", "v = &15 °C/s", "", true, nullptr },
        { &f.V60, "V60", "v = 60 °&C/s", "", true, nullptr },
        { &f.V600, "V600", "v = 600 °C/&s", "", true, nullptr },
    };
    const std::vector<TMenuItem*> all = f.MainMenu1.allItems();
    ASSERT_EQ(all.size(), std::size(items));
    for (size_t i = 0; i < all.size(); ++i) {
        const ItemRow& r = items[i];
        SCOPED_TRACE(r.name);
        EXPECT_EQ(all[i], r.item) << "menu order";
        EXPECT_EQ(r.item->Name().toStdString(), r.name);
        EXPECT_EQ(r.item->Caption().toStdString(), r.caption);
        EXPECT_EQ(r.item->shortCutText().toStdString(), r.shortCut);
        EXPECT_EQ(r.item->Visible(), r.visible);
        EXPECT_EQ(r.item->Parent(), r.parent);
        EXPECT_TRUE(r.item->Enabled());
    }
}

TEST_F(ZTUcon045Form, StaticPictureAtItsKeyPixels)
{
    Script s;
    struct Probe {
        QPoint at;
        TColor expected;
        const char* why;
    };
    const Probe probes[] = {
        { hauptPixel(1, 100), kFormFarbe, "the strip left of the background keeps the form colour" },
        { hauptPixel(600, 60), kGold, "inside the ZTU panel" },
        { hauptPixel(355, 250), kGold, "inside the EKD panel" },
        { hauptPixel(600, 429), kDunkel, "the ZTU frame's bottom edge (width 2: rows 428 and 429)" },
        { hauptPixel(600, 428), kDunkel, "" },
        { hauptPixel(360, 20), kDunkel, "the EKD frame's top edge" },
        { hauptPixel(600, 158), kDunkel, "the dotted 800 °C line: 188 pixels from 412, 188 mod 6 = 2, in a dot" },
        { hauptPixel(700, 499), RGB(0x0A, 0x00, 0x00), "the background's last row: red 510 − 500" },
        { hauptPixel(400, 300), RGB(209, 0, 0), "a width-2 row shows the line of the row below: 510 − 301" },
        { hauptPixel(320, 258), kLila, "inside the steel box" },
        { hauptPixel(189, 240), clBlack, "the steel box's black frame" },
        // The 0.45 % C line: dashes of 18 pixels from 165 down, the gaps purple.
        { hauptPixel(115, 170), clBlack, "a dash of the 0.45 % C line" },
        { hauptPixel(115, 186), kLila, "its first gap, 21 pixels down" },
        { hauptPixel(115, 210), kLila, "its second gap, 45 pixels down" },
        { hauptPixel(115, 200), clBlack, "its second dash" },
        // A(3) at 780 °C: black dashes and black gaps.
        { hauptPixel(135, 165), clBlack, "a gap of the A(3) line, black" },
        { hauptPixel(300, 184), clBlack, "the A(1) line" },
        { hauptPixel(166, 300), kDunkel, "the eutectoid line at 0.8 % C" },
        { hauptPixel(450, 314), kDunkel, "the Ms line at 340 °C" },
    };
    std::vector<int> q;
    for (const Probe& p : probes)
        q.push_back(s.pixel(p.at));
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    for (size_t i = 0; i < q.size(); ++i)
        EXPECT_EQ(colorToHex(s.color(q[i])), colorToHex(probes[i].expected))
            << probes[i].why << " at (" << probes[i].at.x() << ", " << probes[i].at.y() << ")";
}

TEST_F(ZTUcon045Form, EachRunTakesItsTicksLockedAndEndsUnlockedWithItsItemOff)
{
    struct Case {
        const char* item;
        const char* timer;
        int ticks;
        bool showsTable;
    };
    const Case cases[] = {
        { "V004", "Timer004", 165, true },
        { "V06", "Timer06", 139, true },
        { "V15", "Timer20", 60, true },
        { "V60", "Timer60", 51, true },
        { "V600", "Timer600", 26, true },
        { "VGleich", "TimerGleich", 164, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        Script s;
        s << std::string("menu ") + c.item << "advance " + std::to_string((c.ticks - 1) * 50);
        const int before = s.state();
        s << "advance 50";
        const int after = s.state();
        s.run();
        ASSERT_EQ(s.code(), 0) << s.err();
        const StateView b = s.stateView(before), a = s.stateView(after);
        EXPECT_TRUE(b.timerEnabled(c.timer)) << "one tick before its end the run goes on";
        EXPECT_FALSE(b.enabled()) << "locked while it runs";
        EXPECT_FALSE(b.itemEnabled(c.item));
        EXPECT_EQ(b.visible("MemoT"), c.showsTable);
        EXPECT_FALSE(a.timerEnabled(c.timer)) << "over at its last tick";
        EXPECT_TRUE(a.enabled());
        EXPECT_FALSE(a.itemEnabled(c.item)) << "a finished rate waits for Löschen / Neu";
        EXPECT_EQ(a.visible("MemoT"), c.showsTable);
        for (const char* other : kRateItems) {
            if (std::string(other) != c.item) {
                EXPECT_TRUE(a.itemEnabled(other)) << other;
            }
        }
    }
}

TEST_F(ZTUcon045Form, FinishedRunsLeaveCurvesMarkersAndLabelsWhereTheLessonSays)
{
    struct Case {
        const char* item;
        std::vector<TPoint> curve; // points on the curve no marker or label covers
        TColor pen;
    };
    // Points between the telling points are the curve's own formulas, for example
    // 0.0152 · 10^(215/55) = 123.3 for 0.04 °C/s at X = 270, 0.38 · 10^(95/55) = 20.3 and
    // (200 − 92) · 3.3 − 214 = 142.4 for 0.6 °C/s, 4 · 140 − 392 = 168 for 15 °C/s,
    // 38 · 10^(−4/55) = 32.1 and (121 − 88) · 3.35 + 110 = 220.6 for 60 °C/s,
    // (60 − 93) · 2.4 + 277 = 197.8 for 600 °C/s and 0.000361 · 10^(265/55) = 23.75 for equilibrium.
    // clang-format off
    const Case cases[] = {
        { "V004",    { { 140, 1 }, { 238, 32 }, { 250, 53 }, { 270, 123 } }, kBlau },
        { "V06",     { { 62, 1 }, { 150, 20 }, { 200, 142 }, { 225, 225 } }, kBlau },
        { "V15",     { { 108, 58 }, { 140, 168 }, { 156, 232 } }, kBlau },
        { "V60",     { { 51, 32 }, { 121, 221 }, { 129, 247 } }, kBlau },
        { "V600",    { { 42, 150 }, { 60, 198 }, { 78, 241 } }, kBlau },
        { "VGleich", { { 100, 0 }, { 250, 1 }, { 320, 24 } }, kLila },
    };
    // clang-format on
    const std::map<std::string, std::vector<Box>> markers = {
        { "V004", rateRows()[0].markers },
        { "V06", rateRows()[1].markers },
        { "V15", rateRows()[2].markers },
        { "V60", rateRows()[3].markers },
        { "V600", rateRows()[4].markers },
        { "VGleich", { { 295, 6, 301, 12 }, { 322, 26, 328, 32 } } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        Script s;
        s << std::string("menu ") + c.item << "advance 9000";
        std::vector<int> curve, fills;
        for (const TPoint& p : c.curve)
            curve.push_back(s.pixel(logPixel(p.X, p.Y)));
        // The dots: the middle of a 6-pixel box is filled; the last dot of most runs is white.
        for (const Box& b : markers.at(c.item))
            fills.push_back(s.pixel(logPixel(b.x1 + 3, b.y1 + 3)));
        s.run();
        ASSERT_EQ(s.code(), 0) << s.err();
        for (size_t i = 0; i < curve.size(); ++i)
            EXPECT_EQ(colorToHex(s.color(curve[i])), colorToHex(c.pen))
                << "curve at (" << c.curve[i].X << ", " << c.curve[i].Y << ")";
        const std::vector<Box>& boxes = markers.at(c.item);
        for (size_t i = 0; i < fills.size(); ++i) {
            const bool white = i + 1 == fills.size() && std::string(c.item) != "V600";
            EXPECT_EQ(colorToHex(s.color(fills[i])), colorToHex(white ? clWhite : clBlack))
                << "dot " << boxes[i].x1 << ", " << boxes[i].y1;
        }
    }
}

TEST_F(ZTUcon045Form, EndLabelsAreWhiteOnBlueAtTheirPlaces)
{
    // The labels' first letter is a blank: the cell's top-left pixel is the brush.
    Script s;
    s << "menu V600"
      << "advance 2000";
    const int label1 = s.pixel(logPixel(11, 231)), label2 = s.pixel(logPixel(11, 248));
    const int left = s.pixel(logPixel(10, 231)); // one left of the label: the picture under it
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    EXPECT_EQ(s.color(label1), kBlau);
    EXPECT_EQ(s.color(label2), kBlau);
    EXPECT_NE(s.color(left), kBlau);
}

TEST_F(ZTUcon045Form, EquilibriumContinuesA3AndA1AcrossTheZtuPanelAndNamesItsResult)
{
    Script s;
    s << "menu VGleich"
      << "advance 9000";
    // The across lines are dashed from x = 115 with the pen black after the repaint: at 600
    // (485 pixels in, 485 mod 24 = 5) a dash, at 615 (500 mod 24 = 20) a gap filled white.
    const int dash165 = s.pixel(hauptPixel(600, 165)), gap165 = s.pixel(hauptPixel(615, 165));
    const int dash184 = s.pixel(hauptPixel(600, 184)), gap184 = s.pixel(hauptPixel(615, 184));
    const int box = s.pixel(hauptPixel(540, 100)); // inside the purple box (427, 56)–(563, 110)
    const int perlit = s.pixel(hauptPixel(427, 124)), ferrit = s.pixel(hauptPixel(427, 138));
    const int st = s.state();
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    EXPECT_EQ(s.color(dash165), clBlack);
    EXPECT_EQ(s.color(gap165), clWhite);
    EXPECT_EQ(s.color(dash184), clBlack);
    EXPECT_EQ(s.color(gap184), clWhite);
    EXPECT_EQ(s.color(box), kLila);
    EXPECT_EQ(s.color(perlit), kLila) << "\" 55 % Perlit \" starts with a blank on purple";
    EXPECT_EQ(s.color(ferrit), kLila);
    EXPECT_FALSE(s.stateView(st).visible("MemoT")) << "the equilibrium run leaves the table as it was";
}

TEST_F(ZTUcon045Form, TheLockRefusesTheMouseWhileF1AndTheRunGoOn)
{
    Script s;
    s << "menu V004"
      << "advance 1000"
      << "menu V06"; // refused: the form is disabled
    const int menuLine = s.line();
    s << "click PaintBoxHaupt 100 100";
    const int clickLine = s.line();
    s << "close";
    const int closeLine = s.line();
    s << "key F1";
    const int during = s.state();
    s << "advance 8000";
    const int after = s.state();
    const int end = s.pixel(logPixel(270, 123));
    s.run(true);
    EXPECT_EQ(s.code(), 2)
        << "with --keep-going the refusals are reported, the script goes on and ends with exit code 2";
    for (int line : { menuLine, clickLine, closeLine })
        EXPECT_NE(s.err().find(s.refused(line)), std::string::npos) << s.err();
    const StateView d = s.stateView(during), a = s.stateView(after);
    EXPECT_TRUE(d.visible("MemoErlaeuterung")) << "F1 reaches the locked form";
    EXPECT_TRUE(d.timerEnabled("Timer004"));
    EXPECT_FALSE(d.timerEnabled("Timer06")) << "the refused click started nothing";
    EXPECT_TRUE(d.visible()) << "the close box was refused";
    EXPECT_FALSE(a.timerEnabled("Timer004"));
    EXPECT_TRUE(a.enabled());
    EXPECT_TRUE(a.visible("MemoErlaeuterung"));
    EXPECT_EQ(s.color(end), kBlau) << "the run went on to its end";
}

TEST_F(ZTUcon045Form, TheTableTogglesWhileTheFormIsFreeAndAFinishedRateIsRefused)
{
    Script s;
    s << "menu Tabelle";
    const int shown = s.state();
    s << "menu Tabelle";
    const int hidden = s.state();
    s << "menu V60"
      << "advance 3000"
      << "menu V60"; // refused: a finished rate's item stays off
    const int refusedLine = s.line();
    const int afterRun = s.state();
    s << "menu Tabelle";
    const int toggled = s.state();
    s.run(true);
    EXPECT_NE(s.err().find("line " + std::to_string(refusedLine) + ": menu item 'V60' is disabled"), std::string::npos)
        << s.err();
    EXPECT_TRUE(s.stateView(shown).visible("MemoT"));
    EXPECT_FALSE(s.stateView(hidden).visible("MemoT"));
    EXPECT_TRUE(s.stateView(afterRun).visible("MemoT")) << "a numeric run shows the table";
    EXPECT_FALSE(s.stateView(toggled).visible("MemoT"));
}

TEST_F(ZTUcon045Form, MicrographsAppearAtTheEndsOfTheSlowestAndFastestRuns)
{
    const QImage mart = pictures::jpeg(QStringLiteral("FormZTUcon045.ImageMart"));
    const QImage norm = pictures::jpeg(QStringLiteral("FormZTUcon045.ImageNorm"));
    ASSERT_FALSE(mart.isNull());
    ASSERT_FALSE(norm.isNull());
    Script s;
    s << "menu V600"
      << "advance 1250"; // 25 ticks: one short
    const int before = s.state();
    s << "advance 50";
    const int afterMart = s.state();
    const int martPixel = s.pixel({ 400 + 20, 424 + 30 });
    s << "menu V004"
      << "advance 8250";
    const int both = s.state();
    const int normPixel = s.pixel({ 624 + 100, 424 + 60 });
    const int normCorner = s.pixel({ 624 + 159, 424 + 104 }); // the picture's last column, the image's last row
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    EXPECT_FALSE(s.stateView(before).visible("ImageMart"));
    EXPECT_TRUE(s.stateView(afterMart).visible("ImageMart"));
    EXPECT_FALSE(s.stateView(afterMart).visible("ImageNorm"));
    EXPECT_EQ(s.color(martPixel), fromPixel(mart.pixel(20, 30)));
    EXPECT_TRUE(s.stateView(both).visible("ImageMart")) << "once shown, a picture stays";
    EXPECT_TRUE(s.stateView(both).visible("ImageNorm"));
    EXPECT_EQ(s.color(normPixel), fromPixel(norm.pixel(100, 60)));
    EXPECT_EQ(s.color(normCorner), fromPixel(norm.pixel(159, 104)));
}

TEST_F(ZTUcon045Form, LoeschenNeuReturnsToTheStaticPictureWithEverythingHidden)
{
    Script s;
    const QPoint probes[] = { logPixel(140, 1), logPixel(45, 162), logPixel(231, 24), logPixel(246, 231) };
    std::vector<int> statics, after;
    for (QPoint p : probes)
        statics.push_back(s.pixel(p));
    s << "menu V600"
      << "advance 1500"
      << "menu V004"
      << "advance 8500"
      << "key F1"
      << "menu NEU";
    const int st = s.state();
    for (QPoint p : probes)
        after.push_back(s.pixel(p));
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    const StateView o = s.stateView(st);
    EXPECT_FALSE(o.visible("MemoT"));
    EXPECT_FALSE(o.visible("ImageMart"));
    EXPECT_FALSE(o.visible("ImageNorm"));
    EXPECT_TRUE(o.visible("MemoErlaeuterung")) << "Löschen / Neu leaves the text as it is";
    EXPECT_TRUE(o.enabled());
    for (const char* item : kRateItems)
        EXPECT_TRUE(o.itemEnabled(item)) << item;
    for (size_t i = 0; i < statics.size(); ++i)
        EXPECT_EQ(s.answer(after[i]), s.answer(statics[i])) << "curve, dot or label erased at probe " << i;
}

TEST_F(ZTUcon045Form, EscMidRunClosesAndTheNextOpeningIsIdleAndStatic)
{
    Script s;
    const int staticPixel = s.pixel(logPixel(51, 32));
    s << "menu V60"
      << "advance 1000" // 20 ticks: the curve is at X = 60
      << "key F1"
      << "menu Tabelle"; // refused while locked: the run showed the table anyway
    const int tabelleLine = s.line();
    s << "key Esc";
    const int closed = s.state();
    s << "advance 5000";
    const int later = s.state();
    s << "menu ZTUcon045";
    const int reopened = s.state();
    const int pixel = s.pixel(logPixel(51, 32));
    s.run(true);
    EXPECT_NE(s.err().find(s.refused(tabelleLine)), std::string::npos) << s.err();
    const StateView c = s.stateView(closed);
    EXPECT_FALSE(c.visible());
    EXPECT_TRUE(idle(c));
    EXPECT_TRUE(idle(s.stateView(later))) << "nothing runs on unseen";
    EXPECT_TRUE(idle(s.stateView(reopened)));
    EXPECT_EQ(s.answer(pixel), s.answer(staticPixel)) << "the reopened form shows the static picture only";
}

TEST_F(ZTUcon045Form, CloseBoxAfterRunsClosesLikeEsc)
{
    Script s;
    s << "menu V15"
      << "advance 3000"
      << "menu Tabelle" // hides the table the run showed
      << "menu Tabelle"
      << "close";
    const int closed = s.state();
    s << "menu ZTUcon045";
    const int reopened = s.state();
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    EXPECT_FALSE(s.stateView(closed).visible());
    EXPECT_TRUE(idle(s.stateView(closed)));
    EXPECT_TRUE(idle(s.stateView(reopened)));
}

TEST_F(ZTUcon045Form, ARepaintMidRunWipesTheTraceAndTheRunDrawsOnFromItsPoint)
{
    Script s;
    const int staticEarly = s.pixel(logPixel(150, 1));
    // Where a line from the start (0, 0) to the next point (200, 7) would pass; the curve
    // itself runs along Y = 0 there.
    const int staticBelow = s.pixel(logPixel(100, 3));
    s << "menu V004"
      << "advance 5000"; // 100 ticks: the curve has reached (198, 6)
    const int drawnEarly = s.pixel(logPixel(150, 1));
    s << "repaint";
    const int wipedEarly = s.pixel(logPixel(150, 1));
    s << "advance 1000"; // 20 more: X = 200 … 238
    const int stillWiped = s.pixel(logPixel(150, 1));
    const int below = s.pixel(logPixel(100, 3));
    const int drawnLater = s.pixel(logPixel(220, 15)); // 0.0152 · 10^(165/55) = 15.2
    const int joint = s.pixel(logPixel(199, 6)); // the first line after the repaint: (198, 6) to (200, 7)
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    EXPECT_EQ(s.color(drawnEarly), kBlau);
    EXPECT_EQ(s.answer(wipedEarly), s.answer(staticEarly));
    EXPECT_EQ(s.answer(stillWiped), s.answer(staticEarly)) << "the run does not start over";
    EXPECT_EQ(s.answer(below), s.answer(staticBelow)) << "nor draws a line from the start";
    EXPECT_EQ(s.color(drawnLater), kBlau);
    EXPECT_EQ(s.color(joint), kBlau) << "it goes on from where its pen was";
}

TEST_F(ZTUcon045Form, LoeschenNeuReachedDuringARunStopsItAndLiftsTheLock)
{
    // The lock keeps the mouse from the item; called all the same, it leaves an idle form.
    TFormZTUcon045 f;
    FormAccess::create(f);
    f.Show();
    Application.flushPendingPaints();
    const TColor before = f.Canvas().Pixel(logPixel(100, 0).x(), logPixel(100, 0).y());
    f.V004.Click();
    Scheduler::instance().advance(3000);
    EXPECT_FALSE(f.Enabled());
    EXPECT_EQ(f.Canvas().Pixel(logPixel(100, 0).x(), logPixel(100, 0).y()), kBlau);
    f.NEU.Click();
    EXPECT_TRUE(f.Enabled());
    EXPECT_FALSE(f.Timer004.Enabled());
    EXPECT_TRUE(f.V004.Enabled());
    EXPECT_FALSE(f.MemoT.Visible());
    EXPECT_EQ(f.Canvas().Pixel(logPixel(100, 0).x(), logPixel(100, 0).y()), before);
    const int x = f.moduleState().KurveX;
    Scheduler::instance().advance(1000);
    EXPECT_EQ(f.moduleState().KurveX, x) << "no tick after Löschen / Neu";
    f.Hide();
}

TEST_F(ZTUcon045Form, EveryPaintComputesTheLayoutValues)
{
    TFormZTUcon045 f;
    FormAccess::create(f);
    EXPECT_EQ(f.moduleState().Layout.ZtuLinks, 0) << "0 until the first paint";
    f.Show();
    Application.flushPendingPaints();
    const DiagramLayout& l = f.moduleState().Layout;
    EXPECT_EQ(QRect(QPoint(l.ZtuLinks, l.ZtuOben), QPoint(l.ZtuRechts, l.ZtuUnten)),
        QRect(QPoint(412, 20), QPoint(740, 430)));
    EXPECT_EQ(l.ZtuZeile, 68);
    EXPECT_EQ(l.ZtuDekade, 54);
    EXPECT_EQ(
        QRect(QPoint(l.EkdLinks, l.EkdOben), QPoint(l.EkdRechts, l.EkdUnten)), QRect(QPoint(50, 20), QPoint(370, 430)));
    EXPECT_EQ(l.EkdZeile, 68);
    EXPECT_EQ(l.EkdSpalte, 29);
    EXPECT_EQ(f.PaintBoxLog.BoundsRect(), QRect(417, 161, 348, 274));
    f.Hide();
}
