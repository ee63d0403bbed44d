// Main menu: opens every lesson, chooses the background picture and colours, ends the program.
#pragma once

#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/Forms.h"
#include "framework/Menus.h"

namespace wb {

class TFormMenue : public TForm {
public:
    TFormMenue();

    TImage ImageHinter { this, QStringLiteral("ImageHinter") };
    TStatusBar StatusBarHint { this, QStringLiteral("StatusBarHint") };
    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };

    // clang-format off
    TMenuItem Datei { MainMenu1, QStringLiteral("Datei"), QStringLiteral("&Datei") };
    TMenuItem Hintergrund { Datei, QStringLiteral("Hintergrund"), QStringLiteral("Hintergrund Gefüge ja/nein"), &TFormMenue::HintergrundClick };
    TMenuItem Farbewaehlen { Datei, QStringLiteral("Farbewaehlen"), QStringLiteral("Hintergrundfarbe wählen: Seiten"), &TFormMenue::FarbewaehlenClick };
    TMenuItem HintergrundfarbewhlenMenue { Datei, QStringLiteral("HintergrundfarbewhlenMenue"), QStringLiteral("Hintergrundfarbe wählen: Menueblatt"), &TFormMenue::HintergrundfarbewhlenMenueClick };
    TMenuItem Ende { Datei, QStringLiteral("Ende"), QStringLiteral("Beenden"), closesForm };
    TMenuItem ESC1 { Datei, QStringLiteral("ESC1"), QStringLiteral("ESC"), closesForm, VK_ESCAPE, false };

    TMenuItem GrundlagenZustandsschaubilder { MainMenu1, QStringLiteral("GrundlagenZustandsschaubilder"), QStringLiteral("&Zustandsschaubilder") };
    TMenuItem AllgemeinesZU { GrundlagenZustandsschaubilder, QStringLiteral("AllgemeinesZU"), QStringLiteral("Allgemeines zu Zustandsschaubildern"), &TFormMenue::AllgemeinesZUClick };
    TMenuItem AllgemeineszumAufstellen1 { GrundlagenZustandsschaubilder, QStringLiteral("AllgemeineszumAufstellen1"), QStringLiteral("Allgemeines zur Entstehung "), &TFormMenue::AllgemeineszumAufstellen1Click };
    TMenuItem AbTyp1 { GrundlagenZustandsschaubilder, QStringLiteral("AbTyp1"), QStringLiteral("Entstehung: Vollkommene Löslichkeit im flüssigen und festen Zustand "), &TFormMenue::AbTyp1Click };
    TMenuItem AbTyp2 { GrundlagenZustandsschaubilder, QStringLiteral("AbTyp2"), QStringLiteral("Entstehung: Vollkommene Löslichkeit im flüssigen und vollkommene Unlöslichkeit im festen Zustand "), &TFormMenue::AbTyp2Click };
    TMenuItem Typ1 { GrundlagenZustandsschaubilder, QStringLiteral("Typ1"), QStringLiteral("Vollkommene Löslichkeit im flüssigen und festen Zustand (\"Typ 1\") "), &TFormMenue::Typ1Click };
    TMenuItem Typ2 { GrundlagenZustandsschaubilder, QStringLiteral("Typ2"), QStringLiteral("Vollkommene &Löslichkeit im flüssigen und vollkommene Unlöslichkeit im festen Zustand (\"Typ 2\")"), &TFormMenue::Typ2Click };
    TMenuItem Typ3 { GrundlagenZustandsschaubilder, QStringLiteral("Typ3"), QStringLiteral("Eutektisches System mit begrenzter Löslichkeit (\"Typ 3\")"), &TFormMenue::Typ3Click };
    TMenuItem Typ4 { GrundlagenZustandsschaubilder, QStringLiteral("Typ4"), QStringLiteral("Peritektisches System mit begrenzter Löslichkeit (\"Typ 4\")"), &TFormMenue::Typ4Click };
    TMenuItem Typ5 { GrundlagenZustandsschaubilder, QStringLiteral("Typ5"), QStringLiteral("System intermediäre Phase (\"Typ 5\")"), &TFormMenue::Typ5Click };
    TMenuItem Typ6 { GrundlagenZustandsschaubilder, QStringLiteral("Typ6"), QStringLiteral("System mit Umwandlungen im festen Zustand (\"Typ 6\")"), &TFormMenue::Typ6Click };

