// The steel calculator's scales: the ZTU panel on the lessons' log time axis, the charts' linear
// scales, and what the pointer reads back from them.
#include "heattreat/StahlrechnerDiagramme.h"

#include "steel/NamedSteels.h"

#include <gtest/gtest.h>

using namespace wb;
using namespace wb::stahlrechner;

namespace {

steel::CalculatorReport reportFor(const char* name)
{
    return steel::recompute(std::get<steel::Steel>(steel::Steel::from(steel::findNamedSteel(name)->composition)));
}

} // namespace

TEST(StahlrechnerDiagramme, TheZtuPanelOnTheLessonsTimeAxis)
{
    // PaintBoxZTU is 588 x 300: rows of (264 − 24) div 5 = 48 px, decades of (588 − 14 − 46) div 7 = 75 px.
    const ztaztu::DiagramLayout l = ztuLayout(588, 300);
    EXPECT_EQ(l.ZtuLinks, 46);
    EXPECT_EQ(l.ZtuUnten, 264);
    EXPECT_EQ(l.ZtuOben, 264 - 5 * 48);
    EXPECT_EQ(l.ZtuRechts, 46 + 7 * 75);
    struct Case {
        double seconds, celsius;
        int x, y;
    };
    const Case cases[] = {
        { 0.1, 0, 46, 264 }, // the panel's bottom left
        { 1, 200, 46 + 75, 264 - 48 }, // one decade, one row
        { 1e6, 1000, 46 + 7 * 75, 24 }, // the top right
        { std::sqrt(10.0), 500, 46 + 75 + 37, 264 - 120 }, // half a decade: 158.5 rounds to the even 158
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seconds);
        EXPECT_EQ(zeitX(l, c.seconds), c.x);
        EXPECT_EQ(temperaturY(l, c.celsius), c.y);
        EXPECT_TRUE(imZtuFeld(l, c.x, c.y));
    }
    // Read back: a pixel is the time and temperature it shows, within a pixel's worth.
    EXPECT_NEAR(zeitBei(l, 46 + 3 * 75), 100.0, 1e-9);
    EXPECT_NEAR(temperaturBei(l, 264 - 3 * 48), 600.0, 1e-9);
    EXPECT_FALSE(imZtuFeld(l, 45, 100));
    EXPECT_FALSE(imZtuFeld(l, 100, 265));
}

TEST(StahlrechnerDiagramme, TheChartsScalesAndTheirReadOuts)
{
    const Diagramm j = jominyDiagramm(292, 206); // 0 … 50 mm over 40 … 278, 10 … 70 HRC over 170 … 24
    EXPECT_EQ(xVon(j, 0), 40);
    EXPECT_EQ(xVon(j, 50), 278);
    EXPECT_EQ(yVon(j, 10), 170);
    EXPECT_EQ(yVon(j, 70), 24);
    EXPECT_NEAR(xBei(j, xVon(j, 25)), 25, 50.0 / 238);
    EXPECT_NEAR(yBei(j, yVon(j, 40)), 40, 60.0 / 146);

    const steel::CalculatorReport r = reportFor("42CrMo4");
    // The read-out names the distance and the curve's hardness there.
    const QString jominy = ablesungJominy(j, xVon(j, 20), 100, r);
    EXPECT_TRUE(jominy.startsWith(QStringLiteral("Stirnabschreckprobe: 20,0 mm von der Stirnfläche ")))
        << jominy.toStdString();
    EXPECT_TRUE(jominy.endsWith(
        QStringLiteral("%1 HRC").arg(QString::number(std::lround(steel::jominyHrcAt(r.jominy.value, 20))))));
    EXPECT_TRUE(ablesungJominy(j, 10, 100, r).isEmpty()); // left of the panel

    // The tempering chart reaches to the as-quenched hardness, in rows of 100 HV, at least 900 HV.
    const Diagramm a = anlassDiagramm(292, 206, r);
    EXPECT_EQ(a.yMax, 100.0 * a.zeilen);
    EXPECT_GE(a.yMax, std::max(900.0, r.martensiteHardness));
    EXPECT_LT(a.yMax - 100, std::max(900.0, r.martensiteHardness));
    // Between two points of the chart the hardness is read linearly: halfway between 400 and 410 °C.
    const steel::TemperingPoint* p400 = nullptr;
    for (const steel::TemperingPoint& p : r.tempering)
        if (std::abs(p.temperature - 400) < 1e-9)
            p400 = &p;
    ASSERT_NE(p400, nullptr);
    const Anlasshaerte h = anlasshaerteBei(r, 405);
    EXPECT_NEAR(h.h1, (p400[0].hardness1h + p400[1].hardness1h) / 2, 1e-9);
    EXPECT_NEAR(h.h10, (p400[0].hardness10h + p400[1].hardness10h) / 2, 1e-9);
}

TEST(StahlrechnerDiagramme, ThePointerFindsTheNearestCoolingCurve)
{
    const steel::CalculatorReport r = reportFor("C45");
    // At 1 s the 100 K/s curve is at T0 − 100, the 300 K/s curve at T0 − 300 and the 50 K/s one at T0 − 50.
    const double t0 = r.hardeningTemperature;
    const auto rateOf
        = [&](double seconds, double celsius) { return r.cooling[naechsteKurve(r, seconds, celsius)].rate; };
    EXPECT_EQ(rateOf(1, t0 - 100), 100);
    EXPECT_EQ(rateOf(1, t0 - 290), 300);
    EXPECT_EQ(rateOf(1, t0 - 60), 50);

    const ztaztu::DiagramLayout l = ztuLayout(588, 300);
    const QString text = ablesungKontinuierlich(l, zeitX(l, 1), temperaturY(l, t0 - 300), r);
    // The pointer's time and temperature, then the 300 K/s curve's shares and hardness.
    const steel::CoolingOutcome& fast = r.cooling.back();
    ASSERT_EQ(fast.rate, 300);
    EXPECT_TRUE(text.startsWith(QStringLiteral("t = 1 s, T = %1 °C; Kurve 300 K/s: Ferrit ")
                                    .arg(std::lround(temperaturBei(l, temperaturY(l, t0 - 300))))))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral(", Martensit %1 %, %2 HV")
                                  .arg(std::lround(100 * fast.shares.martensite))
                                  .arg(std::lround(fast.hardness))))
        << text.toStdString();
    // The isothermal read-out names the starts at the pointer's temperature and says where martensite forms.
    const QString below = ablesungIsotherm(l, zeitX(l, 10), temperaturY(l, 200), r);
    EXPECT_TRUE(below.endsWith(QStringLiteral("unter Ms, beim Abschrecken Martensit"))) << below.toStdString();
    const QString at600 = ablesungIsotherm(l, zeitX(l, 10), temperaturY(l, 600), r);
    EXPECT_TRUE(at600.contains(QStringLiteral("; Beginn bei 600 °C: Ferrit "))) << at600.toStdString();
}
