// What every lesson form shares: outer size and centring, colours, fonts, border and the
// status bar with its key help.
#pragma once

#include "Controls.h"
#include "Forms.h"

namespace wb {

constexpr TColor kLessonColor = RGB(0xD3, 0x05, 0x62);
constexpr TColor kChartColor = RGB(0xCD, 0x52, 0x81); // the tempering chart and the hardness curves
constexpr TColor kMemoColor = RGB(0xFF, 0xBF, 0xBF);

// The key help texts of the status bars.
namespace status {
inline const QString S1 = QStringLiteral("ESC = Abbruch");
inline const QString S2 = QStringLiteral("Drücken Sie F1 um den begleitenden Text ein- oder auszublenden / ESC = Abbruch");
inline const QString S3 = QStringLiteral("F2 = Prozess anhalten/fortsetzen, ESC = Abbruch");
inline const QString S4 = QStringLiteral(
    "ESC= Abbruch, Taste drücken --> Prozess beginnt, nochmals drücken -> Prozess anhalten");
} // namespace status

// Whether a form takes its size and centre once at start-up or at every repaint (those snap
// back to the screen centre whenever they repaint).
enum class Centring { OnCreate, OnPaint };

struct LessonLook {
    QString caption;
    int width = 800;
    int height = 600;
    Centring centring = Centring::OnCreate;
    int fontHeight = -11;
    TColor color = kLessonColor;
    TBorderStyle border = bsToolWindow;
    QString status = status::S1;
    int statusHeight = 18;
    int statusFontHeight = -13;
};

class TLessonForm : public TForm {
public:
    // The one line of key help at the bottom.
    TStatusBar StatusBarHint;

    const LessonLook& look() const { return m_look; }

protected:
    TLessonForm(const QString& name, const LessonLook& look);

    // Outer size as the look says, then Left := (screen width - Width) div 2 and
    // Top := (screen height - Height) div 2.
    void SizeAndCentre();

    void beforeCreate() override;
    void beforePaint() override;

private:
    LessonLook m_look;
};

} // namespace wb
