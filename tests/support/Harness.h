// Shared test helpers: a headless application, tiny canvases with ASCII-art checks, scripted
// events for modal loops and in-process driver runs.
#pragma once

#include "framework/Application.h"
#include "framework/Canvas.h"

#include <QImage>
#include <QString>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace wb {
class ScriptDriver;
class TMenuItem;
} // namespace wb

namespace wbtest {

// A canvas on a small image of its own, filled with one colour.
class PixelCanvas : public wb::CanvasTarget {
public:
    PixelCanvas(int width, int height, wb::TColor background = wb::clWhite);
    wb::TCanvas canvas { this };
    QImage image;
    QRect lastChanged;

    QImage* pixels() override { return &image; }
    QPoint origin() const override { return { 0, 0 }; }
    QRect clip() const override { return image.rect(); }
    void changed(const QRect& r) override { lastChanged = r; }

    wb::TColor at(int x, int y) const;
};

// Compares an image with rows of characters: each character names a colour through the
// legend ('.' and '#' by default white and black). Reports the first wrong pixel.
::testing::AssertionResult matchesRows(const QImage& image, const std::vector<std::string>& rows,
    const std::map<char, wb::TColor>& legend = {}, QPoint offset = {});

// Events for modal loops in tests: each pump runs the next queued action.
class ScriptedEvents : public wb::EventSource, public wb::DialogAnswers {
public:
    std::deque<std::function<void()>> actions;
    std::deque<std::optional<wb::TColor>> colors;
    std::vector<QString> messages;

    bool pumpOne() override;
    std::optional<wb::TColor> colorDialog(wb::TColor initial) override;
    void messageBox(const QString& text) override { messages.push_back(text); }
};

ScriptedEvents& events();

// Runs a driver script in-process against `program` (which creates forms and calls
// Application.Run). Returns the exit code; fills out and err.
// `setupDriver` may add commands (the program's own extensions) before the script runs.
int runScript(const std::string& script, const std::function<void()>& createForms, std::string* out,
    std::string* err = nullptr, bool keepGoing = false, const std::function<void(wb::ScriptDriver&)>& setupDriver = {});

// A menu item whose command closes its form, found by what it is, never by its caption: one
// declared with closesForm, the Esc item, or the form's "&Ende" item, which is named Ende (ende1
// on the information page) on every form, also where its handler does more than close.
bool closesItsForm(const wb::TMenuItem& item);

// Cleans up between tests: forms created through CreateForm, the window and modal stacks, the
// queued test events and the screen size. The virtual clock keeps its time.
void resetApplication();

} // namespace wbtest
