// End-quench hardness curves of C 45 specimens tempered at temperatures from 20 °C to 650 °C.
#pragma once

#include "framework/Canvas.h"
#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "model/LessonSteels.h"

namespace wb {

// The chart's geometry as pure functions of the paint box's size, so that it can be checked
// without a form.
namespace verhart {

// The gold panel and its grid: six rows of 10 HRC, eight columns of 10 mm.
struct Chart {
    int left = 35;
    int top = 85;
    int right = 0; // width − 50
    int bottom = 0; // height − 50
    int row = 0; // (bottom − top) div 6
    int column = 0; // (right − left) div 8
};
Chart chartFor(int width, int height);

// A point of a curve: d mm from the quenched face, h pixels above the bottom, drawn at
// x = Round(left − 7 + column · d / 10), y = bottom − h.
TPoint curvePoint(const Chart& chart, double d, int h);

// The curves keep the scale of the chart they were drawn on, 66 pixels per 10 HRC, whatever
// size the chart has now: a hardness is this many pixels above the bottom.
constexpr double kPixelsPerHRC = 6.6;
int curveHeight(double hrc);
// A point of one of the steel's end-quench curves.
TPoint curvePoint(const Chart& chart, const model::DistanceHardness& p);

} // namespace verhart

class TFormVerHart : public TLessonForm {
public:
    TFormVerHart();

    TPaintBox PaintBoxHaupt { this, QStringLiteral("PaintBoxHaupt"), &TFormVerHart::PaintBoxHauptPaint };
    TImage ImageTitel { this, QStringLiteral("ImageTitel") };
    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem ESC { MainMenu1, QStringLiteral("ESC"), QStringLiteral("ESC"), closesForm, VK_ESCAPE, false };

private:
    void FormCreate() override;
    void PaintBoxHauptPaint();
};

extern TFormVerHart* FormVerHart;

} // namespace wb
