// The heating rate the student types, read under a German and an English locale: the same text
// gives the same number on every machine, and only a text that is wholly one number is a rate.
#include "timetemp/HeatingRate.h"

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>
#include <locale>
#include <optional>
#include <string>

using namespace wb;

namespace {

// A C++ locale whose numbers are written the German way, or the English way: it needs no
// locale installed on the machine.
class Punctuation : public std::numpunct<char> {
public:
    Punctuation(char decimal, char group)
        : m_decimal(decimal)
        , m_group(group)
    {
    }

protected:
    char do_decimal_point() const override { return m_decimal; }
    char do_thousands_sep() const override { return m_group; }
    std::string do_grouping() const override { return "\3"; }

private:
    char m_decimal;
    char m_group;
};

struct Machine {
    const char* name;
    QLocale::Language language;
    QLocale::Territory territory;
    char decimal;
    char group;
};

const Machine kMachines[] = {
    { "German", QLocale::German, QLocale::Germany, ',', '.' },
    { "English", QLocale::English, QLocale::UnitedStates, '.', ',' },
};

class HeatingRateReading : public ::testing::TestWithParam<Machine> {
protected:
    void SetUp() override
    {
        const Machine& m = GetParam();
        m_qtBefore = QLocale();
        m_cppBefore = std::locale::global(std::locale(std::locale::classic(), new Punctuation(m.decimal, m.group)));
        QLocale::setDefault(QLocale(m.language, m.territory));
    }
    void TearDown() override
    {
        QLocale::setDefault(m_qtBefore);
        std::locale::global(m_cppBefore);
    }

private:
    QLocale m_qtBefore;
    std::locale m_cppBefore;
};

// What a typed text gives: no number (the error box), or a number and whether it is drawn.
struct Case {
    const char* typed;
    std::optional<double> number;
    bool drawn;
};

constexpr std::optional<double> kNoNumber;

// clang-format off
const Case kCases[] = {
    { "2",       2,        true },   // the smallest whole rate drawn
    { "2.5",     2.5,      true },   // as the lesson's own texts write rates
    { "2,5",     2.5,      true },   // as a German keyboard writes them
    { " 7",      7,        true },   // blanks around the number do not count
    { "999 ",    999,      true },   // the largest whole rate drawn
    { "1,5",     1.5,      false },  // a number, but not more than 1.5
    { "1000",    1000,     false },  // a number, but not less than 1000
    { "1e3",     1000,     false },  // an exponent is a number too: 1000, refused
    { "-5",      -5,       false },
    { "1.000",   1,        false },  // one separator is always a decimal one
    { "1e400",   HUGE_VAL, false },  // written as a number, beyond a double: refused, no error
    { "1e-400",  0,        false },  // … and too small for one
    { "1.000,5", kNoNumber, false }, // a group separator makes two separators
    { "1 000",   kNoNumber, false },
    { "2,5.0",   kNoNumber, false },
    { "abc",     kNoNumber, false },
    { "2abc",    kNoNumber, false },  // a number followed by letters is not wholly one number
    { "nan",     kNoNumber, false },
    { "inf",     kNoNumber, false },
    { "",        kNoNumber, false },
    { "   ",     kNoNumber, false },
    { "1e",      kNoNumber, false },
    { ",",       kNoNumber, false },
    { "0x10",    kNoNumber, false },
};
// clang-format on

} // namespace

TEST_P(HeatingRateReading, EachTextGivesItsNumberOrNoneWhateverTheLocale)
{
    // The machine's locale really is in force: Qt's own reading of "2,5" depends on it.
    const bool german = GetParam().decimal == ',';
    bool ok = false;
    QLocale().toDouble(QStringLiteral("2,5"), &ok);
    ASSERT_EQ(ok, german);
    ASSERT_EQ(std::use_facet<std::numpunct<char>>(std::locale()).decimal_point(), GetParam().decimal);

    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string("\"") + c.typed + "\"");
        const std::optional<double> n = heatingrate::readNumber(QString::fromUtf8(c.typed));
        ASSERT_EQ(n.has_value(), c.number.has_value());
        if (!n)
            continue;
        EXPECT_EQ(*n, *c.number);
        EXPECT_EQ(heatingrate::accepted(*n), c.drawn);
    }
}

TEST_P(HeatingRateReading, TheErrorBoxNamesTheTextAsTyped)
{
    EXPECT_EQ(heatingrate::notANumber(QStringLiteral("1.000,5")),
        QStringLiteral("'1.000,5' ist kein gültiger Gleitkommawert"));
    EXPECT_EQ(heatingrate::notANumber(QString()), QStringLiteral("'' ist kein gültiger Gleitkommawert"));
}

INSTANTIATE_TEST_SUITE_P(Locales, HeatingRateReading, ::testing::ValuesIn(kMachines),
    [](const ::testing::TestParamInfo<Machine>& info) { return std::string(info.param.name); });

TEST(HeatingRate, TheLimitsAreOpen)
{
    // Drawn are the rates more than 1.5 and less than 1000 °C/min.
    EXPECT_FALSE(heatingrate::accepted(1.5));
    EXPECT_TRUE(heatingrate::accepted(1.5000001));
    EXPECT_TRUE(heatingrate::accepted(999.999));
    EXPECT_FALSE(heatingrate::accepted(1000));
}
