// The lever rule of the model on the lessons' own drawing: in every two-phase field of types 1
// to 4, at every row of the field, the tie line's ends fall on the boundary the lesson draws
// there (or on the field's side for a pure component), and the phases' shares times their
// compositions add up to the alloy's composition.
#include "model/PhaseTypes.h"
#include "phase/PhaseField.h"
#include "phase/UnitZutyp1.h"
#include "phase/UnitZutyp2.h"
#include "phase/UnitZutyp3.h"
#include "phase/UnitZutyp4.h"
#include "tests/support/Harness.h"

#include <cmath>
#include <string>

using namespace wb;

namespace {

struct Typ {
    int type;
    void (*drawBoundaries)(TCanvas& c);
    // The rows that hold a two-phase field: from the first row below the liquidus at the pure
    // component that melts higher to the last row above the solidus at the other (type 1), or
    // down to the field's bottom.
    int firstRow;
    int lastRow;
    // A curve the lesson stops drawing before the field's bottom: its last point. Below it the
    // tie line's end is held against the curve's last pixels in its column.
    TPoint kurzesEnde = { 0, 0 };
};
// clang-format off
const Typ kTypen[] = {
    { 1, zutyp1::drawBoundaries, 44, 233 }, // liquidus at A in row 43.38, solidus at B in 233.8
    { 2, zutyp2::drawBoundaries, 59, 369 }, // liquidus at A in row 58.53
    { 3, zutyp3::drawBoundaries, 59, 369 },
    // Liquidus at A in row 48.03. Solvus B is drawn down to (320, 367) only, where the
    // lesson's own lines below the alpha + beta field end too; the field goes on to row 370.
    { 4, zutyp4::drawBoundaries, 49, 369, { 320, 367 } },
};
// clang-format on

class TieLinesOnTheDrawing : public ::testing::TestWithParam<Typ> { };

std::string nameOf(const ::testing::TestParamInfo<Typ>& info)
{
    return "Typ" + std::to_string(info.param.type);
}

} // namespace

TEST_P(TieLinesOnTheDrawing, EndOnTheDrawnBoundariesAndBalance)
{
    const model::PhaseDiagram& d = model::phaseDiagram(GetParam().type);
    const phasefield::Projection p = phasefield::projectionOf(d);
    // The boundaries as the lesson's paint draws them: silver, 2 pixels wide, on white.
    wbtest::PixelCanvas drawing(505, 500);
    drawing.canvas.Pen.SetColor(clSilver);
    drawing.canvas.Pen.SetWidth(2);
    GetParam().drawBoundaries(drawing.canvas);
    auto drawn = [&](int x, int y) { return drawing.at(x, y) == clSilver; };

    int firstRow = 0, lastRow = 0, rows = 0;
    for (int row = phasefield::kOben + 1; row < phasefield::kUnten; ++row) {
        const double t = p.temperature(row);
        // Every field at this temperature, from A to B; a two-phase field at least a pixel wide
        // gets a tie line through its middle.
        for (double w = 0; w < 100;) {
            const model::FieldAt f = model::fieldAt(d, w, t);
            w = std::nextafter(f.wRight, 101.0);
            if (!f.phases.two() || p.x(f.wRight) - p.x(f.wLeft) < 1)
                continue;
            for (double at : { 0.25, 0.5, 0.75 }) {
                const double alloy = f.wLeft + at * (f.wRight - f.wLeft);
                const std::optional<model::TieLine> tl = model::tieLine(d, alloy, t);
                ASSERT_TRUE(tl.has_value());
                if (firstRow == 0)
                    firstRow = row;
                if (lastRow != row) {
                    lastRow = row;
                    ++rows;
                }
                SCOPED_TRACE("row " + std::to_string(row) + " (" + std::to_string(t) + " °C), alloy "
                    + std::to_string(alloy) + " % B");
                EXPECT_NEAR(tl->shareLeft * tl->left.w + tl->shareRight * tl->right.w, alloy, 1e-9);
                EXPECT_NEAR(tl->shareLeft, 1 - at, 1e-9) << "the share on the far side of the alloy";
                for (double end : { tl->left.w, tl->right.w }) {
                    const int x = p.pixelX(end);
                    if (end == 0 || end == 100) {
                        // A pure component: the end stands on the field's side.
                        EXPECT_EQ(x, end == 0 ? phasefield::kLinks : phasefield::kRechts);
                        continue;
                    }
                    // The drawn curve is a polyline through whole pixels, 2 pixels wide: the end's pixel
                    // lies on it or next to a pixel of it in the row.
                    const TPoint kurz = GetParam().kurzesEnde;
                    const int y = kurz.Y != 0 && row > kurz.Y && x == kurz.X ? kurz.Y : row;
                    EXPECT_TRUE(drawn(x, y) || drawn(x - 1, y) || drawn(x + 1, y))
                        << "end at " << end << " % B, x = " << x << ", not on the drawing";
                }
            }
        }
    }
    // Every row of the two-phase region had its tie lines, none was left out.
    EXPECT_EQ(firstRow, GetParam().firstRow);
    EXPECT_EQ(lastRow, GetParam().lastRow);
    EXPECT_EQ(rows, lastRow - firstRow + 1);
}

INSTANTIATE_TEST_SUITE_P(Phase, TieLinesOnTheDrawing, ::testing::ValuesIn(kTypen), nameOf);
