// The iron–carbon explorer on its own: the point chosen by pointer, keys and typed entries (and
// entries refused with the range named), the tie line's ends on the drawn boundaries, the marks
// taken off exactly, the micrograph at the point's shares, the shares over the carbon range, the
// cooling curve's arrests on the horizontals and a cooling run with its pause and its clearing.
#include "ironcarbon/ExplorerDiagram.h"
#include "ironcarbon/ExplorerReadout.h"
#include "ironcarbon/IronCarbonDiagram.h"
#include "ironcarbon/UnitErkundenEKD.h"
#include "tests/support/Program.h"

#include <cmath>

using namespace wb;
namespace ex = wb::ekderkunden;
namespace mek = wb::model::ekd;
using mek::System;

namespace {

using ErkundenEKD = wbtest::LessonTest<TFormErkundenEKD>;

// Typed into both entries and taken with Enter.
void enter(TFormErkundenEKD& f, const char* carbon, const char* celsius)
{
    f.EditKohlenstoff.typeText(QString::fromUtf8(carbon));
    f.EditTemperatur.typeText(QString::fromUtf8(celsius));
    f.pressKey(VK_RETURN);
}

// The pointer over a pixel of a paint box.
void pointAt(TFormErkundenEKD& f, const TPaintBox& box, TPoint p)
{
    f.mouseMoveAt(QPoint(box.Left() + p.X, box.Top() + p.Y));
}

bool onLine(const wbtest::PixelCanvas& pc, TPoint at, TColor line)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (pc.at(at.X + dx, at.Y + dy) == line)
                return true;
    return false;
}

// The diagram as the window draws it before any mark is on it.
QImage staticDiagram(System s, double legierung)
{
    wbtest::PixelCanvas pc(512, 372);
    ex::drawDiagram(pc.canvas, 512, 372, s, legierung);
    return pc.image;
}

TColor pixel(const QImage& image, int x, int y)
{
    return fromPixel(image.pixel(x, y));
}

} // namespace

TEST(ErkundenEKDDiagram, TieLineEndsLieOnTheDrawnBoundaries)
{
    // Both systems drawn as the window draws them; for every two-phase point of a sweep over the
    // field the tie line's ends are pixels of a drawn line (the field's frame where an end is a
    // pure phase at 6.67 % C, or graphite cut at the field's edge).
    struct Case {
        System system;
        TColor line;
    };
    for (const Case c : { Case { System::Metastable, ekd::kBlau }, Case { System::Stable, ekd::kRot } }) {
        SCOPED_TRACE(c.system == System::Metastable ? "metastable" : "stable");
        wbtest::PixelCanvas pc(512, 372);
        // The alloy's dotted line on the iron axis, where the frame is.
        ex::drawDiagram(pc.canvas, 512, 372, c.system, 0);
        int ends = 0;
        for (int i = 1; i < 667; i += 4) {
            for (int t = 500; t <= 1600; t += 9) {
                const double carbon = i / 100.0;
                const ex::Marks m = ex::marksAt(c.system, carbon, { double(t) });
                if (!m.tie)
                    continue;
                ends += 2;
                EXPECT_TRUE(onLine(pc, m.lean, c.line)) << carbon << " % C, " << t << " °C: lean end " << m.lean.X;
                EXPECT_TRUE(onLine(pc, m.rich, c.line)) << carbon << " % C, " << t << " °C: rich end " << m.rich.X;
                EXPECT_EQ(m.lean.Y, m.point.Y);
                EXPECT_EQ(m.rich.Y, m.point.Y);
                EXPECT_LE(m.rich.X, ex::fieldRight()) << "nothing beyond the field";
            }
        }
        EXPECT_GT(ends, 1000) << "the sweep crosses the two-phase fields";
    }
}

