// Isothermal ZTA and continuous ZTU diagram of a steel with 0.45 % C: austenitising, then five cooling rates.
#pragma once

#include "diagrams/ZtaZtuDiagram.h"
#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "framework/Timers.h"

#include <span>

namespace wb {

// The lesson's runs as pure functions and data, so that they can be checked without a form.
namespace ztaztu045 {

// The heating line of the austenitising stage at x: 925 − 5.33 · x (130 °C/s on the ZTA time
// axis), computed in double and held in single precision, as ProzessY holds it.
float heizY(int x);

// One section of a cooling tick. It applies while above < ProzessX ≤ upTo, as ProzessX was left
// by the section before it.
struct Section {
    enum class Kind {
        Curve, // LineTo(X, Round(Y + dy)), then X + step: the cooling line itself, drawn dy lower
        Line, // Y := (X − a) · slope + offset, LineTo(X, Round(Y)), then X + step
        LineThenStep, // Y := (X − a) · slope + offset, X + step, then LineTo(X, Round(Y))
    };
    int above;
    int upTo;
    int step;
    Kind kind;
    double dy = 0;
    double a = 0;
    double slope = 0;
    double offset = 0;
};

// A dot where the curve enters or leaves a transformation region: drawn when ProzessX equals x
// after the sections, in the box given on PaintBoxLog.
struct Mark {
    int x;
    TColor fill;
    Box box;
};

// One cooling stage: the cooling line Y = a · 10^((X − 55) / 55) on the overlay, bent by its
// sections where the steel transforms; it ends once Y is more than `limitInset` pixels
// above the overlay's bottom, with its rate written at (X + labelDx, Round(Y + labelDy)).
struct CoolingStage {
    double a;
    std::span<const Section> sections;
    std::span<const Mark> marks;
    int limitInset;
    int labelDx;
    int labelDy;
    const char* label;
};

// The five stages in the order they run: 0.04, 0.6, 15, 60 and 600 °C/s.
constexpr int kStageCount = 5;
const CoolingStage& stage(int index);

// What one cooling tick draws, computed before anything is drawn.
struct StageTick {
    TPoint lines[3]; // LineTo targets, in the order of the sections
    int lineCount = 0;
    const Mark* mark = nullptr;
    bool ended = false;
    TPoint label {}; // where the rate is written when the stage ends
};

// Advances a stage by one tick: Y from the cooling line at the current X, the sections one
// after the other, the mark, the end test against the overlay's height.
StageTick coolingTick(const CoolingStage& stage, int& x, float& y, int logHeight);

} // namespace ztaztu045

class TFormZTAZTU045 : public TLessonForm {
public:
    TFormZTAZTU045();

    TPaintBox PaintBoxHaupt { this, QStringLiteral("PaintBoxHaupt"), &TFormZTAZTU045::PaintBoxHauptPaint };
    // Lies over the ZTU diagram and shares its pixels; the cooling curves are drawn on it.
    TPaintBox PaintBoxLog { this, QStringLiteral("PaintBoxLog"), &TFormZTAZTU045::PaintBoxLogPaint };
    TMemo MemoErlaeuterung { this, QStringLiteral("MemoErlaeuterung") };
    TTimer TimerZTA { this, QStringLiteral("TimerZTA"), &TFormZTAZTU045::TimerZTATimer, 50 };
    TTimer Timer004 { this, QStringLiteral("Timer004"), &TFormZTAZTU045::Timer004Timer, 50 };
    TTimer Timer06 { this, QStringLiteral("Timer06"), &TFormZTAZTU045::Timer06Timer, 50 };
    TTimer Timer20 { this, QStringLiteral("Timer20"), &TFormZTAZTU045::Timer20Timer, 50 };
    TTimer Timer60 { this, QStringLiteral("Timer60"), &TFormZTAZTU045::Timer60Timer, 50 };
    TTimer Timer600 { this, QStringLiteral("Timer600"), &TFormZTAZTU045::Timer600Timer, 50 };

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem Text { MainMenu1, QStringLiteral("Text"), QStringLiteral("&Text ja/nein"), &TFormZTAZTU045::TextClick,
        VK_F1 };
    TMenuItem Austenitisierung { MainMenu1, QStringLiteral("Austenitisierung"),
        QStringLiteral("&Austenitisierung und kontinuieliche Abkühlung"), &TFormZTAZTU045::AustenitisierungClick };
    TMenuItem NEU { MainMenu1, QStringLiteral("NEU"), QStringLiteral("&Löschen / Neu"), &TFormZTAZTU045::NEUClick };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };

    // The state of the run. All zero at program start; nothing resets it: the start item sets
    // ProzessX and ProzessY, and each cooling stage starts them at 0.
    struct ModuleState {
        int ProzessX = 0; // x of the current curve point, shared by all six timers
        float ProzessY = 0; // y of the current curve point
        ztaztu::DiagramLayout geometry; // both diagrams, recomputed at every paint of PaintBoxHaupt
        int ZtaDekade = 0; // pixels per decade of the ZTA diagram
    };
    const ModuleState& moduleState() const { return m_state; }

private:
    void FormCreate() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void PaintBoxLogPaint();
    void AustenitisierungClick();
    void TimerZTATimer();
    void Timer004Timer();
    void Timer06Timer();
    void Timer20Timer();
    void Timer60Timer();
    void Timer600Timer();
    void TextClick();
    void NEUClick();

    // One tick of cooling stage `index`; at its end it hands over to `next` (none after the last).
    void coolingStep(int index, TTimer& own, TTimer* next);

    ModuleState m_state;
};

extern TFormZTAZTU045* FormZTAZTU045;

} // namespace wb
