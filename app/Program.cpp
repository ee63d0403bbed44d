#include "Program.h"

#include "framework/Application.h"
#include "framework/Forms.h"
#include "framework/Timers.h"
#include "framework/Zoom.h"
#include "heattreat/UnitGlueh.h"
#include "heattreat/UnitHaerten.h"
#include "heattreat/UnitLMC45.h"
#include "heattreat/UnitNormal.h"
#include "heattreat/UnitVerHart.h"
#include "heattreat/UnitVerSch.h"
#include "heattreat/UnitVergueten.h"
#include "heattreat/UnitWarme.h"
#include "heattreat/UnitZTAZTU.h"
#include "heattreat/UnitZTAZTU045.h"
#include "ironcarbon/UnitAllEKD.h"
#include "ironcarbon/UnitBildC01.h"
#include "ironcarbon/UnitBildC02.h"
#include "ironcarbon/UnitBildC03.h"
#include "ironcarbon/UnitBildC04.h"
#include "ironcarbon/UnitBildC05.h"
#include "ironcarbon/UnitBildC06.h"
#include "ironcarbon/UnitBildC07.h"
#include "ironcarbon/UnitBildC08.h"
#include "ironcarbon/UnitBildFe.h"
#include "ironcarbon/UnitEKD06.h"
#include "ironcarbon/UnitEKD12.h"
#include "ironcarbon/UnitEKD30.h"
#include "ironcarbon/UnitEKDBilder.h"
#include "ironcarbon/UnitEKDGESAMT.h"
#include "ironcarbon/UnitEKDmestabil.h"
#include "ironcarbon/UnitReineisen.h"
#include "phase/UnitAbZUTYP1.h"
#include "phase/UnitAbZUTYP2.h"
#include "phase/UnitAllZu.h"
#include "phase/UnitEntZu.h"
#include "phase/UnitErkundenZu.h"
#include "phase/UnitZuTyp5.h"
#include "phase/UnitZuTyp6.h"
#include "phase/UnitZutyp1.h"
#include "phase/UnitZutyp2.h"
#include "phase/UnitZutyp3.h"
#include "phase/UnitZutyp4.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitInfo.h"
#include "shell/UnitMenue.h"
#include "timetemp/UnitALLZTAZTU.h"
#include "timetemp/UnitZTAconC045.h"
#include "timetemp/UnitZTAconC07.h"
#include "timetemp/UnitZTAisoC045.h"
#include "timetemp/UnitZTUconC045.h"
#include "timetemp/UnitZTUconC07.h"
#include "timetemp/UnitZTUisoC045.h"
#include "timetemp/UnitZTUisoC07.h"
#include "timetemp/UnitZeitab.h"

namespace wb {

void createAllForms()
{
    // The first form created is the main form: closing the cover page ends the program.
    Application.CreateForm(FormDeckblatt);
    Application.CreateForm(FormMenue);
    Application.CreateForm(FormAllZu);
    Application.CreateForm(FormEntZu);
    Application.CreateForm(FormAbZuTyp2);
    Application.CreateForm(FormZuTyp1);
    Application.CreateForm(FormZuTyp2);
    Application.CreateForm(FormZuTyp3);
    Application.CreateForm(FormZuTyp4);
    Application.CreateForm(FormZuTyp5);
    Application.CreateForm(FormZuTyp6);
    Application.CreateForm(FormAllEKD);
    Application.CreateForm(FormReineisen);
    Application.CreateForm(FORMEKDGESAMT);
    Application.CreateForm(FormEKD06);
    Application.CreateForm(FormEKD12);
    Application.CreateForm(FormEKD30);
    Application.CreateForm(FormALLZTAZTU);
    Application.CreateForm(FormZTAcon045);
    Application.CreateForm(FormZTAcon07);
    Application.CreateForm(FormZTAiso045);
    Application.CreateForm(FormZTUcon045);
    Application.CreateForm(FormZTUcon07);
    Application.CreateForm(FormZTUi045);
    Application.CreateForm(FormZTUi07);
    Application.CreateForm(FORMEKDMETASTABIL);
    Application.CreateForm(FormZTAZTU045);
    Application.CreateForm(FormWarme);
    Application.CreateForm(FormZTAZTU);
    Application.CreateForm(FormHaerten);
    Application.CreateForm(FormNormal);
    Application.CreateForm(FormVergueten);
    Application.CreateForm(FormZeitAb);
    Application.CreateForm(FormAbZuTyp1);
    Application.CreateForm(FormEKDBilder);
    Application.CreateForm(FormGlueh);
    Application.CreateForm(FormLMC45);
    Application.CreateForm(FormVerSch);
    Application.CreateForm(FormVerHart);
    Application.CreateForm(FormBildC01);
    Application.CreateForm(FormBildC02);
    Application.CreateForm(FormBildC03);
    Application.CreateForm(FormBildC04);
    Application.CreateForm(FormBildC05);
    Application.CreateForm(FormBildC06);
    Application.CreateForm(FormBildC07);
    Application.CreateForm(FormBildC08);
    Application.CreateForm(FormBildFe);
    Application.CreateForm(FormInfo);
    // The explorers after the 49 forms of the lesson plan.
    Application.CreateForm(FormErkundenZu);
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
