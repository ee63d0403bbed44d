// The annealing processes on the virtual clock and through the driver: the static diagram, each
// band's last locked and first finished tick with its label and its explanation appended once,
// the coarse-grain area at once, stress relief on top of recrystallisation in either order,
// "Löschen/Neu" stopping every band, a repaint and closing mid-band.
#include "framework/Fonts.h"
#include "framework/FormAccess.h"
#include "framework/Timers.h"
#include "heattreat/UnitGlueh.h"
#include "tests/support/Program.h"

#include <QPoint>
#include <string>
#include <vector>

using namespace wb;

namespace {

constexpr TColor kYellow = RGB(0xFF, 0xFF, 0x00);
constexpr TColor kDunkel = RGB(0x01, 0x00, 0x00);
constexpr TColor kBlue = RGB(0x00, 0x00, 0xFF);
constexpr TColor kRed = RGB(0xFF, 0x00, 0x00);
constexpr TColor kArmGreen = RGB(0x00, 0x80, 0x00);
constexpr TColor kReGreen = RGB(0x03, 0xD9, 0x00);
constexpr TColor kLime = RGB(0xAE, 0xFF, 0x00);
constexpr TColor kPurple = RGB(0x80, 0x00, 0x80);

// The background stripe through row y: lines of width 3 at y = 3i + 40, G = 275 − i.
constexpr TColor stripe(int i)
{
    return RGB(255, 275 - i, 0);
}

const std::vector<std::string> kIntro = {
    " Die Grafik zeigt schematisch für Glüh-",
    " verfahren den Temperaturbereich",
    " bei denen die entsprechende",
    " Wärmebehandlung durchgeführt wird.",
    " ",
};
const std::string kSeparator = " ------------------------------------------------------";

struct Pixel {
    int x, y; // in PaintBoxHaupt
    TColor color;
    const char* why;
};

// A text drawn on PaintBoxHaupt at (x, y) in the sans face.
struct Text {
    int x, y;
    const char* text;
    int height;
    TColor color;
};

// One band: its item, timer, length, explanation and what it looks like.
struct BandCase {
    const char* name;
    const char* item;
    const char* timer;
    TMenuItem TFormGlueh::*itemMember;
    TTimer TFormGlueh::*timerMember;
    int ticks; // the last tick writes the label and lifts the lock
    int memoTick; // the tick that appends the explanation
    std::vector<std::string> memo; // after the separator
    std::vector<Pixel> drawn; // after the last tick
    Text label;
};

// clang-format off
// Each tick moves x by 4 from the start. Normalising: 240 + 4 · 93 = 612 > 610; diffusion:
// 260 + 4 · 86 = 604 > 600; stress relief: 250 + 4 · 93 = 622 > 620; recrystallisation:
// 264 + 4 · 90 = 624 > 620; soft annealing: 244 + 4 · 95 = 624 > 620.
const BandCase kBands[] = {
    { "normalising", "NORMAL", "TimerNORMAL", &TFormGlueh::NORMAL, &TFormGlueh::TimerNORMAL, 93, 1,
      { " Normalglühen:", " Es wird ein möglichst feinkörniges", " Gefüge mit Perlit angestrebt um eine",
        " gute Kombination von Festigkeits-", " und Zähigkeitseigenschaften zu ", " erreichen." },
      { { 300, 244, kBlue, "the rise: Round(0.36 · 300 + 136) = 244" },
        { 300, 235, kBlue, "the rise, 9 pixels above: pen width 18" },
        { 300, 232, stripe(64), "above the band: the stripe at 232" },
        { 500, 277, kBlue, "the flat part at 277" },
        { 500, 268, kBlue, "the flat part: the even width 18 covers 268 … 285" },
        { 500, 285, kBlue, "the flat part, its lower edge" },
        { 500, 286, stripe(82), "below the flat part" },
        { 616, 277, kBlue, "the round end, 8 pixels past the last point 608" },
        { 617, 277, stripe(79), "beyond the round end" },
        },
      { 630, 266, " Normalglühen ", 18, clWhite } },
    { "diffusion annealing", "Diffusionsgluehen", "TimerHOMO", &TFormGlueh::Diffusionsgluehen, &TFormGlueh::TimerHOMO,
      86, 1,
      { " Diffusionsglühen (Homogenisieren):", " Wird durchgeführt um örtliche", " Konzentrationsunterschiede im",
        " Werkstoff auszugleichen, mit dem", " Ziel einer gleichmäßigen Ver-", " teilung löslicher Bestandteile." },
      { { 300, 173, kRed, "the band at 173" },
        { 300, 145, kRed, "pen width 58: 29 pixels up" },
        { 300, 142, stripe(34), "above the band" },
        { 580, 164, kRed, "the taper at 580: width 18" },
        { 580, 160, stripe(40), "above the taper" },
        { 596, 173, kRed, "the point at 596" },
        { 600, 173, stripe(44), "beyond the point" } },
      { 330, 166, " Diffusionsglühen (Homogenisieren)", 18, clWhite } },
    { "stress-relief annealing", "ARM", "TimerArm", &TFormGlueh::ARM, &TFormGlueh::TimerArm, 93, 1,
      { " Spannungsfreiglühen:", " Wird durchgeführt um Spannungen,", " die infolge ungleicher Erwärmung",
        " aufgetreten sind, auszugleichen. " },
      { { 300, 330, kArmGreen, "the band at 330" },
        { 300, 346, kArmGreen, "pen width 34" },
        { 300, 349, stripe(103), "below the band" },
        { 620, 330, kArmGreen, "the last line ends at 618, its round end reaches 620" },
        { 640, 330, stripe(97), "beyond the end" } },
      { 330, 320, " Spannungsfreiglühen ", 18, clWhite } },
    { "recrystallisation annealing", "Re", "TimerRE", &TFormGlueh::Re, &TFormGlueh::TimerRE, 90, 1,
      { " Rekristallisationsglühen:", " Eigenschaftenänderungen durch ", " vorhergehender Kaltverformung",
        " werden rückgängig gemacht.", " Dabei wird eine Kornneubildung ", " ohne Phasenumwandlung erreicht." },
      { { 300, 330, kReGreen, "the band at 330" },
        { 300, 300, kReGreen, "pen width 61: 30 pixels up" },
        { 300, 360, kReGreen, "30 pixels down" },
        { 300, 363, stripe(108), "below the band" } },
      { 330, 344, " Rekristallisationsglühen ", 18, clBlack } },
    { "soft annealing", "WEICH", "TimerWEICH", &TFormGlueh::WEICH, &TFormGlueh::TimerWEICH, 95, 6,
      { " Weichglühen:", " Glühen bei einer Temperatur", " dicht unter Ac1 (eventuell auch ",
        " oberhalb Ac1) oder pendeln um Ac1.", " Wird zur Verbesserung der ", " spanlosen Umformbarkeit",
        " durchgeführt." },
      { { 300, 300, kLime, "below A1 at 300" },
        { 300, 291, kLime, "pen width 18" },
        { 300, 288, stripe(83), "above the narrow part" },
        { 600, 276, kLime, "the wide part: 34 around 292, 17 up" },
        { 600, 317, kLime, "down to the start height 301, 17 below" },
        { 600, 320, stripe(93), "below the wide part" } },
      { 480, 283, " Weichglühen ", 18, clBlack } },
};
// clang-format on

const ResolvedFont& sans(int height)
{
    return fonts::resolve(QStringLiteral("MS Sans Serif"), height, false);
}

std::vector<std::string> lines(const TMemo& memo)
{
    std::vector<std::string> out;
    for (const QString& line : memo.Lines.list())
        out.push_back(line.toStdString());
    return out;
}

std::vector<std::string> withBand(std::vector<std::string> memo, const BandCase& b)
{
    memo.push_back(kSeparator);
    memo.insert(memo.end(), b.memo.begin(), b.memo.end());
    return memo;
}

class Glueh : public wbtest::LessonTest<TFormGlueh> {
protected:
    void ticks(int n) { Scheduler::instance().advance(n); }
    ::testing::AssertionResult shows(const Pixel& p)
    {
        const TColor got = at(f.PaintBoxHaupt, p.x, p.y);
        if (got == p.color)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "(" << p.x << ", " << p.y << ") is " << colorToHex(got).toStdString()
                                             << ", expected " << colorToHex(p.color).toStdString() << ": " << p.why;
    }
    // Every glyph pixel of the text in its colour.
    ::testing::AssertionResult written(const Text& t)
    {
        const QImage mask = fonts::glyphMask(sans(t.height), QString::fromUtf8(t.text));
        int ink = 0;
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x) {
                if (!mask.constScanLine(y)[x])
                    continue;
                ++ink;
                const TColor got = at(f.PaintBoxHaupt, t.x + x, t.y + y);
                if (got != t.color)
                    return ::testing::AssertionFailure() << "\"" << t.text << "\": (" << t.x + x << ", " << t.y + y
                                                         << ") is " << colorToHex(got).toStdString();
            }
        if (ink == 0)
            return ::testing::AssertionFailure() << "\"" << t.text << "\" has no ink";
        return ::testing::AssertionSuccess();
    }
    // The diagram as it opened, but for the ground's outline (its first row and column), drawn
    // in whatever pen colour the last run left.
    bool diagramAsOpened()
    {
        const QRect box = f.PaintBoxHaupt.BoundsRect().adjusted(1, 1, 0, 0);
        const QImage now = FormAccess::surface(f);
        return now.copy(box) == opened.copy(box);
    }
    void runToEnd(const BandCase& b)
    {
        (f.*b.itemMember).Click();
        ticks(b.ticks);
    }
};

} // namespace