TEST(ErkundenEKDDiagram, PixelsReadBackAsThePointsTheyShow)
{
    // Carbon to a hundredth and temperature to a degree; the strip is room temperature, the break
    // above it and the margins beside the field are no point.
    struct Case {
        TPoint at;
        std::optional<mek::State> point;
        const char* why;
    };
    const Case cases[] = {
        { { ex::kFeldLinks, ex::kFeldOben }, mek::State { 0, 1600 }, "the field's top-left corner" },
        { { ex::fieldRight(), ex::fieldBottom() }, mek::State { 6.67, 500 }, "its bottom-right corner" },
        { { ex::kFeldLinks + 66, ex::stripRow() }, mek::State { 1, 20 }, "66 pixels per % C; the strip" },
        { { ex::kFeldLinks + 66, ex::stripTop() - 1 }, std::nullopt, "the break between field and strip" },
        { { ex::kFeldLinks - 1, 100 }, std::nullopt, "left of the iron axis" },
        { { ex::fieldRight() + 1, 100 }, std::nullopt, "right of 6.67 % C" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const std::optional<mek::State> p = ex::pointAt(c.at.X, c.at.Y);
        ASSERT_EQ(p.has_value(), c.point.has_value());
        if (!p)
            continue;
        EXPECT_DOUBLE_EQ(p->carbon, c.point->carbon);
        EXPECT_DOUBLE_EQ(p->celsius, c.point->celsius);
    }
    // A named temperature's row reads back as that temperature.
    for (const double t : { 723.0, 1147.0, 1493.0 }) {
        const TPoint at = ex::pixelAt({ 1.0, t });
        EXPECT_DOUBLE_EQ(ex::pointAt(at.X, at.Y)->celsius, t);
    }
}

TEST_F(ErkundenEKD, OpensOnItsPointWithTheReadOut)
{
    // At program start: 0.45 % C at room temperature, metastable.
    EXPECT_EQ(f.EditKohlenstoff.Text(), QStringLiteral("0,45"));
    EXPECT_EQ(f.EditTemperatur.Text(), QStringLiteral("20"));
    EXPECT_EQ(f.MemoPhasen.Lines.list(),
        QStringList({ QStringLiteral("Phasen bei 0,45 % C und 20 °C:"), QStringLiteral("Ferrit 93 % (0,00 % C)"),
            QStringLiteral("Zementit 7 % (6,67 % C)") }));
    EXPECT_EQ(f.LabelSystem.Caption(), QStringLiteral("metastabiles System"));
    EXPECT_FALSE(f.Metastabil.Enabled());
    EXPECT_TRUE(f.Stabil.Enabled());
    EXPECT_TRUE(wbtest::menuIs(f,
        { { "Ende", "&Ende" }, { "Abkuehlen", "&Abkühlen" }, { "Neu", "Löschen/&Neu" }, { "Legierung", "&Legierung" },
            { "Legierung06", "Stahl mit 0,6 % C" }, { "Legierung12", "Stahl mit 1,2 % C" },
            { "Legierung30", "Gusseisen mit 3,0 % C" }, { "System", "&System" },
            { "Metastabil", "&metastabil (Eisen-Zementit)", "", true, false }, { "Stabil", "&stabil (Eisen-Graphit)" },
            { "ESCAPE", "ESCAPE", "Esc", false } }));
}

TEST_F(ErkundenEKD, ThePointerMovesThePointAndItsMarksComeOffExactly)
{
    // 0.45 % C at room temperature: the strip's row 337 (field bottom 10 + 473 × 0.66 = 322, the
    // break 7, half the strip 8), the point at 50 + 0.45 × 66 = 79.7 → 80, the tie line from
    // ferrite on the iron axis (50) to cementite at 6.67 % C (50 + 440.2 → 490).
    ASSERT_EQ(ex::stripRow(), 337);
    const TPaintBox& d = f.PaintBoxDiagramm;
    const QImage bare = staticDiagram(System::Metastable, 0.45);
    const TPoint marked[] = {
        { 50, 337 }, { 64, 337 }, { 77, 337 }, { 83, 337 }, { 490, 337 }, // the tie line, the square left out
        { 78, 335 }, { 80, 337 }, { 82, 339 }, // the square's corners and centre
        { 50, 334 }, { 50, 340 }, { 490, 334 }, { 490, 340 }, // the ticks at the ends
    };
    for (const TPoint p : marked)
        EXPECT_EQ(at(d, p.X, p.Y), wbtest::notXor(pixel(bare, p.X, p.Y), clBlack)) << p.X << ", " << p.Y;
    const TPoint unmarked[] = { { 49, 337 }, { 491, 337 }, { 50, 333 }, { 50, 341 }, { 77, 335 }, { 83, 339 } };
    for (const TPoint p : unmarked)
        EXPECT_EQ(at(d, p.X, p.Y), pixel(bare, p.X, p.Y)) << p.X << ", " << p.Y;

    // To 1.2 % C at 800 °C: austenite on S–E and cementite; then back. Every pixel of the
    // first picture is there again.
    const TPoint p12 = ex::pixelAt({ 1.2, 800 });
    pointAt(f, d, p12);
    EXPECT_EQ(f.moduleState().Kohlenstoff, 1.2);
    EXPECT_EQ(f.moduleState().Temperatur, 800);
    EXPECT_EQ(f.EditKohlenstoff.Text(), QStringLiteral("1,20"));
    EXPECT_EQ(f.EditTemperatur.Text(), QStringLiteral("800"));
    EXPECT_EQ(at(d, 80, 337), pixel(bare, 80, 337)) << "the old square is gone";
    const ex::Marks m = ex::marksAt(System::Metastable, 1.2, { 800 });
    EXPECT_EQ(at(d, m.lean.X, m.lean.Y), wbtest::notXor(pixel(bare, m.lean.X, m.lean.Y), clBlack));
    EXPECT_EQ(at(d, m.rich.X, m.rich.Y), wbtest::notXor(pixel(bare, m.rich.X, m.rich.Y), clBlack));
    EXPECT_EQ(at(d, m.lean.X, m.lean.Y), wbtest::notXor(ekd::kBlau, clBlack)) << "on S–E, drawn blue";

    pointAt(f, d, ex::pixelAt({ 0.45, 20 }));
    const QImage now = FormAccess::surface(f).copy(d.clientRect());
    EXPECT_EQ(now, opened.copy(d.clientRect())) << "the marks drawn twice leave the picture as it was";
}

TEST_F(ErkundenEKD, ArrowKeysStepThePointAndShiftStepsTen)
{
    struct Case {
        double carbon;
        double celsius;
        int key;
        bool shift;
        double toCarbon;
        double toCelsius;
    };
    const Case cases[] = {
        { 0.45, 700, VK_LEFT, false, 0.44, 700 },
        { 0.45, 700, VK_LEFT, true, 0.35, 700 },
        { 0.45, 700, VK_RIGHT, false, 0.46, 700 },
        { 0.45, 700, VK_UP, false, 0.45, 701 },
        { 0.45, 700, VK_UP, true, 0.45, 710 },
        { 0.45, 700, VK_DOWN, true, 0.45, 690 },
        { 0.45, 505, VK_DOWN, true, 0.45, 500 }, // not past the field's bottom …
        { 0.45, 500, VK_DOWN, false, 0.45, 20 }, // … but from it to room temperature
        { 0.45, 20, VK_UP, false, 0.45, 500 },
        { 0.45, 20, VK_DOWN, false, 0.45, 20 },
        { 0.0, 700, VK_LEFT, false, 0.0, 700 },
        { 6.62, 700, VK_RIGHT, true, 6.67, 700 },
        { 3.0, 1600, VK_UP, false, 3.0, 1600 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.carbon) + " % C, " + std::to_string(c.celsius) + " °C, key "
            + std::to_string(c.key) + (c.shift ? " with Shift" : ""));
        enter(f, qPrintable(ex::carbonText(c.carbon)), qPrintable(ex::celsiusText(c.celsius)));
        TShiftState shift;
        shift.shift = c.shift;
        EXPECT_TRUE(f.pressKey(c.key, shift));
        EXPECT_NEAR(f.moduleState().Kohlenstoff, c.toCarbon, 1e-12);
        EXPECT_EQ(f.moduleState().Temperatur, c.toCelsius);
    }
}

