// The phase diagram explorer driven directly: the tie line under the pointer ends on the lesson's
// drawn boundaries and its read-out balances, in every two-phase field of every type; the point
// moved by pointer, keys and typed values; a cooling run with its curve, arrest and micrograph; the
// pictures at ratio 2.
#include "framework/FormAccess.h"
#include "framework/Timers.h"
#include "model/PhaseCooling.h"
#include "phase/ErkundenZuDiagramm.h"
#include "phase/ErkundenZuText.h"
#include "phase/UnitErkundenZu.h"
#include "phase/UnitZutyp1.h"
#include "tests/support/Program.h"

#include <QApplication>
#include <QRegularExpression>
#include <QWidget>
#include <cmath>
#include <string>

using namespace wb;
using namespace wb::erkundenzu;

namespace {

// A phase as the read-out shows it.
struct Gelesen {
    std::string name;
    int prozent; // -1 for "< 1 %"
    double w;
};

std::vector<Gelesen> lies(const QStringList& lines)
{
    static const QRegularExpression zeile(QStringLiteral("^(.+) (< 1|\\d+) % \\(B = ([\\d,]+) %\\)$"));
    std::vector<Gelesen> out;
    for (const QString& l : lines) {
        const QRegularExpressionMatch m = zeile.match(l);
        if (!m.hasMatch())
            continue;
        const QString p = m.captured(2);
        out.push_back(
            { m.captured(1).toStdString(), p == QStringLiteral("< 1") ? -1 : p.toInt(), *liesZahl(m.captured(3)) });
    }
    return out;
}

// The whole percentage at the end of a read-out line ("Eutektikum 25 %").
int anteilIn(const QString& line)
{
    static const QRegularExpression prozent(QStringLiteral("(\\d+) %$"));
    const QRegularExpressionMatch m = prozent.match(line);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

class ErkundenZu : public wbtest::LessonTest<TFormErkundenZu> {
protected:
    const Typ& aktuell() const { return typ(f.moduleState().Typ); }
    QPoint imDiagramm(int x, int y) const { return f.PaintBoxDiagramm.BoundsRect().topLeft() + QPoint(x, y); }
    // The pointer over the pixel of (w, t) of the diagram shown.
    void zeigeAuf(double w, double t)
    {
        const TPoint p = pixelVon(aktuell(), w, t);
        f.mouseMoveAt(imDiagramm(p.X, p.Y));
    }
    TColor diagramm(int x, int y) { return at(f.PaintBoxDiagramm, x, y); }
    TColor kurve(int x, int y) { return at(f.PaintBoxAbkuehlkurve, x, y); }
    std::string text(const TEdit& e) const { return e.Text().toStdString(); }
    static void tick(int n = 1) { Scheduler::instance().advance(50 * n); }
};

} // namespace

// Type 1 at 40 % B and 1300 °C, row 20 + (1500 - 1300) / 2 = 120: the solidus at 28.28 % B
// (x = 20 + 4.6 · 28.28 = 150.1), the liquidus at 54.41 % B (x = 270.3); melt (40 - 28.28) /
// (54.41 - 28.28) = 44.85 %.
TEST_F(ErkundenZu, OpensOnType1At40PercentWithTheTieLineAndTheReadOut)
{
    EXPECT_EQ(f.moduleState().Typ, 1);
    EXPECT_EQ(text(f.EditKonzentration), "40");
    EXPECT_EQ(text(f.EditTemperatur), "1300");
    EXPECT_EQ(f.MemoPhasen.Lines.list(),
        (QStringList {
            QStringLiteral("Alpha-Mischkristall 55 % (B = 28,3 %)"), QStringLiteral("Schmelze 45 % (B = 54,4 %)") }));
    EXPECT_EQ(f.MemoGefuege.Lines.list(),
        (QStringList { QStringLiteral("Alpha-Mischkristalle 55 %"), QStringLiteral("Schmelze 45 %") }));
    EXPECT_EQ(f.TimerAbkuehlen.Enabled(), false);

    EXPECT_EQ(diagramm(60, 120), kZeigerFarbe) << "the cross-hair's row";
    EXPECT_EQ(diagramm(204, 300), kZeigerFarbe) << "and its column";
    EXPECT_EQ(diagramm(230, 120), kKonodenFarbe) << "the tie line";
    EXPECT_EQ(diagramm(150, 120), clWhite) << "its end on the solidus";
    EXPECT_EQ(diagramm(270, 120), clWhite) << "and on the liquidus";
    EXPECT_EQ(diagramm(150, 376), kKonodenFarbe) << "the ends marked on the composition axis";
    EXPECT_EQ(diagramm(270, 376), kKonodenFarbe);
    EXPECT_EQ(diagramm(204, 120), kZeigerFarbe) << "the point";
    // The lesson's curves, silver, where nothing lies over them.
    EXPECT_EQ(diagramm(400, zutyp1::solidusY(400)), clSilver);
    EXPECT_EQ(diagramm(400, zutyp1::liquidusY(400)), clSilver);
    EXPECT_EQ(diagramm(400, 200), phasefield::bandColor(200));
}

// The test of the lever rule: points in every two-phase field of every type, at rows
// every 4 pixels, each at a quarter, half and three quarters of its field's width. The tie line
// the window draws there ends (the middle of the white circle at each end) on a pixel the
// lesson's boundary drawing covers, or at the field's side for a pure component; and the
// read-out's shares times compositions give the alloy within the rounding of whole percent and
// tenths of a percent.
TEST_F(ErkundenZu, TieLineEndsLieOnTheDrawnBoundariesAndTheReadOutBalances)
{
    TMenuItem* types[] = { &f.ErkTyp1, &f.ErkTyp2, &f.ErkTyp3, &f.ErkTyp4 };
    for (int n = 1; n <= 4; ++n) {
        types[n - 1]->Click();
        const Typ& t = typ(n);
        const model::PhaseDiagram& d = diagrammVon(t);
        const phasefield::Projection p = projektionVon(t);
        wbtest::PixelCanvas boundaries(kDiagrammGroesse.width(), kDiagrammGroesse.height());
        boundaries.canvas.Pen.SetColor(clSilver);
        boundaries.canvas.Pen.SetWidth(2);
        t.grenzen(boundaries.canvas);
        int checked = 0;
        // Type 4's beta solvus is drawn down to row 367 only (as its lesson draws it): rows below
        // 365 are checked.
        for (int row = phasefield::kOben + 2; row <= 365; row += 4) {
            const double temp = p.temperature(row);
            // On an invariant line the read-out names the reaction and its three phases.
            if (model::invariantAt(d, 50, temp))
                continue;
            for (double w = 0; w < 100;) {
                const model::FieldAt field = model::fieldAt(d, w, temp);
                w = std::nextafter(field.wRight, 101.0);
                if (!field.phases.two() || p.x(field.wRight) - p.x(field.wLeft) < 16)
                    continue;
                for (double part : { 0.25, 0.5, 0.75 }) {
                    const double alloy = field.wLeft + part * (field.wRight - field.wLeft);
                    zeigeAuf(alloy, temp);
                    SCOPED_TRACE("type " + std::to_string(n) + ", row " + std::to_string(row) + ", "
                        + text(f.EditKonzentration) + " % B, " + text(f.EditTemperatur) + " °C");
                    ASSERT_EQ(f.moduleState().Temperatur, temp);
                    const std::vector<Gelesen> phasen = lies(f.MemoPhasen.Lines.list());
                    ASSERT_EQ(phasen.size(), 2u);
                    // Each share is off by less than a percent of its composition, each composition by
                    // 0.05 % B of a tenth's rounding, the alloy by as much.
                    double balance = 0, spielraum = 0.05;
                    for (const Gelesen& g : phasen) {
                        balance += std::max(g.prozent, 0) * g.w / 100;
                        spielraum += g.w / 100 + 0.05;
                    }
                    EXPECT_NEAR(balance, f.moduleState().Konzentration, spielraum);

                    // Each end: the white inside of its circle, centred on the end's column.
                    const int x = pixelVon(t, f.moduleState().Konzentration, temp).X;
                    for (int richtung : { -1, 1 }) {
                        int k = x;
                        while (k > 0 && k < 491 && diagramm(k, row) != clWhite)
                            k += richtung;
                        int weiter = k;
                        while (diagramm(weiter + richtung, row) == clWhite)
                            weiter += richtung;
                        const int ende = (k + weiter) / 2;
                        const bool rand = ende == phasefield::kLinks || ende == phasefield::kRechts;
                        const bool aufGrenze = boundaries.at(ende, row) == clSilver
                            || boundaries.at(ende - 1, row) == clSilver || boundaries.at(ende + 1, row) == clSilver;
                        EXPECT_TRUE(rand || aufGrenze) << "the end at x = " << ende << " is on no boundary";
                    }
                    ++checked;
                }
            }
        }
        EXPECT_GT(checked, 100) << "type " << n;
    }
}

TEST_F(ErkundenZu, KeysMoveThePointByOneAndWithShiftByTen)
{
    struct Schritt {
        int key;
        bool shift;
        double w, t;
    };
    const Schritt schritte[] = {
        { VK_RIGHT, false, 41, 1300 },
        { VK_LEFT, true, 31, 1300 },
        { VK_UP, false, 31, 1301 },
        { VK_DOWN, true, 31, 1291 },
    };
    for (const Schritt& s : schritte) {
        TShiftState shift;
        shift.shift = s.shift;
        f.pressKey(s.key, shift);
        EXPECT_EQ(f.moduleState().Konzentration, s.w);
        EXPECT_EQ(f.moduleState().Temperatur, s.t);
    }
    EXPECT_EQ(text(f.EditKonzentration), "31");
    EXPECT_EQ(text(f.EditTemperatur), "1291");
    // The diagram's edges hold the point.
    for (int i = 0; i < 8; ++i)
        f.pressKey(VK_RIGHT, TShiftState { .shift = true });
    EXPECT_EQ(f.moduleState().Konzentration, 100);
    for (int i = 0; i < 60; ++i)
        f.pressKey(VK_DOWN, TShiftState { .shift = true });
    EXPECT_EQ(f.moduleState().Temperatur, 800);
}

TEST_F(ErkundenZu, EnterTakesTheTypedPointAndChoosesItsAlloy)
{
    f.EditKonzentration.SetText(QStringLiteral("62,5"));
    f.EditTemperatur.SetText(QStringLiteral(" 1100 "));
    f.pressKey(VK_RETURN);
    EXPECT_EQ(f.moduleState().Konzentration, 62.5);
    EXPECT_EQ(f.moduleState().Temperatur, 1100);
    ASSERT_TRUE(f.moduleState().Legierung);
    EXPECT_EQ(*f.moduleState().Legierung, 62.5);
    EXPECT_TRUE(wbtest::events().messages.empty());
    // The alloy's line at x = 20 + 4.6 · 62.5 = 307.5, taken to the even neighbour 308, two
    // pixels wide: 307 and 308, once the cross-hair has moved on.
    f.pressKey(VK_RIGHT);
    EXPECT_EQ(diagramm(308, 40), kLegierungFarbe);
    EXPECT_EQ(diagramm(307, 40), kLegierungFarbe);
    EXPECT_NE(diagramm(310, 40), kLegierungFarbe);
}

// A value that is no number or lies outside the diagram: a message naming the range, and nothing
// changes.
TEST_F(ErkundenZu, AWrongValueGetsAMessageAndChangesNothing)
{
    struct Case {
        const char* konzentration;
        const char* temperatur;
        QString meldung;
    };
    const Case cases[] = {
        { "abc", "1300", konzentrationFalsch(QStringLiteral("abc")) },
        { "100,1", "1300", konzentrationFalsch(QStringLiteral("100,1")) },
        { "-1", "1300", konzentrationFalsch(QStringLiteral("-1")) },
        { "50", "1600", temperaturFalsch(QStringLiteral("1600"), model::phaseDiagram(1)) },
        { "50", "", temperaturFalsch(QString(), model::phaseDiagram(1)) },
        { "50", "1.000", temperaturFalsch(QStringLiteral("1.000"), model::phaseDiagram(1)) },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.konzentration + std::string(" / ") + c.temperatur);
        wbtest::events().messages.clear();
        f.EditKonzentration.SetText(QString::fromUtf8(c.konzentration));
        f.EditTemperatur.SetText(QString::fromUtf8(c.temperatur));
        f.pressKey(VK_RETURN);
        ASSERT_EQ(wbtest::events().messages.size(), 1u);
        EXPECT_EQ(wbtest::events().messages[0], c.meldung);
        EXPECT_EQ(f.moduleState().Konzentration, 40);
        EXPECT_EQ(f.moduleState().Temperatur, 1300);
        EXPECT_FALSE(f.moduleState().Legierung);
    }
    EXPECT_TRUE(temperaturFalsch(QStringLiteral("1600"), model::phaseDiagram(1)).contains(QStringLiteral("800")));
}

