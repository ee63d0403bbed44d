// The continuous ZTU lessons: the EKD corner beside a continuous-cooling diagram on which the
// student cools at one of five rates, or very slowly, and reads the structures off a table.
#include "timetemp/ZtuConForm.h"

#include <cassert>

namespace wb {

namespace ztucon {

namespace {

constexpr ztaztu::OverlayRule kOverlay { .topRows = 2, .bottomRows = 0, .extraWidth = 20 };

} // namespace

double curveFactor(double celsiusPerSecond)
{
    return ztaztu::curveFactor(celsiusPerSecond, kRunRowPixels);
}

std::array<ztaztu::CoolingRun, kRates> withFactors(
    std::span<const ztaztu::CoolingRun> runs, const model::LessonSteel& steel)
{
    assert(runs.size() == kRates && steel.coolings.size() == kRates);
    std::array<ztaztu::CoolingRun, kRates> out;
    for (size_t i = 0; i < kRates; ++i) {
        out[i] = runs[i];
        out[i].K = curveFactor(steel.coolings[i].drawnRate);
    }
    return out;
}

ztaztu::EquilibriumRun withFactor(ztaztu::EquilibriumRun run, const model::LessonSteel& steel)
{
    run.K = curveFactor(steel.equilibrium.drawnRate);
    return run;
}

const ztaztu::OverlayRule& overlayRule()
{
    return kOverlay;
}

} // namespace ztucon

namespace {

constexpr TColor kHauptFarbe = RGB(0x76, 0x02, 0x86);
constexpr TColor kTabelleFarbe = RGB(0x00, 0x00, 0xFF);

} // namespace

TZtuConForm::TZtuConForm(const QString& name, const QString& caption, const ztucon::Lesson& lesson)
    : TLessonForm(name, { .caption = caption, .status = status::S2, .statusHeight = 19 })
    , m_lesson(lesson)
{
}

void TZtuConForm::setUp(const Parts& parts)
{
    m_parts = parts;
    // The form description; FormCreate places the rest.
    m_parts.PaintBoxHaupt->SetColor(kHauptFarbe);
    const QRect& log = m_lesson.logBounds;
    m_parts.PaintBoxLog->SetBounds(log.x(), log.y(), log.width(), log.height());
    m_parts.PaintBoxLog->Font.SetHeight(-13);
    TMemo& memo = *m_parts.MemoErlaeuterung;
    memo.SetColor(kMemoColor);
    memo.SetReadOnly(true);
    if (!m_lesson.memoTabStop)
        memo.SetTabStop(false);
    // More lines than the memo shows at once, some longer than it is wide.
    memo.SetScrollBars(ssBoth);
    memo.Lines.setTable(m_lesson.memo);
    memo.SetVisible(false);
    TMemo& table = *m_parts.MemoT;
    table.SetColor(kTabelleFarbe);
    table.SetBordered(false);
    table.Font.SetColor(clWhite);
    // The blanks align the columns: a row that wrapped would no longer be a row of the table.
    table.SetWordWrap(false);
    // The table is wider and taller than its place: scroll bars let the user read all of it.
    table.SetScrollBars(ssBoth);
    table.Lines.setTable(m_lesson.table);
    table.SetVisible(false);
}

void TZtuConForm::FormCreate()
{
    m_parts.PaintBoxHaupt->SetBounds(5, 5, 750, 500);
    const QRect& memo = m_lesson.memoBounds;
    const QRect& table = m_lesson.tableBounds;
    m_parts.MemoErlaeuterung->SetBounds(memo.x(), memo.y(), memo.width(), memo.height());
    m_parts.MemoT->SetBounds(table.x(), table.y(), table.width(), table.height());
    m_parts.MemoErlaeuterung->Font.SetHeight(18);
    m_parts.MemoT->Font.SetHeight(18);
}

void TZtuConForm::PaintBoxHauptPaint()
{
    TPaintBox& haupt = *m_parts.PaintBoxHaupt;
    const int w = haupt.Width(), h = haupt.Height();
    m_state.Layout = ztaztu::computeLayout(*m_lesson.layout, w, h);
    m_lesson.drawPicture(haupt.Canvas(), m_state.Layout, w, h);
}

void TZtuConForm::PaintBoxLogPaint()
{
    const QRect r = ztaztu::overlayBounds(m_state.Layout, m_parts.PaintBoxHaupt->BoundsRect(), ztucon::overlayRule());
    m_parts.PaintBoxLog->SetBounds(r.left(), r.top(), r.width(), r.height());
}

void TZtuConForm::startRun(TTimer& timer, TMenuItem& item, bool showTable)
{
    timer.SetEnabled(true);
    LockRun({ &item });
    if (showTable)
        m_parts.MemoT->SetVisible(true);
    m_state.restartRun();
    m_parts.PaintBoxLog->Canvas().MoveTo(0, 0);
}

void TZtuConForm::startRate(int rate)
{
    startRun(*m_parts.timers[size_t(rate)], *m_parts.items[size_t(rate)], true);
}

void TZtuConForm::VGleichClick()
{
    // The equilibrium curve belongs to the EKD, not to the table: the table stays as it is.
    startRun(*m_parts.TimerGleich, *m_parts.VGleich, false);
}

void TZtuConForm::V004Click()
{
    startRate(0);
}

void TZtuConForm::V60Click()
{
    startRate(3);
}

void TZtuConForm::V600Click()
{
    startRate(4);
}

void TZtuConForm::rateStep(int rate)
{
    const ztaztu::CoolingRun& run = m_lesson.runs[size_t(rate)];
    TPaintBox& log = *m_parts.PaintBoxLog;
    const ztaztu::RunTick tick = ztaztu::coolingTick(run, m_state.KurveX, m_state.KurveY, log.Height());
    ztaztu::drawCoolingTick(log.Canvas(), run, tick, m_state.KurveX, m_state.KurveY);
    if (!tick.ended)
        return;
    if (TImage* picture = m_parts.pictures[size_t(rate)])
        picture->SetVisible(true);
    // The rate's item stays disabled: its curve is on the picture until "Löschen / Neu".
    UnlockRun();
    m_parts.timers[size_t(rate)]->SetEnabled(false);
}

void TZtuConForm::TimerGleichTimer()
{
    const ztaztu::EquilibriumRun& run = *m_lesson.equilibrium;
    TPaintBox& log = *m_parts.PaintBoxLog;
    TCanvas& haupt = m_parts.PaintBoxHaupt->Canvas();
    const ztaztu::EquilibriumTick tick
        = ztaztu::equilibriumTick(run, m_state.KurveX, m_state.KurveY, log.Width(), log.Height());
    ztaztu::drawEquilibriumTick(haupt, log.Canvas(), run, tick);
    if (!tick.ended)
        return;
    UnlockRun();
    m_parts.TimerGleich->SetEnabled(false);
    ztaztu::drawEquilibriumEnd(haupt, run);
}

void TZtuConForm::Timer004Timer()
{
    rateStep(0);
}

void TZtuConForm::Timer60Timer()
{
    rateStep(3);
}

void TZtuConForm::Timer600Timer()
{
    rateStep(4);
}

void TZtuConForm::enableRateItems()
{
    m_parts.VGleich->SetEnabled(true);
    for (TMenuItem* item : m_parts.items)
        item->SetEnabled(true);
}

void TZtuConForm::hidePictures()
{
    for (TImage* picture : m_parts.pictures)
        if (picture)
            picture->SetVisible(false);
}

void TZtuConForm::NEUClick()
{
    // The lock keeps the mouse from this item during a run; stopping the timers and lifting
    // the lock anyway leaves an idle form however the item is reached.
    StopTimers();
    UnlockRun();
    m_parts.MemoT->SetVisible(false);
    enableRateItems();
    hidePictures();
    Refresh();
}

void TZtuConForm::TextClick()
{
    ToggleText(*m_parts.MemoErlaeuterung);
}

void TZtuConForm::TabelleClick()
{
    m_parts.MemoT->SetVisible(!m_parts.MemoT->Visible());
}

void TZtuConForm::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle. KurveX
    // and KurveY keep their values; the next run sets them anew.
    m_parts.MemoT->SetVisible(false);
    enableRateItems();
    UnlockRun();
    hidePictures();
    m_parts.MemoErlaeuterung->SetVisible(false);
    StopTimers();
}

} // namespace wb