TEST_F(ErkundenEKD, EntriesAreReadWithPointOrCommaAndRefusedWithTheirRange)
{
    struct Case {
        const char* carbon;
        const char* celsius;
        double toCarbon; // < 0: refused, the point stays
        double toCelsius;
        const char* message;
    };
    const Case cases[] = {
        { "1,2", "800", 1.2, 800, "" },
        { " 0.8 ", "723", 0.8, 723, "" },
        { "0,456", "723,4", 0.46, 723, "" }, // two decimals, whole degrees
        { "6,67", "20", 6.67, 20, "" },
        { "6,68", "800", -1, 0,
            "„6,68“ ist kein gültiger Kohlenstoffgehalt. Bitte eine Zahl von 0 bis 6,67 (% C) eingeben, zum Beispiel "
            "0,45." },
        { "-0,1", "800", -1, 0, "von 0 bis 6,67" },
        { "abc", "800", -1, 0, "„abc“ ist kein gültiger Kohlenstoffgehalt" },
        { "1,2,3", "800", -1, 0, "von 0 bis 6,67" },
        { "", "800", -1, 0, "von 0 bis 6,67" },
        { "1,2", "1601", -1, 0,
            "„1601“ ist keine gültige Temperatur. Bitte eine ganze Zahl von 20 bis 1600 (°C) eingeben." },
        { "1,2", "19", -1, 0, "von 20 bis 1600" },
        { "1,2", "heiß", -1, 0, "von 20 bis 1600" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.carbon) + " / " + c.celsius);
        enter(f, "0,45", "700");
        wbtest::events().messages.clear();
        enter(f, c.carbon, c.celsius);
        if (c.toCarbon < 0) {
            ASSERT_EQ(wbtest::events().messages.size(), 1u);
            EXPECT_TRUE(wbtest::events().messages[0].contains(QString::fromUtf8(c.message)))
                << wbtest::events().messages[0].toStdString();
            EXPECT_EQ(f.moduleState().Kohlenstoff, 0.45) << "nothing changes";
            EXPECT_EQ(f.moduleState().Temperatur, 700);
            EXPECT_EQ(f.moduleState().Legierung, 0.45);
        } else {
            EXPECT_TRUE(wbtest::events().messages.empty());
            EXPECT_DOUBLE_EQ(f.moduleState().Kohlenstoff, c.toCarbon);
            EXPECT_EQ(f.moduleState().Temperatur, c.toCelsius);
            EXPECT_DOUBLE_EQ(f.moduleState().Legierung, c.toCarbon) << "Enter chooses the alloy";
        }
    }
}

