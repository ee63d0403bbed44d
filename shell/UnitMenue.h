// Main menu: opens every lesson, chooses the background picture and colours, ends the program.
#pragma once

#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/Forms.h"
#include "framework/Menus.h"
#include "framework/Texts.h"

#include <functional>
#include <memory>
#include <vector>

namespace wb {

class TFormMenue : public TForm {
public:
    TFormMenue();

    TImage ImageHinter { this, QStringLiteral("ImageHinter") };
    TStatusBar StatusBarHint { this, QStringLiteral("StatusBarHint") };
    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };

    // clang-format off
    TMenuItem Datei { MainMenu1, QStringLiteral("Datei"), QStringLiteral(WB_TR("FormMenue", "&Datei")) };
    TMenuItem Hintergrund { Datei, QStringLiteral("Hintergrund"), QStringLiteral(WB_TR("FormMenue", "Hintergrund Gefüge ja/nein")), &TFormMenue::HintergrundClick };
    TMenuItem Farbewaehlen { Datei, QStringLiteral("Farbewaehlen"), QStringLiteral(WB_TR("FormMenue", "Hintergrundfarbe wählen: Seiten")), &TFormMenue::FarbewaehlenClick };
    TMenuItem HintergrundfarbewhlenMenue { Datei, QStringLiteral("HintergrundfarbewhlenMenue"), QStringLiteral(WB_TR("FormMenue", "Hintergrundfarbe wählen: Menueblatt")), &TFormMenue::HintergrundfarbewhlenMenueClick };
    TMenuItem Ende { Datei, QStringLiteral("Ende"), QStringLiteral(WB_TR("FormMenue", "Beenden")), closesForm };
    TMenuItem ESC1 { Datei, QStringLiteral("ESC1"), QStringLiteral("ESC"), closesForm, VK_ESCAPE, false };

    TMenuItem GrundlagenZustandsschaubilder { MainMenu1, QStringLiteral("GrundlagenZustandsschaubilder"), QStringLiteral(WB_TR("FormMenue", "&Zustandsschaubilder")) };
    TMenuItem AllgemeinesZU { GrundlagenZustandsschaubilder, QStringLiteral("AllgemeinesZU"), QStringLiteral(WB_TR("FormMenue", "Allgemeines zu Zustandsschaubildern")) };
    TMenuItem AllgemeineszumAufstellen1 { GrundlagenZustandsschaubilder, QStringLiteral("AllgemeineszumAufstellen1"), QStringLiteral(WB_TR("FormMenue", "Allgemeines zur Entstehung ")) };
    TMenuItem AbTyp1 { GrundlagenZustandsschaubilder, QStringLiteral("AbTyp1"), QStringLiteral(WB_TR("FormMenue", "Entstehung: Vollkommene Löslichkeit im flüssigen und festen Zustand ")) };
    TMenuItem AbTyp2 { GrundlagenZustandsschaubilder, QStringLiteral("AbTyp2"), QStringLiteral(WB_TR("FormMenue", "Entstehung: Vollkommene Löslichkeit im flüssigen und vollkommene Unlöslichkeit im festen Zustand ")) };
    TMenuItem Typ1 { GrundlagenZustandsschaubilder, QStringLiteral("Typ1"), QStringLiteral(WB_TR("FormMenue", "Vollkommene Löslichkeit im flüssigen und festen Zustand (\"Typ 1\") ")) };
    TMenuItem Typ2 { GrundlagenZustandsschaubilder, QStringLiteral("Typ2"), QStringLiteral(WB_TR("FormMenue", "Vollkommene &Löslichkeit im flüssigen und vollkommene Unlöslichkeit im festen Zustand (\"Typ 2\")")) };
    TMenuItem Typ3 { GrundlagenZustandsschaubilder, QStringLiteral("Typ3"), QStringLiteral(WB_TR("FormMenue", "Eutektisches System mit begrenzter Löslichkeit (\"Typ 3\")")) };
    TMenuItem Typ4 { GrundlagenZustandsschaubilder, QStringLiteral("Typ4"), QStringLiteral(WB_TR("FormMenue", "Peritektisches System mit begrenzter Löslichkeit (\"Typ 4\")")) };
    TMenuItem Typ5 { GrundlagenZustandsschaubilder, QStringLiteral("Typ5"), QStringLiteral(WB_TR("FormMenue", "System intermediäre Phase (\"Typ 5\")")) };
    TMenuItem Typ6 { GrundlagenZustandsschaubilder, QStringLiteral("Typ6"), QStringLiteral(WB_TR("FormMenue", "System mit Umwandlungen im festen Zustand (\"Typ 6\")")) };