// Type 1's 1300 °C lies five sevenths up its field; in type 2 that is 250 °C, in the melt.
TEST_F(ErkundenZu, AnotherTypeKeepsThePointsPlaceInTheField)
{
    f.ErkTyp2.Click();
    EXPECT_EQ(f.moduleState().Typ, 2);
    EXPECT_EQ(f.moduleState().Konzentration, 40);
    EXPECT_EQ(f.moduleState().Temperatur, 250);
    EXPECT_EQ(f.MemoPhasen.Lines.list(), QStringList { QStringLiteral("Schmelze 100 % (B = 40 %)") });
    // Type 2's eutectic line, silver, in rows 221 and 222 (148 °C is row 20 + 350 - 148 = 222).
    EXPECT_EQ(diagramm(100, 222), clSilver);
    EXPECT_EQ(diagramm(100, 221), clSilver);
    f.ErkTyp4.Click();
    EXPECT_EQ(f.moduleState().Temperatur, 1000);
    // Type 4's peritectic line in row 180 from alpha's 20 % (x = 112) to the melt's 75 % (x = 365).
    EXPECT_EQ(diagramm(200, 180), clSilver);
}

// Type 2 at 30 % B: the point runs down the alloy line, stands on the eutectic line while the
// eutectic forms, and goes on to the bottom; the cooling curve is drawn as it goes.
TEST_F(ErkundenZu, ACoolingRunFollowsTheCurveAndHoldsOnTheLine)
{
    f.ErkTyp2.Click();
    zeigeAuf(30, 200);
    f.mouseDownAt(imDiagramm(158, 170));
    ASSERT_TRUE(f.moduleState().Legierung);
    EXPECT_EQ(*f.moduleState().Legierung, 30);
    f.Abkuehlen.Click();
    EXPECT_TRUE(f.TimerAbkuehlen.Enabled());
    EXPECT_EQ(text(f.EditTemperatur), "350");
    EXPECT_EQ(f.MemoGefuege.Lines.list(), QStringList { QStringLiteral("Schmelze 100 %") });

    const model::CoolingCurve& k = *f.abkuehlkurve();
    const double dt = f.zeitschritt();
    // The first tick on the arrest, one well inside it, the first below it.
    const int aufLinie = int(std::ceil(k.arrestStart / dt));
    tick(aufLinie);
    EXPECT_EQ(f.moduleState().Temperatur, 148);
    EXPECT_EQ(f.MemoPhasen.Lines.list().value(0), QStringLiteral("Eutektische Reaktion bei 148 °C:"));
    const QStringList frueh = f.MemoGefuege.Lines.list();
    tick(int((k.arrestEnd - k.arrestStart) / dt / 2));
    EXPECT_EQ(f.moduleState().Temperatur, 148) << "the temperature holds";
    const QStringList spaeter = f.MemoGefuege.Lines.list();
    ASSERT_EQ(frueh.size(), 4);
    ASSERT_EQ(spaeter.size(), 4);
    EXPECT_EQ(frueh[0], QStringLiteral("Primäre A-Kristalle 50 %"));
    EXPECT_LT(anteilIn(frueh[1]), anteilIn(spaeter[1])) << "the eutectic grows: " << frueh[1].toStdString();
    EXPECT_GT(anteilIn(frueh[3]), anteilIn(spaeter[3])) << "the melt shrinks: " << frueh[3].toStdString();
    EXPECT_EQ(anteilIn(spaeter[1]) + anteilIn(spaeter[3]), 50);

    // Space pauses and resumes.
    f.pressKey(VK_SPACE);
    EXPECT_FALSE(f.TimerAbkuehlen.Enabled());
    const double zeit = f.moduleState().Zeit;
    tick(10);
    EXPECT_EQ(f.moduleState().Zeit, zeit);
    f.pressKey(VK_SPACE);
    EXPECT_TRUE(f.TimerAbkuehlen.Enabled());

    Scheduler::instance().runUntilIdle(60000);
    EXPECT_EQ(f.moduleState().Abkuehlung, TFormErkundenZu::Lauf::Fertig);
    EXPECT_EQ(text(f.EditTemperatur), "0");
    EXPECT_EQ(f.MemoGefuege.Lines.list(),
        (QStringList { QStringLiteral("Primäre A-Kristalle 50 %"), QStringLiteral("Eutektikum 50 %"),
            QStringLiteral("   davon A 40 %, B 60 %") }));
    // The curve as drawn: black where it passes at the start, on the arrest and below it.
    const phasefield::Projection p = projektionVon(typ(2));
    for (double zeit : { 10.0, (k.arrestStart + k.arrestEnd) / 2, k.arrestEnd + 30, k.endTime() - 5 }) {
        const int x = RoundSingle(kurveX(typ(2), zeit));
        EXPECT_EQ(kurve(x, p.pixelY(k.temperatureAt(zeit))), clBlack) << zeit << " s";
    }
    const int mitte = RoundSingle(kurveX(typ(2), (k.arrestStart + k.arrestEnd) / 2));

    // "Löschen/Neu" clears the run and its curve; the alloy stays.
    f.Neu.Click();
    EXPECT_EQ(f.moduleState().Abkuehlung, TFormErkundenZu::Lauf::Keiner);
    EXPECT_EQ(kurve(mitte, p.pixelY(148)), clWhite);
    EXPECT_TRUE(f.moduleState().Legierung);
}

