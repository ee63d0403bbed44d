// What the four diagram-type lessons share: the diagram field and its colour bands, the lever
// rule, the stepping of the cooling mark, the tie lines on the NOT-XOR layers that an erase
// draws exactly once more, and the start items of lessons with several alloys.
#pragma once

#include "framework/Canvas.h"
#include "framework/Figures.h"
#include "framework/ImageList.h"
#include "phase/PhaseField.h"

#include <climits>
#include <span>
#include <vector>

namespace wb {

class TMemo;
class TMenuItem;
class TTimer;

namespace typediagram {

// The diagram field: composition 0 … 100 % B along x = 20 … 480 (4.6 pixels per percent),
// temperature rising upwards from y = 370 to y = 20, filled with the colour bands.
constexpr int kFeldLinks = phasefield::kLinks;
constexpr int kFeldOben = phasefield::kOben;
constexpr int kFeldRechts = phasefield::kRechts;
constexpr int kFeldUnten = phasefield::kUnten;
using phasefield::bandColor;
using phasefield::drawBands;

// The lever rule: the percentage of crystals for a tie line from `festX` (the crystal end) to
// `schmelzeX` (the melt end) through the alloy line at `legierungX`, as ((schmelzeX − legierungX)
// · 100) div (schmelzeX − festX). The division truncates toward zero, as the lessons always
// showed it: 29.6 % is 29, and with the crystals at the right (both factors negative) too.
int kristallAnteil(int festX, int schmelzeX, int legierungX);

// How a cooling mark moves in one tick: first, if the mark is below `feinBis`, by `feinSchritt`;
// then, if it is (now) at or past `grobAb`, by `grobSchritt`. A tick that crosses from the fine
// into the coarse range takes both steps. Lessons with one step size leave the coarse step out.
struct MarkSteps {
    int feinBis;
    int feinSchritt;
    int grobAb = INT_MAX;
    int grobSchritt = 0;
};
// The marks a tick passes, in order (none, one or two); the last is the new mark.
struct MarkStep {
    int marks[2] = { 0, 0 };
    int count = 0;
    int last() const { return marks[count - 1]; }
};
MarkStep stepMark(int mark, const MarkSteps& steps);

// The state of one animated run.
enum class RunPhase {
    Idle, // not started since the last reset
    Running, // the timer ticks
    Paused, // stopped half-way; a start goes on from here
    Finished, // the last tick has run; the drawing stays
};
// `startMark` is the mark's reset value, `endMark` the first value at which the run is over.
RunPhase runPhase(int mark, bool timerOn, int startMark, int endMark);

// The lines an animation has on its NOT-XOR layers right now, so that the erase draws exactly
// those lines once more, each with the pen it was drawn with, and never a line
// that is not there. A repaint wipes the layers but not this record: the next erase then shows
// as a line on the clean picture, as it always did in these lessons. A reset, which repaints and
// starts the run again, forgets the record.
class XorTrace {
public:
    // Draws `s` on `c` with the pen in force (in pmNotXor) and keeps it.
    void draw(TCanvas& c, const Segment& s);
    // Draws every kept line once more with the pen it was drawn with, and forgets them; each
    // canvas then gets back the pen it had.
    void erase();
    // Forgets the kept lines without drawing (the picture holds none of them any more).
    void forget() { m_lines.clear(); }
    bool empty() const { return m_lines.empty(); }

    struct Line {
        TCanvas* canvas;
        Segment segment;
        TPen pen;
    };
    std::span<const Line> lines() const { return m_lines; }

private:
    std::vector<Line> m_lines;
};

// The microstructure pictures of one alloy: frame `bildNr` of `list` at (x, y), then the counter
// moves on to the next frame.
void drawNextFrame(TImageList& list, TCanvas& c, int x, int y, int& bildNr);

// Appends the lines of a lesson's table to a memo, each as a line of its own.
void appendLines(TMemo& memo, std::span<const char* const> lines);

// A phase boundary traced on the main layer as the alloy passes it: MoveTo `from`, then LineTo
// (x, curve(x)) for x = x0 … x1. `from` is the curve's own point at the first x, so that the trace
// begins on the curve and draws no chord to it.
struct Trace {
    int (*curve)(int x) = nullptr;
    TPoint from {};
    int x0 = 0;
    int x1 = 0;
};
void draw(TCanvas& c, const Trace& t);

// A tie line of a two-phase field: at temperature y from the solid end xs to the other end xl.
struct Konode {
    int y;
    int xs;
    int xl;
};
// A run of tie lines through one field, as an alloy meets them: the row for y is drawn at the
// mark y + markeVersatz, at the height y + yVersatz.
struct KonodenFeld {
    std::span<const Konode> rows;
    int markeVersatz = 0;
    int yVersatz = 0;
};
// A picture of the alloy's series at a mark: the next frame, or the last one once more.
struct BildSchritt {
    int marke;
    bool weiter = true;
};
// What else a mark brings on the main layer: a caption under the pictures (on silver), lines
// and traced boundaries. A caption without text and a line from a point to itself are empty
// slots.
struct Keyframe {
    int marke = 0;
    TextAt caption {};
    Segment lines[2] {};
    Trace traces[2] {};
};

// The keyframes of one alloy's cooling run: tie lines, the marks at which the last tie line goes
// without a successor, the pictures and the main-layer drawings.
struct AlloyScript {
    std::span<const KonodenFeld> felder;
    std::span<const int> loeschen;
    std::span<const BildSchritt> bilder;
    std::span<const Keyframe> keyframes;
};
// Where a script draws: the main layer, the tie-line layer with its trace, the picture series.
struct AlloyCanvas {
    TCanvas& haupt;
    TCanvas& konoden;
    XorTrace& trace;
    TImageList& bilder;
    TPoint bild;
    int& bildNr;
};
// Plays the keyframes at `marke`, in this order: the tie line of this mark (the previous one
// erased first, so that only what is drawn is erased), or the erase alone; the picture; the
// caption, lines and traces.
void playKeyframes(const AlloyScript& script, int marke, const AlloyCanvas& on);

// The start items of a lesson with several alloys, each with its own timer and cooling mark.
// While one alloy runs or pauses the other alloys' items are off; at the end of its run they
// come back if their alloy has not run yet, and the finished alloy's item stays off until the
// lesson's reset.
struct AlloyStart {
    TMenuItem* item;
    TTimer* timer;
    const int* mark;
    int startMark;
};
// "Start/Stop" of alloy `which`: the other items off, then its timer toggles.
void startStop(std::span<const AlloyStart> alloys, int which);
// The end of alloy `which`'s run.
void finishRun(std::span<const AlloyStart> alloys, int which);
// The reset: every timer off, every item on.
void resetRuns(std::span<const AlloyStart> alloys);

} // namespace typediagram
} // namespace wb