    TMenuItem EisenKohlenstoffDiagramme { MainMenu1, QStringLiteral("EisenKohlenstoffDiagramme"), QStringLiteral(WB_TR("FormMenue", "Zustandsschaubild &Eisen-Kohlenstoff")) };
    TMenuItem AllgemeinesEKD { EisenKohlenstoffDiagramme, QStringLiteral("AllgemeinesEKD"), QStringLiteral(WB_TR("FormMenue", "Allgemeines")) };
    TMenuItem Reineisen { EisenKohlenstoffDiagramme, QStringLiteral("Reineisen"), QStringLiteral(WB_TR("FormMenue", "Reineisen")) };
    TMenuItem EKDGesamt { EisenKohlenstoffDiagramme, QStringLiteral("EKDGesamt"), QStringLiteral(WB_TR("FormMenue", "EKS-metastabiler und stabiler Zustand")) };
    TMenuItem EKDmetastabilAustenitFerritPerlit1 { EisenKohlenstoffDiagramme, QStringLiteral("EKDmetastabilAustenitFerritPerlit1"), QStringLiteral(WB_TR("FormMenue", "EKS-metastabil (Austenit-Ferrit-Perlit)")) };
    TMenuItem EKSmetastabilGefgebilder1 { EisenKohlenstoffDiagramme, QStringLiteral("EKSmetastabilGefgebilder1"), QStringLiteral(WB_TR("FormMenue", "EKS-metastabil-Gefügebilder")) };
    TMenuItem C06 { EisenKohlenstoffDiagramme, QStringLiteral("C06"), QStringLiteral(WB_TR("FormMenue", "Abkühlung bei C= 0.6 %")) };
    TMenuItem C12 { EisenKohlenstoffDiagramme, QStringLiteral("C12"), QStringLiteral(WB_TR("FormMenue", "Abkühlung bei C = 1.2 %")) };
    TMenuItem C30 { EisenKohlenstoffDiagramme, QStringLiteral("C30"), QStringLiteral(WB_TR("FormMenue", "Abkühlung bei C = 3.0 %")) };

    TMenuItem EisenKohlenstoff { MainMenu1, QStringLiteral("EisenKohlenstoff"), QStringLiteral(WB_TR("FormMenue", "Zei&tabhängige Zustandsänderungen")) };
    TMenuItem AllZeit { EisenKohlenstoff, QStringLiteral("AllZeit"), QStringLiteral(WB_TR("FormMenue", "Allgemeines")) };
    TMenuItem ZTAZTU { EisenKohlenstoff, QStringLiteral("ZTAZTU"), QStringLiteral(WB_TR("FormMenue", "ZTA/ZTU-Schaubilder")) };
    TMenuItem ZTAcon045 { EisenKohlenstoff, QStringLiteral("ZTAcon045"), QStringLiteral(WB_TR("FormMenue", "Kontinuierliches ZTA-Schaubild (C = 0.45%)")) };
    TMenuItem ZTAcon07 { EisenKohlenstoff, QStringLiteral("ZTAcon07"), QStringLiteral(WB_TR("FormMenue", "Kontinuierliches ZTA-Schaubild (C = 0.70%)")) };
    TMenuItem ZTAiso045 { EisenKohlenstoff, QStringLiteral("ZTAiso045"), QStringLiteral(WB_TR("FormMenue", "Isothermes ZTA-Schaubild (C = 0.45%)")) };
    TMenuItem ZTUcon045 { EisenKohlenstoff, QStringLiteral("ZTUcon045"), QStringLiteral(WB_TR("FormMenue", "Kontinuierliches ZTU-Schaubild (C = 0.45%)")) };
    TMenuItem ZTUcon07 { EisenKohlenstoff, QStringLiteral("ZTUcon07"), QStringLiteral(WB_TR("FormMenue", "Kontinuierliches ZTU-Schaubild (C = 0.70%)")) };
    TMenuItem ZTUiso045 { EisenKohlenstoff, QStringLiteral("ZTUiso045"), QStringLiteral(WB_TR("FormMenue", "Isothermes ZTU-Schaubild (C = 0.45%)")) };
    TMenuItem ZTUiso07 { EisenKohlenstoff, QStringLiteral("ZTUiso07"), QStringLiteral(WB_TR("FormMenue", "Isothermes ZTU-Schaubild (C = 0.70%)")) };

