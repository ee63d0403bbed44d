// The continuous ZTA lessons: heating curves, micrographs and boundary lines build the diagram,
// then a heating rate of the student's own is drawn into it.
#include "timetemp/ZtaConForm.h"

#include "framework/Application.h"
#include "timetemp/HeatingRate.h"

#include <algorithm>
#include <iterator>

namespace wb {

namespace {

using namespace ztaztu;

constexpr LayoutRule kLayout {
    .ztuLinks = 400, .ztuRechtsRand = 22, .untenRand = 100, .zeilen = 5, .ekdLinks = 50, .ekdRechtsRand = 390
};
// The overlay ends 2.4 rows above the bottom line (679 °C) and reaches 30 pixels right of the
// panel's frame.
constexpr OverlayRule kOverlay { .topRows = 0, .bottomRows = 2.4, .extraWidth = 30 };

// clang-format off
// Step 4: the ZTA panel's temperature scale; the EKD panel's scales, the time axis and the steel
// corner are the ones every ZTA form draws.
constexpr ColoredText kAchsen[] = {
    { 395,   3, "Temperatur/°C", clBlack }, { 367,  14, "1200", clBlack }, { 370,  90, "1000", clBlack },
    { 370, 166, " 800", clBlack },          { 370, 242, " 600", clYellow },    { 370, 318, " 400", clWhite },
};
static_assert(std::size(kAchsen) == 6);
// clang-format on

constexpr TColor kHauptFarbe = RGB(0x76, 0x02, 0x86);

} // namespace

namespace ztacon {

const LayoutRule& layoutRule()
{
    return kLayout;
}

const OverlayRule& overlayRule()
{
    return kOverlay;
}

} // namespace ztacon

TZtaConForm::TZtaConForm(const QString& name, const ztacon::Lesson& lesson)
    : TLessonForm(name, { .caption = lesson.caption, .status = status::S2, .statusHeight = 19 })
    , m_lesson(lesson)
    , m_lineTimers { &TimerAc1, &TimerAc3, &TimerHomo }
{
    // The form description; FormCreate places the rest.
    PaintBoxHaupt.SetColor(kHauptFarbe);
    zta::setUpComponents(PaintBoxLog, 198, MemoErlaeuterung, lesson.memo, lesson.memoScrollBars, ImageListGef);
    LabelVauf.SetCaption(QStringLiteral(" Aufheizgeschwindigkeit in °C/min (2-999 °C/min)"));
    LabelVauf.SetColor(clWhite);
    LabelVauf.SetTransparent(false);
    EditVauf.SetColor(clWhite);
    EditVauf.SetText(QStringLiteral("0"));
    EditVauf.SetEnabled(false);
    ButtonVauf.SetCaption(lesson.buttonCaption);
    ButtonVauf.SetEnabled(false);
    ButtonVauf.OnClick = bindHandler(this, &TZtaConForm::ButtonVaufClick);
    NEU.SetEnabled(false);
}

void TZtaConForm::setLineTimers(std::vector<TTimer*> timers)
{
    Q_ASSERT(timers.size() == m_lesson.lines.size());
    m_lineTimers = std::move(timers);
}

void TZtaConForm::FormCreate()
{
    PaintBoxHaupt.SetBounds(5, 5, 750, 500);
    MemoErlaeuterung.SetBounds(0, 0, 365, 480);
    // An edit box takes the height its font needs: 20 pixels, whatever height the description gives.
    EditVauf.SetBounds(610, 480, 32, 20);
    ButtonVauf.SetBounds(660, 482, 45, 20);
    LabelVauf.SetBounds(310, 482, 289, 20);
    EditVauf.SetText(QStringLiteral("0"));
    MemoErlaeuterung.Font.SetHeight(18);
    LabelVauf.Font.SetHeight(18);
}

void TZtaConForm::PaintBoxHauptPaint()
{
    const int w = PaintBoxHaupt.Width(), h = PaintBoxHaupt.Height();
    TCanvas& c = PaintBoxHaupt.Canvas();
    m_state.Layout = computeLayout(kLayout, w, h);
    // The ZTA panel is empty: everything in it is drawn by the runs.
    zta::drawPanelsAndSteelCorner(c, m_state.Layout, w, h, kAchsen);
    drawSteelBox(c, m_lesson.steelBox);
    drawMarkings(c, m_lesson.purpleGapLines, m_lesson.markings);
}

void TZtaConForm::PaintBoxLogPaint()
{
    zta::placeOverlay(PaintBoxLog, PaintBoxHaupt, m_state.Layout, kOverlay);
}

void TZtaConForm::penToStart()
{
    zta::penToStart(PaintBoxLog, m_state.KurveX, m_state.KurveY);
}

void TZtaConForm::enableEntry(bool on)
{
    ButtonVauf.SetEnabled(on);
    EditVauf.SetEnabled(on);
    NEU.SetEnabled(on);
}

void TZtaConForm::AufheizungskurvenClick()
{
    EditVauf.SetText(QStringLiteral("0"));
    TimerLog1.SetEnabled(true);
    enableEntry(false);
    Aufheizungskurven.SetEnabled(false);
    penToStart();
}

void TZtaConForm::heatingStep(int index)
{
    TTimer* const timers[] = { &TimerLog1, &TimerLog2, &TimerLog3 };
    const zta::HeatingCurve& curve = m_lesson.curves[size_t(index)];
    // The micrographs show the structure along the slowest curve.
    if (index == 0)
        zta::drawMicrographAt(
            PaintBoxHaupt.Canvas(), ImageListGef, m_lesson.micrographs, m_state.KurveX, m_state.BildNr);
    const int h = PaintBoxLog.Height();
    const zta::CurveTick tick = zta::heatingTick(curve, m_state.KurveX, m_state.KurveY, h);
    zta::drawHeatingTick(PaintBoxLog.Canvas(), curve, tick, m_state.KurveX, m_state.KurveY);
    if (!tick.ended)
        return;
    if (index + 1 < int(std::size(timers))) {
        penToStart();
        timers[index + 1]->SetEnabled(true);
    } else {
        startLines(m_lesson.linesStart);
    }
    timers[index]->SetEnabled(false);
}

void TZtaConForm::startLines(TPoint start)
{
    m_lineTimers.front()->SetEnabled(true);
    m_state.KurveX = start.X;
    m_state.KurveY = float(start.Y);
    PaintBoxLog.Canvas().MoveTo(start.X, start.Y);
}

void TZtaConForm::lineStep(TTimer& timer)
{
    const auto it = std::find(m_lineTimers.begin(), m_lineTimers.end(), &timer);
    Q_ASSERT(it != m_lineTimers.end());
    const size_t index = size_t(it - m_lineTimers.begin());
    const zta::BoundaryLine& line = m_lesson.lines[index];
    const ztaztu::DiagramLayout& l = m_state.Layout;
    const zta::CurveTick tick = zta::boundaryTick(line, m_state.KurveX, m_state.KurveY, l);
    zta::drawBoundaryTick(PaintBoxLog.Canvas(), line, tick, m_state.KurveX, m_state.KurveY);
    if (!tick.ended)
        return;
    if (index + 1 < m_lineTimers.size()) {
        const TPoint start = zta::boundaryStart(m_lesson.lines[index + 1], l);
        m_state.KurveX = start.X;
        m_state.KurveY = float(zta::boundaryY(m_lesson.lines[index + 1], start.X, l));
        PaintBoxLog.Canvas().MoveTo(start.X, start.Y);
        m_lineTimers[index + 1]->SetEnabled(true);
    } else {
        // The diagram is complete: now the student may draw a rate of their own into it.
        enableEntry(true);
    }
    timer.SetEnabled(false);
}

void TZtaConForm::TimerLog1Timer()
{
    heatingStep(0);
}

void TZtaConForm::TimerLog2Timer()
{
    heatingStep(1);
}

void TZtaConForm::TimerLog3Timer()
{
    heatingStep(2);
}

void TZtaConForm::TimerAc1Timer()
{
    lineStep(TimerAc1);
}

void TZtaConForm::TimerAc3Timer()
{
    lineStep(TimerAc3);
}

void TZtaConForm::TimerHomoTimer()
{
    lineStep(TimerHomo);
}

void TZtaConForm::ButtonVaufClick()
{
    const QString typed = EditVauf.Text();
    const std::optional<double> rate = heatingrate::readNumber(typed);
    if (!rate) {
        // The one error a student can meet: the box names the text, and the lesson goes on as it was.
        Application.ShowError(heatingrate::notANumber(typed));
        return;
    }
    m_state.VaufWert = float(*rate);
    if (heatingrate::accepted(*rate)) {
        // The finished diagram gives way to the static picture; the new curve and the lines are
        // drawn afresh.
        Refresh();
        TimerVauf.SetEnabled(true);
        enableEntry(false);
        Aufheizungskurven.SetEnabled(false);
    }
    // A refused rate only puts the pen back.
    penToStart();
}

void TZtaConForm::TimerVaufTimer()
{
    const int w = PaintBoxLog.Width(), h = PaintBoxLog.Height();
    const zta::CurveTick tick = zta::typedTick(m_lesson.typed, m_state.VaufWert, m_state.KurveX, m_state.KurveY, w, h);
    zta::drawTypedTick(PaintBoxLog.Canvas(), m_lesson.typed, EditVauf.Text(), tick, m_state.KurveX, m_state.KurveY);
    if (!tick.ended)
        return;
    startLines(m_lesson.typedLinesStart);
    TimerVauf.SetEnabled(false);
    // The micrographs all at once: the typed curve passes the same structures.
    zta::drawMicrographs(PaintBoxHaupt.Canvas(), ImageListGef, m_lesson.micrographs, m_state.BildNr);
}

void TZtaConForm::NEUClick()
{
    EditVauf.SetText(QStringLiteral("0"));
    Aufheizungskurven.SetEnabled(true);
    m_state.BildNr = 0;
    Refresh();
}

void TZtaConForm::TextClick()
{
    ToggleText(MemoErlaeuterung);
}

void TZtaConForm::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle; the pen
    // and the typed rate keep their values, every run sets them anew.
    EditVauf.SetText(QStringLiteral("0"));
    enableEntry(false);
    Aufheizungskurven.SetEnabled(true);
    MemoErlaeuterung.SetVisible(false);
    StopTimers();
}

} // namespace wb
