// The process lessons: the set-up they share, the start, pause, reset and closing of their runs,
// and the side-by-side lessons' paint and ZTU cooling run.
#include "heattreat/ProcessForm.h"

#include "heattreat/ProcessRun.h"
#include "resources/Pictures.h"

namespace wb {

namespace {

constexpr TColor kDefinitionColor = RGB(0x00, 0x80, 0xFF);
constexpr int kMemoFontHeight = 18;

void place(TControl& control, const QRect& r)
{
    control.SetBounds(r.x(), r.y(), r.width(), r.height());
}

} // namespace

template <class Geometry>
TProcessForm<Geometry>::TProcessForm(const QString& name, const LessonLook& look, const processform::Lesson& lesson)
    : TLessonForm(name, look)
    , m_lesson(lesson)
{
}

template <class Geometry> void TProcessForm<Geometry>::setUp(const Parts& parts)
{
    m_parts = parts;
    m_parts.PaintBoxDef->SetColor(kDefinitionColor);
    TMemo& memo = *m_parts.MemoErlaeuterung;
    memo.SetColor(kMemoColor);
    memo.Font.SetName(QStringLiteral("MS Sans Serif"));
    memo.SetReadOnly(true);
    if (m_lesson.memoScrolls)
        memo.SetScrollBars(ssBoth);
    memo.Lines.setTable(m_lesson.memo);
    pictures::assignStrip(*m_parts.ImageListGef);
}

template <class Geometry> void TProcessForm<Geometry>::FormCreate()
{
    m_parts.PaintBoxHaupt->SetBounds(5, 5, 770, 500);
    place(*m_parts.PaintBoxDef, m_lesson.defBounds);
    place(*m_parts.MemoErlaeuterung, m_lesson.memoBounds);
    m_parts.MemoErlaeuterung->Font.SetHeight(kMemoFontHeight);
}

template <class Geometry> void TProcessForm<Geometry>::PaintBoxDefPaint()
{
    processdiagram::drawDefinitionPanel(m_parts.PaintBoxDef->Canvas(), m_lesson.definitionX, m_lesson.definition);
}

template <class Geometry> void TProcessForm<Geometry>::AustenitisierungClick()
{
    m_parts.processTimer->SetEnabled(true);
    LockRun({ m_parts.Austenitisierung });
    m_state.ProzessX = m_lesson.start.X;
    m_state.ProzessY = float(m_lesson.start.Y);
    m_state.ProzessLaeuft = m_parts.Prozessanhalten != nullptr;
    m_parts.PaintBoxHaupt->Canvas().MoveTo(m_lesson.start.X, m_lesson.start.Y);
}

template <class Geometry> void TProcessForm<Geometry>::ProzessanhaltenClick()
{
    if (processrun::pauseOrResume(m_state.ProzessLaeuft, *m_parts.processTimer, m_parts.PaintBoxHaupt->Canvas(),
            m_state.ProzessX, m_state.ProzessY))
        LockRun({ m_parts.Austenitisierung });
}

template <class Geometry> TCanvas& TProcessForm<Geometry>::processCanvas()
{
    TCanvas& c = m_parts.PaintBoxHaupt->Canvas();
    c.Pen.SetColor(clRed);
    c.Pen.SetWidth(3);
    c.Font.SetColor(clWhite);
    return c;
}

template <class Geometry> void TProcessForm<Geometry>::endProcessRun()
{
    UnlockRun();
    m_parts.processTimer->SetEnabled(false);
    m_state.ProzessLaeuft = false;
}

template <class Geometry> void TProcessForm<Geometry>::enableItems()
{
    for (TMenuItem* item : { m_parts.Prozessanhalten, m_parts.Austenitisierung, m_parts.ztuItem })
        if (item)
            item->SetEnabled(true);
}

template <class Geometry> void TProcessForm<Geometry>::NEUClick()
{
    // During a run the form is locked and this item out of reach. Should it be run all the same,
    // the run ends here too, so it cannot go on drawing over the cleared picture.
    StopTimers();
    m_state.ProzessLaeuft = false;
    enableItems();
    UnlockRun();
    Refresh();
}

template <class Geometry> void TProcessForm<Geometry>::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle.
    enableItems();
    UnlockRun();
    StopTimers();
    m_state.ProzessLaeuft = false;
    Refresh();
}

template class TProcessForm<processdiagram::Layout>;
template class TProcessForm<processdiagram::Frame>;

TSideBySideForm::TSideBySideForm(const QString& name, const LessonLook& look, const processform::Lesson& lesson,
    const processdiagram::ZtuLook& ztuLook)
    : TProcessForm(name, look, lesson)
    , m_ztuLook(ztuLook)
{
}

void TSideBySideForm::PaintBoxHauptPaint()
{
    TPaintBox& haupt = *parts().PaintBoxHaupt;
    const int w = haupt.Width();
    const int h = haupt.Height();
    m_state.geometry = processdiagram::sideBySide(w, h);
    processdiagram::drawSideBySide(haupt.Canvas(), m_state.geometry, w, h, m_ztuLook);
}

void TSideBySideForm::PaintBoxLogPaint()
{
    // Draws nothing: it only takes its place over the ZTU diagram just painted.
    const QRect r = processdiagram::ztuCurveBounds(m_state.geometry.ztu, parts().PaintBoxHaupt->BoundsRect().topLeft());
    place(*parts().PaintBoxLog, r);
}

void TSideBySideForm::startZtuRun()
{
    LockRun({});
    parts().ztuTimer->SetEnabled(true);
    m_state.ProzessX = 0;
    m_state.ProzessY = 0;
    parts().PaintBoxLog->Canvas().MoveTo(0, 0);
}

TCanvas& TSideBySideForm::ztuCanvas()
{
    TCanvas& c = parts().PaintBoxLog->Canvas();
    c.Pen.SetColor(clRed);
    c.Pen.SetWidth(3);
    c.Font.SetColor(clWhite);
    c.Brush.SetColor(clPurple);
    return c;
}

void TSideBySideForm::endZtuRun()
{
    UnlockRun();
    parts().ztuItem->SetEnabled(false);
    parts().ztuTimer->SetEnabled(false);
}

} // namespace wb