    TMenuItem EisenKohlenstoffDiagramme { MainMenu1, QStringLiteral("EisenKohlenstoffDiagramme"), QStringLiteral("Zustandsschaubild &Eisen-Kohlenstoff") };
    TMenuItem AllgemeinesEKD { EisenKohlenstoffDiagramme, QStringLiteral("AllgemeinesEKD"), QStringLiteral("Allgemeines"), &TFormMenue::AllgemeinesEKDClick };
    TMenuItem Reineisen { EisenKohlenstoffDiagramme, QStringLiteral("Reineisen"), QStringLiteral("Reineisen"), &TFormMenue::ReineisenClick };
    TMenuItem EKDGesamt { EisenKohlenstoffDiagramme, QStringLiteral("EKDGesamt"), QStringLiteral("EKS-metastabiler und stabiler Zustand"), &TFormMenue::EKDGesamtClick };
    TMenuItem EKDmetastabilAustenitFerritPerlit1 { EisenKohlenstoffDiagramme, QStringLiteral("EKDmetastabilAustenitFerritPerlit1"), QStringLiteral("EKS-metastabil (Austenit-Ferrit-Perlit)"), &TFormMenue::EKDmetastabilAustenitFerritPerlit1Click };
    TMenuItem EKSmetastabilGefgebilder1 { EisenKohlenstoffDiagramme, QStringLiteral("EKSmetastabilGefgebilder1"), QStringLiteral("EKS-metastabil-Gefügebilder"), &TFormMenue::EKSmetastabilGefgebilder1Click };
    TMenuItem C06 { EisenKohlenstoffDiagramme, QStringLiteral("C06"), QStringLiteral("Abkühlung bei C= 0.6 %"), &TFormMenue::C06Click };
    TMenuItem C12 { EisenKohlenstoffDiagramme, QStringLiteral("C12"), QStringLiteral("Abkühlung bei C = 1.2 %"), &TFormMenue::C12Click };
    TMenuItem C30 { EisenKohlenstoffDiagramme, QStringLiteral("C30"), QStringLiteral("Abkühlung bei C = 3.0 %"), &TFormMenue::C30Click };

    TMenuItem EisenKohlenstoff { MainMenu1, QStringLiteral("EisenKohlenstoff"), QStringLiteral("Zei&tabhängige Zustandsänderungen") };
    TMenuItem AllZeit { EisenKohlenstoff, QStringLiteral("AllZeit"), QStringLiteral("Allgemeines"), &TFormMenue::AllZeitClick };
    TMenuItem ZTAZTU { EisenKohlenstoff, QStringLiteral("ZTAZTU"), QStringLiteral("ZTA/ZTU-Schaubilder"), &TFormMenue::ZTAZTUClick };
    TMenuItem ZTAcon045 { EisenKohlenstoff, QStringLiteral("ZTAcon045"), QStringLiteral("Kontinuierliches ZTA-Schaubild (C = 0.45%)"), &TFormMenue::ZTAcon045Click };
    TMenuItem ZTAcon07 { EisenKohlenstoff, QStringLiteral("ZTAcon07"), QStringLiteral("Kontinuierliches ZTA-Schaubild (C = 0.70%)"), &TFormMenue::ZTAcon07Click };
    TMenuItem ZTAiso045 { EisenKohlenstoff, QStringLiteral("ZTAiso045"), QStringLiteral("Isothermes ZTA-Schaubild (C = 0.45%)"), &TFormMenue::ZTAiso045Click };
    TMenuItem ZTUcon045 { EisenKohlenstoff, QStringLiteral("ZTUcon045"), QStringLiteral("Kontinuierliches ZTU-Schaubild (C = 0.45%)"), &TFormMenue::ZTUcon045Click };
    TMenuItem ZTUcon07 { EisenKohlenstoff, QStringLiteral("ZTUcon07"), QStringLiteral("Kontinuierliches ZTU-Schaubild (C = 0.70%)"), &TFormMenue::ZTUcon07Click };
    TMenuItem ZTUiso045 { EisenKohlenstoff, QStringLiteral("ZTUiso045"), QStringLiteral("Isothermes ZTU-Schaubild (C = 0.45%)"), &TFormMenue::ZTUiso045Click };
    TMenuItem ZTUiso07 { EisenKohlenstoff, QStringLiteral("ZTUiso07"), QStringLiteral("Isothermes ZTU-Schaubild (C = 0.70%)"), &TFormMenue::ZTUiso07Click };

