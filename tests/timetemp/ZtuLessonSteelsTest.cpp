// The ZTU lessons draw and tell what the model of their steels holds: the rates' structures and
// hardness in the tables, the equilibrium and isothermal results in the run labels, the cooling
// lines as the lessons' curve factors had them, the isotherms on their pixel rows.
#include "tests/support/Harness.h"
#include "timetemp/UnitZTUconC045.h"
#include "timetemp/UnitZTUconC07.h"
#include "timetemp/UnitZTUisoC045.h"
#include "timetemp/UnitZTUisoC07.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <cmath>
#include <vector>

using namespace wb;
using namespace wb::ztaztu;

namespace {

struct ConLesson {
    const char* name;
    const ztucon::Lesson& lesson;
    const model::LessonSteel& steel;
    // The curve factors the lesson's runs were drawn with (pixels at 1 s), slowest first, and the
    // equilibrium run's: the record the model's drawn rates must give again.
    double factors[ztucon::kRates];
    double equilibriumFactor;
};

const ConLesson kCon[] = {
    { "0.45 % C", ztucon045::lesson(), model::c45(), { 0.0152, 0.38, 9.12, 38, 258.4 }, 0.000361 },
    { "0.70 % C", ztucon07::lesson(), model::c70(), { 0.0152, 3.04, 26.6, 38, 228 }, 0.000361 },
};

// The last five entries of a table row, fastest rate first as the table has them; "-" is 0.
std::vector<double> columns(const char* row)
{
    const QStringList words = QString::fromUtf8(row).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::vector<double> values;
    for (qsizetype i = words.size() - ztucon::kRates; i < words.size(); ++i)
        values.push_back(words[i] == QStringLiteral("-") ? 0 : words[i].toDouble());
    return values;
}

// Every tick of a cooling run until it ends: what it draws and where it stops.
struct Tick {
    std::vector<TPoint> lines;
    Box marker;
    bool ended;
    bool operator==(const Tick&) const = default;
};
std::vector<Tick> play(const CoolingRun& run)
{
    std::vector<Tick> ticks;
    int x = 0;
    float y = 0;
    for (bool ended = false; !ended && ticks.size() < 1000;) {
        const RunTick t = coolingTick(run, x, y, 274);
        ended = t.ended;
        ticks.push_back({ { t.lines, t.lines + t.lineCount }, t.marker ? t.markerBox : Box {}, ended });
    }
    return ticks;
}

// "+ 70% Bainit " and the like: the percent before a structure's name in a run's labels, 100 when
// the name stands alone.
int percentIn(std::span<const RunLabel> labels, const char* structure)
{
    for (const RunLabel& label : labels) {
        const QString text = QString::fromUtf8(label.text);
        if (!text.contains(QString::fromUtf8(structure)))
            continue;
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("(\\d+) ?%")).match(text);
        return m.hasMatch() ? m.captured(1).toInt() : 100;
    }
    return 0;
}

} // namespace

TEST(ZtuLessonSteels, TheTableOfEachContinuousLessonIsItsSteelsStructureAndHardness)
{
    for (const ConLesson& c : kCon) {
        SCOPED_TRACE(c.name);
        const std::span<const char* const> table = c.lesson.table;
        ASSERT_GE(table.size(), 6u);
        const std::vector<double> rate = columns(table[0]), ferrite = columns(table[1]), pearlite = columns(table[2]),
                                  bainite = columns(table[3]), martensite = columns(table[4]), hv = columns(table[5]);
        for (int i = 0; i < ztucon::kRates; ++i) {
            // The table runs from the fastest rate, the model from the slowest.
            const model::Cooling& m = c.steel.coolings[size_t(ztucon::kRates - 1 - i)];
            SCOPED_TRACE(m.rate);
            EXPECT_EQ(rate[size_t(i)], m.rate);
            const model::CoolingResult r = model::afterCooling(c.steel, rate[size_t(i)]);
            EXPECT_EQ(ferrite[size_t(i)], r.shares.ferrite);
            EXPECT_EQ(pearlite[size_t(i)], r.shares.pearlite);
            EXPECT_EQ(bainite[size_t(i)], r.shares.bainite);
            EXPECT_EQ(martensite[size_t(i)], r.shares.martensite);
            EXPECT_EQ(hv[size_t(i)], r.hardnessHV);
        }
    }
}

