#include "Program.h"

#include "framework/Application.h"
#include "framework/Timers.h"

namespace wb {

void createAllForms()
{
}

int runProgram()
{
    Application.Initialize();
    createAllForms();
    return Application.Run();
}

void shutdownProgram()
{
    Application.reset();
}

void registerDriverCommands(ScriptDriver&)
{
}

} // namespace wb
