// The type 4 lesson in the whole program, through the headless driver: the moments of the three
// alloys' runs and the inset where a fault would show, checked by pixels at exact diagram
// coordinates, timers, start items, the memo and which form is on top.
#include "tests/phase/LessonMoments.h"

using namespace wbtest;

namespace {

const Lesson kTyp4 { "FormZuTyp4", "Typ4", { 270, 10 } };

// The marks: 20 + 4 per tick, so mark m is reached at tick (m - 20) / 4; every run ends at 372,
// the 88th tick. Colours used below: the band at row y is (255, 325 - y, 0) between 70 and 325
// and (905 - 2y, 0, 0) below; a NOT-XOR pen leaves NOT(pen XOR band), so L1's blue tie lines
// show as (0, G, 0) and L3's green ones as (0, 255 - (G XOR 128), 255).
// clang-format off
const Moment kMoments[] = {
    { "opening shows the static picture, the inset and four start items",
      {
        top("FormZuTyp4"),
        timer("TimerL1", false), timer("TimerAinB", false),
        item("StartL1", true), item("StartL2", true), item("StartL3", true), item("AinB", true),
        memoLines(26),
        pixel(150, 405, "#A6A6FF"),        // around the field, under the scale
        pixel(250, 200, "#FF7D00"),        // green 325 - 200
        pixel(250, 180, "#C0C0C0"),        // the peritectic line
        pixel(100, 56, "#C0C0C0"),         // the liquidus at x = 100: [0.00108 * 85^2 + 48] = [55.8]
        pixel(420, 100, "#FFFFFF"),        // the inset, white ...
        pixel(360, 100, "#A50000"),        // ... outlined with the pen the bands left (red 905 - 740)
      } },
    { "L1 shows its melt at the third tick",
      {
        command("menu StartL1"),
        command("advance 200"),
        pixel(18, 450, "#A6A6FF"),         // mark 28
        command("advance 100"),
        pixel(18, 450, "#0000FF"),         // mark 32: the frame (18, 415, 103, 497), blue outline
        memoLines(34),                     // L1's 8 lines appended
        item("StartL2", false), item("StartL3", false), item("AinB", true),
      } },
    { "L1's first tie line at 92 is gone at 96 while its successor is there",
      {
        command("menu StartL1"),
        command("advance 1700"),
        pixel(150, 92, "#FFE900"),         // mark 88: band row 92
        command("advance 100"),
        pixel(150, 92, "#001600"),         // tie line (43, 92)-(216, 92), NOT-XOR blue
        command("advance 100"),
        pixel(150, 92, "#FFE900"),         // erased
        pixel(150, 96, "#001A00"),         // the next one at 96
      } },
    { "L1 leaves the alpha + melt field at 180 and meets the alpha + beta field at 184",
      {
        command("menu StartL1"),
        command("advance 3900"),
        pixel(150, 176, "#006A00"),        // tie line 176
        command("advance 100"),
        pixel(150, 176, "#FF9500"),        // erased without a successor
        pixel(250, 180, "#0000FF"),        // the peritectic line, blue on the main layer
        command("advance 100"),
        pixel(250, 184, "#007200"),        // the first tie line of the alpha + beta field
        pixel(150, 176, "#FF9500"),        // and nothing drawn again at 176
      } },
    { "L1 ends at the 88th tick",
      {
        command("menu StartL1"),
        command("advance 8600"),
        pixel(200, 368, "#A90000"),        // mark 364: band row 368 (red 905 - 736)
        command("advance 100"),
        pixel(200, 368, "#0000FF"),        // mark 368: (66, 368)-(320, 368)
        timer("TimerL1", true),
        command("advance 100"),
        timer("TimerL1", false),
        item("StartL1", false), item("StartL2", true), item("StartL3", true),
      } },
    { "L2 begins with its melt at 32 and ends at 372",
      {
        command("menu StartL2"),
        command("advance 300"),
        pixel(178, 450, "#800080"),        // the frame (178, 415, 263, 497), purple outline
        memoLines(39),                     // L2's 13 lines appended
        command("advance 8400"),
        pixel(200, 368, "#800080"),        // mark 368: (66, 368)-(320, 368)
        timer("TimerL2", true),
        command("advance 100"),
        timer("TimerL2", false),
        item("StartL2", false), item("StartL1", true),
      } },
    { "L3's traces at 184 start on their curves and draw no chord",
      {
        command("menu StartL3"),
        command("advance 4000"),
        pixel(384, 193, "#C0C0C0"),        // mark 180: the static liquidus B, [0.0008 * 446^2 + 34] = 193
        command("advance 100"),
        pixel(384, 193, "#008000"),        // traced green from (365, 180) along the curve
        pixel(310, 184, "#00F2FF"),        // the tie line (304, 184)-(371, 184), NOT-XOR green
        pixel(372, 187, "#FF8A00"),        // band: no chord from (403, 208) to (365, 180)
        pixel(317, 191, "#FF8600"),        // band: no chord from (342, 208) to (298, 181)
        command("advance 600"),
        pixel(380, 208, "#008000"),        // mark 208: (342, 208)-(403, 208)
        command("advance 4000"),
        timer("TimerL3", true),
        command("advance 100"),
        timer("TimerL3", false),
      } },
    { "the inset shows its 17 pictures and switches itself off",
      {
        command("menu AinB"),
        command("advance 1600"),
        timer("TimerAinB", true),
        item("StartL1", true),             // the inset leaves the alloys' items alone
        command("advance 100"),
        timer("TimerAinB", false),
        item("AinB", false),
        command("menu Neu"),
        item("AinB", true),
      } },
    { "a repaint mid-run leaves the static picture and base text; the next erase shows",
      {
        command("menu StartL1"),
        command("advance 1800"),
        command("repaint"),
        pixel(150, 92, "#FFE900"),
        memoLines(26),
        command("advance 100"),
        pixel(150, 92, "#001600"),         // the erasing line lands on the clean band
        pixel(150, 96, "#001A00"),
      } },
    { "Esc stops and resets everything, the inset too",
      {
        command("menu StartL1"),
        command("menu AinB"),
        command("advance 1800"),
        command("key Esc"),
        top("FormMenue"),
        timer("TimerL1", false), timer("TimerAinB", false),
        command("menu Typ4"),
        item("StartL2", true), item("AinB", true),
        pixel(150, 92, "#FFE900"),
        command("menu StartL1"),
        command("advance 300"),
        memoLines(34),                     // the melt again, from mark 20
      } },
    { "the close box leaves the runs going unseen",
      {
        command("menu StartL1"),
        command("advance 1800"),
        command("menu AinB"),
        command("advance 500"),
        command("close"),
        top("FormMenue"),
        timer("TimerL1", true), timer("TimerAinB", true),
        command("advance 1000"),           // the inset's 15th picture
        command("menu Typ4"),
        pixel(150, 92, "#FFE900"),         // the form repaints: static picture
        timer("TimerL1", true), timer("TimerAinB", true),
        command("advance 200"),
        timer("TimerAinB", false),
        item("AinB", false),
      } },
};
// clang-format on

} // namespace

class ZuTyp4Moments : public ::testing::TestWithParam<Moment> { };

TEST_P(ZuTyp4Moments, ShowWhatTheLessonSays)
{
    expectMoment(kTyp4, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Run, ZuTyp4Moments, ::testing::ValuesIn(kMoments),
    [](const ::testing::TestParamInfo<Moment>& info) { return momentName(info.param.name); });
