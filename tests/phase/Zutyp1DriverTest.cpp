// The type 1 lesson in the whole program, through the headless driver: the moments of a run
// where a fault would show, checked by pixels at exact diagram coordinates, the edit boxes,
// the timer and which form is on top.
#include "tests/phase/LessonMoments.h"

using namespace wbtest;

namespace {

const Lesson kTyp1 { "FormZuTyp1", "Typ1", { 265, 5 } };

// Colours used below, all of them what the static picture or a drawing leaves at that place:
// the colour band at row y is (255, 325 - y, 0) between 70 and 325; a NOT-XOR pen leaves
// NOT(pen XOR band) there, so a red auxiliary line shows as (255, 255 - G, 255) and a blue tie
// line as (0, 255 - G, 0).
// clang-format off
const Moment kMoments[] = {
    { "opening shows the static picture and waits",
      {
        top("FormZuTyp1"),
        timer("TimerHaupt", false),
        text("EditMK", "-"), text("EditSch", "-"),
        pixel(10, 300, "#A6A6FF"),         // around the diagram field
        pixel(250, 45, "#FFFF00"),         // yellow band, rows 20 ... 70
        pixel(250, 200, "#FF7D00"),        // green 325 - 200 = 125
        pixel(250, 350, "#CD0000"),        // red 905 - 2 * 350 = 205
        pixel(250, 166, "#C0C0C0"),        // solidus at x = 250: [250 - 410^2 * 0.0005] = [165.95]
        pixel(250, 111, "#C0C0C0"),        // liquidus: [411^2 * 0.0005 + 27] = [111.46]
        pixel(0, 445, "#FFFFFF"),          // the lever strip's white outline
        pixel(450, 485, "#8000FF"),        // and its colour
      } },
    { "keyframe 29 is the third tick",
      {
        command("key Space"),
        command("advance 200"),
        pixel(343, 300, "#FF1900"),        // MarkeY 26: still the band (green 25)
        text("EditMK", "-"), text("EditSch", "-"),
        command("advance 100"),
        pixel(343, 300, "#0000FF"),        // MarkeY 29: the picture's frame, blue 3-pixel outline
        pixel(350, 250, "#FFFF00"),        // filled yellow
        text("EditMK", "0"), text("EditSch", "100"),
      } },
    { "keyframe 92 is the 24th tick",
      {
        command("key Space"),
        command("advance 2300"),
        pixel(150, 92, "#FFE900"),         // MarkeY 89: band row 92 (green 233)
        pixel(60, 92, "#FFE900"),
        command("advance 100"),
        pixel(150, 92, "#0000FF"),         // the first tie line, for good on the main layer
        pixel(60, 92, "#FF16FF"),          // red auxiliary horizontal from 100 to 20, NOT-XOR
        text("EditMK", "0"), text("EditSch", "100"),
      } },
    { "at T = 104 the lever rule truncates and the next step replaces the tie line",
      {
        command("key Space"),
        command("advance 2800"),
        text("EditMK", "29"), text("EditSch", "71"), // 3200 div 108: 29.6 truncated; rounding would give 30
        pixel(160, 104, "#002200"),        // blue tie line over green 221
        pixel(122, 300, "#FFE6FF"),        // red vertical at xh = 122 over green 25
        command("advance 100"),
        text("EditMK", "36"), text("EditSch", "64"),
        pixel(160, 104, "#FFDD00"),        // the old tie line is gone
        pixel(160, 107, "#002500"),        // the new one at 107 over green 218
        pixel(122, 300, "#FF1900"),        // the old vertical is gone
        pixel(127, 300, "#FFE6FF"),        // the new one at 127
      } },
    { "where xh differs from KonodeLinks the erase takes xh",
      {
        command("key Space"),
        command("advance 3000"),           // T = 110: KonodeLinks 133, xh 132
        pixel(131, 300, "#FFE6FF"),        // the vertical covers xh - 1 ... xh + 1
        command("advance 100"),            // T = 113
        pixel(131, 300, "#FF1900"),        // erased at xh ...
        pixel(134, 300, "#FF1900"),        // ... so nothing drawn at KonodeLinks + 1
        pixel(137, 300, "#FFE6FF"),        // the new vertical at xh = 138
      } },
    { "the run ends at the 81st tick with the final arrowhead",
      {
        command("key Space"),
        command("advance 8000"),
        timer("TimerHaupt", true),                       // MarkeY 365
        pixel(194, 214, "#FF6F00"),        // band (green 111) left of the cooling line
        command("advance 100"),
        timer("TimerHaupt", false),                      // MarkeY 371
        pixel(194, 214, "#0000FF"),        // the arrowhead's blue outline around (195, 214)
        text("EditMK", "100"), text("EditSch", "0"),
        command("advance 1000"),
        timer("TimerHaupt", false),
      } },
    { "a key pauses and resumes without repainting",
      {
        command("key Space"),
        command("advance 2800"),
        command("key Space"),
        command("advance 1000"),
        timer("TimerHaupt", false),
        text("EditMK", "29"), text("EditSch", "71"),
        pixel(160, 104, "#002200"),        // the tie line stays while paused
        command("key Space"),
        command("advance 100"),
        text("EditMK", "36"), text("EditSch", "64"),
        pixel(160, 104, "#FFDD00"),        // erased as usual: nothing repainted in between
        pixel(160, 107, "#002500"),
      } },
    { "Start/Stop during the run only pauses",
      {
        command("key Space"),
        command("advance 2800"),
        command("menu StartStop"),
        timer("TimerHaupt", false),
        pixel(160, 104, "#002200"),
        command("menu StartStop"),
        command("advance 100"),
        text("EditMK", "36"), text("EditSch", "64"),
      } },
    { "a repaint during the run makes the next erase visible",
      {
        command("key Space"),
        command("advance 2800"),
        command("repaint"),
        pixel(160, 104, "#FFDD00"),        // only the static picture is left
        pixel(150, 92, "#FFE900"),         // the first tie line is gone too
        timer("TimerHaupt", true),
        command("advance 100"),
        pixel(160, 104, "#002200"),        // the erasing line lands on the clean band
        pixel(160, 107, "#002500"),
      } },
    { "Start/Stop after the end repaints and replays; the edits wait to be rewritten",
      {
        command("key Space"),
        command("advance 8100"),
        pixel(150, 92, "#0000FF"),
        command("menu StartStop"),
        timer("TimerHaupt", true),
        pixel(150, 92, "#FFE900"),         // repainted
        pixel(194, 214, "#FF6F00"),        // the final arrowhead is gone
        text("EditMK", "100"), text("EditSch", "0"),
        command("advance 200"),
        text("EditMK", "100"), text("EditSch", "0"),
        pixel(343, 300, "#FF1900"),
        command("advance 100"),
        text("EditMK", "0"), text("EditSch", "100"),                 // keyframe 29 again at the third tick
        pixel(343, 300, "#0000FF"),
      } },
    { "a key after the end replays too",
      {
        command("key Space"),
        command("advance 8100"),
        command("key Enter"),
        timer("TimerHaupt", true),
        pixel(150, 92, "#FFE900"),
        command("advance 300"),
        text("EditMK", "0"), text("EditSch", "100"),
      } },
    { "Loeschen/Neu stops, clears picture and edits, and the next run starts at the top",
      {
        command("key Space"),
        command("advance 2800"),
        command("menu NEu"),
        timer("TimerHaupt", false),
        text("EditMK", "-"), text("EditSch", "-"),
        pixel(160, 104, "#FFDD00"),
        pixel(150, 92, "#FFE900"),
        command("key Space"),
        command("advance 300"),
        text("EditMK", "0"), text("EditSch", "100"),
        pixel(343, 300, "#0000FF"),
      } },
    { "Esc stops and resets; reopening starts clean",
      {
        command("key Space"),
        command("advance 2800"),
        command("key Esc"),
        top("FormMenue"),
        timer("TimerHaupt", false),
        command("advance 1000"),
        command("menu Typ1"),
        top("FormZuTyp1"),
        timer("TimerHaupt", false),
        text("EditMK", "-"), text("EditSch", "-"),
        pixel(160, 104, "#FFDD00"),
        command("key Space"),
        command("advance 300"),
        text("EditMK", "0"), text("EditSch", "100"),                 // from MarkeY 20 again, not from 104
      } },
    { "Ende stops and resets like Esc",
      {
        command("key Space"),
        command("advance 2800"),
        command("menu Ende"),
        top("FormMenue"),
        timer("TimerHaupt", false),
        command("menu Typ1"),
        text("EditMK", "-"), text("EditSch", "-"),
        command("key Space"),
        command("advance 300"),
        text("EditMK", "0"), text("EditSch", "100"),
      } },
    { "the close box leaves the animation running unseen",
      {
        command("key Space"),
        command("advance 2800"),
        command("close"),
        top("FormMenue"),
        timer("TimerHaupt", true),
        command("advance 1000"),           // ten more ticks: T = 134
        text("EditMK", "85"), text("EditSch", "15"),
        command("menu Typ1"),
        pixel(160, 104, "#FFDD00"),        // the form repaints: static picture
        text("EditMK", "85"), text("EditSch", "15"),                 // with the edits' last values
        timer("TimerHaupt", true),
        command("advance 300"),
        text("EditMK", "100"), text("EditSch", "0"),                 // T = 143
      } },
    { "after the close box a finished run replays at the next opening",
      {
        command("key Space"),
        command("advance 2800"),
        command("close"),
        command("advance 6000"),
        timer("TimerHaupt", false),
        command("menu Typ1"),
        text("EditMK", "100"), text("EditSch", "0"),
        command("key Space"),
        timer("TimerHaupt", true),
        command("advance 300"),
        text("EditMK", "0"), text("EditSch", "100"),
      } },
    { "a click on the strip draws the lever picture and a repaint removes it",
      {
        command("click PaintBoxHand 100 30"),
        pixel(160, 104, "#FFFFFF"),        // the lever, white, 2 pixels wide: rows 103 and 104
        pixel(111, 132, "#800000"),        // the blank before "m(MK)" on maroon
        pixel(122, 113, "#8000FF"),        // arrowhead filled with the strip's colour
        command("click PaintBoxHand 100 30"),
        pixel(122, 113, "#FF8000"),        // orange: the brush the first click left
        command("repaint"),
        pixel(160, 104, "#FFDD00"),
        pixel(122, 113, "#FFD400"),        // band, green 212
        command("click PaintBoxHand 100 30"),
        pixel(122, 113, "#8000FF"),        // the repaint gave the brush the strip's colour back
      } },
    { "a click during the run draws the lever picture and the run goes on",
      {
        command("key Space"),
        command("advance 2000"),
        command("click PaintBoxHand 100 30"),
        pixel(160, 104, "#FFFFFF"),
        timer("TimerHaupt", true),
        command("advance 800"),
        text("EditMK", "29"), text("EditSch", "71"),
      } },
};
// clang-format on

} // namespace

class ZuTyp1Moments : public ::testing::TestWithParam<Moment> { };

TEST_P(ZuTyp1Moments, ShowWhatTheLessonSays)
{
    expectMoment(kTyp1, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Run, ZuTyp1Moments, ::testing::ValuesIn(kMoments),
    [](const ::testing::TestParamInfo<Moment>& info) { return momentName(info.param.name); });