    TMenuItem Warm { MainMenu1, QStringLiteral("Warm"), QStringLiteral(WB_TR("FormMenue", "&Wärmebehandlung")) };
    TMenuItem Definition { Warm, QStringLiteral("Definition"), QStringLiteral(WB_TR("FormMenue", "Definition")) };
    TMenuItem ZTAZTUSchaubildC0451 { Warm, QStringLiteral("ZTAZTUSchaubildC0451"), QStringLiteral(WB_TR("FormMenue", "Iso.ZTA/konti.ZTU-Schaubild (C = 0.45%)")) };
    TMenuItem Temperatufhrung { Warm, QStringLiteral("Temperatufhrung"), QStringLiteral(WB_TR("FormMenue", "Temperaturführung")) };
    TMenuItem Glhverfahren1 { Warm, QStringLiteral("Glhverfahren1"), QStringLiteral(WB_TR("FormMenue", "Glühverfahren")) };
    TMenuItem Normal { Warm, QStringLiteral("Normal"), QStringLiteral(WB_TR("FormMenue", "Normalglühen")) };
    TMenuItem Haerten { Warm, QStringLiteral("Haerten"), QStringLiteral(WB_TR("FormMenue", "Härten")) };
    TMenuItem Vergten { Warm, QStringLiteral("Vergten"), QStringLiteral(WB_TR("FormMenue", "Vergüten")) };
    TMenuItem GefgeC451 { Warm, QStringLiteral("GefgeC451"), QStringLiteral(WB_TR("FormMenue", "Gefüge C45: Normalglühen, Härten, Vergüten")) };
    TMenuItem Vergtungsschaubild1 { Warm, QStringLiteral("Vergtungsschaubild1"), QStringLiteral(WB_TR("FormMenue", "Vergütungsschaubild C45")) };

    // The explorers, the calculator and the self-test: their items come from the form registry.
    TMenuItem Erkunden { MainMenu1, QStringLiteral("Erkunden"), QStringLiteral(WB_TR("FormMenue", "E&rkunden")) };

    TMenuItem Info { MainMenu1, QStringLiteral("Info"), QStringLiteral(WB_TR("FormMenue", "Info")) };
    // clang-format on

    TColorDialog ColorDialog1 { this, QStringLiteral("ColorDialog1") };

    // What the program's registry tells the menu: which form each command opens and which forms
    // the page-colour command colours. An item named here that the menu does not declare is
    // added at the end of the menu named `parent`.
    void setOpenCommand(const QString& item, std::function<void()> open);
    void addOpenCommand(const QString& parent, const QString& item, const QString& caption, std::function<void()> open);
    void setPageForms(std::vector<TForm*> pages);

private:
    void FormPaint() override;

    void HintergrundClick();
    void FarbewaehlenClick();
    void HintergrundfarbewhlenMenueClick();

    std::vector<std::unique_ptr<TMenuItem>> m_addedItems;
    std::vector<TForm*> m_pageForms;
};

extern TFormMenue* FormMenue;

} // namespace wb
