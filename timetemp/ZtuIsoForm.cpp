// The isothermal ZTU lessons: the EKD corner beside an isothermal transformation diagram, on which
// the student quenches to one of four holding temperatures and watches the transformation run.
#include "timetemp/ZtuIsoForm.h"

namespace wb {

TZtuIsoForm::TZtuIsoForm(const QString& name, const QString& caption, const ztuiso::IsoLesson& lesson, bool boldLabels)
    : TLessonForm(name, { .caption = caption, .status = status::S2, .statusHeight = 19 })
    , m_lesson(lesson)
{
    // The form description; FormCreate places the rest.
    PaintBoxLog.SetBounds(405, 158, 348, 277);
    PaintBoxLog.Font.SetHeight(-13);
    PaintBoxLog.Font.SetBold(boldLabels);
    MemoErlaeuterung.SetColor(kMemoColor);
    MemoErlaeuterung.SetReadOnly(true);
    MemoErlaeuterung.SetTabStop(false);
    // The lines are longer than the memo is wide, and more than its height holds.
    MemoErlaeuterung.SetScrollBars(ssBoth);
    MemoErlaeuterung.Lines.setTable(m_lesson.memoErlaeuterung);
    MemoErlaeuterung.SetVisible(false);
}

void TZtuIsoForm::FormCreate()
{
    PaintBoxHaupt.SetBounds(5, 5, 750, 500);
    MemoErlaeuterung.SetBounds(0, 0, 365, 350);
    MemoErlaeuterung.Font.SetHeight(18);
}

void TZtuIsoForm::PaintBoxHauptPaint()
{
    const int w = PaintBoxHaupt.Width(), h = PaintBoxHaupt.Height();
    m_state.Layout = ztaztu::computeLayout(ztuiso::layoutRule(), w, h);
    ztuiso::drawPicture(PaintBoxHaupt.Canvas(), m_state.Layout, w, h, m_lesson);
}

void TZtuIsoForm::PaintBoxLogPaint()
{
    const QRect r = ztaztu::overlayBounds(m_state.Layout, PaintBoxHaupt.BoundsRect(), ztuiso::overlayRule());
    PaintBoxLog.SetBounds(r.left(), r.top(), r.width(), r.height());
}

void TZtuIsoForm::startRun(TTimer& timer)
{
    timer.SetEnabled(true);
    // The item stays enabled while its run goes on: the locked form keeps the mouse from it.
    LockRun({});
    m_state.restartRun();
    PaintBoxLog.Canvas().MoveTo(0, 0);
}

void TZtuIsoForm::T20Click()
{
    startRun(Timer20);
}

void TZtuIsoForm::T330Click()
{
    startRun(Timer330);
}

void TZtuIsoForm::T530Click()
{
    startRun(Timer530);
}

void TZtuIsoForm::T670Click()
{
    startRun(Timer670);
}

void TZtuIsoForm::isothermStep(ztuiso::Isotherm isotherm, TTimer& timer, TMenuItem& item)
{
    const ztuiso::IsothermRun& run = m_lesson.runs[size_t(isotherm)];
    const ztuiso::IsothermTick tick = ztuiso::isothermTick(run, m_state.KurveX, m_state.KurveY);
    ztuiso::drawIsothermTick(PaintBoxLog.Canvas(), run, tick, m_state.KurveX, m_state.KurveY);
    if (!tick.ended)
        return;
    // The isotherm's item stays disabled: its run is on the picture until "Löschen / Neu".
    UnlockRun();
    item.SetEnabled(false);
    timer.SetEnabled(false);
}

void TZtuIsoForm::Timer20Timer()
{
    isothermStep(ztuiso::Isotherm::T20, Timer20, T20);
}

void TZtuIsoForm::Timer330Timer()
{
    isothermStep(ztuiso::Isotherm::T330, Timer330, T330);
}

void TZtuIsoForm::Timer530Timer()
{
    isothermStep(ztuiso::Isotherm::T530, Timer530, T530);
}

void TZtuIsoForm::Timer670Timer()
{
    isothermStep(ztuiso::Isotherm::T670, Timer670, T670);
}

void TZtuIsoForm::enableIsothermItems()
{
    for (TMenuItem* item : { &T20, &T330, &T530, &T670 })
        item->SetEnabled(true);
}

void TZtuIsoForm::NEUClick()
{
    // Reached only while no run goes on: the lock keeps the mouse from it, and it has no key.
    enableIsothermItems();
    Refresh();
}

void TZtuIsoForm::TextClick()
{
    ToggleText(MemoErlaeuterung);
}

void TZtuIsoForm::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle. KurveX
    // and KurveY keep their values; the next run sets them anew.
    enableIsothermItems();
    UnlockRun();
    MemoErlaeuterung.SetVisible(false);
    StopTimers();
}

} // namespace wb
