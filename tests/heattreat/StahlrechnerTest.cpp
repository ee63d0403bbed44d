// The steel calculator on its own: it opens with C45, every valid entry recomputes at once, a
// wrong one is refused with its range and changes nothing, the named steels fill the fields, and
// the diagrams show the computed curves at their places.
#include "diagrams/Panels.h"
#include "heattreat/StahlrechnerDiagramme.h"
#include "heattreat/UnitStahlrechner.h"
#include "steel/Hardenability.h"
#include "steel/NamedSteels.h"
#include "tests/support/Program.h"

#include <cmath>

using namespace wb;
using namespace wb::stahlrechner;

namespace {

using StahlrechnerTest = wbtest::LessonTest<TFormStahlrechner>;

// Whether a pixel of the colour lies within a pixel of (x, y) on the control.
bool nahe(TForm& form, const TControl& control, int x, int y, TColor color)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (wbtest::pixelIn(form, control, x + dx, y + dy) == color)
                return true;
    return false;
}

// The isothermal row nearest a temperature.
const steel::TttRow& zeile(const steel::CalculatorReport& r, double celsius)
{
    const steel::TttRow* best = &r.ttt.front();
    for (const steel::TttRow& row : r.ttt)
        if (std::abs(row.temperature - celsius) < std::abs(best->temperature - celsius))
            best = &row;
    return *best;
}

} // namespace

TEST_F(StahlrechnerTest, OpensWithC45AndItsResults)
{
    EXPECT_EQ(f.EditC.Text(), QStringLiteral("0,46"));
    EXPECT_EQ(f.EditMn.Text(), QStringLiteral("0,65"));
    EXPECT_EQ(f.EditKorngroesse.Text(), QStringLiteral("7"));
    EXPECT_EQ(f.LabelStahl.Caption(), QStringLiteral("C45 nach EN 10083-2 (Mittelwerte)"));
    // Andrews' Ac1 721.865 and Ac3 761.759, Steven–Haynes' Ms 321.51 and Bs 647.3 (the steel tests give
    // the arithmetic), whole degrees. DI = 0.2275 · 3.1667 · 1.14 in = 0.8214 in = 20.9 mm (A255's factors
    // for 0.46 C, 0.65 Mn, 0.20 Si): inside A255's composition range, so not flagged, though below the
    // table of its dividing factors, which the end-quench curve's flag says.
    EXPECT_EQ(f.EditAc1.Text(), QStringLiteral("722"));
    EXPECT_EQ(f.EditAc3.Text(), QStringLiteral("762"));
    EXPECT_EQ(f.EditMs.Text(), QStringLiteral("322"));
    EXPECT_EQ(f.EditBs.Text(), QStringLiteral("647"));
    EXPECT_EQ(f.EditDI.Text(), QStringLiteral("21"));
    EXPECT_TRUE(f.EditAc1.ReadOnly());
    EXPECT_EQ(f.MemoHinweise.Lines[0].left(2), QStringLiteral("* "));
}