// Caption, size, colour and status bar are checked for every form by the shell tests.
TEST_F(Glueh, ComponentsMenuAndTimersAsDescribed)
{
    EXPECT_EQ(f.PaintBoxHaupt.BoundsRect(), QRect(60, 0, 740, 520));
    EXPECT_EQ(f.MemoErlaeuterung.BoundsRect(), QRect(0, 0, 250, 520)) << "over the left 190 pixels of the diagram";
    EXPECT_EQ(f.MemoErlaeuterung.Color(), RGB(0xFF, 0xBF, 0xBF));
    EXPECT_EQ(f.MemoErlaeuterung.Font.Height(), 18);
    EXPECT_EQ(f.MemoErlaeuterung.ScrollBars(), ssBoth) << "the explanations soon fill it";
    EXPECT_TRUE(f.MemoErlaeuterung.Visible());
    EXPECT_EQ(lines(f.MemoErlaeuterung), kIntro) << "written by the paint";
    for (const BandCase& b : kBands) {
        EXPECT_EQ((f.*b.timerMember).Interval(), 1) << b.timer;
        EXPECT_FALSE((f.*b.timerMember).Enabled()) << b.timer;
    }
    EXPECT_TRUE(wbtest::menuIs(f,
        { { "Ende", "&Ende" }, { "ESCAPE", "ESCAPE", "Esc", false }, { "NORMAL", "&Normalglühen" },
            { "Diffusionsgluehen", "&Diffusionsglühen" }, { "Grobkorn", "&Grobkornglühen" },
            { "ARM", "&Spannungsfreiglühen" }, { "Re", "&Rekristallisationsglühen" }, { "WEICH", "&Weichglühen" },
            { "Neu", "&Löschen/Neu" } }));
    EXPECT_EQ(f.moduleState().ProzessX, 0);
    EXPECT_EQ(f.moduleState().ProzessY, 0.0f);
}

