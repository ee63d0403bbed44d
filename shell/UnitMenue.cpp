// Main menu: opens every lesson, chooses the background picture and colours, ends the program.
#include "shell/UnitMenue.h"

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
#include "resources/Pictures.h"
#include "shell/UnitInfo.h"
#include "timetemp/UnitALLZTAZTU.h"
#include "timetemp/UnitZTAconC045.h"
#include "timetemp/UnitZTAconC07.h"
#include "timetemp/UnitZTAisoC045.h"
#include "timetemp/UnitZTUconC045.h"
#include "timetemp/UnitZTUconC07.h"
#include "timetemp/UnitZTUisoC045.h"
#include "timetemp/UnitZTUisoC07.h"
#include "timetemp/UnitZeitab.h"

#include <future>

namespace wb {

TFormMenue* FormMenue = nullptr;

TFormMenue::TFormMenue()
    : TForm(QStringLiteral("FormMenue"))
{
    SetCaption(QStringLiteral(
        "Zustandsschaubilder/Zustandsschaubild Eisen-Kohlenstoff/Grundlagen der Wärmebehandlung von Stählen"));
    SetBorderStyle(bsSizeable);
    SetColor(clBlack);
    Font.SetName(QStringLiteral("MS Sans Serif"));
    Font.SetHeight(-19);
    // The designed place and client size; the first paint makes the form fill the screen.
    SetLeft(184);
    SetTop(119);
    SetClientWidth(792);
    SetClientHeight(550);
    ImageHinter.SetBounds(4, 10, 767, 517);
    // A 1200 × 865 photograph, not stretched and not centred: the image shows its top-left part.
    // It is decoded once, on a second thread while the other forms are created, so that the
    // menu's first paint only waits for what is left of it.
    const std::shared_future<QImage> photo
        = std::async(std::launch::async, pictures::jpegLoader(QStringLiteral("FormMenue.ImageHinter"))).share();
    ImageHinter.SetPictureLoader([photo] { return photo.get(); });
    StatusBarHint.SetHeight(18);
    StatusBarHint.SetColor(clSilver);
    StatusBarHint.Font.SetName(QStringLiteral("MS Sans Serif"));
    StatusBarHint.Font.SetHeight(-16);
    StatusBarHint.Font.SetBold(true);
    StatusBarHint.SetSimpleText(QStringLiteral("ESC = Abbruch"));
}

void TFormMenue::FormPaint()
{
    // Every paint lays the form over the whole screen again, whatever the user did to it (in
    // one step, so that the form is resized once).
    SetBounds(0, 0, Screen.Width(), Screen.Height());
    // The photograph is not scaled: the image shows its top-left 1000 x 700 pixels, centred above
    // the status bar, and on a smaller client area it is cut on both sides.
    ImageHinter.SetWidth(1000);
    ImageHinter.SetHeight(700);
    ImageHinter.SetLeft((ClientWidth() - 1000) / 2);
    ImageHinter.SetTop((ClientHeight() - 700 - StatusBarHint.Height()) / 2);
}

void TFormMenue::HintergrundClick()
{
    ImageHinter.SetVisible(!ImageHinter.Visible());
}

void TFormMenue::FarbewaehlenClick()
{
    if (!ColorDialog1.Execute())
        return;
    // The page forms, in the order they are coloured. The cover page, this menu, the micrograph
    // series with its windows, the annealing form, the C45 forms, the hardness curves and the
    // information page keep their own colours.
    // clang-format off
    TForm* const pages[] = {
        FormAllZu, FormEntZu, FormAbZuTyp1, FormAbZuTyp2,
        FormZuTyp1, FormZuTyp2, FormZuTyp3, FormZuTyp4,
        FormZuTyp5, FormZuTyp6, FormAllEKD, FormReineisen,
        FORMEKDGESAMT, FORMEKDMETASTABIL, FormEKD06, FormEKD12,
        FormEKD30, FormZeitAb, FormALLZTAZTU, FormZTAcon07,
        FormZTAcon045, FormZTAiso045, FormZTUcon07, FormZTUcon045,
        FormZTUi045, FormZTUi07, FormWarme, FormZTAZTU045,
        FormZTAZTU, FormHaerten, FormNormal, FormVergueten,
        FormErkundenZu,
    };
    // clang-format on
    static_assert(sizeof(pages) / sizeof(pages[0]) == 33);
    for (TForm* page : pages)
        page->SetColor(ColorDialog1.Color());
}

void TFormMenue::HintergrundfarbewhlenMenueClick()
{
    if (ColorDialog1.Execute())
        SetColor(ColorDialog1.Color());
}

// The menu runs modally inside the cover page's close handler: closing it ends the program.
void TFormMenue::AllgemeinesZUClick()
{
    FormAllZu->ShowModal();
}

void TFormMenue::AllgemeineszumAufstellen1Click()
{
    FormEntZu->ShowModal();
}

void TFormMenue::AbTyp1Click()
{
    FormAbZuTyp1->ShowModal();
}

void TFormMenue::AbTyp2Click()
{
    FormAbZuTyp2->ShowModal();
}

void TFormMenue::Typ1Click()
{
    FormZuTyp1->ShowModal();
}

void TFormMenue::Typ2Click()
{
    FormZuTyp2->ShowModal();
}

void TFormMenue::Typ3Click()
{
    FormZuTyp3->ShowModal();
}

void TFormMenue::Typ4Click()
{
    FormZuTyp4->ShowModal();
}

void TFormMenue::Typ5Click()
{
    FormZuTyp5->ShowModal();
}

void TFormMenue::Typ6Click()
{
    FormZuTyp6->ShowModal();
}

void TFormMenue::AllgemeinesEKDClick()
{
    FormAllEKD->ShowModal();
}

void TFormMenue::ReineisenClick()
{
    FormReineisen->ShowModal();
}

void TFormMenue::EKDGesamtClick()
{
    FORMEKDGESAMT->ShowModal();
}

void TFormMenue::EKDmetastabilAustenitFerritPerlit1Click()
{
    FORMEKDMETASTABIL->ShowModal();
}

void TFormMenue::EKSmetastabilGefgebilder1Click()
{
    FormEKDBilder->ShowModal();
}

void TFormMenue::C06Click()
{
    FormEKD06->ShowModal();
}

void TFormMenue::C12Click()
{
    FormEKD12->ShowModal();
}

void TFormMenue::C30Click()
{
    FormEKD30->ShowModal();
}

void TFormMenue::AllZeitClick()
{
    FormZeitAb->ShowModal();
}

void TFormMenue::ZTAZTUClick()
{
    FormALLZTAZTU->ShowModal();
}

void TFormMenue::ZTAcon045Click()
{
    FormZTAcon045->ShowModal();
}

void TFormMenue::ZTAcon07Click()
{
    FormZTAcon07->ShowModal();
}

void TFormMenue::ZTAiso045Click()
{
    FormZTAiso045->ShowModal();
}

void TFormMenue::ZTUcon045Click()
{
    FormZTUcon045->ShowModal();
}

void TFormMenue::ZTUcon07Click()
{
    FormZTUcon07->ShowModal();
}

void TFormMenue::ZTUiso045Click()
{
    FormZTUi045->ShowModal();
}

void TFormMenue::ZTUiso07Click()
{
    FormZTUi07->ShowModal();
}

void TFormMenue::DefinitionClick()
{
    FormWarme->ShowModal();
}

void TFormMenue::ZTAZTUSchaubildC0451Click()
{
    FormZTAZTU045->ShowModal();
}

void TFormMenue::TemperatufhrungClick()
{
    FormZTAZTU->ShowModal();
}

void TFormMenue::Glhverfahren1Click()
{
    FormGlueh->ShowModal();
}

void TFormMenue::NormalClick()
{
    FormNormal->ShowModal();
}

void TFormMenue::HaertenClick()
{
    FormHaerten->ShowModal();
}

void TFormMenue::VergtenClick()
{
    FormVergueten->ShowModal();
}

void TFormMenue::GefgeC451Click()
{
    FormLMC45->showNormalised();
    FormLMC45->ShowModal();
}

void TFormMenue::Vergtungsschaubild1Click()
{
    FormVerSch->ShowModal();
}

void TFormMenue::Haertekurven1Click()
{
    FormVerHart->ShowModal();
}

void TFormMenue::ErkundenZuClick()
{
    FormErkundenZu->ShowModal();
}

void TFormMenue::InfoClick()
{
    FormInfo->ShowModal();
}

} // namespace wb
