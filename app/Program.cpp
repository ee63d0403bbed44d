#include "Program.h"

#include "FormRegistry.h"
#include "framework/Application.h"
#include "framework/Forms.h"
#include "framework/Timers.h"
#include "framework/Zoom.h"
#include "shell/UnitMenue.h"

namespace wb {

namespace {

// The main menu's commands and its page-colour list, as the registry gives them.
void connectMainMenu()
{
    std::vector<TForm*> pages;
    for (const FormRow& row : formRegistry()) {
        TForm* form = row.form();
        if (row.colour == PageColour::Page)
            pages.push_back(form);
        const MenuCommand& command = row.command;
        if (!command.item)
            continue;
        auto open = [form, before = row.beforeOpen] {
            if (before)
                before();
            form->ShowModal();
        };
        if (command.parent)
            FormMenue->addOpenCommand(QString::fromUtf8(command.parent), QString::fromUtf8(command.item),
                QString::fromUtf8(command.caption), std::move(open));
        else
            FormMenue->setOpenCommand(QString::fromUtf8(command.item), std::move(open));
    }
    FormMenue->setPageForms(std::move(pages));
}

} // namespace

void createAllForms()
{
    // Every form once, in the registry's order; each FormCreate runs here.
    for (const FormRow& row : formRegistry())
        row.create();
    connectMainMenu();
}

namespace {

// The zoom the program starts at: the largest step at which its windows fit the screen. The
// cover page and the main menu fill the screen and were laid out for at least 800 × 600; a
// lesson is an 800 × 600 tool window with its frame.
void chooseZoom()
{
    const FrameMetrics tool = frameMetrics(bsToolWindow);
    const QSize toolFrame(2 * tool.border, 2 * tool.border + tool.caption);
    const zoom::Window windows[] = {
        { QSize(800, 600), QSize(0, 0) },
        { QSize(800, 600) - toolFrame, toolFrame },
    };
    const double z = zoom::fittingStep(Screen.availableArea().size(), windows);
    zoom::setDefaultStep(z);
    zoom::setCurrent(z);
}

} // namespace

int runProgram()
{
    Application.Initialize();
    // Before the forms are created: those that fill the screen take its size at the zoom.
    if (!Application.headless())
        chooseZoom();
    createAllForms();
    return Application.Run();
}

void shutdownProgram()
{
    Application.reset();
}

} // namespace wb
