// The thermal analysis run shared by the two thermal-analysis lessons: six cooling curves grow
// pixel by pixel, connecting lines carry their arrest points across to the composition lines,
// and three column painters fill the phase diagram built from them. Each lesson gives its own
// tables; the stepping and drawing are the same for both.
#pragma once

#include "framework/Canvas.h"
#include "framework/Figures.h"

#include <array>
#include <span>

namespace wb::thermal {

// The number of cooling curves: pure A, the alloys L1 ... L4, pure B.
constexpr int kKurven = 6;

// [v]: y = a·(x − b)² + c computed in floating point, stored in single precision, rounded
// half to even. With a = 0 it is the plateau at c.
struct Parabola {
    double a;
    double b;
    double c;
    int at(float x) const;
};

// A plateau: the arrest of a cooling curve, or a horizontal line of the diagram.
constexpr Parabola flat(double y)
{
    return { 0, 0, y };
}

// The lessons write their step and end tests in four ways (x <= 19, x < 220, x >= 170,
// x > 110); they are kept as written.
struct Condition {
    enum Test { Below, AtMost, AtLeast, Above };
    Test test;
    float value;
    bool holds(float x) const;
};

// Which x gives a step's height: the new one, or the one before the step (the point is then
// drawn one pixel right of where its height was taken).
enum class HeightAt { AfterStep, BeforeStep };

// One segment of a cooling curve: its height and the x it starts from. The start x of a
// segment is also the kink of the one before: the next one steps while the earlier x stands
// there.
struct CurveSegment {
    Parabola f;
    float startX;
};

// A cooling curve of two to four segments (melt, [primary crystallisation], [arrest], solid).
struct CoolingCurve {
    TPoint start; // where the pen stands before the curve's first tick
    Condition melt; // the melt segment steps while its x (before the step) passes this
    HeightAt meltHeight;
    std::array<CurveSegment, 4> segments;
    int segmentCount;
    Condition end; // tested on the last segment's x after the tick's steps
};

// A curve's x per segment; an x set to 1000 stops its segment for good.
struct CurveState {
    std::array<float, 4> x {};
};
CurveState startState(const CoolingCurve& curve);

// What one tick of a curve draws: lines from the pen to each point in turn. The tick that
// reaches a kink draws two points, the last of one segment and the first of the next.
struct CurveTick {
    std::array<TPoint, 4> points {};
    int count = 0;
    bool finished = false;
};
CurveTick stepCurve(const CoolingCurve& curve, CurveState& state);

// A connecting line: it grows by one pixel per tick from `from` along its y to `to`. Circles
// stand at the start when it begins (normally one, at from.x) and wherever the line's x
// reaches one of `reachCircles` (normally only to.x, where the circle is drawn again on every
// later tick while the line stands there).
struct Connection {
    TPoint from;
    TPoint to;
    std::span<const int> startCircles = {};
    std::span<const int> reachCircles = {};
};

// The 6 × 6 circle on a point: Ellipse(x − 3, y − 3, x + 3, y + 3).
constexpr Box circleAt(TPoint p)
{
    return { p.X - 3, p.Y - 3, p.X + 3, p.Y + 3 };
}

struct ConnectionTick {
    std::array<TPoint, 4> startCircles {};
    int startCount = 0;
    bool grows = false; // a line from (x, y) to (x + 1, y), x the value before the step
    int fromX = 0;
    bool reachCircle = false;
};
ConnectionTick stepConnection(const Connection& line, int& x);

// A run of diagram columns: x steps by one per tick while its value before the step is at most
// `last`; each step gives the point (x + dx, [f(x)] + dy) with x the new value or the one before
// the step.
struct ColumnRun {
    float startX;
    float last;
    int dx;
    Parabola f;
    HeightAt heightAt;
    int dy;
};

// A diagram curve of one or two branches: the second steps once the first's x has passed its
// last value (and is held there), starting in the tick in which the first takes its last step.
struct Trace {
    ColumnRun first;
    bool twoBranches;
    ColumnRun second;
};

struct TraceState {
    float first = 0;
    float second = 0;
};
TraceState startState(const Trace& trace);

struct TraceTick {
    std::array<TPoint, 2> points {};
    int count = 0;
};
TraceTick stepTrace(const Trace& trace, TraceState& state);
// Whether the trace has taken its last step: the last branch's x has passed its last value.
bool traceDone(const Trace& trace, const TraceState& state);

// The diagram painters, enabled together when the connecting lines are complete.
struct Diagram {
    Trace liquidus; // the red painter's upper curve
    Trace lower; // and where its second line of each tick goes (solidus or eutectic line)
    Trace melt; // the melt columns hang from y = meltTop
    int meltTop;
    Trace solid; // the solid columns stand on y = solidBottom
    int solidBottom;
};

// The phase diagram's composition lines (0, 20, ... 100 % B), 60 pixels per 20 %, from the
// concentration axis up to y = 40; the same y is the same temperature in both panels.
constexpr int kZusammensetzungX[] = { 450, 510, 570, 630, 690, 750 };
constexpr int kAchseY = 350;
constexpr int kZusammensetzungOben = 40;

// Where the two lessons' static pictures differ.
struct StaticPicture {
    // Type 2 outlines the whole box white on yellow and whitens the right panel before the
    // colour bands, with no separate line at x = 420.
    bool whitePanelFirst;
    TColor timeAxisBrush;
    TColor timeAxisFont;
    int concentrationY; // of "Konzentration", "A" and "B"
};

// The picture after the last diagram columns.
struct FinalPicture {
    std::span<const TextAt> black; // in black "MS Sans Serif"
    std::span<const TextAt> white; // in white
    std::span<const TextAt> symbol; // white, in "Symbol": a is alpha, b beta
    std::span<const Box> circles; // blue, over the silver lines
};

// Everything one lesson's run needs.
struct Lesson {
    std::array<CoolingCurve, kKurven> curves;
    std::span<const Connection> connections;
    int leadingConnection; // the longest: its completion ends the connecting stage
    TPoint diagramStart; // where the pen stands for the diagram painters' first lines
    TColor connectionColor;
    Diagram diagram;
    StaticPicture staticPicture;
    FinalPicture finalPicture;
};

// The run's state. Its pen position is the run's own: the lines continue from the last point
// the run drew, not from wherever a repaint left the canvas pen (its last label), which would
// draw a stray line across the diagram.
struct RunState {
    std::array<CurveState, kKurven> curves;
    std::array<int, 10> VerbindungX {};
    TraceState liquidus;
    TraceState lower;
    TraceState melt;
    TraceState solid;
    TPoint pen;
};
RunState startState(const Lesson& lesson);

// The static picture, drawn completely by the paint handler. Leaves the font at height 14 for
// the final picture's texts.
void paintStatic(TCanvas& c, const StaticPicture& look);

// One tick of curve k (0 ... 5); true when the curve is complete and the pen stands at the
// next curve's start.
bool tickCurve(TCanvas& c, const Lesson& lesson, RunState& s, int k);
// One tick of the connecting lines; true when the leading line is complete (the other lines
// took their steps of that tick too) and the pen stands at the diagram's start.
bool tickConnections(TCanvas& c, const Lesson& lesson, RunState& s);
// One tick of each diagram painter; true when the painter has taken its last step. The red
// painter's lines run from the pen (the end of the solid painter's last column) to the
// liquidus and on to the lower curve, so that it fills the two-phase field column by column.
bool tickLiquidus(TCanvas& c, const Lesson& lesson, RunState& s);
bool tickMelt(TCanvas& c, const Lesson& lesson, RunState& s);
bool tickSolid(TCanvas& c, const Lesson& lesson, RunState& s);
// The frame, labels, silver lines and circles drawn after the last columns.
void paintFinal(TCanvas& c, const Lesson& lesson);

} // namespace wb::thermal