TEST_F(ErkundenZu, EscClosesTheWindowAndEndsTheRun)
{
    f.Abkuehlen.Click();
    tick(5);
    f.pressKey(VK_ESCAPE);
    EXPECT_FALSE(f.Visible());
    EXPECT_FALSE(f.TimerAbkuehlen.Enabled());
    EXPECT_EQ(f.moduleState().Abkuehlung, TFormErkundenZu::Lauf::Keiner);
    EXPECT_FALSE(f.abkuehlkurve());
}

// The micrograph belongs to the point: the same point shows the same picture again; melt shows
// red, a solid alloy none.
TEST_F(ErkundenZu, TheMicrographIsTheSameForTheSamePoint)
{
    auto bild = [&] { return FormAccess::surface(f).copy(f.PaintBoxGefuege.BoundsRect()); };
    auto rot = [&](const QImage& im) {
        int n = 0;
        for (int y = 0; y < im.height(); ++y)
            for (int x = 0; x < im.width(); ++x) {
                const QColor c = im.pixelColor(x, y);
                n += c.red() > 150 && c.green() < 90 && c.blue() < 90;
            }
        return double(n) / (im.width() * im.height());
    };
    zeigeAuf(40, 1300);
    const QImage zweiphasig = bild();
    zeigeAuf(40, 1450);
    EXPECT_GT(rot(bild()), 0.95) << "all melt";
    zeigeAuf(40, 900);
    EXPECT_EQ(rot(bild()), 0) << "all solid";
    zeigeAuf(40, 1300);
    EXPECT_EQ(bild(), zweiphasig);
    // 45 % of the picture is the melt at (40 %, 1300 °C), give or take the crystals' outlines.
    EXPECT_NEAR(rot(zweiphasig), 0.45, 0.08);
}

