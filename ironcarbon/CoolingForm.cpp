// The cooling lessons of the iron–carbon chapter, one form with each lesson's data.
#include "ironcarbon/CoolingForm.h"

namespace wb {

namespace {

// The bounds of the components, set at every paint.
constexpr int kDiagrammLinks = 10;
constexpr int kDiagrammOben = 30;
constexpr int kDiagrammBreite = 760;
constexpr int kDiagrammHoehe = 490;

// The speed bar: the timer's interval in ms, from 1 at "max" (left) to 2000 at "min"; a start
// runs at 500 and leaves the thumb where it is.
constexpr int kIntervallMin = 1;
constexpr int kIntervallMax = 2000;
constexpr int kReglerStart = 1000;
constexpr int kStartIntervall = 500;

constexpr int kMemoSchrift = 18;

} // namespace

TCoolingForm::TCoolingForm(const QString& name, const ekd::cooling::Lektion& lektion)
    : TLessonForm(
        name, { .caption = QString::fromUtf8(lektion.caption), .centring = Centring::OnPaint, .status = status::S2 })
    , PanelMax(this, QString::fromLatin1(lektion.panelMaxName))
    , m_lektion(lektion)
    , m_state { .MarkeY = lektion.lauf.startMarke }
{
    PaintBoxHaupt.SetColor(clWhite);
    ScrollBarVAb.OnScroll = [this](int position) { ScrollBarVAbScroll(position); };
    PanelMax.SetCaption(QStringLiteral("max"));
    PanelMin.SetCaption(QStringLiteral("min"));
    for (TPanel* panel : { &PanelMax, &PanelMin }) {
        panel->Font.SetHeight(-13);
        panel->Font.SetBold(true);
    }
    MemoErlaeuterung.SetVisible(false);
    MemoErlaeuterung.SetReadOnly(true);
    MemoErlaeuterung.SetColor(kMemoColor);
    MemoErlaeuterung.SetWordWrap(lektion.memoUmbruch);
    MemoErlaeuterung.SetTabStop(lektion.memoUmbruch);
    if (lektion.memoUmbruch)
        MemoErlaeuterung.SetScrollBars(ssVertical);
    MemoErlaeuterung.Font.SetHeight(kMemoSchrift);
    MemoErlaeuterung.Lines.setTable(lektion.memo);
}

void TCoolingForm::setPictureLists(TImageList& liste1, TImageList& liste2)
{
    m_liste1 = &liste1;
    m_liste2 = &liste2;
}

void TCoolingForm::FormCreate()
{
    ScrollBarVAb.SetMin(kIntervallMin);
    ScrollBarVAb.SetMax(kIntervallMax);
    ScrollBarVAb.SetPosition(kReglerStart);
    ScrollBarVAb.SetSmallChange(10);
    ScrollBarVAb.SetLargeChange(100);
}

void TCoolingForm::FormPaint()
{
    // Size and centring have just been done by the lesson base, before this handler.
    PaintBoxHaupt.SetBounds(kDiagrammLinks, kDiagrammOben, kDiagrammBreite, kDiagrammHoehe);
    PaintBoxUmwandlung.SetBounds(kDiagrammLinks, kDiagrammOben, kDiagrammBreite, kDiagrammHoehe);
    PanelMax.SetBounds(10, 0, 50, 20);
    ScrollBarVAb.SetBounds(60, 0, 300, 17);
    PanelMin.SetBounds(360, 0, 50, 20);
    MemoErlaeuterung.SetBounds(410, 1, 380, m_lektion.memoHoehe);
    MemoErlaeuterung.Font.SetHeight(kMemoSchrift);
}

void TCoolingForm::PaintBoxHauptPaint()
{
    ekd::cooling::drawDiagram(PaintBoxHaupt.Canvas(), PaintBoxHaupt.Width(), PaintBoxHaupt.Height());
}

void TCoolingForm::TimerHauptTimer()
{
    const ekd::cooling::Leinwand on { PaintBoxHaupt.Canvas(), PaintBoxUmwandlung.Canvas(), *m_liste1, *m_liste2 };
    if (ekd::cooling::tick(m_lektion.lauf, m_state, on))
        TimerHaupt.SetEnabled(false);
}

void TCoolingForm::StartClick()
{
    // The start runs at 500 ms whatever the bar shows; the bar sets the speed again once moved.
    TimerHaupt.SetEnabled(true);
    TimerHaupt.SetInterval(kStartIntervall);
}

void TCoolingForm::ScrollBarVAbScroll(int position)
{
    TimerHaupt.SetInterval(position);
}

void TCoolingForm::resetRun()
{
    TimerHaupt.SetEnabled(false);
    Refresh();
    m_state = ModuleState { .MarkeY = m_lektion.lauf.startMarke };
}

void TCoolingForm::NeuClick()
{
    resetRun();
}

void TCoolingForm::TextClick()
{
    ToggleText(MemoErlaeuterung);
}

void TCoolingForm::FormClose()
{
    // Ende, Esc and the close box all end the run and reset it, so every opening starts at the top.
    MemoErlaeuterung.SetVisible(false);
    resetRun();
}

} // namespace wb
