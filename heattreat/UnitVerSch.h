// Tempering chart of C 45: strength, yield point, elongation and reduction of area against tempering temperature.
#pragma once

#include "framework/Canvas.h"
#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "framework/Timers.h"

namespace wb {

// The chart's geometry and its lines as pure functions.
namespace versch {

// The chart frame in a paint box of width × height: left 35, top 65, right width − 20, bottom
// height − 50, five rows (300 N/mm² or 30 % each) and five columns (50 °C each).
struct Chart {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int row = 0; // (bottom − top) div 5
    int column = 0; // (right − left) div 5
    bool operator==(const Chart&) const = default;
};
Chart chart(int width, int height);

// One property line: it grows from its start by (dx, dy) a tick while its x has not passed
// `lastX`, then its label is written `labelOffset` pixels above the chart's bottom.
struct Line {
    TColor color;
    TPoint start;
    int dx;
    int dy;
    int lastX;
    const char* label; // UTF-8
    int labelOffset;
};

// The four lines: tensile strength and yield strength fall with the tempering temperature (the
// y axis points down), reduction of area and elongation at fracture rise. The labels stand just
// above their lines, the elongation's just below it.
// clang-format off
//                              colour                  start        dx   dy  lastX  label                      offset
inline constexpr Line kZug      { RGB(0x80, 0x00, 0x80), { 185, 270 }, 12, +1, 620, " Zugfestigkeit ",         222 };
inline constexpr Line kBruchein { RGB(0x00, 0x80, 0x00), { 185, 355 }, 15, -1, 610, " Brucheinschnürung ",     170 };
inline constexpr Line kStreck   { RGB(0x00, 0x00, 0xFF), { 185, 360 }, 12, +1, 610, " Streckgrenze ",          130 };
inline constexpr Line kBruchde  { RGB(0xFF, 0x00, 0x00), { 185, 445 }, 15, -1, 610, " Bruchdehnung ",           50 };
// clang-format on

// Whether the line still grows from `end`, and where its next segment ends.
bool grows(const Line& line, TPoint end);
TPoint nextPoint(const Line& line, TPoint end);
// Where every label stands: at 2.27 columns right of the left edge, less 7 pixels.
TPoint labelPos(const Chart& chart, const Line& line);

} // namespace versch

class TFormVerSch : public TLessonForm {
public:
    TFormVerSch();

    TPaintBox PaintBoxHaupt { this, QStringLiteral("PaintBoxHaupt"), &TFormVerSch::PaintBoxHauptPaint };
    // Painted after the chart and over it.
    TPaintBox PaintBoxTitel { this, QStringLiteral("PaintBoxTitel"), &TFormVerSch::PaintBoxTitelPaint };
    TTimer TimerZug { this, QStringLiteral("TimerZug"), &TFormVerSch::TimerZugTimer, 50 };
    TTimer TimerBruchein { this, QStringLiteral("TimerBruchein"), &TFormVerSch::TimerBrucheinTimer, 50 };
    TTimer TimerStreck { this, QStringLiteral("TimerStreck"), &TFormVerSch::TimerStreckTimer, 50 };
    TTimer TimerBruchde { this, QStringLiteral("TimerBruchde"), &TFormVerSch::TimerBruchdeTimer, 50 };

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem Zugfestigkeit1 { MainMenu1, QStringLiteral("Zugfestigkeit1"), QStringLiteral("Zugfestigkeit"),
        &TFormVerSch::Zugfestigkeit1Click };
    TMenuItem Brucheinschnrung1 { MainMenu1, QStringLiteral("Brucheinschnrung1"), QStringLiteral("Brucheinschnürung"),
        &TFormVerSch::Brucheinschnrung1Click };
    TMenuItem Streckgrenze1 { MainMenu1, QStringLiteral("Streckgrenze1"), QStringLiteral("Streckgrenze"),
        &TFormVerSch::Streckgrenze1Click };
    TMenuItem Bruchdehnung1 { MainMenu1, QStringLiteral("Bruchdehnung1"), QStringLiteral("Bruchdehnung"),
        &TFormVerSch::Bruchdehnung1Click };
    TMenuItem Neu1 { MainMenu1, QStringLiteral("Neu1"), QStringLiteral("Neu"), &TFormVerSch::Neu1Click };
    TMenuItem ESC { MainMenu1, QStringLiteral("ESC"), QStringLiteral("ESC"), closesForm, VK_ESCAPE, false };

    // The current end of each line; the start values are restored by "Neu" and by closing.
    struct ModuleState {
        TPoint ZugPunkt = versch::kZug.start;
        TPoint BrucheinPunkt = versch::kBruchein.start;
        TPoint StreckPunkt = versch::kStreck.start;
        TPoint BruchdePunkt = versch::kBruchde.start;
        versch::Chart geometry; // recomputed at every paint of PaintBoxHaupt, kept for the labels

        void restartLines()
        {
            const ModuleState start;
            ZugPunkt = start.ZugPunkt;
            BrucheinPunkt = start.BrucheinPunkt;
            StreckPunkt = start.StreckPunkt;
            BruchdePunkt = start.BruchdePunkt;
        }
    };
    const ModuleState& moduleState() const { return m_state; }

private:
    void FormCreate() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void PaintBoxTitelPaint();
    void Zugfestigkeit1Click();
    void Brucheinschnrung1Click();
    void Streckgrenze1Click();
    void Bruchdehnung1Click();
    void TimerZugTimer();
    void TimerBrucheinTimer();
    void TimerStreckTimer();
    void TimerBruchdeTimer();
    void Neu1Click();

    // One tick of a line's timer: one segment while it grows, else its label and the timer stops.
    void lineTick(const versch::Line& line, TPoint& end, TTimer& timer);

    ModuleState m_state;
};

extern TFormVerSch* FormVerSch;

} // namespace wb
