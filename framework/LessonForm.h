// What every lesson form shares: outer size and centring, colours, fonts, border, the status
// bar with its key help, the run lock, stopping the timers and the "Text ja/nein" toggle.
#pragma once

#include "Controls.h"
#include "Forms.h"
#include "Texts.h"

#include <initializer_list>

namespace wb {

constexpr TColor kLessonColor = RGB(0xD3, 0x05, 0x62);
constexpr TColor kChartColor = RGB(0xCD, 0x52, 0x81); // the tempering chart and the hardness curves
constexpr TColor kMemoColor = RGB(0xFF, 0xBF, 0xBF);

// The key help texts of the status bars.
namespace status {
inline const QString S1 = QStringLiteral(WB_TR("LessonForm", "ESC = Abbruch"));
inline const QString S2 = QStringLiteral(
    WB_TR("LessonForm", "Drücken Sie F1 um den begleitenden Text ein- oder auszublenden / ESC = Abbruch"));
inline const QString S3 = QStringLiteral(WB_TR("LessonForm", "F2 = Prozess anhalten/fortsetzen, ESC = Abbruch"));
inline const QString S4 = QStringLiteral(
    WB_TR("LessonForm", "ESC= Abbruch, Taste drücken --> Prozess beginnt, nochmals drücken -> Prozess anhalten"));
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
    // Most forms call their status bar StatusBarHint and show it bold on silver; the few that
    // keep a status bar as it comes name it here.
    QString statusName = QStringLiteral("StatusBarHint");
    bool statusBold = true;
    TColor statusColor = clSilver;
};

class TMenuItem;

class TLessonForm : public TForm {
public:
    // The one line of key help at the bottom (named by the look).
    TStatusBar StatusBarHint;

    const LessonLook& look() const { return m_look; }

protected:
    TLessonForm(const QString& name, const LessonLook& look);

    // Outer size as the look says, then Left := (screen width - Width) div 2 and
    // Top := (screen height - Height) div 2.
    void SizeAndCentre();

    // Every timer of the form stops (closing, Esc, "Löschen / Neu").
    void StopTimers();
    // The run lock: while a process runs its start items and the whole form are disabled, so
    // the mouse reaches neither menu nor close box, while the shortcut keys (Esc, F2) still work.
    void LockRun(std::initializer_list<TMenuItem*> startItems);
    // Lifts the run lock: the items and the form take input again. The last tick of a run,
    // closing and "Löschen / Neu" do this, so a form closed during a run opens usable.
    void UnlockRun(std::initializer_list<TMenuItem*> startItems = {});
    // "Text ja/nein" (F1): shows the explanation, or hides it again. The memo starts hidden.
    static void ToggleText(TMemo& memo);

    void beforeCreate() override;
    void beforePaint() override;

private:
    LessonLook m_look;
};

} // namespace wb
