// Nonsense is refused with the element at fault; a composition outside a model's range is flagged
// with the element that leaves it.
#include "steel/Composition.h"

#include "Steels.h"
#include "steel/NamedSteels.h"

#include <cmath>

using namespace wb::steel;

TEST(SteelComposition, NonsenseIsRefusedWithTheElementAtFault)
{
    struct Case {
        Composition composition;
        RefusalReason reason;
        Element element;
        const char* message; // a piece of the German sentence
    };
    const Case cases[] = {
        { { .C = NAN }, RefusalReason::NotFinite, Element::C, "C ist keine endliche Zahl" },
        { { .C = 0.4, .Cr = INFINITY }, RefusalReason::NotFinite, Element::Cr, "Cr ist keine endliche Zahl" },
        { { .C = 0.4, .Mn = -0.1 }, RefusalReason::Negative, Element::Mn, "Mn = -0.1 % ist negativ" },
        { { .C = 60, .Ni = 45 }, RefusalReason::SumOver100, Element::C, "ergeben zusammen 105 %" },
        { { .C = 0.4, .grainSize = NAN }, RefusalReason::NotFinite, Element::GrainSize, "Korngröße" },
        { { .C = 0.4, .grainSize = 20 }, RefusalReason::GrainSizeOffScale, Element::GrainSize, "ASTM-Skala" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const auto result = Steel::from(c.composition);
        ASSERT_TRUE(std::holds_alternative<Refusal>(result));
        const Refusal& refusal = std::get<Refusal>(result);
        EXPECT_EQ(refusal.reason, c.reason);
        EXPECT_EQ(refusal.element, c.element);
        EXPECT_NE(refusalMessage(refusal).find(c.message), std::string::npos) << refusalMessage(refusal);
    }
}

TEST(SteelComposition, PureIronAndAHundredPercentAreSteelsStill)
{
    // The edges of sense: nothing alloyed, and the alloying elements at exactly 100 %.
    EXPECT_TRUE(std::holds_alternative<Steel>(Steel::from({})));
    EXPECT_TRUE(std::holds_alternative<Steel>(Steel::from({ .C = 50, .Ni = 50 })));
    EXPECT_TRUE(std::holds_alternative<Steel>(Steel::from({ .C = 0.4, .grainSize = -1 })));
}

TEST(SteelComposition, TheFirstElementLeavingARangeIsNamedWithItsLimits)
{
    struct Case {
        Composition composition;
        Model model;
        Element element;
        double min, max;
    };
    const Case cases[] = {
        { { .C = 0.6, .Mn = 0.7 }, Model::Li, Element::C, 0.1, 0.5 },
        { { .C = 0.4, .Mn = 1.5, .Cr = 2.0, .Ni = 1.0, .Mo = 0.8 }, Model::Li, Element::MnNiCrMo, 0, 5 },
        { { .C = 0.4, .Si = 0.25, .Mn = 0.8, .Cr = 1.4 }, Model::Grossmann, Element::Cr, 0, 1.35 },
        { { .C = 0.4, .Si = 0.25, .Mn = 0.8, .grainSize = 5 }, Model::Grossmann, Element::GrainSize, 7, 7 },
        { { .C = 0.05, .Mn = 0.5 }, Model::StevenHaynes, Element::C, 0.1, 0.55 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(modelName(c.model));
        const auto outside = firstOutside(c.composition, validityRange(c.model));
        ASSERT_TRUE(outside.has_value());
        EXPECT_EQ(outside->element, c.element);
        EXPECT_DOUBLE_EQ(outside->value, c.composition[c.element]);
        EXPECT_DOUBLE_EQ(outside->min, c.min);
        EXPECT_DOUBLE_EQ(outside->max, c.max);
    }
    // Every offender, for the window's notes: 100Cr6 leaves Li's range by carbon only.
    const auto all = allOutside(findNamedSteel("100Cr6")->composition, validityRange(Model::Li));
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all.front().element, Element::C);
}

TEST(SteelComposition, TheMenuSteelsAreAcceptedAndNamed)
{
    const char* menu[] = { "C15", "C22", "C35", "C45", "C60", "16MnCr5", "20MnCr5", "25CrMo4", "34CrNiMo6", "41Cr4",
        "42CrMo4", "51CrV4", "100Cr6" };
    for (const char* name : menu) {
        SCOPED_TRACE(name);
        const NamedSteel* steel = findNamedSteel(name);
        ASSERT_NE(steel, nullptr);
        EXPECT_TRUE(std::holds_alternative<Steel>(Steel::from(steel->composition)));
    }
    EXPECT_EQ(findNamedSteel("C70"), nullptr);
    // The quenched and tempered 42CrMo4 lies inside Li's and A255's ranges, the bearing steel outside both.
    EXPECT_FALSE(firstOutside(findNamedSteel("42CrMo4")->composition, validityRange(Model::Li)));
    EXPECT_FALSE(firstOutside(findNamedSteel("42CrMo4")->composition, validityRange(Model::Grossmann)));
    EXPECT_TRUE(firstOutside(findNamedSteel("100Cr6")->composition, validityRange(Model::Grossmann)));
}
