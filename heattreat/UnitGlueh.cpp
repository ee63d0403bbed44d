// The annealing processes and the temperature range of each in the iron-carbon diagram.
#include "heattreat/UnitGlueh.h"

#include "diagrams/Panels.h"
#include "framework/Figures.h"

#include <iterator>

namespace wb {

TFormGlueh* FormGlueh = nullptr;

namespace glueh {

namespace {

// The lines the bands follow: G–S shifted up, and the heights of the flat parts.
constexpr float kRiseSlope = 0.36f;
constexpr float kNormalRise = 136;
constexpr int kNormalKnee = 390;
constexpr int kNormalFlatEnd = 610;
constexpr int kNormalFlatY = 277;
constexpr int kHomoY = 173;
constexpr int kHomoTaperFrom = 540;
constexpr int kHomoTaperTo = 600;
constexpr int kHomoPointX = 598; // the taper's width is 598 − x
constexpr int kArmEnd = 620;
constexpr int kArmY = 330;
constexpr int kWeichKnee = 410;
constexpr int kWeichEnd = 620;
constexpr int kWeichLowY = 300;
constexpr int kWeichHighY = 292;
constexpr int kWeichWideFrom = 416;
constexpr int kWeichWideWidth = 34;

} // namespace

Tick normalPath(int x, float y)
{
    if (x <= kNormalKnee) {
        const float rise = kRiseSlope * x + kNormalRise;
        return { rise, 1, { { 0, { x, Round(rise) } } } };
    }
    if (x < kNormalFlatEnd)
        return { float(kNormalFlatY), 1, { { 0, { x, kNormalFlatY } } } };
    return { y };
}

Tick homoPath(int x, float y)
{
    if (x < kHomoTaperFrom)
        return { y, 1, { { 0, { x, kHomoY } } } };
    // x = 540 itself draws nothing: the taper starts after it.
    if (x > kHomoTaperFrom && x < kHomoTaperTo)
        return { y, 1, { { kHomoPointX - x, { x, kHomoY } } } };
    return { y };
}

Tick armPath(int x, float y)
{
    if (x < kArmEnd)
        return { y, 1, { { 0, { x, kArmY } } } };
    return { y };
}

Tick rePath(int x, float y)
{
    // The recrystallisation band starts at y = 331 and runs at the stress-relief band's height.
    return armPath(x, y);
}

Tick weichPath(int x, float y)
{
    Tick t { y };
    if (x < kWeichKnee)
        t.strokes[t.count++] = { 0, { x, kWeichLowY } };
    if (x > kWeichKnee && x < kWeichEnd)
        t.strokes[t.count++] = { 0, { x, kWeichHighY } };
    // Beyond 416 the band widens: a second, wider line from there down to the band's start height.
    if (x > kWeichWideFrom)
        t.strokes[t.count++] = { kWeichWideWidth, { x, Round(y) } };
    return t;
}

} // namespace glueh

namespace {

constexpr TColor kDunkel = RGB(0x01, 0x00, 0x00);
constexpr TColor kBandBlue = RGB(0x00, 0x00, 0xFF);
constexpr TColor kLabelPen = RGB(0x00, 0xEB, 0x00);
constexpr TColor kPurple = RGB(0x80, 0x00, 0x80);

constexpr int kWidth = 740;
constexpr int kHeight = 520;
constexpr int kMemoFontHeight = 18;
constexpr int kLabelFontHeight = 18;
constexpr int kDiagramFontHeight = 12;

// --- The diagram ---------------------------------------------------------------------------

// The background: yellow, then from y = 100 down lines of width 3, three pixels apart, from
// yellow to orange.
constexpr int kStripeFirst = 20;
constexpr int kStripeLast = 186;
constexpr int kStripeStep = 3;
constexpr int kStripeOffset = 40;
constexpr int kStripeGreen = 275; // G = 275 − i

constexpr Box kFrame { 230, 20, 660, 500 };

// 0 … 1600 °C in eight rows of 200 °C, 0 … 2.2 % C in eleven columns of 0.2 %.
constexpr int kRows = 8;
constexpr int kColumns = 11;

// clang-format off
constexpr TextAt kAxisLabels[] = {
    { 210, 0, "Temperatur/°C" },
    { 197, 14, "1600" }, { 197, 74, "1400" }, { 197, 134, "1200" }, { 197, 194, "1000" },
    { 200, 254, " 800" }, { 200, 314, " 600" }, { 200, 374, " 400" }, { 205, 489, "   0" }, { 200, 434, " 200" },
    { 671, 506, "C in Gew.%" },
    { 225, 506, " 0" }, { 264, 506, "0.2" }, { 303, 506, "0.4" }, { 342, 506, "0.6" }, { 381, 506, "0.8" },
    { 420, 506, "1.0" }, { 459, 506, "1.2" }, { 498, 506, "1.4" }, { 537, 506, "1.6" }, { 576, 506, "1.8" },
    { 615, 506, "2.0" }, { 649, 506, "2.2" },
};

// The δ corner and the liquidus above E, sketched by hand: J ("I") at 0.3 % C, N at 1380 °C, A at
// 1540 °C, B at 0.5 % C and the liquidus reaching the diagram's edge at 1360 °C, where the
// iron–carbon model would put J at x = 261, N at y = 82, A at 39, B at 333 and the liquidus at 84.
constexpr Segment kDeltaEcke[] = {
    { { 632, 156 }, { 288, 52 } },
    { { 288, 52 }, { 230, 86 } },
    { { 230, 86 }, { 250, 52 } },
    { { 250, 52 }, { 328, 52 } },
    { { 328, 52 }, { 659, 92 } },
    { { 328, 52 }, { 230, 38 } },
    { { 230, 38 }, { 250, 52 } },
};

constexpr TextAt kPointLabels[] = {
    { 234, 26, "A" }, { 324, 50, "B" }, { 237, 47, "H" }, { 288, 53, "I" }, { 234, 86, "N" }, { 218, 212, "G" },
    { 390, 284, "S" }, { 636, 140, "E" }, { 238, 269, "P" },
    { 628, 287, "723°C" }, { 195, 224, " 911°C" }, { 624, 158, "1147°C" }, { 195, 32, "1536°C" },
    { 195, 86, "1392°C" }, { 324, 38, "1493°C" },
};

// A(c3) and A(c1), the index in the gap after the "A" and a little lower.
constexpr TextAt kTransformationLabels[] = {
    { 240, 240, "A " }, { 251, 250, "c3" }, { 280, 267, "A " }, { 291, 274, "c1" },
};
// clang-format on

// --- The memo --------------------------------------------------------------------------------

// clang-format off
constexpr const char* kIntro[] = {
    " Die Grafik zeigt schematisch für Glüh-",
    " verfahren den Temperaturbereich",
    " bei denen die entsprechende",
    " Wärmebehandlung durchgeführt wird.",
    " ",
};
constexpr const char* kSeparator = " ------------------------------------------------------";
constexpr const char* kNormalMemo[] = {
    " Normalglühen:",
    " Es wird ein möglichst feinkörniges",
    " Gefüge mit Perlit angestrebt um eine",
    " gute Kombination von Festigkeits-",
    " und Zähigkeitseigenschaften zu ",
    " erreichen.",
};
constexpr const char* kHomoMemo[] = {
    " Diffusionsglühen (Homogenisieren):",
    " Wird durchgeführt um örtliche",
    " Konzentrationsunterschiede im",
    " Werkstoff auszugleichen, mit dem",
    " Ziel einer gleichmäßigen Ver-",
    " teilung löslicher Bestandteile.",
};
constexpr const char* kArmMemo[] = {
    " Spannungsfreiglühen:",
    " Wird durchgeführt um Spannungen,",
    " die infolge ungleicher Erwärmung",
    " aufgetreten sind, auszugleichen. ",
};
constexpr const char* kReMemo[] = {
    " Rekristallisationsglühen:",
    " Eigenschaftenänderungen durch ",
    " vorhergehender Kaltverformung",
    " werden rückgängig gemacht.",
    " Dabei wird eine Kornneubildung ",
    " ohne Phasenumwandlung erreicht.",
};
constexpr const char* kWeichMemo[] = {
    " Weichglühen:",
    " Glühen bei einer Temperatur",
    " dicht unter Ac1 (eventuell auch ",
    " oberhalb Ac1) oder pendeln um Ac1.",
    " Wird zur Verbesserung der ",
    " spanlosen Umformbarkeit",
    " durchgeführt.",
};
constexpr const char* kGrobkornMemo[] = {
    " Grobkornglühen:",
    " Glühen bei einer Temperatur",
    " im Austenitgebiet mit ausreichend",
    " langem Halten um ein gröberes",
    " Korn zu erzielen.",
    " Wird zur Verbesserung der",
    " spanabhebenden Bearbeitung",
    " bei untereutektoidischen",
    " Stählen durchgeführt.",
};
// clang-format on

// --- Coarse-grain annealing --------------------------------------------------------------------

// The area just above A3 up to about the eutectoid composition, drawn at once.
constexpr TPoint kGrobkornArea[] = {
    { 245, 206 },
    { 330, 206 },
    { 370, 214 },
    { 375, 216 },
    { 380, 219 },
    { 385, 225 },
    { 387, 235 },
    { 385, 241 },
    { 380, 242 },
    { 375, 241 },
    { 365, 238 },
    { 355, 235 },
    { 245, 205 },
};
static_assert(std::size(kGrobkornArea) == 13);
constexpr TextAt kGrobkornLabel { 400, 210, "Grobkornglühen" };

// Recrystallisation and stress relief share their height: the narrower stress-relief band is
// drawn again over the recrystallisation band when that ends after it.
constexpr int kArmRedrawWidth = 34;
constexpr Segment kArmRedraw { { 250, 330 }, { 620, 330 } };
constexpr TColor kArmGreen = RGB(0x00, 0x80, 0x00);

} // namespace

struct TFormGlueh::Band {
    TMenuItem TFormGlueh::*item;
    TTimer TFormGlueh::*timer;
    TPoint start;
    int width;
    TColor pen;
    glueh::Tick (*path)(int x, float y);
    int lastX; // the tick whose x passes it writes the label and ends the band
    TextAt label;
    TColor labelColor;
    bool labelOnBrush; // on the blue brush, or transparent
    int memoX; // the explanation is appended at the tick that reaches this x
    std::span<const char* const> memo;
};

namespace {

using Band = TFormGlueh::Band;

// clang-format off
//                         item                          timer                     start        width  pen
constexpr Band kNormal { &TFormGlueh::NORMAL,            &TFormGlueh::TimerNORMAL, { 240, 222 }, 18, RGB(0x00, 0x00, 0xFF),
    glueh::normalPath, 610, { 630, 266, " Normalglühen " }, clWhite, true, 244, kNormalMemo };
constexpr Band kHomo   { &TFormGlueh::Diffusionsgluehen, &TFormGlueh::TimerHOMO,   { 260, 173 }, 58, RGB(0xFF, 0x00, 0x00),
    glueh::homoPath, 600, { 330, 166, " Diffusionsglühen (Homogenisieren)" }, clWhite, false, 264, kHomoMemo };
constexpr Band kArm    { &TFormGlueh::ARM,               &TFormGlueh::TimerArm,    { 250, 330 }, 34, kArmGreen,
    glueh::armPath, 620, { 330, 320, " Spannungsfreiglühen " }, clWhite, false, 254, kArmMemo };
constexpr Band kRe     { &TFormGlueh::Re,                &TFormGlueh::TimerRE,     { 264, 331 }, 61, RGB(0x03, 0xD9, 0x00),
    glueh::rePath, 620, { 330, 344, " Rekristallisationsglühen " }, clBlack, false, 268, kReMemo };
// The soft-annealing explanation comes at the sixth tick, from x = 264 to 268.
constexpr Band kWeich  { &TFormGlueh::WEICH,             &TFormGlueh::TimerWEICH,  { 244, 301 }, 18, RGB(0xAE, 0xFF, 0x00),
    glueh::weichPath, 620, { 480, 283, " Weichglühen " }, clBlack, false, 268, kWeichMemo };
// clang-format on

} // namespace

TFormGlueh::TFormGlueh()
    : TLessonForm(QStringLiteral("FormGlueh"),
        { .caption = QStringLiteral("Schematische Darstellung der Temperaturführung verschiedenen Glühverfahren im "
                                    "Eisen-Kohlenstoff-Schaubild (EKS)") })
{
    MemoErlaeuterung.SetColor(kMemoColor);
    MemoErlaeuterung.SetReadOnly(true);
    // The explanations the bands append soon fill the memo.
    MemoErlaeuterung.SetScrollBars(ssBoth);
}

void TFormGlueh::FormCreate()
{
    PaintBoxHaupt.SetBounds(60, 0, kWidth, kHeight);
    MemoErlaeuterung.SetBounds(0, 0, 250, 520);
    MemoErlaeuterung.Font.SetHeight(kMemoFontHeight);
}

void TFormGlueh::PaintBoxHauptPaint()
{
    // Every repaint starts the explanation afresh: what the bands appended goes with them.
    MemoErlaeuterung.Font.Assign(Font);
    MemoErlaeuterung.Font.SetHeight(kMemoFontHeight);
    MemoErlaeuterung.SetScrollBars(ssBoth);
    MemoErlaeuterung.Lines.setTable(kIntro);

    TCanvas& c = PaintBoxHaupt.Canvas();
    c.Font.SetHeight(kDiagramFontHeight);

    // The yellow ground keeps the pen colour the last run left; its outline shows along the top.
    c.Pen.SetStyle(psSolid);
    c.Pen.SetWidth(1);
    c.Brush.SetStyle(bsSolid);
    c.Brush.SetColor(clYellow);
    c.Rectangle(0, 0, kWidth, kHeight);
    c.Pen.SetWidth(3);
    for (int i = kStripeFirst; i <= kStripeLast; ++i) {
        c.Pen.SetColor(RGB(255, kStripeGreen - i, 0));
        const int y = kStripeStep * i + kStripeOffset;
        draw(c, Segment { { 0, y }, { kWidth, y } });
    }

    // The frame keeps the stripes' pen width; the grid follows the diagram's scale.
    c.Pen.SetColor(clBlack);
    c.Brush.SetStyle(bsClear);
    draw(c, kFrame);
    const double row = glueh::kScale.perDegree * 200;
    const double column = glueh::kScale.perPercent * 0.2;
    diagrams::drawGrid(c, { kFrame, kRows, row, 1, kColumns, column });

    c.Font.SetColor(clBlack);
    drawAll(c, kAxisLabels);

    // The steel corner from the iron–carbon model, G–S and S–E straight: the eutectoid composition
    // from the axis up to S, E–S–G, E–C–F and P–S–K to the diagram's edge, the δ corner, G–P–Q.
    namespace mek = model::ekd;
    const ekd::Projection p { glueh::kScale };
    const mek::State s = mek::at(mek::Point::S), e = mek::at(mek::Point::E);
    const double rechts = kColumns * 0.2;
    c.Pen.SetStyle(psSolid);
    c.Pen.SetColor(kBandBlue);
    c.Pen.SetWidth(1);
    draw(c, Segment { ekd::pixelOf(p, { s.carbon, 0 }), ekd::pixelOf(p, s) });

    c.Pen.SetColor(kDunkel);
    c.Pen.SetWidth(2);
    const TPoint esg[]
        = { ekd::pixelOf(p, mek::Point::E), ekd::pixelOf(p, mek::Point::S), ekd::pixelOf(p, mek::Point::G) };
    draw(c, Polyline { esg });
    draw(c, Segment { ekd::pixelOf(p, e), ekd::pixelOf(p, { rechts, e.celsius }) });
    draw(c, Segment { ekd::pixelOf(p, { 0, s.celsius }), ekd::pixelOf(p, { rechts, s.celsius }) });
    drawAll(c, kDeltaEcke);
    const TPoint gpq[]
        = { ekd::pixelOf(p, mek::Point::Q), ekd::pixelOf(p, mek::Point::P), ekd::pixelOf(p, mek::Point::G) };
    draw(c, Polyline { gpq });

    c.Font.SetColor(kDunkel);
    drawAll(c, kPointLabels);
    c.Font.SetHeight(kDiagramFontHeight);
    c.Font.SetColor(kBandBlue);
    drawAll(c, kTransformationLabels);
}

void TFormGlueh::startBand(const Band& band)
{
    // The lock comes with the first tick.
    (this->*band.timer).SetEnabled(true);
    m_state.ProzessX = band.start.X;
    m_state.ProzessY = float(band.start.Y);
    PaintBoxHaupt.Canvas().MoveTo(band.start.X, band.start.Y);
    (this->*band.item).SetEnabled(false);
}

void TFormGlueh::bandTick(const Band& band)
{
    LockRun({});
    TCanvas& c = PaintBoxHaupt.Canvas();
    c.Pen.SetStyle(psSolid);
    c.Pen.SetWidth(band.width);
    c.Pen.SetColor(band.pen);
    m_state.ProzessX += glueh::kStepX;
    const glueh::Tick t = band.path(m_state.ProzessX, m_state.ProzessY);
    m_state.ProzessY = t.y;
    for (int i = 0; i < t.count; ++i) {
        if (t.strokes[i].width)
            c.Pen.SetWidth(t.strokes[i].width);
        c.LineTo(t.strokes[i].to.X, t.strokes[i].to.Y);
    }
    if (m_state.ProzessX == band.memoX)
        appendMemo(band.memo);
    if (m_state.ProzessX <= band.lastX)
        return;

    c.Font.SetHeight(kLabelFontHeight);
    c.Pen.SetColor(kLabelPen);
    c.Pen.SetWidth(3);
    c.Brush.SetColor(kBandBlue);
    c.Brush.SetStyle(band.labelOnBrush ? bsSolid : bsClear);
    c.Font.SetColor(band.labelColor);
    draw(c, band.label);
    if (&band == &kRe && !ARM.Enabled()) {
        // The stress-relief band was drawn before: it goes back on top of the wider band.
        c.Pen.SetWidth(kArmRedrawWidth);
        c.Pen.SetColor(kArmGreen);
        draw(c, kArmRedraw);
        c.Font.SetColor(kArm.labelColor);
        draw(c, kArm.label);
    }
    UnlockRun();
    (this->*band.timer).SetEnabled(false);
}

void TFormGlueh::appendMemo(std::span<const char* const> lines)
{
    MemoErlaeuterung.Lines.Add(QString::fromUtf8(kSeparator));
    for (const char* line : lines)
        MemoErlaeuterung.Lines.Add(QString::fromUtf8(line));
}

void TFormGlueh::NORMALClick()
{
    startBand(kNormal);
}

void TFormGlueh::DiffusionsgluehenClick()
{
    startBand(kHomo);
}

void TFormGlueh::ARMClick()
{
    startBand(kArm);
}

void TFormGlueh::ReClick()
{
    startBand(kRe);
}

void TFormGlueh::WEICHClick()
{
    startBand(kWeich);
}

void TFormGlueh::TimerNORMALTimer()
{
    bandTick(kNormal);
}

void TFormGlueh::TimerHOMOTimer()
{
    bandTick(kHomo);
}

void TFormGlueh::TimerArmTimer()
{
    bandTick(kArm);
}

void TFormGlueh::TimerRETimer()
{
    bandTick(kRe);
}

void TFormGlueh::TimerWEICHTimer()
{
    bandTick(kWeich);
}

void TFormGlueh::GrobkornClick()
{
    // Drawn at once, without a timer and without the lock.
    TCanvas& c = PaintBoxHaupt.Canvas();
    c.Brush.SetStyle(bsSolid);
    c.Brush.SetColor(kPurple);
    c.Pen.SetColor(kPurple);
    c.Polygon(kGrobkornArea, int(std::size(kGrobkornArea)));
    c.Font.SetHeight(kLabelFontHeight);
    c.Font.SetColor(clWhite);
    draw(c, kGrobkornLabel);
    appendMemo(kGrobkornMemo);
    Grobkorn.SetEnabled(false);
}

void TFormGlueh::NeuClick()
{
    Refresh();
    // Every band stops, also one started just before: it would go on drawing over the erased
    // picture and leave the form locked.
    StopTimers();
    UnlockRun({ &NORMAL, &Diffusionsgluehen, &Grobkorn, &ARM, &Re, &WEICH });
}

void TFormGlueh::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle. The band
    // items keep their state: a band already shown stays disabled until "Löschen/Neu".
    StopTimers();
    UnlockRun();
}

} // namespace wb
