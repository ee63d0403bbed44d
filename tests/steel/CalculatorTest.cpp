// The full recomputation gives the window everything at once, with a note per model.
#include "steel/Calculator.h"

#include "Steels.h"
#include "steel/NamedSteels.h"

using namespace wb::steel;
using wbtest::steelOf;

TEST(SteelCalculator, OneCallGivesEveryDiagram)
{
    const CalculatorReport r = recompute(steelOf(findNamedSteel("42CrMo4")->composition));
    EXPECT_EQ(r.ttt.size(), 300u);
    EXPECT_EQ(r.cooling.size(), 12u);
    EXPECT_EQ(r.jominy.value.size(), kJominyDistances.size());
    EXPECT_EQ(r.tempering.size(), 61u); // 100 … 700 °C in steps of 10
    EXPECT_EQ(r.notes.size(), kModels.size());
    EXPECT_NEAR(r.hardeningTemperature, r.temperatures.ac3.value + 50, 1e-9);
    // Each curve starts from the hardening temperature, so its rate at 700 °C is the nominal one.
    for (const CoolingOutcome& c : r.cooling)
        EXPECT_NEAR(c.shares.coolingRate700, c.rate, 1e-9 * c.rate);
    // The fastest curve gives the hardest result, the slowest the softest.
    EXPECT_GT(r.cooling.back().hardness, r.cooling.front().hardness + 300);
    // 42CrMo4 lies inside every model's range.
    for (const ModelNote& note : r.notes)
        EXPECT_TRUE(note.outside.empty()) << modelName(note.model);
}

TEST(SteelCalculator, NotesNameEveryModelThatIsLeft)
{
    const CalculatorReport r = recompute(steelOf(findNamedSteel("100Cr6")->composition));
    // Carbon at 0.99 % leaves every model's range first; A255's also by Mn 0.35 < 0.50 and Cr 1.475 > 1.35.
    // Grange's alloy limits hold, his Ae3 line ends at the eutectoid (flagged with the temperature itself).
    for (const ModelNote& note : r.notes) {
        SCOPED_TRACE(modelName(note.model));
        if (note.model == Model::Grange) {
            EXPECT_TRUE(note.outside.empty());
            continue;
        }
        ASSERT_EQ(note.outside.size(), note.model == Model::Grossmann ? 3u : 1u);
        EXPECT_EQ(note.outside.front().element, Element::C);
    }
    ASSERT_FALSE(r.temperatures.ae3.inRange());
    EXPECT_EQ(r.temperatures.ae3.outside->element, Element::C);
    EXPECT_FALSE(r.idealDiameter.inRange());
    EXPECT_FALSE(r.temperatures.ms.inRange());
}
