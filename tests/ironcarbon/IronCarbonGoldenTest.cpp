// The chapter's diagram as it was drawn by hand, pixel for pixel, against the model projected
// onto it: every characteristic point and every polyline of the complete diagram's three views
// and of the cooling lessons' diagram.
#include "ironcarbon/CoolingRun.h"
#include "ironcarbon/IronCarbonDiagram.h"

#include <gtest/gtest.h>
#include <span>
#include <sstream>
#include <string>
#include <vector>

using namespace wb;
using namespace wb::ekd;
namespace mek = wb::model::ekd;

namespace {

std::string show(const std::vector<TPoint>& points)
{
    std::ostringstream out;
    for (const TPoint& p : points)
        out << "(" << p.X << ", " << p.Y << ") ";
    return out.str();
}

struct GoldenLine {
    mek::Line line;
    std::vector<TPoint> pixels;
};

// clang-format off
// The points and polylines of the complete diagram as drawn by hand.
const std::vector<GoldenLine> kComplete = {
    { mek::Line::PSK, { { 56, 395 }, { 717, 395 } } },
    { mek::Line::QP, { { 50, 493 }, { 56, 395 } } },
    { mek::Line::PG, { { 56, 395 }, { 50, 316 } } },
    { mek::Line::ECF, { { 256, 215 }, { 717, 215 } } },
    { mek::Line::SE, { { 130, 395 }, { 151, 355 }, { 172, 320 }, { 193, 290 }, { 214, 262 }, { 235, 236 },
                       { 256, 215 } } },
    { mek::Line::SG, { { 130, 395 }, { 120, 390 }, { 110, 384 }, { 100, 376 }, { 90, 367 }, { 80, 357 }, { 70, 346 },
                       { 60, 332 }, { 50, 316 } } },
    { mek::Line::HJB, { { 60, 66 }, { 100, 66 } } },
    { mek::Line::BC, { { 100, 66 }, { 130, 74 }, { 150, 79 }, { 170, 85 }, { 190, 91 }, { 210, 97 }, { 230, 102 },
                       { 250, 108 }, { 270, 114 }, { 290, 121 }, { 310, 129 }, { 330, 138 }, { 350, 148 },
                       { 370, 158 }, { 390, 168 }, { 410, 179 }, { 430, 189 }, { 450, 200 }, { 480, 215 } } },
    { mek::Line::CD, { { 480, 215 }, { 500, 205 }, { 520, 196 }, { 540, 186 }, { 560, 178 }, { 580, 170 },
                       { 600, 164 }, { 620, 159 }, { 640, 154 }, { 660, 150 }, { 680, 146 }, { 700, 143 },
                       { 717, 140 } } },
    { mek::Line::JE, { { 72, 66 }, { 90, 84 }, { 108, 101 }, { 126, 118 }, { 144, 135 }, { 162, 150 }, { 180, 164 },
                       { 198, 178 }, { 216, 190 }, { 236, 202 }, { 256, 215 } } },
    { mek::Line::AH, { { 50, 42 }, { 60, 66 } } },
    { mek::Line::HN, { { 60, 66 }, { 50, 111 } } },
    { mek::Line::JN, { { 72, 66 }, { 50, 111 } } },
    { mek::Line::AB, { { 50, 42 }, { 60, 45 }, { 70, 48 }, { 80, 52 }, { 87, 56 }, { 102, 66 } } },
    { mek::Line::CUnten, { { 480, 215 }, { 480, 493 } } },
    { mek::Line::EUnten, { { 256, 215 }, { 256, 493 } } },
    { mek::Line::SUnten, { { 130, 395 }, { 130, 493 } } },
    { mek::Line::MO, { { 54, 377 }, { 100, 377 } } },
    { mek::Line::PsSsKs, { { 717, 390 }, { 56, 390 } } },
    { mek::Line::EsCsFs, { { 250, 210 }, { 717, 210 } } },
    { mek::Line::SsEs, { { 120, 390 }, { 135, 360 }, { 153, 330 }, { 172, 300 }, { 194, 270 }, { 220, 240 },
                         { 250, 210 } } },
    { mek::Line::CsDs, { { 470, 210 }, { 482, 190 }, { 494, 168 }, { 506, 147 }, { 518, 128 }, { 530, 108 },
                         { 542, 90 }, { 554, 71 }, { 566, 53 }, { 578, 36 }, { 590, 20 } } },
    { mek::Line::QPs, { { 50, 493 }, { 54, 390 } } },
    { mek::Line::PsG, { { 54, 390 }, { 50, 316 } } },
    { mek::Line::SsG, { { 120, 390 }, { 110, 384 }, { 100, 376 }, { 90, 367 }, { 80, 357 }, { 70, 346 }, { 60, 332 },
                        { 50, 316 } } },
    { mek::Line::BCs, { { 100, 66 }, { 130, 74 }, { 150, 79 }, { 170, 85 }, { 190, 91 }, { 210, 97 }, { 230, 102 },
                        { 250, 108 }, { 270, 114 }, { 290, 121 }, { 310, 129 }, { 330, 138 }, { 350, 148 },
                        { 370, 158 }, { 390, 168 }, { 410, 179 }, { 430, 189 }, { 470, 210 } } },
    { mek::Line::JEs, { { 72, 66 }, { 90, 84 }, { 108, 101 }, { 126, 118 }, { 144, 135 }, { 162, 150 }, { 180, 164 },
                        { 198, 178 }, { 216, 190 }, { 236, 202 }, { 250, 210 } } },
};

// The cooling lessons' field ends at 600 °C (y 450): what runs down to the bottom ends there, and
// A–H starts six pixels below A. Their other lines are the complete diagram's.
const std::vector<GoldenLine> kCoolingDiffers = {
    { mek::Line::QP, { { 50, 450 }, { 56, 395 } } },
    { mek::Line::AH, { { 50, 48 }, { 60, 66 } } },
    { mek::Line::CUnten, { { 480, 215 }, { 480, 450 } } },
    { mek::Line::EUnten, { { 256, 215 }, { 256, 450 } } },
    { mek::Line::SUnten, { { 130, 395 }, { 130, 450 } } },
};
// clang-format on

} // namespace