TEST_F(ErkundenEKD, TheMicrographShowsThePointsConstituentsAtTheirShares)
{
    // 0.45 % C at room temperature: pro-eutectoid ferrite (with its tertiary cementite along its
    // boundaries) 44.9 % and pearlite 55.1 %, each area exact to a pixel or two of 160 × 160.
    const micrograph::Micrograph& m = f.micrograph();
    const double ferrit = (0.8 - 0.45) / (0.8 - 0.02);
    EXPECT_NEAR(m.areaShare(micrograph::Constituent::Pearlite), 1 - ferrit, 3e-4);
    EXPECT_NEAR(m.areaShare(micrograph::Constituent::Ferrite) + m.areaShare(micrograph::Constituent::TertiaryCementite),
        ferrit, 3e-4);

    // Stable, 3.0 % C at room temperature: 3 % of the mass graphite, a third as dense as iron.
    f.Stabil.Click();
    const double graphit = 0.03 * 7.87 / 2.25;
    enter(f, "3,0", "20");
    EXPECT_NEAR(f.micrograph().areaShare(micrograph::Constituent::Graphite), graphit / (graphit + 0.97), 3e-4);

    // The same point shows the same picture; another alloy has a layout of its own.
    const QImage first = f.micrograph().image;
    pointAt(f, f.PaintBoxDiagramm, ex::pixelAt({ 3.0, 1000 }));
    pointAt(f, f.PaintBoxDiagramm, ex::pixelAt({ 3.0, 20 }));
    EXPECT_EQ(f.micrograph().image, first);
    const std::uint64_t seed = f.seed();
    enter(f, "3,1", "20");
    EXPECT_NE(f.seed(), seed);
}

