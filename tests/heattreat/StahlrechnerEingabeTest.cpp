// What the steel calculator reads and writes as text: typed numbers with a point or a comma, the
// entries it waits for, refuses or takes, German numbers, the notes naming every range left, and
// lines broken to the memo's width.
#include "heattreat/StahlrechnerEingabe.h"

#include "steel/NamedSteels.h"

#include <gtest/gtest.h>

using namespace wb;
using namespace wb::stahlrechner;

namespace {

const Eingabefeld& feld(steel::Element element)
{
    for (const Eingabefeld& f : kEingaben)
        if (f.element == element)
            return f;
    ADD_FAILURE() << "no field";
    return kEingaben.front();
}

steel::CalculatorReport reportFor(const char* name)
{
    return steel::recompute(std::get<steel::Steel>(steel::Steel::from(steel::findNamedSteel(name)->composition)));
}

} // namespace

TEST(StahlrechnerEingabe, NumbersWithPointOrCommaAndNothingElse)
{
    struct Case {
        const char* text;
        std::optional<double> value;
    };
    const Case cases[] = {
        { "0,46", 0.46 },
        { "0.46", 0.46 },
        { " 1,5 ", 1.5 },
        { "7", 7.0 },
        { "-1", -1.0 },
        { ",5", 0.5 },
        { "2,", 2.0 },
        { "", std::nullopt },
        { "abc", std::nullopt },
        { "1,2,3", std::nullopt },
        { "1.000,5", std::nullopt },
        { "nan", std::nullopt },
        { "inf", std::nullopt },
        { "1e3", std::nullopt },
        { "0,4 %", std::nullopt },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<double> value = leseZahl(QString::fromUtf8(c.text));
        ASSERT_EQ(value.has_value(), c.value.has_value());
        if (value)
            EXPECT_DOUBLE_EQ(*value, *c.value);
    }
}

TEST(StahlrechnerEingabe, AnEntryIsTakenWaitedForOrRefusedWithItsRange)
{
    struct Case {
        steel::Element element;
        const char* text;
        Lesart art;
        const char* meldungTeil; // a piece of the message box's text ("" when there is none)
    };
    const Case cases[] = {
        { steel::Element::C, "0,42", Lesart::Zahl, "" },
        { steel::Element::C, "2,06", Lesart::Zahl, "" }, // the steel limit itself
        { steel::Element::C, "", Lesart::Unvollstaendig, "" },
        { steel::Element::C, "-", Lesart::Unvollstaendig, "" },
        { steel::Element::C, ",", Lesart::Unvollstaendig, "" },
        { steel::Element::C, "2,1", Lesart::AusserhalbBereich, "Zulässig sind Werte von 0 % bis 2,06 %." },
        { steel::Element::Mn, "-0,1", Lesart::AusserhalbBereich, "Mn = -0,1 liegt außerhalb des Eingabebereichs" },
        { steel::Element::Cr, "abc", Lesart::KeineZahl, "„abc“ ist keine Zahl (Eingabe für Cr)" },
        { steel::Element::GrainSize, "-1", Lesart::Zahl, "" }, // ASTM 00
        { steel::Element::GrainSize, "15", Lesart::AusserhalbBereich, "Zulässig sind Werte von -1 bis 14." },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const Gelesen g = lies(feld(c.element), QString::fromUtf8(c.text));
        EXPECT_EQ(g.art, c.art);
        if (*c.meldungTeil)
            EXPECT_TRUE(
                meldung(feld(c.element), QString::fromUtf8(c.text), g.art).contains(QString::fromUtf8(c.meldungTeil)))
                << meldung(feld(c.element), QString::fromUtf8(c.text), g.art).toStdString();
    }
}

