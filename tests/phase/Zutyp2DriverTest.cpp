// The type 2 lesson in the whole program, through the headless driver: the moments of the three
// alloys' runs where a fault would show, checked by pixels at exact diagram coordinates, the
// edit boxes, timers, start items, the memo and which form is on top.
#include "tests/phase/LessonMoments.h"

using namespace wbtest;

namespace {

const Lesson kTyp2 { "FormZuTyp2", "Typ2", { 266, 10 } };

// The marks: 22 + 4 per tick down to 222 at the 50th tick, then 242 (226 passed in the same
// tick), 258, … by 16 to 370 at the 59th. Colours used below: the band at row y is (255, 325 - y,
// 0) between 70 and 325 and (905 - 2y, 0, 0) below; a NOT-XOR pen leaves NOT(pen XOR band), so L1's
// black tie lines show as (0, 255 - G, 255) and L3's green ones as (0, G XOR 127, 255).
// clang-format off
const Moment kMoments[] = {
    { "opening shows the static picture, the base text and three start items",
      {
        top("FormZuTyp2"),
        timer("TimerUnter", false), timer("TimerEutek", false), timer("TimerUeber", false),
        item("Startunter", true), item("Starteutektisch", true), item("Startueber", true),
        text("EditA", "-"), text("EditSch1", "-"), text("EditB", "-"), text("EditSch2", "-"),
        memoLines(28),
        pixel(10, 300, "#A6A6FF"),         // around the diagram field
        pixel(250, 45, "#FFFF00"),         // yellow band
        pixel(250, 200, "#FF7D00"),        // green 325 - 200
        pixel(100, 222, "#C0C0C0"),        // the eutectic line, silver, rows 221 and 222
        pixel(100, 86, "#C0C0C0"),         // liquidus A at x = 100: [170^2 * 0.0013 + 48] = [85.57]
        pixel(400, 146, "#C0C0C0"),        // liquidus B at x = 400: [277^2 * 0.0011 + 62] = [146.4]
        pixel(100, 480, "#400080"),        // the left lever strip
        pixel(300, 480, "#008040"),        // the right one
        pixel(10, 457, "#FFFFFF"),         // the left strip's first fraction bar
      } },
    { "L1 shows its melt at the second tick",
      {
        command("menu Startunter"),
        command("advance 100"),
        pixel(28, 300, "#FF1900"),         // mark 26: still the band
        text("EditA", "-"),
        memoLines(28),
        command("advance 100"),
        pixel(28, 300, "#000000"),         // mark 30: the picture's frame (28, 263, 112, 347), black
        text("EditA", "0"), text("EditSch1", "100"),
        memoLines(40),                     // the 12 lines of L1 appended
        item("Starteutektisch", false), item("Startueber", false),
      } },
    { "L1 reaches point 1 at mark 146, the 31st tick",
      {
        command("menu Startunter"),
        command("advance 3000"),
        pixel(100, 146, "#FFB300"),        // mark 142: band row 146
        command("advance 100"),
        pixel(100, 146, "#000000"),        // the first tie line, for good on the main layer
        pixel(204, 300, "#00E6FF"),        // the auxiliary vertical, black NOT-XOR over green 25
        text("EditA", "0"), text("EditSch1", "100"),
      } },
    { "L1 tie line 154 is gone at 158 while its successor is there; the lever rule truncates",
      {
        command("menu Startunter"),
        command("advance 3300"),
        text("EditA", "4"), text("EditSch1", "96"), // 900 div 193 = 4.66 truncated: rounding would give 5
        pixel(100, 154, "#0054FF"),        // the tie line (20, 154)-(213, 154), NOT-XOR black
        pixel(213, 300, "#00E6FF"),        // its auxiliary vertical at xl = 213
        command("advance 100"),
        text("EditA", "7"), text("EditSch1", "93"),
        pixel(100, 154, "#FFAB00"),        // erased: the band again
        pixel(213, 300, "#FF1900"),
        pixel(100, 158, "#0058FF"),        // the new one at 158
        pixel(218, 300, "#00E6FF"),
      } },
    { "L1 reaches the eutectic line at the 50th tick",
      {
        command("menu Startunter"),
        command("advance 4900"),
        pixel(100, 222, "#C0C0C0"),
        pixel(100, 218, "#0094FF"),        // tie line 218
        text("EditA", "31"),
        command("advance 100"),
        pixel(100, 222, "#000000"),        // the eutectic line drawn black over the silver one
        pixel(100, 218, "#FF6B00"),        // tie line 218 erased
        pixel(296, 300, "#00E6FF"),        // the auxiliary vertical under the eutectic point
        text("EditA", "33"), text("EditSch1", "0"), // 9200 div 276 crystals; no melt left
      } },
    { "L1 ends at the 59th tick; the other alloys may start, L1 not",
      {
        command("menu Startunter"),
        command("advance 5800"),
        timer("TimerUnter", true),
        pixel(481, 365, "#A6A6FF"),        // mark 354: the field's right side reaches 355
        command("advance 100"),
        timer("TimerUnter", false),
        pixel(481, 365, "#000000"),        // mark 370: the side line (480, 222)-(480, 370), 3 wide
        item("Startunter", false), item("Starteutektisch", true), item("Startueber", true),
        command("advance 1000"),
        text("EditA", "33"),
      } },
    { "a start item pauses and resumes; the others stay off meanwhile",
      {
        command("menu Startunter"),
        command("advance 3300"),
        command("menu Startunter"),
        timer("TimerUnter", false),
        item("Starteutektisch", false), item("Startueber", false),
        command("advance 1000"),
        pixel(100, 154, "#0054FF"),        // the tie line stays while paused
        command("menu Startunter"),
        command("advance 100"),
        pixel(100, 154, "#FFAB00"),        // erased as usual: nothing repainted in between
        text("EditA", "7"),
      } },
    { "a repaint mid-run leaves the static picture and base text; the next erase shows",
      {
        command("menu Startunter"),
        command("advance 3300"),
        command("repaint"),
        pixel(100, 154, "#FFAB00"),
        pixel(100, 146, "#FFB300"),        // point 1's line is gone too
        memoLines(28),
        timer("TimerUnter", true),
        command("advance 100"),
        pixel(100, 154, "#0054FF"),        // the erasing line lands on the clean band
        pixel(100, 158, "#0058FF"),
      } },
    { "Loeschen/Neu clears picture, edits and items; L1 may run again",
      {
        command("menu Startunter"),
        command("advance 6000"),
        command("menu Neu"),
        item("Startunter", true), item("Starteutektisch", true), item("Startueber", true),
        text("EditA", "-"), text("EditSch1", "-"),
        pixel(100, 222, "#C0C0C0"),
        memoLines(28),
        command("menu Startunter"),
        command("advance 200"),
        text("EditA", "0"),                // from mark 22 again
        pixel(28, 300, "#000000"),
      } },
    { "Esc stops and resets; reopening starts clean",
      {
        command("menu Startunter"),
        command("advance 3300"),
        command("key Esc"),
        top("FormMenue"),
        timer("TimerUnter", false),
        command("menu Typ2"),
        text("EditA", "-"),
        item("Starteutektisch", true),
        pixel(100, 154, "#FFAB00"),
        command("menu Startunter"),
        command("advance 200"),
        text("EditA", "0"),
      } },
    { "the close box leaves the run going unseen",
      {
        command("menu Startunter"),
        command("advance 3300"),
        command("close"),
        top("FormMenue"),
        timer("TimerUnter", true),
        command("advance 1000"),           // mark 194: 6100 div 245
        text("EditA", "24"), text("EditSch1", "76"),
        command("menu Typ2"),
        pixel(100, 194, "#FF8300"),        // the form repaints: static picture
        text("EditA", "24"),               // with the edits' last values
        timer("TimerUnter", true),
        item("Startueber", false),
      } },
    { "L3 reaches point 2 at the 33rd tick; its lever rule truncates toward zero",
      {
        command("menu Startueber"),
        command("advance 100"),
        pixel(393, 300, "#FF1900"),        // mark 26: still the band
        command("advance 100"),
        pixel(393, 300, "#008000"),        // mark 30: its picture's frame (393, 263, 477, 347), green
        text("EditB", "0"), text("EditSch2", "100"),
        command("advance 3000"),
        pixel(420, 154, "#FFAB00"),
        command("advance 100"),
        pixel(420, 154, "#008000"),        // (480, 154)-(388, 154) on the main layer, green
        pixel(388, 300, "#0066FF"),        // the auxiliary vertical, green NOT-XOR over green 25
        text("EditB", "0"), text("EditSch2", "100"),
        command("advance 200"),            // mark 162: xl 377
        text("EditB", "10"), text("EditSch2", "90"), // -1100 div -103 = 10.68: rounding would give 11
        pixel(430, 162, "#00DCFF"),        // the tie line (480, 162)-(377, 162), NOT-XOR green
        pixel(430, 158, "#FFA700"),        // its predecessor erased
      } },
    { "L3 reaches the eutectic line at the 50th tick and ends at the 59th",
      {
        command("menu Startueber"),
        command("advance 4900"),
        pixel(350, 222, "#C0C0C0"),
        command("advance 100"),
        pixel(350, 222, "#008000"),        // the eutectic line drawn green
        text("EditB", "50"), text("EditSch2", "0"),
        command("advance 800"),
        timer("TimerUeber", true),
        command("advance 100"),
        timer("TimerUeber", false),
        item("Startueber", false), item("Startunter", true), item("Starteutektisch", true),
      } },
    { "L2 shows the eutectic reaction at 222",
      {
        command("menu Starteutektisch"),
        command("advance 200"),
        pixel(208, 300, "#0000FF"),        // its picture's frame (208, 263, 292, 347), blue
        memoLines(37),                     // the 9 lines of L2
        text("EditA", "-"), text("EditB", "-"),
        command("advance 4700"),
        pixel(100, 222, "#C0C0C0"),
        command("advance 100"),
        pixel(100, 222, "#0000FF"),
        command("advance 900"),
        timer("TimerEutek", false),
        item("Starteutektisch", false), item("Startunter", true),
      } },
    { "L2 after L1 adds its lines to the same diagram; L1 stays off",
      {
        command("menu Startunter"),
        command("advance 6000"),
        command("menu Starteutektisch"),
        command("advance 200"),
        memoLines(49),                     // 28 + 12 + 9
        pixel(28, 300, "#000000"),         // L1's picture stays
        item("Startunter", false), item("Startueber", false),
      } },
    { "clicks on the strips draw the lever pictures; a repaint removes them",
      {
        command("click PaintBoxHand1 100 30"),
        pixel(100, 174, "#FFFFFF"),        // the left lever (20, 174)-(239, 174), rows 173 and 174
        pixel(20, 183, "#400080"),         // its arrowhead filled with the strip's colour
        command("click PaintBoxHand1 100 30"),
        pixel(20, 183, "#FF8000"),         // orange: the brush the first click left
        command("click PaintBoxHand2 100 30"),
        pixel(400, 174, "#FFFFFF"),        // the right lever (107, 174)-(228, 174) in its strip, + 252
        pixel(359, 183, "#008040"),
        command("repaint"),
        pixel(100, 174, "#FF9700"),        // band, green 151
      } },
};
// clang-format on

} // namespace

class ZuTyp2Moments : public ::testing::TestWithParam<Moment> { };

TEST_P(ZuTyp2Moments, ShowWhatTheLessonSays)
{
    expectMoment(kTyp2, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Run, ZuTyp2Moments, ::testing::ValuesIn(kMoments),
    [](const ::testing::TestParamInfo<Moment>& info) { return momentName(info.param.name); });