TEST_F(ErkundenEKD, TheSharesShowTheLeverRuleOverTheCarbonRangeWithThePointMarked)
{
    // At room temperature, the column of 0.4 % C (50 + 26.4 = 76, away from the marked 0.45 %):
    // the constituents' band holds ferrite at the bottom up to (0.8 − 0.4) / 0.78 = 51.3 % of its
    // 56 rows, pearlite above; the phases' band ferrite up to 1 − 0.4 / 6.67 = 94 %.
    const TPaintBox& a = f.PaintBoxAnteile;
    const int x = ekd::carbonX(ex::explorerProjection(), 0.4);
    ASSERT_EQ(x, 76);
    const int b1 = ex::bandBottom(1), b0 = ex::bandBottom(0);
    const TColor ferrit = at(a, x, b1 - 2);
    EXPECT_EQ(at(a, x, b1 - 27), ferrit) << "51 % of 56 rows: 28.7";
    EXPECT_NE(at(a, x, b1 - 31), ferrit) << "pearlite above";
    EXPECT_EQ(at(a, x, b0 - 51), at(a, x, b0 - 2)) << "94 % of 56 rows: 52.6";
    EXPECT_NE(at(a, x, b0 - 55), at(a, x, b0 - 2)) << "cementite on top";
    // The point's column is inverted across both bands.
    const int mx = ekd::carbonX(ex::explorerProjection(), 0.45);
    EXPECT_EQ(at(a, mx, b1 - 2), wbtest::notXor(at(a, mx - 1, b1 - 2), clBlack));
    EXPECT_EQ(at(a, mx, ex::bandTop(0) + 1), wbtest::notXor(at(a, mx - 1, ex::bandTop(0) + 1), clBlack));
}

TEST_F(ErkundenEKD, TheCoolingCurveHaltsOnTheHorizontals)
{
    // 3.0 % C: the curve runs along the row of 1147 °C from the arrest's start to its end, and
    // along 723 °C; each pixel of those rows between the ends is the curve's grey.
    f.Legierung30.Click();
    const mek::CoolingCurve& k = f.curve();
    ASSERT_EQ(k.arrests.size(), 2u);
    const TPaintBox& b = f.PaintBoxAbkuehlkurve;
    const TColor grau = RGB(0x80, 0x80, 0x80);
    for (const mek::Arrest& arrest : k.arrests) {
        SCOPED_TRACE(arrest.celsius);
        const TPoint from = ex::curvePixel(b.Width(), b.Height(), k, arrest.start, arrest.celsius);
        const TPoint to = ex::curvePixel(b.Width(), b.Height(), k, arrest.end, arrest.celsius);
        ASSERT_EQ(from.Y, to.Y);
        EXPECT_GT(to.X - from.X, 5) << "long enough to see";
        for (int x = from.X; x <= to.X; ++x)
            EXPECT_EQ(at(b, x, from.Y), grau) << x;
        // 1600 °C at the top row 24, 0 °C at the bottom row 166: 142 rows for 1600 °C.
        EXPECT_EQ(from.Y, int(std::lround(166 - arrest.celsius / 1600 * 142)));
    }
}

