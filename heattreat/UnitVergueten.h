// Quenching and tempering a steel with 0.45 % C: hardening, then tempering below Ac1 to tempered martensite.
#pragma once

#include "framework/ImageList.h"
#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "framework/Timers.h"
#include "heattreat/ProcessDiagram.h"

namespace wb {

class TFormVergueten : public TLessonForm {
public:
    TFormVergueten();

    TPaintBox PaintBoxHaupt { this, QStringLiteral("PaintBoxHaupt"), &TFormVergueten::PaintBoxHauptPaint };
    TPaintBox PaintBoxDef { this, QStringLiteral("PaintBoxDef"), &TFormVergueten::PaintBoxDefPaint };
    TMemo MemoErlaeuterung { this, QStringLiteral("MemoErlaeuterung") };
    TTimer TimerProzess { this, QStringLiteral("TimerProzess"), &TFormVergueten::TimerProzessTimer, 50 };
    TImageList ImageListGef { this, QStringLiteral("ImageListGef"), 100, 100 };

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem Austenitisierung { MainMenu1, QStringLiteral("Austenitisierung"),
        QStringLiteral("&Austenitisierung und schnelle Abkühlung"), &TFormVergueten::AustenitisierungClick };
    TMenuItem NEU { MainMenu1, QStringLiteral("NEU"), QStringLiteral("&Löschen / Neu"), &TFormVergueten::NEUClick };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };
    TMenuItem Prozessanhalten { MainMenu1, QStringLiteral("Prozessanhalten"), QStringLiteral("Prozessanhalten"),
        &TFormVergueten::ProzessanhaltenClick, VK_F2, false };
    TMenuItem Vergtungsschaubild1 { MainMenu1, QStringLiteral("Vergtungsschaubild1"),
        QStringLiteral("Vergütungsschaubild C45"), &TFormVergueten::Vergtungsschaubild1Click };

    // The run's state. All zero at program start; each run sets ProzessX and ProzessY when it
    // starts, the picture events set BildNr.
    struct ModuleState {
        int ProzessX = 0; // x of the curve's end
        float ProzessY = 0; // y of the curve's end
        int BildNr = 0; // next frame of ImageListGef
        bool ProzessLaeuft = false; // started and neither finished, cleared nor closed: F2 pauses it
        processdiagram::Frame geometry; // the process diagram, set at every paint of PaintBoxHaupt
    };
    const ModuleState& moduleState() const { return m_state; }

private:
    void FormCreate() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void PaintBoxDefPaint();
    void AustenitisierungClick();
    void TimerProzessTimer();
    void ProzessanhaltenClick();
    void Vergtungsschaubild1Click();
    void NEUClick();

    ModuleState m_state;
};

extern TFormVergueten* FormVergueten;

} // namespace wb