TEST(StahlrechnerEingabe, GermanNumbers)
{
    EXPECT_EQ(zahl(721.865, 0), QStringLiteral("722"));
    EXPECT_EQ(zahl(-0.2, 0), QStringLiteral("0")); // never "-0"
    EXPECT_EQ(gehalt(0.46), QStringLiteral("0,46"));
    EXPECT_EQ(gehalt(0.225), QStringLiteral("0,225"));
    EXPECT_EQ(gehalt(1.0), QStringLiteral("1"));
    EXPECT_EQ(ausgabe({ 321.51, std::nullopt }), QStringLiteral("322"));
    EXPECT_EQ(ausgabe({ 49.95, steel::OutOfRange { steel::Element::C, 0.99, 0.1, 0.55 } }), QStringLiteral("50 *"));
    EXPECT_EQ(zeitText(0.36), QStringLiteral("0,4 s"));
    EXPECT_EQ(zeitText(12.3), QStringLiteral("12 s"));
    EXPECT_EQ(zeitText(1234), QStringLiteral("1200 s"));
    EXPECT_EQ(zeitText(36000), QStringLiteral("10 h"));
}

TEST(StahlrechnerEingabe, NotesNameEveryRangeLeftWithTheElement)
{
    // 42CrMo4 lies in every model's range; the notes say so and list the models with their ranges.
    const steel::Composition crmo = steel::findNamedSteel("42CrMo4")->composition;
    const QStringList inside = hinweise(crmo, reportFor("42CrMo4"));
    EXPECT_EQ(inside.front(), QStringLiteral("Die Zusammensetzung liegt im Gültigkeitsbereich aller Modelle."));
    EXPECT_TRUE(inside.contains(QStringLiteral("Li et al. (ZTU): %1").arg(bereichText(steel::Model::Li))));
    EXPECT_TRUE(inside.contains(QString::fromUtf8(steel::modelCaveat(steel::Model::HollomonJaffe))));

    // 100Cr6 leaves every model by its carbon, A255 also by Mn and Cr, and Grange's Ae3 ends at the
    // eutectoid: a line for each, with "außerhalb des Gültigkeitsbereichs" and the element's value.
    const steel::Composition bearing = steel::findNamedSteel("100Cr6")->composition;
    const QStringList outside = hinweise(bearing, reportFor("100Cr6"));
    const QStringList expected {
        QStringLiteral("* Andrews (Ac1, Ac3): außerhalb des Gültigkeitsbereichs, C = 0,99 % (gültig bis 0,6 %)"),
        QStringLiteral(
            "* Steven–Haynes (Ms, Bs): außerhalb des Gültigkeitsbereichs, C = 0,99 % (gültig 0,1 bis 0,55 %)"),
        QStringLiteral(
            "* Grossmann/ASTM A255 (DI, Stirnabschreckkurve): außerhalb des Gültigkeitsbereichs, Mn = 0,35 % "
            "(gültig 0,5 bis 1,65 %)"),
        QStringLiteral(
            "* Grossmann/ASTM A255 (DI, Stirnabschreckkurve): außerhalb des Gültigkeitsbereichs, Cr = 1,475 % "
            "(gültig bis 1,35 %)"),
    };
    for (const QString& line : expected)
        EXPECT_TRUE(outside.contains(line)) << line.toStdString();
    EXPECT_TRUE(std::any_of(outside.begin(), outside.end(), [](const QString& l) {
        return l.startsWith(QStringLiteral("* Grange (Ae3)")) && l.contains(QStringLiteral("Eutektoid"));
    }));
    // Every flagged line comes before the list of models.
    const qsizetype list
        = outside.indexOf(QStringLiteral("Verwendete Modelle und ihre Gültigkeitsbereiche (Masse-%):"));
    ASSERT_GT(list, 0);
    for (qsizetype i = 0; i < outside.size(); ++i)
        EXPECT_EQ(outside[i].startsWith(u'*'), i < list - 1) << outside[i].toStdString();
}

TEST(StahlrechnerEingabe, LinesBreakAtBlanksWithinTheWidth)
{
    // One "pixel" per character: lines of at most 10.
    const auto messen = [](const QString& s) { return int(s.size()); };
    EXPECT_EQ(
        umbrechen({ QStringLiteral("eins zwei drei vier"), QString(), QStringLiteral("Überlänge12345 x") }, messen, 10),
        (QStringList { QStringLiteral("eins zwei"), QStringLiteral("drei vier"), QString(),
            QStringLiteral("Überlänge12345"), QStringLiteral("x") }));
}