TEST_F(Glueh, GridFollowsTheSteelCornersScale)
{
    // 60 pixels per 200 °C and 39 per 0.2 % C: the grid's rows and columns, the eutectoid line.
    EXPECT_EQ(ekd::temperatureY(glueh::kScale, 200), 440);
    EXPECT_EQ(ekd::temperatureY(glueh::kScale, 1400), 80);
    EXPECT_EQ(ekd::carbonX(glueh::kScale, 0.2), 269);
    EXPECT_EQ(ekd::carbonX(glueh::kScale, 2.0), 620);
    EXPECT_EQ(ekd::carbonX(glueh::kScale, 0.8), 386);
}

TEST(GluehPaths, EachTickDrawsWhereTheBandsPathSaysAndNothingAtTheGaps)
{
    struct Case {
        const char* why;
        glueh::Tick (*path)(int x, float y);
        int x;
        float y; // the band's height before the tick
        float yAfter;
        std::vector<std::pair<int, TPoint>> strokes; // pen width (0: the band's own) and end
    };
    // clang-format off
    const Case cases[] = {
        { "normalising rises along 0.36 x + 136", glueh::normalPath, 388, 0, 0.36f * 388 + 136, { { 0, { 388, 276 } } } },
        { "up to x = 390", glueh::normalPath, 390, 0, 0.36f * 390 + 136, { { 0, { 390, 276 } } } },
        { "then runs flat at 277", glueh::normalPath, 392, 276.4f, 277, { { 0, { 392, 277 } } } },
        { "up to 606", glueh::normalPath, 606, 277, 277, { { 0, { 606, 277 } } } },
        { "610 draws nothing", glueh::normalPath, 610, 277, 277, {} },
        { "diffusion at 173", glueh::homoPath, 536, 173, 173, { { 0, { 536, 173 } } } },
        { "540 draws nothing", glueh::homoPath, 540, 173, 173, {} },
        { "the taper, 598 − x wide", glueh::homoPath, 544, 173, 173, { { 54, { 544, 173 } } } },
        { "its point", glueh::homoPath, 596, 173, 173, { { 2, { 596, 173 } } } },
        { "600 draws nothing", glueh::homoPath, 600, 173, 173, {} },
        { "stress relief at 330", glueh::armPath, 618, 330, 330, { { 0, { 618, 330 } } } },
        { "620 draws nothing", glueh::armPath, 620, 330, 330, {} },
        { "recrystallisation from 331 at 330", glueh::rePath, 268, 331, 331, { { 0, { 268, 330 } } } },
        { "soft annealing below A1 at 300", glueh::weichPath, 406, 301, 301, { { 0, { 406, 300 } } } },
        { "then at 292", glueh::weichPath, 412, 301, 301, { { 0, { 412, 292 } } } },
        { "and from 417 wider, down to the start height", glueh::weichPath, 420, 301, 301,
          { { 0, { 420, 292 } }, { 34, { 420, 301 } } } },
        { "the last tick still widens", glueh::weichPath, 624, 301, 301, { { 34, { 624, 301 } } } },
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const glueh::Tick t = c.path(c.x, c.y);
        EXPECT_EQ(t.y, c.yAfter);
        ASSERT_EQ(t.count, int(c.strokes.size()));
        for (int i = 0; i < t.count; ++i) {
            EXPECT_EQ(t.strokes[i].width, c.strokes[i].first) << "stroke " << i;
            EXPECT_EQ(t.strokes[i].to, c.strokes[i].second) << "stroke " << i;
        }
    }
}

