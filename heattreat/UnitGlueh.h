// The annealing processes and the temperature range of each in the iron-carbon diagram.
#pragma once

#include "diagrams/IronCarbonScale.h"
#include "framework/Canvas.h"
#include "framework/Controls.h"
#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "framework/Timers.h"

#include <span>

namespace wb {

// The steel corner of the iron-carbon diagram and the paths of the bands, as pure functions.
namespace glueh {

// 39 pixels per 0.2 % C from x = 230, 60 pixels per 200 °C up from y = 500 at 0 °C: the grid's
// columns and rows.
inline constexpr ekd::Scale kScale { 230, 39 / 0.2, 500, 0, 60 / 200.0 };

// Every tick moves a band's end 4 pixels to the right.
inline constexpr int kStepX = 4;

// What one tick of a band draws: up to two lines from the pen position, each with its pen width,
// and the band's height afterwards.
struct Stroke {
    int width;
    TPoint to;
};
struct Tick {
    float y;
    int count = 0;
    Stroke strokes[2] {};
};

// The band paths, for the band's end x (already moved on) and its height y.
Tick normalPath(int x, float y); // rises parallel to G–S, then runs flat above 723 °C
Tick homoPath(int x, float y); // flat, then tapers to a point
Tick armPath(int x, float y); // flat at 330
Tick rePath(int x, float y); // flat at 330, from a start one pixel lower
Tick weichPath(int x, float y); // just below A1, then across it and wider

} // namespace glueh

class TFormGlueh : public TLessonForm {
public:
    TFormGlueh();

    TPaintBox PaintBoxHaupt { this, QStringLiteral("PaintBoxHaupt"), &TFormGlueh::PaintBoxHauptPaint };
    // Lies over the left of the diagram, which starts drawing at x = 195.
    TMemo MemoErlaeuterung { this, QStringLiteral("MemoErlaeuterung") };
    TTimer TimerNORMAL { this, QStringLiteral("TimerNORMAL"), &TFormGlueh::TimerNORMALTimer, 1 };
    TTimer TimerHOMO { this, QStringLiteral("TimerHOMO"), &TFormGlueh::TimerHOMOTimer, 1 };
    TTimer TimerArm { this, QStringLiteral("TimerArm"), &TFormGlueh::TimerArmTimer, 1 };
    TTimer TimerRE { this, QStringLiteral("TimerRE"), &TFormGlueh::TimerRETimer, 1 };
    TTimer TimerWEICH { this, QStringLiteral("TimerWEICH"), &TFormGlueh::TimerWEICHTimer, 1 };

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };
    TMenuItem NORMAL { MainMenu1, QStringLiteral("NORMAL"), QStringLiteral("&Normalglühen"), &TFormGlueh::NORMALClick };
    TMenuItem Diffusionsgluehen { MainMenu1, QStringLiteral("Diffusionsgluehen"), QStringLiteral("&Diffusionsglühen"),
        &TFormGlueh::DiffusionsgluehenClick };
    TMenuItem Grobkorn { MainMenu1, QStringLiteral("Grobkorn"), QStringLiteral("&Grobkornglühen"),
        &TFormGlueh::GrobkornClick };
    TMenuItem ARM { MainMenu1, QStringLiteral("ARM"), QStringLiteral("&Spannungsfreiglühen"), &TFormGlueh::ARMClick };
    TMenuItem Re { MainMenu1, QStringLiteral("Re"), QStringLiteral("&Rekristallisationsglühen"), &TFormGlueh::ReClick };
    TMenuItem WEICH { MainMenu1, QStringLiteral("WEICH"), QStringLiteral("&Weichglühen"), &TFormGlueh::WEICHClick };
    TMenuItem Neu { MainMenu1, QStringLiteral("Neu"), QStringLiteral("&Löschen/Neu"), &TFormGlueh::NeuClick };

    // The current end of the band being drawn, shared by all bands.
    struct ModuleState {
        int ProzessX = 0;
        float ProzessY = 0;
    };
    const ModuleState& moduleState() const { return m_state; }

    // A band: its item, its timer, where it starts, its pen, its path and when it ends, its
    // label and the explanation it appends to the memo.
    struct Band;

private:
    void FormCreate() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void NORMALClick();
    void DiffusionsgluehenClick();
    void GrobkornClick();
    void ARMClick();
    void ReClick();
    void WEICHClick();
    void NeuClick();
    void TimerNORMALTimer();
    void TimerHOMOTimer();
    void TimerArmTimer();
    void TimerRETimer();
    void TimerWEICHTimer();

    void startBand(const Band& band);
    void bandTick(const Band& band);
    void appendMemo(std::span<const char* const> lines);

    ModuleState m_state;
};

extern TFormGlueh* FormGlueh;

} // namespace wb
