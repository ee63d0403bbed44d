// The thermal analysis run shared by the two thermal-analysis lessons.
#include "phase/ThermalAnalysis.h"

#include <cassert>

namespace wb::thermal {

namespace {

// An x set here stops its segment: no step or kink test matches it again.
constexpr float kGestoppt = 1000;

constexpr TColor kFeldRot = clRed; // the two-phase fields and the final frame
constexpr TColor kSchmelzeGelb = RGB(0xFF, 0xE1, 0x00);
constexpr TColor kFestBraun = RGB(0x64, 0x00, 0x00);

// clang-format off
// The left panel's time and temperature axes and the curve labels above the curves.
constexpr TextAt kKurvenNamen[] = {
    { 10, 25, "A" }, { 70, 25, "L1" }, { 130, 25, "L2" }, { 190, 25, "L3" }, { 250, 25, "L4" }, { 310, 25, "B" },
};
// The concentration scale under the right panel, at font height 14.
constexpr TextAt kSkala[] = {
    { 440, 355, "  0 % B" }, { 500, 355, " 20" }, { 560, 355, " 40" }, { 620, 355, " 60" }, { 680, 355, " 80" },
    { 720, 355, "100 %" },
};
// The composition lines' names above them.
constexpr TextAt kLegierungsNamen[] = {
    { 445, 25, "A" }, { 505, 25, "L1" }, { 565, 25, "L2" }, { 625, 25, "L3" }, { 685, 25, "L4" }, { 745, 25, "B" },
};
// The red frame round the finished diagram, 5 pixels wide.
constexpr TPoint kRahmenPunkte[] = { { 449, 351 }, { 751, 351 }, { 751, 59 }, { 449, 59 }, { 449, 351 } };
constexpr Polyline kRahmen = { kRahmenPunkte };
// clang-format on

void line(TCanvas& c, TPoint from, TPoint to)
{
    draw(c, Segment { from, to });
}

void ellipse(TCanvas& c, const Box& b)
{
    c.Ellipse(b.x1, b.y1, b.x2, b.y2);
}

// The run's pen: every line of the run starts where the run's last one ended.
void moveTo(TCanvas& c, RunState& s, TPoint p)
{
    c.MoveTo(p.X, p.Y);
    s.pen = p;
}

void lineTo(TCanvas& c, RunState& s, TPoint p)
{
    c.MoveTo(s.pen.X, s.pen.Y);
    c.LineTo(p.X, p.Y);
    s.pen = p;
}

void solidPen(TCanvas& c, TColor color, int width)
{
    c.Pen.SetStyle(psSolid);
    c.Pen.SetWidth(width);
    c.Pen.SetColor(color);
}

// The point of a column step: x the new value, h the x whose height is taken.
TPoint columnPoint(const ColumnRun& run, float x, float h)
{
    return { int(x) + run.dx, run.f.at(h) + run.dy };
}

bool stepColumn(const ColumnRun& run, float& x, TraceTick& tick)
{
    if (!(x <= run.last))
        return false;
    const float before = x;
    x += 1;
    tick.points[tick.count++] = columnPoint(run, x, run.heightAt == HeightAt::AfterStep ? x : before);
    return true;
}

} // namespace

int Parabola::at(float x) const
{
    const double d = double(x) - b;
    return RoundSingle(a * d * d + c);
}

bool Condition::holds(float x) const
{
    switch (test) {
    case Below:
        return x < value;
    case AtMost:
        return x <= value;
    case AtLeast:
        return x >= value;
    case Above:
        return x > value;
    }
    return false;
}

CurveState startState(const CoolingCurve& curve)
{
    CurveState s;
    for (int i = 0; i < curve.segmentCount; ++i)
        s.x[size_t(i)] = curve.segments[size_t(i)].startX;
    return s;
}

CurveTick stepCurve(const CoolingCurve& curve, CurveState& state)
{
    assert(curve.segmentCount >= 2 && curve.segmentCount <= 4);
    CurveTick tick;
    auto& x = state.x;
    const auto& seg = curve.segments;

    // The melt segment, tested on the x before the step.
    if (curve.melt.holds(x[0])) {
        const float before = x[0];
        x[0] += 1;
        const float h = curve.meltHeight == HeightAt::AfterStep ? x[0] : before;
        tick.points[tick.count++] = { int(x[0]), seg[0].f.at(h) };
    }
    // Each later segment steps while the one before stands at its kink (this segment's start
    // x); from the third on, a segment stops the one two before it for good, so that the one
    // just before stays at its kink.
    for (int i = 1; i < curve.segmentCount; ++i) {
        const size_t k = size_t(i);
        if (x[k - 1] != seg[k].startX)
            continue;
        if (i >= 2)
            x[k - 2] = kGestoppt;
        x[k] += 1;
        tick.points[tick.count++] = { int(x[k]), seg[k].f.at(x[k]) };
    }
    tick.finished = curve.end.holds(x[size_t(curve.segmentCount - 1)]);
    return tick;
}

ConnectionTick stepConnection(const Connection& line, int& x)
{
    ConnectionTick tick;
    if (x == line.from.X) {
        if (line.startCircles.empty()) {
            tick.startCircles[0] = line.from;
            tick.startCount = 1;
        } else {
            for (int cx : line.startCircles)
                tick.startCircles[size_t(tick.startCount++)] = { cx, line.from.Y };
        }
    }
    if (x < line.to.X) {
        tick.grows = true;
        tick.fromX = x;
        x += 1;
    }
    if (line.reachCircles.empty()) {
        tick.reachCircle = x == line.to.X;
    } else {
        for (int rx : line.reachCircles)
            if (x == rx)
                tick.reachCircle = true;
    }
    return tick;
}

TraceState startState(const Trace& trace)
{
    return { trace.first.startX, trace.second.startX };
}

TraceTick stepTrace(const Trace& trace, TraceState& state)
{
    TraceTick tick;
    stepColumn(trace.first, state.first, tick);
    // The second branch takes over once the first is held one past its last value.
    if (trace.twoBranches && state.first > trace.first.last)
        stepColumn(trace.second, state.second, tick);
    return tick;
}

bool traceDone(const Trace& trace, const TraceState& state)
{
    return trace.twoBranches ? state.second > trace.second.last : state.first > trace.first.last;
}

RunState startState(const Lesson& lesson)
{
    RunState s;
    for (int k = 0; k < kKurven; ++k)
        s.curves[size_t(k)] = startState(lesson.curves[size_t(k)]);
    assert(lesson.connections.size() <= s.VerbindungX.size());
    for (size_t i = 0; i < lesson.connections.size(); ++i)
        s.VerbindungX[i] = lesson.connections[i].from.X;
    s.liquidus = startState(lesson.diagram.liquidus);
    s.lower = startState(lesson.diagram.lower);
    s.melt = startState(lesson.diagram.melt);
    s.solid = startState(lesson.diagram.solid);
    s.pen = lesson.curves[0].start;
    return s;
}

void paintStatic(TCanvas& c, const StaticPicture& look)
{
    if (look.whitePanelFirst) {
        c.Pen.SetColor(clWhite);
        c.Brush.SetColor(clYellow);
        c.Rectangle(0, 0, 765, 410);
        c.Brush.SetColor(clWhite);
        c.Rectangle(420, 0, 765, 410);
    } else {
        // With the pen as it is and the paint box's colour: the bands and the panel cover it.
        c.Rectangle(0, 0, 765, 410);
    }

    // Colour bands of the left panel from hot to cold: yellow, red with the green running out,
    // then red darkening. Rows 70 and 325 belong to two bands and come out the same; the last
    // band runs on to row 420, below the box, and its colour outlines the right panel.
    c.Brush.SetColor(clWhite);
    c.Pen.SetStyle(psSolid);
    c.Pen.SetWidth(1);
    auto band = [&c](int y, TColor color) {
        c.Pen.SetColor(color);
        c.MoveTo(0, y);
        c.LineTo(420, y);
    };
    for (int y = 0; y <= 70; ++y)
        band(y, clYellow);
    for (int y = 70; y <= 325; ++y)
        band(y, RGB(255, 325 - y, 0));
    for (int y = 325; y <= 420; ++y)
        band(y, RGB(905 - 2 * y, 0, 0));
    if (!look.whitePanelFirst) {
        c.Rectangle(420, 0, 765, 410);
        line(c, { 420, 0 }, { 420, 410 });
    }

    // The time axis.
    c.Pen.SetColor(clBlack);
    c.Pen.SetStyle(psSolid);
    c.Brush.SetColor(look.timeAxisBrush);
    c.Font.SetHeight(16);
    c.Font.SetColor(look.timeAxisFont);
    line(c, { 5, 350 }, { 415, 350 });
    c.TextOut(380, 355, QStringLiteral("Zeit"));

    // The temperature axis and the curves' names.
    c.Brush.SetColor(clYellow);
    c.Font.SetHeight(16);
    c.Font.SetColor(clBlack);
    line(c, { 5, 350 }, { 5, 20 });
    c.TextOut(10, 5, QStringLiteral("Temperatur"));
    drawAll(c, kKurvenNamen);

    // The right panel: concentration axis, scale, composition lines and their names.
    c.Brush.SetColor(clWhite);
    c.Font.SetHeight(16);
    c.Pen.SetColor(clBlack);
    line(c, { 450, kAchseY }, { 750, kAchseY });
    c.TextOut(550, look.concentrationY, QStringLiteral("Konzentration"));
    c.TextOut(445, look.concentrationY, QStringLiteral("A"));
    c.TextOut(745, look.concentrationY, QStringLiteral("B"));
    c.Font.SetHeight(14);
    drawAll(c, kSkala);
    for (int x : kZusammensetzungX)
        line(c, { x, kAchseY }, { x, kZusammensetzungOben });
    drawAll(c, kLegierungsNamen);
}

bool tickCurve(TCanvas& c, const Lesson& lesson, RunState& s, int k)
{
    assert(k >= 0 && k < kKurven);
    c.Pen.SetWidth(3);
    c.Pen.SetColor(clBlack);
    const CurveTick tick = stepCurve(lesson.curves[size_t(k)], s.curves[size_t(k)]);
    for (int i = 0; i < tick.count; ++i)
        lineTo(c, s, tick.points[size_t(i)]);
    // The next curve starts from its own start; the last hands over to the connecting lines
    // without moving the pen.
    if (tick.finished && k + 1 < kKurven)
        moveTo(c, s, lesson.curves[size_t(k + 1)].start);
    return tick.finished;
}

bool tickConnections(TCanvas& c, const Lesson& lesson, RunState& s)
{
    c.Pen.SetWidth(1);
    c.Pen.SetColor(lesson.connectionColor);
    c.Pen.SetStyle(psDot);
    c.Brush.SetColor(clBlue);
    bool complete = false;
    for (size_t i = 0; i < lesson.connections.size(); ++i) {
        const Connection& line = lesson.connections[i];
        const ConnectionTick tick = stepConnection(line, s.VerbindungX[i]);
        for (int j = 0; j < tick.startCount; ++j)
            ellipse(c, circleAt(tick.startCircles[size_t(j)]));
        if (tick.grows) {
            moveTo(c, s, { tick.fromX, line.from.Y });
            lineTo(c, s, { tick.fromX + 1, line.from.Y });
        }
        if (tick.reachCircle)
            ellipse(c, circleAt({ s.VerbindungX[i], line.from.Y }));
        // The leading line ends the stage right after its own steps; the lines after it still
        // take theirs in this tick.
        if (int(i) == lesson.leadingConnection && s.VerbindungX[i] == line.to.X) {
            moveTo(c, s, lesson.diagramStart);
            complete = true;
        }
    }
    return complete;
}

bool tickLiquidus(TCanvas& c, const Lesson& lesson, RunState& s)
{
    const Diagram& d = lesson.diagram;
    solidPen(c, kFeldRot, 3);
    const TraceTick upper = stepTrace(d.liquidus, s.liquidus);
    for (int i = 0; i < upper.count; ++i)
        lineTo(c, s, upper.points[size_t(i)]);
    const TraceTick lower = stepTrace(d.lower, s.lower);
    for (int i = 0; i < lower.count; ++i)
        lineTo(c, s, lower.points[size_t(i)]);
    return traceDone(d.liquidus, s.liquidus);
}

bool tickMelt(TCanvas& c, const Lesson& lesson, RunState& s)
{
    const Diagram& d = lesson.diagram;
    solidPen(c, kSchmelzeGelb, 3);
    const TraceTick tick = stepTrace(d.melt, s.melt);
    for (int i = 0; i < tick.count; ++i) {
        const TPoint p = tick.points[size_t(i)];
        moveTo(c, s, { p.X, d.meltTop });
        lineTo(c, s, p);
    }
    return traceDone(d.melt, s.melt);
}

bool tickSolid(TCanvas& c, const Lesson& lesson, RunState& s)
{
    const Diagram& d = lesson.diagram;
    c.Font.SetName(QStringLiteral("Ms Sans Serif"));
    solidPen(c, kFestBraun, 3);
    const TraceTick tick = stepTrace(d.solid, s.solid);
    for (int i = 0; i < tick.count; ++i) {
        const TPoint p = tick.points[size_t(i)];
        moveTo(c, s, { p.X, d.solidBottom });
        lineTo(c, s, p);
    }
    c.Brush.SetColor(clWhite);
    return traceDone(d.solid, s.solid);
}

void paintFinal(TCanvas& c, const Lesson& lesson)
{
    const FinalPicture& f = lesson.finalPicture;
    solidPen(c, kFeldRot, 5);
    draw(c, kRahmen);

    // The labels go on the fields without a background, at the font height the static picture
    // left (14).
    c.Brush.SetStyle(bsClear);
    c.Font.SetColor(clBlack);
    c.Font.SetName(QStringLiteral("MS Sans Serif"));
    drawAll(c, f.black);
    c.Font.SetColor(clWhite);
    drawAll(c, f.white);
    c.Font.SetName(QStringLiteral("Symbol"));
    drawAll(c, f.symbol);

    // The composition and connecting lines once more over the fields, dotted silver with the
    // fields showing through the gaps.
    c.Pen.SetColor(clSilver);
    c.Pen.SetWidth(1);
    c.Pen.SetStyle(psDot);
    for (int x : kZusammensetzungX)
        line(c, { x, kAchseY }, { x, kZusammensetzungOben });
    for (const Connection& l : lesson.connections)
        line(c, l.from, l.to);

    c.Brush.SetColor(clBlue);
    solidPen(c, clBlue, 2);
    for (const Box& b : f.circles)
        ellipse(c, b);
}

} // namespace wb::thermal