TEST_F(Glueh, StaticDiagram)
{
    // clang-format off
    const Pixel pixels[] = {
        { 400, 0, clBlack, "the ground's outline in the default pen" },
        { 400, 70, kYellow, "the yellow ground above the stripes, inside the clear frame" },
        { 460, 350, stripe(103), "row 350 on the stripe at 349" },
        { 290, 515, stripe(158), "below the frame, row 515 on the stripe at 514" },
        { 230, 400, clBlack, "the frame's left edge, the stripes' pen width 3: 229 … 231" },
        { 232, 400, stripe(120), "inside the frame" },
        { 659, 400, clBlack, "the right edge path x = 659" },
        { 400, 500, clBlack, "the bottom edge path y = 499 … 501" },
        { 237, 440, clBlack, "the grid at 440 from x = 230: dots 236 … 238" },
        { 234, 440, stripe(133), "a gap" },
        { 620, 27, clBlack, "the last column at 620 from y = 20: dots 26 … 28" },
        { 386, 400, kBlue, "the eutectoid line at 0.8 % C" },
        { 386, 290, kBlue, "up to 723 °C" },
        { 500, 282, kDunkel, "P–S–K at 723 °C, pen width 2: 282 … 283" },
        { 500, 284, stripe(81), "below it" },
        { 645, 156, kDunkel, "the eutectic line at 1147 °C" },
        { 300, 252, kDunkel, "G–S from (386, 283) to (230, 227) at x = 300: y = 252.1" },
    };
    // clang-format on
    for (const Pixel& p : pixels)
        EXPECT_TRUE(shows(p));
    const Text texts[] = {
        { 210, 0, "Temperatur/°C", 12, clBlack },
        { 197, 14, "1600", 12, clBlack },
        { 205, 489, "   0", 12, clBlack },
        { 649, 506, "2.2", 12, clBlack },
        { 671, 506, "C in Gew.%", 12, clBlack },
        { 628, 287, "723°C", 12, kDunkel },
        { 195, 32, "1536°C", 12, kDunkel },
        { 390, 284, "S", 12, kDunkel },
        { 251, 250, "c3", 12, kBlue },
        { 280, 267, "A ", 12, kBlue },
    };
    for (const Text& t : texts)
        EXPECT_TRUE(written(t));
}

