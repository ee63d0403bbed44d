// Temperature guidance in heat treatment: where the austenitising temperatures lie in the iron-carbon diagram.
#include "heattreat/UnitZTAZTU.h"

#include "diagrams/Panels.h"
#include "framework/Figures.h"

#include <iterator>

namespace wb {

TFormZTAZTU* FormZTAZTU = nullptr;

namespace {

constexpr int kMemoFontHeight = 18;

// clang-format off
constexpr const char* kMemo[] = {
    " Die Grafik zeigt schematisch eine zeitliche Temperaturführung, wie sie beispielsweise beim Normalglühen ",
    " durchgeführt wird. Zu beachten ist, dass die Gleichgewichtszustände, die im Eisen-Kohlenstoff-Schaubild ",
    " beschrieben werden, nur bei sehr langsamen Temperaturänderungen gültig sind. Das EKS dient nur dazu, die",
    " Lage der Austenitisiertemperaturen, bei untereutektoidischen Stählen ca. 50 K oberhalb A[c3] und bei übereutekto-",
    " idischen Stählen ca. 50 K oberhalb A[c1], zu zeigen.",
};
static_assert(std::size(kMemo) == 5);

// The picture's own font height at the start of every paint; the run leaves it larger.
constexpr int kBildSchrift = 12;

// The background: yellow to orange in rows of a thin pen, then red to almost black in every
// other row with a pen of width 2, 238 of them whatever the box's height (the lowest are clipped).
constexpr int kGelbBis = 255;
constexpr int kRotZeilen = 238;

// Step 4: the temperature and carbon scales.
constexpr ColoredText kSkalen[] = {
    { 280, 1, "Temperatur/°C", clBlack }, { 197, 75, "1000", clBlack }, { 200, 135, " 800", clBlack },
    { 200, 195, " 600", clBlack },
    { 200, 255, " 400", clWhite }, { 205, 370, "   0", clWhite }, { 200, 315, " 200", clWhite },
    { 695, 361, "C-Gehalt/", clWhite }, { 695, 381, "Gew.%", clWhite },
    { 225, 387, " 0", clWhite }, { 265, 387, "0.2", clWhite }, { 305, 387, "0.4", clWhite },
    { 345, 387, "0.6", clWhite }, { 385, 387, "0.8", clWhite }, { 425, 387, "1.0", clWhite },
    { 465, 387, "1.2", clWhite }, { 505, 387, "1.4", clWhite }, { 545, 387, "1.6", clWhite },
    { 585, 387, "1.8", clWhite }, { 625, 387, "2.0", clWhite }, { 660, 387, "2.2", clWhite },
};

// Steps 5 and 6: the steel corner's lines, from the points of the iron–carbon model, G–S and S–E
// straight; E–C–F and P–S–K run to the diagram's edge at 2.2 % C.
using Punkt = model::ekd::State;
using model::ekd::Point;
constexpr Punkt kS = model::ekd::at(Point::S), kE = model::ekd::at(Point::E);
constexpr double kRand = 2.2;
constexpr Punkt kEutektoid[] = { { kS.carbon, 0 }, kS }; // the eutectoid composition, in blue
constexpr Punkt kESG[] = { kE, kS, model::ekd::at(Point::G) };
constexpr Punkt kEutektikale[] = { kE, { kRand, kE.celsius } };
constexpr Punkt kPSK[] = { { 0, kS.celsius }, { kRand, kS.celsius } };
// A short piece of the solidus from E, drawn towards (1.75 %, 1210 °C), where the model's solidus
// is at 1.6 % C.
constexpr Punkt kAE[] = { kE, { 1.75, 1210 } };
constexpr Punkt kGPQ[] = { model::ekd::at(Point::Q), model::ekd::at(Point::P), model::ekd::at(Point::G) };
struct Linienzug {
    std::span<const Punkt> punkte;
};
constexpr Linienzug kLinien[] = { { kESG }, { kEutektikale }, { kPSK }, { kAE }, { kGPQ } };

// Step 7: the points' names in the lines' colour.
constexpr TextAt kPunktNamen[] = {
    { 218, 93, "G" }, { 394, 165, "S" }, { 646, 21, "E" }, { 238, 150, "P" }, { 638, 168, "723°C" },
    { 634, 39, "1147°C" },
};

// Steps 8 to 10: the time axis drawn in perspective left of the diagram, a green arrow above it.
constexpr TColor kZeitGruen = RGB(0x00, 0x80, 0x00);
constexpr TPoint kPfeil[] = { { 70, 56 }, { 160, 26 }, { 144, 38 } };
constexpr Segment kPfeilSpitze = { { 160, 26 }, { 140, 27 } };
constexpr Segment kZeitEbene[] = { { { 10, 90 }, { 270, 1 } }, { { 10, 90 }, { 10, 485 } } };
constexpr TPoint kZeitEbeneHinten[] = { { 270, 1 }, { 270, 360 }, { 10, 485 } };
constexpr int kZeitSchrift = 24;
constexpr TextAt kZeit = { 22, 50, "Zeit" };

// The start names the lines the band lies above, in blue with the height the picture left
// (24); the index stands in the gap after the "A", 7 pixels lower.
constexpr TextAt kLinienNamen[] = {
    { 340, 100, "A      - Linie" }, { 355, 107, "c3" }, { 520, 105, "A      - Linie" }, { 535, 112, "c1" },
};

// The band: from (240, 100) 4 pixels a tick with a blue pen of width 18.
constexpr int kBandStart = 240;
constexpr TPoint kBandStift = { 240, 100 };
constexpr int kBandSchritt = 4;
constexpr int kBandBreite = 18;

// The curves: a green pen of width 3; each starts at u = 12, y = 400 and steps u by 4 until it
// has passed 260. Curve k lies 130 + 40 · k pixels right of its parameter.
constexpr TColor kKurvenGruen = RGB(0x00, 0xEB, 0x00);
constexpr int kKurvenBreite = 3;
constexpr int kKurvenSchrift = 18;
constexpr int kStartU = 12;
constexpr float kStartF = 400;
constexpr int kUSchritt = 4;
constexpr int kUEnde = 260; // exclusive
constexpr int kKurvenVersatz = 130;
constexpr int kSpalte = 40;
constexpr int kD[] = { 50, 35, 20, 7, 5, 5, 5, 5, 5, 5 };
static_assert(std::size(kD) == temperaturfuehrung::kKurven);
// The first curve names its three parts when it ends.
constexpr TextAt kAbschnitte[] = { { 60, 310, "Aufheizung" }, { 170, 100, "Halten" }, { 280, 80, "Abkühlung" } };
// clang-format on

TPoint toPixel(const ekd::Scale& s, const Punkt& p)
{
    return { ekd::carbonX(s, p.carbon), ekd::temperatureY(s, p.celsius) };
}

void drawLinie(TCanvas& c, const ekd::Scale& s, std::span<const Punkt> punkte)
{
    const TPoint first = toPixel(s, punkte.front());
    c.MoveTo(first.X, first.Y);
    for (const Punkt& p : punkte.subspan(1)) {
        const TPoint to = toPixel(s, p);
        c.LineTo(to.X, to.Y);
    }
}

// The curve's start point: where its parameter's start value lies once shifted.
TPoint kurvenStart(int k)
{
    return { kStartU + kKurvenVersatz + kSpalte * k, Round(double(kStartF) - kD[k]) };
}

} // namespace

namespace temperaturfuehrung {

Layout layoutFor(int width, int height)
{
    return { 230, 18, width - 80, height - 111, (height - 129) / 6, (width - 310) / 11 };
}

ekd::Scale scaleOf(const Layout& l)
{
    // A row is 200 °C and a column 0.2 % C.
    return { double(l.left), l.column / 0.2, double(l.bottom), 0, l.row / 200.0 };
}

std::optional<float> bandY(int x)
{
    if (x <= 390)
        return float(0.36 * x + 14);
    if (x < 650)
        return 155.0f;
    return std::nullopt;
}

std::optional<float> kurveF(int u)
{
    if (u <= 53) {
        const double a = 0.35 * u - 19;
        return float(a * a + 185);
    }
    if (u < 140)
        return float(207 - 0.42 * u);
    if (u > 140)
        return float(565 - 0.0012 * double(u - 730) * double(u - 730));
    return std::nullopt;
}

int kurveD(int k)
{
    return kD[k];
}

std::optional<TPoint> kurvenPunkt(int k, int u)
{
    const std::optional<float> f = kurveF(u);
    if (!f)
        return std::nullopt;
    return TPoint { u + kKurvenVersatz + kSpalte * k, Round(double(*f) - kD[k]) };
}

} // namespace temperaturfuehrung

TFormZTAZTU::TFormZTAZTU()
    : TLessonForm(QStringLiteral("FormZTAZTU"),
        { .caption
            = QStringLiteral("Schematische Darstellung der Temperaturführung bei der Wärmebehandlung (Normalglühen)") })
{
    PaintBoxHaupt.Font.SetName(QStringLiteral("MS Sans Serif"));
    PaintBoxHaupt.Font.SetHeight(kBildSchrift);
    MemoErlaeuterung.SetColor(kMemoColor);
    MemoErlaeuterung.SetReadOnly(true);
    MemoErlaeuterung.SetTabStop(false);
    MemoErlaeuterung.Lines.setTable(kMemo);
}

void TFormZTAZTU::FormCreate()
{
    PaintBoxHaupt.SetBounds(10, 5, 760, 492);
    MemoErlaeuterung.SetBounds(50, 424, 690, 90);
    MemoErlaeuterung.Font.SetHeight(kMemoFontHeight);
}

void TFormZTAZTU::PaintBoxHauptPaint()
{
    TCanvas& c = PaintBoxHaupt.Canvas();
    const int w = PaintBoxHaupt.Width();
    const int h = PaintBoxHaupt.Height();
    m_state.geometry = temperaturfuehrung::layoutFor(w, h);
    const temperaturfuehrung::Layout& l = m_state.geometry;
    const ekd::Scale scale = temperaturfuehrung::scaleOf(l);
    c.Font.SetHeight(kBildSchrift);
    c.Pen.SetStyle(psSolid);

    c.Pen.SetWidth(1);
    for (int y = 0; y <= kGelbBis; ++y) {
        c.Pen.SetColor(RGB(255, 255 - y, 0));
        draw(c, Segment { { diagrams::kBandLeft, y }, { w, y } });
    }
    c.Pen.SetWidth(2);
    for (int i = 0; i < kRotZeilen; ++i) {
        const int y = kGelbBis + 2 * i;
        c.Pen.SetColor(RGB(245 - i, 0, 0));
        draw(c, Segment { { diagrams::kBandLeft, y }, { w, y } });
    }

    // The frame and the grid keep the colour of the background's last row.
    c.Brush.SetStyle(bsClear);
    draw(c, Box { l.left, l.top, l.right, l.bottom });
    diagrams::drawGrid(c, { { l.left, l.top, l.right, l.bottom }, 6, double(l.row), 1, 11, double(l.column) });

    c.Brush.SetStyle(bsClear);
    drawAll(c, kSkalen);

    c.Pen.SetColor(clBlue);
    c.Pen.SetStyle(psSolid);
    c.Pen.SetWidth(1);
    drawLinie(c, scale, kEutektoid);
    c.Pen.SetColor(diagrams::kDunkel);
    c.Pen.SetWidth(2);
    for (const Linienzug& linie : kLinien)
        drawLinie(c, scale, linie.punkte);
    c.Font.SetColor(diagrams::kDunkel);
    drawAll(c, kPunktNamen);

    c.Pen.SetColor(kZeitGruen);
    c.Font.SetColor(kZeitGruen);
    draw(c, Polyline { kPfeil });
    draw(c, kPfeilSpitze);
    c.Pen.SetColor(clWhite);
    c.Pen.SetWidth(4);
    drawAll(c, kZeitEbene);
    c.Pen.SetWidth(1);
    c.Pen.SetStyle(psDot);
    draw(c, Polyline { kZeitEbeneHinten });
    c.Font.SetHeight(kZeitSchrift);
    draw(c, kZeit);

    // The pen goes to the run's current point. During the curves that is (u, F(u)), left of the
    // curve drawn, so a repaint then joins it to the curve's next point: meant, as the run stores it.
    c.MoveTo(m_state.ProzessX, Round(m_state.ProzessY));
}

void TFormZTAZTU::STARTClick()
{
    for (int k = 0; k < temperaturfuehrung::kKurven; ++k)
        kurvenTimer(k)->SetEnabled(false);
    Refresh();
    TimerAc.SetEnabled(true);
    m_state.ProzessX = kBandStart;
    m_state.ProzessY = *temperaturfuehrung::bandY(kBandStart);
    TCanvas& c = PaintBoxHaupt.Canvas();
    c.Font.SetColor(clBlue);
    drawAll(c, kLinienNamen);
    c.MoveTo(kBandStift.X, kBandStift.Y);
}

void TFormZTAZTU::TimerAcTimer()
{
    // The lock starts with the first tick, not with the click.
    LockRun({});
    MemoErlaeuterung.SetVisible(true);
    TCanvas& c = PaintBoxHaupt.Canvas();
    int& x = m_state.ProzessX;
    float& y = m_state.ProzessY;
    c.Pen.SetWidth(kBandBreite);
    c.Pen.SetColor(clBlue);
    x += kBandSchritt;
    if (const std::optional<float> band = temperaturfuehrung::bandY(x)) {
        y = *band;
        c.LineTo(x, Round(y));
    } else if (x > 650) {
        c.Font.SetHeight(kKurvenSchrift);
        c.Pen.SetColor(kKurvenGruen);
        c.Font.SetColor(clBlack);
        c.Pen.SetWidth(kKurvenBreite);
        x = kStartU;
        y = kStartF;
        Timer02.SetEnabled(true);
        const TPoint start = kurvenStart(0);
        c.MoveTo(start.X, start.Y);
        TimerAc.SetEnabled(false);
    }
}

TTimer* TFormZTAZTU::kurvenTimer(int k)
{
    TTimer* const timers[]
        = { &Timer02, &Timer04, &Timer06, &Timer08, &Timer10, &Timer12, &Timer14, &Timer16, &Timer18, &Timer20 };
    static_assert(std::size(timers) == temperaturfuehrung::kKurven);
    return timers[k];
}

void TFormZTAZTU::kurveStep(int k)
{
    TCanvas& c = PaintBoxHaupt.Canvas();
    int& u = m_state.ProzessX;
    float& f = m_state.ProzessY;
    c.Pen.SetWidth(kKurvenBreite);
    c.Pen.SetColor(kKurvenGruen);
    u += kUSchritt;
    if (const std::optional<TPoint> p = temperaturfuehrung::kurvenPunkt(k, u)) {
        f = *temperaturfuehrung::kurveF(u);
        c.LineTo(p->X, p->Y);
    }
    if (u <= kUEnde)
        return;

    if (k == 0) {
        c.Font.SetHeight(kKurvenSchrift);
        c.Font.SetColor(clBlack);
        c.Brush.SetStyle(bsClear);
        drawAll(c, kAbschnitte);
    }
    u = kStartU;
    f = kStartF;
    if (k + 1 < temperaturfuehrung::kKurven) {
        const TPoint start = kurvenStart(k + 1);
        c.MoveTo(start.X, start.Y);
        kurvenTimer(k + 1)->SetEnabled(true);
    } else {
        UnlockRun();
    }
    kurvenTimer(k)->SetEnabled(false);
}

void TFormZTAZTU::Timer02Timer()
{
    kurveStep(0);
}

void TFormZTAZTU::Timer04Timer()
{
    kurveStep(1);
}

void TFormZTAZTU::Timer06Timer()
{
    kurveStep(2);
}

void TFormZTAZTU::Timer08Timer()
{
    kurveStep(3);
}

void TFormZTAZTU::Timer10Timer()
{
    kurveStep(4);
}

void TFormZTAZTU::Timer12Timer()
{
    kurveStep(5);
}

void TFormZTAZTU::Timer14Timer()
{
    kurveStep(6);
}

void TFormZTAZTU::Timer16Timer()
{
    kurveStep(7);
}

void TFormZTAZTU::Timer18Timer()
{
    kurveStep(8);
}

void TFormZTAZTU::Timer20Timer()
{
    kurveStep(9);
}

void TFormZTAZTU::NeuClick()
{
    // The run keeps its lock: the form is out of the mouse's reach while it runs, so this only
    // clears a finished run or one whose band has not yet started.
    StopTimers();
    Refresh();
}

void TFormZTAZTU::FormClose()
{
    // Ende, Esc and the close box all end a run here. No repaint: what was drawn stays until the
    // form is shown again, which repaints it.
    UnlockRun();
    StopTimers();
}

} // namespace wb
