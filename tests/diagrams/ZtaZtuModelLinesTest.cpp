// The model's ZTU lines of the two lesson steels projected through the lessons' layouts give the
// pixels the lessons were drawn with: the tables below are those pixels, kept as the golden
// record of the hand-drawn diagrams.
#include "diagrams/ZtaZtuDiagram.h"
#include "model/LessonSteels.h"
#include "tests/support/Harness.h"

#include <sstream>
#include <string>
#include <vector>

using namespace wb;
using namespace wb::ztaztu;

namespace {

using Pixels = std::vector<TPoint>;

struct Diagram {
    const char* what;
    LayoutRule rule;
    std::span<const model::TransformationLine> lines;
    std::vector<Pixels> drawn; // the lesson's polylines, in its drawing order
};

// The continuous diagram at 0.45 % C has its time panel at x = 412, the other three at 400; all
// run from 0 °C at y = 430 in rows of 68 pixels, 54 pixels a decade.
constexpr LayoutRule kCon045 { 412, 10, 70, 6, 50, 380 };
constexpr LayoutRule kAt400 { 400, 22, 70, 6, 50, 390 };

// clang-format off
const std::vector<Diagram>& lessonDiagrams()
{
    static const std::vector<Diagram> d = {
        { "continuous, 0.45 % C", kCon045, model::c45().continuous, {
            { { 412, 314 }, { 491, 314 }, { 545, 336 } },
            { { 555, 382 }, { 520, 226 }, { 521, 223 }, { 525, 219 }, { 531, 216 }, { 574, 210 }, { 628, 204 },
              { 682, 199 } },
            { { 482, 253 }, { 486, 238 }, { 488, 233 }, { 493, 226 }, { 504, 219 }, { 512, 214 }, { 520, 211 },
              { 521, 210 }, { 525, 209 }, { 531, 208 }, { 574, 202 }, { 628, 197 }, { 682, 192 } },
            { { 682, 177 }, { 628, 182 }, { 574, 187 }, { 520, 193 }, { 509, 196 }, { 498, 199 }, { 488, 204 },
              { 478, 212 }, { 475, 216 }, { 475, 227 }, { 485, 270 } },
            { { 491, 314 }, { 483, 294 }, { 481, 287 }, { 483, 274 }, { 520, 226 } },
        } },
        { "continuous, 0.70 % C", kAt400, model::c70().continuous, {
            { { 400, 352 }, { 494, 352 }, { 462, 260 }, { 461, 253 }, { 460, 246 }, { 460, 240 }, { 462, 233 },
              { 465, 226 }, { 468, 221 }, { 471, 215 }, { 477, 209 }, { 486, 203 }, { 517, 197 } },
            { { 517, 197 }, { 670, 183 } },
            { { 486, 204 }, { 670, 188 } },
            { { 670, 192 }, { 530, 206 }, { 522, 207 }, { 513, 209 }, { 505, 211 }, { 497, 216 }, { 494, 221 },
              { 493, 226 }, { 491, 233 }, { 491, 240 }, { 494, 256 }, { 535, 396 } },
            { { 468, 274 }, { 495, 260 } },
            { { 519, 342 }, { 491, 352 } },
        } },
        { "isothermal, 0.45 % C", kAt400, model::c45().isothermal, {
            { { 400, 311 }, { 486, 311 }, { 473, 294 }, { 457, 260 }, { 454, 243 }, { 460, 226 }, { 476, 210 },
              { 486, 204 }, { 497, 197 }, { 508, 193 }, { 562, 180 }, { 616, 174 }, { 670, 170 } },
            { { 472, 260 }, { 468, 250 }, { 468, 243 }, { 471, 236 }, { 479, 226 }, { 486, 219 }, { 508, 209 },
              { 562, 195 }, { 616, 188 }, { 670, 183 } },
            { { 670, 195 }, { 616, 202 }, { 562, 210 }, { 508, 226 }, { 500, 233 }, { 498, 236 }, { 497, 240 },
              { 496, 243 }, { 500, 253 }, { 511, 270 } },
            { { 463, 268 }, { 472, 260 }, { 483, 265 }, { 497, 268 }, { 511, 270 } },
            { { 670, 359 }, { 616, 352 }, { 562, 342 }, { 508, 325 }, { 497, 320 }, { 492, 317 }, { 486, 311 } },
            { { 670, 332 }, { 616, 327 }, { 589, 323 }, { 562, 316 }, { 543, 308 }, { 524, 294 }, { 517, 287 },
              { 513, 276 }, { 511, 270 } },
        } },
        { "isothermal, 0.70 % C", kAt400, model::c70().isothermal, {
            { { 400, 352 }, { 586, 352 }, { 524, 316 }, { 480, 294 }, { 469, 287 }, { 454, 274 }, { 446, 264 },
              { 441, 250 }, { 442, 240 }, { 445, 226 }, { 450, 219 }, { 454, 214 }, { 465, 202 }, { 469, 200 },
              { 476, 196 }, { 508, 186 }, { 562, 181 }, { 616, 177 }, { 670, 175 } },
            { { 454, 214 }, { 468, 204 }, { 470, 204 }, { 478, 199 }, { 511, 189 }, { 562, 184 }, { 616, 181 },
              { 670, 178 } },
            { { 670, 355 }, { 643, 348 }, { 616, 338 }, { 554, 301 }, { 552, 296 }, { 535, 294 }, { 519, 291 },
              { 508, 287 }, { 492, 277 }, { 481, 267 }, { 471, 250 }, { 476, 233 }, { 481, 226 }, { 490, 219 },
              { 508, 209 }, { 523, 202 }, { 562, 192 }, { 616, 185 }, { 670, 182 } },
            { { 530, 294 }, { 492, 287 }, { 476, 283 }, { 454, 274 } },
            { { 586, 352 }, { 616, 362 }, { 643, 369 }, { 670, 374 } },
        } },
    };
    return d;
}
// clang-format on

std::string text(const Pixels& pixels)
{
    std::ostringstream s;
    for (const TPoint& p : pixels)
        s << "(" << p.X << ", " << p.Y << ") ";
    return s.str();
}

} // namespace