TEST_F(Glueh, EachBandLockedUntilItsLastTickThenLabelledWithItsExplanationOnce)
{
    for (const BandCase& b : kBands) {
        SCOPED_TRACE(b.name);
        f.Neu.Click();
        TMenuItem& item = f.*b.itemMember;
        TTimer& timer = f.*b.timerMember;
        item.Click();
        EXPECT_TRUE(timer.Enabled());
        EXPECT_FALSE(item.Enabled());
        EXPECT_TRUE(f.Enabled()) << "the lock comes with the first tick";
        ticks(b.memoTick - 1);
        EXPECT_EQ(lines(f.MemoErlaeuterung), kIntro) << "before the tick of the explanation";
        ticks(1);
        EXPECT_FALSE(f.Enabled()) << "locked from the first tick";
        EXPECT_EQ(lines(f.MemoErlaeuterung), withBand(kIntro, b)) << "tick " << b.memoTick;
        ticks(b.ticks - 1 - b.memoTick);
        EXPECT_FALSE(f.Enabled()) << "the last locked tick";
        EXPECT_TRUE(timer.Enabled());
        const QImage before = FormAccess::surface(f).copy(f.PaintBoxHaupt.BoundsRect());
        EXPECT_FALSE(written(b.label)) << "no label before the last tick";
        ticks(1);
        EXPECT_TRUE(f.Enabled()) << "the first finished tick";
        EXPECT_FALSE(timer.Enabled());
        EXPECT_FALSE(item.Enabled()) << "until Löschen/Neu";
        EXPECT_TRUE(written(b.label));
        for (const Pixel& p : b.drawn)
            EXPECT_TRUE(shows(p));
        EXPECT_EQ(lines(f.MemoErlaeuterung), withBand(kIntro, b)) << "appended once";
        const QImage done = FormAccess::surface(f);
        ticks(100);
        EXPECT_EQ(FormAccess::surface(f), done) << "nothing more is drawn";
        EXPECT_NE(before, done.copy(f.PaintBoxHaupt.BoundsRect()));
    }
}

