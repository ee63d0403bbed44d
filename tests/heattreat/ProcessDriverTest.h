// What the driver tests of the process lessons share: a script run from the main menu, and the
// state of a form at rest.
#pragma once

#include "tests/support/Program.h"

#include <initializer_list>
#include <string>

namespace processtest {

// Pixels are given in the form's client area; the driver answers them as #RRGGBB.
constexpr const char* kGold = "#FFD700";
constexpr const char* kRed = "#FF0000";

// The whole program, past the cover page, through `script`.
inline wbtest::ProgramRun runFromMenu(const std::string& script, bool keepGoing = false)
{
    return wbtest::runProgram("skip-cover\n" + script, keepGoing);
}

// A form at rest: unlocked, its start items enabled and its timers stopped.
inline void expectIdle(
    const wbtest::StateView& state, std::initializer_list<const char*> items, std::initializer_list<const char*> timers)
{
    EXPECT_TRUE(state.enabled());
    for (const char* item : items)
        EXPECT_TRUE(state.itemEnabled(item)) << item;
    for (const char* timer : timers)
        EXPECT_FALSE(state.timerEnabled(timer)) << timer;
}

} // namespace processtest
