// Normalising a steel with 0.45 % C: austenitising, cooling in still air and the air-cooling curve in the ZTU diagram.
#pragma once

#include "heattreat/ProcessForm.h"

namespace wb {

// The air-cooling curve of the ZTU diagram as pure functions, in the coordinates of its curve
// surface; each value computed in double and held in single precision, as ProzessY holds it.
namespace normal {

// The slow start: 0.76 · 10^((x − 55) / 55).
float luftY(int x);
// The fall through the ferrite and pearlite fields: 3 · x − 435.
float fallY(int x);

} // namespace normal

class TFormNormal : public TSideBySideForm {
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

private:
    void TimerZTATimer();
    void ZTULuftabClick();
    void Timer15Timer();
};

extern TFormNormal* FormNormal;

} // namespace wb
