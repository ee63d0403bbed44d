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

// The module state; its initial values are those at program start. "&Neu" resets only the last
// points' X, the start items reload all points of their curve.
struct State {
    TPunkte PunktAb = startPunkteAb();
    TPunkte PunktAuf = startPunkteAuf();
    // Width of the lattice box when it was last painted: the clears below reach to 5 pixels
    // short of it.
    int Breite = 250;
};

} // namespace reineisen

class TFormReineisen : public TLessonForm {
public:
    TFormReineisen();

    TPaintBox PaintBoxHaupt { this, QStringLiteral("PaintBoxHaupt") };
    TPaintBox PaintBoxUmwandlung { this, QStringLiteral("PaintBoxUmwandlung") };
    TPaintBox PaintBoxHilfslinien { this, QStringLiteral("PaintBoxHilfslinien") };
    TMemo MemoErlaeuterung { this, QStringLiteral("MemoErlaeuterung") };
    TMainMenu MainMenuLeiste { this, QStringLiteral("MainMenuLeiste") };
    TMenuItem Ende { MainMenuLeiste, QStringLiteral("Ende"), QStringLiteral("&Ende") };
    TMenuItem Abkuehlung { MainMenuLeiste, QStringLiteral("Abkuehlung"), QStringLiteral("&Abkühlung") };
    TMenuItem Aufheizung { MainMenuLeiste, QStringLiteral("Aufheizung"), QStringLiteral("A&ufheizung") };
    TMenuItem Neu { MainMenuLeiste, QStringLiteral("Neu"), QStringLiteral("&Neu") };
    TMenuItem ESCAPE { MainMenuLeiste, QStringLiteral("ESCAPE"), QStringLiteral("ESC = Abbruch"), VK_ESCAPE };
    TTimer TimerAbkuehl { this, QStringLiteral("TimerAbkuehl"), 100 };
    TTimer TimerAufheiz { this, QStringLiteral("TimerAufheiz"), 100 };

    // The two runs; each has its own points, timer and start item.
    enum Lauf { Abkuehlen, Aufheizen };

private:
    void FormPaint();
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

    reineisen::State m_state;
};

extern TFormReineisen* FormReineisen;

} // namespace wb
