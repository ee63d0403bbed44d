// The two thermal-analysis lessons: one unattended run draws six cooling curves, carries their
// arrest points across and paints the phase diagram built from them. Both forms have the same
// components and handlers; each gives its look, its memo text and its tables.
#pragma once

#include "framework/Controls.h"
#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "framework/Timers.h"
#include "phase/ThermalAnalysis.h"

#include <span>

namespace wb {

class TThermalAnalysisForm : public TLessonForm {
public:
    TPaintBox PaintBoxHaupt { this, QStringLiteral("PaintBoxHaupt") };
    TMemo MemoErlaeuterung { this, QStringLiteral("MemoErlaeuterung") };
    // One cooling curve each; a stage enables the next in its last tick.
    TTimer Timer1 { this, QStringLiteral("Timer1"), 1 };
    TTimer Timer2 { this, QStringLiteral("Timer2"), 1 };
    TTimer Timer3 { this, QStringLiteral("Timer3"), 1 };
    TTimer Timer4 { this, QStringLiteral("Timer4"), 1 };
    TTimer Timer5 { this, QStringLiteral("Timer5"), 1 };
    TTimer Timer6 { this, QStringLiteral("Timer6"), 1 };
    TTimer TimerVerbindung { this, QStringLiteral("TimerVerbindung"), 1 };
    // The diagram painters run together and tick in this order within a period.
    TTimer TimerLiquidus { this, QStringLiteral("TimerLiquidus"), 1 };
    TTimer TimerSchmelze { this, QStringLiteral("TimerSchmelze"), 1 };
    TTimer TimerFest { this, QStringLiteral("TimerFest"), 1 };

    TMainMenu MainMenuLeiste { this, QStringLiteral("MainMenuLeiste") };
    TMenuItem Ende { MainMenuLeiste, QStringLiteral("Ende"), QStringLiteral("&Ende") };
    TMenuItem Start { MainMenuLeiste, QStringLiteral("Start"), QStringLiteral("&Start") };
    TMenuItem ESCAPEDOWN { MainMenuLeiste, QStringLiteral("ESCAPEDOWN"), QStringLiteral("ESC = Abbruch"), VK_ESCAPE,
        false };

protected:
    TThermalAnalysisForm(
        const QString& name, const LessonLook& look, const thermal::Lesson& lesson, std::span<const char* const> memo);

private:
    void FormCreate();
    void PaintBoxHauptPaint();
    void CurveTimer(int k);
    void TimerVerbindungTimer();
    void TimerLiquidusTimer();
    void TimerSchmelzeTimer();
    void TimerFestTimer();
    void StartClick();
    void EndeClick();
    void ESCAPEDOWNClick();

    TTimer* curveTimer(int k);

    const thermal::Lesson& m_lesson;
    std::span<const char* const> m_memo;
    // The start values are those at program start; "Ende" and Esc restore them all.
    thermal::RunState m_state;
};

} // namespace wb