TEST_F(Glueh, BandsAccumulateInAnyOrderWithTheirExplanations)
{
    std::vector<std::string> memo = kIntro;
    for (int i : { 4, 0, 2, 3, 1 }) {
        runToEnd(kBands[i]);
        memo = withBand(memo, kBands[i]);
    }
    EXPECT_EQ(lines(f.MemoErlaeuterung), memo);
    // The bands drawn later lie over parts of the earlier ones; these pixels stay uncovered.
    for (int i : { 0, 1, 2 })
        EXPECT_TRUE(shows(kBands[i].drawn.front())) << kBands[i].name;
    EXPECT_TRUE(written(kBands[1].label)) << "the last band's label";
    for (const BandCase& b : kBands)
        EXPECT_FALSE((f.*b.itemMember).Enabled()) << b.name;
}

TEST_F(Glueh, StressReliefEndsOnTopOfRecrystallisationInEitherOrder)
{
    const BandCase& arm = kBands[2];
    const BandCase& re = kBands[3];
    for (bool armFirst : { true, false }) {
        SCOPED_TRACE(armFirst ? "stress relief first" : "recrystallisation first");
        f.Neu.Click();
        runToEnd(armFirst ? arm : re);
        runToEnd(armFirst ? re : arm);
        EXPECT_TRUE(shows({ 300, 330, kArmGreen, "the narrower green band on top" }));
        EXPECT_TRUE(shows({ 619, 330, kArmGreen, "the redrawn band ends at 620, its round end beyond" }));
        EXPECT_TRUE(shows({ 300, 300, kReGreen, "the wider band around it" }));
        EXPECT_TRUE(written(arm.label));
    }
    // Recrystallisation alone is not covered by a stress-relief band it never had.
    f.Neu.Click();
    runToEnd(re);
    EXPECT_TRUE(shows({ 300, 330, kReGreen, "no stress-relief band" }));
}

TEST_F(Glueh, CoarseGrainAreaAtOnceWithoutLock)
{
    f.Grobkorn.Click();
    // clang-format off
    const Pixel pixels[] = {
        { 300, 212, kPurple, "inside: between (245, 206)–(330, 206) and (355, 235)–(245, 205)" },
        { 380, 232, kPurple, "inside near its right end, (387, 235)" },
        { 300, 225, stripe(62), "below the area: its lower edge at x = 300 lies at y = 220" },
        { 400, 210, kPurple, "the label's cell on the purple brush" },
    };
    // clang-format on
    for (const Pixel& p : pixels)
        EXPECT_TRUE(shows(p));
    EXPECT_TRUE(written({ 400, 210, "Grobkornglühen", 18, clWhite }));
    EXPECT_TRUE(f.Enabled());
    EXPECT_FALSE(f.Grobkorn.Enabled());
    for (const BandCase& b : kBands)
        EXPECT_FALSE((f.*b.timerMember).Enabled()) << b.timer;
    std::vector<std::string> memo = kIntro;
    memo.push_back(kSeparator);
    for (const char* line : { " Grobkornglühen:", " Glühen bei einer Temperatur", " im Austenitgebiet mit ausreichend",
             " langem Halten um ein gröberes", " Korn zu erzielen.", " Wird zur Verbesserung der",
             " spanabhebenden Bearbeitung", " bei untereutektoidischen", " Stählen durchgeführt." })
        memo.push_back(line);
    EXPECT_EQ(lines(f.MemoErlaeuterung), memo);
}

TEST_F(Glueh, LoeschenNeuStopsEveryBandStartedJustBeforeOrRunning)
{
    for (const BandCase& b : kBands) {
        for (int before : { 0, 30 }) {
            SCOPED_TRACE(std::string(b.name) + (before ? ", 30 ticks in" : ", started just before"));
            f.Grobkorn.Click();
            (f.*b.itemMember).Click();
            ticks(before);
            // Thirty ticks in, the form is locked and its menu out of the mouse's reach; the fixture
            // clicks the item anyway.
            f.Neu.Click();
            ticks(200);
            for (const BandCase& other : kBands) {
                EXPECT_FALSE((f.*other.timerMember).Enabled()) << other.timer;
                EXPECT_TRUE((f.*other.itemMember).Enabled()) << other.item;
            }
            EXPECT_TRUE(f.Grobkorn.Enabled());
            EXPECT_TRUE(f.Enabled());
            EXPECT_TRUE(diagramAsOpened()) << "nothing drawn over the erased picture";
            EXPECT_EQ(lines(f.MemoErlaeuterung), kIntro);
        }
    }
}

