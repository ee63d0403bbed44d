// Normalising a steel with 0.45 % C: austenitising, cooling in still air and the air-cooling curve in the ZTU diagram.
#pragma once

#include "framework/ImageList.h"
#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "framework/Timers.h"
#include "heattreat/ProcessDiagram.h"

namespace wb {

// The air-cooling curve of the ZTU diagram as pure functions, in the coordinates of its curve
// surface; each value computed in double and held in single precision, as ProzessY holds it.
namespace normal {

// The slow start: 0.76 · 10^((x − 55) / 55).
float luftY(int x);
// The fall through the ferrite and pearlite fields: 3 · x − 435.
float fallY(int x);

} // namespace normal

class TFormNormal : public TLessonForm {
public:
    TFormNormal();

    TPaintBox PaintBoxHaupt { this, QStringLiteral("PaintBoxHaupt"), &TFormNormal::PaintBoxHauptPaint };
    TPaintBox PaintBoxDef { this, QStringLiteral("PaintBoxDef"), &TFormNormal::PaintBoxDefPaint };
    // Lies over the ZTU diagram and shares its pixels; the air-cooling curve is drawn on it.
    TPaintBox PaintBoxLog { this, QStringLiteral("PaintBoxLog"), &TFormNormal::PaintBoxLogPaint };
    TMemo MemoErlaeuterung { this, QStringLiteral("MemoErlaeuterung") };
    TTimer TimerZTA { this, QStringLiteral("TimerZTA"), &TFormNormal::TimerZTATimer, 50 };
    TTimer Timer15 { this, QStringLiteral("Timer15"), &TFormNormal::Timer15Timer, 50 };
    TImageList ImageListGef { this, QStringLiteral("ImageListGef"), 100, 100 };

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem Austenitisierung { MainMenu1, QStringLiteral("Austenitisierung"),
        QStringLiteral("&Austenitisierung und  Abkühlung"), &TFormNormal::AustenitisierungClick };
    TMenuItem ZTULuftab { MainMenu1, QStringLiteral("ZTULuftab"), QStringLiteral("Abkühlung im &ZTU-Schaubild"),
        &TFormNormal::ZTULuftabClick };
    TMenuItem NEU { MainMenu1, QStringLiteral("NEU"), QStringLiteral("&Löschen / Neu"), &TFormNormal::NEUClick };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };
    TMenuItem Prozessanhalten { MainMenu1, QStringLiteral("Prozessanhalten"), QStringLiteral("Prozess anhalten"),
        &TFormNormal::ProzessanhaltenClick, VK_F2, false };

    // The state of both runs. All zero at program start; each run sets ProzessX and ProzessY
    // when it starts, the picture events set BildNr.
    struct ModuleState {
        int ProzessX = 0; // x of the current curve point, used by both runs
        float ProzessY = 0; // y of the current curve point
        int BildNr = 0; // next frame of ImageListGef
        bool ProzessLaeuft = false; // process run started and neither finished, cleared nor closed
        processdiagram::Layout geometry; // both diagrams, recomputed at every paint of PaintBoxHaupt
    };
    const ModuleState& moduleState() const { return m_state; }

private:
    void FormCreate() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void PaintBoxLogPaint();
    void PaintBoxDefPaint();
    void AustenitisierungClick();
    void TimerZTATimer();
    void ProzessanhaltenClick();
    void ZTULuftabClick();
    void Timer15Timer();
    void NEUClick();

    ModuleState m_state;
};

extern TFormNormal* FormNormal;

} // namespace wb