TEST_F(ErkundenEKD, ACoolingRunHoldsThePointPausesAndIsCleared)
{
    f.Legierung06.Click();
    ASSERT_TRUE(f.Abkuehlen.Click());
    EXPECT_TRUE(f.TimerAbkuehlen.Enabled());
    EXPECT_EQ(f.moduleState().Temperatur, 1600);
    const mek::CoolingCurve& k = f.curve();
    const mek::Arrest eutektoid = k.arrests.back();
    ASSERT_EQ(eutektoid.celsius, 723);

    // Half way through the eutectoid arrest: ticks of 50 ms, each 0.05 s of the curve.
    const int ticks = int(std::ceil((eutektoid.start + eutektoid.end) / 2 / 0.05));
    Scheduler::instance().advance(qint64(ticks) * 50);
    EXPECT_NEAR(f.moduleState().Laufzeit, ticks * 0.05, 1e-9);
    EXPECT_EQ(f.moduleState().Temperatur, 723);
    EXPECT_GT(f.moduleState().Reaktion, 0.3);
    EXPECT_LT(f.moduleState().Reaktion, 0.7);
    EXPECT_EQ(f.MemoPhasen.Lines[0], QStringLiteral("Phasen bei 0,60 % C und 723 °C (Haltepunkt):"));
    EXPECT_EQ(f.MemoPhasen.Lines.Count(), 4) << "ferrite, austenite and cementite at once";

    // The run holds the point: the pointer and the arrow keys leave it.
    pointAt(f, f.PaintBoxDiagramm, ex::pixelAt({ 2.0, 1000 }));
    f.pressKey(VK_LEFT);
    EXPECT_EQ(f.moduleState().Kohlenstoff, 0.6);
    EXPECT_EQ(f.moduleState().Temperatur, 723);

    // Space pauses and lets it go on.
    f.pressKey(VK_SPACE);
    const double paused = f.moduleState().Laufzeit;
    Scheduler::instance().advance(2000);
    EXPECT_EQ(f.moduleState().Laufzeit, paused);
    f.pressKey(VK_SPACE);
    EXPECT_TRUE(f.TimerAbkuehlen.Enabled());

    // To its end: room temperature, the timer off, the whole run red on the curve.
    Scheduler::instance().runUntilIdle(60000);
    EXPECT_FALSE(f.TimerAbkuehlen.Enabled());
    EXPECT_EQ(f.moduleState().Temperatur, mek::kRaumtemperatur);
    EXPECT_FALSE(f.moduleState().Laeuft);
    const TPaintBox& b = f.PaintBoxAbkuehlkurve;
    const double mitte = (eutektoid.start + eutektoid.end) / 2;
    const TPoint p = ex::curvePixel(b.Width(), b.Height(), k, mitte, 723);
    EXPECT_EQ(at(b, p.X, p.Y), clRed);

    // Löschen/Neu: the curve as before the run.
    f.Neu.Click();
    EXPECT_EQ(f.moduleState().Laufzeit, 0);
    EXPECT_EQ(at(b, p.X, p.Y), RGB(0x80, 0x80, 0x80));
}

TEST_F(ErkundenEKD, TheSystemsMenuSwitchesTheDiagramAndTheReadOut)
{
    // A pixel of the melt's field, away from every line and text: light blue in the metastable
    // view, pink in the stable one.
    const TPoint melt = ex::pixelAt({ 3.9, 1450 });
    EXPECT_EQ(at(f.PaintBoxDiagramm, melt.X, melt.Y), RGB(0xD7, 0xD7, 0xFF));
    f.Stabil.Click();
    EXPECT_EQ(at(f.PaintBoxDiagramm, melt.X, melt.Y), RGB(0xFF, 0xE8, 0xE8));
    EXPECT_EQ(f.LabelSystem.Caption(), QStringLiteral("stabiles System"));
    EXPECT_TRUE(f.Metastabil.Enabled());
    EXPECT_FALSE(f.Stabil.Enabled());
    EXPECT_EQ(f.MemoPhasen.Lines.list(),
        QStringList({ QStringLiteral("Phasen bei 0,45 % C und 20 °C:"), QStringLiteral("Ferrit > 99 % (0,00 % C)"),
            QStringLiteral("Graphit < 1 % (100 % C)") }));
    // The graphite end lies far right: the tie line stops at the field's edge with an arrow.
    const ex::Marks m = ex::marksAt(System::Stable, 3.0, { 1000 });
    EXPECT_TRUE(m.richCut);
    EXPECT_EQ(m.rich.X, ex::fieldRight());
    f.Metastabil.Click();
    EXPECT_EQ(at(f.PaintBoxDiagramm, melt.X, melt.Y), RGB(0xD7, 0xD7, 0xFF));
}

TEST_F(ErkundenEKD, ClosingEndsARunAndKeepsThePoint)
{
    enter(f, "1,2", "900");
    f.Abkuehlen.Click();
    Scheduler::instance().advance(1000);
    EXPECT_TRUE(f.pressKey(VK_ESCAPE));
    EXPECT_FALSE(f.Visible());
    EXPECT_FALSE(f.TimerAbkuehlen.Enabled());
    EXPECT_FALSE(f.moduleState().Laeuft);
    EXPECT_EQ(f.moduleState().Laufzeit, 0);
    EXPECT_EQ(f.moduleState().Legierung, 1.2);
}
