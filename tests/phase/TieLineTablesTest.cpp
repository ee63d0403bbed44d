// The lessons' tie lines and lever-rule shares against the model. The lessons drew their tie
// lines by hand, row by row: they lie in the right field and their ends stay within a few pixels
// of the boundaries the model draws; the lessons keep their own pixels. The shares they show
// follow from those hand-made ends and stay within a few points of the model's lever rule.
#include "model/PhaseTypes.h"
#include "phase/PhaseField.h"
#include "phase/TypeDiagram.h"
#include "phase/UnitZutyp1.h"
#include "phase/UnitZutyp2.h"
#include "phase/UnitZutyp3.h"
#include "phase/UnitZutyp4.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

using namespace wb;

namespace {

struct Tabelle {
    int type;
    std::vector<typediagram::KonodenTabelle> (*tabellen)();
    int index;
    const char* phases; // the model's field the rows lie in
    int abweichung; // how far, in pixels, an end lies from the model's at most
};
// clang-format off
const Tabelle kTabellen[] = {
    // Type 1's tie lines end 1 to 3 pixels inside the lens on the solid side and up to 4 on the melt
    // side (one a pixel outside), short of the curves traced 3 pixels wide over them.
    { 1, zutyp1::konodenTabellen, 0, "alpha + melt", 4 },
    { 2, zutyp2::konodenTabellen, 0, "A + melt", 3 },
    { 2, zutyp2::konodenTabellen, 1, "melt + B", 2 },
    { 3, zutyp3::konodenTabellen, 0, "alpha + melt", 3 },
    { 3, zutyp3::konodenTabellen, 1, "alpha + melt", 3 },
    { 3, zutyp3::konodenTabellen, 2, "alpha + beta", 2 },
    { 3, zutyp3::konodenTabellen, 3, "melt + beta", 2 },
    { 4, zutyp4::konodenTabellen, 0, "alpha + melt", 1 },
    { 4, zutyp4::konodenTabellen, 1, "alpha + beta", 2 },
    { 4, zutyp4::konodenTabellen, 2, "beta + melt", 1 },
};
// clang-format on

class TieLineTables : public ::testing::TestWithParam<Tabelle> { };

std::string nameOf(const ::testing::TestParamInfo<Tabelle>& info)
{
    return "Typ" + std::to_string(info.param.type) + "_" + std::to_string(info.param.index);
}

std::string phasesOf(const model::FieldAt& f)
{
    const std::string left = model::phaseName(f.phases.left);
    return f.phases.two() ? left + " + " + model::phaseName(f.phases.right) : left;
}

} // namespace

TEST_P(TieLineTables, LieInTheirFieldWithinAFewPixelsOfTheModel)
{
    const Tabelle& t = GetParam();
    const model::PhaseDiagram& d = model::phaseDiagram(t.type);
    const phasefield::Projection p = phasefield::projectionOf(d);
    const typediagram::KonodenTabelle tabelle = t.tabellen()[size_t(t.index)];
    SCOPED_TRACE(tabelle.name);
    int groesste = 0;
    for (const typediagram::Konode& k : tabelle.konoden) {
        const int links = std::min(k.xs, k.xl), rechts = std::max(k.xs, k.xl);
        const double temperatur = p.temperature(k.y);
        const model::FieldAt f = model::fieldAt(d, p.composition((links + rechts) / 2.0), temperatur);
        EXPECT_EQ(phasesOf(f), t.phases) << "row " << k.y;
        groesste = std::max({ groesste, std::abs(links - p.pixelX(f.wLeft)), std::abs(rechts - p.pixelX(f.wRight)) });
    }
    EXPECT_EQ(groesste, t.abweichung) << "the largest difference of an end";
}

INSTANTIATE_TEST_SUITE_P(Phase, TieLineTables, ::testing::ValuesIn(kTabellen), nameOf);

TEST(TieLineTables, TheSharesTheLessonsShowStayNearTheModelsLeverRule)
{
    struct Reihe {
        int type;
        std::vector<typediagram::KonodenTabelle> (*tabellen)();
        int index;
        int legierungX; // the alloy's line
        bool kristalleLinks; // the crystals at the left end
        int abweichung; // the largest difference in whole percentage points
    };
    // Type 1's alloy at x = 198 (38.7 % B), type 2's at 204 (40 %) and 388 (80 %). The shares
    // are the lessons' own: ((melt end - alloy) * 100) div (melt end - crystal end).
    const Reihe reihen[] = {
        { 1, zutyp1::konodenTabellen, 0, 198, true, 3 },
        { 2, zutyp2::konodenTabellen, 0, 204, true, 2 },
        { 2, zutyp2::konodenTabellen, 1, 388, false, 3 },
    };
    for (const Reihe& r : reihen) {
        const model::PhaseDiagram& d = model::phaseDiagram(r.type);
        const phasefield::Projection p = phasefield::projectionOf(d);
        const typediagram::KonodenTabelle tabelle = r.tabellen()[size_t(r.index)];
        int groesste = 0;
        for (const typediagram::Konode& k : tabelle.konoden) {
            const int lektion = typediagram::kristallAnteil(k.xs, k.xl, r.legierungX);
            const std::optional<model::TieLine> tl = model::tieLine(d, p.composition(r.legierungX), p.temperature(k.y));
            ASSERT_TRUE(tl.has_value()) << tabelle.name << ", row " << k.y;
            const double modell = 100 * (r.kristalleLinks ? tl->shareLeft : tl->shareRight);
            groesste = std::max(groesste, int(std::ceil(std::abs(lektion - modell))));
        }
        EXPECT_EQ(groesste, r.abweichung) << tabelle.name;
    }
}