TEST_F(Glueh, RepaintErasesBandsAndExplanationsTheRunGoesOn)
{
    runToEnd(kBands[1]);
    f.Grobkorn.Click();
    f.Refresh();
    Application.flushPendingPaints();
    EXPECT_TRUE(diagramAsOpened());
    EXPECT_EQ(lines(f.MemoErlaeuterung), kIntro);
    EXPECT_FALSE(f.Diffusionsgluehen.Enabled()) << "a shown band's item stays disabled";
    EXPECT_FALSE(f.Grobkorn.Enabled());
}

TEST_F(Glueh, ClosingMidBandStopsItAndKeepsTheItems)
{
    f.WEICH.Click();
    ticks(40);
    ASSERT_FALSE(f.Enabled());
    f.pressKey(VK_ESCAPE);
    EXPECT_FALSE(f.Visible());
    EXPECT_FALSE(f.TimerWEICH.Enabled());
    EXPECT_TRUE(f.Enabled());
    EXPECT_FALSE(f.WEICH.Enabled()) << "the band items keep their state";
    f.Show();
    Application.flushPendingPaints();
    EXPECT_TRUE(diagramAsOpened()) << "reopened without bands";
    EXPECT_EQ(lines(f.MemoErlaeuterung), kIntro);
    ticks(100);
    EXPECT_TRUE(diagramAsOpened());
}

// --- Through the driver, from the main menu ---------------------------------------------------

namespace {

// PaintBoxHaupt lies at (60, 0) of the client area.
QPoint onForm(int x, int y)
{
    return { 60 + x, y };
}

// A glyph pixel of a label: the first set pixel of its mask, scanning rows.
QPoint inkOf(const Text& t)
{
    const QImage mask = fonts::glyphMask(sans(t.height), QString::fromUtf8(t.text));
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            if (mask.constScanLine(y)[x])
                return { t.x + x, t.y + y };
    ADD_FAILURE() << t.text << " has no ink";
    return {};
}

std::string hexOf(TColor c)
{
    return colorToHex(c).toStdString();
}

} // namespace