TEST_F(StahlrechnerTest, EveryEntryRecomputesOrIsRefusedAndChangesNothing)
{
    struct Case {
        const char* typed;
        const char* editAfter; // the field's text afterwards
        const char* ms; // EditMs afterwards
        bool message;
    };
    const Case cases[] = {
        // 561 − 474 · 0.42 − 33 · 0.65 = 340.47
        { "0,42", "0,42", "340", false },
        { "0.42", "0.42", "340", false },
        // Still typing: nothing changes, nothing is said.
        { "", "", "322", false },
        { "-", "-", "322", false },
        // Refused: the field goes back to C45's 0,46 and the results stay.
        { "abc", "0,46", "322", true },
        { "2,5", "0,46", "322", true },
        { "-0,1", "0,46", "322", true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        f.EditC.typeText(QStringLiteral("0,46")); // back to C45
        wbtest::events().messages.clear();
        f.EditC.typeText(QString::fromUtf8(c.typed));
        EXPECT_EQ(f.EditC.Text(), QString::fromUtf8(c.editAfter));
        EXPECT_EQ(f.EditMs.Text(), QString::fromUtf8(c.ms));
        ASSERT_EQ(wbtest::events().messages.size(), c.message ? 1u : 0u);
        if (c.message)
            EXPECT_TRUE(
                wbtest::events().messages.front().contains(QStringLiteral("Zulässig sind Werte von 0 % bis 2,06 %.")));
    }
    // A changed entry is the student's own composition.
    f.EditMn.typeText(QStringLiteral("0,8"));
    EXPECT_EQ(f.LabelStahl.Caption(), QStringLiteral("eigene Zusammensetzung"));
    EXPECT_DOUBLE_EQ(f.moduleState().zusammensetzung.Mn, 0.8);
}

TEST_F(StahlrechnerTest, NamedSteelsFillTheFieldsAndFlagWhatLeavesARange)
{
    ASSERT_TRUE(f.Stahl42CrMo4.Click());
    EXPECT_EQ(f.EditC.Text(), QStringLiteral("0,415"));
    EXPECT_EQ(f.EditCr.Text(), QStringLiteral("1,05"));
    EXPECT_EQ(f.EditMo.Text(), QStringLiteral("0,225"));
    EXPECT_FALSE(f.EditMs.Text().endsWith(u'*'));
    EXPECT_FALSE(f.EditDI.Text().endsWith(u'*'));
    EXPECT_TRUE(f.MemoHinweise.Lines.list().join(u' ').startsWith(
        QStringLiteral("Die Zusammensetzung liegt im Gültigkeitsbereich aller Modelle.")));

    // 100Cr6: 0.99 % C leaves Steven–Haynes' range; Ms = 561 − 474 · 0.99 − 33 · 0.35 − 17 · 1.475 = 55.1.
    ASSERT_TRUE(f.Stahl100Cr6.Click());
    EXPECT_EQ(f.EditMs.Text(), QStringLiteral("55 *"));
    EXPECT_TRUE(f.EditHaerteMartensit.Text().endsWith(QStringLiteral(" *")));
    EXPECT_TRUE(f.MemoHinweise.Lines.list().join(u' ').contains(QStringLiteral(
        "* Steven–Haynes (Ms, Bs): außerhalb des Gültigkeitsbereichs, C = 0,99 % (gültig 0,1 bis 0,55 %)")));
}

TEST_F(StahlrechnerTest, TheDiagramsShowTheComputedCurves)
{
    const double t0 = f.report().hardeningTemperature;
    const steel::CalculatorReport& r = f.report();
    const ztaztu::DiagramLayout l = ztuLayout(f.PaintBoxZTU.Width(), f.PaintBoxZTU.Height());
    // The gold panel above Ac3, away from grid lines, legends and curves.
    EXPECT_EQ(at(f.PaintBoxZTU, zeitX(l, 3e5), temperaturY(l, 900)), diagrams::kPanelGold);
    // C45's pearlite start at 680 °C, drawn 2 wide in the pearlite colour.
    const steel::TttRow row = zeile(r, 680); // a copy: the report is replaced below
    EXPECT_TRUE(nahe(f, f.PaintBoxZTU, zeitX(l, row.pearlite.start), temperaturY(l, row.temperature), kPerlitFarbe));
    // The end-quench curve's first point at 1.5 mm is A255's initial hardness of 0.46 % C, a dark mark.
    const Diagramm j = jominyDiagramm(f.PaintBoxJominy.Width(), f.PaintBoxJominy.Height());
    EXPECT_EQ(at(f.PaintBoxJominy, xVon(j, 1.5), yVon(j, steel::initialHardnessHrc(0.46))), diagrams::kDunkel);

    // The continuous view: the 300 K/s curve passes T0 − 300 at 1 s; the pearlite line is gone.
    ASSERT_TRUE(f.ZTUKontinuierlich.Click());
    EXPECT_TRUE(nahe(f, f.PaintBoxZTU, zeitX(l, 1), temperaturY(l, t0 - 300), diagrams::kDunkel));
    EXPECT_FALSE(nahe(f, f.PaintBoxZTU, zeitX(l, row.pearlite.start), temperaturY(l, row.temperature), kPerlitFarbe));
    ASSERT_TRUE(f.ZTUIsotherm.Click());
    EXPECT_TRUE(nahe(f, f.PaintBoxZTU, zeitX(l, row.pearlite.start), temperaturY(l, row.temperature), kPerlitFarbe));

    // A new composition redraws at once: 42CrMo4's pearlite starts much later at 680 °C.
    ASSERT_TRUE(f.Stahl42CrMo4.Click());
    const steel::TttRow crmo = zeile(f.report(), 680);
    ASSERT_GT(zeitX(l, crmo.pearlite.start), zeitX(l, row.pearlite.start) + 20);
    EXPECT_TRUE(nahe(f, f.PaintBoxZTU, zeitX(l, crmo.pearlite.start), temperaturY(l, crmo.temperature), kPerlitFarbe));
    EXPECT_FALSE(nahe(f, f.PaintBoxZTU, zeitX(l, row.pearlite.start), temperaturY(l, row.temperature), kPerlitFarbe));
}

TEST_F(StahlrechnerTest, ThePointerReadsTheDiagramUnderIt)
{
    const ztaztu::DiagramLayout l = ztuLayout(f.PaintBoxZTU.Width(), f.PaintBoxZTU.Height());
    const QPoint ztu = f.PaintBoxZTU.clientRect().topLeft();
    ASSERT_TRUE(f.mouseMoveAt(ztu + QPoint(zeitX(l, 100), temperaturY(l, 600))));
    EXPECT_TRUE(f.LabelAblesung.Caption().startsWith(QStringLiteral("t = 100 s, T = 600 °C; Beginn bei 600 °C: ")))
        << f.LabelAblesung.Caption().toStdString();
    const Diagramm j = jominyDiagramm(f.PaintBoxJominy.Width(), f.PaintBoxJominy.Height());
    ASSERT_TRUE(f.mouseMoveAt(f.PaintBoxJominy.clientRect().topLeft() + QPoint(xVon(j, 25), 100)));
    EXPECT_TRUE(f.LabelAblesung.Caption().startsWith(QStringLiteral("Stirnabschreckprobe: 25,0 mm")))
        << f.LabelAblesung.Caption().toStdString();
    // Off the panels the read-out is empty.
    ASSERT_TRUE(f.mouseMoveAt(f.PaintBoxJominy.clientRect().topLeft() + QPoint(2, 2)));
    EXPECT_TRUE(f.LabelAblesung.Caption().isEmpty());
}
