// What the tests of the program's start-up, cover page, main menu and information page share:
// the table of all forms, the table of the main menu's commands, and script runs of the whole
// program through the headless driver.
#pragma once

#include "tests/support/Program.h"

#include <QJsonArray>
#include <QJsonObject>
#include <string>
#include <vector>

namespace shelltest {

// A form as start-up leaves it on a 1024 x 768 screen, before anything is shown.
struct FormRow {
    const char* name;
    const char* caption;
    int left, top, width, height; // outer bounds: the forms centred at every paint are not placed yet
    int clientWidth, clientHeight; // tell the border: tool window, sizeable or none
    const char* color;
    int fontHeight;
    const char* status; // the status bar's text, "" without one
    int statusHeight;
    const char* escName; // the Esc item
    const char* escCaption;
    bool escVisible;
};

extern const std::vector<FormRow> kForms;

// A main-menu command and the form it opens modally.
struct Command {
    const char* item;
    const char* form;
};

extern const std::vector<Command> kCommands;

const FormRow& formRow(const std::string& name);

// The 33 page forms the page-colour command recolours.
extern const std::vector<std::string> kPageForms;

using ScriptResult = wbtest::ProgramRun;

// Runs the whole program (all 49 forms, the real start-up, the program's own driver commands)
// from a driver script.
ScriptResult runProgram(const std::string& script);

using wbtest::json;
// A component of a `state` answer by name (an empty object when there is none).
QJsonObject component(const QJsonObject& state, const QString& name);
// The names in a JSON array of strings.
std::vector<std::string> names(const QJsonArray& array);

} // namespace shelltest