TEST(GluehDriver, EachBandsLastLockedAndFirstFinishedTickAndTheCoarseGrainAreaAtOnce)
{
    wbtest::Script s { "skip-cover", "menu Glhverfahren1" };
    struct Moments {
        int locked, lockedLabel, finished, finishedLabel, onBand;
    };
    std::vector<Moments> moments;
    std::vector<std::string> memo = kIntro;
    for (const BandCase& b : kBands) {
        const QPoint label = onForm(inkOf(b.label).x(), inkOf(b.label).y());
        // A pixel inside each band that none of the bands after it covers.
        const Pixel& p = b.drawn[1];
        s << std::string("menu ") + b.item << "advance " + std::to_string(b.ticks - 1);
        Moments m;
        m.locked = s.state("FormGlueh");
        m.lockedLabel = s.pixel(label);
        s << "advance 1";
        m.finished = s.state("FormGlueh");
        m.finishedLabel = s.pixel(label);
        m.onBand = s.pixel(onForm(p.x, p.y));
        moments.push_back(m);
        memo = withBand(memo, b);
    }
    s << "menu Grobkorn";
    const int grobkorn = s.pixel(onForm(300, 212));
    const int afterGrobkorn = s.state("FormGlueh");
    s << "key Esc"
      << "key Esc";
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();

    for (size_t i = 0; i < std::size(kBands); ++i) {
        const BandCase& b = kBands[i];
        const Moments& m = moments[i];
        SCOPED_TRACE(b.name);
        const wbtest::StateView locked = s.stateView(m.locked);
        EXPECT_FALSE(locked.enabled());
        EXPECT_TRUE(locked.raw().value(QStringLiteral("busy")).toBool());
        EXPECT_TRUE(locked.timerEnabled(b.timer));
        EXPECT_NE(s.answer(m.lockedLabel), hexOf(b.label.color)) << "no label yet";
        const wbtest::StateView finished = s.stateView(m.finished);
        EXPECT_TRUE(finished.enabled());
        EXPECT_FALSE(finished.raw().value(QStringLiteral("busy")).toBool());
        EXPECT_FALSE(finished.timerEnabled(b.timer));
        EXPECT_FALSE(finished.itemEnabled(b.item));
        EXPECT_EQ(s.answer(m.finishedLabel), hexOf(b.label.color));
        EXPECT_EQ(s.answer(m.onBand), hexOf(b.drawn[1].color)) << b.drawn[1].why;
    }
    EXPECT_EQ(s.answer(grobkorn), hexOf(kPurple)) << "at once, no tick";
    memo.push_back(kSeparator);
    const wbtest::StateView last = s.stateView(afterGrobkorn);
    EXPECT_TRUE(last.enabled());
    const std::vector<std::string> shown = last.memoLines("MemoErlaeuterung");
    ASSERT_GT(shown.size(), memo.size());
    EXPECT_EQ(std::vector<std::string>(shown.begin(), shown.begin() + memo.size()), memo)
        << "every explanation once, in the order the bands ran";
    EXPECT_EQ(shown[memo.size()], " Grobkornglühen:");
}

TEST(GluehDriver, LoeschenNeuMidBandStopsEverything)
{
    // Stress relief and then recrystallisation share the band end x: each tick of either moves
    // it on, recrystallisation's from 264 + 8 · 45 = 624 past its end at tick 45, which lifts the
    // lock, while stress relief, ticking first, has only reached 620 and runs on.
    const BandCase& arm = kBands[2];
    const QPoint armLabel = onForm(inkOf(arm.label).x(), inkOf(arm.label).y());
    wbtest::Script s { "skip-cover", "menu Glhverfahren1", "menu ARM", "menu Re", "advance 45" };
    const int running = s.state("FormGlueh");
    s << "menu Neu";
    s << "advance 200";
    const int stopped = s.state("FormGlueh");
    const int label = s.pixel(armLabel);
    const int band = s.pixel(onForm(300, 330));
    // A band started just before "Löschen/Neu" stops too.
    s << "menu WEICH"
      << "menu Neu"
      << "advance 200";
    const int again = s.state("FormGlueh");
    const int weich = s.pixel(onForm(300, 300));
    s << "key Esc"
      << "key Esc";
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();

    const wbtest::StateView r = s.stateView(running);
    EXPECT_TRUE(r.enabled()) << "the recrystallisation band has ended";
    EXPECT_TRUE(r.timerEnabled("TimerArm")) << "the stress-relief band has not";
    for (int query : { stopped, again }) {
        const wbtest::StateView v = s.stateView(query);
        EXPECT_TRUE(v.enabled());
        for (const auto& [timer, on] : v.timersEnabled())
            EXPECT_FALSE(on) << timer;
        for (const BandCase& b : kBands)
            EXPECT_TRUE(v.itemEnabled(b.item)) << b.item;
        EXPECT_TRUE(v.itemEnabled("Grobkorn"));
        EXPECT_EQ(v.memoLines("MemoErlaeuterung"), kIntro);
    }
    EXPECT_EQ(s.answer(label), hexOf(stripe((armLabel.y() - 40 + 1) / 3)))
        << "no stress-relief label written over the erased picture";
    EXPECT_EQ(s.answer(band), hexOf(stripe(97))) << "row 330 on the stripe at 331";
    EXPECT_EQ(s.answer(weich), hexOf(stripe(87))) << "row 300 on the stripe at 301";
}
