// Temperature guidance in heat treatment: where the austenitising temperatures lie in the iron-carbon diagram.
#pragma once

#include "diagrams/IronCarbonScale.h"
#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "framework/Timers.h"

#include <optional>

namespace wb {

// The lesson's geometry and curves as pure functions, so that they can be checked without a form.
namespace temperaturfuehrung {

// The steel corner of the iron–carbon diagram in a box of width × height: the frame from
// (230, 18) to (width − 80, height − 111), a row of (height − 129) div 6 pixels per 200 °C and
// a column of (width − 310) div 11 pixels per 0.2 % C.
struct Layout {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int row = 0;
    int column = 0;
    bool operator==(const Layout&) const = default;
};
Layout layoutFor(int width, int height);
// The carbon content and temperature scale of that frame: 0 % C and 0 °C at its bottom-left.
ekd::Scale scaleOf(const Layout& l);

// The band of austenitising temperatures at x: rising parallel to G–S up to the 0.8 % C line,
// then level just above 723 °C. No value right of x = 650, where the band ends.
std::optional<float> bandY(int x);

// The temperature–time curve over its parameter u: heating while u ≤ 53, holding while
// 53 < u < 140, cooling for u > 140; at u = 140 the curve has no value. Computed in double and
// held in single precision, as ProzessY holds it.
std::optional<float> kurveF(int u);

// The ten curves, k = 0 … 9, are drawn one grid column apart and D(k) pixels higher than F,
// the first three much higher so that their holding lies in the band over the hypoeutectoid
// steels.
constexpr int kKurven = 10;
int kurveD(int k);
// Where curve k draws the point of parameter u; no point at u = 140.
std::optional<TPoint> kurvenPunkt(int k, int u);

} // namespace temperaturfuehrung

class TFormZTAZTU : public TLessonForm {
public:
    TFormZTAZTU();

    TPaintBox PaintBoxHaupt { this, QStringLiteral("PaintBoxHaupt"), &TFormZTAZTU::PaintBoxHauptPaint };
    TMemo MemoErlaeuterung { this, QStringLiteral("MemoErlaeuterung") };
    TTimer TimerAc { this, QStringLiteral("TimerAc"), &TFormZTAZTU::TimerAcTimer, 50 };
    TTimer Timer02 { this, QStringLiteral("Timer02"), &TFormZTAZTU::Timer02Timer, 50 };
    TTimer Timer04 { this, QStringLiteral("Timer04"), &TFormZTAZTU::Timer04Timer, 50 };
    TTimer Timer06 { this, QStringLiteral("Timer06"), &TFormZTAZTU::Timer06Timer, 50 };
    TTimer Timer08 { this, QStringLiteral("Timer08"), &TFormZTAZTU::Timer08Timer, 50 };
    TTimer Timer10 { this, QStringLiteral("Timer10"), &TFormZTAZTU::Timer10Timer, 50 };
    TTimer Timer12 { this, QStringLiteral("Timer12"), &TFormZTAZTU::Timer12Timer, 50 };
    TTimer Timer14 { this, QStringLiteral("Timer14"), &TFormZTAZTU::Timer14Timer, 50 };
    TTimer Timer16 { this, QStringLiteral("Timer16"), &TFormZTAZTU::Timer16Timer, 50 };
    TTimer Timer18 { this, QStringLiteral("Timer18"), &TFormZTAZTU::Timer18Timer, 50 };
    TTimer Timer20 { this, QStringLiteral("Timer20"), &TFormZTAZTU::Timer20Timer, 50 };

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem START { MainMenu1, QStringLiteral("START"), QStringLiteral("&Start"), &TFormZTAZTU::STARTClick };
    TMenuItem Neu { MainMenu1, QStringLiteral("Neu"), QStringLiteral("&Löschen/Neu"), &TFormZTAZTU::NeuClick };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };

    // The state of the run. Zero at program start; the start item and each stage's end set it.
    // During the band ProzessX and ProzessY are the band's current point; during the curves
    // ProzessX is the curve parameter u and ProzessY the value F(u), before the curve's shift.
    struct ModuleState {
        int ProzessX = 0;
        float ProzessY = 0;
        temperaturfuehrung::Layout geometry; // recomputed at every paint of PaintBoxHaupt
    };
    const ModuleState& moduleState() const { return m_state; }

private:
    void FormCreate() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void STARTClick();
    void NeuClick();
    void TimerAcTimer();
    void Timer02Timer();
    void Timer04Timer();
    void Timer06Timer();
    void Timer08Timer();
    void Timer10Timer();
    void Timer12Timer();
    void Timer14Timer();
    void Timer16Timer();
    void Timer18Timer();
    void Timer20Timer();

    // The curve timers in the order they run.
    TTimer* kurvenTimer(int k);
    // One tick of curve k.
    void kurveStep(int k);

    ModuleState m_state;
};

extern TFormZTAZTU* FormZTAZTU;

} // namespace wb
