// The continuous ZTA lessons: heating curves, micrographs and boundary lines build the diagram,
// then a heating rate of the student's own is drawn into it.
#include "timetemp/ZtaConForm.h"

#include "framework/Application.h"
#include "resources/Pictures.h"
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
// Step 4: the temperature scales (ZTA panel, then EKD panel; no " 200" on the bottom line) and
// the carbon axis. The time axis is the one every ZTA panel has.
constexpr ColoredText kAchsen[] = {
    { 395,   3, "Temperatur/°C", clBlack }, { 367,  14, "1200", clBlack }, { 370,  90, "1000", clBlack },
    { 370, 166, " 800", clBlack },          { 370, 242, " 600", clYellow },    { 370, 318, " 400", clWhite },
    {  45,   3, "Temperatur/°C", clBlack }, {  17,  14, "1200", clBlack }, {  20,  90, "1000", clBlack },
    {  20, 166, " 800", clBlack },          {  20, 242, " 600", clYellow },    {  20, 318, " 400", clWhite },
    {  45, 406, "0", clWhite },   { 101, 406, "0.4", clWhite }, { 157, 406, "0.8", clWhite },
    { 213, 406, "1.2", clWhite }, { 269, 406, "1.6", clWhite }, { 325, 406, "2.0", clWhite },
    { 158, 425, "Kohlenstoffgehalt/Gew.%", clWhite },
};
static_assert(std::size(kAchsen) == 6 + 6 + 7);

// Step 5: the steel corner of the metastable diagram, in pixels of (C, T).
constexpr TPoint kEutektoid[] = { { 162, 202 }, { 162, 400 } };  // 0.8 % C from 722 °C down
constexpr TPoint kPSK[] = { { 56, 202 }, { 360, 202 } };         // 722 °C from 0.04 % C
constexpr TPoint kECF[] = { { 338, 41 }, { 360, 41 } };          // 1146 °C from E
constexpr TPoint kEaufwaerts[] = { { 338, 41 }, { 302, 20 } };   // E up to (1.8 %, 1200 °C)
constexpr TPoint kGS[] = {                                       // (0, 910) (0.2, 840) (0.4, 786) (0.6, 752) (0.7, 740) (0.8, 724)
    { 50, 130 }, { 78, 157 }, { 106, 177 }, { 134, 190 }, { 148, 195 }, { 162, 201 },
};
constexpr TPoint kSE[] = {                                       // (0.8, 722) (1.0, 800) (1.2, 870) (1.4, 942) (1.6, 1006) (1.8, 1068) (2.06, 1146)
    { 162, 202 }, { 190, 172 }, { 218, 145 }, { 246, 118 }, { 274, 94 }, { 302, 70 }, { 338, 41 },
};
constexpr TPoint kGPQ[] = { { 50, 130 }, { 56, 202 }, { 50, 286 } };  // (0, 910) (0.04, 722) (0, 500)
constexpr Curve kEkdLinien[] = {
    { 1, kEutektoid }, { 2, kPSK }, { 2, kECF }, { 2, kEaufwaerts }, { 2, kGS }, { 2, kSE }, { 2, kGPQ },
};

// Step 6.
constexpr TextAt kEkdTexte[] = {
    {  53, 111, "G" },          { 165, 202, "S" },          { 338,  28, "E" },
    {  57, 183, "P" },          { 322, 206, "723°C" },      { 291,  35, "1147°C" },
    { 150,  58, " Austenit " }, { 260, 119, " Austenit " }, { 260, 134, "+Zementit " },
    {  53, 172, " Austenit " }, {  75, 187, "+ Ferrit " },  {  52, 225, " Ferrit " },
    {  80, 309, " Perlit " },   {  90, 324, "+ Ferrit " },  { 220, 309, " Perlit " },
    { 230, 324, "+ Zementit " }, { 162, 332, "Eutektoid " }, { 162, 347, " Perlit " },
};
static_assert(std::size(kEkdTexte) == 18);
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
    PaintBoxLog.SetBounds(405, 25, 358, 198);
    PaintBoxLog.Font.SetHeight(-13);
    LabelVauf.SetCaption(QStringLiteral(" Aufheizgeschwindigkeit in °C/min (2-999 °C/min)"));
    LabelVauf.SetColor(clWhite);
    LabelVauf.SetTransparent(false);
    EditVauf.SetColor(clWhite);
    EditVauf.SetText(QStringLiteral("0"));
    EditVauf.SetEnabled(false);
    ButtonVauf.SetCaption(lesson.buttonCaption);
    ButtonVauf.SetEnabled(false);
    ButtonVauf.OnClick = bindHandler(this, &TZtaConForm::ButtonVaufClick);
    MemoErlaeuterung.SetColor(kMemoColor);
    MemoErlaeuterung.SetReadOnly(true);
    MemoErlaeuterung.SetScrollBars(lesson.memoScrollBars);
    MemoErlaeuterung.SetTabStop(false);
    MemoErlaeuterung.Lines.setTable(lesson.memo);
    MemoErlaeuterung.SetVisible(false);
    pictures::assignStrip(ImageListGef);
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
    drawBackground(c, w, h);
    drawFrames(c, m_state.Layout);
    drawGrids(c, m_state.Layout);
    drawColoredTexts(c, kAchsen);
    drawColoredTexts(c, zta::timeAxis());
    drawCurves(c, kEkdLinien);
    drawDarkTexts(c, kEkdTexte);
    drawSteelBox(c, m_lesson.steelBox);
    drawMarkings(c, m_lesson.purpleGapLines, m_lesson.markings);
}

void TZtaConForm::PaintBoxLogPaint()
{
    const QRect r = overlayBounds(m_state.Layout, PaintBoxHaupt.BoundsRect(), kOverlay);
    PaintBoxLog.SetBounds(r.left(), r.top(), r.width(), r.height());
}

void TZtaConForm::penToStart()
{
    m_state.KurveX = 0;
    m_state.KurveY = float(PaintBoxLog.Height());
    PaintBoxLog.Canvas().MoveTo(0, PaintBoxLog.Height());
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
    const int h = PaintBoxLog.Height();
    const zta::CurveTick tick = zta::boundaryTick(line, m_state.KurveX, m_state.KurveY, h);
    zta::drawBoundaryTick(PaintBoxLog.Canvas(), line, tick, m_state.KurveX, m_state.KurveY);
    if (!tick.ended)
        return;
    if (index + 1 < m_lineTimers.size()) {
        const TPoint start = zta::boundaryStart(m_lesson.lines[index + 1], h);
        m_state.KurveX = start.X;
        m_state.KurveY = float(zta::boundaryY(m_lesson.lines[index + 1], start.X, h));
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