TEST(ZtuLessonSteels, TheEquilibriumRunWritesItsSteelsLeverRuleShares)
{
    for (const ConLesson& c : kCon) {
        SCOPED_TRACE(c.name);
        const auto& labels = c.lesson.equilibrium->endLabels;
        ASSERT_EQ(labels.size(), 2u);
        // " 55 % Perlit " and " 45 % Ferrit ".
        EXPECT_EQ(QString::fromUtf8(labels[0].text),
            QStringLiteral(" %1 % Perlit ").arg(c.steel.equilibrium.shares.pearlite));
        EXPECT_EQ(
            QString::fromUtf8(labels[1].text), QStringLiteral(" %1 % Ferrit ").arg(c.steel.equilibrium.shares.ferrite));
    }
}

TEST(ZtuLessonSteels, TheDrawnRatesGiveTheCurveFactorsAndEveryTickOfTheRuns)
{
    for (const ConLesson& c : kCon) {
        SCOPED_TRACE(c.name);
        for (int i = 0; i < ztucon::kRates; ++i) {
            SCOPED_TRACE(i);
            const CoolingRun& run = c.lesson.runs[size_t(i)];
            EXPECT_NEAR(run.K, c.factors[i], c.factors[i] * 1e-14);
            CoolingRun recorded = run;
            recorded.K = c.factors[i];
            EXPECT_TRUE(play(run) == play(recorded)) << "the same lines, dots and end";
        }
        EXPECT_NEAR(c.lesson.equilibrium->K, c.equilibriumFactor, c.equilibriumFactor * 1e-14);
        // The runs start at the overlay's top edge: 430 − 0.34 · 805.9 = 155.99 on PaintBoxHaupt,
        // 161 on the form.
        const DiagramLayout l = computeLayout(*c.lesson.layout, 750, 500);
        const QRect overlay = overlayBounds(l, QRect(5, 5, 750, 500), ztucon::overlayRule());
        EXPECT_EQ(temperatureY(l, c.steel.austenitising) + 5, overlay.top());
    }
}

TEST(ZtuLessonSteels, EachIsothermLiesOnItsHoldsRowAndEndsInItsStructure)
{
    struct IsoCase {
        const char* name;
        const ztuiso::IsoLesson& lesson;
        const model::LessonSteel& steel;
    };
    const IsoCase cases[] = {
        { "0.45 % C", ztuiso045::lesson(), model::c45() },
        { "0.70 % C", ztuiso07::lesson(), model::c70() },
    };
    // The rows the isotherms were drawn on, 20, 330, 530 and 670 °C: 277 − 0.34 · T for the
    // drawn 20, 332, 526 and 668 °C is 270.2, 164.1, 98.2 and 49.9.
    const int rows[] = { 270, 164, 98, 50 };
    for (const IsoCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(c.lesson.runs.size(), c.steel.holds.size());
        for (size_t i = 0; i < c.steel.holds.size(); ++i) {
            const model::IsothermalHold& hold = c.steel.holds[i];
            const ztuiso::IsothermRun& run = c.lesson.runs[i];
            SCOPED_TRACE(hold.celsius);
            EXPECT_EQ(run.isothermY, rows[i]);
            EXPECT_EQ(percentIn(run.labels, "Ferrit"), hold.shares.ferrite);
            EXPECT_EQ(percentIn(run.labels, "Perlit"), hold.shares.pearlite);
            EXPECT_EQ(percentIn(run.labels, "Bainit"), hold.shares.bainite);
            EXPECT_EQ(percentIn(run.labels, "Martensit"), hold.shares.martensite);
        }
    }
}
