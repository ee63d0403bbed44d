// The explorer's texts without a window: numbers shown and read in the program's format, whole
// percentages that add up to 100, the read-out lines at points worked out by hand, the messages.
#include "phase/ErkundenZuText.h"

#include "model/PhaseCooling.h"

#include <gtest/gtest.h>
#include <numeric>

using namespace wb;
using namespace wb::erkundenzu;

TEST(ErkundenZuText, NumbersAreShownWithACommaAndNoTrailingZeros)
{
    struct Case {
        double v;
        int decimals;
        const char* shown;
    };
    const Case cases[] = {
        { 40, 1, "40" },
        { 39.13, 1, "39,1" },
        { 39.96, 1, "40" },
        { 0.04, 1, "0" },
        { -0.04, 1, "0" },
        { 1300.4, 0, "1300" },
        { 147.5, 0, "148" },
        { 100, 1, "100" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(zahl(c.v, c.decimals), QString::fromUtf8(c.shown)) << c.v;
}

TEST(ErkundenZuText, TypedNumbersTakeAPointOrACommaAndNothingElse)
{
    struct Case {
        const char* typed;
        std::optional<double> read;
    };
    const Case cases[] = {
        { "40", 40.0 },
        { " 39,5 ", 39.5 },
        { "39.5", 39.5 },
        { "-3", -3.0 },
        { "+7", 7.0 },
        { ",5", 0.5 },
        { "12.", 12.0 },
        { "", std::nullopt },
        { "abc", std::nullopt },
        { "1.000,5", std::nullopt },
        { "1e3", std::nullopt },
        { "4 0", std::nullopt },
        { "-", std::nullopt },
        { ",", std::nullopt },
        { "nan", std::nullopt },
        { "ä", std::nullopt },
    };
    for (const Case& c : cases)
        EXPECT_EQ(liesZahl(QString::fromUtf8(c.typed)), c.read) << c.typed;
}

// Rounded down first, the missing points go to the largest remainders: 44.85 % and 55.15 % are
// 45 and 55; three thirds 34, 33, 33.
TEST(ErkundenZuText, WholePercentagesAddUpTo100)
{
    struct Case {
        std::vector<double> shares;
        std::vector<int> percent;
    };
    const Case cases[] = {
        { { 0.5515, 0.4485 }, { 55, 45 } },
        { { 1.0 / 3, 1.0 / 3, 1.0 / 3 }, { 34, 33, 33 } },
        { { 0.996, 0.004 }, { 100, 0 } },
        { { 0.5, 0.25, 0.25 }, { 50, 25, 25 } },
        { { 0.6364, 0, 0.3636 }, { 64, 0, 36 } },
    };
    for (const Case& c : cases) {
        const std::vector<int> p = ganzeProzente(c.shares);
        EXPECT_EQ(p, c.percent);
        EXPECT_EQ(std::accumulate(p.begin(), p.end(), 0), 100);
    }
    EXPECT_EQ(prozent(0, 0.004), QStringLiteral("< 1 %"));
    EXPECT_EQ(prozent(0, 0), QStringLiteral("0 %"));
    EXPECT_EQ(prozent(45, 0.4485), QStringLiteral("45 %"));
}

// Type 1 at 40 % B and 1300 °C: the solidus gives 139.13 - sqrt((1300 - 1040) / 0.02116) = 28.28 %
// B, the liquidus -39.35 + sqrt((1300 - 1486) / -0.02116) = 54.41 % B; the melt's share is
// (40 - 28.28) / (54.41 - 28.28) = 44.85 %.
TEST(ErkundenZuText, ThePhasesReadOutAsTheLessonsNameThem)
{
    const model::PhaseDiagram& d1 = model::phaseDiagram(1);
    EXPECT_EQ(phasenZeilen(model::phasesAt(d1, 40, 1300), 1300),
        (QStringList {
            QStringLiteral("Alpha-Mischkristall 55 % (B = 28,3 %)"), QStringLiteral("Schmelze 45 % (B = 54,4 %)") }));
    EXPECT_EQ(phasenZeilen(model::phasesAt(d1, 40, 1000), 1000),
        QStringList { QStringLiteral("Alpha-Mischkristall 100 % (B = 40 %)") });

    // Type 4 arriving on the peritectic line at 40 % B: (75 - 40) / 55 alpha, no beta yet, the rest
    // melt; the reaction named first.
    const model::PhaseDiagram& d4 = model::phaseDiagram(4);
    EXPECT_EQ(phasenZeilen(model::phasesAt(d4, 40, 880), 880),
        (QStringList { QStringLiteral("Peritektische Reaktion bei 880 °C:"),
            QStringLiteral("Schmelze + Alpha-MK → Beta-MK"), QStringLiteral("Alpha-Mischkristall 64 % (B = 20 %)"),
            QStringLiteral("Beta-Mischkristall 0 % (B = 60 %)"), QStringLiteral("Schmelze 36 % (B = 75 %)") }));

    // Type 2 on the eutectic line, half through the reaction at 30 % B: of the 50 % melt half has
    // become eutectic, 0.4 of it A, 0.6 of it B.
    const model::PhaseDiagram& d2 = model::phaseDiagram(2);
    EXPECT_EQ(phasenZeilen(model::phasesAt(d2, 30, 148, 0.5), 148),
        (QStringList { QStringLiteral("Eutektische Reaktion bei 148 °C:"), QStringLiteral("Schmelze → A + B"),
            QStringLiteral("A 60 % (B = 0 %)"), QStringLiteral("Schmelze 25 % (B = 60 %)"),
            QStringLiteral("B 15 % (B = 100 %)") }));

    // Pure A at its melting point, a third solidified.
    EXPECT_EQ(phasenZeilen(model::phasesAt(d2, 0, d2.meltingA, 1.0 / 3), d2.meltingA),
        (QStringList { QStringLiteral("Reines A erstarrt bei 311 °C:"), QStringLiteral("A 33 % (B = 0 %)"),
            QStringLiteral("Schmelze 67 % (B = 0 %)") }));
}

// The constituents of type 2 at 30 % B below the eutectic: (60 - 30) / 60 primary A, the rest
// eutectic of (100 - 60) / 100 A and 60 / 100 B. Type 4 at 70 % B when the reaction has run:
// (75 - 70) / 15 peritectic beta, the rest melt.
TEST(ErkundenZuText, TheConstituentsReadOutWithTheirShares)
{
    EXPECT_EQ(gefuegeZeilen(model::constituentsAt(model::phaseDiagram(2), 30, 147)),
        (QStringList { QStringLiteral("Primäre A-Kristalle 50 %"), QStringLiteral("Eutektikum 50 %"),
            QStringLiteral("   davon A 40 %, B 60 %") }));
    EXPECT_EQ(gefuegeZeilen(model::constituentsAt(model::phaseDiagram(4), 70, 880, 1)),
        (QStringList { QStringLiteral("Peritektische Beta-Mischkristalle 33 %"), QStringLiteral("Schmelze 67 %") }));
    EXPECT_EQ(gefuegeZeilen(model::constituentsAt(model::phaseDiagram(1), 40, 1000)),
        QStringList { QStringLiteral("Homogene Alpha-Mischkristalle 100 %") });
    // Pure B crystals are no solid solution.
    EXPECT_EQ(gefuegeZeilen(model::constituentsAt(model::phaseDiagram(2), 100, 100)),
        QStringList { QStringLiteral("B-Kristalle 100 %") });
    // What precipitated from the primary alpha of type 3 at 40 % B shows, however little.
    const QStringList typ3 = gefuegeZeilen(model::constituentsAt(model::phaseDiagram(3), 40, 147));
    ASSERT_EQ(typ3.size(), 4);
    EXPECT_EQ(typ3[0], QStringLiteral("Primäre Alpha-Mischkristalle 50 %"));
    EXPECT_EQ(typ3[1], QStringLiteral("Beta-Segregat < 1 %"));
    EXPECT_EQ(typ3[2], QStringLiteral("Eutektikum 50 %"));
}

TEST(ErkundenZuText, MessagesNameTheRange)
{
    EXPECT_EQ(konzentrationFalsch(QStringLiteral("120")),
        QStringLiteral("Die Konzentration muss zwischen 0 und 100 % B liegen."));
    EXPECT_EQ(konzentrationFalsch(QStringLiteral("abc")),
        QStringLiteral("„abc“ ist keine Zahl. Die Konzentration muss zwischen 0 und 100 % B liegen."));
    EXPECT_EQ(konzentrationFalsch(QString()),
        QStringLiteral("Bitte eine Zahl eingeben. Die Konzentration muss zwischen 0 und 100 % B liegen."));
    EXPECT_EQ(temperaturFalsch(QStringLiteral("2000"), model::phaseDiagram(1)),
        QStringLiteral("Die Temperatur muss zwischen 800 und 1500 °C liegen."));
    EXPECT_EQ(temperaturFalsch(QStringLiteral("1,2,3"), model::phaseDiagram(2)),
        QStringLiteral("„1,2,3“ ist keine Zahl. Die Temperatur muss zwischen 0 und 350 °C liegen."));
}
