// The two thermal-analysis lessons: the run's stages on their timers, the run lock and closing.
#include "phase/ThermalAnalysisForm.h"

namespace wb {

TThermalAnalysisForm::TThermalAnalysisForm(
    const QString& name, const LessonLook& look, const thermal::Lesson& lesson, std::span<const char* const> memo)
    : TLessonForm(name, look)
    , m_lesson(lesson)
    , m_memo(memo)
    , m_state(thermal::startState(lesson))
{
    SetKeyPreview(true);
    MemoErlaeuterung.SetColor(kMemoColor);
    MemoErlaeuterung.SetReadOnly(true);
    MemoErlaeuterung.SetTabStop(false);
    // The form's font at height 18. Five lines fill the memo's 100 pixels; the vertical scroll
    // bar keeps every line readable should one of them wrap.
    MemoErlaeuterung.Font.Assign(Font);
    MemoErlaeuterung.Font.SetHeight(18);
    MemoErlaeuterung.Font.SetColor(clBlack);
    MemoErlaeuterung.SetScrollBars(ssVertical);

    // No OnClose on purpose: the close box resets nothing, and "Start" stays disabled after a
    // run until the form is left once by "Ende" or Esc.
}

TTimer* TThermalAnalysisForm::curveTimer(int k)
{
    TTimer* timers[] = { &Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6 };
    return timers[k];
}

void TThermalAnalysisForm::FormCreate()
{
    // Outer size and centring are done by the lesson base before this runs.
    PaintBoxHaupt.SetBounds(5, 5, 765, 410);
    MemoErlaeuterung.SetBounds(5, 415, 765, 100);
    MemoErlaeuterung.Lines.setTable(m_memo);
}

void TThermalAnalysisForm::PaintBoxHauptPaint()
{
    thermal::paintStatic(PaintBoxHaupt.Canvas(), m_lesson.staticPicture);
}

void TThermalAnalysisForm::StartClick()
{
    Timer1.SetEnabled(true);
    m_state.pen = m_lesson.curves[0].start;
    PaintBoxHaupt.Canvas().MoveTo(m_state.pen.X, m_state.pen.Y);
    LockRun({ &Start, &Ende });
}

void TThermalAnalysisForm::curveTick(int k)
{
    if (!thermal::tickCurve(PaintBoxHaupt.Canvas(), m_lesson, m_state, k))
        return;
    curveTimer(k)->SetEnabled(false);
    if (k + 1 < thermal::kKurven)
        curveTimer(k + 1)->SetEnabled(true);
    else
        TimerVerbindung.SetEnabled(true);
}

void TThermalAnalysisForm::TimerVerbindungTimer()
{
    if (!thermal::tickConnections(PaintBoxHaupt.Canvas(), m_lesson, m_state))
        return;
    TimerVerbindung.SetEnabled(false);
    TimerFest.SetEnabled(true);
    TimerSchmelze.SetEnabled(true);
    TimerLiquidus.SetEnabled(true);
}

void TThermalAnalysisForm::TimerLiquidusTimer()
{
    if (thermal::tickLiquidus(PaintBoxHaupt.Canvas(), m_lesson, m_state))
        TimerLiquidus.SetEnabled(false);
}

void TThermalAnalysisForm::TimerSchmelzeTimer()
{
    if (thermal::tickMelt(PaintBoxHaupt.Canvas(), m_lesson, m_state))
        TimerSchmelze.SetEnabled(false);
}

void TThermalAnalysisForm::TimerFestTimer()
{
    if (!thermal::tickSolid(PaintBoxHaupt.Canvas(), m_lesson, m_state))
        return;
    // The last columns are in: the final picture, and the form takes input again. "Start"
    // stays disabled until the form is left by "Ende" or Esc.
    thermal::paintFinal(PaintBoxHaupt.Canvas(), m_lesson);
    UnlockRun({ &Ende });
    TimerFest.SetEnabled(false);
}

void TThermalAnalysisForm::EndeClick()
{
    // Nothing is repainted here: the next opening's repaint clears the picture.
    UnlockRun({ &Start });
    m_state = thermal::startState(m_lesson);
    StopTimers();
    Close();
}

void TThermalAnalysisForm::ESCAPEDOWNClick()
{
    // Esc also breaks off a run, which had disabled "&Ende" too.
    UnlockRun({ &Start, &Ende });
    m_state = thermal::startState(m_lesson);
    StopTimers();
    Close();
}

} // namespace wb
