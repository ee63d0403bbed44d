// The program's forms in creation order, the command of the main menu that opens each and
// whether the page-colour command reaches it.
#include "FormRegistry.h"

#include "framework/Texts.h"
#include "heattreat/UnitGlueh.h"
#include "heattreat/UnitHaerten.h"
#include "heattreat/UnitLMC45.h"
#include "heattreat/UnitNormal.h"
#include "heattreat/UnitStahlrechner.h"
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
#include "ironcarbon/UnitErkundenEKD.h"
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
#include "timetemp/UnitErkundenZTU.h"
#include "timetemp/UnitZTAconC045.h"
#include "timetemp/UnitZTAconC07.h"
#include "timetemp/UnitZTAisoC045.h"
#include "timetemp/UnitZTUconC045.h"
#include "timetemp/UnitZTUconC07.h"
#include "timetemp/UnitZTUisoC045.h"
#include "timetemp/UnitZTUisoC07.h"
#include "timetemp/UnitZeitab.h"

#include <algorithm>

namespace wb {

namespace {

constexpr PageColour Page = PageColour::Page;
constexpr PageColour Own = PageColour::Own;

// The first form created is the main form: closing the cover page ends the program. The page
// forms are the lessons and general pages; the cover page, the menu, the micrograph series with
// its windows, the annealing form, the C45 forms, the hardness curves and the information page
// keep their own colours.
// clang-format off
const FormRow kForms[] = {
    formRow<FormDeckblatt>(),
    formRow<FormMenue>(),
    formRow<FormAllZu>({ "AllgemeinesZU" }, Page),
    formRow<FormEntZu>({ "AllgemeineszumAufstellen1" }, Page),
    formRow<FormAbZuTyp2>({ "AbTyp2" }, Page),
    formRow<FormZuTyp1>({ "Typ1" }, Page),
    formRow<FormZuTyp2>({ "Typ2" }, Page),
    formRow<FormZuTyp3>({ "Typ3" }, Page),
    formRow<FormZuTyp4>({ "Typ4" }, Page),
    formRow<FormZuTyp5>({ "Typ5" }, Page),
    formRow<FormZuTyp6>({ "Typ6" }, Page),
    formRow<FormAllEKD>({ "AllgemeinesEKD" }, Page),
    formRow<FormReineisen>({ "Reineisen" }, Page),
    formRow<FORMEKDGESAMT>({ "EKDGesamt" }, Page),
    formRow<FormEKD06>({ "C06" }, Page),
    formRow<FormEKD12>({ "C12" }, Page),
    formRow<FormEKD30>({ "C30" }, Page),
    formRow<FormALLZTAZTU>({ "ZTAZTU" }, Page),
    formRow<FormZTAcon045>({ "ZTAcon045" }, Page),
    formRow<FormZTAcon07>({ "ZTAcon07" }, Page),
    formRow<FormZTAiso045>({ "ZTAiso045" }, Page),
    formRow<FormZTUcon045>({ "ZTUcon045" }, Page),
    formRow<FormZTUcon07>({ "ZTUcon07" }, Page),
    formRow<FormZTUi045>({ "ZTUiso045" }, Page),
    formRow<FormZTUi07>({ "ZTUiso07" }, Page),
    formRow<FORMEKDMETASTABIL>({ "EKDmetastabilAustenitFerritPerlit1" }, Page),
    formRow<FormZTAZTU045>({ "ZTAZTUSchaubildC0451" }, Page),
    formRow<FormWarme>({ "Definition" }, Page),
    formRow<FormZTAZTU>({ "Temperatufhrung" }, Page),
    formRow<FormHaerten>({ "Haerten" }, Page),
    formRow<FormNormal>({ "Normal" }, Page),
    formRow<FormVergueten>({ "Vergten" }, Page),
    formRow<FormZeitAb>({ "AllZeit" }, Page),
    formRow<FormAbZuTyp1>({ "AbTyp1" }, Page),
    formRow<FormEKDBilder>({ "EKSmetastabilGefgebilder1" }),
    formRow<FormGlueh>({ "Glhverfahren1" }),
    formRow<FormLMC45>({ "GefgeC451" }, Own, [] { FormLMC45->showNormalised(); }),
    formRow<FormVerSch>({ "Vergtungsschaubild1" }),
    // The end-quench hardness curves have no command of their own in the lesson plan; the menu
    // offers them beside the tempering chart of the same steel.
    formRow<FormVerHart>({ "Haertekurven1", "Warm", WB_TR("FormMenue", "Härtekurven Stirnabschreckprobe C45") }),
    formRow<FormBildC01>(),
    formRow<FormBildC02>(),
    formRow<FormBildC03>(),
    formRow<FormBildC04>(),
    formRow<FormBildC05>(),
    formRow<FormBildC06>(),
    formRow<FormBildC07>(),
    formRow<FormBildC08>(),
    formRow<FormBildFe>(),
    formRow<FormInfo>({ "Info" }),
    // The windows to explore with, after the forms of the lesson plan.
    formRow<FormErkundenZu>({ "ErkundenZu", "Erkunden", WB_TR("FormMenue", "Zustandsschaubilder erkunden") }, Page),
    formRow<FormErkundenEKD>({ "ErkundenEKD", "Erkunden", WB_TR("FormMenue", "Eisen-Kohlenstoff-Schaubild erkunden") }, Page),
    formRow<FormErkundenZTU>({ "ErkundenZTU", "Erkunden", WB_TR("FormMenue", "Abkühlung selbst wählen (ZTU)") }, Page),
    formRow<FormStahlrechner>({ "Stahlrechner", "Erkunden", WB_TR("FormMenue", "Stahlrechner: beliebiger Stahl") }, Page),
};
// clang-format on

} // namespace

std::span<const FormRow> formRegistry()
{
    return kForms;
}

const FormRow* registryRow(const TForm* form)
{
    const auto it
        = std::find_if(std::begin(kForms), std::end(kForms), [form](const FormRow& row) { return row.form() == form; });
    return it == std::end(kForms) ? nullptr : &*it;
}

} // namespace wb
