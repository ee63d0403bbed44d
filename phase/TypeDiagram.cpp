// What the four diagram-type lessons share.
#include "phase/TypeDiagram.h"

#include "framework/Controls.h"
#include "framework/Menus.h"
#include "framework/Timers.h"

#include <cassert>

namespace wb::typediagram {

int kristallAnteil(int festX, int schmelzeX, int legierungX)
{
    assert(schmelzeX != festX);
    return ((schmelzeX - legierungX) * 100) / (schmelzeX - festX);
}

MarkStep stepMark(int mark, const MarkSteps& steps)
{
    MarkStep s;
    if (mark < steps.feinBis) {
        mark += steps.feinSchritt;
        s.marks[s.count++] = mark;
    }
    if (mark >= steps.grobAb) {
        mark += steps.grobSchritt;
        s.marks[s.count++] = mark;
    }
    return s;
}

RunPhase runPhase(int mark, bool timerOn, int startMark, int endMark)
{
    if (timerOn)
        return RunPhase::Running;
    if (mark >= endMark)
        return RunPhase::Finished;
    return mark == startMark ? RunPhase::Idle : RunPhase::Paused;
}

void XorTrace::draw(TCanvas& c, const Segment& s)
{
    wb::draw(c, s);
    m_lines.push_back({ &c, s, c.Pen });
}

void XorTrace::erase()
{
    for (const Line& l : m_lines) {
        const TPen kept = l.canvas->Pen;
        l.canvas->Pen = l.pen;
        wb::draw(*l.canvas, l.segment);
        l.canvas->Pen = kept;
    }
    m_lines.clear();
}

void drawNextFrame(TImageList& list, TCanvas& c, int x, int y, int& bildNr)
{
    list.Draw(c, x, y, bildNr);
    ++bildNr;
}

void appendLines(TMemo& memo, std::span<const char* const> lines)
{
    for (const char* line : lines)
        memo.Lines.Add(QString::fromUtf8(line));
}

void draw(TCanvas& c, const Trace& t)
{
    c.MoveTo(t.from.X, t.from.Y);
    for (int x = t.x0; x <= t.x1; ++x)
        c.LineTo(x, t.curve(x));
}

void playKeyframes(const AlloyScript& script, int marke, const AlloyCanvas& on)
{
    for (const KonodenFeld& feld : script.felder)
        for (const Konode& k : feld.rows)
            if (k.y + feld.markeVersatz == marke) {
                on.trace.erase();
                const int y = k.y + feld.yVersatz;
                on.trace.draw(on.konoden, { { k.xs, y }, { k.xl, y } });
            }
    for (int m : script.loeschen)
        if (m == marke)
            on.trace.erase();
    for (const BildSchritt& b : script.bilder)
        if (b.marke == marke) {
            on.bilder.Draw(on.haupt, on.bild.X, on.bild.Y, on.bildNr);
            if (b.weiter)
                ++on.bildNr;
        }
    for (const Keyframe& k : script.keyframes) {
        if (k.marke != marke)
            continue;
        if (k.caption.text) {
            on.haupt.Brush.SetColor(clSilver);
            wb::draw(on.haupt, k.caption);
        }
        for (const Segment& s : k.lines)
            if (!(s.from == s.to))
                wb::draw(on.haupt, s);
        for (const Trace& t : k.traces)
            if (t.curve)
                draw(on.haupt, t);
    }
}

void startStop(std::span<const AlloyStart> alloys, int which)
{
    for (int i = 0; i < int(alloys.size()); ++i)
        if (i != which)
            alloys[i].item->SetEnabled(false);
    TTimer& timer = *alloys[which].timer;
    timer.SetEnabled(!timer.Enabled());
}

void finishRun(std::span<const AlloyStart> alloys, int which)
{
    for (int i = 0; i < int(alloys.size()); ++i)
        if (i != which && *alloys[i].mark == alloys[i].startMark)
            alloys[i].item->SetEnabled(true);
    alloys[which].item->SetEnabled(false);
    alloys[which].timer->SetEnabled(false);
}

void resetRuns(std::span<const AlloyStart> alloys)
{
    for (const AlloyStart& a : alloys) {
        a.timer->SetEnabled(false);
        a.item->SetEnabled(true);
    }
}

} // namespace wb::typediagram
