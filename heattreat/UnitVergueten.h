// Quenching and tempering a steel with 0.45 % C: hardening, then tempering below Ac1 to tempered martensite.
#pragma once

#include "heattreat/ProcessForm.h"

namespace wb {

class TFormVergueten : public TProcessForm<processdiagram::Frame> {
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

private:
    void PaintBoxHauptPaint();
    void TimerProzessTimer();
    void Vergtungsschaubild1Click();
};

extern TFormVergueten* FormVergueten;

} // namespace wb
