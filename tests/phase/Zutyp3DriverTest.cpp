// The type 3 lesson in the whole program, through the headless driver: the moments of the four
// alloys' runs where a fault would show, checked by pixels at exact diagram coordinates, timers,
// start items, the memo and which form is on top.
#include "tests/phase/LessonMoments.h"

using namespace wbtest;

namespace {

const Lesson kTyp3 { "FormZuTyp3", "Typ3", { 270, 10 } };

// The marks: 19 + 4 per tick, so mark m is reached at tick (m - 19) / 4, and every run ends at
// 371, the 88th tick. Colours used below: the band at row y is (255, 325 - y, 0) between 70 and
// 325 and (905 - 2y, 0, 0) below; a NOT-XOR pen leaves NOT(pen XOR band) there, so L1's purple
// tie lines show as (128, 255 - G XOR 0, 127) and L4's black ones as (0, 255 - G, 255).
// clang-format off
const Moment kMoments[] = {
    { "opening shows the static picture, the base text and four start items",
      {
        top("FormZuTyp3"),
        timer("TimerL1", false), timer("TimerL4", false),
        item("StartL1", true), item("StartL2", true), item("StartL3", true), item("StartL4", true),
        memoLines(26),
        pixel(150, 405, "#A6A6FF"),        // around the field, under the scale
        pixel(250, 200, "#FF7D00"),        // green 325 - 200
        pixel(200, 222, "#C0C0C0"),        // the eutectic line D-E
        pixel(100, 86, "#C0C0C0"),         // liquidus A at x = 100: [170^2 * 0.0013 + 48] = [85.57]
        pixel(100, 283, "#C0C0C0"),        // solvus A at x = 100: [0.11 * 30^2 + 184] = 283
      } },
    { "L1 shows its melt at the third tick",
      {
        command("menu StartL1"),
        command("advance 200"),
        pixel(20, 450, "#A6A6FF"),         // mark 27
        memoLines(26),
        command("advance 100"),
        pixel(20, 450, "#800080"),         // mark 31: the frame (20, 415, 105, 500), purple
        memoLines(33),                     // L1's 7 lines appended
        item("StartL2", false), item("StartL4", false),
      } },
    { "L1's first tie line at 71 is gone at 75 while its successor is there",
      {
        command("menu StartL1"),
        command("advance 1200"),
        pixel(40, 71, "#FFFE00"),          // mark 67: band row 71
        command("advance 100"),
        pixel(40, 71, "#80017F"),          // tie line (26, 71)-(60, 71), NOT-XOR purple
        command("advance 100"),
        pixel(40, 71, "#FFFE00"),          // erased
        pixel(40, 75, "#80057F"),          // the next one at 75
      } },
    { "L1's last tie line at 119 goes at 123 without a successor",
      {
        command("menu StartL1"),
        command("advance 2500"),
        pixel(100, 119, "#80317F"),        // tie line (47, 119)-(162, 119)
        command("advance 100"),
        pixel(100, 119, "#FFCE00"),        // erased
        pixel(100, 123, "#800080"),        // the solidus reached: (48, 123)-(170, 123) on the main layer
        command("advance 6100"),
        timer("TimerL1", true),
        command("advance 100"),            // mark 371, the 88th tick
        timer("TimerL1", false),
        item("StartL1", false), item("StartL2", true), item("StartL3", true), item("StartL4", true),
      } },
    { "L4's first tie line of the second field erases nothing: no stray line at 203",
      {
        command("menu StartL4"),
        command("advance 4600"),
        pixel(380, 203, "#0085FF"),        // mark 203: tie line (320, 203)-(446, 203), NOT-XOR black
        command("advance 100"),
        pixel(380, 203, "#FF7A00"),        // mark 207: erased, the beta solid solution is reached
        command("advance 1900"),
        pixel(200, 283, "#000000"),        // mark 283: the solvus reached, (100, 283)-(444, 283)
        command("advance 100"),
        pixel(200, 287, "#00D9FF"),        // mark 287: the new tie line (100, 287)-(444, 287)
        pixel(380, 203, "#FF7A00"),        // and nothing drawn again at 203
      } },
    { "L4 begins at 123 and ends at 371",
      {
        command("menu StartL4"),
        command("advance 2500"),
        pixel(460, 123, "#FFCA00"),
        command("advance 100"),
        pixel(460, 123, "#000000"),        // (444, 123)-(475, 123) on the main layer
        command("advance 6100"),
        pixel(300, 369, "#A70000"),        // mark 367: band row 369 (red 905 - 738)
        timer("TimerL4", true),
        command("advance 100"),
        pixel(300, 369, "#000000"),        // (89, 369)-(455, 369) at the end
        timer("TimerL4", false),
        item("StartL4", false), item("StartL1", true),
      } },
    { "L2 begins with its melt at 31 and ends at 371",
      {
        command("menu StartL2"),
        command("advance 300"),
        pixel(168, 450, "#0000FF"),        // the frame (168, 415, 253, 500), blue
        memoLines(35),                     // L2's 9 lines appended
        command("advance 8400"),
        pixel(250, 369, "#A70000"),        // mark 367: band row 369
        command("advance 100"),
        pixel(250, 369, "#0000FF"),        // (89, 369)-(455, 369) at the end
        timer("TimerL2", false),
        item("StartL2", false), item("StartL3", true),
      } },
    { "L3 begins with its melt at 31, meets the eutectic at 223 and ends at 371",
      {
        command("menu StartL3"),
        command("advance 300"),
        pixel(278, 450, "#008000"),        // the frame (278, 415, 363, 500), green
        command("advance 4700"),
        pixel(200, 222, "#C0C0C0"),        // mark 219: the static eutectic line
        command("advance 100"),
        pixel(200, 222, "#008000"),        // mark 223: (112, 222)-(433, 222)
        command("advance 3600"),
        timer("TimerL3", true),
        command("advance 100"),
        pixel(250, 369, "#008000"),
        timer("TimerL3", false),
      } },
    { "a start item pauses and resumes; the others stay off meanwhile",
      {
        command("menu StartL1"),
        command("advance 1300"),
        command("menu StartL1"),
        timer("TimerL1", false),
        item("StartL2", false), item("StartL3", false), item("StartL4", false),
        command("advance 1000"),
        pixel(40, 71, "#80017F"),          // the tie line stays while paused
        command("menu StartL1"),
        command("advance 100"),
        pixel(40, 71, "#FFFE00"),
        pixel(40, 75, "#80057F"),
      } },
    { "a repaint mid-run leaves the static picture and base text; the next erase shows",
      {
        command("menu StartL1"),
        command("advance 1300"),
        command("repaint"),
        pixel(40, 71, "#FFFE00"),
        memoLines(26),
        timer("TimerL1", true),
        command("advance 100"),
        pixel(40, 71, "#80017F"),          // the erasing line lands on the clean band
        pixel(40, 75, "#80057F"),
      } },
    { "Loeschen/Neu clears the picture and lets every alloy start again",
      {
        command("menu StartL1"),
        command("advance 8800"),
        command("menu Neu"),
        item("StartL1", true), item("StartL2", true),
        timer("TimerL1", false),
        pixel(48, 300, "#FF1900"),         // the cooling line is gone
        memoLines(26),
        command("menu StartL1"),
        command("advance 300"),
        pixel(20, 450, "#800080"),         // the melt again, from mark 19
      } },
    { "Esc stops and resets; reopening starts clean",
      {
        command("menu StartL1"),
        command("advance 1300"),
        command("key Esc"),
        top("FormMenue"),
        timer("TimerL1", false),
        command("menu Typ3"),
        item("StartL2", true),
        pixel(40, 71, "#FFFE00"),
        command("menu StartL1"),
        command("advance 300"),
        memoLines(33),
      } },
    { "the close box leaves the run going unseen",
      {
        command("menu StartL1"),
        command("advance 1300"),
        command("close"),
        top("FormMenue"),
        timer("TimerL1", true),
        command("advance 1300"),           // mark 123
        command("menu Typ3"),
        pixel(100, 123, "#FFCA00"),        // the form repaints: static picture
        timer("TimerL1", true),
        item("StartL2", false),
        command("advance 6200"),
        timer("TimerL1", false),
      } },
};
// clang-format on

} // namespace

class ZuTyp3Moments : public ::testing::TestWithParam<Moment> { };

TEST_P(ZuTyp3Moments, ShowWhatTheLessonSays)
{
    expectMoment(kTyp3, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Run, ZuTyp3Moments, ::testing::ValuesIn(kMoments),
    [](const ::testing::TestParamInfo<Moment>& info) { return momentName(info.param.name); });
