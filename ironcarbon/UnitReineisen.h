// Pure iron: the cooling and heating curves with their arrests and the changes of the crystal lattice.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "framework/Timers.h"

#include <array>

namespace wb {

namespace reineisen {

// One point of a curve segment: its last point drawn, or its start point before it has run.
// Single precision, as the curve's y values are stored before they are rounded to pixels.
struct TPunkt {
    float X = 0;
    float Y = 0;
};
using TPunkte = std::array<TPunkt, 9>;

// The start points of the nine segments of each curve (from the segment tables).
TPunkte startPunkteAb();
TPunkte startPunkteAuf();

} // namespace reineisen

class TFormReineisen : public TLessonForm {
public:
    TFormReineisen();

    TPaintBox PaintBoxHaupt { this, QStringLiteral("PaintBoxHaupt"), &TFormReineisen::PaintBoxHauptPaint };
    TPaintBox PaintBoxUmwandlung { this, QStringLiteral("PaintBoxUmwandlung"),
        &TFormReineisen::PaintBoxUmwandlungPaint };
    TPaintBox PaintBoxHilfslinien { this, QStringLiteral("PaintBoxHilfslinien") };
    TMemo MemoErlaeuterung { this, QStringLiteral("MemoErlaeuterung") };
    TMainMenu MainMenuLeiste { this, QStringLiteral("MainMenuLeiste") };
    TMenuItem Ende { MainMenuLeiste, QStringLiteral("Ende"), QStringLiteral("&Ende"), &TFormReineisen::EndeClick };
    TMenuItem Abkuehlung { MainMenuLeiste, QStringLiteral("Abkuehlung"), QStringLiteral("&Abkühlung"),
        &TFormReineisen::AbkuehlungClick };
    TMenuItem Aufheizung { MainMenuLeiste, QStringLiteral("Aufheizung"), QStringLiteral("A&ufheizung"),
        &TFormReineisen::AufheizungClick };
    TMenuItem Neu { MainMenuLeiste, QStringLiteral("Neu"), QStringLiteral("&Neu"), &TFormReineisen::NeuClick };
    TMenuItem ESCAPE { MainMenuLeiste, QStringLiteral("ESCAPE"), QStringLiteral("ESC = Abbruch"),
        &TFormReineisen::ESCAPEClick, VK_ESCAPE };
    TTimer TimerAbkuehl { this, QStringLiteral("TimerAbkuehl"), &TFormReineisen::TimerAbkuehlTimer, 100 };
    TTimer TimerAufheiz { this, QStringLiteral("TimerAufheiz"), &TFormReineisen::TimerAufheizTimer, 100 };

    // The two runs; each has its own points, timer and start item.
    enum Lauf { Abkuehlen, Aufheizen };

    // The animation's state; the default values are those at program start. The start items
    // reload all points of their curve.
    struct ModuleState {
        reineisen::TPunkte PunktAb = reineisen::startPunkteAb();
        reineisen::TPunkte PunktAuf = reineisen::startPunkteAuf();
        // Width of the lattice box when it was last painted: the clears below reach to 5 pixels
        // short of it.
        int Breite = 250;

        // "&Neu": the last points' X back to their start values, so neither run counts as
        // completed; everything else keeps its value.
        void resetCompleted()
        {
            const ModuleState start;
            PunktAb[8].X = start.PunktAb[8].X;
            PunktAuf[8].X = start.PunktAuf[8].X;
        }
    };

private:
    void FormPaint() override;
    void PaintBoxHauptPaint();
    void PaintBoxUmwandlungPaint();
    void AbkuehlungClick();
    void AufheizungClick();
    void TimerAbkuehlTimer();
    void TimerAufheizTimer();
    void NeuClick();
    void EndeClick();
    void ESCAPEClick();

    void Layout();
    // Starts a run: its points from their start values, the pen at the curve's start, the lock.
    void StartRun(Lauf lauf);
    // One tick of a run: the curve, the end test, the labels, the lattice pictures.
    void RunTick(Lauf lauf);
    void EndRun(Lauf lauf);
    reineisen::TPunkte& Punkte(Lauf lauf);
    TTimer& Timer(Lauf lauf);

    ModuleState m_state;
};

extern TFormReineisen* FormReineisen;

} // namespace wb
