// Moments of a lesson run in the whole program, for the diagram-type lessons' driver tests: the
// driver commands after the lesson was opened from the main menu, with checks in between, each
// turned into a driver query when the script is built and compared after the run.
#pragma once

#include "tests/support/Program.h"

#include <QImage>
#include <QPoint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace wbtest {

struct Step {
    enum Kind { Command, Pixel, Text, Timer, Item, Top, MemoLines } kind;
    std::string name; // the command, or the component, timer or item asked about
    std::string expected; // a colour "#RRGGBB", a text ("-" for empty), "on"/"off", a form, a count
    int x = 0; // a pixel in the diagram boxes' coordinates
    int y = 0;
};
inline Step command(const std::string& line)
{
    return { Step::Command, line, {} };
}
inline Step pixel(int x, int y, const char* color)
{
    return { Step::Pixel, {}, color, x, y };
}
inline Step text(const char* edit, const char* shown)
{
    return { Step::Text, edit, shown };
}
inline Step timer(const char* name, bool on)
{
    return { Step::Timer, name, on ? "on" : "off" };
}
inline Step item(const char* name, bool on)
{
    return { Step::Item, name, on ? "on" : "off" };
}
inline Step top(const char* form)
{
    return { Step::Top, {}, form };
}
inline Step memoLines(int count)
{
    return { Step::MemoLines, "MemoErlaeuterung", std::to_string(count) };
}

struct Moment {
    const char* name;
    std::vector<Step> steps;
};

// Where the lesson lives: its form, the main menu item that opens it and the top-left of its
// diagram boxes in the client area.
struct Lesson {
    const char* form;
    const char* menuItem;
    QPoint diagram;
};

// Runs the moment's script and checks every answer; reports each check that differs.
void expectMoment(const Lesson& lesson, const Moment& m);

// A test name from a moment's description.
std::string momentName(const char* description);

} // namespace wbtest

namespace wbtest {

// A strip of `frames` frames of their own, each one colour whose red component is its index,
// so that a pixel of the picture tells which frame was drawn there last.
QImage codedStrip(int frames, int width, int height);
// The frame index a pixel of a coded strip shows; -1 for any other colour.
int codedFrame(wb::TColor c);

// Starts a run with its item and lets its timer tick until the run ends.
void runToEnd(wb::TMenuItem& start, const wb::TTimer& timer);

// Runs a timer's ticks until it stops (at most `maxTicks`) and notes, whenever the pixel
// `probe()` returns shows another coded frame, the tick and the frame: (tick, frame).
std::vector<std::pair<int, int>> frameChanges(
    const wb::TTimer& timer, const std::function<wb::TColor()>& probe, int maxTicks = 200);

} // namespace wbtest
