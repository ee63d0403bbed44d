// The test kit for lessons: driver scripts over the whole program with a typed view of their
// answers, a fixture that opens one lesson form on its own, pixels in a component's own
// coordinates, menu-item expectations and the NOT-XOR oracle.
#pragma once

#include "framework/Controls.h"
#include "framework/FormAccess.h"
#include "framework/Forms.h"
#include "framework/Menus.h"
#include "framework/Timers.h"
#include "tests/support/Harness.h"

#include <QJsonObject>
#include <QPoint>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace wbtest {

// --- Driver scripts ---------------------------------------------------------------------------

// What a script run printed: the exit code, one answer a line, and the error output.
struct ProgramRun {
    int code = -1;
    std::vector<std::string> lines;
    std::string err;
};

// Runs a driver script against the whole program (every form, the real start-up).
ProgramRun runProgram(
    const std::string& script, bool keepGoing = false, const std::function<void(wb::ScriptDriver&)>& setupDriver = {});

// A driver answer as JSON (a `state` or `forms` line).
QJsonObject json(const std::string& line);
// A `pixel` answer as a colour; -1 if the line is not one.
wb::TColor color(const std::string& line);

// A typed view of a `state` answer: the form, its components, menu items and timers by name.
// Asking for a name that is not there is a test failure.
class StateView {
public:
    explicit StateView(const QJsonObject& state);
    explicit StateView(const std::string& line);

    const QJsonObject& raw() const { return m_state; }
    bool enabled() const;
    bool visible() const;

    QJsonObject component(const char* name) const;
    QJsonObject item(const char* name) const;
    QJsonObject timer(const char* name) const;

    bool visible(const char* component) const;
    std::string text(const char* component) const;
    bool itemEnabled(const char* item) const;
    bool timerEnabled(const char* timer) const;
    std::vector<std::string> memoLines(const char* memo) const;
    // Every menu item, and every timer, by name: whether it is enabled.
    std::map<std::string, bool> itemsEnabled() const;
    std::map<std::string, bool> timersEnabled() const;

private:
    QJsonObject find(const char* list, const char* name) const;
    std::map<std::string, bool> enabledByName(const char* list) const;
    QJsonObject m_state;
};

// A driver script built line by line. Every query answers one line, so a query's answer is
// found by the number it returned when it was added.
class Script {
public:
    Script() = default;
    Script(std::initializer_list<std::string> opening);

    Script& operator<<(const std::string& line);
    // The number of the line added last, as the driver counts lines in its error messages.
    int line() const { return m_lineCount; }

    int pixel(int x, int y);
    int pixel(QPoint p) { return pixel(p.x(), p.y()); }
    int state(const std::string& form);
    int forms();
    // The text of the message box shown since the last ask, or an empty line.
    int message();

    // Runs the script; a run that does not answer every query is a test failure.
    void run(bool keepGoing = false);

    std::string answer(int query) const { return m_run.lines.at(query); }
    wb::TColor color(int query) const { return wbtest::color(answer(query)); }
    QJsonObject json(int query) const { return wbtest::json(answer(query)); }
    StateView stateView(int query) const { return StateView(json(query)); }
    int code() const { return m_run.code; }
    const std::string& err() const { return m_run.err; }

private:
    int query(const std::string& line);
    std::string m_text;
    int m_lineCount = 0;
    int m_queries = 0;
    ProgramRun m_run;
};

// --- One lesson form on its own ---------------------------------------------------------------

// Stops every timer of the form, so that nothing ticks into the next test.
void stopTimers(wb::TForm& form);

// The colour of a pixel of the form's surface, in the coordinates of one of its controls.
wb::TColor pixelIn(wb::TForm& form, const wb::TControl& control, int x, int y);

// The result of drawing `pen` with pmNotXor over `under`: NOT (pen XOR under), per channel.
constexpr wb::TColor notXor(wb::TColor under, wb::TColor pen)
{
    return ~(under ^ pen) & 0xFFFFFF;
}

// What a menu item should be: its caption, shortcut text, visibility and whether it is enabled.
struct ItemExpectation {
    const char* name;
    const char* caption;
    const char* shortCut = "";
    bool visible = true;
    bool enabled = true;
};
// Every item of the form's menu, in description order, as expected; reports the first difference.
::testing::AssertionResult menuIs(const wb::TForm& form, const std::vector<ItemExpectation>& items);

// A fixture for one lesson form of its own: shown and painted before the test (its static
// picture kept in `opened`), every timer stopped and the form hidden after it.
template <class Form> class LessonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetApplication();
        wb::FormAccess::create(f);
        f.Show();
        wb::Application.flushPendingPaints();
        opened = wb::FormAccess::surface(f).copy();
    }
    void TearDown() override
    {
        stopTimers(f);
        if (f.Visible())
            f.Hide();
    }

    // A pixel now, and in the picture the form opened with, in a control's own coordinates.
    wb::TColor at(const wb::TControl& control, int x, int y) { return pixelIn(f, control, x, y); }
    wb::TColor openedAt(const wb::TControl& control, int x, int y) const
    {
        return wb::fromPixel(opened.pixel(control.Left() + x, control.Top() + y));
    }

    Form f;
    QImage opened;
};

} // namespace wbtest