TEST(IronCarbonGolden, TheCompleteDiagramsLinesAreTheModelsProjected)
{
    ASSERT_EQ(int(kComplete.size()), mek::kLineCount) << "every line of the model is drawn";
    for (const GoldenLine& g : kComplete) {
        SCOPED_TRACE(int(g.line));
        const std::vector<TPoint> drawn = pixelsOf(diagramProjection(), g.line);
        EXPECT_EQ(drawn, g.pixels) << show(drawn) << "\n expected " << show(g.pixels);
    }
}

TEST(IronCarbonGolden, TheCoolingDiagramsLinesAreTheModelsProjected)
{
    // It draws the metastable system: the complete diagram's first 18 lines.
    for (const GoldenLine& g : std::span(kComplete).first(18)) {
        SCOPED_TRACE(int(g.line));
        const GoldenLine* own = nullptr;
        for (const GoldenLine& d : kCoolingDiffers)
            if (d.line == g.line)
                own = &d;
        const std::vector<TPoint>& expected = own ? own->pixels : g.pixels;
        const std::vector<TPoint> drawn = pixelsOf(cooling::projection(), g.line);
        EXPECT_EQ(drawn, expected) << show(drawn) << "\n expected " << show(expected);
    }
}

TEST(IronCarbonGolden, ThePointsStandWhereTheLettersName)
{
    struct Case {
        mek::Point point;
        TPoint at;
    };
    const Case cases[] = {
        { mek::Point::A, { 50, 42 } },
        { mek::Point::H, { 60, 66 } },
        { mek::Point::J, { 72, 66 } },
        { mek::Point::B, { 100, 66 } },
        { mek::Point::N, { 50, 111 } },
        { mek::Point::G, { 50, 316 } },
        { mek::Point::M, { 54, 377 } },
        { mek::Point::O, { 100, 377 } },
        { mek::Point::P, { 56, 395 } },
        { mek::Point::S, { 130, 395 } },
        { mek::Point::K, { 717, 395 } },
        { mek::Point::Q, { 50, 493 } },
        { mek::Point::L, { 717, 493 } },
        { mek::Point::E, { 256, 215 } },
        { mek::Point::C, { 480, 215 } },
        { mek::Point::F, { 717, 215 } },
        { mek::Point::D, { 717, 140 } },
        { mek::Point::Ps, { 54, 390 } },
        { mek::Point::Ss, { 120, 390 } },
        { mek::Point::Ks, { 717, 390 } },
        { mek::Point::Es, { 250, 210 } },
        { mek::Point::Cs, { 470, 210 } },
        { mek::Point::Fs, { 717, 210 } },
        { mek::Point::Ds, { 590, 20 } },
    };
    static_assert(std::size(cases) == mek::kPointCount);
    for (const Case& c : cases)
        EXPECT_EQ(pixelOf(diagramProjection(), c.point), c.at) << "point " << int(c.point);
}