// At ratio 2 the diagram and the micrograph are drawn at the device resolution: the tie line lies
// where it lies at ratio 1, and the micrograph's device pixels are its own, not doubled ones.
TEST_F(ErkundenZu, AtRatio2TheWindowDrawsAtTheDeviceResolution)
{
    FormAccess::setRatio(f, 2);
    Application.flushPendingPaints();
    zeigeAuf(40, 1300);
    const QImage& s = FormAccess::surface(f);
    // The middle device pixel of a logical pixel's block.
    auto logisch = [&](int x, int y) {
        const QPoint at = f.PaintBoxDiagramm.BoundsRect().topLeft() + QPoint(x, y);
        return fromPixel(s.pixel(deviceProbe(at.x(), 2), deviceProbe(at.y(), 2)));
    };
    EXPECT_EQ(logisch(230, 120), kKonodenFarbe);
    EXPECT_EQ(logisch(150, 120), clWhite);
    EXPECT_EQ(logisch(60, 120), kZeigerFarbe);
    EXPECT_EQ(logisch(400, zutyp1::solidusY(400)), clSilver);
    const QRect box = deviceRect(f.PaintBoxGefuege.BoundsRect(), 2);
    int eigene = 0;
    for (int y = box.top(); y < box.bottom(); y += 2)
        for (int x = box.left(); x < box.right(); x += 2)
            eigene += s.pixel(x, y) != s.pixel(x + 1, y) || s.pixel(x, y) != s.pixel(x, y + 1);
    EXPECT_GT(eigene, box.width() * box.height() / 4 / 4) << "most 2 × 2 blocks hold more than one colour";
}

// While a value is being typed, Left and Right move within the edit; Up and Down still move the
// point.
TEST_F(ErkundenZu, LeftAndRightStayInTheEditBeingTyped)
{
    QWidget* edit = f.EditKonzentration.widget();
    edit->window()->activateWindow();
    QApplication::setActiveWindow(edit->window());
    edit->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), edit);
    f.pressKey(VK_LEFT);
    EXPECT_EQ(f.moduleState().Konzentration, 40);
    f.pressKey(VK_UP);
    EXPECT_EQ(f.moduleState().Temperatur, 1301);
    edit->clearFocus();
    f.pressKey(VK_LEFT);
    EXPECT_EQ(f.moduleState().Konzentration, 39);
}
