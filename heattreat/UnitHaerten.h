// Hardening a steel with 0.45 % C: austenitising, quenching to martensite and the water quench in the ZTU diagram.
#pragma once

#include "heattreat/ProcessForm.h"

namespace wb {

// The lesson's curves as pure functions. Each value is computed in double and held in single
// precision, as ProzessY holds it.
namespace haerten {

// The water quench in the ZTU diagram, in the coordinates of its curve surface: the parabola
// 0.025 · x² down to the martensite start, then the straight line (x − 93) · 2.3 + 170.
float parabelY(int x);
float geradeY(int x);

} // namespace haerten

class TFormHaerten : public TSideBySideForm {
public:
    TFormHaerten();

    TPaintBox PaintBoxHaupt { this, QStringLiteral("PaintBoxHaupt"), &TFormHaerten::PaintBoxHauptPaint };
    TPaintBox PaintBoxDef { this, QStringLiteral("PaintBoxDef"), &TFormHaerten::PaintBoxDefPaint };
    // Lies over the ZTU diagram and shares its pixels; the water-quench curve is drawn on it.
    TPaintBox PaintBoxLog { this, QStringLiteral("PaintBoxLog"), &TFormHaerten::PaintBoxLogPaint };
    TMemo MemoErlaeuterung { this, QStringLiteral("MemoErlaeuterung") };
    TTimer TimerZTA { this, QStringLiteral("TimerZTA"), &TFormHaerten::TimerZTATimer, 50 };
    TTimer Timer600 { this, QStringLiteral("Timer600"), &TFormHaerten::Timer600Timer, 1 };
    TImageList ImageListGef { this, QStringLiteral("ImageListGef"), 100, 100 };

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem Austenitisierung { MainMenu1, QStringLiteral("Austenitisierung"),
        QStringLiteral("&Austenitisierung und schnelle Abkühlung"), &TFormHaerten::AustenitisierungClick };
    TMenuItem ZTUWasserabkuehlung { MainMenu1, QStringLiteral("ZTUWasserabkuehlung"),
        QStringLiteral("Abkühlung im &ZTU-Schaubild"), &TFormHaerten::ZTUWasserabkuehlungClick };
    TMenuItem NEU { MainMenu1, QStringLiteral("NEU"), QStringLiteral("&Löschen / Neu"), &TFormHaerten::NEUClick };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };

private:
    void TimerZTATimer();
    void ZTUWasserabkuehlungClick();
    void Timer600Timer();
};

extern TFormHaerten* FormHaerten;

} // namespace wb