    TMenuItem Warm { MainMenu1, QStringLiteral("Warm"), QStringLiteral("&Wärmebehandlung") };
    TMenuItem Definition { Warm, QStringLiteral("Definition"), QStringLiteral("Definition"), &TFormMenue::DefinitionClick };
    TMenuItem ZTAZTUSchaubildC0451 { Warm, QStringLiteral("ZTAZTUSchaubildC0451"), QStringLiteral("Iso.ZTA/konti.ZTU-Schaubild (C = 0.45%)"), &TFormMenue::ZTAZTUSchaubildC0451Click };
    TMenuItem Temperatufhrung { Warm, QStringLiteral("Temperatufhrung"), QStringLiteral("Temperaturführung"), &TFormMenue::TemperatufhrungClick };
    TMenuItem Glhverfahren1 { Warm, QStringLiteral("Glhverfahren1"), QStringLiteral("Glühverfahren"), &TFormMenue::Glhverfahren1Click };
    TMenuItem Normal { Warm, QStringLiteral("Normal"), QStringLiteral("Normalglühen"), &TFormMenue::NormalClick };
    TMenuItem Haerten { Warm, QStringLiteral("Haerten"), QStringLiteral("Härten"), &TFormMenue::HaertenClick };
    TMenuItem Vergten { Warm, QStringLiteral("Vergten"), QStringLiteral("Vergüten"), &TFormMenue::VergtenClick };
    TMenuItem GefgeC451 { Warm, QStringLiteral("GefgeC451"), QStringLiteral("Gefüge C45: Normalglühen, Härten, Vergüten"), &TFormMenue::GefgeC451Click };
    TMenuItem Vergtungsschaubild1 { Warm, QStringLiteral("Vergtungsschaubild1"), QStringLiteral("Vergütungsschaubild C45"), &TFormMenue::Vergtungsschaubild1Click };
    // The end-quench hardness curves have no command of their own in the lesson plan; they are
    // offered here, beside the tempering chart of the same steel.
    TMenuItem Haertekurven1 { Warm, QStringLiteral("Haertekurven1"), QStringLiteral("Härtekurven Stirnabschreckprobe C45"), &TFormMenue::Haertekurven1Click };

    TMenuItem Erkunden { MainMenu1, QStringLiteral("Erkunden"), QStringLiteral("E&rkunden") };
    TMenuItem ErkundenZu { Erkunden, QStringLiteral("ErkundenZu"), QStringLiteral("Zustandsschaubilder erkunden"), &TFormMenue::ErkundenZuClick };

    TMenuItem Info { MainMenu1, QStringLiteral("Info"), QStringLiteral("Info"), &TFormMenue::InfoClick };
    // clang-format on

    TColorDialog ColorDialog1 { this, QStringLiteral("ColorDialog1") };

private:
    void FormPaint() override;

    void HintergrundClick();
    void FarbewaehlenClick();
    void HintergrundfarbewhlenMenueClick();

    void AllgemeinesZUClick();
    void AllgemeineszumAufstellen1Click();
    void AbTyp1Click();
    void AbTyp2Click();
    void Typ1Click();
    void Typ2Click();
    void Typ3Click();
    void Typ4Click();
    void Typ5Click();
    void Typ6Click();

    void AllgemeinesEKDClick();
    void ReineisenClick();
    void EKDGesamtClick();
    void EKDmetastabilAustenitFerritPerlit1Click();
    void EKSmetastabilGefgebilder1Click();
    void C06Click();
    void C12Click();
    void C30Click();

    void AllZeitClick();
    void ZTAZTUClick();
    void ZTAcon045Click();
    void ZTAcon07Click();
    void ZTAiso045Click();
    void ZTUcon045Click();
    void ZTUcon07Click();
    void ZTUiso045Click();
    void ZTUiso07Click();

    void DefinitionClick();
    void ZTAZTUSchaubildC0451Click();
    void TemperatufhrungClick();
    void Glhverfahren1Click();
    void NormalClick();
    void HaertenClick();
    void VergtenClick();
    void GefgeC451Click();
    void Vergtungsschaubild1Click();
    void Haertekurven1Click();

    void ErkundenZuClick();
    void InfoClick();
};

extern TFormMenue* FormMenue;

} // namespace wb
