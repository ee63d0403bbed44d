// The continuous ZTA lessons: the EKD corner beside a heating diagram on which three heating
// curves, their dots where austenite starts and ends to form, micrographs of the structure on the
// way and then the boundary lines drawn right to left build the diagram; afterwards the student
// types a heating rate of their own and sees its curve in the finished diagram. The forms at
// 0.45 % and 0.70 % C are this one form with their own steel's data.
#pragma once

#include "diagrams/ZtaZtuDiagram.h"
#include "framework/ImageList.h"
#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "framework/Timers.h"
#include "timetemp/ZtaDiagram.h"

#include <span>
#include <vector>

namespace wb {

namespace ztacon {

// What one steel's lesson puts into the form.
struct Lesson {
    QString caption;
    QString buttonCaption;
    std::span<const char* const> memo;
    // A text longer than the memo shows gets a vertical scroll bar too.
    TScrollStyle memoScrollBars;
    // The picture: the steel's box and its carbon-content markings.
    ztaztu::SteelBox steelBox;
    std::span<const Segment> purpleGapLines;
    std::span<const ztaztu::Marking> markings;
    // The automatic sequence: the micrographs during the first curve, the three heating curves,
    // where the pen goes after them, and the boundary lines.
    std::span<const zta::Micrograph> micrographs;
    std::span<const zta::HeatingCurve> curves;
    TPoint linesStart;
    std::span<const zta::BoundaryLine> lines;
    // The typed rate's curve and where the pen goes after it.
    zta::TypedCurve typed;
    TPoint typedLinesStart;
};

// Both steels' layout: the EKD corner at 0 … 2.2 % C and the ZTA panel from 0.1 s to 10^5 s, both
// from 200 °C at the bottom to 1200 °C in five rows; the overlay leaves the lowest 2.4 rows out.
const ztaztu::LayoutRule& layoutRule();
const ztaztu::OverlayRule& overlayRule();

} // namespace ztacon

class TZtaConForm : public TLessonForm {
public:
    TPaintBox PaintBoxHaupt { this, QStringLiteral("PaintBoxHaupt"), &TZtaConForm::PaintBoxHauptPaint };
    // The overlay of the ZTA panel the runs are drawn on; it paints nothing itself.
    TPaintBox PaintBoxLog { this, QStringLiteral("PaintBoxLog"), &TZtaConForm::PaintBoxLogPaint };
    TLabel LabelVauf { this, QStringLiteral("LabelVauf") };
    TEdit EditVauf { this, QStringLiteral("EditVauf") };
    TButton ButtonVauf { this, QStringLiteral("ButtonVauf") };
    TMemo MemoErlaeuterung { this, QStringLiteral("MemoErlaeuterung") };
    TImageList ImageListGef { this, QStringLiteral("ImageListGef"), 100, 100 };
    TTimer TimerLog1 { this, QStringLiteral("TimerLog1"), &TZtaConForm::TimerLog1Timer, 50 };
    TTimer TimerLog2 { this, QStringLiteral("TimerLog2"), &TZtaConForm::TimerLog2Timer, 50 };
    TTimer TimerLog3 { this, QStringLiteral("TimerLog3"), &TZtaConForm::TimerLog3Timer, 50 };
    TTimer TimerVauf { this, QStringLiteral("TimerVauf"), &TZtaConForm::TimerVaufTimer, 50 };
    TTimer TimerAc1 { this, QStringLiteral("TimerAc1"), &TZtaConForm::TimerAc1Timer, 50 };
    TTimer TimerAc3 { this, QStringLiteral("TimerAc3"), &TZtaConForm::TimerAc3Timer, 50 };
    TTimer TimerHomo { this, QStringLiteral("TimerHomo"), &TZtaConForm::TimerHomoTimer, 50 };

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem Text { MainMenu1, QStringLiteral("Text"), QStringLiteral("&Text ja/nein"), &TZtaConForm::TextClick,
        VK_F1 };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };
    TMenuItem Aufheizungskurven { MainMenu1, QStringLiteral("Aufheizungskurven"), QStringLiteral("&Start ZTA-Diagramm"),
        &TZtaConForm::AufheizungskurvenClick };
    TMenuItem NEU { MainMenu1, QStringLiteral("NEU"), QStringLiteral("&Löschen / Neu"), &TZtaConForm::NEUClick };

    // The module state: the pen on PaintBoxLog (left to right along the heating curves, right to
    // left along the boundary lines), the typed rate, the next micrograph and the layout values
    // the last paint computed. The defaults are the values at program start; every run sets
    // KurveX and KurveY anew.
    struct ModuleState {
        int KurveX = 0;
        float KurveY = 0;
        float VaufWert = 0;
        int BildNr = 0;
        ztaztu::DiagramLayout Layout;
    };
    const ModuleState& moduleState() const { return m_state; }

protected:
    // `name` is the form's instance name, `lesson` its steel's picture, runs and text.
    TZtaConForm(const QString& name, const ztacon::Lesson& lesson);
    // The timers of the boundary lines, one per line of the lesson, in drawing order; each line's
    // last tick starts the next one's timer.
    void setLineTimers(std::vector<TTimer*> timers);
    // One tick of the boundary line that `timer` draws.
    void lineStep(TTimer& timer);

private:
    void FormCreate() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void PaintBoxLogPaint();
    void AufheizungskurvenClick();
    void ButtonVaufClick();
    void TimerLog1Timer();
    void TimerLog2Timer();
    void TimerLog3Timer();
    void TimerVaufTimer();
    void TimerAc1Timer();
    void TimerAc3Timer();
    void TimerHomoTimer();
    void NEUClick();
    void TextClick();

    // One tick of heating curve `index`; its last tick starts the next curve, or the lines.
    void heatingStep(int index);
    // The pen back at the overlay's bottom-left corner, where every curve starts.
    void penToStart();
    void startLines(TPoint start);
    // Entry, button and "Löschen / Neu" take input, or not.
    void enableEntry(bool on);

    const ztacon::Lesson& m_lesson;
    std::vector<TTimer*> m_lineTimers;
    ModuleState m_state;
};

} // namespace wb
