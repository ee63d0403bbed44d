// The program's forms, one row each: how the form is created, which main-menu command opens it
// and whether the main menu's page-colour command reaches it. Start-up, the main menu, the random
// walk and the text-fit check all read this one table; a new window is one row and its unit.
#pragma once

#include "framework/Application.h"

#include <span>

namespace wb {

class TForm;

// The main-menu command that opens a form. `item` names an item the main menu declares, or,
// with `parent` and `caption` given, an item the menu adds at the end of the menu named
// `parent` (a menu declared there, also one added after the forms of today). No item: nothing
// in the main menu opens the form.
struct MenuCommand {
    const char* item = nullptr;
    const char* parent = nullptr;
    const char* caption = nullptr;
};

enum class PageColour { Own, Page };

struct FormRow {
    // Creates the form (Application.CreateForm into its program-wide pointer).
    void (*create)() = nullptr;
    // The form once created, null before.
    TForm* (*form)() = nullptr;
    MenuCommand command;
    // Page: the page-colour command sets the form's colour; Own: it keeps its own.
    PageColour colour = PageColour::Own;
    // What the command does to the form before it opens it (null: nothing).
    void (*beforeOpen)() = nullptr;
};

// A row for the form held in the program-wide pointer `Ref` (`formRow<FormZuTyp1>(...)`).
template <auto& Ref>
constexpr FormRow formRow(MenuCommand command = {}, PageColour colour = PageColour::Own, void (*beforeOpen)() = nullptr)
{
    return { [] { Application.CreateForm(Ref); }, []() -> TForm* { return Ref; }, command, colour, beforeOpen };
}

// Every form of the program in creation order; the first is the main form.
std::span<const FormRow> formRegistry();

// The row of a created form, or null.
const FormRow* registryRow(const TForm* form);

} // namespace wb