TEST(ZtaZtuModelLines, EachLessonsLinesAreTheModelsThroughItsLayout)
{
    for (const Diagram& d : lessonDiagrams()) {
        SCOPED_TRACE(d.what);
        const DiagramLayout l = computeLayout(d.rule, 750, 500);
        ASSERT_EQ(d.lines.size(), d.drawn.size());
        for (size_t i = 0; i < d.lines.size(); ++i)
            EXPECT_EQ(text(project(l, d.lines[i].points)), text(d.drawn[i])) << "line " << i;
    }
}

TEST(ZtaZtuModelLines, APointLandsOnTheAxesAtItsTimeAndTemperature)
{
    // 412 + 54 · (lg t + 1) and 430 − 68 · T / 200, each rounded, an exact half to the even pixel.
    struct Case {
        model::TimeTemperature p;
        TPoint at;
    };
    const Case cases[] = {
        { { -1, 0 }, { 412, 430 } }, // 0.1 s, 0 °C: the panel's bottom left corner
        { { 0, 200 }, { 466, 362 } }, // 1 s on the first decade line, 200 °C on the first row
        { { 0.47, 340 }, { 491, 314 } }, // 491.38 and 314.4
        { { 4, 1200 }, { 682, 22 } }, // 10^4 s; 1200 °C lies two pixels below the top, 6 · 68 = 408
        { { 0.25, 25 }, { 480, 422 } }, // 479.5 → 480 and 421.5 → 422: halves to the even neighbour
    };
    const DiagramLayout l = computeLayout(kCon045, 750, 500);
    for (const Case& c : cases)
        EXPECT_EQ(project(l, c.p), c.at) << c.p.lgSeconds << ", " << c.p.celsius;
    // A panel from 200 °C, as the ZTA diagrams have: 800 °C three rows of 76 above y = 400.
    const DiagramLayout zta = computeLayout({ 400, 22, 100, 5, 50, 390 }, 750, 500);
    EXPECT_EQ(project(zta, { 0, 800 }, 200), (TPoint { 454, 172 }));
}
