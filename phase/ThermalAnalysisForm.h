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
    TPaintBox PaintBoxHaupt { this, QStringLiteral("PaintBoxHaupt"), &TThermalAnalysisForm::PaintBoxHauptPaint };
    TMemo MemoErlaeuterung { this, QStringLiteral("MemoErlaeuterung") };
    // One cooling curve each; a stage enables the next in its last tick.
    TTimer Timer1 { this, QStringLiteral("Timer1"), &TThermalAnalysisForm::Timer1Timer, 1 };
    TTimer Timer2 { this, QStringLiteral("Timer2"), &TThermalAnalysisForm::Timer2Timer, 1 };
    TTimer Timer3 { this, QStringLiteral("Timer3"), &TThermalAnalysisForm::Timer3Timer, 1 };
    TTimer Timer4 { this, QStringLiteral("Timer4"), &TThermalAnalysisForm::Timer4Timer, 1 };
    TTimer Timer5 { this, QStringLiteral("Timer5"), &TThermalAnalysisForm::Timer5Timer, 1 };
    TTimer Timer6 { this, QStringLiteral("Timer6"), &TThermalAnalysisForm::Timer6Timer, 1 };
    TTimer TimerVerbindung { this, QStringLiteral("TimerVerbindung"), &TThermalAnalysisForm::TimerVerbindungTimer, 1 };
    // The diagram painters run together and tick in this order within a period.
    TTimer TimerLiquidus { this, QStringLiteral("TimerLiquidus"), &TThermalAnalysisForm::TimerLiquidusTimer, 1 };
    TTimer TimerSchmelze { this, QStringLiteral("TimerSchmelze"), &TThermalAnalysisForm::TimerSchmelzeTimer, 1 };
    TTimer TimerFest { this, QStringLiteral("TimerFest"), &TThermalAnalysisForm::TimerFestTimer, 1 };

    TMainMenu MainMenuLeiste { this, QStringLiteral("MainMenuLeiste") };
    TMenuItem Ende { MainMenuLeiste, QStringLiteral("Ende"), QStringLiteral("&Ende"),
        &TThermalAnalysisForm::EndeClick };
    TMenuItem Start { MainMenuLeiste, QStringLiteral("Start"), QStringLiteral("&Start"),
        &TThermalAnalysisForm::StartClick };
    TMenuItem ESCAPEDOWN { MainMenuLeiste, QStringLiteral("ESCAPEDOWN"), QStringLiteral("ESC = Abbruch"),
        &TThermalAnalysisForm::ESCAPEDOWNClick, VK_ESCAPE, false };

protected:
    TThermalAnalysisForm(
        const QString& name, const LessonLook& look, const thermal::Lesson& lesson, std::span<const char* const> memo);

private:
    void FormCreate() override;
    void PaintBoxHauptPaint();
    void Timer1Timer() { curveTick(0); }
    void Timer2Timer() { curveTick(1); }
    void Timer3Timer() { curveTick(2); }
    void Timer4Timer() { curveTick(3); }
    void Timer5Timer() { curveTick(4); }
    void Timer6Timer() { curveTick(5); }
    void TimerVerbindungTimer();
    void TimerLiquidusTimer();
    void TimerSchmelzeTimer();
    void TimerFestTimer();
    void StartClick();
    void EndeClick();
    void ESCAPEDOWNClick();

    // One tick of curve k; its last tick hands over to the next stage.
    void curveTick(int k);
    TTimer* curveTimer(int k);

    const thermal::Lesson& m_lesson;
    std::span<const char* const> m_memo;
    // The start values are those at program start; "Ende" and Esc restore them all.
    thermal::RunState m_state;
};

} // namespace wb
